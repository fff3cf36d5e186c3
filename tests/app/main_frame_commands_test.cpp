// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command vocabulary as the user meets it: the menu tree
// with its texts, separators and ids, the accelerators, the tool bar's order
// and tool tips, the status prompts, and the enabling and tick rules, with
// a disabled command never running from a key, a menu or a button.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/document_manager.h"
#include "app/main_frame.h"
#include "app_test_support.h"
#include "support/log_builders.h"

using namespace aerodex;

namespace {

struct MenuLine {
  QString text;
  int id;  // 0 for a separator
};

QList<MenuLine> Lines(QMenu* menu) {
  QList<MenuLine> lines;
  for (QAction* action : menu->actions()) {
    if (!action->isVisible()) continue;
    lines.append({action->isSeparator() ? QString() : action->text(),
                  action->isSeparator() ? 0 : action->data().toInt()});
  }
  return lines;
}

}  // namespace

class MainFrameCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void menuTreeHasTheTextsIdsAndSeparators();
  void acceleratorsAreBoundToTheirCommands();
  void toolBarHasFifteenButtonsInOrder();
  void promptsGoToTheStatusBar();
  void enablingFollowsTheDocument();
  void alwaysDisabledCommandsAndDeadKeys();
  void disabledCommandNeverRunsFromKeyMenuOrButton();
  void ticksFollowModeSizeAndNightSubtotals();
  void barsToggleWithTheirTicks();
  void theCommandsAskThroughTheFrameDialogs();

 private:
  QTemporaryDir dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
  CMainFrame* frame_ = nullptr;
};

