// SPDX-License-Identifier: GPL-3.0-or-later
// CQtSurface: the log's drawing surface on a QPainter, for every device the
// log goes to: a widget's paint event, a QPrinter page (print and preview), a
// QPdfWriter and a QImage. Logical units map to the painter through a
// CSurfaceMapping (device = origin + logical × scale, y up); text is drawn
// upright (never mirrored by the y flip) with its top-left corner at the
// given point, slanted text rotated about that corner.
//
// Operations whose bounds lie wholly outside the clip rectangle are skipped
// by an integer test in logical units, so painting one window of a long log
// costs little even though the drawing pass itself always runs in full.
//
// The painter must stay active while the surface lives; its state is saved
// on construction and restored when the surface is destroyed.
#pragma once

#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <deque>

#include "app/surface/qt_fonts.h"
#include "app/surface/surface_mapping.h"
#include "display/surface.h"

namespace aerodex {

// Printing, print preview and PDF count as a printer; the screen and images
// of the screen do not.
enum class SurfaceKind { kScreen, kPrinter };

class CQtSurface final : public CSurface {
 public:
  CQtSurface(QPainter& painter, const CSurfaceMapping& mapping, SurfaceKind kind);
  ~CQtSurface() override;
  CQtSurface(const CQtSurface&) = delete;
  CQtSurface& operator=(const CQtSurface&) = delete;

  const CFontDesc* SelectFont(const CFontDesc* font) override;
  const CPenDesc* SelectPen(const CPenDesc* pen) override;
  void SetTextColor(CColor color) override;
  void SetBackgroundMode(BackgroundMode mode) override;
  void SetTextAlign(TextAlign align) override;
  void TextOut(int x, int y, const std::string& text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillSolidRect(int left, int top, int right, int bottom, CColor color) override;
  bool IsPrinting() const override { return kind_ == SurfaceKind::kPrinter; }
  bool IsBandVisible(int bottom, int top) const override {
    return top >= clip_.bottom && bottom <= clip_.top;
  }
  CBand VisibleBand() const override;

  const CSurfaceMapping& Mapping() const { return mapping_; }
  void SetMapping(const CSurfaceMapping& mapping);
  // The anisotropic mapping a log view host sets on screen: the origin stays,
  // the scale becomes viewport / window.
  void SetExtents(CExtent window, CExtent viewport);
  // Nothing outside this rectangle (painter coordinates) is drawn. By default
  // it is the painter's clip, or the whole device when the painter has none;
  // a widget passes its paint event's rectangle.
  void SetClipRect(const QRectF& painterRect);

 private:
  struct LogicalBox {
    long long left, bottom, right, top;  // y up: bottom <= top
  };
  // The document's fonts keep their addresses and values for a whole pass,
  // so a surface, which lives for one, finds a resolved font by address.
  struct FontSlot {
    const CFontDesc* desc;
    CQtFont font;
  };

  const CQtFont& CurrentFont();
  bool Visible(const LogicalBox& box) const;
  LogicalBox TextBox(const CQtFont& font, int x, int y, std::size_t length) const;
  void UpdateLogicalClip();
  void UsePenForLines();
  void UsePenForText();
  QPen LinePen() const;
  double DeviceUnitsPerLogical() const;

  QPainter& painter_;
  CSurfaceMapping mapping_;
  SurfaceKind kind_;
  QTransform base_;  // the painter's own transform when the surface began
  QRectF clipRect_;
  LogicalBox clip_{0, 0, 0, 0};

  const CFontDesc* fontDesc_ = nullptr;
  const CQtFont* font_ = nullptr;  // resolved fontDesc_, or null until needed
  const QFont* painterFont_ = nullptr;
  std::deque<FontSlot> fonts_;  // a deque keeps font_ valid as it grows
  const CPenDesc* penDesc_ = nullptr;
  QColor textColor_ = Qt::black;
  bool painterPenIsText_ = false;
  bool opaqueText_ = true;  // the platform's default background mode
  long long curX_ = 0;
  long long curY_ = 0;
};

}  // namespace aerodex
