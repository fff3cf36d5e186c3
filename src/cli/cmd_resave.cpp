// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/log_writer.h"
#include "model/document_archive.h"

namespace aerodex::cli {

int RunResave(Args args, std::FILE* out) {
  const Command& self = FindCommand("resave");
  const ParsedArgs parsed = ParseArgs(args, {});
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  if (parsed.files.size() != 2) return UsageError(self, "expects IN.adx and OUT.adx");
  const std::string& input = parsed.files[0];
  const std::string& output = parsed.files[1];
  // Standard output is no log file: there is nothing to lock or keep.
  const bool toStdout = IsStdStream(output);
  CLogWriter writer;
  if (!toStdout && !writer.Lock(output)) return kFailure;
  LoadedLog log = NewLog();
  if (!OpenLog(log, input)) return kFailure;
  if (!toStdout) return writer.Save(*log.doc) ? kOk : kFailure;
  if (std::string refusal = CheckSavable(*log.doc); !refusal.empty()) {
    return FileFailure(input, refusal);
  }
  return WriteOutput(output, SaveDocument(*log.doc), out) ? kOk : kFailure;
}

}  // namespace aerodex::cli
