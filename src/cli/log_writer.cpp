// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_writer.h"

#include "cli/arguments.h"
#include "model/document_archive.h"
#include "model/document_file.h"

namespace aerodex::cli {

bool CLogWriter::Lock(const std::string& path) {
  path_ = path;
  const FileResult locked = lock_.Acquire(path);
  if (locked.code == FileCode::kLockedByAnother) {
    return Refused("In use by aerodex (" + lock_.Holder().Describe() + "). Nothing was written.");
  }
  // Writing unlocked could meet a window's save: refused, with the reason.
  if (!locked.ok) return Refused("Cannot be locked. " + locked.message + " Nothing was written.");
  lockedStamp_ = StampOf(path);
  return true;
}

bool CLogWriter::Save(const CAerodexDoc& doc) {
  if (std::string refusal = CheckSavable(doc); !refusal.empty()) return Refused(refusal);
  return SaveBytes(SaveDocument(doc));
}

bool CLogWriter::SaveBytes(const std::string& bytes) {
  if (lockedStamp_.exists ? ChangedSince(lockedStamp_, path_) : StampOf(path_).exists) {
    return Refused(
        "Changed by another program while aerodex-cli worked on it. Nothing was written.");
  }
  SaveOptions options;
  options.backups = &backups_;
  const SavedFile saved = SaveLogBytes(bytes, path_, options);
  if (!saved.ok) return Refused(saved.message);
  if (!saved.backupProblem.empty()) FileFailure(path_, saved.backupProblem);
  lockedStamp_ = saved.stamp;
  return true;
}

bool CLogWriter::Refused(const std::string& message) const {
  FileFailure(path_, message);
  return false;
}

}  // namespace aerodex::cli
