// SPDX-License-Identifier: GPL-3.0-or-later
// The printed log: page routine, PDF export and aerodex-cli pdf, end to end.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/surface/log_printing.h"
#include "app/surface/screen_image.h"
#include "display/log_view.h"
#include "model/clock.h"
#include "model/document.h"
#include "model/document_file.h"
#include "support/log_builders.h"

using namespace aerodex;

namespace {

// A pilot's log of one-line flights (33 fit on the first page) in 1998 and
// 1999, with the clock fixed on 1 May 2024.
struct TestLog {
  FixedClock clock{*ParseLocalTime("2024-05-01 12:00:00")};
  CAerodexDoc doc{nullptr, &clock};

  explicit TestLog(int flights) {
    doc.OnNewDocument();
    doc.pilot.pilotName = "Dana Whitfield";
    doc.pilot.licenseNumber = 1234567;
    doc.pilot.isPrivate = 1;
    doc.AppendAircraft(MakeAirplane("12345"));
    doc.AppendAircraft(MakeAirplane("738CP", false));
    for (int i = 0; i < flights; ++i) {
      const bool late = i >= flights - 3;
      auto flight = MakeFlight(late ? 1999 : 1998, 1 + (i / 28) % 12, 1 + i % 28, i,
                               i % 4 == 3 ? "738CP" : "12345");
      if (i == 1) flight->remarks = "Night cross country to Monterey and back, clear skies";
      doc.AppendEntry(std::move(flight));
    }
    doc.SortEntries();
  }
};

int PdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression page("/Type\\s*/Page(?![a-z])");
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// The text of each page, or nothing when pdftotext is not installed.
QStringList PdfPages(const QString& path, const QString& mode) {
  QProcess process;
  process.start("pdftotext", {mode, path, "-"});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
  }
  return count;
}

QString CliPath() { return QCoreApplication::applicationDirPath() + "/aerodex-cli"; }

