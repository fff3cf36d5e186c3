#include <iostream>
#include <string>

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
  NowOption option = TakeNowOption(args);
  if (!option.error.empty()) return UsageError(self, option.error);
  const bool explain = TakeFlag(option.rest, "--explain");
  if (option.rest.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog(option.now);
  if (!OpenLog(log, option.rest[0])) return kFailure;
  const auto reports = stats::ComputeMonitoredStatus(*log.doc, log.doc->Clock().Now());
  if (reports.empty()) {
    std::cerr << stats::kNoMonitoredAircraft << '\n';
    return kFailure;
  }
  bool first = true;
  for (const CAircraftStatsDlg& report : reports) {
    if (!first) std::fputc('\n', out);
    first = false;
    PrintReport(out, report, explain);
  }
  return kOk;
}

}  // namespace aerodex::cli
