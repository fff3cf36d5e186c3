// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface/qt_surface.h"

#include <QImage>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>

#include "model/codepage.h"

namespace aerodex {
namespace {

QColor ToQColor(CColor color) { return QColor(color.r, color.g, color.b); }

// Room around every bound, in device units, for antialiasing and rounding.
constexpr double kDeviceSlack = 2.0;

QRectF DeviceRect(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (device == nullptr) return {};
  if (device->devType() == QInternal::Image) {
    return QRectF(QPointF(0, 0), static_cast<const QImage*>(device)->deviceIndependentSize());
  }
  return QRectF(0, 0, device->width(), device->height());
}

// Far beyond any page, and safe to convert: a degenerate mapping cannot overflow.
constexpr double kFarAway = 1e15;
long long Floor(double v) {
  return static_cast<long long>(std::floor(std::clamp(v, -kFarAway, kFarAway)));
}
long long Ceil(double v) {
  return static_cast<long long>(std::ceil(std::clamp(v, -kFarAway, kFarAway)));
}

}  // namespace

CQtSurface::CQtSurface(QPainter& painter, const CSurfaceMapping& mapping, SurfaceKind kind)
    : painter_(painter), mapping_(mapping), kind_(kind) {
  painter_.save();
  base_ = painter_.worldTransform();
  painter_.setBrush(Qt::NoBrush);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  UsePenForLines();
  const QRectF device = DeviceRect(painter_);
  clipRect_ =
      painter_.hasClipping() ? painter_.clipBoundingRect() : base_.inverted().mapRect(device);
  UpdateLogicalClip();
}

CQtSurface::~CQtSurface() { painter_.restore(); }

void CQtSurface::SetMapping(const CSurfaceMapping& mapping) {
  mapping_ = mapping;
  UpdateLogicalClip();
  if (!painterPenIsText_) UsePenForLines();  // a wide pen's width follows the scale
}

void CQtSurface::SetExtents(CExtent window, CExtent viewport) {
  SetMapping(mapping_.WithExtents(window, viewport));
}

void CQtSurface::SetClipRect(const QRectF& painterRect) {
  clipRect_ = painterRect;
  UpdateLogicalClip();
}

void CQtSurface::UpdateLogicalClip() {
  const QRectF logical = mapping_.ToLogical(clipRect_);
  const double slack = kDeviceSlack / std::max(1e-9, DeviceUnitsPerLogical());
  clip_ = {Floor(logical.left() - slack), Floor(logical.top() - slack),
           Ceil(logical.right() + slack), Ceil(logical.bottom() + slack)};
}

double CQtSurface::DeviceUnitsPerLogical() const {
  return (std::abs(mapping_.scaleX) + std::abs(mapping_.scaleY)) / 2.0;
}

CBand CQtSurface::VisibleBand() const {
  const auto toInt = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
  };
  return {toInt(clip_.bottom), toInt(clip_.top)};
}

bool CQtSurface::Visible(const LogicalBox& box) const {
  return box.right >= clip_.left && box.left <= clip_.right && box.top >= clip_.bottom &&
         box.bottom <= clip_.top;
}

const CFontDesc* CQtSurface::SelectFont(const CFontDesc* font) {
  const CFontDesc* previous = fontDesc_;
  if (font != fontDesc_) {
    fontDesc_ = font;
    font_ = nullptr;  // resolved when text is drawn
  }
  return previous;
}

const CQtFont& CQtSurface::CurrentFont() {
  if (font_ != nullptr) return *font_;
  const CFontDesc* desc = fontDesc_ != nullptr ? fontDesc_ : &DefaultSurfaceFont();
  for (const FontSlot& slot : fonts_) {
    if (slot.desc == desc) return *(font_ = &slot.font);
  }
  fonts_.push_back({desc, ResolveQtFont(*desc)});
  return *(font_ = &fonts_.back().font);
}

const CPenDesc* CQtSurface::SelectPen(const CPenDesc* pen) {
  const CPenDesc* previous = penDesc_;
  penDesc_ = pen;
  if (!painterPenIsText_) UsePenForLines();
  return previous;
}

QPen CQtSurface::LinePen() const {
  if (penDesc_ == nullptr || penDesc_->width <= 0) {
    const QColor color = penDesc_ != nullptr ? ToQColor(penDesc_->color) : QColor(Qt::black);
    QPen pen(color, 0);  // cosmetic: the thinnest line the device draws
    pen.setCosmetic(true);
    return pen;
  }
  return QPen(ToQColor(penDesc_->color), penDesc_->width * DeviceUnitsPerLogical(), Qt::SolidLine,
              Qt::RoundCap, Qt::RoundJoin);
}