void MainFrameCommandsTest::init() {
  app_ = MakeApp(dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  frame_ = app_->MainFrame();
  frame_->show();
  QVERIFY(QTest::qWaitForWindowActive(frame_));
}

void MainFrameCommandsTest::cleanup() {
  app_->Document().SetModifiedFlag(false);
  app_.reset();
}

void MainFrameCommandsTest::menuTreeHasTheTextsIdsAndSeparators() {
  const QList<QAction*> top = frame_->menuBar()->actions();
  QStringList titles;
  for (QAction* action : top) titles.append(action->text());
  QCOMPARE(titles,
           (QStringList{"&File", "&Aerodex", "&Aircraft", "&Statistics", "&View", "&Help"}));

  const QList<MenuLine> file = Lines(top[0]->menu());
  const QList<MenuLine> expectedFile = {{"&New Aerodex\tCtrl+N", 57600},
                                        {"&Open Aerodex...\tCtrl+O", 57601},
                                        {"&Save Aerodex\tCtrl+S", 57603},
                                        {"Save Aerodex &As...", 57604},
                                        {"", 0},
                                        {"&Edit Pilot Info", 32771},
                                        {"Import from Unix...", 32786},
                                        {"Import from Another Logbook...", 32835},
                                        {"Export to Another Logbook...", 32836},
                                        {"", 0},
                                        {"&Print...\tCtrl+P", 57607},
                                        {"Print Pre&view", 57609},
                                        {"P&rint Setup...", 57606},
                                        {"", 0},
                                        {"Recent File", 57616},
                                        {"", 0},
                                        {"E&xit", 57665}};
  QCOMPARE(file.size(), expectedFile.size());
  for (int i = 0; i < file.size(); ++i) {
    QCOMPARE(file[i].text, expectedFile[i].text);
    QCOMPARE(file[i].id, expectedFile[i].id);
  }
  QVERIFY(!frame_->Router().Action(ID_FILE_MRU_FILE1)->isEnabled());  // no recent file yet

  const QList<MenuLine> aerodexMenu = Lines(top[1]->menu());
  QCOMPARE(aerodexMenu.size(), 6);  // then a separator and Go to Date
  QCOMPARE(aerodexMenu[0].id, 0);   // the pop-up begins with a separator
  QCOMPARE(aerodexMenu[1].text, QStringLiteral("&New Entry\tCtrl+L"));
  QCOMPARE(aerodexMenu[3].text, QStringLiteral("&Delete Entry\tCtrl+X"));
  QCOMPARE(aerodexMenu[3].id, 32780);

  QStringList view;
  for (const MenuLine& line : Lines(top[4]->menu())) view.append(line.text);
  QCOMPARE(view,
           (QStringList{"&Toolbar", "&Status Bar", "", "&All Entries", "Group By &N Number",
                        "Group By Aircraft &Make", "Annual Summary", "", "View Normal Size",
                        "View Expanded Size", "Fit Page &Width", "", "Break out Night Subtotals"}));
  QStringList help;
  for (const MenuLine& line : Lines(top[5]->menu())) help.append(line.text);
  QCOMPARE(help, (QStringList{"&Help Topics", "", "&About aerodex...", "About &Qt"}));
  QVERIFY(frame_->Router().Action(ID_APP_ABOUT_QT)->isEnabled());
  QCOMPARE(Lines(top[3]->menu())[2].id, 32794);
}

void MainFrameCommandsTest::acceleratorsAreBoundToTheirCommands() {
  const auto keysOf = [this](int id) {
    QStringList keys;
    for (const QKeySequence& key : frame_->Router().Action(id)->shortcuts()) {
      keys.append(key.toString(QKeySequence::PortableText));
    }
    return keys;
  };
  QCOMPARE(keysOf(ID_FILE_NEW), QStringList{"Ctrl+N"});
  QCOMPARE(keysOf(ID_DELETE_ENTRY), QStringList{"Ctrl+X"});
  QCOMPARE(keysOf(ID_NEW_AIRCRAFT), QStringList{"Ctrl+A"});
  QCOMPARE(keysOf(ID_NEW_ENTRY), QStringList{"Ctrl+L"});
  QCOMPARE(keysOf(ID_EDIT_COPY), (QStringList{"Ctrl+C", "Ctrl+Ins"}));
  QCOMPARE(keysOf(ID_EDIT_PASTE), (QStringList{"Ctrl+V", "Shift+Ins"}));
  QCOMPARE(keysOf(ID_EDIT_CUT), QStringList{"Shift+Del"});
  QCOMPARE(keysOf(ID_EDIT_UNDO), (QStringList{"Ctrl+Z", "Alt+Backspace"}));
  QCOMPARE(keysOf(ID_HELP), QStringList{"F1"});
  QCOMPARE(keysOf(ID_CONTEXT_HELP), QStringList{"Shift+F1"});
  QCOMPARE(keysOf(ID_NEXT_PANE), QStringList{"F6"});
  QCOMPARE(keysOf(ID_PREV_PANE), QStringList{"Shift+F6"});
  QCOMPARE(keysOf(ID_APP_EXIT), QStringList{"Ctrl+Q"});
  // No key is claimed twice.
  QSet<QString> seen;
  for (QAction* action : frame_->Router().Actions()) {
    for (const QKeySequence& key : action->shortcuts()) {
      QVERIFY2(!seen.contains(key.toString()), qPrintable(key.toString()));
      seen.insert(key.toString());
    }
  }
}

void MainFrameCommandsTest::toolBarHasFifteenButtonsInOrder() {
  const QList<QAction*> buttons = frame_->ToolBar()->actions();
  QStringList tips;
  QList<int> ids;
  for (QAction* action : buttons) {
    QVERIFY(!action->isSeparator());
    QVERIFY(!action->icon().isNull());
    tips.append(action->toolTip());
    ids.append(action->data().toInt());
  }
  QCOMPARE(ids, (QList<int>{57603, 57607, 32802, 32801, 32771, 32774, 32775, 32776, 32778, 32779,
                            32780, 32787, 32806, 57664, 57669}));
  QCOMPARE(tips,
           (QStringList{"Save", "Print", "Zoom in", "Zoom out", "Change Pilot Data", "New aircraft",
                        "Edit aircraft", "Delete aircraft", "New entry", "Edit entry",
                        "Delete entry", "Check Currency", "Aircraft Status", "About", "Help"}));
  QCOMPARE(frame_->ToolBar()->iconSize(), QSize(32, 32));
  for (QAction* action : buttons) QVERIFY(!action->whatsThis().isEmpty());
}

void MainFrameCommandsTest::promptsGoToTheStatusBar() {
  QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
  QCOMPARE(frame_->Router().Action(ID_FILE_OPEN)->statusTip(),
           QStringLiteral("Open an existing document"));
  QCOMPARE(frame_->Router().Action(ID_FILE_MRU_FILE1 + 2)->statusTip(),
           QStringLiteral("Open this document"));
  QCOMPARE(PromptString(ID_VIEW_DOUBLE_SIZE), QStringLiteral("Doubles the Display Size\nZ"));
  QVERIFY(PromptString(ID_VIEW_NIGHT_SUBTOTALS).isEmpty());
  // Hovering a menu item shows its prompt; leaving it brings the idle text back.
  frame_->Router().Action(ID_APP_EXIT)->showStatusText(frame_);
  QCOMPARE(frame_->statusBar()->currentMessage(),
           QStringLiteral("Quit the application; prompts to save documents"));
  frame_->statusBar()->clearMessage();
  QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
}

void MainFrameCommandsTest::enablingFollowsTheDocument() {
  CCommandRouter& router = frame_->Router();
  for (int id :
       {ID_EDIT_ENTRY, ID_DELETE_ENTRY, ID_EDIT_AIRCRAFT, ID_DELETE_AIRCRAFT, ID_EXPORT_LOGBOOK}) {
    QVERIFY(!router.Action(id)->isEnabled());
  }
  for (int id : {ID_NEW_ENTRY, ID_NEW_AIRCRAFT, ID_FILE_SAVE, ID_CHECK_CURRENCY, ID_APP_ABOUT,
                 ID_IMPORT_LOGBOOK}) {
    QVERIFY(router.Action(id)->isEnabled());
  }
  CAerodexDoc& doc = app_->Document();
  doc.AppendEntry(MakeFlight(2024, 5, 1));
  doc.UpdateAllViews();
  QVERIFY(router.Action(ID_EDIT_ENTRY)->isEnabled());
  QVERIFY(router.Action(ID_DELETE_ENTRY)->isEnabled());
  QVERIFY(router.Action(ID_EXPORT_LOGBOOK)->isEnabled());
  QVERIFY(!router.Action(ID_EDIT_AIRCRAFT)->isEnabled());
  doc.AppendAircraft(MakeAirplane("12345"));
  doc.UpdateAllViews();
  QVERIFY(router.Action(ID_EDIT_AIRCRAFT)->isEnabled());
  QVERIFY(router.Action(ID_DELETE_AIRCRAFT)->isEnabled());
  // A change made outside any command reaches the caption and the commands too.
  doc.SetModifiedFlag(false);
  QVERIFY(!frame_->isWindowModified());
  doc.DeleteContents();
  QVERIFY(!router.Action(ID_EDIT_ENTRY)->isEnabled());
  doc.SetModifiedFlag();
  QVERIFY(frame_->isWindowModified());
  frame_->Documents().NewDocument();
  QVERIFY(!router.Action(ID_EDIT_ENTRY)->isEnabled());
  QVERIFY(!router.Action(ID_DELETE_AIRCRAFT)->isEnabled());
}

void MainFrameCommandsTest::alwaysDisabledCommandsAndDeadKeys() {
  CCommandRouter& router = frame_->Router();
  app_->Document().AppendEntry(MakeFlight(2024, 5, 1));
  app_->Document().AppendAircraft(MakeAirplane("12345"));
  router.Update();
  for (int id : {ID_USAGE_PATTERNS, ID_VIEW_GROUP_BY_MAKE, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CUT,
                 ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE}) {
    QVERIFY2(!router.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(!router.Execute(id));
  }
  // Ctrl+C and friends change nothing.
  const auto before = app_->Document().EntryCount();
  QTest::keyClick(frame_, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(frame_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(frame_, Qt::Key_F6);
  QCOMPARE(app_->Document().EntryCount(), before);
}

void MainFrameCommandsTest::disabledCommandNeverRunsFromKeyMenuOrButton() {
  CCommandRouter& router = frame_->Router();
  int runs = 0;
  router.SetHandler(ID_DELETE_ENTRY,
                    {[&runs] { ++runs; }, [this] { return app_->Document().EntryCount() > 0; }});
  QTest::keyClick(frame_, Qt::Key_X, Qt::ControlModifier);
  router.Action(ID_DELETE_ENTRY)->trigger();
  auto* button = qobject_cast<QToolButton*>(
      frame_->ToolBar()->widgetForAction(router.Action(ID_DELETE_ENTRY)));
  QVERIFY(button);
  QVERIFY(!button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(runs, 0);

  app_->Document().AppendEntry(MakeFlight(2024, 5, 1));
  app_->Document().UpdateAllViews();
  QVERIFY(button->isEnabled());
  QTest::keyClick(frame_, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(runs, 1);
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(runs, 2);
}

void MainFrameCommandsTest::ticksFollowModeSizeAndNightSubtotals() {
  CCommandRouter& router = frame_->Router();
  const auto ticked = [&router](int id) { return router.Action(id)->isChecked(); };
  QVERIFY(ticked(ID_VIEW_ALL_ENTRIES) && !ticked(ID_VIEW_GROUP_BY_NNUMBER));
  QVERIFY(ticked(ID_VIEW_NORMAL_SIZE) && !ticked(ID_VIEW_EXPANDED_SIZE));
  QVERIFY(router.Execute(ID_VIEW_ANNUAL_SUMMARY));
  QCOMPARE(frame_->View().LogView().viewMode, 4);
  QVERIFY(ticked(ID_VIEW_ANNUAL_SUMMARY) && !ticked(ID_VIEW_ALL_ENTRIES));
  QVERIFY(router.Execute(ID_VIEW_GROUP_BY_NNUMBER));
  QVERIFY(ticked(ID_VIEW_GROUP_BY_NNUMBER) && !ticked(ID_VIEW_ANNUAL_SUMMARY));
  QVERIFY(router.Execute(ID_VIEW_EXPANDED_SIZE));
  QVERIFY(ticked(ID_VIEW_EXPANDED_SIZE) && !ticked(ID_VIEW_NORMAL_SIZE));
  QCOMPARE(app_->Document().zoomFactor, 4);
  // The tool-bar button shows the same state, pressed.
  auto* zoomIn = qobject_cast<QToolButton*>(
      frame_->ToolBar()->widgetForAction(router.Action(ID_VIEW_EXPANDED_SIZE)));
  QVERIFY(zoomIn->isChecked());
  // Choosing the size in force keeps it.
  router.Action(ID_VIEW_EXPANDED_SIZE)->trigger();
  QVERIFY(ticked(ID_VIEW_EXPANDED_SIZE));
  QCOMPARE(app_->Document().zoomFactor, 4);
  QVERIFY(!ticked(ID_VIEW_NIGHT_SUBTOTALS));
  router.Action(ID_VIEW_NIGHT_SUBTOTALS)->trigger();
  QVERIFY(ticked(ID_VIEW_NIGHT_SUBTOTALS));
  QCOMPARE(frame_->View().LogView().showNightSubtotals, 1);
  QVERIFY(router.Execute(ID_VIEW_NORMAL_SIZE));
  QVERIFY(router.Execute(ID_VIEW_ALL_ENTRIES));
  QVERIFY(router.Execute(ID_VIEW_NIGHT_SUBTOTALS));
}

void MainFrameCommandsTest::barsToggleWithTheirTicks() {
  CCommandRouter& router = frame_->Router();
  QVERIFY(router.Action(ID_VIEW_TOOLBAR)->isChecked());
  router.Action(ID_VIEW_TOOLBAR)->trigger();
  QVERIFY(frame_->ToolBar()->isHidden());
  QVERIFY(!router.Action(ID_VIEW_TOOLBAR)->isChecked());
  router.Action(ID_VIEW_STATUS_BAR)->trigger();
  QVERIFY(frame_->statusBar()->isHidden());
  QVERIFY(!router.Action(ID_VIEW_STATUS_BAR)->isChecked());
  router.Action(ID_VIEW_TOOLBAR)->trigger();
  router.Action(ID_VIEW_STATUS_BAR)->trigger();
  QVERIFY(!frame_->ToolBar()->isHidden() && !frame_->statusBar()->isHidden());
}

void MainFrameCommandsTest::theCommandsAskThroughTheFrameDialogs() {
  // The document's prompts reach the one seam, where a test sees and answers them.
  QVERIFY(frame_->Router().Execute(ID_CHECK_CURRENCY));
  QCOMPARE(dialogs_.errors,
           QStringList{QStringLiteral("Pilot information not initialized or aerodex not loaded!")});
}

QTEST_MAIN(MainFrameCommandsTest)
#include "main_frame_commands_test.moc"
