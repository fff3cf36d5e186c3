// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pass of the log view and the placement of rows on pages: page
// breaks, new headings, growth of the log's height and the totals rows with
// their box, label and night break-out.
#include "display/log_view.h"

#include <algorithm>
#include <cstdint>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/row_placement.h"
#include "display/size_factor.h"

namespace aerodex {

using layout::Offset;

namespace {

// The complete pass's placer: each row is drawn as soon as it is placed.
class CDrawingPlacer final : public CRowPlacer {
 public:
  CDrawingPlacer(CLogView& view, CSurface& surface, CLogViewHost& host)
      : view_(view), surface_(surface), host_(host) {}

  void PlaceEntry(CAerodexEntry& entry, std::size_t) override {
    pageTop_ = view_.PlaceEntryRow(surface_, host_, entry, y_, pageTop_);
    y_ = Offset(y_, -layout::kRowGap);
  }
  void PlaceTotals(CAerodexEntry& totals, const std::string& label,
                   const CAirplane* aircraft) override {
    pageTop_ = view_.PlaceTotalsRow(surface_, host_, totals, y_, pageTop_, label, aircraft);
    y_ = Offset(y_, -layout::kTotalsGap);
  }

 private:
  CLogView& view_;
  CSurface& surface_;
  CLogViewHost& host_;
  int y_ = layout::kFirstRowTextY;
  int pageTop_ = 0;
};

}  // namespace

void GrowByOnePage(CAerodexDoc& doc) {
  doc.logHeight = layout::ClampInt(std::int64_t{doc.logHeight} + doc.pageHeight);
}

void CLogView::BeginPass(CSurface& surface, CLogViewHost& host) {
  // The extents serve only the screen; a print run first must not set them.
  if (!extentsCaptured_ && !surface.IsPrinting()) CaptureExtents(host);
  SetUpSurface(surface, host);
}

void CLogView::OnDraw(CSurface& surface, CLogViewHost& host) {
  BeginPass(surface, host);
  const CLogLayout::Key key = CLogLayout::KeyFor(doc_, viewMode, showNightSubtotals);
  if (!layout_.IsCurrent(key)) layout_.Build(doc_, key);
  GrowLikeTheFullPass(surface, host);
  layout_.Draw(doc_, surface);
  ScrollToSelection(host);
}

void CLogView::DrawFullPass(CSurface& surface, CLogViewHost& host) {
  BeginPass(surface, host);
  ForgetRowPositions();
  DrawPageHeading(doc_, surface, 0);
  CDrawingPlacer placer(*this, surface, host);
  PlaceViewModeRows(viewMode, doc_, placer);
  ScrollToSelection(host);
}

// The pass grows the log by one page whenever a row starts at or below its
// height; the kept layout holds those starts in order, so the next one that
// reaches the height is found by binary search.
void CLogView::GrowLikeTheFullPass(CSurface& surface, CLogViewHost& host) {
  const auto depths = layout_.Depths();
  if (!layout_.InOrder()) {
    for (const std::int64_t depth : depths) GrowIfReached(depth, surface, host);
    return;
  }
  // Between two growths the height stays, so the starts skipped are below it.
  for (auto next = depths.begin();; ++next) {
    next = std::lower_bound(next, depths.end(), std::int64_t{doc_.logHeight});
    if (next == depths.end()) return;
    GrowIfReached(*next, surface, host);
  }
}

void CLogView::GrowIfReached(std::int64_t depth, CSurface& surface, CLogViewHost& host) {
  if (depth < doc_.logHeight) return;
  GrowByOnePage(doc_);
  SetUpSurface(surface, host);  // the scroll extent follows the new height at once
}

// Once per run, before the first screen set-up: the screen's high-English extents.
void CLogView::CaptureExtents(CLogViewHost& host) {
  doc_.windowExtent = host.HighEnglishWindowExtent();
  doc_.baseViewportExtent = host.HighEnglishViewportExtent();
  // Normally the size factor is still 1 here; should a size command have
  // come first, the viewport keeps the size it chose.
  doc_.viewportExtent = ScaledExtent(doc_.baseViewportExtent, SizeFactor(doc_));
  extentsCaptured_ = true;
}

// A row the coming pass does not draw (a flight outside every group) must
// not keep a stale position where another row now stands.
void CLogView::ForgetRowPositions() {
  for (const auto& entry : doc_.Entries()) {
    entry->rowTop = -1;
    entry->rowBottom = 0;
  }
}

void CLogView::SetScrollSizes(CLogViewHost& host) const {
  // The width takes the full zoom factor, the height the size factor.
  const std::int64_t zoom = doc_.zoomFactor;
  host.SetScrollSizes(layout::ClampInt(zoom * doc_.logWidth),
                      layout::ClampInt(zoom * doc_.logHeight / 2));
}

void CLogView::SetUpSurface(CSurface& surface, CLogViewHost& host) {
  SetScrollSizes(host);
  // A printer keeps its own 0.001-inch scale whatever the view's size.
  if (!surface.IsPrinting()) host.SetScreenExtents(doc_.windowExtent, doc_.viewportExtent);
}

void CLogView::OnInitialUpdate(CLogViewHost& host) { SetScrollSizes(host); }

int CLogView::PlaceEntryRow(CSurface& surface, CLogViewHost& host, CAerodexEntry& entry, int& y,
                            int pageTop) {
  const std::size_t lines = RowLineCount(entry);
  const CRowSpot spot = placement::EntrySpot(y, pageTop, lines, doc_.pageHeight);
  pageTop = spot.pageTop;
  y = spot.y;
  if (-std::int64_t{y} >= doc_.logHeight) {
    GrowByOnePage(doc_);
    SetUpSurface(surface, host);
  }
  // A row that opens a page has its upper rule on the heading's bottom rule.
  if (spot.OpensPage()) {
    DrawPageHeading(doc_, surface, y);
    y = placement::EntryTextBelowHeading(pageTop);
  }
  // A row the surface cannot show is placed from its line count alone.
  const int top = Offset(y, layout::kRuleAboveText);
  const int bottom = RowLowerRule(y, lines);
  if (!surface.IsBandVisible(bottom, top)) {
    entry.rowTop = top;
    entry.rowBottom = bottom;
    y = bottom;
    return pageTop;
  }
  y = DrawEntryRow(doc_, surface, y, entry);
  return pageTop;
}

int CLogView::PlaceTotalsRow(CSurface& surface, CLogViewHost& host, CAerodexEntry& accumulator,
                             int& y, int pageTop, const std::string& label,
                             const CAirplane* rowAircraft) {
  const CRowSpot spot =
      placement::TotalsSpot(y, pageTop, RowLineCount(accumulator), doc_.pageHeight);
  pageTop = spot.pageTop;
  int textY = spot.y;
  if (-std::int64_t{textY} >= doc_.logHeight) {
    GrowByOnePage(doc_);
    SetUpSurface(surface, host);
  }
  if (spot.OpensPage()) {
    DrawPageHeading(doc_, surface, textY);
    textY = placement::TotalsTextBelowHeading(pageTop);
  }
  const CAirplane& aircraft = rowAircraft ? *rowAircraft : doc_.placeholderAircraft;
  const int bottom = DrawEntryRowAs(doc_, surface, textY, accumulator, aircraft);
  DrawTotalsDecoration(doc_, surface, accumulator, bottom, label);
  // What follows is placed from the row's upper rule, not its lower one.
  y = accumulator.rowTop;
  if (showNightSubtotals) pageTop = PlaceNightSubtotal(surface, host, accumulator, y, pageTop);
  return pageTop;
}

int CLogView::PlaceNightSubtotal(CSurface& surface, CLogViewHost& host, const CAerodexEntry& totals,
                                 int& y, int pageTop) {
  showNightSubtotals = 0;  // the night row gets no break-out of its own
  CAerodexEntry night = placement::NightSubtotalOf(totals, doc_.Clock());
  y = Offset(y, placement::kNightSubtotalRise);
  pageTop = PlaceTotalsRow(surface, host, night, y, pageTop, placement::kNightSubtotalLabel);
  showNightSubtotals = 1;
  return pageTop;
}

const CLogLayout& CLogView::CurrentLayout() {
  const CLogLayout::Key key = CLogLayout::KeyFor(doc_, viewMode, showNightSubtotals);
  if (!layout_.IsCurrent(key)) layout_.Build(doc_, key);
  return layout_;
}

}  // namespace aerodex
