#include "model/clock.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

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
  const std::string copy(text);
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  char tail = 0;
  const int read = std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day,
                               &hour, &minute, &second, &tail);
  if (read != 6 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 ||
      second > 60 || hour < 0 || minute < 0 || second < 0) {
    return std::nullopt;
  }
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
