#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/headless_port.h"
#include "import/text_import.h"

namespace aerodex::cli {
namespace {

struct ImportArgs {
  std::string log;
  std::string oldLog;
  std::string output;  // the log itself when -o is absent
  std::string error;
};

ImportArgs ParseImportArgs(Args args) {
  ImportArgs parsed;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "-o") {
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

}  // namespace

int RunImport(Args args, std::FILE* /*out*/) {
  const ImportArgs parsed = ParseImportArgs(args);
  if (!parsed.error.empty()) return UsageError(FindCommand("import"), parsed.error);
  CHeadlessPort port;  // missing aircraft are not created: every question is cancelled
  LoadedLog log = NewLog();
  if (!OpenOrStartLog(log, parsed.log)) return kFailure;
  log.doc->SetPort(&port);
  std::error_code error;
  std::ifstream in;
  if (!std::filesystem::is_directory(parsed.oldLog, error)) {
    in.open(parsed.oldLog, std::ios::binary);
  }
  if (!in.is_open()) {
    std::cerr << import::kFailedToOpen << '\n';
    return kFailure;
  }
  const import::ImportResult result = import::ImportTextLog(*log.doc, port, in);
  // A half-read file is not saved: the user fixes it and imports it again.
  if (result.status == import::ImportStatus::kStopped) return kFailure;
  return SaveLog(*log.doc, parsed.output) ? kOk : kFailure;
}

}  // namespace aerodex::cli
