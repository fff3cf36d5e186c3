// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeping its log safe: the lock against a second window and
// aerodex-cli, changes made on disk by another program, the caption's mark
// of unsaved work, files that cannot be saved or are not logs, and the
// recovery of the work of a window that was killed.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTest>

#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "files/backup_store.h"
#include "files/log_lock.h"
#include "files/recovery_store.h"
#include "model/document_file.h"
#include "support/log_builders.h"

using namespace aerodex;

class LogSafetyTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void outsideChangeIsAskedAboutBeforeSave();
  void openingTheOpenLogAgainReloadsOutsideChanges();
  void aSecondWindowIsAskedAndTheCliRefused();
  void theCaptionMarksUnsavedWork();
  void aFileThatIsNotALogSaysWhy();
  void workOfAKilledWindowIsOffered();
  void discardedRecoveryIsKeptAmongTheVersions();
  void workOnALogSavedElsewhereIsOfferedAsSuch();
  void aDamagedSnapshotIsNamedAndKept();
  void aLogThatCannotBeLockedOrWrittenSaysSo();
  void aNameWithALineBreakStaysOutOfTheRecentList();

 private:
  // A log on disk with `flights` flights; returns its path.
  QString WriteLog(const QString& name, int flights);
  int FlightsOnDisk(const QString& path);
  bool RunCrashChild(const QString& log);
  void Restart();
  static pid_t EndedPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
  }
  CDocumentManager& Docs() { return app_->MainFrame()->Documents(); }

  std::unique_ptr<QTemporaryDir> dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void LogSafetyTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
}

void LogSafetyTest::cleanup() {
  if (app_) app_->Document().SetModifiedFlag(false);
  app_.reset();
}

QString LogSafetyTest::WriteLog(const QString& name, int flights) {
  CAerodexDoc doc;
  doc.InitializeOnce();
  doc.DeleteContents();
  doc.AppendAircraft(MakeAirplane("738CP"));
  for (int i = 0; i < flights; ++i) doc.AppendEntry(MakeFlight(2024, 1, 1 + i % 28, i, "738CP"));
  const QString path = dir_->filePath(name);
  return SaveDocumentFile(doc, path.toStdString()).ok ? path : QString();
}

int LogSafetyTest::FlightsOnDisk(const QString& path) {
  CAerodexDoc doc;
  return OpenDocumentFile(doc, path.toStdString()).ok ? static_cast<int>(doc.EntryCount()) : -1;
}

void LogSafetyTest::outsideChangeIsAskedAboutBeforeSave() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 3);
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(WriteLog(QStringLiteral("log.adx"), 5) == path);  // another program saves it
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));

  QVERIFY(!Docs().OnFileSave());  // Cancel: the scripted user's default
  QCOMPARE(dialogs_.confirmations.size(), 1);
  QVERIFY(dialogs_.confirmations[0].startsWith(
      QStringLiteral("log.adx has been changed on disk by another program")));
  QCOMPARE(FlightsOnDisk(path), 5);
  dialogs_.confirmAnswers = {true};
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(FlightsOnDisk(path), 4);
}

void LogSafetyTest::openingTheOpenLogAgainReloadsOutsideChanges() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(Docs().OpenDocumentFile(path));  // unchanged: only activated
  QVERIFY(WriteLog(QStringLiteral("log.adx"), 6) == path);
  QVERIFY(Docs().OpenDocumentFile(path));
  QCOMPARE(app_->Document().EntryCount(), 6u);
  QVERIFY(dialogs_.confirmations.isEmpty());

  QVERIFY(WriteLog(QStringLiteral("log.adx"), 1) == path);
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));  // unsaved work: asked first
  QVERIFY(!Docs().OpenDocumentFile(path));
  QCOMPARE(app_->Document().EntryCount(), 7u);
  dialogs_.confirmAnswers = {true};
  QVERIFY(Docs().OpenDocumentFile(path));
  QCOMPARE(app_->Document().EntryCount(), 1u);
  QCOMPARE(dialogs_.confirmations.size(), 2);
  QVERIFY(Docs().HoldsLock());
}

