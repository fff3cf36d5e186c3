#include "cli/cli.h"
#include "cli/log_writer.h"

namespace aerodex::cli {

int RunResave(Args args, std::FILE* /*out*/) {
  if (args.size() != 2) return UsageError(FindCommand("resave"), "expects IN.adx and OUT.adx");
  CLogWriter writer;
  if (!writer.Lock(args[1])) return kFailure;
  LoadedLog log = NewLog();
  if (!OpenLog(log, args[0])) return kFailure;
  return writer.Save(*log.doc) ? kOk : kFailure;
}

}  // namespace aerodex::cli
