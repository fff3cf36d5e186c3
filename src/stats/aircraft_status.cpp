#include "stats/aircraft_status.h"

#include <cmath>

#include "stats/month_index.h"

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

// The months to TBO at the average rate since the first flight. Where the
// rate has no finite, positive meaning a sentence says why instead.
std::string TboMonthsLine(const FlightHistory& history, double hoursToTbo, MonthIndex today) {
  const MonthIndex months = today - MonthIndexOf(history.oldest->year, history.oldest->month);
  if (months == 0) {
    return "The first flight in this aircraft is logged this month; "
           "TBO can be estimated from next month on.";
  }
  if (months < 0) {
    return "The first flight in this aircraft is dated after this month; "
           "TBO cannot be estimated.";
  }
  const double rate = history.hoursFlown / static_cast<double>(months);
  if (rate == 0.0) {
    return "No tachometer hours are logged in this aircraft; TBO cannot be estimated.";
  }
  const double monthsToTbo = hoursToTbo / rate;
  if (!std::isfinite(rate) || !std::isfinite(monthsToTbo)) {
    return "The tachometer readings logged in this aircraft give no usable rate; "
           "TBO cannot be estimated.";
  }
  return Format("At %.0f hrs/month ( %.0f hrs/year) , TBO is estimated in %.0f months.", rate,
                rate * 12.0, monthsToTbo);
}

}  // namespace

CAircraftStatsDlg ComputeAircraftStatus(const CAerodexDoc& doc, const CAirplane& airplane,
                                        std::time_t now) {
  const MonthIndex today = CurrentMonthIndex(now);
  CAircraftStatsDlg report;
  report.nNumber = airplane.nNumber;
  report.annual = AnnualLine(airplane, today);
  const FlightHistory history = HistoryOf(doc, airplane);
  if (!history.newest) {
    // Without a flight there is no current tachometer reading to work from.
    report.oilChange = "No flight is logged in this aircraft, so its tach hours since the last "
                       "oil change are unknown.";
    report.tboHours = "No flight is logged in this aircraft, so its hours from TBO are unknown.";
    report.tboMonths = "No flight is logged in this aircraft; TBO cannot be estimated.";
    return report;
  }
  const double current = history.newest->endTach;  // the newest flight's, not the highest
  const double hoursToTbo = airplane.tbo - current;
  report.tboHours = Format("This plane is %.1f hours from TBO.", hoursToTbo);
  report.oilChange = Format("This plane was flown %.1f tach hours since the last oil change.",
                            current - airplane.tachAtOilChange);
  report.tboMonths = TboMonthsLine(history, hoursToTbo, today);
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