void LogSafetyTest::aSecondWindowIsAskedAndTheCliRefused() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(Docs().HoldsLock());
  const QByteArray before = ReadBytes(path);

  const QString old = dir_->filePath(QStringLiteral("old.aerodex"));
  QVERIFY(WriteBytes(old, "0\n^A^\n^B^\n1 2 3\n"));
  QProcess cli;
  cli.start(QStringLiteral(AERODEX_CLI_PATH), {QStringLiteral("import"), path, old});
  QVERIFY(cli.waitForFinished(10000));
  QCOMPARE(cli.exitCode(), 1);
  QVERIFY(QString::fromLocal8Bit(cli.readAllStandardError())
              .contains(QStringLiteral("aerodex-cli: ") + path +
                        QStringLiteral(": In use by aerodex (")));
  QCOMPARE(ReadBytes(path), before);

  QTemporaryDir secondDir;
  ScriptedFrameDialogs secondDialogs;
  auto second = MakeApp(secondDir, &secondDialogs);
  QVERIFY(second->InitInstance({}));
  QVERIFY(!second->MainFrame()->Documents().OpenDocumentFile(path));
  QCOMPARE(secondDialogs.confirmations.size(), 1);
  QVERIFY(secondDialogs.confirmations[0].startsWith(
      QStringLiteral("log.adx is already open in aerodex (")));
  QVERIFY(secondDialogs.confirmations[0].contains(
      QStringLiteral("process %1, since ").arg(::getpid())));
  QCOMPARE(ShownCaption(second->MainFrame()), QStringLiteral("Untitled - aerodex"));
  secondDialogs.confirmAnswers = {true};
  QVERIFY(second->MainFrame()->Documents().OpenDocumentFile(path));  // opened anyway
  QVERIFY(!second->MainFrame()->Documents().HoldsLock());
  second.reset();
  QVERIFY(Docs().HoldsLock());  // the second window never took it
}

void LogSafetyTest::theCaptionMarksUnsavedWork() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx - aerodex"));
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));
  app_->Document().SortEntries();  // as every change to the flights ends
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx* - aerodex"));
  QVERIFY(app_->MainFrame()->Router().Execute(ID_FILE_SAVE));
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx - aerodex"));
}

void LogSafetyTest::aFileThatIsNotALogSaysWhy() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  const QString pipe = dir_->filePath(QStringLiteral("x.adx"));
  QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0644), 0);
  QVERIFY(!Docs().OpenDocumentFile(pipe));
  QCOMPARE(dialogs_.messages.last(),
           QStringLiteral("Failed to open document. It is not a regular file.\n") + pipe);
  QCOMPARE(Docs().PathName(), path);  // the open log stays
}

bool LogSafetyTest::RunCrashChild(const QString& log) {
  QProcess child;
  child.start(QStringLiteral(AERODEX_CRASH_CHILD),
              {dir_->filePath(QStringLiteral("child.ini")), log});
  return child.waitForFinished(30000) && child.exitStatus() == QProcess::CrashExit;
}

void LogSafetyTest::Restart() {
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
}

