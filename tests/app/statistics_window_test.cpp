// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics beyond the two reports, through the real window on the
// sample log: the Statistics menu's Check Log item with its prompt, the
// Currency Check form's "As of" date and Details, and the log check that
// stays open beside the log: a double click on a finding selects its flight
// and scrolls the log to it, and an edit refreshes the list.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/dialogs/log_check_dialog.h"
#include "app/dialogs/pilot_time_dialog.h"
#include "app/dialogs/report_dialogs.h"
#include "app/main_frame.h"
#include "app/pilot_time_page.h"
#include "app/print_controller.h"
#include "app_test_support.h"
#include "modal_user.h"

using namespace aerodex;

class StatisticsWindowTest : public QObject {
  Q_OBJECT

 public:
  StatisticsWindowTest() : clock_(*ParseLocalTime("2026-11-15 12:00:00")) {}

 private slots:
  void init();
  void cleanup();
  void checkLogSitsAfterUsagePatternsWithItsPrompt();
  void asOfDateRecomputesTheFormAndDetailsShowTheWorking();
  void doubleClickOnAFindingShowsItsFlight();
  void pilotTimeFollowsItsDateRangeCopiesAndPrintsLandscape();

 private:
  CAerodexDoc& Doc() { return app_->Document(); }
  CMainFrame& Frame() { return *app_->MainFrame(); }
  QAction* StatisticsItem(const QString& text);

  FixedClock clock_;
  QTemporaryDir dir_;
  std::unique_ptr<CAerodexApp> app_;
  ModalUser user_;
};

void StatisticsWindowTest::init() {
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
  Frame().resize(1100, 800);
  Frame().show();
  QVERIFY(QTest::qWaitForWindowActive(&Frame()));
  user_.Clear();
  user_.Start();
}

void StatisticsWindowTest::cleanup() {
  user_.Stop();
  app_.reset();
}

QAction* StatisticsWindowTest::StatisticsItem(const QString& text) {
  for (QAction* top : Frame().menuBar()->actions()) {
    if (top->text() != QStringLiteral("&Statistics")) continue;
    emit top->menu()->aboutToShow();
    for (QAction* item : top->menu()->actions()) {
      if (item->text() == text) return item;
    }
  }
  return nullptr;
}

