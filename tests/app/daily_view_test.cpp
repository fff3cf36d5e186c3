// SPDX-License-Identifier: GPL-3.0-or-later
// The log as a pilot uses it day to day: rows legible on screen with every
// field inside its column, a newly opened or new log shown where its flights
// are, a window that fits the screen and comes back where it was, the log
// worked from the keyboard, Go to Date, and the small things of the window.
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <vector>

#include "app/about_dialog.h"
#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/dialogs/aircraft_dialog.h"
#include "app/dialogs/entry_dialog.h"
#include "app/dialogs/pilot_dialog.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app/print_controller.h"
#include "app/surface/qt_fonts.h"
#include "app/surface/qt_surface.h"
#include "app/surface/surface_mapping.h"
#include "app_test_support.h"
#include "dialog_samples.h"
#include "display/log_page.h"
#include "support/log_builders.h"

using namespace aerodex;

namespace {

// The scripted user, who also answers Go to Date.
class DatingDialogs : public ScriptedFrameDialogs {
 public:
  std::optional<LocalDate> AskDate(const LocalDate& proposal) override {
    proposals.push_back(proposal);
    return answer;
  }
  std::optional<LocalDate> answer;
  std::vector<LocalDate> proposals;
};

bool IsInk(QRgb pixel) { return qGray(pixel) < 160; }

// Whether any ink lies in the logical box (x from left to right, y from
// bottom to top, y up).
bool InkIn(const QImage& image, const CSurfaceMapping& mapping, int left, int right, int bottom,
           int top) {
  const QRectF box =
      QRectF(mapping.ToPainter(left, top), mapping.ToPainter(right, bottom)).normalized();
  for (int y = std::max(0, int(std::ceil(box.top()))); y <= int(box.bottom()); ++y) {
    for (int x = std::max(0, int(std::ceil(box.left()))); x <= int(box.right()); ++x) {
      if (x < image.width() && y < image.height() && IsInk(image.pixel(x, y))) return true;
    }
  }
  return false;
}

double Advance(const CQtFont& font, const QString& text) {
  return QFontMetricsF(font.font).horizontalAdvance(text) * font.unitsPerPixel;
}

// With AERODEX_SCREENSHOT_DIR set, the picture is kept there as PNG.
void Keep(const QPixmap& picture, const QString& name) {
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

LocalDate DateOf(const CAerodexEntry& e) { return {e.day, e.month, e.year}; }

}  // namespace

class DailyViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void screenRowsKeepEveryFieldInsideItsColumn();
  void openAndNewShowTheLogWhereItsFlightsAre();
  void firstWindowFitsTheScreenAndLaterOnesComeBack();
  void ctrlArrowsWalkTheRowsAsTheModeDrawsThem_data();
  void ctrlArrowsWalkTheRowsAsTheModeDrawsThem();
  void enterEditsTheSelectedFlight();
  void goToDateSelectsTheFirstFlightFromTheDay();
  void smallThingsOfTheWindow();
  void printDialogOfThePreviewOffersEveryPage();

 private:
  QString SaveLog(const QString& name, int flights);
  void Start(const QStringList& arguments);
  CAerodexView& View() { return app_->MainFrame()->View(); }
  void Paint();
  // Whether the entry's row lies wholly inside the view's window.
  bool WhollyShown(const CAerodexEntry& entry);

  std::unique_ptr<QTemporaryDir> dir_;
  DatingDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void DailyViewTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  dialogs_ = DatingDialogs();
}

void DailyViewTest::cleanup() {
  app_.reset();
  dir_.reset();
}

// Flights from January 2023 on, two a week in turn in two aircraft.
QString DailyViewTest::SaveLog(const QString& name, int flights) {
  CAerodexDoc doc;
  doc.OnNewDocument();
  doc.pilot.pilotName = "Dana Whitfield";
  doc.pilot.licenseNumber = 3456789;
  doc.AppendAircraft(MakeAirplane("738CP"));
  doc.AppendAircraft(MakeAirplane("4417R"));
  for (int i = 0; i < flights; ++i) {
    const int week = i / 2;
    doc.AppendEntry(MakeFlight(2023 + week / 48, 1 + week / 4 % 12, 1 + 7 * (week % 4) + i % 2, 0,
                               i % 2 ? "4417R" : "738CP"));
  }
  doc.SortEntries();
  const QString path = dir_->filePath(name);
  if (!SaveDocumentFile(doc, path.toStdString()).ok) return {};
  return path;
}

void DailyViewTest::Start(const QStringList& arguments) {
  app_ = MakeApp(*dir_, &dialogs_);
  QVERIFY(app_->InitInstance(arguments));
  app_->MainFrame()->show();
  QVERIFY(QTest::qWaitForWindowExposed(app_->MainFrame()));
  Paint();
}

