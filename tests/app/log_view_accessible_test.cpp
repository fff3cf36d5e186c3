// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads: the log view as a table of the rows on
// screen with their printed cells, the selected flight as the focused row,
// named totals rows, and names for tool-bar buttons and menu items.
#include "app/log_view_accessible.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/qt_text.h"
#include "app_test_support.h"
#include "display/log_page.h"

using namespace aerodex;

namespace {

struct SeenEvent {
  QAccessible::Event type;
  QAccessible::Role role;
  QString name;
};
QList<SeenEvent> seen;

QStringList Cells(QAccessibleInterface* row) {
  QStringList cells;
  for (int i = 0; i < row->childCount(); ++i) cells.append(row->child(i)->text(QAccessible::Name));
  return cells;
}

}  // namespace

class LogViewAccessibleTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void readsTheRowsOnScreenAsPrinted();
  void focusedRowFollowsTheSelection();
  void totalsRowsAreNamed();
  void toolBarButtonsAndMenuItemsHaveNames();

 private:
  CAerodexView& View() { return app_->MainFrame()->View(); }
  QAccessibleInterface* Table() { return QAccessible::queryAccessibleInterface(&View()); }
  QAccessibleInterface* RowOf(const CAerodexEntry& entry);

  QTemporaryDir dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void LogViewAccessibleTest::init() {
  seen.clear();
  app_ = MakeApp(dir_, &dialogs_);
  QVERIFY(app_->InitInstance({SampleLogPath()}));
  app_->MainFrame()->resize(1100, 800);
  app_->MainFrame()->show();
  QVERIFY(QTest::qWaitForWindowExposed(app_->MainFrame()));
  View().viewport()->repaint();
  auto* notifier = View().findChild<CLogViewAccessNotifier*>();
  QVERIFY(notifier);
  connect(notifier, &CLogViewAccessNotifier::told, this,
          [](QAccessible::Event type, QAccessibleInterface* target) {
            seen.append({type, target->role(), target->text(QAccessible::Name)});
          });
}

void LogViewAccessibleTest::cleanup() { app_.reset(); }

QAccessibleInterface* LogViewAccessibleTest::RowOf(const CAerodexEntry& entry) {
  const QString date = QString::asprintf("%02d-%02d-%04d", entry.month, entry.day, entry.year);
  QAccessibleInterface* table = Table();
  for (int i = 0; i < table->childCount(); ++i) {
    QAccessibleInterface* row = table->child(i);
    if (row->text(QAccessible::Name)
            .startsWith(date + QStringLiteral(", ") + FromCp1252(entry.nNumber)))
      return row;
  }
  return nullptr;
}

void LogViewAccessibleTest::readsTheRowsOnScreenAsPrinted() {
  QAccessibleInterface* table = Table();
  QVERIFY(table);
  QCOMPARE(table->role(), QAccessible::Table);
  QAccessibleTableInterface* grid = table->tableInterface();
  QVERIFY(grid);
  QCOMPARE(grid->columnCount(), 19);
  QCOMPARE(grid->columnDescription(2), QStringLiteral("Route of Flight"));
  // Only what the window shows (and the selection): a page, not the log.
  QVERIFY(grid->rowCount() > 3);
  QVERIFY(grid->rowCount() < 60);
  const CAerodexDoc& doc = app_->Document();
  const CAerodexEntry& flight = *doc.selectedEntry;
  QAccessibleInterface* row = RowOf(flight);
  QVERIFY(row);
  QCOMPARE(row->role(), QAccessible::Row);
  const QStringList cells = Cells(row);
  QCOMPARE(cells.size(), 19);
  QCOMPARE(cells[1], FromCp1252(flight.nNumber));
  QCOMPARE(cells[2], FromCp1252(ComposeRoute(flight)));
  QCOMPARE(cells[5], QString::number(flight.dayLandings + flight.nightLandings));
  QCOMPARE(cells[17], QString::number(flight.TotalHours(), 'f', 1));
  QAccessibleInterface* cell = grid->cellAt(table->indexOfChild(row), 17);
  QCOMPARE(cell->role(), QAccessible::Cell);
  QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Total"));
  QCOMPARE(cell->tableCellInterface()->columnHeaderCells().front()->text(QAccessible::Name),
           QStringLiteral("Total"));
  QVERIFY(row->rect().intersects(
      View().viewport()->rect().translated(View().viewport()->mapToGlobal(QPoint(0, 0)))));
  // After a scroll to the top the first flight is read, and the selection
  // still is.
  View().verticalScrollBar()->setValue(0);
  QVERIFY(RowOf(doc.Entry(0)));
  QVERIFY(RowOf(flight));
}

