// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save and Save As as the framework does them, with the
// "Save changes to %1?" question answered by a scripted user: the caption,
// the modified flag, what a failed open or save leaves behind, and the
// question before New, Open and closing.
#include <QCloseEvent>
#include <QFileInfo>
#include <QTest>

#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "model/document_file.h"
#include "support/log_builders.h"

using namespace aerodex;

class DocumentHandlingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void newLogIsUntitled();
  void saveAsksForANameThenSavesUnderIt();
  void saveChangesQuestionGuardsNewOpenAndClose();
  void answeringYesSavesFirst();
  void newKeepsPilotAndLastNNumber();
  void openReplacesTheLog();
  void openingTheOpenLogOnlyActivatesIt();
  void damagedFileLeavesAnEmptyUntitledLog();
  void unreadableFileLeavesTheOpenLogAlone();
  void failedSaveKeepsTheLogModified();

 private:
  QString SaveSampleLog(const QString& name, int flights);
  CDocumentManager& Docs() { return app_->MainFrame()->Documents(); }

  std::unique_ptr<QTemporaryDir> dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void DocumentHandlingTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  dialogs_ = ScriptedFrameDialogs();
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
}

void DocumentHandlingTest::cleanup() {
  app_->Document().SetModifiedFlag(false);
  app_.reset();
}

// A log on disk with a pilot, one aircraft and the given number of flights.
QString DocumentHandlingTest::SaveSampleLog(const QString& name, int flights) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  doc.pilot.pilotName = "Dana Whitfield";
  doc.pilot.licenseNumber = 3456789;
  doc.lastNNumber = "738CP";
  doc.AppendAircraft(MakeAirplane("738CP"));
  for (int i = 0; i < flights; ++i)
    doc.AppendEntry(MakeFlight(2024, 1 + i % 12, 1 + i % 28, i, "738CP"));
  doc.SortEntries();
  const QString path = dir_->filePath(name);
  if (!SaveDocumentFile(doc, path.toStdString()).ok) return {};
  return path;
}

void DocumentHandlingTest::newLogIsUntitled() {
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("Untitled - aerodex"));
  QCOMPARE(Docs().PathName(), QString());
  QCOMPARE(app_->Document().EntryCount(), 0u);
  QVERIFY(!app_->Document().IsModified());
}

void DocumentHandlingTest::saveAsksForANameThenSavesUnderIt() {
  app_->Document().AppendEntry(MakeFlight(2024, 3, 4));
  dialogs_.saveFiles = {dir_->filePath(QStringLiteral("flights"))};
  QVERIFY(app_->MainFrame()->Router().Execute(ID_FILE_SAVE));
  const QString saved = dir_->filePath(QStringLiteral("flights.adx"));  // extension added
  QVERIFY(QFileInfo::exists(saved));
  QCOMPARE(Docs().PathName(), saved);
  QVERIFY(!app_->Document().IsModified());
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("flights.adx - aerodex"));
  QCOMPARE(app_->RecentFiles().Files(), QStringList{saved});

  // A second Save writes to the same file without asking.
  app_->Document().AppendEntry(MakeFlight(2024, 3, 5));
  QVERIFY(Docs().OnFileSave());
  QCOMPARE(dialogs_.suggestedSaveNames.size(), 1);
  CAerodexDoc reread;
  QVERIFY(OpenDocumentFile(reread, saved.toStdString()).ok);
  QCOMPARE(reread.EntryCount(), 2u);

  // Save As offers the current name and moves the log to the new one.
  dialogs_.saveFiles = {dir_->filePath(QStringLiteral("copy.adx"))};
  QVERIFY(Docs().OnFileSaveAs());
  QCOMPARE(dialogs_.suggestedSaveNames.last(), saved);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("copy.adx - aerodex"));
  // Cancelling Save As changes nothing.
  app_->Document().SetModifiedFlag(true);
  QVERIFY(!Docs().OnFileSaveAs());
  QVERIFY(app_->Document().IsModified());
}

void DocumentHandlingTest::saveChangesQuestionGuardsNewOpenAndClose() {
  const QString other = SaveSampleLog(QStringLiteral("other.adx"), 3);
  app_->Document().AppendEntry(MakeFlight(2024, 3, 4));

  dialogs_.saveAnswers = {SaveAnswer::kCancel};
  QVERIFY(app_->MainFrame()->Router().Execute(ID_FILE_NEW));
  QCOMPARE(dialogs_.questions, QStringList{"Save changes to Untitled?"});
  QCOMPARE(app_->Document().EntryCount(), 1u);  // cancelled: the log stays

  dialogs_.openFiles = {other};
  dialogs_.saveAnswers = {SaveAnswer::kCancel};
  Docs().OnFileOpen();
  QCOMPARE(dialogs_.questions.size(), 2);
  QCOMPARE(app_->Document().EntryCount(), 1u);

  QCloseEvent refused;
  dialogs_.saveAnswers = {SaveAnswer::kCancel};
  QApplication::sendEvent(app_->MainFrame(), &refused);
  QVERIFY(!refused.isAccepted());
  QCOMPARE(dialogs_.questions.size(), 3);

  // "No" discards the changes and goes on.
  dialogs_.saveAnswers = {SaveAnswer::kNo};
  Docs().OnFileNew();
  QCOMPARE(app_->Document().EntryCount(), 0u);
  QVERIFY(!app_->Document().IsModified());
  // An unmodified log is replaced without a question.
  Docs().OnFileNew();
  QCOMPARE(dialogs_.questions.size(), 4);
  QCloseEvent accepted;
  QApplication::sendEvent(app_->MainFrame(), &accepted);
  QVERIFY(accepted.isAccepted());
}

