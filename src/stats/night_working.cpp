// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the night line, and beside it the same 90-day rule for day
// passengers, estimated from the landings the log holds.
#include <cmath>

#include "model/clock.h"
#include "stats/currency_working.h"

namespace aerodex::stats {
namespace {

using LandingCount = std::int64_t (*)(const CAerodexEntry&);

std::int64_t NightLandings(const CAerodexEntry& e) { return e.nightLandings; }
std::int64_t AllLandings(const CAerodexEntry& e) {
  return std::int64_t{e.dayLandings} + e.nightLandings;
}

// Lists the flights, newest first, whose landings reach 3; the index of the
// flight at which they did, or -1 with total holding the whole log's count.
long ListLandings(const CAerodexDoc& doc, LandingCount count, const char* one, const char* many,
                  std::vector<std::string>& lines, std::int64_t& total) {
  total = 0;
  std::vector<std::string> flights;
  for (long i = static_cast<long>(doc.EntryCount()) - 1; i >= 0; --i) {
    const CAerodexEntry& e = doc.Entry(static_cast<std::size_t>(i));
    const std::int64_t own = count(e);
    if (own == 0) continue;
    total += own;
    flights.push_back(Format("  %s: %s (%lld in all)", FlightLabel(e).c_str(),
                             Counted(own, one, many).c_str(), static_cast<long long>(total)));
    if (total >= 3) {
      lines.push_back("Flights, newest first, until the landings reached 3:");
      lines.insert(lines.end(), flights.begin(), flights.end());
      return i;
    }
  }
  return -1;
}

// Whole calendar days from one local date to another.
long long DaysBetween(const CAerodexEntry& flight, const LocalDate& to) {
  const double seconds =
      std::difftime(LocalNoon(to), LocalNoon({flight.day, flight.month, flight.year}));
  return std::llround(seconds / 86400.0);
}

// The date the landings reached 3, the 90 days after it and the verdict.
void NinetyDayLines(const CAerodexEntry& third, std::time_t now, const char* legal,
                    std::vector<std::string>& lines) {
  const std::tm local = ToLocalTime(now);
  const NinetyDays days = NinetyDaysFrom(third, now, local);
  const LocalDate asOf{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
  lines.push_back(Format("The third landing was made on %d/%d/%d; 90 days later is %s.",
                         third.month, third.day, third.year, DateText(days.until).c_str()));
  lines.push_back(Format("As of %d/%d/%d that flight was %lld days ago: %s %s %s.", asOf.month,
                         asOf.day, asOf.year, DaysBetween(third, asOf),
                         days.lapsed ? "more than 90, so not" : "90 or fewer, so", legal,
                         days.lapsed ? "since then" : ("until " + DateText(days.until)).c_str()));
}

}  // namespace

CWorkingSection NightWorking(const CAerodexDoc& doc, std::time_t now) {
  CWorkingSection section{"Night Currency", {}};
  auto& lines = section.lines;
  const bool student = doc.pilot.isStudent != 0;
  lines.push_back(student ? "Rule for a student pilot's night solo: 3 night landings within the "
                            "90 days before the date, and a CFI's endorsement."
                          : "Rule for passengers at night: 3 night landings within the 90 days "
                            "before the date.");
  std::int64_t total = 0;
  const long third =
      ListLandings(doc, NightLandings, "night landing", "night landings", lines, total);
  if (third < 0) {
    lines.push_back("Never met: the whole log holds " +
                    Counted(total, "night landing", "night landings") + ".");
  } else {
    NinetyDayLines(doc.Entry(static_cast<std::size_t>(third)), now,
                   student ? "night solo is legal if CFI endorsed" : "legal to carry passengers",
                   lines);
  }
  lines.push_back("Assumption: take-offs are not recorded: night landings are counted alone.");
  lines.push_back(
      "Assumption: full-stop landings are not recorded, so every night landing "
      "counts.");
  lines.push_back("Category, class and aircraft play no part.");
  return section;
}

CWorkingSection DayPassengerWorking(const CAerodexDoc& doc, std::time_t now) {
  CWorkingSection section{"Day Passengers (Estimate)", {}};
  auto& lines = section.lines;
  lines.push_back(
      "An estimate from the log's data, not one of the seven lines: 3 landings of "
      "any kind within the 90 days before the date, the landings standing in for "
      "the take-offs the log does not record.");
  std::int64_t total = 0;
  const long third = ListLandings(doc, AllLandings, "landing", "landings", lines, total);
  if (third < 0) {
    lines.push_back("Never met: the whole log holds " + Counted(total, "landing", "landings") +
                    ".");
  } else {
    NinetyDayLines(doc.Entry(static_cast<std::size_t>(third)), now,
                   "by this estimate legal to carry passengers by day", lines);
  }
  return section;
}

}  // namespace aerodex::stats
