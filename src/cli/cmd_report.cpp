// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/cli.h"
#include "cli/report_options.h"
#include "cli/report_output.h"
#include "model/codepage.h"
#include "stats/flight_query.h"
#include "stats/pilot_time_cells.h"

namespace aerodex::cli {
namespace {

void Write(std::FILE* out, const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), out);
}

// The JSON is UTF-8 already; the tables carry the log's own texts.
void WriteTable(std::FILE* out, const std::string& cp1252) { Write(out, Cp1252ToUtf8(cp1252)); }

TotalsReport ComputeTotals(const CAerodexDoc& doc, const ReportOptions& options) {
  const stats::FlightQuery query(doc, options.filter);
  const std::vector<std::uint32_t> flights = stats::MatchingFlights(doc, query);
  TotalsReport report{options.filter.dates, stats::SumFlights(doc, flights), false, {}};
  if (options.groupBy) {
    report.grouped = true;
    report.groups = stats::GroupFlights(doc, flights, *options.groupBy);
  }
  return report;
}

}  // namespace

int RunReport(Args args, std::FILE* out) {
  const Command& self = FindCommand("report");
  ParsedReportOptions parsed = ParseReportOptions(args);
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  ReportOptions& options = parsed.options;
  LoadedLog log = NewLog(options.now);
  if (!OpenLog(log, options.logPath)) return kFailure;
  const CAerodexDoc& doc = *log.doc;
  if (options.last) options.filter.dates = stats::PeriodRange(*options.last, doc.Clock().Today());
  if (options.kind == ReportKind::kPilotTime) {
    const stats::PilotTimeReport report = stats::ComputePilotTime(doc, options.filter.dates);
    options.json ? Write(out, PilotTimeJson(report))
                 : WriteTable(out, stats::PilotTimeText(report));
    return kOk;
  }
  const TotalsReport report = ComputeTotals(doc, options);
  options.json ? Write(out, TotalsJson(report)) : WriteTable(out, TotalsText(report));
  return kOk;
}

}  // namespace aerodex::cli
