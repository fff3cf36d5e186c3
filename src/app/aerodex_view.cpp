// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aerodex_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/surface/qt_surface.h"
#include "display/heading_strip.h"
#include "display/null_surface.h"
#include "display/size_factor.h"

namespace aerodex {
namespace {

// A window too narrow or too wide for a readable page keeps these bounds.
constexpr double kLeastFit = 0.25;
constexpr double kMostFit = 8.0;

int UnitsToPixels(long long units, double dpi) {
  return static_cast<int>(std::ceil(static_cast<double>(units) * dpi / 1000.0));
}

// The desk the pages lie on: grey on a light palette, darker than the
// window on a dark one, so the white paper does not sit in a bright frame.
QColor DeskColour(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  return window.lightness() < 128 ? window.darker(130) : QColor(0xd4, 0xd4, 0xd0);
}

}  // namespace

CAerodexView::CAerodexView(CAerodexDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), logView_(doc) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setWhatsThis(QStringLiteral(
      "The flight log, laid out as the printed pages. Click a flight to select it; "
      "double-click it, or press Enter, to edit it. Ctrl+Down and Ctrl+Up select the next "
      "and the previous flight. The View menu chooses how the flights are grouped "
      "and the size of the pages."));
}

int CAerodexView::DpiX() const { return viewport()->logicalDpiX(); }
int CAerodexView::DpiY() const { return viewport()->logicalDpiY(); }

void CAerodexView::OnInitialUpdate() {
  logView_.OnInitialUpdate(*this);
  // A log replacing another starts as the run's first one does: at the top
  // of page 1, then at its selected flight once a pass has placed it.
  ScrollToPosition(0, 0);
  Document().scrollToSelection = 1;
  Redraw();
}

void CAerodexView::Redraw() { viewport()->update(); }

void CAerodexView::SetFitWidth(bool fit) {
  if (fit == fitWidth_) return;
  const QPoint kept = ScrollPosition();
  fitWidth_ = fit;
  // A scroll bar that came and went would change the width being fitted.
  setVerticalScrollBarPolicy(fit ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  UpdateScrollBars();
  ScrollToPosition(kept.x(), kept.y());
  Redraw();
}

double CAerodexView::Scale() const { return scale_; }

double CAerodexView::FittedScale() const {
  const CAerodexDoc& doc = Document();
  const double page = static_cast<double>(doc.pageWidth) * SizeFactor(doc) * DpiX() / 1000.0;
  if (page <= 0) return 1.0;
  return std::clamp(viewport()->width() / page, kLeastFit, kMostFit);
}

bool CAerodexView::HeadingStripShown() const {
  return HeadingStripWanted(Document(), ScrollPosition().y() / SizeFactor(Document()));
}

void CAerodexView::LayOut() {
  CNullSurface surface;
  logView_.OnDraw(surface, *this);
}

QPoint CAerodexView::ScrollPosition() const {
  const double x = horizontalScrollBar()->value() * 1000.0 / ScaledDpiX();
  const double y = verticalScrollBar()->value() * 1000.0 / ScaledDpiY();
  return {static_cast<int>(x), static_cast<int>(-y)};
}

QPoint CAerodexView::ToViewPoint(QPoint viewportPoint) const {
  const double px = static_cast<double>(viewportPoint.x()) + horizontalScrollBar()->value();
  const double py = static_cast<double>(viewportPoint.y()) + verticalScrollBar()->value();
  return {static_cast<int>(px * 1000 / ScaledDpiX()),
          static_cast<int>(-(py * 1000 / ScaledDpiY()))};
}

void CAerodexView::SetScrollSizes(int width, int height) {
  const QSize sizes(std::max(width, 0), std::max(height, 0));
  if (sizes == scrollSizes_) return;
  scrollSizes_ = sizes;
  UpdateScrollBars();
}

void CAerodexView::UpdateScrollBars() {
  scale_ = fitWidth_ ? FittedScale() : 1.0;
  const QSize area = viewport()->size();
  // A page fitted to the width leaves nothing to scroll sideways.
  const int totalWidth =
      fitWidth_ ? area.width() : UnitsToPixels(scrollSizes_.width(), ScaledDpiX());
  const int totalHeight = UnitsToPixels(scrollSizes_.height(), ScaledDpiY());
  const int factor = SizeFactor(Document());
  horizontalScrollBar()->setRange(0, std::max(0, totalWidth - area.width()));
  horizontalScrollBar()->setPageStep(area.width());
  horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(ScaledDpiX() / 4 * factor)));
  verticalScrollBar()->setRange(0, std::max(0, totalHeight - area.height()));
  verticalScrollBar()->setPageStep(area.height());
  // A quarter inch: about one flight row.
  verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(ScaledDpiY() / 4 * factor)));
}

void CAerodexView::ScrollToPosition(int x, int y) {
  horizontalScrollBar()->setValue(UnitsToPixels(std::max(x, 0), ScaledDpiX()));
  verticalScrollBar()->setValue(
      UnitsToPixels(std::max(-static_cast<long long>(y), 0LL), ScaledDpiY()));
}

CExtent CAerodexView::HighEnglishWindowExtent() const { return aerodex::HighEnglishWindowExtent(); }

