// SPDX-License-Identifier: GPL-3.0-or-later
// The options of aerodex-cli report: which report, the flights it covers and
// how the totals are grouped. Parsing only; the command reads the log after.
#pragma once

#include <optional>
#include <string>

#include "cli/cli.h"
#include "stats/flight_query.h"
#include "stats/flight_totals.h"

namespace aerodex::cli {

enum class ReportKind { kPilotTime, kTotals };

struct ReportOptions {
  std::string logPath;
  ReportKind kind = ReportKind::kPilotTime;
  stats::FlightFilter filter;
  std::optional<stats::Period> last;  // --last: resolved against today once the log is open
  std::optional<stats::GroupBy> groupBy;
  std::optional<std::time_t> now;
  bool json = false;
};

struct ParsedReportOptions {
  ReportOptions options;
  std::string error;  // not empty: a usage error
};

// args: LOG REPORT [options]. 8710 takes --from, --to and --json only.
ParsedReportOptions ParseReportOptions(Args args);

}  // namespace aerodex::cli
