// SPDX-License-Identifier: GPL-3.0-or-later
// "Flights and Totals" through the real window on the sample log: the panel
// agrees with the core's query and totals for each filter and grouping,
// selection follows into the log, a double click edits, the panel follows a
// change of the log, and Copy and Export CSV write what is shown.
#include "app/flights_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/main_frame.h"
#include "app_test_support.h"
#include "modal_user.h"
#include "stats/flight_query.h"
#include "stats/flight_totals.h"

using namespace aerodex;

class FlightsPanelTest : public QObject {
  Q_OBJECT

 public:
  FlightsPanelTest() : clock_(*ParseLocalTime("2026-11-15 12:00:00")) {}

 private slots:
  void init();
  void cleanup();
  void everyFilterAgreesWithTheCoreQuery();
  void groupsAddUpToTheFlightsShown();
  void sortsByAnyColumnAndFiltersKeepTheOrder();
  void selectionFollowsIntoTheLogAndDoubleClickEdits();
  void followsChangesOfTheLog();
  void insurerTableAndExport();

 private:
  CAerodexDoc& Doc() { return app_->Document(); }
  CMainFrame& Frame() { return *app_->MainFrame(); }
  CFlightsPanel& Panel() { return *Frame().FlightsPanel(); }
  std::size_t CoreCount(const stats::FlightFilter& filter) {
    return stats::MatchingFlights(Doc(), stats::FlightQuery(Doc(), filter)).size();
  }
  int Rows() { return Panel().Table()->model()->rowCount(); }

  FixedClock clock_;
  QTemporaryDir dir_;
  std::unique_ptr<CAerodexApp> app_;
  ModalUser user_;
};

void FlightsPanelTest::init() {
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
  Frame().resize(1400, 900);
  Frame().show();
  QVERIFY(QTest::qWaitForWindowActive(&Frame()));
  QAction* item = nullptr;
  for (QAction* top : Frame().menuBar()->actions()) {
    if (top->text() != QStringLiteral("&Statistics")) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text() == QStringLiteral("&Flights and Totals...")) item = action;
    }
  }
  QVERIFY(item && item->isEnabled());
  item->trigger();
  QVERIFY(Frame().FlightsPanel() && Panel().isVisible());
  user_.Clear();
  user_.Start();
}

void FlightsPanelTest::cleanup() {
  user_.Stop();
  app_.reset();
}

void FlightsPanelTest::everyFilterAgreesWithTheCoreQuery() {
  QCOMPARE(Rows(), 200);
  QVERIFY(
      Panel().TotalsLabel()->text().startsWith(QStringLiteral("200 flights: Approaches 150, "
                                                              "Landings 555, ")));
  Panel().PeriodBox()->setCurrentIndex(Panel().PeriodBox()->findText("Last 90 days"));
  QCOMPARE(std::size_t(Rows()), CoreCount(Panel().Filter()));
  QVERIFY(Rows() > 0 && Rows() < 200);
  Panel().PeriodBox()->setCurrentIndex(0);
  Panel().AircraftBox()->setCurrentIndex(Panel().AircraftBox()->findText("3112T"));
  QCOMPARE(std::size_t(Rows()), CoreCount({.aircraft = {"3112T"}}));
  Panel().AircraftBox()->setCurrentIndex(0);
  Panel().ModelEdit()->setText(QStringLiteral("piper"));
  QCOMPARE(std::size_t(Rows()), CoreCount({.model = "piper"}));
  Panel().ModelEdit()->clear();
  Panel().ClassBox()->setCurrentIndex(Panel().ClassBox()->findText("AMEL"));
  QCOMPARE(std::size_t(Rows()), CoreCount({.multiEngine = true}));
  Panel().ClassBox()->setCurrentIndex(0);
  Panel().TailWheelBox()->setChecked(true);
  QCOMPARE(std::size_t(Rows()), CoreCount({.tailWheel = true}));
  Panel().TailWheelBox()->setChecked(false);
  Panel().ComplexBox()->setChecked(true);
  Panel().HighPerformanceBox()->setChecked(true);
  QCOMPARE(Rows(), 0);  // the sample's twin is complex but not high performance
  QVERIFY(Panel().TotalsLabel()->text().startsWith(QStringLiteral("0 flights: ")));
  Panel().ComplexBox()->setChecked(false);
  Panel().HighPerformanceBox()->setChecked(false);
  Panel().SearchEdit()->setText(QStringLiteral("CROSSWIND"));
  QCOMPARE(std::size_t(Rows()), CoreCount({.text = "crosswind"}));
  QVERIFY(Rows() > 0);
}

