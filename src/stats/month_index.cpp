// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/month_index.h"

#include <cstdarg>
#include <cstdio>

#include "model/clock.h"

namespace aerodex::stats {
namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Division rounded towards minus infinity, as the year of index 0 is -1.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

MonthIndex CurrentMonthIndex(std::time_t now) {
  const std::tm local = ToLocalTime(now);
  return MonthIndexOf(std::int64_t{local.tm_year} + 1900, std::int64_t{local.tm_mon} + 1);
}

ShownDate EndOfMonth(MonthIndex index) {
  std::int64_t month = index % 12;
  if (month < 0) month += 12;
  if (month == 0) month = 12;
  return {month, kDaysInMonth[month - 1], FloorDiv(index - 1, 12)};
}

std::string DatedLine(const char* phrase, const ShownDate& date) {
  return Format("%s %lld/%lld/%lld", phrase, static_cast<long long>(date.month),
                static_cast<long long>(date.day), static_cast<long long>(date.year));
}

std::string DateText(const ShownDate& date) {
  return Format("%lld/%lld/%lld", static_cast<long long>(date.month),
                static_cast<long long>(date.day), static_cast<long long>(date.year));
}

std::string MonthText(MonthIndex index) {
  const ShownDate date = EndOfMonth(index);
  return Format("%lld/%lld", static_cast<long long>(date.month), static_cast<long long>(date.year));
}

std::string MonthName(MonthIndex index) {
  static constexpr const char* kNames[12] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
  const ShownDate date = EndOfMonth(index);
  return Format("%s %lld", kNames[date.month - 1], static_cast<long long>(date.year));
}

std::string Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

}  // namespace aerodex::stats
