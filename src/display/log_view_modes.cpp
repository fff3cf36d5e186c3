// The three presentations of the log and the view commands that choose them:
// every flight with a grand total; flights grouped by aircraft, each group
// with its summary; flights with a summary at the end of each calendar year.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/log_view.h"

namespace aerodex {

using layout::Offset;

void CLogView::DrawAllEntries(CSurface& surface, CLogViewHost& host, int& y, int& pageTop) {
  CAerodexEntry totals;
  totals.ResetTotals(doc_.Clock());
  for (const auto& slot : doc_.Entries()) {
    CAerodexEntry& entry = *slot;
    pageTop = PlaceEntryRow(surface, host, entry, y, pageTop);
    totals.AddToTotals(entry);
    y = Offset(y, -layout::kRowGap);
    AddAircraftSums(doc_, entry, totals);
  }
  pageTop = PlaceTotalsRow(surface, host, totals, y, pageTop, "Grand Total");
}

namespace {

// The flights of each aircraft, by index in the database, in log order.
// Every lookup of an N-Number finds the first aircraft that carries it, so a
// later aircraft with the same N-Number owns no flights: its summary row is
// empty and the grand total counts each flight once.
std::vector<std::vector<CAerodexEntry*>> FlightsByAircraft(const CAerodexDoc& doc) {
  std::unordered_map<std::string_view, std::size_t> owner;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) owner.emplace(doc.Aircraft(i).nNumber, i);
  std::vector<std::vector<CAerodexEntry*>> groups(doc.AircraftCount());
  for (const auto& slot : doc.Entries()) {
    const auto found = owner.find(slot->nNumber);
    if (found != owner.end()) groups[found->second].push_back(slot.get());
  }
  return groups;
}

}  // namespace

void CLogView::DrawByNNumber(CSurface& surface, CLogViewHost& host, int& y, int& pageTop) {
  CAerodexEntry grand;
  grand.ResetTotals(doc_.Clock());
  CAerodexEntry group;
  const auto flights = FlightsByAircraft(doc_);
  for (std::size_t i = 0; i < doc_.AircraftCount(); ++i) {
    const CAirplane& aircraft = doc_.Aircraft(i);
    group.ResetTotals(doc_.Clock());
    group.nNumber = aircraft.nNumber;
    for (CAerodexEntry* entry : flights[i]) {
      pageTop = PlaceEntryRow(surface, host, *entry, y, pageTop);
      group.AddToTotals(*entry);
      y = Offset(y, -layout::kRowGap);
      grand.AddToTotals(*entry);
      AddAircraftSumsAs(aircraft, *entry, grand);
    }
    // The group's engine-class, simulator and cost columns come from its
    // summed hours and the aircraft, as for a flight.
    pageTop = PlaceTotalsRow(surface, host, group, y, pageTop, "Summary for N" + aircraft.nNumber,
                             &aircraft);
    y = Offset(y, -layout::kTotalsGap);
  }
  pageTop = PlaceTotalsRow(surface, host, grand, y, pageTop, "Grand Total");
  y = Offset(y, -layout::kTotalsGap);
}

void CLogView::DrawAnnualSummary(CSurface& surface, CLogViewHost& host, int& y, int& pageTop) {
  CAerodexEntry grand;
  grand.ResetTotals(doc_.Clock());
  CAerodexEntry yearTotals;
  yearTotals.ResetTotals(doc_.Clock());
  const auto entries = doc_.Entries();
  // An empty log has no year of its own: its one, empty summary is labelled
  // with the year of today's date, which the row also shows.
  int currentYear = entries.empty() ? yearTotals.year : entries.front()->year;
  for (const auto& slot : entries) {
    CAerodexEntry& entry = *slot;
    if (entry.year != currentYear) {
      pageTop = PlaceTotalsRow(surface, host, yearTotals, y, pageTop,
                               "Summary for " + std::to_string(currentYear));
      y = Offset(y, -layout::kTotalsGap);
      yearTotals.ResetTotals(doc_.Clock());
      currentYear = entry.year;
    }
    pageTop = PlaceEntryRow(surface, host, entry, y, pageTop);
    yearTotals.AddToTotals(entry);
    y = Offset(y, -layout::kRowGap);
    grand.AddToTotals(entry);
    AddAircraftSums(doc_, entry, yearTotals);
    AddAircraftSums(doc_, entry, grand);
  }
  pageTop = PlaceTotalsRow(surface, host, yearTotals, y, pageTop,
                           "Summary for " + std::to_string(currentYear));
  y = Offset(y, -layout::kTotalsGap);
  pageTop = PlaceTotalsRow(surface, host, grand, y, pageTop, "Grand Total");
  y = Offset(y, -layout::kTotalsGap);
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
