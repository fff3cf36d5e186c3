// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt drawing surface: fonts, where text and lines land on the device,
// the y flip, the pens and the skipping of work outside the clip.
#include "app/surface/qt_surface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <vector>

#include "app/surface/qt_fonts.h"
#include "app/surface/surface_mapping.h"
#include "model/document.h"

using namespace aerodex;

namespace {

// The document's fonts and pen as a fresh run creates them.
const CAerodexDoc& Doc() {
  static CAerodexDoc* doc = [] {
    auto* d = new CAerodexDoc;
    d->OnNewDocument();
    return d;
  }();
  return *doc;
}

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// One device pixel per logical unit, logical (0, 0) at the image's top-left.
CSurfaceMapping UnitMapping() { return CSurfaceMapping::HighEnglish(1000, 1000); }

bool IsInk(QRgb pixel) { return qGray(pixel) < 160; }

QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsInk(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Rows of ink across a vertical line through x: the band's first row and height.
std::pair<int, int> InkBand(const QImage& image, int x) {
  int first = -1, count = 0;
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixel(x, y) != qRgb(255, 255, 255)) {
      if (first < 0) first = y;
      ++count;
    }
  }
  return {first, count};
}

// A paint device that draws nothing and counts what reaches its engine.
class CountingEngine final : public QPaintEngine {
 public:
  CountingEngine() : QPaintEngine(AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++calls; }
  void drawLines(const QLineF*, int count) override { calls += count; }
  void drawRects(const QRectF*, int count) override { calls += count; }
  void drawPath(const QPainterPath&) override { ++calls; }
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++calls; }
  void drawTextItem(const QPointF&, const QTextItem& item) override {
    ++calls;
    texts.push_back(item.text());
  }
  Type type() const override { return User; }
  int calls = 0;
  QStringList texts;
};

class CountingDevice final : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable CountingEngine engine;

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return 1000;
      case PdmHeight:
        return 1000;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      case PdmDepth:
        return 32;
      default:
        return 1000;
    }
  }
};

}  // namespace

class QtSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void fontsResolveToMetricCompatibleFaces();
  void textTopLeftCornerLandsOnTheMappedPoint();
  void slantedTextRisesToTheRightFromItsCorner();
  void yAxisPointsUpAndScrollMovesTheOrigin();
  void pensHaveTheirWidthAndColour();
  void fillCoversItsRectangleOnly();
  void textIsConvertedFromWindows1252();
  void operationsOutsideTheClipAreSkipped();
  void mappingFollowsExtentsAndPrintedPages();
};

void QtSurfaceTest::fontsResolveToMetricCompatibleFaces() {
  const CQtFont row = ResolveQtFont(Doc().rowFont);
  QCOMPARE(QFontInfo(row.font).family(), QString("Liberation Mono"));
  // Courier's cell is 0.6 em: 60 units at em height 100, 48 at 80.
  QCOMPARE(QFontMetricsF(row.font).horizontalAdvance('M') * row.unitsPerPixel, 60.0);
  QCOMPARE(QFontMetricsF(row.font).horizontalAdvance("07-12-1998") * row.unitsPerPixel, 600.0);
  const CQtFont small = ResolveQtFont(Doc().smallRowFont);
  QCOMPARE(QFontMetricsF(small.font).horizontalAdvance('0') * small.unitsPerPixel, 48.0);
  QCOMPARE(small.emHeight, 80.0);

  const CQtFont heading = ResolveQtFont(Doc().headingFont);
  QCOMPARE(QFontInfo(heading.font).family(), QString("Liberation Serif"));
  QVERIFY(QFontInfo(heading.font).bold());
  QCOMPARE(heading.emHeight, 100.0);

  // The slanted font is given by its cell height: ascent plus descent is 150.
  const CQtFont slanted = ResolveQtFont(Doc().slantedHeadingFont);
  QCOMPARE(QFontInfo(slanted.font).family(), QString("Liberation Serif"));
  QVERIFY(std::abs(slanted.CellHeight() - 150.0) < 1.0);
  QVERIFY(slanted.emHeight < 140.0 && slanted.emHeight > 130.0);
  QCOMPARE(slanted.rotation, -67.5);
}

