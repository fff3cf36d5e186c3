// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "model/codepage.h"
#include "stats/log_check.h"

namespace aerodex::cli {

int RunCheck(Args args, std::FILE* out) {
  const Command& self = FindCommand("check");
  const ParsedArgs parsed = ParseArgs(args, {});
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  if (parsed.files.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog();
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  const CLogCheckDlg report = stats::CheckLog(*log.doc);
  for (const CLogFinding& finding : report.findings) {
    std::fprintf(out, "%s\n", Cp1252ToUtf8(finding.text).c_str());
  }
  std::cerr << report.flightsChecked << " flights checked: " << report.findings.size()
            << (report.findings.size() == 1 ? " finding" : " findings") << '\n';
  return report.findings.empty() ? kOk : kFailure;
}

}  // namespace aerodex::cli
