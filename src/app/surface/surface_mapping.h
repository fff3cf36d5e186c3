// SPDX-License-Identifier: GPL-3.0-or-later
// CSurfaceMapping: how a Qt surface turns logical units (0.001 inch at normal
// size, y up) into the coordinates of the QPainter it draws on:
//   device = origin + logical × scale
// with a negative y scale, so that logical y grows upward. The three ways the
// log is drawn each have a constructor: the screen (high-English scale of the
// display, moved by the scroll position), a printed page (high-English scale
// of the printer, moved so that page n's top is the sheet's top), and any
// window/viewport extents the log view asks for (size factor on screen).
#pragma once

#include <QPointF>
#include <QRectF>

#include "model/document.h"

namespace aerodex {

struct CSurfaceMapping {
  QPointF origin;        // painter coordinates of logical (0, 0)
  double scaleX = 1.0;   // painter units per logical unit
  double scaleY = -1.0;  // negative: logical y points up

  // 0.001 inch per unit at the given dots per inch, y up; the painter's
  // top-left shows view point scroll (view units, y <= 0).
  static CSurfaceMapping HighEnglish(double dpiX, double dpiY, QPointF scroll = {});
  // A printer at the given resolution: high English with the origin moved
  // down by pageOffset logical units, so that drawing y = -pageOffset lands on
  // the top of the printable area.
  static CSurfaceMapping PrinterPage(double dpiX, double dpiY, int pageOffset);

  // The same origin with scale = viewport extent / window extent (each axis),
  // as the platform's anisotropic mapping does. Zero window extents are
  // ignored (the mapping is returned unchanged).
  CSurfaceMapping WithExtents(CExtent window, CExtent viewport) const;

  QPointF ToPainter(double x, double y) const {
    return {origin.x() + x * scaleX, origin.y() + y * scaleY};
  }
  // The logical rectangle (left/right, bottom/top in y-up terms) covered by
  // a rectangle in painter coordinates.
  QRectF ToLogical(const QRectF& painterRect) const;
};

// High-English extents of a device as the log view reads them: window
// (1000, 1000) and viewport (dpi, -dpi).
CExtent HighEnglishWindowExtent();
CExtent HighEnglishViewportExtent(int dpiX, int dpiY);

}  // namespace aerodex
