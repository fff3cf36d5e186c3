// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "import/log_export.h"

namespace aerodex::cli {

int RunExport(Args args, std::FILE* out) {
  const Command& self = FindCommand("export");
  const ParsedArgs parsed = ParseArgs(args, {{"--format", true}});
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  const std::optional<std::string> name = parsed.Value("--format");
  const std::optional<import::ExportFormat> format =
      name ? import::ExportFormatByName(*name) : std::nullopt;
  if (name && !format) return UsageError(self, "--format takes foreflight, myflightbook or csv");
  if (parsed.files.size() != 2) return UsageError(self, "expects a log file and an output file");
  if (!format) return UsageError(self, "--format is required");
  LoadedLog log = NewLog();
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  return WriteOutput(parsed.files[1], import::ExportLog(*log.doc, *format), out) ? kOk : kFailure;
}

}  // namespace aerodex::cli