void LogViewAccessibleTest::focusedRowFollowsTheSelection() {
  CAerodexDoc& doc = app_->Document();
  const auto told = [](QAccessible::Event type, QAccessibleInterface* row) {
    return std::any_of(seen.begin(), seen.end(), [&](const SeenEvent& e) {
      return e.type == type && e.role == QAccessible::Row && e.name == row->text(QAccessible::Name);
    });
  };
  Table();  // as a screen reader would, before the focus comes
  View().setFocus();
  QVERIFY(QTest::qWaitForWindowActive(app_->MainFrame()));
  QAccessibleInterface* focused = Table()->focusChild();
  QVERIFY(focused);
  QCOMPARE(focused, RowOf(*doc.selectedEntry));
  QVERIFY(focused->state().focused && focused->state().selected);
  QTRY_VERIFY(told(QAccessible::Focus, focused));
  const CAerodexEntry* before = doc.selectedEntry;
  seen.clear();
  QTest::keyClick(&View(), Qt::Key_Up, Qt::ControlModifier);
  QVERIFY(doc.selectedEntry != before);
  QAccessibleInterface* now = Table()->focusChild();
  QCOMPARE(now, RowOf(*doc.selectedEntry));
  QVERIFY(now->state().focused);
  QVERIFY(!RowOf(*before)->state().selected);
  QVERIFY(told(QAccessible::Focus, now));
  QVERIFY(told(QAccessible::Selection, now));
  // Selecting a row from assistive technology selects its flight.
  const int other = Table()->indexOfChild(RowOf(*before));
  QVERIFY(Table()->tableInterface()->selectRow(other));
  QCOMPARE(doc.selectedEntry, before);
}

void LogViewAccessibleTest::totalsRowsAreNamed() {
  QVERIFY(app_->MainFrame()->Router().Execute(ID_VIEW_ANNUAL_SUMMARY));
  View().viewport()->repaint();
  View().verticalScrollBar()->setValue(View().verticalScrollBar()->maximum());
  QAccessibleInterface* table = Table();
  QStringList names;
  for (int i = 0; i < table->childCount(); ++i)
    names.append(table->child(i)->text(QAccessible::Name));
  QVERIFY2(names.contains(QStringLiteral("Grand Total")), qPrintable(names.join(u'|')));
  const qsizetype grand = names.indexOf(QStringLiteral("Grand Total"));
  QAccessibleInterface* row = table->child(static_cast<int>(grand));
  QCOMPARE(row->child(3)->text(QAccessible::Name), QStringLiteral("Grand Total"));
  QVERIFY(row->child(17)->text(QAccessible::Name).toDouble() > 0);
  QVERIFY(!row->state().selectable);
  QVERIFY(names.filter(QStringLiteral("Summary for ")).size() >= 1);
}

void LogViewAccessibleTest::toolBarButtonsAndMenuItemsHaveNames() {
  auto* toolBar = app_->MainFrame()->findChild<QToolBar*>(QStringLiteral("toolBar"));
  QVERIFY(toolBar);
  QStringList names;
  for (QAction* action : toolBar->actions()) {
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(toolBar->widgetForAction(action));
    QVERIFY(button);
    names.append(button->text(QAccessible::Name));
  }
  for (QToolButton* button : toolBar->findChildren<QToolButton*>()) {
    QVERIFY2(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty(),
             qPrintable(button->objectName()));
  }
  QVERIFY2(names.contains(QStringLiteral("Save Aerodex")), qPrintable(names.join(u'|')));
  QVERIFY(names.contains(QStringLiteral("What's This?")));
  QVERIFY(!names.join(QString()).contains(u'\t'));
  int items = 0;
  for (QAction* menuAction : app_->MainFrame()->menuBar()->actions()) {
    QMenu* menu = menuAction->menu();
    QAccessibleInterface* menuInterface = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < menuInterface->childCount(); ++i) {
      QAccessibleInterface* item = menuInterface->child(i);
      const QString name = item->text(QAccessible::Name);
      QVERIFY2(!name.contains(u'\t'), qPrintable(name));
      ++items;
    }
  }
  QVERIFY(items > 20);
  // The menus still show text and key as before.
  QAccessibleInterface* fileMenu = QAccessible::queryAccessibleInterface(
      app_->MainFrame()->menuBar()->actions().front()->menu());
  QCOMPARE(fileMenu->child(0)->text(QAccessible::Name), QStringLiteral("New Aerodex"));
  QCOMPARE(app_->MainFrame()->Router().Action(ID_FILE_NEW)->text(),
           QStringLiteral("&New Aerodex\tCtrl+N"));
}

QTEST_MAIN(LogViewAccessibleTest)
#include "log_view_accessible_test.moc"
