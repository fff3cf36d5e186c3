// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/tach_continuity.h"

#include <cmath>
#include <unordered_map>

#include "stats/month_index.h"

namespace aerodex::stats {
namespace {

constexpr double kAllowance = 0.1 + 1e-9;  // readings are in tenths; doubles hold them nearly

bool HasReadings(const CAerodexEntry& e) { return e.startTach != 0 || e.endTach != 0; }

// Compares a flight with the aircraft's previous flight with readings, then
// makes it the previous one.
void Follow(const CAerodexDoc& doc, std::size_t index, long& previous,
            std::vector<TachBreak>& breaks) {
  const CAerodexEntry& e = doc.Entry(index);
  if (!HasReadings(e)) return;
  if (previous >= 0) {
    const double gap = e.startTach - doc.Entry(static_cast<std::size_t>(previous)).endTach;
    if (std::fabs(gap) > kAllowance) {
      breaks.push_back({static_cast<std::size_t>(previous), index, gap});
    }
  }
  previous = static_cast<long>(index);
}

}  // namespace

std::vector<TachBreak> FindTachBreaks(const CAerodexDoc& doc) {
  std::vector<TachBreak> breaks;
  std::unordered_map<std::string, long> previous;
  for (std::size_t i = 0; i < doc.EntryCount(); ++i) {
    auto [slot, added] = previous.try_emplace(doc.Entry(i).nNumber, -1);
    Follow(doc, i, slot->second, breaks);
  }
  return breaks;
}

std::vector<TachBreak> FindTachBreaks(const CAerodexDoc& doc, const std::string& nNumber) {
  std::vector<TachBreak> breaks;
  long previous = -1;
  for (std::size_t i = 0; i < doc.EntryCount(); ++i) {
    if (doc.Entry(i).nNumber == nNumber) Follow(doc, i, previous, breaks);
  }
  return breaks;
}

std::string TachBreakText(const CAerodexDoc& doc, const TachBreak& found) {
  const CAerodexEntry& before = doc.Entry(found.previous);
  const CAerodexEntry& after = doc.Entry(found.next);
  return Format(
      "Tachometer %s of %.1f hours: the flight of %d/%d/%d ended at %.1f, the flight "
      "of %d/%d/%d started at %.1f.",
      found.gap > 0 ? "gap" : "overlap", std::fabs(found.gap), before.month, before.day,
      before.year, before.endTach, after.month, after.day, after.year, after.startTach);
}

}  // namespace aerodex::stats
