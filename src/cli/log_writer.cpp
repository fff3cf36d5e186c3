#include "cli/log_writer.h"

#include <iostream>

#include "model/document_archive.h"
#include "model/document_file.h"

namespace aerodex::cli {

bool CLogWriter::Lock(const std::string& path) {
  path_ = path;
  switch (lock_.Acquire(path)) {
    case CLogLock::Outcome::kAcquired:
      break;
    case CLogLock::Outcome::kHeld:
      return Refused(path + " is in use by aerodex (" + lock_.Holder().Describe() +
                     "). Nothing was written.");
    case CLogLock::Outcome::kUnlocked:
      // Writing unlocked could meet a window's save: refused, with the reason.
      return Refused(path + " cannot be locked. " + lock_.Problem() + " Nothing was written.");
  }
  lockedStamp_ = StampOf(path);
  return true;
}

bool CLogWriter::Save(const CAerodexDoc& doc) {
  if (std::string refusal = CheckSavable(doc); !refusal.empty()) return Refused(refusal);
  return SaveBytes(SaveDocument(doc));
}

bool CLogWriter::SaveBytes(const std::string& bytes) {
  if (lockedStamp_.exists ? ChangedSince(lockedStamp_, path_) : StampOf(path_).exists) {
    return Refused(path_ +
                   " was changed by another program while aerodex-cli worked on it. "
                   "Nothing was written.");
  }
  SaveOptions options;
  options.backups = &backups_;
  const SavedFile saved = SaveLogBytes(bytes, path_, options);
  if (!saved.ok) return Refused(saved.message);
  if (!saved.backupProblem.empty()) std::cerr << saved.backupProblem << '\n';
  lockedStamp_ = saved.stamp;
  return true;
}

bool CLogWriter::Refused(const std::string& message) const {
  std::cerr << message << '\n';
  return false;
}

}  // namespace aerodex::cli
