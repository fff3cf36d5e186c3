// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar arithmetic of the statistics. A month is one whole number, the
// month index year x 12 + month (1 to 12), so that adding N months is adding
// N. Indexes are 64-bit: the pilot's and the aircraft's dates come straight
// from files, and a hostile year must not overflow. Dates are shown as the
// last day of their month from a fixed table in which February has 28 days.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace aerodex::stats {

using MonthIndex = std::int64_t;

inline MonthIndex MonthIndexOf(std::int64_t year, std::int64_t month) { return year * 12 + month; }

// The local calendar month of an instant, as a month index.
MonthIndex CurrentMonthIndex(std::time_t now);

struct ShownDate {
  std::int64_t month = 0;
  std::int64_t day = 0;
  std::int64_t year = 0;
};

// The last day of the month of an index: month = index mod 12 with 0 read as
// 12, year = (index - 1) / 12 rounded down, leap years not considered.
ShownDate EndOfMonth(MonthIndex index);

// "%s %d/%d/%d": the phrase (which ends in a blank), one more blank and the date.
std::string DatedLine(const char* phrase, const ShownDate& date);

// "3/31/1999": a shown date without leading zeros.
std::string DateText(const ShownDate& date);
// "3/1999": the month and year of an index, as EndOfMonth reads them.
std::string MonthText(MonthIndex index);
// "March 1999": the same month with its English name.
std::string MonthName(MonthIndex index);

// printf into a std::string of whatever length the result needs.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace aerodex::stats
