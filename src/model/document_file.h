// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving a log file, with the messages the user sees. A failure
// gives the fixed message and, after it, the reason ("Failed to save
// document. No space left on device.").
#pragma once

#include <string>

#include "files/atomic_write.h"
#include "files/backup_store.h"
#include "files/file_result.h"
#include "files/file_stamp.h"
#include "model/document.h"

namespace aerodex {

inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kFailedToSave = "Failed to save document.";

struct [[nodiscard]] OpenedFile : FileResult {
  FileStamp stamp;  // of the file read
};

struct [[nodiscard]] SavedFile : FileResult {
  FileStamp stamp;            // of the file written
  std::string contentHash;    // StableHash of the bytes written
  std::string backupProblem;  // why the replaced version could not be kept; empty when it was
};

struct SaveOptions {
  CFileEnv* env = &DefaultFileEnv();
  // Where the version a save replaces is kept; none: it is not kept.
  const CBackupStore* backups = nullptr;
  std::time_t now = 0;  // the save's time, naming the kept version; 0: env's clock
  // ContentHash of the file being replaced, where the caller knows it (it
  // read or wrote that file and its stamp has not changed); saves reading it.
  std::string replacedHash{};
};

// Empties the document and loads the file into it. On failure the document
// is left empty (the pilot record and lastNNumber then hold whatever the
// failed read left; callers start a new log).
OpenedFile OpenDocumentFile(CAerodexDoc& doc, const std::string& path,
                            CFileEnv& env = DefaultFileEnv());
// The same for bytes already read (a file, a recovery snapshot).
FileResult LoadDocumentBytes(CAerodexDoc& doc, const std::string& bytes);

// Saves atomically. A log the format cannot count is refused and nothing is written.
SavedFile SaveDocumentFile(const CAerodexDoc& doc, const std::string& path,
                           const SaveOptions& options = {});
// Writes bytes that are a log already (a kept version being restored) the same way.
SavedFile SaveLogBytes(const std::string& bytes, const std::string& path,
                       const SaveOptions& options = {});

}  // namespace aerodex