// The log used last is reopened at start and its killed window's work is
// recovered under the same lock: no question about its own process, and the
// lock stays held against aerodex-cli.
void LogSafetyTest::workOfAKilledWindowIsOffered() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 3);
  QVERIFY(Docs().OpenDocumentFile(path));  // the log used last
  app_.reset();
  QVERIFY(RunCrashChild(path));
  Restart();
  QCOMPARE(dialogs_.recoveryQuestions.size(), 1);
  QVERIFY(dialogs_.recoveryQuestions[0].startsWith(
      QStringLiteral("aerodex did not close normally. Unsaved changes to %1 from ").arg(path)));
  QVERIFY(dialogs_.recoveryQuestions[0].contains(
      QStringLiteral("They hold 4 flights; the log on disk holds 3 flights.")));
  QVERIFY(!dialogs_.recoveryQuestions[0].contains(QStringLiteral("changed since")));
  QVERIFY(dialogs_.confirmations.isEmpty());
  QCOMPARE(app_->Document().EntryCount(), 4u);
  QCOMPARE(Docs().PathName(), path);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx* - aerodex"));
  QVERIFY(Docs().HoldsLock());
  QProcess cli;
  cli.start(QStringLiteral(AERODEX_CLI_PATH), {QStringLiteral("resave"), path, path});
  QVERIFY(cli.waitForFinished(10000));
  QCOMPARE(cli.exitCode(), 1);
  QCOMPARE(FlightsOnDisk(path), 3);
  // Saved: nothing is left to recover.
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(FlightsOnDisk(path), 4);
  QVERIFY(dialogs_.confirmations.isEmpty());
  QVERIFY(CRecoveryStore().FindOrphans().empty());
}

// Discard files the work among the versions; nothing is deleted by a question.
void LogSafetyTest::discardedRecoveryIsKeptAmongTheVersions() {
  QVERIFY(RunCrashChild(QString()));  // an untitled log
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  dialogs_.recoveryAnswers = {RecoveryAnswer::kDiscard};
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  QCOMPARE(dialogs_.recoveryQuestions.size(), 1);
  QVERIFY(dialogs_.recoveryQuestions[0].contains(
      QStringLiteral("Unsaved changes to an untitled log from ")));
  QCOMPARE(app_->Document().EntryCount(), 0u);
  QVERIFY(CRecoveryStore().FindOrphans().empty());
  const auto kept = CBackupStore().List(std::string());
  QCOMPARE(kept.size(), std::size_t{1});
  QCOMPARE(FlightsOnDisk(QString::fromStdString(kept[0].path)), 1);
  Restart();  // the next start asks nothing
  QVERIFY(dialogs_.recoveryQuestions.isEmpty());
}

// Work on a log saved elsewhere since is offered as such; two killed windows
// are both asked about.
void LogSafetyTest::workOnALogSavedElsewhereIsOfferedAsSuch() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 3);
  QVERIFY(RunCrashChild(path));
  const auto orphans = CRecoveryStore().FindOrphans();
  QCOMPARE(orphans.size(), std::size_t{1});
  // A second killed window on the same log.
  const std::string twin =
      CRecoveryStore::DefaultFolder() + '/' + std::to_string(EndedPid()) + "-1-1";
  QVERIFY(QFile::copy(QString::fromStdString(orphans[0].bytesPath),
                      QString::fromStdString(twin + ".adx")));
  QVERIFY(QFile::copy(QString::fromStdString(orphans[0].infoPath),
                      QString::fromStdString(twin + ".info")));
  QVERIFY(WriteLog(QStringLiteral("log.adx"), 6) == path);  // saved by another window since

  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  dialogs_.recoveryAnswers = {RecoveryAnswer::kRecover, RecoveryAnswer::kDiscard};
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  QCOMPARE(dialogs_.recoveryQuestions.size(), 2);
  QVERIFY(
      dialogs_.recoveryQuestions[0].contains(QStringLiteral("the log on disk holds 6 flights.")));
  QVERIFY(dialogs_.recoveryQuestions[0].contains(QStringLiteral(
      "The log has been changed since; recovered work opens as unsaved changes and the next "
      "save will ask before replacing it.")));
  QCOMPARE(app_->Document().EntryCount(), 4u);
  QVERIFY(app_->Document().IsModified());
  QVERIFY(Docs().HoldsLock());
  // The next save asks before replacing the file the import changed.
  QVERIFY(!Docs().OnFileSave());
  QCOMPARE(dialogs_.confirmations.size(), 1);
  QVERIFY(dialogs_.confirmations[0].contains(QStringLiteral("has been changed on disk")));
  QVERIFY(CRecoveryStore().FindOrphans().empty());
}

