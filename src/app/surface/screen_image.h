// SPDX-License-Identifier: GPL-3.0-or-later
// The log view as the screen shows it, drawn into an image: the same drawing
// pass as a widget's paint event (screen surface, the size factor's extents,
// the row highlight), for thumbnails, tests and benchmarks. CImageViewHost is
// also the pattern for a widget's own host: during the pass it forwards the
// screen extents the view sets to the surface that is painting.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include "app/surface/qt_surface.h"
#include "display/log_view.h"

namespace aerodex {

class CImageViewHost final : public CLogViewHost {
 public:
  explicit CImageViewHost(int dpi = 96) : dpi_(dpi) {}

  // The view point at the image's top-left corner (view units, y <= 0).
  QPoint scrollPosition;
  // The window's size in view units (RenderScreenView sets it from the image).
  QSize clientSize;
  // What the last pass asked for.
  QSize scrollSizes;
  bool scrollRequested = false;

  int Dpi() const { return dpi_; }
  void Attach(CQtSurface* surface) { surface_ = surface; }

  void SetScrollSizes(int width, int height) override { scrollSizes = QSize(width, height); }
  void ScrollToPosition(int x, int y) override;
  CExtent HighEnglishWindowExtent() const override;
  CExtent HighEnglishViewportExtent() const override;
  void SetScreenExtents(CExtent window, CExtent viewport) override;

 private:
  int dpi_;
  CQtSurface* surface_ = nullptr;
};

// Fills the image white and draws the log view on it as the screen would,
// scrolled to host.scrollPosition. A scroll that the pass asks for moves
// host.scrollPosition for the next call, as a window redraws after scrolling.
void RenderScreenView(CLogView& view, QImage& image, CImageViewHost& host);

}  // namespace aerodex
