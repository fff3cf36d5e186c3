#include <iostream>
#include <string>

#include "cli/cli.h"
#include "model/codepage.h"
#include "stats/aircraft_status.h"

namespace aerodex::cli {

int RunStatus(Args args, std::FILE* out) {
  const Command& self = FindCommand("status");
  const NowOption option = TakeNowOption(args);
  if (!option.error.empty()) return UsageError(self, option.error);
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
    for (const std::string* line : {&report.nNumber, &report.oilChange, &report.annual,
                                    &report.tboHours, &report.tboMonths}) {
      std::fprintf(out, "%s\n", Cp1252ToUtf8(*line).c_str());
    }
  }
  return kOk;
}

}  // namespace aerodex::cli