void StatisticsWindowTest::checkLogSitsAfterUsagePatternsWithItsPrompt() {
  QStringList items;
  for (QAction* top : Frame().menuBar()->actions()) {
    if (top->text() != QStringLiteral("&Statistics")) continue;
    for (QAction* item : top->menu()->actions()) {
      items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
  }
  QCOMPARE(items, (QStringList{"&Check Currency", "&Aircraft Status", "&Usage Patterns", "-",
                               "Check &Log...", "&Pilot Time (8710)...", "&Flights and Totals...",
                               "C&harts..."}));
  QAction* checkLog = StatisticsItem(QStringLiteral("Check &Log..."));
  QCOMPARE(checkLog->data().toInt(), int(ID_CHECK_LOG));
  QVERIFY(checkLog->isEnabled());
  QCOMPARE(checkLog->statusTip(),
           QStringLiteral("Check every flight of the log for likely mistakes"));
}

void StatisticsWindowTest::asOfDateRecomputesTheFormAndDetailsShowTheWorking() {
  QStringList today, later;
  QString working;
  bool detailsHidden = false;
  user_.Expect(QStringLiteral("Currency Check"), [&](QDialog& window) {
    auto& form = static_cast<CCurrencyDialog&>(window);
    QCOMPARE(form.AsOfEdit()->date(), QDate(2026, 11, 15));
    detailsHidden = !form.DetailsShown();
    today = form.Lines();
    form.AsOfEdit()->setDate(QDate(2028, 1, 8));  // will I still be current then?
    later = form.Lines();
    Click(form.DetailsButton());
    working = form.WorkingText();
    Click(form.OkButton());
  });
  StatisticsItem(QStringLiteral("&Check Currency"))->trigger();
  QVERIFY2(user_.Done(), qPrintable(user_.Report()));
  QVERIFY(detailsHidden);
  QCOMPARE(today[0], QStringLiteral("You may perform operations requiring a Class 3 Medical "
                                    "Certificate until  3/31/2027"));
  QCOMPARE(later[0], QStringLiteral("You may NOT perform operations requiring a Class 3 Medical "
                                    "Certificate since  3/31/2027"));
  QCOMPARE(later[3], QStringLiteral("Your Biennial Flight Review is overdue as of  6/30/2027"));
  QVERIFY(working.contains(QStringLiteral("so lapsed in 1/2028")));
  QVERIFY(working.contains(QStringLiteral("Day Passengers (Estimate)")));
  QVERIFY(working.contains(QStringLiteral("\nUnder the rules in force today\n")));
  QVERIFY(!Doc().IsModified());
}

void StatisticsWindowTest::doubleClickOnAFindingShowsItsFlight() {
  // The sample checks clean: one flight loses its description.
  Doc().Entry(120).remarks.clear();
  Doc().SetModifiedFlag(false);
  Frame().View().verticalScrollBar()->setValue(0);
  StatisticsItem(QStringLiteral("Check &Log..."))->trigger();
  auto* dialog = Frame().findChild<CLogCheckDialog*>();
  QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
  QCOMPARE(dialog->Summary(), QStringLiteral("200 flights checked: 1 finding. Double-click a "
                                             "finding to show its flight."));
  QListWidget* list = dialog->Findings();
  const QRect row = list->visualItemRect(list->item(0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  Frame().View().viewport()->repaint();
  QCOMPARE(Doc().selectedEntry, &Doc().Entry(120));
  QVERIFY(Frame().View().verticalScrollBar()->value() > 0);
  QVERIFY(!Doc().IsModified());
  // The list stays open while the flight is mended, and follows the log.
  Doc().Entry(120).remarks = "Pattern work";
  Doc().SetModifiedFlag();
  QCOMPARE(dialog->Summary(), QStringLiteral("200 flights checked: nothing to question."));
  QCOMPARE(list->count(), 0);
  Click(dialog->OkButton());
  QTRY_VERIFY(Frame().findChild<CLogCheckDialog*>() == nullptr);
}

void StatisticsWindowTest::pilotTimeFollowsItsDateRangeCopiesAndPrintsLandscape() {
  QAction* item = StatisticsItem(QStringLiteral("&Pilot Time (8710)..."));
  QVERIFY(item && item->isEnabled());
  QCOMPARE(item->statusTip(), QStringLiteral("Record of pilot time for the FAA Form 8710-1, by "
                                             "kind of aircraft and class"));
  QStringList wholeLog, lastYear;
  QString copied;
  bool landscape = false;
  Frame().Printing().SetPrintDialogShown([&](QPrintDialog& dialog) {
    landscape = dialog.printer()->pageLayout().orientation() == QPageLayout::Landscape;
    QTimer::singleShot(0, &dialog, &QDialog::reject);
  });
  user_.Expect(QStringLiteral("Record of Pilot Time (8710)"), [&](QDialog& window) {
    auto& dialog = static_cast<CPilotTimeDialog&>(window);
    const auto rowTexts = [&dialog](int row) {
      QStringList cells;
      for (int c = 0; c < 13; ++c) cells << dialog.Grid()->item(row, c)->text();
      return cells;
    };
    wholeLog = rowTexts(0);
    dialog.WholeLogBox()->setChecked(false);
    dialog.FromEdit()->setDate(QDate(2026, 1, 1));
    dialog.ToEdit()->setDate(QDate(2026, 12, 31));
    lastYear = rowTexts(0);
    dialog.CopyButton()->click();
    copied = QGuiApplication::clipboard()->text();
    dialog.PrintButton()->click();  // the print dialog answers itself
    Click(dialog.CloseButton());
  });
  item->trigger();
  QVERIFY2(user_.Done(), qPrintable(user_.Report()));
  // Total, instruction, solo, PIC, XC instruction, XC solo, XC PIC, instrument, night
  // instruction, night landings, night PIC, night PIC landings, flights.
  QCOMPARE(wholeLog, (QStringList{"286.4", "30.8", "", "255.6", "0.0", "", "153.9", "38.8", "0.0",
                                  "19", "24.6", "19", "170"}));
  QVERIFY(lastYear != wholeLog);
  QVERIFY2(copied.startsWith(QStringLiteral(
               "Record of Pilot Time (FAA Form 8710-1), 2026-01-01 to 2026-12-31\n")),
           qPrintable(copied.left(80)));
  QVERIFY(landscape);
  QVERIFY(!Doc().IsModified());
}

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
