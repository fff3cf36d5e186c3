// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of "now" for the whole program. The application uses the
// system clock; tests and aerodex-cli's --now use a fixed instant. Calendar
// breakdowns are always local time, as a pilot reads the date on the wall.
#pragma once

#include <ctime>
#include <optional>
#include <string_view>

namespace aerodex {

struct LocalDate {
  int day = 0;
  int month = 0;  // 1 to 12
  int year = 0;   // four digits
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t Now() const = 0;

  // Today's local calendar date.
  LocalDate Today() const;
};

class SystemClock final : public Clock {
 public:
  std::time_t Now() const override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::time_t now) : now_(now) {}
  std::time_t Now() const override { return now_; }
  void Set(std::time_t now) { now_ = now; }

 private:
  std::time_t now_;
};

// The process-wide system clock, for documents built without a clock of their own.
const Clock& DefaultClock();

// Local-time breakdown and its inverse (the C library's localtime_r and mktime).
std::tm ToLocalTime(std::time_t t);
std::time_t FromLocalTime(std::tm local);

// Noon local time of a calendar day: the instant a report "as of" that day
// is computed for, away from midnight and from daylight-saving changes.
std::time_t LocalNoon(const LocalDate& day);

// Parses "YYYY-MM-DD HH:MM:SS" as a local time; nothing when malformed or
// when the day is not one the month has.
std::optional<std::time_t> ParseLocalTime(std::string_view text);

}  // namespace aerodex
