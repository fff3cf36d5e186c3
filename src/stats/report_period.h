// SPDX-License-Identifier: GPL-3.0-or-later
// The dates a report covers. A flight's date is compared as the whole number
// yyyymmdd, which keeps log order even for dates no calendar has. A period
// (last 90 days, last 12 months, this year) is a date range that ends today,
// both ends included; "today" is the caller's, from the document's clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/clock.h"
#include "model/entry.h"

namespace aerodex::stats {

using DateKey = long long;

inline DateKey KeyOf(const LocalDate& date) {
  return date.year * 10000LL + date.month * 100LL + date.day;
}
inline DateKey KeyOf(const CAerodexEntry& flight) {
  return flight.year * 10000LL + flight.month * 100LL + flight.day;
}

// Both ends included; an end left out is open.
struct DateRange {
  std::optional<LocalDate> from;
  std::optional<LocalDate> to;

  bool Contains(const CAerodexEntry& flight) const {
    const DateKey key = KeyOf(flight);
    return (!from || key >= KeyOf(*from)) && (!to || key <= KeyOf(*to));
  }
};

enum class Period {
  kAll,
  kLast30Days,
  kLast60Days,
  kLast90Days,
  kLast6Months,
  kLast12Months,
  kLast24Months,
  kThisYear,
};

// The range of a period ending on today. Days count back from today (90 days
// before 15 June is 17 March); months are calendar months, a day the earlier
// month lacks becoming its last (6 months before 31 August is 29 February).
DateRange PeriodRange(Period period, const LocalDate& today);

// "Last 90 days", "Last 12 months", "This year", "All time".
const char* PeriodName(Period period);
// "30d", "60d", "90d", "6m", "12m", "24m": the periods aerodex-cli's --last takes.
std::optional<Period> ParseLastPeriod(std::string_view text);

// "YYYY-MM-DD" of a real calendar day; nothing otherwise.
std::optional<LocalDate> ParseIsoDate(std::string_view text);
std::string IsoDateText(const LocalDate& date);

}  // namespace aerodex::stats
