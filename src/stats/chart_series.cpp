// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_series.h"

#include <array>
#include <cstdio>

#include "stats/month_index.h"

namespace aerodex::stats {
namespace {

using T = FlightTotals;

struct ValueInfo {
  const char* name;
  double (*of)(const T&);
};

// clang-format off
constexpr std::array<ValueInfo, kChartValueCount> kValues = {{
  {"Total", [](const T& t) { return t.total; }},
  {"PIC", [](const T& t) { return t.pic; }},
  {"Dual", [](const T& t) { return t.dual; }},
  {"Night", [](const T& t) { return t.night; }},
  {"Cross country", [](const T& t) { return t.crossCountry; }},
  {"Actual instrument", [](const T& t) { return t.actualInstrument; }},
  {"Simulated instrument", [](const T& t) { return t.simulatedInstrument; }},
  {"All instrument", [](const T& t) { return t.Instrument(); }},
  {"Landings", [](const T& t) { return double(t.landings); }},
  {"Night landings", [](const T& t) { return double(t.nightLandings); }},
  {"Approaches", [](const T& t) { return double(t.approaches); }},
  {"Flights", [](const T& t) { return double(t.flights); }},
  {"Cost", [](const T& t) { return t.cost; }},
}};
// clang-format on

constexpr std::array<const char*, 5> kGroupNames = {"Month", "Year", "Aircraft", "Make and model",
                                                    "Class"};

bool IsCalendar(GroupBy by) { return by == GroupBy::kMonth || by == GroupBy::kYear; }

// "2024-03" or "2024" back to a number that counts months or years.
long long CalendarIndex(const std::string& key, GroupBy by) {
  int year = 0, month = 1;
  std::sscanf(key.c_str(), "%d-%d", &year, &month);
  return by == GroupBy::kMonth ? MonthIndexOf(year, month) : year;
}

std::string CalendarKey(long long index, GroupBy by) {
  if (by == GroupBy::kYear) return Format("%04lld", index);
  const ShownDate date = EndOfMonth(index);
  return Format("%04lld-%02lld", static_cast<long long>(date.year),
                static_cast<long long>(date.month));
}

// Months or years without flights between the first and the last, at 0.
void FillCalendar(ChartSeries& series, const std::vector<FlightGroup>& groups, GroupBy by,
                  ChartValue value) {
  const long long first = CalendarIndex(groups.front().key, by);
  const long long last = CalendarIndex(groups.back().key, by);
  std::size_t next = 0;
  double running = 0;
  for (long long index = first; index <= last; ++index) {
    double amount = 0;
    if (next < groups.size() && CalendarIndex(groups[next].key, by) == index) {
      amount = ChartValueOf(groups[next++].totals, value);
    }
    running += amount;
    series.keys.push_back(CalendarKey(index, by));
    series.values.push_back(amount);
    series.running.push_back(running);
  }
}

}  // namespace

const char* ChartValueName(ChartValue value) { return kValues[static_cast<int>(value)].name; }

double ChartValueOf(const FlightTotals& totals, ChartValue value) {
  return kValues[static_cast<int>(value)].of(totals);
}

ChartSeries MakeChartSeries(const CAerodexDoc& doc, std::span<const std::uint32_t> flights,
                            GroupBy by, ChartValue value) {
  const std::vector<FlightGroup> groups = GroupFlights(doc, flights, by);
  ChartSeries series;
  if (groups.empty()) return series;
  if (IsCalendar(by)) {
    FillCalendar(series, groups, by, value);
    return series;
  }
  for (const FlightGroup& group : groups) {
    series.keys.push_back(group.key);
    series.values.push_back(ChartValueOf(group.totals, value));
  }
  return series;
}

std::string ChartSeriesCsv(const ChartSeries& series, GroupBy by, ChartValue value) {
  std::string csv = std::string(kGroupNames[static_cast<int>(by)]) + "," + ChartValueName(value);
  if (!series.running.empty()) csv += ",Running total";
  csv += "\r\n";
  for (std::size_t i = 0; i < series.keys.size(); ++i) {
    std::string key = series.keys[i];
    if (key.find_first_of(",\"\r\n") != std::string::npos) {
      std::string quoted = "\"";
      for (char c : key) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
      key = quoted + "\"";
    }
    csv += key + "," + Format("%.2f", series.values[i]);
    if (!series.running.empty()) csv += "," + Format("%.2f", series.running[i]);
    csv += "\r\n";
  }
  return csv;
}

}  // namespace aerodex::stats
