// SPDX-License-Identifier: GPL-3.0-or-later
// What aerodex-cli report prints: the 8710 and the totals, as JSON or as
// readable tables. Hours have one decimal, cost two.
#pragma once

#include <string>
#include <vector>

#include "stats/flight_totals.h"
#include "stats/pilot_time.h"

namespace aerodex::cli {

std::string PilotTimeJson(const stats::PilotTimeReport& report);

struct TotalsReport {
  stats::DateRange dates;
  stats::FlightTotals totals;
  bool grouped = false;
  std::vector<stats::FlightGroup> groups;
};

std::string TotalsJson(const TotalsReport& report);
std::string TotalsText(const TotalsReport& report);

}  // namespace aerodex::cli