void DocumentHandlingTest::answeringYesSavesFirst() {
  const QString path = SaveSampleLog(QStringLiteral("log.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  app_->Document().AppendEntry(MakeFlight(2025, 6, 7, 0, "738CP"));
  dialogs_.saveAnswers = {SaveAnswer::kYes};
  Docs().OnFileNew();
  QCOMPARE(dialogs_.questions, QStringList{"Save changes to log.adx?"});
  CAerodexDoc reread;
  QVERIFY(OpenDocumentFile(reread, path.toStdString()).ok);
  QCOMPARE(reread.EntryCount(), 3u);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("Untitled - aerodex"));

  // Yes on an untitled log whose Save As is cancelled stops the New.
  app_->Document().AppendEntry(MakeFlight(2025, 6, 8));
  dialogs_.saveAnswers = {SaveAnswer::kYes};
  Docs().OnFileNew();
  QCOMPARE(app_->Document().EntryCount(), 1u);
}

void DocumentHandlingTest::newKeepsPilotAndLastNNumber() {
  const QString path = SaveSampleLog(QStringLiteral("pilot.adx"), 1);
  QVERIFY(Docs().OpenDocumentFile(path));
  QVERIFY(app_->MainFrame()->Router().Execute(ID_FILE_NEW));
  QCOMPARE(app_->Document().pilot.pilotName, std::string("Dana Whitfield"));
  QCOMPARE(app_->Document().lastNNumber, std::string("738CP"));
  QCOMPARE(app_->Document().AircraftCount(), 0u);
  QCOMPARE(app_->Document().selectedEntry, nullptr);
}

void DocumentHandlingTest::openReplacesTheLog() {
  const QString path = SaveSampleLog(QStringLiteral("five.adx"), 5);
  app_->Document().AppendAircraft(MakeAirplane("999"));
  app_->Document().SetModifiedFlag(false);
  dialogs_.openFiles = {path};
  QVERIFY(app_->MainFrame()->Router().Execute(ID_FILE_OPEN));
  QCOMPARE(app_->Document().EntryCount(), 5u);
  QCOMPARE(app_->Document().AircraftCount(), 1u);
  QVERIFY(app_->Document().selectedEntry != nullptr);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("five.adx - aerodex"));
  QCOMPARE(app_->RecentFiles().Files().constFirst(), path);
  QVERIFY(app_->MainFrame()->Router().Action(ID_EDIT_ENTRY)->isEnabled());
}

void DocumentHandlingTest::openingTheOpenLogOnlyActivatesIt() {
  const QString path = SaveSampleLog(QStringLiteral("same.adx"), 2);
  QVERIFY(Docs().OpenDocumentFile(path));
  app_->Document().AppendEntry(MakeFlight(2025, 1, 1));  // unsaved work
  QVERIFY(Docs().OpenDocumentFile(path));
  QCOMPARE(app_->Document().EntryCount(), 3u);
  QVERIFY(dialogs_.questions.isEmpty());
}

void DocumentHandlingTest::damagedFileLeavesAnEmptyUntitledLog() {
  const QString good = SaveSampleLog(QStringLiteral("good.adx"), 4);
  QVERIFY(Docs().OpenDocumentFile(good));
  QByteArray bytes = ReadBytes(good);
  const QString damaged = dir_->filePath(QStringLiteral("damaged.adx"));
  QVERIFY(WriteBytes(damaged, bytes.left(bytes.size() - 30)));
  const QByteArray damagedBytes = ReadBytes(damaged);

  QVERIFY(!Docs().OpenDocumentFile(damaged));
  QCOMPARE(dialogs_.messages, QStringList{"Unexpected file format."});
  QCOMPARE(app_->Document().EntryCount(), 0u);
  QCOMPARE(app_->Document().AircraftCount(), 0u);
  QCOMPARE(Docs().PathName(), QString());
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("Untitled - aerodex"));
  QVERIFY(!app_->RecentFiles().Files().contains(damaged));
  QCOMPARE(app_->Document().pilot.pilotName, std::string("Dana Whitfield"));

  // A later Save asks for a name: the damaged file is never overwritten.
  app_->Document().AppendEntry(MakeFlight(2025, 2, 2));
  QVERIFY(!Docs().OnFileSave());
  QCOMPARE(dialogs_.suggestedSaveNames, QStringList{QStringLiteral("Untitled.adx")});
  QCOMPARE(ReadBytes(damaged), damagedBytes);
}

void DocumentHandlingTest::unreadableFileLeavesTheOpenLogAlone() {
  const QString good = SaveSampleLog(QStringLiteral("kept.adx"), 3);
  QVERIFY(Docs().OpenDocumentFile(good));
  const QString missing = dir_->filePath(QStringLiteral("missing.adx"));
  QVERIFY(!Docs().OpenDocumentFile(missing));
  QCOMPARE(dialogs_.messages,
           QStringList{"Failed to open document. No such file or directory.\n" + missing});
  QCOMPARE(app_->Document().EntryCount(), 3u);
  QCOMPARE(Docs().PathName(), good);
}

void DocumentHandlingTest::failedSaveKeepsTheLogModified() {
  app_->Document().AppendEntry(MakeFlight(2024, 3, 4));
  dialogs_.saveFiles = {dir_->filePath(QStringLiteral("no/such/folder/log.adx"))};
  QVERIFY(!Docs().OnFileSave());
  QCOMPARE(dialogs_.messages, QStringList{"Failed to save document. No such file or directory."});
  QVERIFY(app_->Document().IsModified());
  QCOMPARE(Docs().PathName(), QString());
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("Untitled - aerodex"));
  QVERIFY(app_->RecentFiles().IsEmpty());
}

QTEST_MAIN(DocumentHandlingTest)
#include "document_handling_test.moc"
