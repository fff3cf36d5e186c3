// SPDX-License-Identifier: GPL-3.0-or-later
// The forms on a small screen at scale 2 (a 1280 x 800 screen, so 640 x 400
// logical pixels): each stays inside the screen, its content scrolls and
// its buttons stay in sight. Forms that fit keep their natural, fixed size.
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "app/dialogs/entry_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/log_check_dialog.h"
#include "app/dialogs/nnumber_dialogs.h"
#include "app/dialogs/pilot_dialog.h"
#include "app/dialogs/report_dialogs.h"
#include "dialog_samples.h"

using namespace aerodex;

namespace {

QRect InDialog(const QWidget* w, const QWidget& dialog) {
  return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size());
}

void CheckInsideScreen(QDialog& dialog) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  const QRect screen = dialog.screen()->availableGeometry();
  QVERIFY2(dialog.width() <= screen.width() && dialog.height() <= screen.height(),
           qPrintable(QStringLiteral("%1 x %2").arg(dialog.width()).arg(dialog.height())));
  const auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
  QVERIFY(ok && dialog.rect().contains(InDialog(ok, dialog)));
}

// Inside the screen's room, the buttons wholly inside the dialog and not
// under the scrolling part.
void CheckFits(QDialog& dialog) {
  CheckInsideScreen(dialog);
  const auto* scroll = dialog.findChild<QScrollArea*>();
  QVERIFY(scroll);
  const QRect scrolling = InDialog(scroll, dialog);
  for (const char* name : {"ok", "cancel"}) {
    const auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button) continue;
    QVERIFY(button->isVisible());
    QVERIFY(dialog.rect().contains(InDialog(button, dialog)));
    QVERIFY(!scrolling.intersects(InDialog(button, dialog)));
  }
}

int ScrollRange(const QDialog& dialog) {
  const auto* scroll = dialog.findChild<QScrollArea*>();
  return scroll->verticalScrollBar()->maximum() + scroll->horizontalScrollBar()->maximum();
}

}  // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT

 private slots:
  void screenIsSmall() {
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(640, 400));
  }
  void largeFormsScroll() {
    CEntryDialog entry(samples::Flight());
    CheckFits(entry);
    QVERIFY(ScrollRange(entry) > 0);
    CPilotInfoDialog pilot(samples::Pilot());
    CheckFits(pilot);
    QVERIFY(ScrollRange(pilot) > 0);
  }
  void smallFormKeepsItsSize() {
    CNNumberDialog dialog(CNNumberDlg{});
    CheckFits(dialog);
    QCOMPARE(ScrollRange(dialog), 0);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
  }
  // Windows that stretch give up what the screen lacks.
  void reportWindowsStayOnScreen() {
    CImportReportDialog report(QStringLiteral("line\n").repeated(200));
    CheckInsideScreen(report);
    CLogCheckDlg findings;
    findings.flightsChecked = 1;
    CLogCheckDialog check(findings, {});
    CheckInsideScreen(check);
  }
  // Details open: the form stays inside the screen, the working gives way
  // to six lines of its own scrolling.
  void currencyDetailsStayOnScreen() {
    CCurrencyDialog dialog(samples::Currency());
    CheckFits(dialog);
    const int closed = dialog.height();
    dialog.DetailsButton()->click();
    const auto* working = dialog.findChild<QTextEdit*>(QStringLiteral("working"));
    QTRY_VERIFY(working->height() >= 6 * working->fontMetrics().lineSpacing());
    CheckFits(dialog);
    QVERIFY(working->height() < 24 * working->fontMetrics().lineSpacing());
    dialog.DetailsButton()->click();
    QTRY_COMPARE(dialog.height(), closed);
  }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