void FlightsPanelTest::groupsAddUpToTheFlightsShown() {
  Panel().PeriodBox()->setCurrentIndex(Panel().PeriodBox()->findText("Last 24 months"));
  const int shown = Rows();
  for (const char* by : {"Month", "Year", "Aircraft", "Make and model", "Class"}) {
    Panel().GroupByBox()->setCurrentIndex(Panel().GroupByBox()->findText(by));
    QAbstractItemModel& groups = *Panel().Table()->model();
    int flights = 0;
    for (int r = 0; r < groups.rowCount(); ++r) flights += groups.index(r, 1).data().toInt();
    QCOMPARE(flights, shown);
  }
  QCOMPARE(Panel().Table()->model()->index(0, 0).data().toString(), QStringLiteral("ASEL"));
  QCOMPARE(Panel().Table()->model()->headerData(0, Qt::Horizontal).toString(),
           QStringLiteral("Class"));
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) QVERIFY(Frame().grab().save(dir + QStringLiteral("/flights_grouped.png")));
  Panel().GroupByBox()->setCurrentIndex(0);
  QCOMPARE(Rows(), shown);
}

void FlightsPanelTest::sortsByAnyColumnAndFiltersKeepTheOrder() {
  QTableView& table = *Panel().Table();
  const int total = 17;
  QCOMPARE(table.model()->headerData(total, Qt::Horizontal).toString(), QStringLiteral("Total"));
  table.sortByColumn(total, Qt::DescendingOrder);
  Panel().AircraftBox()->setCurrentIndex(Panel().AircraftBox()->findText("5432K"));
  double previous = 1e9;
  for (int r = 0; r < Rows(); ++r) {
    const double hours = table.model()->index(r, total).data().toDouble();
    QVERIFY(hours <= previous);
    previous = hours;
    QCOMPARE(table.model()->index(r, 1).data().toString(), QStringLiteral("5432K"));
  }
  table.sortByColumn(0, Qt::AscendingOrder);
  QVERIFY(table.model()->index(0, 0).data().toString() <
          table.model()->index(Rows() - 1, 0).data().toString());
  table.selectRow(Rows() - 1);
  QCOMPARE(Doc().selectedEntry, &Doc().Entry(Panel().ShownFlights().back()));
}

void FlightsPanelTest::selectionFollowsIntoTheLogAndDoubleClickEdits() {
  Panel().AircraftBox()->setCurrentIndex(Panel().AircraftBox()->findText("SIM1"));
  QTableView& table = *Panel().Table();
  table.selectRow(2);
  const CAerodexEntry* selected = Doc().selectedEntry;
  QVERIFY(selected && selected->nNumber == "SIM1");
  QCOMPARE(table.model()->index(2, 0).data().toString(),
           QString::asprintf("%04d-%02d-%02d", selected->year, selected->month, selected->day));
  QString title;
  user_.Expect(QStringLiteral("Edit Aerodex Entry"), [&](QDialog& form) {
    title = form.windowTitle();
    form.reject();
  });
  emit table.activated(table.model()->index(4, 1));
  QVERIFY2(user_.Done(), qPrintable(user_.Report()));
  QCOMPARE(Doc().selectedEntry->nNumber, std::string("SIM1"));
  QVERIFY(Doc().selectedEntry != selected);
  QVERIFY(!Doc().IsModified());
}

void FlightsPanelTest::followsChangesOfTheLog() {
  Panel().AircraftBox()->setCurrentIndex(Panel().AircraftBox()->findText("3112T"));
  const int before = Rows();
  for (std::size_t i = 0; i < Doc().EntryCount(); ++i) {
    if (Doc().Entry(i).nNumber != "3112T") continue;
    Doc().RemoveEntry(&Doc().Entry(i));
    break;
  }
  Doc().SortEntries();
  QCOMPARE(Rows(), before - 1);
  QCOMPARE(Panel().AircraftBox()->currentText(), QStringLiteral("3112T"));
}

void FlightsPanelTest::insurerTableAndExport() {
  QTableWidget& periods = *Panel().InsurerPeriods();
  QCOMPARE(periods.rowCount(), 7);
  QCOMPARE(periods.item(6, 0)->text(), QStringLiteral("All time"));
  QCOMPARE(periods.item(6, 1)->text(), QStringLiteral("325.7"));
  QCOMPARE(Panel().InsurerTimeIn()->item(Panel().InsurerTimeIn()->rowCount() - 1, 0)->text(),
           QStringLiteral("Multi-engine"));
  QString error;
  const QString flights = dir_.filePath(QStringLiteral("flights.csv"));
  Panel().SearchEdit()->setText(QStringLiteral("cub fun"));
  QVERIFY(Panel().ExportCsv(flights, false, error));
  const QString csv = ReadText(flights);
  QVERIFY(csv.startsWith(QStringLiteral("Date,Aircraft,Route,Remarks,Approaches,Landings,")));
  QCOMPARE(csv.count(QStringLiteral("\r\n")), Rows() + 1);
  QVERIFY(csv.contains(QStringLiteral("\"Cub fun: wheel landings and three-pointers, doors")));
  QVERIFY(Panel().ExportCsv(dir_.filePath(QStringLiteral("insurer.csv")), true, error));
  QVERIFY(ReadText(dir_.filePath(QStringLiteral("insurer.csv")))
              .startsWith(QStringLiteral("Period,Total,PIC,Night,Instrument,")));
  QVERIFY(!Panel().ExportCsv(dir_.filePath(QStringLiteral("no/such/folder.csv")), false, error));
  QVERIFY(error.startsWith(QStringLiteral("Failed to write ")));
}

QTEST_MAIN(FlightsPanelTest)
#include "flights_panel_test.moc"
