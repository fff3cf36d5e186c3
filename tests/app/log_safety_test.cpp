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
#include "model/document_file.h"
#include "model/log_lock.h"
#include "model/recovery_store.h"
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
  void aStaleLockIsTakenOverWithoutAsking();
  void theCaptionMarksUnsavedWork();
  void unsavableAndNonLogFilesSayWhy();
  void workOfAKilledWindowIsOffered();
  void declinedRecoveryIsRemoved();

 private:
  // A log on disk with `flights` flights; returns its path.
  QString WriteLog(const QString& name, int flights);
  int FlightsOnDisk(const QString& path);
  bool RunCrashChild(const QString& log);
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
  QCOMPARE(app_->Document().EntryCount(), 4u);
  QVERIFY(app_->Document().IsModified());

  dialogs_.confirmAnswers = {true};
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(FlightsOnDisk(path), 4);
  // Saved here: the next save does not ask.
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(dialogs_.confirmations.size(), 2);
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
              .contains(QStringLiteral("is in use by aerodex (")));
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

void LogSafetyTest::aStaleLockIsTakenOverWithoutAsking() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  const pid_t gone = [] {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
  }();
  QVERIFY(WriteBytes(QString::fromStdString(CLogLock::LockPathFor(path.toStdString())),
                     QByteArray("aerodex lock\nuser=pilot\npid=") + QByteArray::number(gone)));
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(dialogs_.confirmations.isEmpty());
  QVERIFY(Docs().HoldsLock());
  Docs().OnFileNew();
  QVERIFY(!Docs().HoldsLock());
  QVERIFY(!QFile::exists(QString::fromStdString(CLogLock::LockPathFor(path.toStdString()))));
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

void LogSafetyTest::unsavableAndNonLogFilesSayWhy() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));
  QVERIFY(!Docs().OnFileSave());
  QCOMPARE(dialogs_.messages, QStringList{"Failed to save document. The file is read-only."});
  QCOMPARE(FlightsOnDisk(path), 2);

  const QString pipe = dir_->filePath(QStringLiteral("x.adx"));
  QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0644), 0);
  app_->Document().SetModifiedFlag(false);
  QVERIFY(!Docs().OpenDocumentFile(pipe));
  QCOMPARE(dialogs_.messages.last(),
           QStringLiteral("Failed to open document. It is not a regular file."));
  QCOMPARE(Docs().PathName(), path);  // the open log stays
}

bool LogSafetyTest::RunCrashChild(const QString& log) {
  QProcess child;
  child.start(QStringLiteral(AERODEX_CRASH_CHILD),
              {dir_->filePath(QStringLiteral("child.ini")), log});
  return child.waitForFinished(30000) && child.exitStatus() == QProcess::CrashExit;
}

void LogSafetyTest::workOfAKilledWindowIsOffered() {
  const QString path = WriteLog(QStringLiteral("log.adx"), 3);
  QVERIFY(RunCrashChild(path));
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  dialogs_.confirmAnswers = {true};
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  QCOMPARE(dialogs_.confirmations.size(), 1);
  QVERIFY(dialogs_.confirmations[0].startsWith(
      QStringLiteral("aerodex did not close normally. Unsaved changes to %1 from ").arg(path)));
  QCOMPARE(app_->Document().EntryCount(), 4u);
  QCOMPARE(Docs().PathName(), path);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("log.adx* - aerodex"));
  QVERIFY(Docs().HoldsLock());  // the killed window's lock was stale
  QCOMPARE(FlightsOnDisk(path), 3);
  // Saved: nothing is left to recover.
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(FlightsOnDisk(path), 4);
  QVERIFY(CRecoveryStore().FindOrphans().empty());
  QVERIFY(QDir(QString::fromStdString(CRecoveryStore::DefaultFolder())).isEmpty());
}

void LogSafetyTest::declinedRecoveryIsRemoved() {
  QVERIFY(RunCrashChild(QString()));  // an untitled log
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  QCOMPARE(dialogs_.confirmations.size(), 1);
  QVERIFY(dialogs_.confirmations[0].contains(
      QStringLiteral("Unsaved changes to an untitled log from ")));
  QCOMPARE(app_->Document().EntryCount(), 0u);
  QVERIFY(CRecoveryStore().FindOrphans().empty());
  // The next start asks nothing.
  app_.reset();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  QVERIFY(dialogs_.confirmations.isEmpty());
}

QTEST_MAIN(LogSafetyTest)
#include "log_safety_test.moc"
