// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface/screen_image.h"

#include <QPainter>
#include <algorithm>

#include "app/surface/surface_mapping.h"

namespace aerodex {

void CImageViewHost::ScrollToPosition(int x, int y) {
  // Kept inside the scroll extent, as a scroll bar keeps it.
  const int maxX = std::max(0, scrollSizes.width() - clientSize.width());
  const int maxY = std::max(0, scrollSizes.height() - clientSize.height());
  scrollPosition = QPoint(std::clamp(x, 0, maxX), std::clamp(y, -maxY, 0));
  scrollRequested = true;
}

CExtent CImageViewHost::HighEnglishWindowExtent() const {
  return aerodex::HighEnglishWindowExtent();
}

CExtent CImageViewHost::HighEnglishViewportExtent() const {
  return aerodex::HighEnglishViewportExtent(dpi_, dpi_);
}

void CImageViewHost::SetScreenExtents(CExtent window, CExtent viewport) {
  if (surface_ != nullptr) surface_->SetExtents(window, viewport);
}

void RenderScreenView(CLogView& view, QImage& image, CImageViewHost& host) {
  image.fill(Qt::white);
  QPainter painter(&image);
  const int dpi = host.Dpi();
  host.clientSize = QSize(image.width() * 1000 / dpi, image.height() * 1000 / dpi);
  CQtSurface surface(painter, CSurfaceMapping::HighEnglish(dpi, dpi, host.scrollPosition),
                     SurfaceKind::kScreen);
  host.Attach(&surface);
  view.OnDraw(surface, host);
  host.Attach(nullptr);
}

}  // namespace aerodex
