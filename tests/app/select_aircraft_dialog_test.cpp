// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft list "Select Aircraft": the N-Numbers in database order, the
// remembered choice highlighted when it opens, and whatever the user then
// highlights (click, double click, arrow keys) is what OK returns.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/nnumber_dialogs.h"
#include "dialog_samples.h"

using namespace aerodex;

namespace {

void Open(QDialog& dialog) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

QPoint CentreOf(QListWidget* list, int row) {
  return list->visualItemRect(list->item(row)).center();
}

}  // namespace

class SelectAircraftDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheNNumbersInDatabaseOrderWithTheChoiceHighlighted() {
    CSelectAircraftDialog dialog(samples::Fleet());
    Open(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Aircraft"));
    QListWidget* list = dialog.List();
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    QCOMPARE(shown, (QStringList{"738XL", "4417P", "21853", "3052C", "SIM1"}));
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->row(list->selectedItems().front()), 2);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.FormData().choice, 2L);
  }

  void withoutAChoiceNothingIsHighlightedAndOkChoosesNothing() {
    CSelectAircraftDlg form = samples::Fleet();
    form.choice = -1;
    CSelectAircraftDialog dialog(form);
    Open(dialog);
    QVERIFY(dialog.List()->hasFocus());  // focus alone must not choose the first item
    QVERIFY(dialog.List()->selectedItems().isEmpty());
    dialog.OkButton()->click();
    QCOMPARE(dialog.FormData().choice, -1L);
  }

  void clicksKeysAndDoubleClicksChoose() {
    CSelectAircraftDialog dialog(samples::Fleet());
    Open(dialog);
    QListWidget* list = dialog.List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CentreOf(list, 3));
    QCOMPARE(dialog.FormData().choice, 3L);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(dialog.FormData().choice, 4L);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(dialog.FormData().choice, 0L);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, CentreOf(list, 1));
    QCOMPARE(dialog.FormData().choice, 1L);
    QVERIFY(dialog.isVisible());  // a double click chooses; the list stays open
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.FormData().choice, 1L);
  }

  void cancelAndEscapeChooseNothing() {
    CSelectAircraftDialog dialog(samples::Fleet());
    Open(dialog);
    QTest::keyClick(dialog.List(), Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    CSelectAircraftDialog again(samples::Fleet());
    Open(again);
    QTest::mouseClick(again.CancelButton(), Qt::LeftButton);
    QCOMPARE(again.result(), int(QDialog::Rejected));
  }

  void aChoiceBelowTheFoldIsScrolledIntoView() {
    CSelectAircraftDlg form;
    for (int i = 0; i < 40; ++i) form.nNumbers.push_back(std::to_string(1000 + i) + "K");
    form.choice = 35;
    CSelectAircraftDialog dialog(form);
    Open(dialog);
    QListWidget* list = dialog.List();
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(35))));
  }
};

QTEST_MAIN(SelectAircraftDialogTest)
#include "select_aircraft_dialog_test.moc"
