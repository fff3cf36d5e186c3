// SPDX-License-Identifier: GPL-3.0-or-later
// The .adx document stream: the pilot record and lastNNumber, the aircraft
// records, then the entries. No signature, version or class names: each
// record's kind follows from its place in the stream.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/document.h"

namespace aerodex {

// The most aircraft or entries that the format's u16 counts can announce.
constexpr std::uint32_t kMaxRecordCount = 65535;

enum class LoadResult { kLoaded, kUnexpectedFormat, kOutOfMemory };

// Empties the document and reads the stream into it. Entries come back sorted
// with the entry read last selected. On failure the document is left empty.
// Bytes after the last entry are ignored; an empty stream is an empty log.
LoadResult LoadDocument(CAerodexDoc& doc, std::span<const std::uint8_t> bytes);

// Why a document cannot be written, or an empty text when it can.
std::string CheckSavable(const CAerodexDoc& doc);
// The document's bytes. The document must pass CheckSavable.
std::string SaveDocument(const CAerodexDoc& doc);

}  // namespace aerodex
