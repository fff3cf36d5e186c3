// SPDX-License-Identifier: GPL-3.0-or-later
// The three presentations of the log and the view commands that choose them:
// every flight with a grand total; flights grouped by aircraft, each group
// with its summary; flights with a summary at the end of each calendar year.
// Each mode hands its rows, with the totals it sums, to a CRowPlacer.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/log_page.h"
#include "display/log_view.h"
#include "display/row_placement.h"

namespace aerodex {
namespace {

// The first aircraft of the database with each N-Number: the one every
// lookup finds, so a later aircraft with the same N-Number owns no flights.
class CAircraftIndex {
 public:
  explicit CAircraftIndex(const CAerodexDoc& doc) {
    for (std::size_t i = 0; i < doc.AircraftCount(); ++i)
      first_.emplace(doc.Aircraft(i).nNumber, i);
  }
  // The aircraft's index in the database, or -1.
  long Find(const std::string& nNumber) const {
    const auto found = first_.find(nNumber);
    return found == first_.end() ? -1 : static_cast<long>(found->second);
  }

 private:
  std::unordered_map<std::string_view, std::size_t> first_;
};

void AddSumsByIndex(const CAerodexDoc& doc, const CAircraftIndex& index, const CAerodexEntry& entry,
                    CAerodexEntry& accumulator) {
  const long aircraft = index.Find(entry.nNumber);
  if (aircraft >= 0)
    AddAircraftSumsAs(doc.Aircraft(static_cast<std::size_t>(aircraft)), entry, accumulator);
}

void PlaceAllEntries(const CAerodexDoc& doc, CRowPlacer& placer) {
  const CAircraftIndex index(doc);
  CAerodexEntry totals;
  totals.ResetTotals(doc.Clock());
  const auto entries = doc.Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    CAerodexEntry& entry = *entries[i];
    placer.PlaceEntry(entry, i);
    totals.AddToTotals(entry);
    AddSumsByIndex(doc, index, entry, totals);
  }
  placer.PlaceTotals(totals, "Grand Total", nullptr);
}

// The flights of each aircraft, as indices into the entries, in log order.
std::vector<std::vector<std::size_t>> FlightsByAircraft(const CAerodexDoc& doc,
                                                        const CAircraftIndex& index) {
  std::vector<std::vector<std::size_t>> groups(doc.AircraftCount());
  const auto entries = doc.Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const long aircraft = index.Find(entries[i]->nNumber);
    if (aircraft >= 0) groups[static_cast<std::size_t>(aircraft)].push_back(i);
  }
  return groups;
}

void PlaceByNNumber(const CAerodexDoc& doc, CRowPlacer& placer) {
  CAerodexEntry grand;
  grand.ResetTotals(doc.Clock());
  CAerodexEntry group;
  const auto groups = FlightsByAircraft(doc, CAircraftIndex(doc));
  for (std::size_t a = 0; a < doc.AircraftCount(); ++a) {
    const CAirplane& aircraft = doc.Aircraft(a);
    group.ResetTotals(doc.Clock());
    group.nNumber = aircraft.nNumber;
    for (const std::size_t i : groups[a]) {
      CAerodexEntry& entry = doc.Entry(i);
      placer.PlaceEntry(entry, i);
      group.AddToTotals(entry);
      grand.AddToTotals(entry);
      AddAircraftSumsAs(aircraft, entry, grand);
    }
    // The group's engine-class, simulator and cost columns come from its
    // summed hours and the aircraft, as for a flight.
    placer.PlaceTotals(group, "Summary for N" + aircraft.nNumber, &aircraft);
  }
  placer.PlaceTotals(grand, "Grand Total", nullptr);
}

void PlaceAnnualSummary(const CAerodexDoc& doc, CRowPlacer& placer) {
  const CAircraftIndex index(doc);
  CAerodexEntry grand;
  grand.ResetTotals(doc.Clock());
  CAerodexEntry yearTotals;
  yearTotals.ResetTotals(doc.Clock());
  const auto entries = doc.Entries();
  // An empty log has no year of its own: its one, empty summary is labelled
  // with the year of today's date, which the row also shows.
  int currentYear = entries.empty() ? yearTotals.year : entries.front()->year;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    CAerodexEntry& entry = *entries[i];
    if (entry.year != currentYear) {
      placer.PlaceTotals(yearTotals, "Summary for " + std::to_string(currentYear), nullptr);
      yearTotals.ResetTotals(doc.Clock());
      currentYear = entry.year;
    }
    placer.PlaceEntry(entry, i);
    yearTotals.AddToTotals(entry);
    grand.AddToTotals(entry);
    const long aircraft = index.Find(entry.nNumber);
    if (aircraft >= 0) {
      const CAirplane& flown = doc.Aircraft(static_cast<std::size_t>(aircraft));
      AddAircraftSumsAs(flown, entry, yearTotals);
      AddAircraftSumsAs(flown, entry, grand);
    }
  }
  placer.PlaceTotals(yearTotals, "Summary for " + std::to_string(currentYear), nullptr);
  placer.PlaceTotals(grand, "Grand Total", nullptr);
}

}  // namespace

void PlaceViewModeRows(int viewMode, const CAerodexDoc& doc, CRowPlacer& placer) {
  switch (viewMode) {
    case kViewByNNumber:
      PlaceByNNumber(doc, placer);
      break;
    case kViewAnnualSummary:
      PlaceAnnualSummary(doc, placer);
      break;
    default:
      PlaceAllEntries(doc, placer);
      break;
  }
}

void CLogView::SetModeAndRedraw(int mode) {
  viewMode = mode;
  doc_.scrollToSelection = 1;
  doc_.UpdateAllViews();
}

void CLogView::OnViewAllEntries() { SetModeAndRedraw(kViewAllEntries); }
void CLogView::OnViewGroupByNNumber() { SetModeAndRedraw(kViewByNNumber); }
void CLogView::OnViewAnnualSummary() { SetModeAndRedraw(kViewAnnualSummary); }

void CLogView::OnViewNightSubtotals() {
  showNightSubtotals = showNightSubtotals ? 0 : 1;
  doc_.scrollToSelection = 1;
  doc_.UpdateAllViews();
}

}  // namespace aerodex
