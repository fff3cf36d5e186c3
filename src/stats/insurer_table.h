// SPDX-License-Identifier: GPL-3.0-or-later
// The hours an insurer asks for, all at once: total, PIC, night, instrument,
// cross-country, landings and approaches in the last 30, 60 and 90 days, the
// last 6, 12 and 24 months and all time; then the time in each make and model
// and in complex, high-performance, tail-wheel and multi-engine aircraft,
// all time and in the last 90 days and 12 months. "Today" is the caller's.
#pragma once

#include <string>
#include <vector>

#include "model/clock.h"
#include "model/document.h"
#include "stats/flight_totals.h"
#include "stats/report_period.h"

namespace aerodex::stats {

struct InsurerPeriodRow {
  Period period;
  FlightTotals totals;
};

struct InsurerTimeInRow {
  std::string label;  // "Make Model", "Complex", "High performance", "Tail wheel", "Multi-engine"
  FlightTotals allTime;
  double last90Days = 0;
  double last12Months = 0;
};

struct InsurerTable {
  std::vector<InsurerPeriodRow> periods;
  std::vector<InsurerTimeInRow> timeIn;  // makes and models by name, then the equipment rows
};

InsurerTable ComputeInsurerTable(const CAerodexDoc& doc, const LocalDate& today);

}  // namespace aerodex::stats
