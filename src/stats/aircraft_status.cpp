// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/aircraft_status.h"

#include <cmath>

#include "stats/month_index.h"
#include "stats/tach_continuity.h"

namespace aerodex::stats {
namespace {

// What the log says about one aircraft: its oldest and newest flight and the
// tachometer hours proven by readings.
struct FlightHistory {
  const CAerodexEntry* oldest = nullptr;
  const CAerodexEntry* newest = nullptr;
  double hoursFlown = 0.0;
};

FlightHistory HistoryOf(const CAerodexDoc& doc, const CAirplane& airplane) {
  FlightHistory history;
  for (const auto& entry : doc.Entries()) {
    if (entry->nNumber != airplane.nNumber) continue;  // case-sensitive, byte for byte
    if (!history.oldest) history.oldest = entry.get();
    history.newest = entry.get();
    history.hoursFlown += entry->endTach - entry->startTach;
  }
  return history;
}

std::string AnnualLine(const CAirplane& airplane, MonthIndex today) {
  const std::int64_t months =
      MonthIndexOf(std::int64_t{airplane.lastAnnualYear} + 1, airplane.lastAnnualMonth) - today;
  return Format("Annual inspection is due in %lld months.", static_cast<long long>(months));
}

// The average rate since the first flight and the months to TBO at it, or
// the sentence that says why there is no finite, positive rate.
struct TboEstimate {
  double rate = 0.0;
  double months = 0.0;
  std::string missing;  // empty when rate and months are usable
};

TboEstimate EstimateTbo(const FlightHistory& history, double hoursToTbo, MonthIndex today) {
  TboEstimate estimate;
  const MonthIndex months = today - MonthIndexOf(history.oldest->year, history.oldest->month);
  if (months == 0) {
    estimate.missing =
        "The first flight in this aircraft is logged this month; "
        "TBO can be estimated from next month on.";
    return estimate;
  }
  if (months < 0) {
    estimate.missing =
        "The first flight in this aircraft is dated after this month; "
        "TBO cannot be estimated.";
    return estimate;
  }
  estimate.rate = history.hoursFlown / static_cast<double>(months);
  if (estimate.rate == 0.0) {
    estimate.missing = "No tachometer hours are logged in this aircraft; TBO cannot be estimated.";
    return estimate;
  }
  estimate.months = hoursToTbo / estimate.rate;
  if (!std::isfinite(estimate.rate) || !std::isfinite(estimate.months)) {
    estimate.missing =
        "The tachometer readings logged in this aircraft give no usable rate; "
        "TBO cannot be estimated.";
  }
  return estimate;
}

std::string TboMonthsLine(const TboEstimate& estimate) {
  if (!estimate.missing.empty()) return estimate.missing;
  return Format("At %.0f hrs/month ( %.0f hrs/year) , TBO is estimated in %.0f months.",
                estimate.rate, estimate.rate * 12.0, estimate.months);
}

std::string AnnualDueLine(const CAirplane& airplane) {
  if (airplane.lastAnnualMonth < 1 || airplane.lastAnnualMonth > 12 ||
      airplane.lastAnnualYear == 0) {
    return "No date of the last annual inspection is recorded for this aircraft.";
  }
  return "The annual inspection falls due in " +
         MonthName(
             MonthIndexOf(std::int64_t{airplane.lastAnnualYear} + 1, airplane.lastAnnualMonth)) +
         ".";
}

std::string TboDueLine(const CAirplane& airplane, const TboEstimate& estimate, double hoursToTbo,
                       MonthIndex today) {
  if (airplane.tbo == 0) return "No TBO is recorded for this aircraft.";
  if (hoursToTbo <= 0) return "The engine has reached its TBO.";
  // Ten thousand years is beyond any engine, and keeps the month index finite.
  if (!estimate.missing.empty() || estimate.months > 120000.0) {
    return "The month of TBO cannot be estimated without a rate of use.";
  }
  // Rounded as the months of the line above are.
  const auto months = static_cast<MonthIndex>(std::nearbyint(estimate.months));
  return "At that rate TBO is reached in " + MonthName(today + months) + ".";
}

std::string CurrentTachLine(const CAerodexEntry& newest) {
  if (newest.startTach == 0 && newest.endTach == 0) {
    return Format(
        "The newest flight in this aircraft, %d/%d/%d, has no tachometer readings, so "
        "the current reading is 0.0.",
        newest.month, newest.day, newest.year);
  }
  return Format(
      "The current tachometer reading, %.1f, is the ending reading of the newest "
      "flight in this aircraft, %d/%d/%d (%s to %s).",
      newest.endTach, newest.month, newest.day, newest.year, newest.departure.c_str(),
      newest.arrival.c_str());
}

std::vector<std::string> ContinuityLines(const CAerodexDoc& doc, const CAirplane& airplane) {
  std::vector<std::string> lines;
  for (const TachBreak& found : FindTachBreaks(doc, airplane.nNumber)) {
    lines.push_back(TachBreakText(doc, found));
  }
  if (lines.empty()) {
    lines.push_back(
        "Tachometer continuity: every flight with readings starts within 0.1 of "
        "the ending reading of the flight before it.");
  }
  return lines;
}

}  // namespace

CAircraftStatsDlg ComputeAircraftStatus(const CAerodexDoc& doc, const CAirplane& airplane,
                                        std::time_t now) {
  const MonthIndex today = CurrentMonthIndex(now);
  CAircraftStatsDlg report;
  report.nNumber = airplane.nNumber;
  report.annual = AnnualLine(airplane, today);
  report.annualDue = AnnualDueLine(airplane);
  const FlightHistory history = HistoryOf(doc, airplane);
  if (!history.newest) {
    // Without a flight there is no current tachometer reading to work from.
    report.oilChange =
        "No flight is logged in this aircraft, so its tach hours since the last "
        "oil change are unknown.";
    report.tboHours = "No flight is logged in this aircraft, so its hours from TBO are unknown.";
    report.tboMonths = "No flight is logged in this aircraft; TBO cannot be estimated.";
    report.tboDue = "The month of TBO cannot be estimated without a flight.";
    report.currentTach = "No flight is logged in this aircraft.";
    return report;
  }
  const double current = history.newest->endTach;  // the newest flight's, not the highest
  const double hoursToTbo = airplane.tbo - current;
  report.tboHours = Format("This plane is %.1f hours from TBO.", hoursToTbo);
  report.oilChange = Format("This plane was flown %.1f tach hours since the last oil change.",
                            current - airplane.tachAtOilChange);
  const TboEstimate estimate = EstimateTbo(history, hoursToTbo, today);
  report.tboMonths = TboMonthsLine(estimate);
  report.tboDue = TboDueLine(airplane, estimate, hoursToTbo, today);
  report.currentTach = CurrentTachLine(*history.newest);
  report.tachContinuity = ContinuityLines(doc, airplane);
  return report;
}

std::vector<CAircraftStatsDlg> ComputeMonitoredStatus(const CAerodexDoc& doc, std::time_t now) {
  std::vector<CAircraftStatsDlg> reports;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    const CAirplane& airplane = doc.Aircraft(i);
    if (airplane.isMonitored) reports.push_back(ComputeAircraftStatus(doc, airplane, now));
  }
  return reports;
}

}  // namespace aerodex::stats

void ShowAircraftStatus(const CAerodexDoc& doc, CInteractionPort& port, const CAirplane& airplane) {
  port.ShowAircraftStatus(aerodex::stats::ComputeAircraftStatus(doc, airplane, doc.Clock().Now()));
}

void OnAircraftStatus(const CAerodexDoc& doc, CInteractionPort& port) {
  bool anyMonitored = false;
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    const CAirplane& airplane = doc.Aircraft(i);
    if (!airplane.isMonitored) continue;
    anyMonitored = true;
    ShowAircraftStatus(doc, port, airplane);
  }
  if (!anyMonitored) port.ShowError(aerodex::stats::kNoMonitoredAircraft);
}
