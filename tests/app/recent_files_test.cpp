// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-file list: order and limit, the short names in the File menu,
// the INI file it is kept in (in the user's configuration folder, with its
// section names written plainly), and start-up's reopening of the newest
// log, which skips a log that is gone without dropping it from the list.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>

#include "app/app_settings.h"
#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app/recent_file_list.h"
#include "app_test_support.h"
#include "support/log_builders.h"

using namespace aerodex;

class RecentFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void listKeepsFourNewestFirst();
  void displayNamesFitInThirtyCharacters();
  void settingsFileIsPlainIniInTheConfigFolder();
  void menuShowsTheFilesAndOpensThem();
  void startUpReopensTheNewestLog();
  void startUpSkipsAMissingLogSilently();
  void recentFileThatFailsIsDropped();

 private:
  QString MakeLog(const QTemporaryDir& dir, const QString& name, int flights);
  void WriteIni(const QTemporaryDir& dir, const QStringList& files);
};

QString RecentFilesTest::MakeLog(const QTemporaryDir& dir, const QString& name, int flights) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  for (int i = 0; i < flights; ++i) doc.AppendEntry(MakeFlight(2024, 2, 1 + i));
  const QString path = dir.filePath(name);
  if (!SaveDocumentFile(doc, path.toStdString()).ok) return {};  // the test then fails to open it
  return path;
}

void RecentFilesTest::WriteIni(const QTemporaryDir& dir, const QStringList& files) {
  CAppSettings settings(dir.filePath(QStringLiteral("aerodex.ini")));
  settings.SaveRecentFiles(files, kRecentFileCount);
  settings.Sync();
}

void RecentFilesTest::listKeepsFourNewestFirst() {
  CRecentFileList list(4);
  for (const char* name : {"/a.adx", "/b.adx", "/c.adx", "/d.adx", "/e.adx"}) {
    list.Add(QString::fromLatin1(name));
  }
  QCOMPARE(list.Files(), (QStringList{"/e.adx", "/d.adx", "/c.adx", "/b.adx"}));
  list.Add(QStringLiteral("/c.adx"));  // used again: moves to the front, no duplicate
  QCOMPARE(list.Files(), (QStringList{"/c.adx", "/e.adx", "/d.adx", "/b.adx"}));
  list.Remove(1);
  QCOMPARE(list.Files(), (QStringList{"/c.adx", "/d.adx", "/b.adx"}));
  list.SetFiles({"/x.adx", "", "/x.adx", "/y.adx", "/z.adx", "/w.adx", "/v.adx"});
  QCOMPARE(list.Files(), (QStringList{"/x.adx", "/y.adx", "/z.adx", "/w.adx"}));
}

void RecentFilesTest::displayNamesFitInThirtyCharacters() {
  const QString elsewhere = QStringLiteral("/somewhere/else");
  QCOMPARE(CRecentFileList::DisplayName(QStringLiteral("/home/pilot/log.adx"), elsewhere),
           QStringLiteral("/home/pilot/log.adx"));
  QCOMPARE(
      CRecentFileList::DisplayName(QStringLiteral("/home/pilot/logs/2024/flights.adx"), elsewhere),
      QStringLiteral("/home/.../2024/flights.adx"));
  QCOMPARE(CRecentFileList::DisplayName(QStringLiteral("/home/pilot/logs/flights.adx"),
                                        QStringLiteral("/home/pilot/logs")),
           QStringLiteral("flights.adx"));
  const QString longName = QStringLiteral("/data/a-very-long-name-for-a-flight-log.adx");
  const QString shown = CRecentFileList::DisplayName(longName, elsewhere);
  QCOMPARE(shown.size(), 30);
  QVERIFY(shown.startsWith(QStringLiteral("a-very-long")));
  for (const QString& path : {QStringLiteral("/a/b/c/d/e/f/g/h/i/j/k/l/m/n/o/p.adx"),
                              QStringLiteral("/home/user/Documents/Flying/Logbooks/2023.adx")}) {
    QVERIFY(CRecentFileList::DisplayName(path, elsewhere).size() <= 30);
  }
}

void RecentFilesTest::settingsFileIsPlainIniInTheConfigFolder() {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QCOMPARE(CAppSettings::DefaultPath(), config.filePath(QStringLiteral("aerodex.ini")));
  {
    CAppSettings settings;
    settings.SaveRecentFiles({"/logs/new.adx", "/logs/old log.adx"}, kRecentFileCount);
    settings.SetPreviewPages(2);
    settings.Sync();
  }
  const QString ini = ReadText(config.filePath(QStringLiteral("aerodex.ini")));
  QVERIFY2(ini.contains(QStringLiteral(
               "[Recent File List]\nFile1=/logs/new.adx\nFile2=/logs/old log.adx\n")),
           qPrintable(ini));
  QVERIFY(ini.contains(QStringLiteral("[Settings]\nPreviewPages=2\n")));
  QVERIFY(!ini.contains(QStringLiteral("File3")));
  CAppSettings reread;
  QCOMPARE(reread.LoadRecentFiles(kRecentFileCount),
           (QStringList{"/logs/new.adx", "/logs/old log.adx"}));
  QCOMPARE(reread.PreviewPages(), 2);
  qunsetenv("XDG_CONFIG_HOME");
}