void CQtSurface::UsePenForLines() {
  const QPen pen = LinePen();
  painter_.setPen(pen);
  // Hairline rules stay crisp; a wide pen is smoothed.
  painter_.setRenderHint(QPainter::Antialiasing, pen.widthF() > 0);
  painterPenIsText_ = false;
}

void CQtSurface::UsePenForText() {
  if (painterPenIsText_ && painter_.pen().color() == textColor_) return;
  painter_.setPen(QPen(textColor_));
  painterPenIsText_ = true;
}

void CQtSurface::SetTextColor(CColor color) { textColor_ = ToQColor(color); }

void CQtSurface::SetBackgroundMode(BackgroundMode mode) {
  opaqueText_ = mode == BackgroundMode::kOpaque;
}

void CQtSurface::SetTextAlign(TextAlign) {
  // Left/top is the only alignment the log uses, and TextOut always applies it.
}

CQtSurface::LogicalBox CQtSurface::TextBox(const CQtFont& font, int x, int y,
                                           std::size_t length) const {
  if (font.sine == 0) {
    return {x, y - font.boundCell, x + font.boundAdvance * static_cast<long long>(length), y};
  }
  const double width = font.maxAdvance * static_cast<double>(length);
  const double height = font.CellHeight();
  // The cell turned about its top-left corner.
  const double c = font.cosine, s = font.sine;
  const double xs[4] = {0, width * c, height * s, width * c + height * s};
  const double ys[4] = {0, width * s, -height * c, width * s - height * c};
  const auto [minX, maxX] = std::minmax_element(xs, xs + 4);
  const auto [minY, maxY] = std::minmax_element(ys, ys + 4);
  return {Floor(x + *minX), Floor(y + *minY), Ceil(x + *maxX), Ceil(y + *maxY)};
}

void CQtSurface::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  const CQtFont& font = CurrentFont();
  if (font.emHeight <= 0 || !Visible(TextBox(font, x, y, text.size()))) return;
  const QString utf16 = QString::fromStdString(Cp1252ToUtf8(text));
  const QPointF at = mapping_.ToPainter(x, y);
  QTransform local;
  local.translate(at.x(), at.y());
  local.rotate(font.rotation);
  local.scale(std::abs(mapping_.scaleX) * font.unitsPerPixel,
              std::abs(mapping_.scaleY) * font.unitsPerPixel);
  painter_.setTransform(local * base_);
  if (painterFont_ != &font.font) {
    painter_.setFont(font.font);
    painterFont_ = &font.font;
  }
  const double ascentPixels = font.ascent / font.unitsPerPixel;
  if (opaqueText_) {
    const double advance = painter_.fontMetrics().horizontalAdvance(utf16);
    painter_.fillRect(QRectF(0, 0, advance, font.CellHeight() / font.unitsPerPixel), Qt::white);
  }
  UsePenForText();
  painter_.drawText(QPointF(0, ascentPixels), utf16);
  painter_.setTransform(base_);
}

void CQtSurface::MoveTo(int x, int y) {
  curX_ = x;
  curY_ = y;
}

void CQtSurface::LineTo(int x, int y) {
  const long long halfPen = penDesc_ != nullptr ? penDesc_->width / 2 + 1 : 0;
  const LogicalBox box{
      std::min<long long>(curX_, x) - halfPen, std::min<long long>(curY_, y) - halfPen,
      std::max<long long>(curX_, x) + halfPen, std::max<long long>(curY_, y) + halfPen};
  if (Visible(box)) {
    if (painterPenIsText_) UsePenForLines();
    painter_.drawLine(mapping_.ToPainter(static_cast<double>(curX_), static_cast<double>(curY_)),
                      mapping_.ToPainter(x, y));
  }
  curX_ = x;
  curY_ = y;
}

void CQtSurface::FillSolidRect(int left, int top, int right, int bottom, CColor color) {
  const LogicalBox box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                       std::max(top, bottom)};
  if (!Visible(box)) return;
  const QRectF rect(mapping_.ToPainter(left, top), mapping_.ToPainter(right, bottom));
  painter_.fillRect(rect.normalized(), ToQColor(color));
}

}  // namespace aerodex
