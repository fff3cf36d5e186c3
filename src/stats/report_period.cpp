// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/report_period.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace aerodex::stats {
namespace {

namespace chr = std::chrono;

LocalDate FromYmd(const chr::year_month_day& ymd) {
  return LocalDate{static_cast<int>(static_cast<unsigned>(ymd.day())),
                   static_cast<int>(static_cast<unsigned>(ymd.month())),
                   static_cast<int>(ymd.year())};
}

chr::year_month_day ToYmd(const LocalDate& date) {
  return chr::year{date.year} / chr::month{static_cast<unsigned>(date.month)} /
         chr::day{static_cast<unsigned>(date.day)};
}

LocalDate DaysBefore(const LocalDate& today, int days) {
  return FromYmd(chr::year_month_day{chr::sys_days{ToYmd(today)} - chr::days{days}});
}

LocalDate MonthsBefore(const LocalDate& today, int months) {
  const chr::year_month earlier = ToYmd(today).year() / ToYmd(today).month() - chr::months{months};
  const chr::year_month_day last = earlier / chr::last;
  const unsigned day = std::min(static_cast<unsigned>(today.day), unsigned{last.day()});
  return FromYmd(earlier / chr::day{day});
}

struct PeriodInfo {
  Period period;
  const char* name;
  const char* option;
};
constexpr std::array kPeriods = {
    PeriodInfo{Period::kAll, "All time", nullptr},
    PeriodInfo{Period::kLast30Days, "Last 30 days", "30d"},
    PeriodInfo{Period::kLast60Days, "Last 60 days", "60d"},
    PeriodInfo{Period::kLast90Days, "Last 90 days", "90d"},
    PeriodInfo{Period::kLast6Months, "Last 6 months", "6m"},
    PeriodInfo{Period::kLast12Months, "Last 12 months", "12m"},
    PeriodInfo{Period::kLast24Months, "Last 24 months", "24m"},
    PeriodInfo{Period::kThisYear, "This year", nullptr},
};

}  // namespace

DateRange PeriodRange(Period period, const LocalDate& today) {
  switch (period) {
    case Period::kAll:
      return {};
    case Period::kLast30Days:
      return {DaysBefore(today, 30), today};
    case Period::kLast60Days:
      return {DaysBefore(today, 60), today};
    case Period::kLast90Days:
      return {DaysBefore(today, 90), today};
    case Period::kLast6Months:
      return {MonthsBefore(today, 6), today};
    case Period::kLast12Months:
      return {MonthsBefore(today, 12), today};
    case Period::kLast24Months:
      return {MonthsBefore(today, 24), today};
    case Period::kThisYear:
      return {LocalDate{1, 1, today.year}, today};
  }
  return {};
}

const char* PeriodName(Period period) {
  for (const PeriodInfo& info : kPeriods) {
    if (info.period == period) return info.name;
  }
  return "";
}

std::optional<Period> ParseLastPeriod(std::string_view text) {
  for (const PeriodInfo& info : kPeriods) {
    if (info.option != nullptr && text == info.option) return info.period;
  }
  return std::nullopt;
}

std::optional<LocalDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  const auto number = [text](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const LocalDate date{day, month, year};
  if (month < 1 || month > 12 || day < 1 || !ToYmd(date).ok()) return std::nullopt;
  return date;
}

std::string IsoDateText(const LocalDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace aerodex::stats
