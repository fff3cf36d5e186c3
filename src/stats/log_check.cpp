// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/log_check.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "editing/entry_rules.h"
#include "stats/month_index.h"
#include "stats/tach_continuity.h"

namespace aerodex::stats {
namespace {

// Stands in for an aircraft missing from the database: not a simulator, so
// its flights need a landing, as the form would ask once the aircraft exists.
const CAirplane kUnknownAircraft;

class FindingList {
 public:
  explicit FindingList(const CAerodexDoc& doc) : doc_(doc) {}

  void Add(std::size_t index, const std::string& what) {
    const CAerodexEntry& e = doc_.Entry(index);
    found_.push_back({index, Format("%d/%d/%d #%d N%s: ", e.month, e.day, e.year, e.flightNumber,
                                    e.nNumber.c_str()) +
                                 what});
  }
  // In log order; a flight's own findings keep the order they were found in.
  std::vector<CLogFinding> Sorted() {
    std::stable_sort(found_.begin(), found_.end(), [](const CLogFinding& a, const CLogFinding& b) {
      return a.entryIndex < b.entryIndex;
    });
    return std::move(found_);
  }

 private:
  const CAerodexDoc& doc_;
  std::vector<CLogFinding> found_;
};

// The entry form's rules, each one on its own.
void CheckFormRules(const CAerodexDoc& doc, std::size_t i, FindingList& list) {
  const CAerodexEntry& e = doc.Entry(i);
  if (BreaksTachometerRule(e)) {
    list.Add(i, Format("tachometer readings do not advance by 0.1 (%.1f to %.1f)", e.startTach,
                       e.endTach));
  }
  if (HasApproachesWithoutInstrumentTime(e)) {
    list.Add(i,
             Format("%d approaches logged without any actual or simulated IMC", e.ApproachCount()));
  }
  if (InstrumentTimeExceedsTotal(e)) {
    list.Add(i, Format("simulated and actual IMC (%.1f h) exceed the total hours (%.1f h)",
                       e.actualInstrument + e.simulatedInstrument, e.TotalHours()));
  }
  if (LacksPicAndDual(e)) list.Add(i, "no hours for PIC or dual");
  if (LacksDeparture(e)) list.Add(i, "no departure airport");
  if (LacksArrival(e)) list.Add(i, "no arrival airport");
  if (LacksDescription(e)) list.Add(i, "no flight description");
  if (LacksHours(e)) list.Add(i, "no day or night hours");
  const CAirplane* airplane = doc.FindAircraft(e.nNumber);
  if (!airplane) list.Add(i, "N" + e.nNumber + " is not in the aircraft database");
  if (LacksLanding(e, airplane ? *airplane : kUnknownAircraft)) {
    list.Add(i, "flight without landing");
  }
  if (NightWithoutNightLanding(e)) {
    list.Add(i, Format("night flight (%.1f h) without a night landing", e.nightHours));
  }
}

// Hours that are part of other hours and exceed them.
void CheckHourParts(const CAerodexEntry& e, std::size_t i, FindingList& list) {
  const double total = e.TotalHours();
  const double crossCountry = e.dayCrossCountry + e.nightCrossCountry;
  if (HoursExceed(crossCountry, total)) {
    list.Add(i, Format("cross-country hours (%.1f) above the total (%.1f)", crossCountry, total));
  }
  if (HoursExceed(e.nightCrossCountry, e.nightHours)) {
    list.Add(i, Format("night cross-country hours (%.1f) above the night hours (%.1f)",
                       e.nightCrossCountry, e.nightHours));
  }
  if (HoursExceed(e.picHours, total)) {
    list.Add(i, Format("PIC hours (%.1f) above the total (%.1f)", e.picHours, total));
  }
  if (HoursExceed(e.dualHours, total)) {
    list.Add(i, Format("dual hours (%.1f) above the total (%.1f)", e.dualHours, total));
  }
}

// Same date, aircraft, airports and hours: the later flight is named.
std::string TwinKey(const CAerodexEntry& e) {
  std::string key = Format("%d/%d/%d|", e.year, e.month, e.day);
  for (const std::string* text : {&e.nNumber, &e.departure, &e.arrival}) {
    key += std::to_string(text->size()) + ':' + *text + '|';
  }
  char hours[2 * sizeof(double)];
  std::memcpy(hours, &e.dayHours, sizeof(double));
  std::memcpy(hours + sizeof(double), &e.nightHours, sizeof(double));
  return key.append(hours, sizeof hours);
}

void CheckTwins(const CAerodexDoc& doc, FindingList& list) {
  std::unordered_map<std::string, std::size_t> first;
  for (std::size_t i = 0; i < doc.EntryCount(); ++i) {
    const auto [seen, added] = first.try_emplace(TwinKey(doc.Entry(i)), i);
    if (added) continue;
    list.Add(i, Format("looks entered twice: same date, aircraft, airports and hours as flight "
                       "#%d",
                       doc.Entry(seen->second).flightNumber));
  }
}

void CheckTachometers(const CAerodexDoc& doc, FindingList& list) {
  for (const TachBreak& found : FindTachBreaks(doc)) {
    const CAerodexEntry& before = doc.Entry(found.previous);
    list.Add(found.next,
             Format("tachometer %s of %.1f h: starts at %.1f; the previous flight, %d/%d/%d, "
                    "ended at %.1f",
                    found.gap > 0 ? "gap" : "overlap", found.gap > 0 ? found.gap : -found.gap,
                    doc.Entry(found.next).startTach, before.month, before.day, before.year,
                    before.endTach));
  }
}

}  // namespace

CLogCheckDlg CheckLog(const CAerodexDoc& doc) {
  FindingList list(doc);
  for (std::size_t i = 0; i < doc.EntryCount(); ++i) {
    CheckFormRules(doc, i, list);
    CheckHourParts(doc.Entry(i), i, list);
  }
  CheckTwins(doc, list);
  CheckTachometers(doc, list);
  CLogCheckDlg report;
  report.flightsChecked = doc.EntryCount();
  report.findings = list.Sorted();
  return report;
}

void ShowFlight(CAerodexDoc& doc, std::size_t index) {
  if (index >= doc.EntryCount()) return;
  doc.selectedEntry = &doc.Entry(index);
  doc.scrollToSelection = 1;
  doc.UpdateAllViews();
}

}  // namespace aerodex::stats

namespace aerodex::stats {

CLogCheckActions LogCheckActions(CAerodexDoc& doc) {
  CLogCheckActions actions;
  actions.showFlight = [&doc](std::size_t index) { ShowFlight(doc, index); };
  // A new selection tells the views too; only a change to the contents
  // is worth checking the whole log again.
  actions.recheck = [&doc, seen = doc.Revision()]() mutable -> std::optional<CLogCheckDlg> {
    if (doc.Revision() == seen) return std::nullopt;
    seen = doc.Revision();
    return CheckLog(doc);
  };
  return actions;
}

}  // namespace aerodex::stats

void OnCheckLog(CAerodexDoc& doc, CInteractionPort& port) {
  port.ShowLogCheck(aerodex::stats::CheckLog(doc), aerodex::stats::LogCheckActions(doc));
}