void QtSurfaceTest::textTopLeftCornerLandsOnTheMappedPoint() {
  QImage image = WhiteImage(600, 300);
  const CQtFont font = ResolveQtFont(Doc().rowFont);
  {
    QPainter painter(&image);
    CQtSurface surface(painter, UnitMapping(), SurfaceKind::kScreen);
    surface.SelectFont(&Doc().rowFont);
    surface.SetBackgroundMode(BackgroundMode::kTransparent);
    surface.TextOut(200, -100, "L");
  }
  // The glyph's ink, placed from the cell's top-left corner at device (200, 100).
  const QRectF glyph = QFontMetricsF(font.font).tightBoundingRect("L");
  const double k = font.unitsPerPixel;
  const QRectF expected(200 + glyph.left() * k, 100 + font.ascent + glyph.top() * k,
                        glyph.width() * k, glyph.height() * k);
  const QRect ink = InkBox(image);
  QVERIFY2(std::abs(ink.left() - expected.left()) <= 1.5, qPrintable(QString::number(ink.left())));
  QVERIFY2(std::abs(ink.top() - expected.top()) <= 1.5, qPrintable(QString::number(ink.top())));
  QVERIFY(std::abs(ink.bottom() + 1 - expected.bottom()) <= 1.5);
  // Upright, not mirrored by the y flip: the L's foot is at the bottom.
  const auto [footTop, footRows] = InkBand(image, ink.right() - 1);
  QVERIFY(footTop > ink.center().y());
  QVERIFY(footRows < ink.height() / 3);
}

void QtSurfaceTest::slantedTextRisesToTheRightFromItsCorner() {
  QImage image = WhiteImage(700, 1100);
  {
    QPainter painter(&image);
    CQtSurface surface(painter, UnitMapping(), SurfaceKind::kScreen);
    surface.SelectFont(&Doc().slantedHeadingFont);
    surface.SetBackgroundMode(BackgroundMode::kTransparent);
    surface.TextOut(150, -1000, "HHHHHHHHHHHH");
  }
  // The principal axis of the ink is the base line's direction.
  double sx = 0, sy = 0, n = 0;
  std::vector<QPoint> ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsInk(image.pixel(x, y))) ink.push_back({x, y}), sx += x, sy += y, ++n;
    }
  }
  QVERIFY(n > 1000);
  const double mx = sx / n, my = sy / n;
  double cxx = 0, cyy = 0, cxy = 0;
  for (const QPoint& p : ink) {
    cxx += (p.x() - mx) * (p.x() - mx);
    cyy += (p.y() - my) * (p.y() - my);
    cxy += (p.x() - mx) * (p.y() - my);
  }
  // Angle above the horizontal, y up on the page.
  const double axis = 0.5 * std::atan2(2 * cxy, cxx - cyy);
  const double rising = -axis * 180.0 / std::numbers::pi;
  QVERIFY2(std::abs(rising - 67.5) < 1.0, qPrintable(QString::number(rising)));
  // Every ink pixel lies after the corner along the base line and below it
  // across the line, within one cell: the corner is the text's top-left.
  const double a = 67.5 * std::numbers::pi / 180.0;
  const QPointF along(std::cos(a), -std::sin(a)), down(std::sin(a), std::cos(a));
  for (const QPoint& p : ink) {
    const QPointF d(p.x() + 0.5 - 150, p.y() + 0.5 - 1000);
    const double u = d.x() * along.x() + d.y() * along.y();
    const double v = d.x() * down.x() + d.y() * down.y();
    QVERIFY(u > -2.0);
    QVERIFY(v > -2.0 && v < 152.0);
  }
}

void QtSurfaceTest::yAxisPointsUpAndScrollMovesTheOrigin() {
  QImage image = WhiteImage(200, 200);
  {
    QPainter painter(&image);
    // 0.1 pixel per unit, scrolled so that view y -500 is the top row.
    CQtSurface surface(painter, CSurfaceMapping::HighEnglish(100, 100, QPointF(0, -500)),
                       SurfaceKind::kScreen);
    surface.MoveTo(0, -1000);  // 500 units below the top: row 50
    surface.LineTo(1000, -1000);
    surface.MoveTo(0, -700);  // higher on the page, higher in the image: row 20
    surface.LineTo(1000, -700);
  }
  QCOMPARE(InkBand(image, 50), std::make_pair(20, 2));
  QCOMPARE(image.pixel(50, 50), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(50, 20), qRgb(0, 0, 0));
}

void QtSurfaceTest::pensHaveTheirWidthAndColour() {
  QImage image = WhiteImage(400, 200);
  {
    QPainter painter(&image);
    CQtSurface surface(painter, UnitMapping(), SurfaceKind::kScreen);
    surface.MoveTo(10, -50);
    surface.LineTo(100, -50);  // default pen
    const CPenDesc* before = surface.SelectPen(&Doc().totalsPen);
    QCOMPARE(before, nullptr);
    surface.MoveTo(200, -100);
    surface.LineTo(390, -100);
    QCOMPARE(surface.SelectPen(before), &Doc().totalsPen);
    surface.MoveTo(200, -150);
    surface.LineTo(390, -150);  // back to the default pen
  }
  QCOMPARE(InkBand(image, 50), std::make_pair(50, 1));
  QCOMPARE(image.pixel(50, 50), qRgb(0, 0, 0));
  const auto [top, rows] = InkBand(image, 300);
  QVERIFY2(rows >= 20 && rows <= 24, qPrintable(QString::number(rows)));  // 20 units + smoothing
  QCOMPARE(image.pixel(300, 100), qRgb(0, 0, 230));
  QVERIFY(top >= 88 && top <= 90);
  QCOMPARE(image.pixel(300, 150), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(300, 151), qRgb(255, 255, 255));
}

