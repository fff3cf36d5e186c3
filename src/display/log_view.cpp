// The drawing pass of the log view and the placement of rows on pages: page
// breaks, new headings, growth of the log's height and the totals rows with
// their box, label and night break-out.
#include "display/log_view.h"

#include <cstdint>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/view_geometry.h"

namespace aerodex {

using layout::Offset;

namespace {

// The box in the totals pen and the label in the remarks area.
void DrawTotalsDecoration(const CAerodexDoc& doc, CSurface& surface, const CAerodexEntry& row,
                          int lowerRule, const std::string& label) {
  const CPenDesc* previousPen = surface.SelectPen(&doc.totalsPen);
  surface.MoveTo(10, row.rowTop);
  surface.LineTo(layout::kDrawingWidth, row.rowTop);
  surface.LineTo(layout::kDrawingWidth, row.rowBottom);
  surface.LineTo(10, row.rowBottom);
  surface.LineTo(10, row.rowTop);
  surface.SelectPen(previousPen);
  const CFontDesc* previousFont = surface.SelectFont(&doc.headingFont);
  surface.TextOut(2400, Offset(lowerRule, 175), label);
  surface.SelectFont(previousFont);
}

}  // namespace

void GrowByOnePage(CAerodexDoc& doc) {
  doc.logHeight = layout::ClampInt(std::int64_t{doc.logHeight} + doc.pageHeight);
}

void CLogView::OnDraw(CSurface& surface, CLogViewHost& host) {
  // The extents serve only the screen; a print run first must not set them.
  if (!extentsCaptured_ && !surface.IsPrinting()) CaptureExtents(host);
  SetUpSurface(surface, host);
  ForgetRowPositions();
  DrawPageHeading(doc_, surface, 0);
  int pageTop = 0;
  int y = layout::kFirstRowTextY;
  switch (viewMode) {
    case kViewByNNumber:
      DrawByNNumber(surface, host, y, pageTop);
      break;
    case kViewAnnualSummary:
      DrawAnnualSummary(surface, host, y, pageTop);
      break;
    default:
      DrawAllEntries(surface, host, y, pageTop);
      break;
  }
  ScrollToSelection(host);
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
  y = layout::ClampY(y);
  pageTop = layout::ClampY(pageTop);
  const int rowTextY = y;
  const int lowerRule = MeasureEntryRow(y, entry);
  if (lowerRule <= Offset(pageTop, -std::int64_t{doc_.pageHeight} + layout::kEntryRoomAtBottom)) {
    pageTop = Offset(pageTop, -std::int64_t{doc_.pageHeight});
    y = pageTop;
  }
  if (-std::int64_t{y} >= doc_.logHeight) {
    GrowByOnePage(doc_);
    SetUpSurface(surface, host);
  }
  // A row that opens a page has its upper rule on the heading's bottom rule.
  if (y == pageTop) y = Offset(DrawPageHeading(doc_, surface, y), -layout::kRuleAboveText);
  // A row's height does not depend on where it stands, so a row the surface
  // cannot show is placed from the measurement alone.
  const int top = Offset(y, layout::kRuleAboveText);
  const int bottom = Offset(y, std::int64_t{lowerRule} - rowTextY);
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
  pageTop = layout::ClampY(pageTop);
  int textY = Offset(layout::ClampY(y), -200);
  const int lowerRule = Offset(MeasureEntryRow(textY, accumulator), -50);
  if (lowerRule <= Offset(pageTop, -std::int64_t{doc_.pageHeight} + layout::kTotalsRoomAtBottom)) {
    pageTop = Offset(pageTop, -std::int64_t{doc_.pageHeight});
    textY = pageTop;
  }
  if (-std::int64_t{textY} >= doc_.logHeight) {
    GrowByOnePage(doc_);
    SetUpSurface(surface, host);
  }
  if (textY == pageTop) textY = Offset(DrawPageHeading(doc_, surface, textY), -150);
  const CAirplane& aircraft = rowAircraft ? *rowAircraft : doc_.placeholderAircraft;
  const int bottom = DrawEntryRowAs(doc_, surface, textY, accumulator, aircraft);
  DrawTotalsDecoration(doc_, surface, accumulator, bottom, label);
  // What follows is placed from the row's upper rule, not its lower one.
  y = accumulator.rowTop;
  if (showNightSubtotals) pageTop = PlaceNightSubtotal(surface, host, accumulator, y, pageTop);
  return pageTop;
}

// The night landings and night cross-country time of a totals row, on a row
// of their own; the night hours already stand in the totals row.
int CLogView::PlaceNightSubtotal(CSurface& surface, CLogViewHost& host,
                                 const CAerodexEntry& totals, int& y, int pageTop) {
  showNightSubtotals = 0;  // the night row gets no break-out of its own
  CAerodexEntry night;
  night.ResetTotals(doc_.Clock());
  night.nightLandings = totals.nightLandings;
  night.nightCrossCountry = totals.nightCrossCountry;
  y = Offset(y, -100);
  pageTop = PlaceTotalsRow(surface, host, night, y, pageTop, "Night Subtotal");
  showNightSubtotals = 1;
  return pageTop;
}

}  // namespace aerodex
