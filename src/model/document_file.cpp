// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_file.h"

#include <cstdint>
#include <ctime>
#include <span>

#include "model/document_archive.h"

namespace aerodex {

FileResult LoadDocumentBytes(CAerodexDoc& doc, const std::string& bytes) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  switch (LoadDocument(doc, std::span(data, bytes.size()))) {
    case LoadResult::kLoaded:
      doc.SetModifiedFlag(false);
      return {};
    case LoadResult::kOutOfMemory:
      return FileResult::Failure(WithReason(kFailedToOpen, "There is not enough memory."));
    case LoadResult::kUnexpectedFormat:
      break;
  }
  return FileResult::Failure(kUnexpectedFormat, FileCode::kBadFormat);
}

OpenedFile OpenDocumentFile(CAerodexDoc& doc, const std::string& path, CFileEnv& env) {
  OpenedFile opened;
  std::string bytes;
  if (FileResult read = ReadWholeFile(path, bytes, &opened.stamp, env); !read.ok) {
    doc.DeleteContents();
    static_cast<FileResult&>(opened) = read.Under(kFailedToOpen);
    return opened;
  }
  static_cast<FileResult&>(opened) = LoadDocumentBytes(doc, bytes);
  return opened;
}

SavedFile SaveLogBytes(const std::string& bytes, const std::string& path,
                       const SaveOptions& options) {
  SavedFile saved;
  AtomicWriteOptions write;
  write.env = options.env;
  if (options.backups) {
    const std::time_t now = options.now ? options.now : options.env->Now();
    write.beforeReplace = [&saved, &options, now](const std::string& target) {
      const FileResult kept = options.backups->Keep(target, now, options.replacedHash);
      if (!kept.ok) {
        saved.backupProblem = "The earlier version could not be kept in " +
                              options.backups->FolderFor(target) + ". " + kept.message;
      }
    };
  }
  if (FileResult written = WriteFileAtomically(path, bytes, write); !written.ok) {
    static_cast<FileResult&>(saved) = written.Under(kFailedToSave);
    return saved;
  }
  saved.stamp = StampOf(path, *options.env);
  saved.contentHash = ContentHash(bytes);
  return saved;
}

SavedFile SaveDocumentFile(const CAerodexDoc& doc, const std::string& path,
                           const SaveOptions& options) {
  if (std::string refusal = CheckSavable(doc); !refusal.empty()) {
    SavedFile refused;
    static_cast<FileResult&>(refused) = FileResult::Failure(std::move(refusal));
    return refused;
  }
  return SaveLogBytes(SaveDocument(doc), path, options);
}

}  // namespace aerodex
