// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface/surface_mapping.h"

#include <algorithm>

namespace aerodex {

CSurfaceMapping CSurfaceMapping::HighEnglish(double dpiX, double dpiY, QPointF scroll) {
  CSurfaceMapping mapping;
  mapping.scaleX = dpiX / 1000.0;
  mapping.scaleY = -dpiY / 1000.0;
  // The view point at the painter's top-left is the scroll position.
  mapping.origin = QPointF(-scroll.x() * mapping.scaleX, -scroll.y() * mapping.scaleY);
  return mapping;
}

CSurfaceMapping CSurfaceMapping::PrinterPage(double dpiX, double dpiY, int pageOffset) {
  CSurfaceMapping mapping = HighEnglish(dpiX, dpiY);
  // Page n's top lies at y = -pageOffset; it must map to the sheet's top.
  mapping.origin.setY(pageOffset * mapping.scaleY);
  return mapping;
}

CSurfaceMapping CSurfaceMapping::WithExtents(CExtent window, CExtent viewport) const {
  if (window.cx == 0 || window.cy == 0) return *this;
  CSurfaceMapping mapping = *this;
  mapping.scaleX = static_cast<double>(viewport.cx) / window.cx;
  mapping.scaleY = static_cast<double>(viewport.cy) / window.cy;
  return mapping;
}

QRectF CSurfaceMapping::ToLogical(const QRectF& painterRect) const {
  if (scaleX == 0 || scaleY == 0) return {};
  const double x1 = (painterRect.left() - origin.x()) / scaleX;
  const double x2 = (painterRect.right() - origin.x()) / scaleX;
  const double y1 = (painterRect.top() - origin.y()) / scaleY;
  const double y2 = (painterRect.bottom() - origin.y()) / scaleY;
  return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                QPointF(std::max(x1, x2), std::max(y1, y2)));
}

CExtent HighEnglishWindowExtent() { return {1000, 1000}; }

CExtent HighEnglishViewportExtent(int dpiX, int dpiY) { return {dpiX, -dpiY}; }

}  // namespace aerodex
