// SPDX-License-Identifier: GPL-3.0-or-later
// Where the rows of the log go, shared by the two ways of running the pass:
// the complete pass, which draws each row as it places it, and the kept
// layout, which records the placement once and draws only what a surface
// shows. Both walk the view mode's rows through a CRowPlacer and place them
// with the same arithmetic below, so the two cannot disagree on a page break.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/layout_metrics.h"
#include "model/document.h"

namespace aerodex {

// The place found for one row: the page it is on and the y its placement
// starts from (the page top itself when the row opens that page).
struct CRowSpot {
  int pageTop;
  int y;
  bool OpensPage() const { return y == pageTop; }
};

namespace placement {

// A flight row of `lines` lines whose text would start at y: kept on the page
// only while its lower rule stays more than 500 above the page bottom.
CRowSpot EntrySpot(int y, int pageTop, std::size_t lines, int pageHeight);
// A totals row placed below y (its text 200 lower), which needs 1000.
CRowSpot TotalsSpot(int y, int pageTop, std::size_t lines, int pageHeight);

inline int HeadingBottom(int top) {
  return layout::Offset(layout::ClampY(top), -layout::kHeadingHeight);
}
// The first text line of a row that opens a page: a flight's upper rule on
// the heading's bottom rule, a totals row 100 lower.
inline int EntryTextBelowHeading(int pageTop) {
  return layout::Offset(HeadingBottom(pageTop), -layout::kRuleAboveText);
}
inline int TotalsTextBelowHeading(int pageTop) {
  return layout::Offset(HeadingBottom(pageTop), -150);
}

// A totals row's night break-out: the night landings and night cross-country
// time on a row of their own (the night hours already stand in the totals
// row), its text kNightSubtotalRise above the row it follows.
inline constexpr char kNightSubtotalLabel[] = "Night Subtotal";
inline constexpr int kNightSubtotalRise = -100;
CAerodexEntry NightSubtotalOf(const CAerodexEntry& totals, const Clock& clock);

}  // namespace placement

// What a view mode does with its rows, in log order. After a flight the next
// row starts 50 lower (the rows share their rule), after a totals row 400
// below its upper rule; a totals row brings its night break-out with it.
class CRowPlacer {
 public:
  virtual ~CRowPlacer() = default;
  // index: the flight's place in the document's entries.
  virtual void PlaceEntry(CAerodexEntry& entry, std::size_t index) = 0;
  // aircraft: the group's aircraft, or null to draw the row as the placeholder.
  virtual void PlaceTotals(CAerodexEntry& totals, const std::string& label,
                           const CAirplane* aircraft) = 0;
};

// The rows of view mode `viewMode` with their totals (an unknown mode shows
// all entries).
void PlaceViewModeRows(int viewMode, const CAerodexDoc& doc, CRowPlacer& placer);

}  // namespace aerodex
