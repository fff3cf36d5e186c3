// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "import/aerodex_csv.h"

namespace aerodex::cli {

int RunCsv(Args args, std::FILE* out) {
  const Command& self = FindCommand("csv");
  const ParsedArgs parsed = ParseArgs(args, {});
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  if (parsed.files.empty() || parsed.files.size() > 2) {
    return UsageError(self, "expects a log file and an optional output file");
  }
  LoadedLog log = NewLog();
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  const std::string output = parsed.files.size() == 2 ? parsed.files[1] : "-";
  return WriteOutput(output, import::AerodexCsv(*log.doc), out) ? kOk : kFailure;
}

}  // namespace aerodex::cli
