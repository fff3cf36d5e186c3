// SPDX-License-Identifier: GPL-3.0-or-later
// The two read-only reports: their titles, headings and lines in order, the
// empty lines that keep their place, the N-Number on top of the aircraft
// report, and the one OK button. Then the log check's list and the import
// report with its Copy button.
#include "app/dialogs/report_dialogs.h"

#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/log_check_dialog.h"
#include "dialog_samples.h"

using namespace aerodex;

class ReportDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void currencyShowsTheSevenLinesUnderTheirHeadings() {
    CCurrencyDlg report = samples::Currency();
    report.medical2 =
        "You may NOT perform operations requiring a Class 2 Medical Certificate since  "
        "2/28/1998";
    CCurrencyDialog dialog(report);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Currency Check"));
    QCOMPARE(
        dialog.Headings(),
        (QStringList{"Medical Currency", "BFR Currency", "IFR Currency (Pre-Aug. 4, 1997 Rules)",
                     "IFR Currency (Post-Aug. 4, 1997 Rules)", "Night Currency"}));
    const QStringList lines = dialog.Lines();
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QString::fromStdString(report.medical1));
    QCOMPARE(lines[1], QString::fromStdString(report.medical2));
    QCOMPARE(lines[2], QString());  // first class: not held, left empty
    QCOMPARE(lines[3], QString::fromStdString(report.bfr));
    QCOMPARE(lines[4], QString::fromStdString(report.oldIfr));
    QCOMPARE(lines[5], QString::fromStdString(report.newIfr));
    QCOMPARE(lines[6], QString::fromStdString(report.night));
    // Top to bottom on the screen as in the list, the empty line holding its place.
    int previous = -1;
    for (const char* name :
         {"medical1", "medical2", "medical3", "bfr", "oldIfr", "newIfr", "night"}) {
      auto* line = dialog.findChild<QLabel*>(name);
      const int y = line->mapTo(&dialog, QPoint(0, 0)).y();
      QVERIFY2(y > previous, name);
      QVERIFY(line->height() >= line->fontMetrics().height());
      previous = y;
    }
  }

  void aircraftStatusShowsTheNNumberCentredAboveItsLines() {
    CAircraftStatsDialog dialog(samples::Status());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Aircraft Statistics"));
    QCOMPARE(dialog.NNumberShown(), QStringLiteral("738XL"));
    QCOMPARE(dialog.Headings(),
             (QStringList{"Engine Oil Change", "Annual Inspection", "Time Before Overhaul (TBO)"}));
    const CAircraftStatsDlg status = samples::Status();
    QCOMPARE(dialog.Lines(), (QStringList{QString::fromStdString(status.oilChange),
                                          QString::fromStdString(status.annual),
                                          QString::fromStdString(status.tboHours),
                                          QString::fromStdString(status.tboMonths)}));
    auto* nNumber = dialog.findChild<QLabel*>("nNumber");
    const QRect box(nNumber->mapTo(&dialog, QPoint(0, 0)), nNumber->size());
    QVERIFY(nNumber->alignment() & Qt::AlignHCenter);
    QVERIFY(std::abs(box.center().x() - dialog.width() / 2) <= 2);
    QVERIFY(box.bottom() < dialog.findChild<QGroupBox*>()->mapTo(&dialog, QPoint(0, 0)).y());
  }

  void oneOkClosesAndTextsComeFromTheCodePage() {
    CAircraftStatsDlg status = samples::Status();
    status.nNumber = "F-GB\xC9X";  // a foreign registration with an accented letter
    CAircraftStatsDialog dialog(status);
    QCOMPARE(dialog.NNumberShown(), QString::fromUtf8("F-GBÉX"));
    QCOMPARE(dialog.findChildren<QPushButton*>().size(), 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }

  void currencyDateShowsTheReportsDayAndIsFixedWithoutARecompute() {
    CCurrencyDialog fixed(samples::Currency());
    QCOMPARE(fixed.AsOfEdit()->date(), QDate(1998, 3, 14));
    QCOMPARE(fixed.AsOfEdit()->displayFormat(), QStringLiteral("M/d/yyyy"));
    QVERIFY(!fixed.AsOfEdit()->isEnabled());
    QVERIFY(!fixed.DetailsShown());
    fixed.DetailsButton()->click();
    QVERIFY(fixed.DetailsShown());
  }

  void aircraftStatusListsDueMonthsAndAtMostEightBreaks() {
    CAircraftStatsDlg status = samples::Status();
    status.tachContinuity.assign(11, "Tachometer gap of 1.0 hours: ...");
    CAircraftStatsDialog dialog(status);
    const QStringList extra = dialog.ExtraLines();
    QCOMPARE(extra.size(), 2 + 1 + 8 + 1);
    QCOMPARE(extra[0], QString::fromStdString(status.annualDue));
    QCOMPARE(extra[2], QString::fromStdString(status.currentTach));
    QCOMPARE(extra.last(),
             QStringLiteral("... and 3 more breaks; Statistics > Check Log lists them all."));
    QCOMPARE(dialog.Lines().size(), 4);  // the four lines stay as they are
  }

  void logCheckWithoutFindingsSaysSoAndHidesTheList() {
    CLogCheckDlg report;
    report.flightsChecked = 12;
    CLogCheckDialog dialog(report, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Check Log"));
    QCOMPARE(dialog.Summary(), QStringLiteral("12 flights checked: nothing to question."));
    QVERIFY(dialog.Findings()->isHidden());
    report.flightsChecked = 0;
    QCOMPARE(CLogCheckDialog(report, {}).Summary(),
             QStringLiteral("The log holds no flight to check."));
  }

  void importReportIsReadOnlyAndCopiesItsWholeText() {
    const QString text = QString::fromUtf8(
        "Import of /logs/old.aerodex\nRecords read: 2 (as the header says)\n"
        "N-Numbers not in the aircraft database: 1\n  N9\u00e9: 2 flights\n");
    CImportReportDialog dialog(text);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import Report"));
    QCOMPARE(dialog.ReportText(), text);
    QVERIFY(dialog.ReportBox()->isReadOnly());
    QTest::keyClicks(dialog.ReportBox(), "typed");
    QCOMPARE(dialog.ReportText(), text);
    QGuiApplication::clipboard()->clear();
    dialog.CopyButton()->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY(dialog.isVisible());  // Copy leaves the report open
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(ReportDialogsTest)
#include "report_dialogs_test.moc"