CExtent CAerodexView::HighEnglishViewportExtent() const {
  return aerodex::HighEnglishViewportExtent(DpiX(), DpiY());
}

void CAerodexView::SetScreenExtents(CExtent window, CExtent viewport) {
  if (paintingSurface_) paintingSurface_->SetExtents(window, viewport);
}

void CAerodexView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setClipRect(event->rect());
  // The whole page goes through the scale; below it, unscaled pixels.
  const double scale = Scale();
  painter.scale(scale, scale);
  const QRectF exposed(event->rect().x() / scale, event->rect().y() / scale,
                       event->rect().width() / scale, event->rect().height() / scale);
  PaintPaper(painter, exposed);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const CSurfaceMapping mapping =
      CSurfaceMapping::HighEnglish(DpiX(), DpiY(),
                                   QPointF(horizontalScrollBar()->value() * 1000.0 / ScaledDpiX(),
                                           -verticalScrollBar()->value() * 1000.0 / ScaledDpiY()));
  CQtSurface surface(painter, mapping, SurfaceKind::kScreen);
  surface.SetClipRect(exposed);
  paintingSurface_ = &surface;
  logView_.OnDraw(surface, *this);
  paintingSurface_ = nullptr;
  PaintHeadingStrip(surface);
}

// Over the log, in the pass's own mapping: the top edge of the window.
void CAerodexView::PaintHeadingStrip(CSurface& surface) const {
  if (!HeadingStripShown()) return;
  const CAerodexDoc& doc = Document();
  DrawHeadingStrip(doc, surface, ScrollPosition().y() / SizeFactor(doc));
}

// White paper for the laid-out pages, a faint rule where one page ends and
// the next begins (only those the window shows), and a grey desk around them.
void CAerodexView::PaintPaper(QPainter& painter, const QRectF& exposed) const {
  const CAerodexDoc& doc = Document();
  const int factor = SizeFactor(doc);
  const double scale = Scale();
  const int left = static_cast<int>(std::lround(-horizontalScrollBar()->value() / scale));
  const int top = static_cast<int>(std::lround(-verticalScrollBar()->value() / scale));
  const int pageWidth = UnitsToPixels(static_cast<long long>(doc.pageWidth) * factor, DpiX());
  const double pageHeight = static_cast<double>(doc.pageHeight) * factor * DpiY() / 1000.0;
  const int pages = std::max(1, doc.pageHeight > 0 ? doc.logHeight / doc.pageHeight : 1);
  painter.fillRect(QRectF(0, 0, viewport()->width() / scale, viewport()->height() / scale),
                   DeskColour(palette()));
  painter.fillRect(QRectF(left, top, pageWidth, pageHeight * pages), Qt::white);
  painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DashLine));
  if (pageHeight <= 0) return;
  const int first = std::max(1, static_cast<int>(std::floor((exposed.top() - top) / pageHeight)));
  const int last =
      std::min(pages - 1, static_cast<int>(std::ceil((exposed.bottom() - top) / pageHeight)));
  for (int page = first; page <= last; ++page) {
    const int y = top + static_cast<int>(std::lround(pageHeight * page));
    painter.drawLine(left, y, left + pageWidth, y);
  }
}

void CAerodexView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint point = ToViewPoint(event->position().toPoint());
    logView_.OnLButtonDown(point.x(), point.y());
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void CAerodexView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const CAerodexDoc& doc = Document();
  if (!doc.selectedEntry || doc.EntryCount() == 0) return;
  const QPoint point = ToViewPoint(event->position().toPoint());
  if (logView_.OnLButtonDblClk(point.x(), point.y()) && editEntry_) editEntry_();
  event->accept();
}

void CAerodexView::keyPressEvent(QKeyEvent* event) {
  if (HandleSelectionKey(event)) {
    event->accept();
    return;
  }
  const bool toEnd = event->key() == Qt::Key_End;
  if (event->key() == Qt::Key_Home || toEnd) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(toEnd ? bar->maximum() : bar->minimum());
    if (!(event->modifiers() & Qt::ControlModifier)) horizontalScrollBar()->setValue(0);
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

// Ctrl+Down and Ctrl+Up step the selection, Enter edits it; every other
// key scrolls as before.
bool CAerodexView::HandleSelectionKey(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  if ((key == Qt::Key_Down || key == Qt::Key_Up) && modifiers == Qt::ControlModifier) {
    if (logView_.StepSelection(key == Qt::Key_Down ? 1 : -1)) {
      const QPoint top = ScrollPosition();
      const int height = static_cast<int>(viewport()->height() * 1000.0 / ScaledDpiY());
      logView_.ShowSelection(*this, top.y(), top.y() - height);
    }
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    if (Document().selectedEntry && Document().EntryCount() > 0 && editEntry_) editEntry_();
    return true;
  }
  return false;
}

void CAerodexView::resizeEvent(QResizeEvent* event) {
  const QPoint kept = ScrollPosition();  // at the scale before the resize
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  if (fitWidth_) ScrollToPosition(kept.x(), kept.y());
}

void CAerodexView::scrollContentsBy(int, int) {
  // A repaint of the window costs about as little as moving its pixels would.
  viewport()->update();
}

}  // namespace aerodex
