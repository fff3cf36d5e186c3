#include <iostream>
#include <string>

#include "cli/cli.h"
#include "import/aerodex_csv.h"
#include "model/document_file.h"

namespace aerodex::cli {

int RunCsv(Args args, std::FILE* out) {
  if (args.empty() || args.size() > 2) {
    return UsageError(FindCommand("csv"), "expects a log file and an optional output file");
  }
  LoadedLog log = NewLog();
  if (!OpenLog(log, args[0])) return kFailure;
  const std::string csv = import::AerodexCsv(*log.doc);
  if (args.size() == 1) {
    std::fwrite(csv.data(), 1, csv.size(), out);
    return kOk;
  }
  if (const FileResult written = WriteFileAtomically(args[1], csv); !written.ok) {
    std::cerr << "Failed to write " << args[1] << ". " << written.message << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace aerodex::cli
