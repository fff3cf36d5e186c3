// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "model/codepage.h"
#include "stats/aircraft_status.h"

namespace aerodex::cli {
namespace {

void PrintLine(std::FILE* out, const std::string& cp1252) {
  std::fprintf(out, "%s\n", Cp1252ToUtf8(cp1252).c_str());
}

void PrintReport(std::FILE* out, const CAircraftStatsDlg& report, bool explain) {
  for (const std::string* line :
       {&report.nNumber, &report.oilChange, &report.annual, &report.tboHours, &report.tboMonths}) {
    PrintLine(out, *line);
  }
  if (!explain) return;
  for (const std::string* line : {&report.annualDue, &report.tboDue, &report.currentTach}) {
    PrintLine(out, *line);
  }
  for (const std::string& line : report.tachContinuity) PrintLine(out, line);
}

}  // namespace

int RunStatus(Args args, std::FILE* out) {
  const Command& self = FindCommand("status");
  ParsedArgs parsed = ParseArgs(args, {{"--now", true}, {"--explain"}});
  const std::optional<std::time_t> now = NowValue(parsed, parsed.error);
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  const bool explain = parsed.Has("--explain");
  if (parsed.files.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog(now);
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  const auto reports = stats::ComputeMonitoredStatus(*log.doc, log.doc->Clock().Now());
  if (reports.empty()) return FileFailure(parsed.files[0], stats::kNoMonitoredAircraft);
  bool first = true;
  for (const CAircraftStatsDlg& report : reports) {
    if (!first) std::fputc('\n', out);
    first = false;
    PrintReport(out, report, explain);
  }
  return kOk;
}

}  // namespace aerodex::cli
