// SPDX-License-Identifier: GPL-3.0-or-later
// An icon drawn from SVG layers, one over another, at whatever size is asked
// for. Line-art layers draw their ink in kInkPlaceholder; when the icon
// follows the palette, that ink becomes the palette's WindowText at paint
// time, so the same drawing reads on a light and on a dark palette and keeps
// up when the palette changes.
#pragma once

#include <QColor>
#include <QIconEngine>
#include <QStringList>

namespace aerodex {

// The ink colour the bundled line-art SVGs are drawn in.
inline constexpr char kInkPlaceholder[] = "#2e3436";

class CInkIconEngine : public QIconEngine {
 public:
  CInkIconEngine(QStringList layers, bool followPalette);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;
  QString key() const override;
  bool isNull() override;

  // The layers drawn into an image of size, with the ink in the given colour
  // (an invalid colour keeps the drawing's own).
  static QImage Render(const QStringList& layers, QSize size, QColor ink);

 private:
  QColor InkFor(QIcon::Mode mode) const;

  QStringList layers_;
  bool followPalette_;
};

}  // namespace aerodex
