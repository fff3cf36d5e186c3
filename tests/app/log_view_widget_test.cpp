// SPDX-License-Identifier: GPL-3.0-or-later
// The log view on screen: pixels to view units at the widget's dots per
// inch, clicks and double clicks on given rows at normal and expanded size,
// the scroll extent, the scroll to the selection after a size or mode
// change, and printing: the preview's page count, a printed PDF and the
// progress of a long print run; the column-name strip and Fit Page Width.
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app/print_controller.h"
#include "app_test_support.h"
#include "display/heading_strip.h"

using namespace aerodex;

class LogViewWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void scrollExtentFollowsTheLog();
  void pixelsBecomeViewUnits();
  void clickSelectsTheRowUnderThePointer_data();
  void clickSelectsTheRowUnderThePointer();
  void clickOutsideRowsKeepsTheSelection();
  void doubleClickEditsTheFlightUnderThePointer();
  void doubleClickOnAnEmptyLogDoesNothing();
  void sizeCommandsScrollToTheSelection();
  void printPreviewShowsEveryPage();
  void printingToPdfGivesOneSheetPerPage();
  void longPrintShowsItsProgressAndCanBeCancelled();
  void headingStripFollowsTheScrollAndLeavesRowsAlone();
  void fitWidthScalesThePageNotTheLayout();

 private:
  // What the window system delivers for a double click: press, release,
  // double click, release.
  void DoubleClick(QPoint at);
  CAerodexView& View() { return app_->MainFrame()->View(); }
  // The viewport pixel row at the middle of an entry's row.
  int PixelRowOf(const CAerodexEntry& entry);
  void Paint();

  QTemporaryDir dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void LogViewWidgetTest::init() {
  app_ = MakeApp(dir_, &dialogs_);
  QVERIFY(app_->InitInstance({SampleLogPath()}));
  app_->MainFrame()->resize(1100, 800);
  app_->MainFrame()->show();
  QVERIFY(QTest::qWaitForWindowExposed(app_->MainFrame()));
  Paint();
}

void LogViewWidgetTest::cleanup() { app_.reset(); }

void LogViewWidgetTest::DoubleClick(QPoint at) {
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(View().viewport(), Qt::LeftButton, {}, at);
}

void LogViewWidgetTest::Paint() {
  View().viewport()->repaint();
  View().viewport()->repaint();  // after a scroll that the first pass asked for
}

int LogViewWidgetTest::PixelRowOf(const CAerodexEntry& entry) {
  const int factor = app_->Document().zoomFactor / 2;
  const double middle = (entry.rowTop + entry.rowBottom) / 2.0 * factor;  // view units
  const double dpi = View().viewport()->logicalDpiY() * View().Scale();
  return static_cast<int>(-middle * dpi / 1000.0) - View().verticalScrollBar()->value();
}

void LogViewWidgetTest::scrollExtentFollowsTheLog() {
  const CAerodexDoc& doc = app_->Document();
  QVERIFY(doc.logHeight > doc.pageHeight);
  QCOMPARE(View().ScrollSizes(), QSize(2 * doc.logWidth, doc.logHeight));
  QVERIFY(app_->MainFrame()->Router().Execute(ID_VIEW_EXPANDED_SIZE));
  Paint();
  QCOMPARE(View().ScrollSizes(), QSize(4 * doc.logWidth, 2 * doc.logHeight));
  const int dpi = View().viewport()->logicalDpiY();
  QCOMPARE(View().verticalScrollBar()->maximum(),
           static_cast<int>(std::ceil(2.0 * doc.logHeight * dpi / 1000.0)) -
               View().viewport()->height());
}

void LogViewWidgetTest::pixelsBecomeViewUnits() {
  View().verticalScrollBar()->setValue(0);
  View().horizontalScrollBar()->setValue(0);
  const int dpiX = View().viewport()->logicalDpiX();
  const int dpiY = View().viewport()->logicalDpiY();
  QCOMPARE(View().ToViewPoint(QPoint(0, 0)), QPoint(0, 0));
  QCOMPARE(View().ToViewPoint(QPoint(dpiX, dpiY)), QPoint(1000, -1000));
  View().verticalScrollBar()->setValue(dpiY * 2);
  QCOMPARE(View().ScrollPosition(), QPoint(0, -2000));
  QCOMPARE(View().ToViewPoint(QPoint(dpiX / 2, dpiY)), QPoint(500, -3000));
  QCOMPARE(View().HighEnglishViewportExtent(), (CExtent{dpiX, -dpiY}));
  QCOMPARE(View().HighEnglishWindowExtent(), (CExtent{1000, 1000}));
}

void LogViewWidgetTest::clickSelectsTheRowUnderThePointer_data() {
  QTest::addColumn<bool>("expanded");
  QTest::newRow("normal size") << false;
  QTest::newRow("expanded size") << true;
}

