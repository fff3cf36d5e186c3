// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/clock.h"

#include <algorithm>
#include <chrono>
#include <climits>

namespace aerodex {

LocalDate Clock::Today() const {
  const std::tm local = ToLocalTime(Now());
  return LocalDate{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::time_t SystemClock::Now() const { return std::time(nullptr); }

const Clock& DefaultClock() {
  static const SystemClock clock;
  return clock;
}

std::tm ToLocalTime(std::time_t t) {
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

std::time_t FromLocalTime(std::tm local) { return std::mktime(&local); }

std::time_t LocalNoon(const LocalDate& day) {
  std::tm local{};
  // Dates may come from a file: keep the arithmetic inside int.
  local.tm_year = static_cast<int>(std::clamp<long long>(day.year - 1900LL, INT_MIN, INT_MAX));
  local.tm_mon = static_cast<int>(std::clamp<long long>(day.month - 1LL, INT_MIN, INT_MAX));
  local.tm_mday = day.day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  return FromLocalTime(local);
}

std::optional<std::time_t> ParseLocalTime(std::string_view text) {
  // Exactly this shape: no sign, blank or short field slips through, and the
  // day must be one the month has (mktime would roll 02-31 into March).
  constexpr std::string_view kShape = "0000-00-00 00:00:00";
  if (text.size() != kShape.size()) return std::nullopt;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == '0' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  const auto number = [text](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  const std::chrono::year_month_day date{std::chrono::year(year),
                                         std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return FromLocalTime(local);
}

}  // namespace aerodex
