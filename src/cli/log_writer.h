// SPDX-License-Identifier: GPL-3.0-or-later
// CLogWriter: how an aerodex-cli command writes a log, through the same
// CLogSession as the window, with no one to ask: every question is answered
// no. The log is locked for the command's whole run, so a window or another
// command working on it makes this one refuse (exit 1, nothing written); the
// file must still be the one found at locking time when the command saves,
// so no change made meanwhile by a program that ignores the lock is lost; and
// the version a save replaces is kept among the log's earlier versions.
#pragma once

#include <string>

#include "cli/cli.h"
#include "model/document.h"
#include "model/log_session.h"

namespace aerodex::cli {

// Nothing is done on anyone's word: the log is not taken from another
// holder, not written unlocked and not written over a change.
class CRefusingSessionPort final : public CSessionPort {
 public:
  bool ProceedDespiteHolder(const std::string&, const LockHolder&, bool) override { return false; }
  bool ProceedUnlocked(const std::string&, const FileResult&) override { return false; }
  bool OverwriteChanged(const std::string&) override { return false; }
};

class CLogWriter {
 public:
  explicit CLogWriter(const LogKeeping& keeping = {});

  // False, with the message printed (the file named first), when another process holds the log or
  // no lock can be made for it.
  bool Lock(const std::string& path);
  // Saves atomically; false with the message printed on failure.
  bool Save(const CAerodexDoc& doc);
  bool SaveBytes(const std::string& bytes);

 private:
  bool Refused(const std::string& message) const;

  std::string path_;
  CAerodexDoc unused_;  // the session's own document: the command saves its bytes
  CRefusingSessionPort port_;
  CLogSession session_;
};

}  // namespace aerodex::cli