void LogViewWidgetTest::clickSelectsTheRowUnderThePointer() {
  QFETCH(bool, expanded);
  CAerodexDoc& doc = app_->Document();
  if (expanded) QVERIFY(app_->MainFrame()->Router().Execute(ID_VIEW_EXPANDED_SIZE));
  doc.selectedEntry = &doc.Entry(3);
  doc.scrollToSelection = 1;
  Paint();
  // Rows 2 to 4 are on screen around the selection: click each of them.
  for (std::size_t index : {2u, 4u, 3u}) {
    CAerodexEntry& entry = doc.Entry(index);
    const int y = PixelRowOf(entry);
    QVERIFY2(y > 0 && y < View().viewport()->height(), qPrintable(QString::number(y)));
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(300, y));
    QCOMPARE(doc.selectedEntry, &entry);
  }
}

void LogViewWidgetTest::clickOutsideRowsKeepsTheSelection() {
  CAerodexDoc& doc = app_->Document();
  View().verticalScrollBar()->setValue(0);
  Paint();
  CAerodexEntry* selected = doc.selectedEntry;
  QVERIFY(selected);
  // The page heading holds no row.
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(300, 20));
  QCOMPARE(doc.selectedEntry, selected);
  QTest::mouseClick(View().viewport(), Qt::RightButton, {}, QPoint(300, PixelRowOf(doc.Entry(0))));
  QCOMPARE(doc.selectedEntry, selected);
}

void LogViewWidgetTest::doubleClickEditsTheFlightUnderThePointer() {
  CAerodexDoc& doc = app_->Document();
  std::vector<const CAerodexEntry*> edited;
  app_->MainFrame()->Router().SetHandler(
      ID_EDIT_ENTRY,
      {[&] { edited.push_back(doc.selectedEntry); }, [&] { return doc.EntryCount() > 0; }});
  View().verticalScrollBar()->setValue(0);
  Paint();
  CAerodexEntry& second = doc.Entry(1);
  QVERIFY(doc.selectedEntry != &second);
  // The first click of the pair selects the row, the second opens it.
  DoubleClick(QPoint(200, PixelRowOf(second)));
  QCOMPARE(edited.size(), std::size_t{1});
  QCOMPARE(edited.front(), &second);
  // A double click on the heading opens nothing.
  DoubleClick(QPoint(200, 20));
  QCOMPARE(edited.size(), std::size_t{1});
}

void LogViewWidgetTest::doubleClickOnAnEmptyLogDoesNothing() {
  int edits = 0;
  app_->MainFrame()->Router().SetHandler(ID_EDIT_ENTRY, {[&edits] { ++edits; }});
  app_->MainFrame()->Documents().NewDocument();
  Paint();
  DoubleClick(QPoint(200, 150));
  QCOMPARE(edits, 0);
}

void LogViewWidgetTest::sizeCommandsScrollToTheSelection() {
  CAerodexDoc& doc = app_->Document();
  CCommandRouter& router = app_->MainFrame()->Router();
  doc.selectedEntry = &doc.Entry(doc.EntryCount() / 2);
  const int dpi = View().viewport()->logicalDpiY();
  for (int id : {ID_VIEW_EXPANDED_SIZE, ID_VIEW_EXPANDED_SIZE, ID_VIEW_NORMAL_SIZE,
                 ID_VIEW_ANNUAL_SUMMARY}) {
    View().verticalScrollBar()->setValue(0);
    QVERIFY(router.Execute(id));
    Paint();
    QCOMPARE(doc.scrollToSelection, 0);
    const int expected = doc.zoomFactor * (doc.selectedEntry->rowTop + 1000) / 2;
    const int pixels = static_cast<int>(std::ceil(-expected * dpi / 1000.0));
    QCOMPARE(View().verticalScrollBar()->value(), pixels);
    // The selected row stands about one (scaled) inch below the window's top.
    QVERIFY(std::abs(PixelRowOf(*doc.selectedEntry) - dpi * doc.zoomFactor / 2) < dpi / 2);
  }
}

void LogViewWidgetTest::printPreviewShowsEveryPage() {
  CPrintController& printing = app_->MainFrame()->Printing();
  std::unique_ptr<QPrintPreviewDialog> preview(printing.CreatePreviewDialog());
  preview->show();
  QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
  auto* widget = preview->findChild<QPrintPreviewWidget*>();
  QVERIFY(widget);
  const int pages = app_->Document().logHeight / app_->Document().pageHeight;
  QVERIFY(pages > 2);
  QCOMPARE(widget->pageCount(), pages);
  QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Landscape);
  // Two pages side by side is remembered for the next preview.
  widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
  printing.RememberPreviewPages(*preview);
  QCOMPARE(app_->Settings().PreviewPages(), 2);
}

