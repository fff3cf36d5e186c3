#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "import/log_export.h"
#include "model/atomic_write.h"

namespace aerodex::cli {

int RunExport(Args args, std::FILE* /*out*/) {
  std::vector<std::string> positional;
  std::optional<import::ExportFormat> format;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--format") {
      positional.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size() || !(format = import::ExportFormatByName(args[++i]))) {
      return UsageError(FindCommand("export"), "--format takes foreflight, myflightbook or csv");
    }
  }
  if (positional.size() != 2) {
    return UsageError(FindCommand("export"), "expects a log file and an output file");
  }
  if (!format) return UsageError(FindCommand("export"), "--format is required");
  LoadedLog log = NewLog();
  if (!OpenLog(log, positional[0])) return kFailure;
  const std::string text = import::ExportLog(*log.doc, *format);
  if (const FileResult written = WriteFileAtomically(positional[1], text); !written.ok) {
    std::cerr << "Failed to write " << positional[1] << ". " << written.message << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace aerodex::cli
