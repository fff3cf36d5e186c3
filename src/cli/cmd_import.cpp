#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/log_writer.h"
#include "editing/cancelling_port.h"
#include "import/text_import.h"
#include "model/file_layer.h"

namespace aerodex::cli {
namespace {

struct ImportArgs {
  std::string log;
  std::string oldLog;
  std::string output;  // the log itself when -o is absent
  bool dryRun = false;
  std::string error;
};

ImportArgs ParseImportArgs(Args args) {
  ImportArgs parsed;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dry-run") {
      parsed.dryRun = true;
    } else if (args[i] != "-o") {
      positional.push_back(args[i]);
    } else if (i + 1 < args.size() && parsed.output.empty()) {
      parsed.output = args[++i];
    } else {
      parsed.error = "-o needs one output file";
      return parsed;
    }
  }
  if (positional.size() != 2) {
    parsed.error = "expects a log file and an .aerodex file";
    return parsed;
  }
  parsed.log = positional[0];
  parsed.oldLog = positional[1];
  if (parsed.output.empty()) parsed.output = parsed.log;
  return parsed;
}

// The log to import into: the file when it exists, else a new empty log.
bool OpenOrStartLog(LoadedLog& log, const std::string& path) {
  std::error_code error;
  if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found) {
    return true;
  }
  return OpenLog(log, path);
}

// What the report says last: whether anything was written.
void CloseReport(import::CImportReport& report, bool dryRun, bool saved) {
  const bool completed = report.status == import::ImportStatus::kCompleted;
  const std::int64_t read = report.found;
  if (!saved) report.flightsAdded = 0;
  if (dryRun) {
    report.notes.push_back(completed ? "Dry run: nothing was written; the import would add " +
                                           std::to_string(read) + " flights."
                                     : "Dry run: nothing was written; the import would stop "
                                       "and write nothing.");
  } else if (!saved) {
    report.notes.push_back("Nothing was written.");
  }
}

}  // namespace

int RunImport(Args args, std::FILE* /*out*/) {
  const ImportArgs parsed = ParseImportArgs(args);
  if (!parsed.error.empty()) return UsageError(FindCommand("import"), parsed.error);
  // Locked before the log is read, so that no other writer's flights can
  // come in between the reading and the saving. A dry run only reads.
  CLogWriter writer;
  if (!parsed.dryRun && !writer.Lock(parsed.output)) return kFailure;
  CCancellingPort port(stderr);  // missing aircraft are not created: every question is cancelled
  LoadedLog log = NewLog();
  if (!OpenOrStartLog(log, parsed.log)) return kFailure;
  log.doc->SetPort(&port);
  // Read whole and without waiting: a named pipe or a device fails at once.
  std::string text;
  if (!ReadWholeFile(parsed.oldLog, text).ok) {
    std::cerr << import::kFailedToOpen << '\n';
    return kFailure;
  }
  std::istringstream in(text);
  import::CImportReport report = import::ImportTextLog(*log.doc, port, in);
  report.file = parsed.oldLog;
  // A half-read file is not saved: the user fixes it and imports it again.
  const bool completed = report.status == import::ImportStatus::kCompleted;
  const bool saved = completed && !parsed.dryRun && writer.Save(*log.doc);
  CloseReport(report, parsed.dryRun, saved);
  std::fputs(import::RenderImportReport(report).c_str(), stderr);
  return completed && (saved || parsed.dryRun) ? kOk : kFailure;
}

}  // namespace aerodex::cli
