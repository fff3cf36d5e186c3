#include "cli/cli.h"

namespace aerodex::cli {

int RunResave(Args args, std::FILE* /*out*/) {
  if (args.size() != 2) return UsageError(FindCommand("resave"), "expects IN.adx and OUT.adx");
  LoadedLog log = NewLog();
  if (!OpenLog(log, args[0])) return kFailure;
  return SaveLog(*log.doc, args[1]) ? kOk : kFailure;
}

}  // namespace aerodex::cli
