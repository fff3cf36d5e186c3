// Opening and saving a log file, with the messages the user sees.
#pragma once

#include <string>

#include "model/document.h"
#include "model/file_layer.h"

namespace aerodex {

inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kFailedToSave = "Failed to save document.";

struct FileResult {
  bool ok = true;
  std::string message;  // empty on success
};

// Empties the document and loads the file into it. On failure the document
// is left empty (the pilot record and lastNNumber then hold whatever the
// failed read left; callers start a new log).
FileResult OpenDocumentFile(CAerodexDoc& doc, const std::string& path);

// Saves atomically. A log the format cannot count is refused and nothing is written.
FileResult SaveDocumentFile(const CAerodexDoc& doc, const std::string& path,
                            CFileLayer& files = DefaultFileLayer());

}  // namespace aerodex
