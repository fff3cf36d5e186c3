// SPDX-License-Identifier: GPL-3.0-or-later
// "Charts..." through the real window on the sample log: the bars and the
// running total match the core's totals, the filters and choices redraw it,
// the chart follows the log, and Save as PNG and Export CSV write files.
#include "app/charts_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include "app/flight_filter_bar.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "stats/flight_query.h"

using namespace aerodex;

class ChartsWindowTest : public QObject {
  Q_OBJECT

 public:
  ChartsWindowTest() : clock_(*ParseLocalTime("2026-11-15 12:00:00")) {}

 private slots:
  void init();
  void cleanup();
  void barsAndRunningTotalMatchTheTotals();
  void choicesAndFiltersRedrawAndTheLogIsFollowed();
  void savesPngAndCsv();

 private:
  CAerodexDoc& Doc() { return app_->Document(); }
  CMainFrame& Frame() { return *app_->MainFrame(); }
  CChartsWindow& Charts() { return *Frame().Charts(); }
  QList<qreal> Bars() {
    QList<qreal> values;
    QBarSet* set = Charts().Bars()->barSets().constFirst();
    for (int i = 0; i < set->count(); ++i) values << set->at(i);
    return values;
  }

  FixedClock clock_;
  QTemporaryDir dir_;
  std::unique_ptr<CAerodexApp> app_;
};

void ChartsWindowTest::init() {
  const QString log = dir_.filePath(QStringLiteral("sample.adx"));
  QFile::remove(log);
  QVERIFY(QFile::copy(SampleLogPath(), log));
  QFile::setPermissions(log, QFile::ReadOwner | QFile::WriteOwner);
  CAerodexApp::Options options;
  options.settingsPath = dir_.filePath(QStringLiteral("aerodex.ini"));
  options.showWindow = false;
  app_ = std::make_unique<CAerodexApp>(options);
  Doc().SetClock(&clock_);
  QVERIFY(app_->InitInstance({log}));
  Frame().show();
  QAction* item = nullptr;
  for (QAction* top : Frame().menuBar()->actions()) {
    if (top->text() != QStringLiteral("&Statistics")) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text() == QStringLiteral("C&harts...")) item = action;
    }
  }
  QVERIFY(item && item->isEnabled());
  item->trigger();
  QVERIFY(Frame().Charts() && Charts().isVisible());
}

void ChartsWindowTest::cleanup() { app_.reset(); }

void ChartsWindowTest::barsAndRunningTotalMatchTheTotals() {
  Charts().ByBox()->setCurrentIndex(Charts().ByBox()->findText("Year"));
  const auto all = stats::MatchingFlights(Doc(), stats::FlightQuery(Doc(), {}));
  const auto years = stats::GroupFlights(Doc(), all, stats::GroupBy::kYear);
  QCOMPARE(Bars().size(), qsizetype(years.size()));
  double sum = 0;
  for (std::size_t i = 0; i < years.size(); ++i) {
    QCOMPARE(Bars()[qsizetype(i)], years[i].totals.total);
    sum += years[i].totals.total;
  }
  QVERIFY(Charts().Running());
  QCOMPARE(Charts().Running()->points().constLast().y(), sum);
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) {
    Charts().ByBox()->setCurrentIndex(Charts().ByBox()->findText("Month"));
    Charts().resize(1000, 650);
    QTest::qWait(50);  // the chart lays itself out in the event loop
    const QString name = QStringLiteral("/chart_x%1.png").arg(Charts().devicePixelRatio());
    QVERIFY(Charts().grab().save(dir + name));
  }
}

void ChartsWindowTest::choicesAndFiltersRedrawAndTheLogIsFollowed() {
  Charts().ByBox()->setCurrentIndex(Charts().ByBox()->findText("Aircraft"));
  Charts().ValueBox()->setCurrentIndex(Charts().ValueBox()->findText("Flights"));
  QVERIFY(!Charts().Running());  // no running total across aircraft
  qreal flights = 0;
  for (qreal value : Bars()) flights += value;
  QCOMPARE(flights, qreal(Doc().EntryCount()));
  Charts().Filters()->SearchEdit()->setText(QStringLiteral("crosswind"));
  flights = 0;
  for (qreal value : Bars()) flights += value;
  QCOMPARE(std::size_t(flights),
           stats::MatchingFlights(Doc(), stats::FlightQuery(Doc(), {.text = "crosswind"})).size());
  Charts().Filters()->SearchEdit()->clear();
  Doc().RemoveEntry(&Doc().Entry(0));
  Doc().SortEntries();
  flights = 0;
  for (qreal value : Bars()) flights += value;
  QCOMPARE(flights, qreal(Doc().EntryCount()));
}

void ChartsWindowTest::savesPngAndCsv() {
  QString error;
  const QString png = dir_.filePath(QStringLiteral("chart.png"));
  QVERIFY2(Charts().SavePng(png, error), qPrintable(error));
  QVERIFY(ReadBytes(png).startsWith("\x89PNG"));
  const QString csv = dir_.filePath(QStringLiteral("chart.csv"));
  QVERIFY2(Charts().ExportCsv(csv, error), qPrintable(error));
  QVERIFY(ReadText(csv).startsWith(QStringLiteral("Year,Total,Running total\r\n2023,")));
  QVERIFY(!Charts().ExportCsv(dir_.filePath(QStringLiteral("none/chart.csv")), error));
  QVERIFY(error.startsWith(QStringLiteral("Failed to write ")));
}

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"
