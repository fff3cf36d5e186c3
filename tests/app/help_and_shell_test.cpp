// SPDX-License-Identifier: GPL-3.0-or-later
// Help, About and the desktop around the program: F1 and Help Topics open
// the bundled guide, Shift+F1 enters What's This mode, About shows the
// version, a dropped log opens as if chosen with Open, the keyboard
// indicators answer, and the desktop files describe the .adx type.
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/aerodex_view.h"
#include "app/command_ids.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/status_indicators.h"
#include "app_test_support.h"

using namespace aerodex;

class HelpAndShellTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void f1OpensTheGuide();
  void shiftF1EntersWhatsThisMode();
  void aboutBoxShowsTheVersion();
  void droppedLogOpens();
  void indicatorsShowTheLocks();
  void desktopFilesDescribeTheLogType();

 private:
  QTemporaryDir dir_;
  ScriptedFrameDialogs dialogs_;
  std::unique_ptr<CAerodexApp> app_;
};

void HelpAndShellTest::init() {
  app_ = MakeApp(dir_, &dialogs_);
  QVERIFY(app_->InitInstance({}));
  app_->MainFrame()->show();
  QVERIFY(QTest::qWaitForWindowActive(app_->MainFrame()));
}

void HelpAndShellTest::cleanup() { app_.reset(); }

void HelpAndShellTest::f1OpensTheGuide() {
  QTest::keyClick(app_->MainFrame(), Qt::Key_F1);
  CHelpWindow* help = app_->MainFrame()->HelpWindow();
  QVERIFY(help);
  QVERIFY(help->isVisible());
  const QString guide = help->Browser()->toPlainText();
  for (const char* topic :
       {"Keeping the log", "Reading the log", "currency check", "Aircraft maintenance",
        "Importing the old Unix log", "Files, saving"}) {
    QVERIFY2(guide.contains(QString::fromLatin1(topic)), topic);
  }
  help->close();
  QVERIFY(app_->MainFrame()->Router().Execute(ID_HELP_FINDER));
  QVERIFY(help->isVisible());
  QCOMPARE(app_->MainFrame()->HelpWindow(), help);  // one help window
}

void HelpAndShellTest::shiftF1EntersWhatsThisMode() {
  QVERIFY(!QWhatsThis::inWhatsThisMode());
  QTest::keyClick(app_->MainFrame(), Qt::Key_F1, Qt::ShiftModifier);
  QVERIFY(QWhatsThis::inWhatsThisMode());
  QWhatsThis::leaveWhatsThisMode();
  QVERIFY(!app_->MainFrame()->View().whatsThis().isEmpty());
}

void HelpAndShellTest::aboutBoxShowsTheVersion() {
  QString title;
  QString version;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    QVERIFY(box);
    title = box->windowTitle();
    version = box->findChild<QLabel*>(QStringLiteral("version"))->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  QVERIFY(app_->MainFrame()->Router().Execute(ID_APP_ABOUT));
  QCOMPARE(title, QStringLiteral("About aerodex"));
  QCOMPARE(version, QStringLiteral("aerodex Version 2.2"));
}

void HelpAndShellTest::droppedLogOpens() {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("notes.txt"))),
                QUrl::fromLocalFile(SampleLogPath())});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(app_->MainFrame(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(app_->MainFrame(), &drop);
  QVERIFY(app_->Document().EntryCount() > 0);
  QCOMPARE(ShownCaption(app_->MainFrame()), QStringLiteral("sample.adx - aerodex"));

  QMimeData text;
  text.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("notes.txt")))});
  QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QApplication::sendEvent(app_->MainFrame(), &refused);
  QVERIFY(!refused.isAccepted());
}

void HelpAndShellTest::indicatorsShowTheLocks() {
  CStatusIndicators& indicators = app_->MainFrame()->Indicators();
  QStringList names;
  for (QLabel* pane : indicators.Panes()) names.append(pane->text());
  QCOMPARE(names, (QStringList{"CAP", "NUM", "SCRL"}));
  indicators.Show({true, false, true});
  QVERIFY(indicators.Panes()[0]->isEnabled());
  QVERIFY(!indicators.Panes()[1]->isEnabled());
  QVERIFY(indicators.Panes()[2]->isEnabled());
  QCOMPARE(app_->MainFrame()->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
}

void HelpAndShellTest::desktopFilesDescribeTheLogType() {
  const QString resources =
      qEnvironmentVariable("AERODEX_SOURCE_DIR") + QStringLiteral("/resources/");
  const QString desktop = ReadText(resources + QStringLiteral("aerodex.desktop"));
  QVERIFY(desktop.contains(QStringLiteral("Exec=aerodex %f")));
  QVERIFY(desktop.contains(QStringLiteral("MimeType=application/x-aerodex;")));
  QVERIFY(desktop.contains(QStringLiteral("Icon=aerodex")));
  const QString mime = ReadText(resources + QStringLiteral("aerodex-mime.xml"));
  QVERIFY(mime.contains(QStringLiteral("<mime-type type=\"application/x-aerodex\">")));
  QVERIFY(mime.contains(QStringLiteral("<comment>Aerodex Document</comment>")));
  QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.adx\"/>")));
  for (const char* icon : {"aerodex", "application-x-aerodex"}) {
    QSvgRenderer drawing(resources + QStringLiteral("icons/%1.svg").arg(QLatin1String(icon)));
    QVERIFY(drawing.isValid());
    QCOMPARE(drawing.viewBox().width(), drawing.viewBox().height());
  }
}

QTEST_MAIN(HelpAndShellTest)
#include "help_and_shell_test.moc"
