// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_archive.h"

#include <memory>

#include "model/record_archive.h"

// Reads one record at a time into the document; a friend of CAerodexDoc so it
// can fill the entry slots the way the loader of the format always has.
class CDocumentLoader {
 public:
  CDocumentLoader(CAerodexDoc& doc, aerodex::CArchiveReader& in) : doc_(doc), in_(in) {}
  aerodex::LoadResult Load();

 private:
  void ReadHeader();
  bool ReadAircraft(int count);
  aerodex::LoadResult ReadEntries();

  CAerodexDoc& doc_;
  aerodex::CArchiveReader& in_;
};

namespace aerodex {
namespace {

// The smallest a record can be: its fixed runs plus one byte per empty string.
constexpr std::size_t kMinAircraftBytes = CAirplaneArchive::kMinBytes;
constexpr std::size_t kMinEntryBytes = CEntryArchive::kMinBytes;
static_assert(kMinAircraftBytes == 115 && kMinEntryBytes == 125);
static_assert(CPilotArchive::kFixedBytes == 150);

// The exact size of the saved document, so the buffer is allocated once.
std::size_t SavedSize(const CAerodexDoc& doc) {
  std::size_t size = 2 + CPilotArchive::SavedBytes(doc.pilot) + StringBytes(doc.lastNNumber) + 2;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    size += CAirplaneArchive::SavedBytes(doc.Aircraft(i));
  }
  for (const auto& e : doc.Entries()) size += CEntryArchive::SavedBytes(*e);
  return size;
}

}  // namespace

LoadResult LoadDocument(CAerodexDoc& doc, std::span<const std::uint8_t> bytes) {
  doc.DeleteContents();
  if (bytes.empty()) return LoadResult::kLoaded;
  CArchiveReader in(bytes);
  const LoadResult result = CDocumentLoader(doc, in).Load();
  if (result != LoadResult::kLoaded) doc.DeleteContents();
  return result;
}

std::string CheckSavable(const CAerodexDoc& doc) {
  if (doc.AircraftCount() > kMaxRecordCount) {
    return "This log holds " + std::to_string(doc.AircraftCount()) +
           " aircraft, but an aerodex file can hold at most 65535. Nothing was saved.";
  }
  if (doc.EntryCount() > kMaxRecordCount) {
    return "This log holds " + std::to_string(doc.EntryCount()) +
           " flights, but an aerodex file can hold at most 65535. Nothing was saved.";
  }
  return {};
}

std::string SaveDocument(const CAerodexDoc& doc) {
  CArchiveWriter out;
  out.Reserve(SavedSize(doc));
  out.WriteU16(static_cast<int>(doc.AircraftCount()));
  CPilotArchive::Write(out, doc.pilot);
  out.WriteString(doc.lastNNumber);
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    CAirplaneArchive::Write(out, doc.Aircraft(i));
  }
  out.WriteU16(static_cast<int>(doc.EntryCount()));
  for (const auto& entry : doc.Entries()) CEntryArchive::Write(out, *entry);
  return out.TakeBytes();
}

}  // namespace aerodex

using aerodex::LoadResult;

LoadResult CDocumentLoader::Load() {
  const int aircraftCount = in_.ReadU16();
  ReadHeader();
  if (in_.Failed() || !ReadAircraft(aircraftCount)) return LoadResult::kUnexpectedFormat;
  return ReadEntries();
}

void CDocumentLoader::ReadHeader() {
  aerodex::CPilotArchive::Read(in_, doc_.pilot);
  doc_.lastNNumber = in_.ReadString();
}

bool CDocumentLoader::ReadAircraft(int count) {
  // A count that the remaining bytes cannot hold is refused before anything is built.
  if (std::size_t(count) * aerodex::kMinAircraftBytes > in_.Remaining()) return false;
  for (int i = 0; i < count; ++i) {
    auto airplane = std::make_unique<CAirplane>("");
    aerodex::CAirplaneArchive::Read(in_, *airplane);
    if (in_.Failed()) return false;
    doc_.AppendAircraft(std::move(airplane));
  }
  return true;
}

LoadResult CDocumentLoader::ReadEntries() {
  const int count = in_.ReadU16();
  if (in_.Failed() || std::size_t(count) * aerodex::kMinEntryBytes > in_.Remaining()) {
    return LoadResult::kUnexpectedFormat;
  }
  if (doc_.entryCount_ == 0 && !doc_.GrowEntryArray(static_cast<std::uint32_t>(count))) {
    return LoadResult::kOutOfMemory;
  }
  doc_.entryCount_ = static_cast<std::uint32_t>(count);
  for (int i = 0; i < count; ++i) {
    auto entry = std::make_unique<CAerodexEntry>();
    aerodex::CEntryArchive::Read(in_, *entry);
    if (in_.Failed()) return LoadResult::kUnexpectedFormat;
    doc_.selectedEntry = entry.get();
    doc_.entries_[i] = std::move(entry);
  }
  doc_.SortEntries();
  return LoadResult::kLoaded;
}