// Runs aerodex-cli as a user would, without a display or platform setting.
int RunCli(const QStringList& args, QString* err = nullptr) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  process.setProcessEnvironment(env);
  process.start(CliPath(), args);
  if (!process.waitForFinished(60000)) return -1;
  if (err != nullptr) *err = QString::fromUtf8(process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

class PdfExportTest : public QObject {
  Q_OBJECT

 private slots:
  void pdfHasOnePagePerLaidOutPage();
  void pdfAfterATallerViewHasNoBlankPage();
  void pdfTextShowsHeadingsRowsAndTotals();
  void printedPageStartsAtTheSheetTopWithoutHighlight();
  void exportReplacesTheTargetOnlyWhenComplete();
  void cliWritesThePrintedLog();
  void cliRefusesBadInputAndKeepsTheLog();
};

void PdfExportTest::pdfHasOnePagePerLaidOutPage() {
  for (const auto& [flights, pages] : {std::pair{10, 1}, std::pair{40, 2}, std::pair{75, 3}}) {
    TestLog log(flights);
    CLogView view(log.doc);
    const QByteArray pdf = RenderLogPdf(view, "log");
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(view.PrintPageCount(), pages);
    QCOMPARE(PdfPageCount(pdf), pages);
    static const QRegularExpression letter("/MediaBox \\[0 0 792(\\.0*)? 612(\\.0*)?\\]");
    QCOMPARE(static_cast<int>(QString::fromLatin1(pdf).count(letter)), pages);  // landscape Letter
  }
}

void PdfExportTest::pdfAfterATallerViewHasNoBlankPage() {
  TestLog log(75);
  CLogView view(log.doc);
  OnViewExpandedSize(log.doc);
  QCOMPARE(PdfPageCount(RenderLogPdf(view, "log")), 3);
  while (log.doc.EntryCount() > 35) log.doc.RemoveEntry(&log.doc.Entry(0));
  OnViewNormalSize(log.doc);
  const QByteArray pdf = RenderLogPdf(view, "log");
  QCOMPARE(log.doc.logHeight, 3 * 8500);  // the scroll extent keeps the run's tallest
  // As many sheets as a log that was never taller prints.
  TestLog fresh(35);
  CLogView freshView(fresh.doc);
  QCOMPARE(PdfPageCount(pdf), LayOutLogForPrinting(freshView));
  QCOMPARE(PdfPageCount(pdf), 2);
}

void PdfExportTest::pdfTextShowsHeadingsRowsAndTotals() {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
  QTemporaryDir dir;
  const QString path = dir.filePath("log.pdf");
  TestLog log(40);
  CLogView view(log.doc);
  view.showNightSubtotals = 1;
  std::string error;
  QVERIFY(ExportLogPdf(view, path.toStdString(), error));
  const QStringList pages = PdfPages(path, "-layout");
  QCOMPARE(pages.size(), 2);
  for (const QString& page : pages) {  // every page opens with the heading
    for (const char* heading :
         {"Date", "Aircraft", "Route of Flight", "Description", "Total", "Cost"}) {
      QVERIFY2(page.contains(heading), heading);
    }
    QVERIFY(page.contains("Dana Whitfield"));
    QVERIFY(page.contains("License # 1234567"));
  }
  QVERIFY(pages[0].contains("01-01-1998"));
  QVERIFY(pages[0].contains("KSJC-V25-KMRY"));
  QVERIFY(pages[0].contains("Practice approaches"));
  // Remarks wrapped on two lines.
  QVERIFY(pages[0].contains("Night cross country to Monterey and"));
  QVERIFY(!pages[0].contains("Grand Total"));
  QVERIFY(pages[1].contains("Grand Total"));
  QVERIFY(pages[1].contains("Night Subtotal"));
  QVERIFY(pages[1].contains("05-01-2024"));  // the totals rows carry the clock's date
  // The slanted headings are real text, read in order along their columns.
  const QString raw = PdfPages(path, "-raw").value(0).remove(QRegularExpression("\\s"));
  QVERIFY(raw.contains("ApproachesLandingsSingleEngineMultiEngineCrossCountryDayNight"));
}

void PdfExportTest::printedPageStartsAtTheSheetTopWithoutHighlight() {
  TestLog log(40);
  log.doc.selectedEntry = &log.doc.Entry(35);  // on page 2
  CLogView view(log.doc);
  QCOMPARE(LayOutLogForPrinting(view), 2);
  // 100 dpi: 0.01 inch per pixel; the images are taller than a sheet.
  auto paintPage = [&view](int page) {
    QImage sheet(1100, 1000, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3937);
    sheet.setDotsPerMeterY(3937);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    PaintLogPage(view, painter, page);
    return sheet;
  };
  const QImage first = paintPage(1);
  const QImage second = paintPage(2);
  // Page 2's heading frame runs along the sheet's top, 9.5 inches wide.
  for (int x : {5, 400, 900, 945}) QCOMPARE(second.pixel(x, 0), qRgb(0, 0, 0));
  QCOMPARE(second.pixel(955, 0), qRgb(255, 255, 255));
  QCOMPARE(CountPixels(second, qRgb(255, 255, 0)), 0);  // the selected row is not highlighted
  // Nothing of page 2 spills below page 1's 8.5 inches.
  QCOMPARE(CountPixels(first.copy(0, 850, 1100, 150), qRgb(255, 255, 255)), 1100 * 150);
  QVERIFY(CountPixels(first.copy(0, 0, 1100, 850), qRgb(255, 255, 255)) < 1100 * 800);
  QCOMPARE(log.doc.scrollToSelection, 1);  // printing leaves the screen's scroll request
  // Printed before the window's first paint, the screen still draws at its own scale.
  // The screen highlights the selected row.
  CImageViewHost host;
  QImage screen(1200, 900, QImage::Format_RGB32);
  RenderScreenView(view, screen, host);  // scrolls to the selection
  RenderScreenView(view, screen, host);
  QVERIFY(CountPixels(screen, qRgb(255, 255, 0)) > 1000);
}

void PdfExportTest::exportReplacesTheTargetOnlyWhenComplete() {
  QTemporaryDir dir;
  TestLog log(5);
  CLogView view(log.doc);
  std::string error;
  const QString missing = dir.filePath("no such folder/log.pdf");
  QVERIFY(!ExportLogPdf(view, missing.toStdString(), error));
  QVERIFY(error.find("no such folder/log.pdf") != std::string::npos);

  const QString path = dir.filePath("log.pdf");
  QFile old(path);
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("old contents");
  old.close();
  QVERIFY(ExportLogPdf(view, path.toStdString(), error));
  QFile written(path);
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  QVERIFY(bytes.startsWith("%PDF-"));
  QVERIFY(bytes.trimmed().endsWith("%%EOF"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"log.pdf"});  // no temporary left
}

void PdfExportTest::cliWritesThePrintedLog() {
  if (!QFile::exists(CliPath())) QSKIP("aerodex-cli is not built");
  QTemporaryDir dir;
  const QString logPath = dir.filePath("log.adx");
  TestLog log(40);
  QVERIFY(SaveDocumentFile(log.doc, logPath.toStdString()).ok);
  const QString pdfPath = dir.filePath("annual.pdf");
  QString err;
  QCOMPARE(
      RunCli({"pdf", logPath, pdfPath, "--view", "annual", "--now", "2024-05-01 12:00:00"}, &err),
      0);
  QFile pdf(pdfPath);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QCOMPARE(PdfPageCount(pdf.readAll()), 2);
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
  const QString text = PdfPages(pdfPath, "-layout").join('\f');
  QVERIFY(text.contains("Summary for 1998"));
  QVERIFY(text.contains("Summary for 1999"));
  QVERIFY(text.contains("Grand Total"));
  QVERIFY(text.contains("05-01-2024"));
}

void PdfExportTest::cliRefusesBadInputAndKeepsTheLog() {
  if (!QFile::exists(CliPath())) QSKIP("aerodex-cli is not built");
  QTemporaryDir dir;
  const QString logPath = dir.filePath("log.adx");
  TestLog log(3);
  QVERIFY(SaveDocumentFile(log.doc, logPath.toStdString()).ok);
  QFile original(logPath);
  QVERIFY(original.open(QIODevice::ReadOnly));
  const QByteArray bytes = original.readAll();
  original.close();
  const QString out = dir.filePath("out.pdf");
  QCOMPARE(RunCli({"pdf", logPath}), 2);
  QCOMPARE(RunCli({"pdf", logPath, out, "--view", "yearly"}), 2);
  QCOMPARE(RunCli({"pdf", logPath, out, "--now", "yesterday"}), 2);
  QCOMPARE(RunCli({"pdf", logPath, out, "--landscape"}), 2);
  QCOMPARE(RunCli({"pdf", dir.filePath("missing.adx"), out}), 1);
  QVERIFY(!QFile::exists(out));
  QString err;
  QCOMPARE(RunCli({"pdf", logPath, logPath}, &err), 1);  // never over the log itself
  QVERIFY(err.contains("log.adx"));
  QVERIFY(original.open(QIODevice::ReadOnly));
  QCOMPARE(original.readAll(), bytes);
}

QTEST_MAIN(PdfExportTest)
#include "pdf_export_test.moc"