void RecentFilesTest::menuShowsTheFilesAndOpensThem() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({}));
  CDocumentManager& docs = app->MainFrame()->Documents();
  QStringList paths;
  for (int i = 0; i < 5; ++i) {
    paths.append(MakeLog(dir, QStringLiteral("log&%1.adx").arg(i), i + 1));
    QVERIFY(docs.OpenDocumentFile(paths.last()));
  }
  CCommandRouter& router = app->MainFrame()->Router();
  QCOMPARE(router.Action(ID_FILE_MRU_FILE1)->text().left(4), QStringLiteral("&1 /"));
  QVERIFY(router.Action(ID_FILE_MRU_FILE1)->text().endsWith(QStringLiteral("log&&4.adx")));
  QVERIFY(router.Action(ID_FILE_MRU_FILE1 + 3)->text().endsWith(QStringLiteral("log&&1.adx")));
  for (int slot = 0; slot < kRecentFileCount; ++slot) {
    QVERIFY(router.Action(ID_FILE_MRU_FILE1 + slot)->isVisible());
    QVERIFY(router.Action(ID_FILE_MRU_FILE1 + slot)->isEnabled());
    QVERIFY(router.Action(ID_FILE_MRU_FILE1 + slot)->text().size() <= 33);
  }
  // The fourth entry opens the second log and becomes the first.
  QVERIFY(router.Execute(ID_FILE_MRU_FILE1 + 3));
  QCOMPARE(app->Document().EntryCount(), 2u);
  QCOMPARE(app->RecentFiles().Files().constFirst(), paths[1]);
  const QString ini = ReadText(dir.filePath(QStringLiteral("aerodex.ini")));
  QVERIFY(ini.contains(QStringLiteral("File1=") + paths[1] + QLatin1Char('\n')));
  QVERIFY(ini.contains(QStringLiteral("File4=") + paths[2] + QLatin1Char('\n')));
}

void RecentFilesTest::startUpReopensTheNewestLog() {
  QTemporaryDir dir;
  const QString newest = MakeLog(dir, QStringLiteral("newest.adx"), 3);
  const QString older = MakeLog(dir, QStringLiteral("older.adx"), 1);
  WriteIni(dir, {newest, older});
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({}));
  QCOMPARE(app->Document().EntryCount(), 3u);
  QCOMPARE(ShownCaption(app->MainFrame()), QStringLiteral("newest.adx - aerodex"));

  // A file named on the command line wins; the recent-file step then finds it.
  auto second = MakeApp(dir, &dialogs);
  QVERIFY(second->InitInstance({older}));
  QCOMPARE(second->Document().EntryCount(), 1u);
  QCOMPARE(second->RecentFiles().Files(), (QStringList{older, newest}));
  QVERIFY(dialogs.messages.isEmpty());
}

void RecentFilesTest::startUpSkipsAMissingLogSilently() {
  QTemporaryDir dir;
  const QString gone = dir.filePath(QStringLiteral("gone.adx"));
  const QString present = MakeLog(dir, QStringLiteral("present.adx"), 2);
  WriteIni(dir, {gone, present});
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({}));
  QCOMPARE(app->Document().EntryCount(), 0u);
  QCOMPARE(ShownCaption(app->MainFrame()), QStringLiteral("Untitled - aerodex"));
  QVERIFY(dialogs.messages.isEmpty());
  QCOMPARE(app->RecentFiles().Files(), (QStringList{gone, present}));
  QVERIFY(ReadText(dir.filePath(QStringLiteral("aerodex.ini")))
              .contains(QStringLiteral("File1=") + gone));
}

void RecentFilesTest::recentFileThatFailsIsDropped() {
  QTemporaryDir dir;
  const QString gone = dir.filePath(QStringLiteral("gone.adx"));
  const QString present = MakeLog(dir, QStringLiteral("present.adx"), 2);
  WriteIni(dir, {gone, present});
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({}));
  QVERIFY(app->MainFrame()->Router().Execute(ID_FILE_MRU_FILE1));
  QCOMPARE(dialogs.messages,
           QStringList{"Failed to open document. No such file or directory.\n" + gone});
  QCOMPARE(app->RecentFiles().Files(), QStringList{present});
  QVERIFY(!app->MainFrame()->Router().Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
}

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