void LogViewWidgetTest::printingToPdfGivesOneSheetPerPage() {
  CPrintController& printing = app_->MainFrame()->Printing();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString path = dir_.filePath(QStringLiteral("log.pdf"));
  printer.setOutputFileName(path);
  SetLogPageDefaults(printer);
  const int pages = printing.PreparePrinting();
  QVERIFY(printing.PrintPages(printer, 2, pages));
  QCOMPARE(PdfPageCount(ReadBytes(path)), pages - 1);
  const QSizeF sheet = printer.pageLayout().fullRect(QPageLayout::Inch).size();
  QCOMPARE(sheet, QSizeF(11, 8.5));
}

void LogViewWidgetTest::longPrintShowsItsProgressAndCanBeCancelled() {
  CPrintController& printing = app_->MainFrame()->Printing();
  printing.SetProgressDelay(0);  // as if every page took long
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString path = dir_.filePath(QStringLiteral("cancelled.pdf"));
  printer.setOutputFileName(path);
  SetLogPageDefaults(printer);
  const int pages = printing.PreparePrinting();
  QString label;
  bool shown = false;
  // Runs once the progress window lets events through, amid the run.
  QTimer::singleShot(0, this, [&] {
    auto* progress = app_->MainFrame()->findChild<QProgressDialog*>();
    if (progress == nullptr) return;
    shown = progress->isVisible();
    label = progress->labelText();
    progress->cancel();
  });
  QVERIFY(printing.PrintPages(printer, 1, pages));
  QVERIFY(shown);
  QVERIFY2(label.startsWith(QStringLiteral("Printing page ")), qPrintable(label));
  QVERIFY(label.endsWith(QStringLiteral(" of %1...").arg(pages)));
  const int printed = PdfPageCount(ReadBytes(path));
  QVERIFY(printed > 0 && printed < pages);
  QVERIFY(app_->MainFrame()->findChild<QProgressDialog*>() == nullptr);
}

void LogViewWidgetTest::headingStripFollowsTheScrollAndLeavesRowsAlone() {
  CAerodexDoc& doc = app_->Document();
  const int dpi = View().viewport()->logicalDpiY();
  const auto scrollTo = [&](int viewY) {
    View().verticalScrollBar()->setValue(static_cast<int>(std::ceil(viewY * dpi / 1000.0)));
    Paint();
  };
  scrollTo(0);
  QVERIFY(!View().HeadingStripShown());
  scrollTo(3000);  // rows of page 1, its heading above the window
  QVERIFY(View().HeadingStripShown());
  // A row under the strip is hit where it was: the strip lays nothing out.
  CAerodexEntry* under = nullptr;
  const int strip = kHeadingStripHeight * dpi / 1000;
  for (const auto& entry : doc.Entries()) {
    const int y = PixelRowOf(*entry);
    if (y > 0 && y < strip) under = entry.get();
  }
  QVERIFY(under);
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(300, PixelRowOf(*under)));
  QCOMPARE(doc.selectedEntry, under);
  scrollTo(doc.pageHeight);  // page 2's heading at the top
  QVERIFY(!View().HeadingStripShown());
  scrollTo(doc.pageHeight + 1500);
  QVERIFY(View().HeadingStripShown());
}

void LogViewWidgetTest::fitWidthScalesThePageNotTheLayout() {
  CAerodexDoc& doc = app_->Document();
  CCommandRouter& router = app_->MainFrame()->Router();
  const int pages = View().LogView().PrintPageCount();
  QVERIFY(router.Execute(ID_VIEW_EXPANDED_SIZE));
  QVERIFY(router.Execute(ID_VIEW_FIT_WIDTH));
  Paint();
  QVERIFY(View().FitWidth());
  QVERIFY(app_->Settings().FitPageWidth());
  QCOMPARE(doc.zoomFactor, 2);
  const double page = doc.pageWidth * View().viewport()->logicalDpiX() / 1000.0;
  QVERIFY(std::abs(View().Scale() * page - View().viewport()->width()) < 1.0);
  QCOMPARE(View().horizontalScrollBar()->maximum(), 0);
  // Wider window, larger page; the rows and the pages stay as laid out.
  const double before = View().Scale();
  app_->MainFrame()->resize(1500, 800);
  Paint();
  QVERIFY(View().Scale() > before * 1.3);
  QCOMPARE(View().LogView().PrintPageCount(), pages);
  // The mouse is mapped back through the scale.
  doc.selectedEntry = &doc.Entry(5);
  doc.scrollToSelection = 1;
  Paint();
  for (std::size_t index : {6u, 4u}) {
    CAerodexEntry& entry = doc.Entry(index);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(300, PixelRowOf(entry)));
    QCOMPARE(doc.selectedEntry, &entry);
  }
  QVERIFY(router.Execute(ID_VIEW_NORMAL_SIZE));
  QVERIFY(!View().FitWidth());
  QVERIFY(!app_->Settings().FitPageWidth());
  QCOMPARE(View().Scale(), 1.0);
}

QTEST_MAIN(LogViewWidgetTest)
#include "log_view_widget_test.moc"