void QtSurfaceTest::fillCoversItsRectangleOnly() {
  QImage image = WhiteImage(300, 300);
  {
    QPainter painter(&image);
    CQtSurface surface(painter, UnitMapping(), SurfaceKind::kScreen);
    surface.FillSolidRect(0, -100, 200, -150, {255, 255, 0});
  }
  QCOMPARE(image.pixel(100, 125), qRgb(255, 255, 0));
  QCOMPARE(image.pixel(0, 100), qRgb(255, 255, 0));
  QCOMPARE(image.pixel(100, 95), qRgb(255, 255, 255));
  QCOMPARE(image.pixel(100, 155), qRgb(255, 255, 255));
  QCOMPARE(image.pixel(205, 125), qRgb(255, 255, 255));
}

void QtSurfaceTest::textIsConvertedFromWindows1252() {
  CountingDevice device;
  {
    QPainter painter(&device);
    CQtSurface surface(painter, CSurfaceMapping::HighEnglish(96, 96), SurfaceKind::kScreen);
    surface.SelectFont(&Doc().rowFont);
    surface.TextOut(100, -100, "Caf\xE9 \x80 5\xB0");
  }
  QCOMPARE(device.engine.texts, QStringList{QString::fromUtf8("Café € 5°")});
}

void QtSurfaceTest::operationsOutsideTheClipAreSkipped() {
  CountingDevice device;
  QPainter painter(&device);
  CQtSurface surface(painter, UnitMapping(), SurfaceKind::kScreen);
  surface.SetClipRect(QRectF(1000, 1000, 500, 500));  // logical x 1000..1500, y -1000..-1500
  surface.SelectFont(&Doc().rowFont);
  surface.SetBackgroundMode(BackgroundMode::kTransparent);
  // Outside: beside, above and below; a row's text and rules far away.
  surface.TextOut(0, -1200, "left of the clip");  // 16 × 60 ends at 960
  surface.TextOut(1200, -800, "above");           // cell ends 113 units lower
  surface.TextOut(1200, -1600, "below");
  surface.MoveTo(0, -5000);
  surface.LineTo(9500, -5000);
  surface.LineTo(9500, -200);  // a vertical rule right of the clip
  surface.FillSolidRect(0, -1600, 9500, -1800, {255, 255, 0});
  surface.SelectFont(&Doc().slantedHeadingFont);
  surface.TextOut(1600, -1200, "Night");  // starts right of the clip and rises away
  QCOMPARE(device.engine.calls, 0);

  // Inside or crossing it: each is drawn.
  surface.SelectFont(&Doc().rowFont);
  surface.TextOut(900, -1200, "crossing the left edge");
  surface.MoveTo(0, -1250);
  surface.LineTo(9500, -1250);
  surface.FillSolidRect(0, -1450, 9500, -1550, {255, 255, 0});
  QCOMPARE(device.engine.calls, 3);
  // A slanted heading anchored below the clip whose text rises into it.
  surface.SelectFont(&Doc().slantedHeadingFont);
  surface.TextOut(1100, -1700, "Simulated IMC");
  QCOMPARE(device.engine.calls, 4);
}

void QtSurfaceTest::mappingFollowsExtentsAndPrintedPages() {
  // The screen at expanded size: the size factor doubles the viewport.
  const CSurfaceMapping screen = CSurfaceMapping::HighEnglish(96, 96, QPointF(0, -2000));
  QCOMPARE(screen.ToPainter(0, -2000), QPointF(0, 0));
  const CSurfaceMapping expanded = screen.WithExtents({1000, 1000}, {192, -192});
  QCOMPARE(expanded.ToPainter(1000, -2000), QPointF(192, 192));
  QCOMPARE(expanded.WithExtents({0, 0}, {5, 5}).scaleX, expanded.scaleX);
  // A printed page n: its top, y = -(n - 1) × 8500, is the sheet's top.
  const CSurfaceMapping page3 = CSurfaceMapping::PrinterPage(600, 600, 17000);
  QCOMPARE(page3.ToPainter(0, -17000), QPointF(0, 0));
  QCOMPARE(page3.ToPainter(11000, -25500), QPointF(6600, 5100));
  const QRectF logical = page3.ToLogical(QRectF(0, 0, 6600, 5100));
  QCOMPARE(logical, QRectF(QPointF(0, -25500), QPointF(11000, -17000)));
}

QTEST_MAIN(QtSurfaceTest)
#include "qt_surface_test.moc"
