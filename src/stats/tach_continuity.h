// SPDX-License-Identifier: GPL-3.0-or-later
// The continuity of an aircraft's tachometer: each flight with readings
// should start where the aircraft's flight before it ended. A break is a
// flight whose starting reading differs from the previous ending reading by
// more than 0.1: a gap (hours flown but not logged) or an overlap (hours
// logged twice, or a reading mistyped). Flights without readings (both 0)
// are left out, as they say nothing about the tachometer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/document.h"

namespace aerodex::stats {

struct TachBreak {
  std::size_t previous = 0;  // entry indexes, in log order
  std::size_t next = 0;
  double gap = 0.0;  // next's start - previous's end: positive a gap, negative an overlap
};

// The breaks of every aircraft, in log order of the later flight.
std::vector<TachBreak> FindTachBreaks(const CAerodexDoc& doc);
// The breaks of one aircraft (its N-Number compared byte for byte).
std::vector<TachBreak> FindTachBreaks(const CAerodexDoc& doc, const std::string& nNumber);

// "Tachometer gap of 2.5 hours: the flight of 3/1/2000 ended at 100.0, the
// flight of 3/5/2000 started at 102.5."
std::string TachBreakText(const CAerodexDoc& doc, const TachBreak& found);

}  // namespace aerodex::stats
