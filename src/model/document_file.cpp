#include "model/document_file.h"

#include <cstdint>
#include <span>

#include "model/document_archive.h"

namespace aerodex {

FileResult OpenDocumentFile(CAerodexDoc& doc, const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    doc.DeleteContents();
    return {false, kFailedToOpen};
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  switch (LoadDocument(doc, std::span(data, bytes.size()))) {
    case LoadResult::kLoaded:
      doc.SetModifiedFlag(false);
      return {};
    case LoadResult::kOutOfMemory:
      return {false, kFailedToOpen};
    case LoadResult::kUnexpectedFormat:
      break;
  }
  return {false, kUnexpectedFormat};
}

FileResult SaveDocumentFile(const CAerodexDoc& doc, const std::string& path, CFileLayer& files) {
  std::string refusal = CheckSavable(doc);
  if (!refusal.empty()) return {false, std::move(refusal)};
  if (!WriteFileAtomically(path, SaveDocument(doc), files)) return {false, kFailedToSave};
  return {};
}

}  // namespace aerodex
