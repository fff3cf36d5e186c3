// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_writer.h"

#include "cli/arguments.h"
#include "model/document_archive.h"

namespace aerodex::cli {

CLogWriter::CLogWriter(const LogKeeping& keeping)
    : session_(unused_, port_, *keeping.env, keeping.folders) {}

bool CLogWriter::Lock(const std::string& path) {
  path_ = path;
  const FileResult locked = session_.Claim(path);
  if (locked.code == FileCode::kLockedByAnother) {
    return Refused("In use by aerodex (" + session_.LastHolder().Describe() +
                   "). Nothing was written.");
  }
  // Writing unlocked could meet a window's save: refused, with the reason.
  if (!locked.ok) return Refused("Cannot be locked. " + locked.message + " Nothing was written.");
  return true;
}

bool CLogWriter::Save(const CAerodexDoc& doc) {
  if (std::string refusal = CheckSavable(doc); !refusal.empty()) return Refused(refusal);
  return SaveBytes(SaveDocument(doc));
}

bool CLogWriter::SaveBytes(const std::string& bytes) {
  const FileResult saved = session_.SaveBytes(bytes);
  if (saved.code == FileCode::kChangedOnDisk) {
    return Refused(
        "Changed by another program while aerodex-cli worked on it. Nothing was written.");
  }
  if (!saved.ok) return Refused(saved.message);
  if (!session_.BackupProblem().empty()) FileFailure(path_, session_.BackupProblem());
  return true;
}

bool CLogWriter::Refused(const std::string& message) const {
  FileFailure(path_, message);
  return false;
}

}  // namespace aerodex::cli