void DailyViewTest::Paint() {
  View().viewport()->repaint();
  View().viewport()->repaint();  // after a scroll that the first pass asked for
}

bool DailyViewTest::WhollyShown(const CAerodexEntry& entry) {
  const int factor = app_->Document().zoomFactor / 2;
  const double dpi = View().viewport()->logicalDpiY();
  const int scroll = View().verticalScrollBar()->value();
  const double top = -entry.rowTop * factor * dpi / 1000.0 - scroll;
  const double bottom = -entry.rowBottom * factor * dpi / 1000.0 - scroll;
  return top >= 0 && bottom <= View().viewport()->height();
}

void DailyViewTest::screenRowsKeepEveryFieldInsideItsColumn() {
  CAerodexDoc doc;
  doc.OnNewDocument();
  // Ten characters on smallRowFont's 48-unit cell, at rowFont's em height;
  // the heading's pilot block keeps rowFont itself.
  const CQtFont screen = ResolveQtFont(doc.screenRowFont);
  QVERIFY(std::abs(Advance(screen, QStringLiteral("09-21-2026")) - 480) < 0.5);
  QVERIFY(std::abs(screen.emHeight - ResolveQtFont(doc.rowFont).emHeight) < 0.01);
  QVERIFY(std::abs(Advance(ResolveQtFont(doc.rowFont), QStringLiteral("09-21-2026")) - 600) < 0.5);

  auto flight = MakeFlight(2026, 9, 21);
  flight->dayHours = 153.9;  // "  153.9" in Total, up to its rule at 9000
  flight->remarks.clear();
  for (const int factor : {1, 2}) {
    const double dpi = 192;  // a screen at twice the usual scale
    const CSurfaceMapping mapping = CSurfaceMapping::HighEnglish(dpi, dpi).WithExtents(
        {1000, 1000}, {int(dpi) * factor, -int(dpi) * factor});
    QImage image(int(9600 * dpi / 1000 * factor), int(400 * dpi / 1000 * factor),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      CQtSurface surface(painter, mapping, SurfaceKind::kScreen);
      DrawEntryRow(doc, surface, -100, *flight);
    }
    // Text from y -100 down; the band between the row's rules.
    const int top = -110, bottom = -200;
    QVERIFY(InkIn(image, mapping, 10, 490, bottom, top));    // the date
    QVERIFY(!InkIn(image, mapping, 500, 550, bottom, top));  // ... ends before 560
    QVERIFY(!InkIn(image, mapping, 570, 640, bottom, top));
    QVERIFY(InkIn(image, mapping, 8800, 8956, bottom, top));   // the Total
    QVERIFY(!InkIn(image, mapping, 8962, 8990, bottom, top));  // ... ends before 9000
    QVERIFY(!InkIn(image, mapping, 9010, 9200, bottom, top));
    Keep(QPixmap::fromImage(image), QStringLiteral("row_x%1").arg(factor));
  }
}

void DailyViewTest::openAndNewShowTheLogWhereItsFlightsAre() {
  const QString longLog = SaveLog(QStringLiteral("long.adx"), 160);
  const QString shortLog = SaveLog(QStringLiteral("short.adx"), 3);
  Start({longLog});
  QScrollBar* bar = View().verticalScrollBar();
  bar->setValue(bar->maximum());
  Paint();
  QVERIFY(bar->value() > 0);

  QVERIFY(app_->MainFrame()->Documents().OpenDocumentFile(shortLog));
  Paint();
  CAerodexDoc& doc = app_->Document();
  QCOMPARE(doc.selectedEntry, &doc.Entry(2));  // the newest flight
  QVERIFY(WhollyShown(*doc.selectedEntry));
  Keep(app_->MainFrame()->grab(), QStringLiteral("open_short_log"));

  QVERIFY(app_->MainFrame()->Documents().OpenDocumentFile(longLog));
  Paint();
  bar->setValue(bar->maximum());
  Paint();
  app_->MainFrame()->Router().Execute(ID_FILE_NEW);
  Paint();
  QCOMPARE(bar->value(), 0);  // the top of page 1, its heading
  QCOMPARE(View().ScrollPosition(), QPoint(0, 0));
}

