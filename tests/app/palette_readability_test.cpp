// SPDX-License-Identifier: GPL-3.0-or-later
// The tool-bar pictures, the program's icons and the guide read on a light
// and on a dark palette; the desktop theme's icon is taken where it has one.
// With AERODEX_SCREENSHOT_DIR set, the main window and the guide under the
// dark palette are written there as PNG.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/aerodex_app.h"
#include "app/command_ids.h"
#include "app/command_router.h"
#include "app/command_table.h"
#include "app/help_window.h"
#include "app/ink_icon_engine.h"
#include "app/main_frame.h"
#include "app/toolbar_icons.h"
#include "app_test_support.h"

using namespace aerodex;

namespace {

QPalette LightPalette() {
  QPalette palette(QColor(0xef, 0xef, 0xef));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));
  return palette;
}

// Dark as Breeze Dark and the usual Fusion recipes are, except that the
// link colour is left at Qt's dark blue, as careless palettes leave it.
QPalette DarkPalette() {
  QPalette palette(QColor(0x35, 0x35, 0x35));
  palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  palette.setColor(QPalette::AlternateBase, QColor(0x2d, 0x2d, 0x2d));
  palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));
  return palette;
}

double Luminance(QColor colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The share of the picture, laid on the background, that stands out from it
// by a contrast of at least 3 (what a line needs to be seen).
double ClearShare(const QImage& picture, QColor background) {
  QImage laid(picture.size(), QImage::Format_RGB32);
  laid.fill(background);
  QPainter(&laid).drawImage(0, 0, picture);
  int clear = 0;
  for (int y = 0; y < laid.height(); ++y) {
    for (int x = 0; x < laid.width(); ++x) {
      if (Contrast(laid.pixelColor(x, y), background) >= 3.0) ++clear;
    }
  }
  return static_cast<double>(clear) / (laid.width() * laid.height());
}

void Keep(const QPixmap& picture, const QString& name) {
  const QString dir = qEnvironmentVariable("AERODEX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A desktop theme that has a save icon and nothing else, painted magenta.
void InstallSaveOnlyTheme(const QTemporaryDir& dir) {
  QDir(dir.path()).mkpath(QStringLiteral("saveonly/32x32/actions"));
  WriteBytes(dir.filePath(QStringLiteral("saveonly/index.theme")),
             "[Icon Theme]\nName=saveonly\nDirectories=32x32/actions\n\n"
             "[32x32/actions]\nSize=32\nType=Fixed\n");
  QImage save(32, 32, QImage::Format_RGB32);
  save.fill(Qt::magenta);
  save.save(dir.filePath(QStringLiteral("saveonly/32x32/actions/document-save.png")));
  QIcon::setThemeSearchPaths({dir.path()});
  QIcon::setThemeName(QStringLiteral("saveonly"));
}

}  // namespace

class PaletteReadabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void toolBarPicturesReadOnBothPalettes();
  void programAndDocumentIconsReadOnBothBackgrounds();
  void themeIconComesFirst();
  void guideReadsOnBothPalettes();
  void windowFollowsAPaletteChange();
};

void PaletteReadabilityTest::cleanup() {
  QApplication::setPalette(LightPalette());
  QIcon::setThemeName(QString());
}

void PaletteReadabilityTest::toolBarPicturesReadOnBothPalettes() {
  for (const QPalette& palette : {LightPalette(), DarkPalette()}) {
    QApplication::setPalette(palette);
    const QColor background = palette.color(QPalette::Window);
    for (int id : ToolBarButtons()) {
      for (const QString& layer : CommandIconLayers(id)) {
        QVERIFY2(QSvgRenderer(layer).isValid(), qPrintable(layer));
      }
      const QImage picture = BundledCommandIcon(id).pixmap(QSize(48, 48)).toImage();
      const double share = ClearShare(picture, background);
      QVERIFY2(
          share >= 0.08,
          qPrintable(
              QStringLiteral("command %1 on %2: %3").arg(id).arg(background.name()).arg(share)));
    }
  }
}

void PaletteReadabilityTest::programAndDocumentIconsReadOnBothBackgrounds() {
  for (const char* name : {"aerodex", "application-x-aerodex"}) {
    const QString path = qEnvironmentVariable("AERODEX_SOURCE_DIR") +
                         QStringLiteral("/resources/icons/%1.svg").arg(QLatin1String(name));
    const QImage picture = CInkIconEngine::Render({path}, QSize(64, 64), QColor());
    for (QColor background : {QColor(Qt::white), QColor(0x2b, 0x2b, 0x2b)}) {
      const double share = ClearShare(picture, background);
      QVERIFY2(share >= 0.15, qPrintable(QStringLiteral("%1 on %2: %3")
                                             .arg(QLatin1String(name), background.name())
                                             .arg(share)));
    }
  }
  QVERIFY(!ProgramIcon().pixmap(QSize(16, 16)).toImage().isNull());
}

void PaletteReadabilityTest::themeIconComesFirst() {
  QTemporaryDir themes;
  InstallSaveOnlyTheme(themes);
  const auto centre = [](int id) {
    return CommandIcon(id).pixmap(QSize(32, 32)).toImage().pixelColor(16, 16);
  };
  QCOMPARE(centre(ID_FILE_SAVE), QColor(Qt::magenta));
  QVERIFY(centre(ID_FILE_PRINT) != QColor(Qt::magenta));
  QVERIFY(!CommandIcon(ID_FILE_PRINT).isNull());
  QVERIFY(CommandIcon(ID_APP_EXIT).isNull());
}

// Every run of text in the guide against what it is drawn on: its own
// background, its table cell's, or the browser's base.
void PaletteReadabilityTest::guideReadsOnBothPalettes() {
  for (const QPalette& palette : {LightPalette(), DarkPalette()}) {
    QApplication::setPalette(palette);
    CHelpWindow help;
    help.ShowTopic();
    QTextDocument* document = help.Browser()->document();
    int runs = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
      QTextCursor at(block);
      const QTextTable* table = at.currentTable();
      const QBrush cell = table ? table->cellAt(at).format().background() : QBrush();
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        const QBrush ground = format.background().style() != Qt::NoBrush ? format.background()
                              : block.blockFormat().background().style() != Qt::NoBrush
                                  ? block.blockFormat().background()
                                  : cell;
        const QColor back =
            ground.style() != Qt::NoBrush ? ground.color() : palette.color(QPalette::Base);
        const QColor fore = format.foreground().style() != Qt::NoBrush
                                ? format.foreground().color()
                                : palette.color(QPalette::Text);
        ++runs;
        QVERIFY2(Contrast(fore, back) >= 4.5,
                 qPrintable(it.fragment().text().left(40) + QStringLiteral(": ") + fore.name() +
                            QStringLiteral(" on ") + back.name()));
      }
    }
    QVERIFY(runs > 100);
    if (palette.color(QPalette::Window) == DarkPalette().color(QPalette::Window)) {
      help.resize(720, 640);
      help.Browser()->scrollToAnchor(QStringLiteral("views"));
      Keep(help.grab(), QStringLiteral("dark_help"));
    }
  }
}

// The window is built on a light palette and the desktop turns dark: the
// bundled pictures on the tool bar redraw in the new ink.
void PaletteReadabilityTest::windowFollowsAPaletteChange() {
  QTemporaryDir dir;
  ScriptedFrameDialogs dialogs;
  auto app = MakeApp(dir, &dialogs);
  QVERIFY(app->InitInstance({SampleLogPath()}));
  CMainFrame* frame = app->MainFrame();
  frame->resize(1180, 760);
  frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  QApplication::setPalette(DarkPalette());
  QApplication::processEvents();
  const QColor background = frame->ToolBar()->palette().color(QPalette::Window);
  for (int id : {ID_FILE_PRINT, ID_VIEW_EXPANDED_SIZE, ID_AIRCRAFT_STATUS, ID_CONTEXT_HELP}) {
    QWidget* button = frame->ToolBar()->widgetForAction(frame->Router().Action(id));
    QVERIFY(button != nullptr);
    QVERIFY2(ClearShare(button->grab().toImage(), background) >= 0.05,
             qPrintable(QString::number(id)));
  }
  Keep(frame->grab(), QStringLiteral("dark_main_window"));
}

QTEST_MAIN(PaletteReadabilityTest)
#include "palette_readability_test.moc"
