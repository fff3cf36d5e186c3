// SPDX-License-Identifier: GPL-3.0-or-later
// The properties every .adx load must have, whatever the bytes: no crash, and
// either a loaded log or an empty document; a loaded log saves to bytes that
// load back into the same log and save again unchanged. Shared by the
// libFuzzer target and the replay of its corpus in the ordinary test suite.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/document.h"
#include "model/document_archive.h"

namespace aerodex::testing {

// Returns an empty string when the properties hold, else what went wrong.
inline std::string CheckAdxRoundTrip(std::span<const std::uint8_t> bytes) {
  CStderrPromptPort quiet;
  CAerodexDoc first(&quiet);
  if (LoadDocument(first, bytes) != LoadResult::kLoaded) {
    if (first.EntryCount() || first.AircraftCount() || first.selectedEntry) {
      return "a failed load left records behind";
    }
    return {};
  }
  for (std::uint32_t i = 1; i < first.EntryCount(); ++i) {
    if (CompareEntries(first.Entry(i - 1), first.Entry(i)) > 0) return "entries not sorted";
  }
  if (first.EntryCount() && !first.selectedEntry) return "no entry selected after a load";
  if (!CheckSavable(first).empty()) return "a loaded log cannot be saved";
  const std::string saved = SaveDocument(first);
  CAerodexDoc second(&quiet);
  const auto* data = reinterpret_cast<const std::uint8_t*>(saved.data());
  if (LoadDocument(second, std::span(data, saved.size())) != LoadResult::kLoaded) {
    return "a saved log does not load";
  }
  if (SaveDocument(second) != saved) return "load-save-load changed the log";
  return {};
}

}  // namespace aerodex::testing
