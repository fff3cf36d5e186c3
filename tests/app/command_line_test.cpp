// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: how it is read, and what start-up does with it: a new
// log, a log opened, a file that cannot be opened (the program ends), and
// "/p" and "/pt", which print the whole log and end.
#include "app/command_line.h"

#include <QPrinter>
#include <QTest>

#include "app/main_frame.h"
#include "app/print_controller.h"
#include "app_test_support.h"
#include "support/log_builders.h"

using namespace aerodex;

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void parsesTheFrameworkSwitches();
  void parsesPathsThatBeginWithASlash();
  void parsesTheLinuxStyleOptions();
  void refusesAPrintWithoutItsFile();
  void noArgumentGivesAnUntitledLog();
  void fileThatCannotBeOpenedEndsTheProgram();
  void printSwitchPrintsEveryPageAndEnds();
  void printToAnUnknownPrinterSaysSo();
};

void CommandLineTest::parsesTheFrameworkSwitches() {
  CCommandLineInfo info = CCommandLineInfo::Parse({});
  QCOMPARE(info.command, CCommandLineInfo::kFileNew);
  info = CCommandLineInfo::Parse({"log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFileOpen);
  QCOMPARE(info.fileName, QStringLiteral("log.adx"));
  info = CCommandLineInfo::Parse({"/p", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrint);
  QCOMPARE(info.fileName, QStringLiteral("log.adx"));
  info = CCommandLineInfo::Parse({"/PT", "log.adx", "Office Laser"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrintTo);
  QCOMPARE(info.printerName, QStringLiteral("Office Laser"));
  info = CCommandLineInfo::Parse({"-pt", "log.adx", "lp0"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrintTo);
  info = CCommandLineInfo::Parse({"/dde"});
  QCOMPARE(info.command, CCommandLineInfo::kFileNew);
  info = CCommandLineInfo::Parse({"/dde", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFileOpen);
  QCOMPARE(CCommandLineInfo::Parse({"/Unregister"}).command, CCommandLineInfo::kUnregister);
}

void CommandLineTest::parsesPathsThatBeginWithASlash() {
  CCommandLineInfo info = CCommandLineInfo::Parse({"/home/pilot/p"});
  QCOMPARE(info.command, CCommandLineInfo::kFileOpen);
  QCOMPARE(info.fileName, QStringLiteral("/home/pilot/p"));
  info = CCommandLineInfo::Parse({"/p", "/home/pilot/log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrint);
  QCOMPARE(info.fileName, QStringLiteral("/home/pilot/log.adx"));
}

void CommandLineTest::parsesTheLinuxStyleOptions() {
  CCommandLineInfo info = CCommandLineInfo::Parse({"--print", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrint);
  QCOMPARE(info.fileName, QStringLiteral("log.adx"));
  info = CCommandLineInfo::Parse({"--print-to", "Office Laser", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrintTo);
  QCOMPARE(info.printerName, QStringLiteral("Office Laser"));
  QCOMPARE(info.fileName, QStringLiteral("log.adx"));
  QCOMPARE(CCommandLineInfo::Parse({"--print-to", "lp0"}).command, CCommandLineInfo::kBad);
  QCOMPARE(CCommandLineInfo::Parse({"log.adx", "--print"}).command, CCommandLineInfo::kBad);
  QCOMPARE(CCommandLineInfo::Parse({"log.adx", "--help"}).command, CCommandLineInfo::kHelp);
  QCOMPARE(CCommandLineInfo::Parse({"--version"}).command, CCommandLineInfo::kVersion);
  info = CCommandLineInfo::Parse({"--frobnicate", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kBad);
  QVERIFY2(info.error.contains(QStringLiteral("frobnicate")), qPrintable(info.error));
  // After "--" a word is a file, whatever it looks like.
  info = CCommandLineInfo::Parse({"--", "-log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kFileOpen);
  QCOMPARE(info.fileName, QStringLiteral("-log.adx"));
  info = CCommandLineInfo::Parse({"/p", "--", "/pt"});
  QCOMPARE(info.command, CCommandLineInfo::kFilePrint);
  QCOMPARE(info.fileName, QStringLiteral("/pt"));
}

void CommandLineTest::refusesAPrintWithoutItsFile() {
  QCOMPARE(CCommandLineInfo::Parse({"/p"}).command, CCommandLineInfo::kBad);
  const CCommandLineInfo info = CCommandLineInfo::Parse({"/pt", "log.adx"});
  QCOMPARE(info.command, CCommandLineInfo::kBad);
  QVERIFY(!info.error.isEmpty());
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(!app->InitInstance({"/p"}));
  QCOMPARE(app->ExitCode(), 2);
}

void CommandLineTest::noArgumentGivesAnUntitledLog() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({}));
  QCOMPARE(ShownCaption(app->MainFrame()), QStringLiteral("Untitled - aerodex"));
  QCOMPARE(app->Document().EntryCount(), 0u);
}

void CommandLineTest::fileThatCannotBeOpenedEndsTheProgram() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  const QString missing = dir.filePath(QStringLiteral("missing.adx"));
  QVERIFY(!app->InitInstance({missing}));
  QCOMPARE(app->ExitCode(), 1);
  // The specified message, whole, and the file under it.
  QCOMPARE(dialogs.messages,
           QStringList{"Failed to open document. No such file or directory.\n" + missing});
  QVERIFY(app->RecentFiles().IsEmpty());
}

void CommandLineTest::printSwitchPrintsEveryPageAndEnds() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
  QString askedFor = QStringLiteral("unset");
  CAerodexApp::Options options;
  options.settingsPath = dir.filePath(QStringLiteral("aerodex.ini"));
  options.dialogs = &dialogs;
  options.showWindow = false;
  options.choosePrinter = [&](QPrinter& printer, const QString& name, QString&) {
    askedFor = name;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  CAerodexApp app(options);
  QVERIFY(!app.InitInstance({"/p", SampleLogPath()}));
  QCOMPARE(app.ExitCode(), 0);
  QCOMPARE(askedFor, QString());  // the default printer
  QVERIFY(dialogs.messages.isEmpty());
  // Every page of the log, although the window was never painted.
  const int pages = app.Document().logHeight / app.Document().pageHeight;
  QVERIFY(pages > 1);
  QCOMPARE(PdfPageCount(ReadBytes(pdf)), pages);
  QPrinter& printer = app.MainFrame()->Printing().Printer();
  QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
  QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
}

void CommandLineTest::printToAnUnknownPrinterSaysSo() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(!app->InitInstance({"/pt", SampleLogPath(), "No Such Printer 42"}));
  QCOMPARE(app->ExitCode(), 1);
  QCOMPARE(dialogs.messages, QStringList{"The printer No Such Printer 42 was not found."});
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
