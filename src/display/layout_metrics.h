// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed measures of the log page (logical units of 0.001 inch, y up) and
// the arithmetic that moves down it. Every y step of the layout goes through
// Offset, which stays inside a band of the int range: a hostile log with huge
// wrapped texts then piles its last rows up at the band's floor instead of
// overflowing, and the view can still scale the band by the size factor.
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace aerodex::layout {

inline constexpr int kDrawingWidth = 9500;
inline constexpr int kHeadingHeight = 1240;
inline constexpr int kLineStep = 125;         // between text lines of one row
inline constexpr int kRuleAboveText = 50;     // upper rule above the first text line
inline constexpr int kRuleBelowText = 150;    // lower rule below the last text line
inline constexpr int kFirstRowTextY = -1250;  // first row of the first page
inline constexpr int kRowGap = 50;            // rows share their rule
inline constexpr int kTotalsGap = 400;        // after a totals row's upper rule
inline constexpr int kEntryRoomAtBottom = 500;
inline constexpr int kTotalsRoomAtBottom = 1000;
inline constexpr int kRouteWidth = 17;    // characters per line
inline constexpr int kRemarksWidth = 36;  // characters per line

// Vertical rules of every row, left to right after the left edge.
inline constexpr std::array<int, 18> kRowRuleXs = {560,  1100, 2100, 4200, 4450, 4750,
                                                   5100, 5450, 5800, 6150, 6500, 6850,
                                                   7200, 7550, 7900, 8250, 8600, 9000};

// The band every layout y stays in (about 63,000 pages each way).
inline constexpr int kLowestY = -(1 << 29);
inline constexpr int kHighestY = 1 << 29;

inline int ClampY(std::int64_t y) {
  return static_cast<int>(std::clamp<std::int64_t>(y, kLowestY, kHighestY));
}

// y moved by delta (negative: down the page), kept inside the band.
inline int Offset(int y, std::int64_t delta) { return ClampY(std::int64_t{y} + delta); }

// A product or sum computed wide and brought back into int.
inline int ClampInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace aerodex::layout
