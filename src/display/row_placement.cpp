// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/row_placement.h"

#include "display/log_page.h"

namespace aerodex::placement {

using layout::Offset;

CRowSpot EntrySpot(int y, int pageTop, std::size_t lines, int pageHeight) {
  CRowSpot spot{layout::ClampY(pageTop), layout::ClampY(y)};
  const int lowerRule = RowLowerRule(spot.y, lines);
  if (lowerRule <= Offset(spot.pageTop, -std::int64_t{pageHeight} + layout::kEntryRoomAtBottom)) {
    spot.pageTop = Offset(spot.pageTop, -std::int64_t{pageHeight});
    spot.y = spot.pageTop;
  }
  return spot;
}

CRowSpot TotalsSpot(int y, int pageTop, std::size_t lines, int pageHeight) {
  CRowSpot spot{layout::ClampY(pageTop), Offset(layout::ClampY(y), -200)};
  const int lowerRule = Offset(RowLowerRule(spot.y, lines), -50);
  if (lowerRule <= Offset(spot.pageTop, -std::int64_t{pageHeight} + layout::kTotalsRoomAtBottom)) {
    spot.pageTop = Offset(spot.pageTop, -std::int64_t{pageHeight});
    spot.y = spot.pageTop;
  }
  return spot;
}

CAerodexEntry NightSubtotalOf(const CAerodexEntry& totals, const Clock& clock) {
  CAerodexEntry night;
  night.ResetTotals(clock);
  night.nightLandings = totals.nightLandings;
  night.nightCrossCountry = totals.nightCrossCountry;
  return night;
}

}  // namespace aerodex::placement
