// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of "Import from Another Logbook...": what it shows of a plan,
// a column's meaning changed (the file planned again), an aircraft unticked,
// Import refused while the layout is not recognised, and the progress of a
// long file's planning. With
// AERODEX_SCREENSHOT_DIR set the preview is also written there as PNG.
#include "app/dialogs/logbook_import_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/app_port.h"

using namespace aerodex;

namespace {

const char* kForeFlight =
    "ForeFlight Logbook Import,,,,,,,,\n,,,,,,,,\nAircraft Table,,,,,,,,\n"
    "AircraftID,equipType,Make,Model,Category/Class,GearType,,,\n"
    "N12345,aircraft,Cessna,172N,ASEL,FT,,,\nN6017D,aircraft,Beech,BE-76,AMEL,RT,,,\n"
    ",,,,,,,,\nFlights Table,,,,,,,,\n"
    "Date,AircraftID,From,To,Route,TotalTime,Night,Approach1,PilotComments,Hobbs\n"
    "2024-03-01,N12345,KPAO,KSQL,,1.5,,1;ILS;28R;KSFO;,Hood work,1203.4\n"
    "2024-03-02,N6017D,KPAO,KMRY,V25 SNS,2.1,0.8,,Night XC,1205.5\n"
    "2024-03-03,N6017D,KPAO,KMRY,,lots,,,,\n";

}  // namespace

class LogbookImportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsThePlanAndKeepsTheTicks() {
    CAerodexDoc doc;
    doc.OnNewDocument();
    const std::string text = kForeFlight;
    import::CImportOptions options;
    import::CImportPlan plan = import::PlanImport(doc, text, options);
    int replans = 0;
    CLogbookImportDialog preview(plan, options, [&](const import::CImportOptions& changed) {
      ++replans;
      return import::PlanImport(doc, text, changed);
    });
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.SourceLine()->text(),
             QStringLiteral("Read as: ForeFlight, comma-separated, UTF-8"));
    QCOMPARE(preview.Flights()->rowCount(), 2);
    QCOMPARE(preview.Flights()->item(1, 3)->text(), QStringLiteral("N6017D"));
    QCOMPARE(preview.Flights()->item(0, 15)->text(), QStringLiteral("Hood work; Hobbs=1203.4"));
    QCOMPARE(preview.Aircraft()->count(), 2);
    QVERIFY(preview.Findings()->toPlainText().contains(QStringLiteral(
        "Rows that could not be read (skipped): 1\n  line 12: TotalTime 'lots' is not hours")));
    QVERIFY(preview.Totals()->text().contains(QStringLiteral("Totals after:  3.6 total")));
    const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) QVERIFY(preview.grab().save(dir + QStringLiteral("/logbook_import.png")));

    // Hobbs ignored: the remarks no longer carry it.
    QCOMPARE(preview.Columns()->item(9, 0)->text(), QStringLiteral("Hobbs"));
    preview.SetMeaning(9, import::Meaning::kIgnore);
    QCOMPARE(replans, 1);
    QCOMPARE(preview.Flights()->item(0, 15)->text(), QStringLiteral("Hood work"));
    auto* chooser = qobject_cast<QComboBox*>(preview.Columns()->cellWidget(9, 1));
    QVERIFY(chooser);
    QCOMPARE(chooser->currentText(), QStringLiteral("ignore"));

    preview.Aircraft()->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(preview.ImportButton()->isEnabled());
    preview.ImportButton()->click();
    QCOMPARE(preview.result(), int(QDialog::Accepted));
    QVERIFY(plan.aircraft[0].create);
    QVERIFY(!plan.aircraft[1].create);
    QCOMPARE(options.map.size(), std::size_t{1});
  }

  void longFilesShowTheirProgressWhilePlanned() {
    QWidget window;
    CAppPort port;
    port.SetParentWindow(&window);
    const auto bars = [&window] { return window.findChildren<QProgressDialog*>().size(); };
    port.ShowPlanningProgress(0, 1000);  // too short to need one
    QCOMPARE(bars(), 0);
    port.ShowPlanningProgress(0, 20000);
    port.ShowPlanningProgress(1000, 20000);
    QCOMPARE(bars(), 1);
    QCOMPARE(window.findChild<QProgressDialog*>()->value(), 1000);
    port.ShowPlanningProgress(20000, 20000);
    QCOMPARE(bars(), 0);
  }

  void unknownLayoutOffersTheColumnsAndNoImport() {
    CAerodexDoc doc;
    doc.OnNewDocument();
    const std::string text = "When,Plane,Hours\n2024-01-01,N1,1.0\n";
    import::CImportOptions options;
    import::CImportPlan plan = import::PlanImport(doc, text, options);
    CLogbookImportDialog preview(plan, options, [&](const import::CImportOptions& changed) {
      return import::PlanImport(doc, text, changed);
    });
    QVERIFY(!preview.ImportButton()->isEnabled());
    QCOMPARE(preview.Tabs()->currentWidget(), static_cast<QWidget*>(preview.Columns()));
    QVERIFY(preview.SourceLine()->text().contains(
        QStringLiteral("Choose what they hold under Columns")));
    preview.SetMeaning(0, import::Meaning::kDate);
    preview.SetMeaning(1, import::Meaning::kTail);
    preview.SetMeaning(2, import::Meaning::kTotal);
    QVERIFY(preview.ImportButton()->isEnabled());
    QCOMPARE(preview.Flights()->rowCount(), 1);
    preview.CancelButton()->click();
    QCOMPARE(preview.result(), int(QDialog::Rejected));
  }
};

QTEST_MAIN(LogbookImportDialogTest)
#include "logbook_import_dialog_test.moc"
