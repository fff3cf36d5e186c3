// SPDX-License-Identifier: GPL-3.0-or-later
// A look at the program as a user sees it: the main window over a real log
// at normal and expanded size, the open menus, the About box and a print
// preview page. Each picture is checked for what must be on it; with
// AERODEX_SCREENSHOT_DIR set the pictures are also written there as PNG.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/about_dialog.h"
#include "app/aerodex_app.h"
#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/dialogs/prompt_dialogs.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/print_controller.h"
#include "app_test_support.h"

using namespace aerodex;

namespace {

QString SamplePath() { return SampleLogPath(); }

void Keep(const QPixmap& picture, const QString& name) {
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The share of pixels that are not plain white or the desk grey.
double InkShare(const QImage& image) {
  long inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qGray(pixel) < 160) ++inked;
    }
  }
  return static_cast<double>(inked) / (static_cast<double>(image.width()) * image.height());
}

}  // namespace

class VisualTourTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void mainWindowAtBothSizes();
  void menusOpen();
  void aboutBox();
  void printPreviewPage();
  void promptsAndHelp();

 private:
  QTemporaryDir dir_;
  std::unique_ptr<CAerodexApp> app_;
};

void VisualTourTest::initTestCase() {
  QVERIFY(dir_.isValid());
  UseOwnUserFolders(dir_);
  CAerodexApp::Options options;
  options.settingsPath = dir_.filePath(QStringLiteral("aerodex.ini"));
  app_ = std::make_unique<CAerodexApp>(options);
  QVERIFY(app_->InitInstance({SamplePath()}));
  app_->MainFrame()->resize(1180, 760);
  QVERIFY(QTest::qWaitForWindowExposed(app_->MainFrame()));
}

void VisualTourTest::mainWindowAtBothSizes() {
  CMainFrame& frame = *app_->MainFrame();
  QTest::qWait(50);
  const QPixmap normal = frame.grab();
  Keep(normal, QStringLiteral("main_normal"));
  QVERIFY(InkShare(frame.View().viewport()->grab().toImage()) > 0.01);
  QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));

  QVERIFY(frame.Router().Execute(ID_VIEW_EXPANDED_SIZE));
  QTest::qWait(50);
  Keep(frame.grab(), QStringLiteral("main_expanded"));
  QVERIFY(InkShare(frame.View().viewport()->grab().toImage()) > 0.01);
  QVERIFY(frame.Router().Execute(ID_VIEW_NORMAL_SIZE));
}

void VisualTourTest::menusOpen() {
  CMainFrame& frame = *app_->MainFrame();
  const QList<QAction*> menus = frame.menuBar()->actions();
  for (int i = 0; i < menus.size(); ++i) {
    QMenu* menu = menus[i]->menu();
    menu->popup(frame.mapToGlobal(QPoint(10 + 60 * i, 30)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(!menu->grab().isNull());
    Keep(menu->grab(), QStringLiteral("menu_%1").arg(i));
    menu->hide();
  }
}

void VisualTourTest::aboutBox() {
  CAboutDlg about(app_->MainFrame());
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  Keep(about.grab(), QStringLiteral("about"));
  QCOMPARE(about.windowTitle(), QStringLiteral("About aerodex"));
  QVERIFY(about.findChild<QLabel*>(QStringLiteral("version"))->text() ==
          QStringLiteral("aerodex Version 2.2"));
}

void VisualTourTest::printPreviewPage() {
  CMainFrame& frame = *app_->MainFrame();
  std::unique_ptr<QPrintPreviewDialog> preview(frame.Printing().CreatePreviewDialog());
  preview->resize(1100, 800);
  preview->show();
  QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
  QTest::qWait(100);
  auto* widget = preview->findChild<QPrintPreviewWidget*>();
  QVERIFY(widget);
  QCOMPARE(widget->pageCount(), frame.View().LogView().PrintPageCount());
  Keep(preview->grab(), QStringLiteral("print_preview"));
}

void VisualTourTest::promptsAndHelp() {
  CMainFrame& frame = *app_->MainFrame();
  QSize errorSize;
  QTimer::singleShot(0, [&errorSize] {
    QWidget* prompt = QApplication::activeModalWidget();
    Keep(prompt->grab(), QStringLiteral("prompt_error"));
    errorSize = prompt->size();
    QTest::keyClick(prompt, Qt::Key_Escape);
  });
  ShowErrorPrompt(&frame, QStringLiteral("No hours for PIC/Dual. Assuming 1.3 hours"));
  QVERIFY(errorSize.width() > 200 && errorSize.height() > 60);
  QTimer::singleShot(0, [] {
    QWidget* prompt = QApplication::activeModalWidget();
    Keep(prompt->grab(), QStringLiteral("prompt_confirm"));
    QTest::keyClick(prompt, Qt::Key_Escape);
  });
  AskConfirmationPrompt(&frame, QStringLiteral("Do you really want to delete the entry dated "
                                               "10/7/2026? Deletion cannot be undone..."));
  frame.Router().Execute(ID_HELP_FINDER);
  CHelpWindow* help = frame.HelpWindow();
  QVERIFY(QTest::qWaitForWindowExposed(help));
  Keep(help->grab(), QStringLiteral("help"));
  help->close();
  // A prompt in the status bar while a command is pointed at.
  frame.Router().Action(ID_CHECK_CURRENCY)->showStatusText(&frame);
  Keep(frame.grab(), QStringLiteral("status_prompt"));
  QCOMPARE(frame.statusBar()->currentMessage(),
           QStringLiteral("Check for Night, IFR, and BFR Currency"));
  frame.statusBar()->clearMessage();
}

QTEST_MAIN(VisualTourTest)
#include "visual_tour_test.moc"
