// SPDX-License-Identifier: GPL-3.0-or-later
// CAerodexView: the log view on screen. A scroll area over the laid-out log
// that hosts the framework-free CLogView: every paint runs the drawing pass
// on a QPainter surface clipped to the exposed rectangle (the kept layout
// draws only what lies there); the scroll extent and position are
// kept in view units (0.001 logical inch of the display, y up) and turned
// into pixels with the widget's logical dots per inch. A click selects the
// flight under the pointer, a double click on the selected flight edits it;
// Ctrl+Down and Ctrl+Up step the selection and Enter edits it.
//
// Fit to width scales the painter so that the page fills the window's
// width; the scroll bars count scaled pixels and the mouse is mapped back
// through the same scale, so the layout and the hit test do not change.
// Once the page heading has scrolled away, a strip over the top of the
// window names the columns; it is painted over the log, not laid out.
#pragma once

#include <QAbstractScrollArea>
#include <functional>

#include "display/log_view.h"

namespace aerodex {

class CQtSurface;

class CAerodexView : public QAbstractScrollArea, public CLogViewHost {
  Q_OBJECT

 public:
  explicit CAerodexView(CAerodexDoc& doc, QWidget* parent = nullptr);

  CLogView& LogView() { return logView_; }
  CAerodexDoc& Document() const { return logView_.Document(); }

  // A new or opened log is shown: scroll extent, the top of page 1 and a
  // scroll to the selection on the coming pass, then a full redraw.
  void OnInitialUpdate();
  void Redraw();
  // Runs the drawing pass without painting, so that the log's height, the
  // rows' positions and the page count are those of the current contents.
  void LayOut();
  // What a double click on the selected flight runs (the Edit Entry command).
  void SetEditEntryHandler(std::function<void()> handler) { editEntry_ = std::move(handler); }

  // Fit to width: the page at normal size, scaled to the viewport's width.
  void SetFitWidth(bool fit);
  bool FitWidth() const { return fitWidth_; }
  // Viewport pixels per unscaled pixel: 1 unless fitting the width.
  double Scale() const;
  // Whether the column-name strip shows at the current scroll.
  bool HeadingStripShown() const;

  // View point (view units) under a point of the viewport, and the view
  // point at the viewport's top-left corner.
  QPoint ToViewPoint(QPoint viewportPoint) const;
  QPoint ScrollPosition() const;
  QSize ScrollSizes() const { return scrollSizes_; }

  // CLogViewHost
  void SetScrollSizes(int width, int height) override;
  void ScrollToPosition(int x, int y) override;
  CExtent HighEnglishWindowExtent() const override;
  CExtent HighEnglishViewportExtent() const override;
  void SetScreenExtents(CExtent window, CExtent viewport) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int DpiX() const;
  int DpiY() const;
  // Viewport pixels per inch, the fit to width's scale included.
  double ScaledDpiX() const { return DpiX() * Scale(); }
  double ScaledDpiY() const { return DpiY() * Scale(); }
  void UpdateScrollBars();
  double FittedScale() const;
  bool HandleSelectionKey(const QKeyEvent* event);
  void PaintPaper(QPainter& painter, const QRectF& exposed) const;
  void PaintHeadingStrip(CSurface& surface) const;

  CLogView logView_;
  QSize scrollSizes_{0, 0};  // view units
  CQtSurface* paintingSurface_ = nullptr;
  std::function<void()> editEntry_;
  bool fitWidth_ = false;
  double scale_ = 1.0;
};

}  // namespace aerodex