void DailyViewTest::firstWindowFitsTheScreenAndLaterOnesComeBack() {
  Start({});
  CMainFrame* frame = app_->MainFrame();
  const QRect available = frame->screen()->availableGeometry();
  QVERIFY2(available.contains(frame->frameGeometry()), qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                                                      .arg(frame->width())
                                                                      .arg(frame->height())
                                                                      .arg(available.width())
                                                                      .arg(available.height())));
  frame->setGeometry(40, 50, 520, 410);
  QVERIFY(frame->close());
  QVERIFY(ReadText(dir_->filePath(QStringLiteral("aerodex.ini")))
              .contains(QStringLiteral("WindowGeometry=")));
  app_.reset();

  Start({});
  QCOMPARE(app_->MainFrame()->geometry(), QRect(40, 50, 520, 410));
}

void DailyViewTest::ctrlArrowsWalkTheRowsAsTheModeDrawsThem_data() {
  QTest::addColumn<int>("command");
  QTest::newRow("all entries") << int(ID_VIEW_ALL_ENTRIES);
  QTest::newRow("by N-Number") << int(ID_VIEW_GROUP_BY_NNUMBER);
  QTest::newRow("annual summary") << int(ID_VIEW_ANNUAL_SUMMARY);
}

void DailyViewTest::ctrlArrowsWalkTheRowsAsTheModeDrawsThem() {
  QFETCH(int, command);
  Start({SaveLog(QStringLiteral("walk.adx"), 120)});
  QVERIFY(app_->MainFrame()->Router().Execute(command));
  Paint();
  CAerodexDoc& doc = app_->Document();
  // The drawn order is top to bottom on the pages: rowTop falling.
  std::vector<CAerodexEntry*> drawn;
  for (const auto& entry : doc.Entries()) drawn.push_back(entry.get());
  std::stable_sort(drawn.begin(), drawn.end(),
                   [](auto* a, auto* b) { return a->rowTop > b->rowTop; });
  if (command == ID_VIEW_GROUP_BY_NNUMBER) QVERIFY(drawn[1]->nNumber == drawn[0]->nNumber);

  // From no selection the first row; shown already, it moves nothing.
  doc.selectedEntry = nullptr;
  QScrollBar* bar = View().verticalScrollBar();
  bar->setValue(0);
  QTest::keyClick(&View(), Qt::Key_Down, Qt::ControlModifier);
  QCOMPARE(doc.selectedEntry, drawn[0]);
  QCOMPARE(bar->value(), 0);
  for (std::size_t i = 1; i < drawn.size(); ++i) {
    QTest::keyClick(&View(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(doc.selectedEntry, drawn[i]);
    QVERIFY2(WhollyShown(*drawn[i]), qPrintable(QString::number(i)));
  }
  QTest::keyClick(&View(), Qt::Key_Down, Qt::ControlModifier);  // the last stays
  QCOMPARE(doc.selectedEntry, drawn.back());
  QTest::keyClick(&View(), Qt::Key_Up, Qt::ControlModifier);
  QCOMPARE(doc.selectedEntry, drawn[drawn.size() - 2]);

  // Plain keys only scroll.
  const int scroll = bar->value();
  QVERIFY(scroll > 0);
  QTest::keyClick(&View(), Qt::Key_Up);
  QCOMPARE(doc.selectedEntry, drawn[drawn.size() - 2]);
  QVERIFY(bar->value() < scroll);
}

void DailyViewTest::enterEditsTheSelectedFlight() {
  Start({SaveLog(QStringLiteral("enter.adx"), 4)});
  CAerodexDoc& doc = app_->Document();
  std::vector<const CAerodexEntry*> edited;
  app_->MainFrame()->Router().SetHandler(
      ID_EDIT_ENTRY,
      {[&] { edited.push_back(doc.selectedEntry); }, [&] { return doc.EntryCount() > 0; }});
  QTest::keyClick(&View(), Qt::Key_Up, Qt::ControlModifier);
  QTest::keyClick(&View(), Qt::Key_Return);
  QTest::keyClick(&View(), Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(edited, (std::vector<const CAerodexEntry*>{&doc.Entry(2), &doc.Entry(2)}));
  doc.selectedEntry = nullptr;
  QTest::keyClick(&View(), Qt::Key_Return);
  QCOMPARE(edited.size(), std::size_t{2});
}

void DailyViewTest::goToDateSelectsTheFirstFlightFromTheDay() {
  // Flights on 1/1, 1/2, 1/8, 1/9 ... of 2023, two a week.
  Start({SaveLog(QStringLiteral("dates.adx"), 100)});
  CAerodexDoc& doc = app_->Document();
  const auto expect = [&](LocalDate day, int index) {
    QCOMPARE(FirstFlightFrom(doc, day), &doc.Entry(index));
  };
  expect({3, 1, 2023}, 2);   // after 1/2, before 1/8
  expect({8, 1, 2023}, 2);   // on the day itself
  expect({1, 1, 2000}, 0);   // before every flight
  expect({1, 1, 2030}, 99);  // after every flight: the last

  QScrollBar* bar = View().verticalScrollBar();
  bar->setValue(bar->maximum());
  dialogs_.answer = LocalDate{10, 2, 2023};  // between 2/9 and 2/15
  QVERIFY(app_->MainFrame()->Router().Execute(ID_GO_TO_DATE));
  Paint();
  QCOMPARE(dialogs_.proposals.size(), std::size_t{1});
  QCOMPARE(dialogs_.proposals[0].year, 2024);  // the selected (newest) flight's date
  const CAerodexEntry& chosen = *doc.selectedEntry;
  QCOMPARE(std::make_tuple(chosen.year, chosen.month, chosen.day), std::make_tuple(2023, 2, 15));
  QVERIFY(WhollyShown(chosen));

  dialogs_.answer.reset();  // Cancel changes nothing
  QVERIFY(app_->MainFrame()->Router().Execute(ID_GO_TO_DATE));
  QCOMPARE(doc.selectedEntry, &chosen);
  QCOMPARE(dialogs_.proposals[1].day, DateOf(chosen).day);

  // After Delete Entry, in the Aerodex menu with its key.
  const QList<QAction*> items = app_->MainFrame()->menuBar()->actions().at(1)->menu()->actions();
  QCOMPARE(items.size(), 6);
  QVERIFY(items[0]->isSeparator() && items[4]->isSeparator());
  QCOMPARE(items[3]->data().toInt(), int(ID_DELETE_ENTRY));
  QCOMPARE(items[5]->text(), QStringLiteral("Go to Date...\tCtrl+G"));
  QCOMPARE(items[5]->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
  QVERIFY(!items[5]->statusTip().isEmpty());
  app_->MainFrame()->Documents().OnFileNew();
  app_->MainFrame()->Router().Update();
  QVERIFY(!items[5]->isEnabled());  // nothing to go to in an empty log
}

void DailyViewTest::smallThingsOfTheWindow() {
  Start({});
  CMainFrame* frame = app_->MainFrame();
  // A greyed item shows its prompt as an enabled one does.
  QMenu* statistics = frame->menuBar()->actions().at(3)->menu();
  QAction* usage = nullptr;
  for (QAction* action : statistics->actions()) {
    if (action->data().toInt() == ID_USAGE_PATTERNS) usage = action;
  }
  QVERIFY(usage && !usage->isEnabled());
  statistics->popup(QPoint(10, 10));
  QVERIFY(QTest::qWaitForWindowExposed(statistics));
  const QPoint at = statistics->actionGeometry(usage).center();
  QMouseEvent move(QEvent::MouseMove, at, statistics->mapToGlobal(at), Qt::NoButton, {}, {});
  QCoreApplication::sendEvent(statistics, &move);
  QTRY_COMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Flying trends"));
  statistics->close();

  // The About picture: 16 by 16 device-independent pixels.
  CAboutDlg about(frame);
  const QLabel* picture = nullptr;
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (!label->pixmap().isNull()) picture = label;
  }
  QVERIFY(picture);
  QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(16, 16));

  // The three forms keep their size; the tach-time box explains itself.
  CEntryDialog entry(samples::Flight());
  CAircraftDialog aircraft(samples::Cessna());
  CPilotInfoDialog pilot(samples::Pilot());
  for (QDialog* form : std::initializer_list<QDialog*>{&entry, &aircraft, &pilot}) {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    form->close();
  }
  const QWidget* tach = entry.findChild<QWidget*>(QStringLiteral("tachTime"));
  QVERIFY(tach && !tach->toolTip().isEmpty() && !tach->whatsThis().isEmpty());
}

void DailyViewTest::printDialogOfThePreviewOffersEveryPage() {
  Start({SaveLog(QStringLiteral("pages.adx"), 120)});
  CPrintController& printing = app_->MainFrame()->Printing();
  const int pages = printing.PreparePrinting();
  QVERIFY(pages > 1);
  std::vector<std::pair<int, int>> offered;
  printing.SetPrintDialogShown([&](QPrintDialog& dialog) {
    offered.emplace_back(dialog.minPage(), dialog.maxPage());
    QTimer::singleShot(0, &dialog, &QDialog::reject);
  });
  std::unique_ptr<QPrintPreviewDialog> preview(printing.CreatePreviewDialog());
  QAction* print = nullptr;
  for (QAction* action : preview->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("Print")) print = action;
  }
  QVERIFY(print);
  print->trigger();
  QCOMPARE(offered, (std::vector<std::pair<int, int>>{{1, pages}}));
  QVERIFY(preview->result() != QDialog::Accepted);  // cancelled: the preview stays
}

QTEST_MAIN(DailyViewTest)
#include "daily_view_test.moc"