// A snapshot that cannot be read is named as such and kept; the open log stays.
void LogSafetyTest::aDamagedSnapshotIsNamedAndKept() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(RunCrashChild(path));
  const auto orphans = CRecoveryStore().FindOrphans();
  QCOMPARE(orphans.size(), std::size_t{1});
  QVERIFY(WriteBytes(QString::fromStdString(orphans[0].bytesPath), "\x05garbage"));
  const QString other = WriteLog(QStringLiteral("other.adx"), 5);
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({other}));
  QCOMPARE(
      dialogs_.messages,
      QStringList{
          QStringLiteral(
              "The unsaved changes to %1 could not be read: Unexpected file format. They are kept "
              "among the log's earlier versions.")
              .arg(path)});
  QVERIFY(dialogs_.recoveryQuestions.isEmpty());
  QCOMPARE(Docs().PathName(), other);
  QCOMPARE(app_->Document().EntryCount(), 5u);
  QCOMPARE(CBackupStore().List(path.toStdString()).size(), std::size_t{1});
  QVERIFY(CRecoveryStore().FindOrphans().empty());
}

// Where no lock can be made, the window says so once and shows it; where
// nothing can be written, the log opens read-only and Save goes to Save As.
void LogSafetyTest::aLogThatCannotBeLockedOrWrittenSaysSo() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  const std::string lockPath = CLogLock::LockPathFor(path.toStdString());
  QVERIFY(QDir().mkdir(QString::fromStdString(lockPath)));
  QVERIFY(Docs().OpenDocumentFile(path));
  QCOMPARE(dialogs_.messages.size(), 1);
  QVERIFY(
      dialogs_.messages[0].startsWith(QStringLiteral("log.adx cannot be locked. Its lock file ")));
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx [not locked] - aerodex"));
  QProcess cli;
  cli.start(QStringLiteral(AERODEX_CLI_PATH), {QStringLiteral("resave"), path, path});
  QVERIFY(cli.waitForFinished(10000));
  QCOMPARE(cli.exitCode(), 1);
  QVERIFY(
      QString::fromLocal8Bit(cli.readAllStandardError()).contains(QStringLiteral("is a folder.")));

  QVERIFY(QDir().rmdir(QString::fromStdString(lockPath)));
  const QString folder = dir_->filePath(QStringLiteral("shelf"));
  QVERIFY(QDir().mkdir(folder));
  const QString shelved = folder + QStringLiteral("/log.adx");
  QVERIFY(QFile::copy(path, shelved));
  QVERIFY(::chmod(folder.toLocal8Bit().constData(), 0555) == 0);
  QVERIFY(Docs().OpenDocumentFile(shelved));
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx [read-only] - aerodex"));
  QVERIFY(dialogs_.messages.last().contains(QStringLiteral("It is open read-only")));
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));
  QVERIFY(!Docs().OnFileSave());  // Save As, cancelled
  QCOMPARE(dialogs_.suggestedSaveNames.size(), 1);
  QVERIFY(
      dialogs_.messages.last().startsWith(QStringLiteral("log.adx cannot be saved where it is.")));
  ::chmod(folder.toLocal8Bit().constData(), 0755);
}

// A name the settings file cannot give back is not listed as a recent log.
void LogSafetyTest::aNameWithALineBreakStaysOutOfTheRecentList() {
  const QString odd = WriteLog(QStringLiteral("two\nlines.adx"), 1);
  QVERIFY(!WriteLog(QStringLiteral("two lines.adx"), 2).isEmpty());  // what it used to become
  QVERIFY(Docs().OpenDocumentFile(odd));
  Restart();
  QCOMPARE(Docs().PathName(), QString());  // nothing reopened in its place
}

QTEST_MAIN(LogSafetyTest)
#include "log_safety_test.moc"
