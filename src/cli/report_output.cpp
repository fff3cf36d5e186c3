// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_output.h"

#include <optional>

#include "cli/text_out.h"
#include "stats/month_index.h"
#include "stats/pilot_time_cells.h"

namespace aerodex::cli {
namespace {

using stats::Format;

std::string Hours(double hours) { return Format("%.1f", hours); }
std::string Money(double amount) { return Format("%.2f", amount); }

std::string DateOrNull(const std::optional<LocalDate>& date) {
  return date ? JsonString(stats::IsoDateText(*date)) : "null";
}

std::string RowJson(const stats::PilotTimeRow& row) {
  std::string json = "    {\"row\": " + JsonString(stats::RowName(row.kind));
  for (const stats::PilotTimeColumn& column : stats::PilotTimeColumns()) {
    if (column.jsonKey == nullptr) continue;
    const std::optional<double> value = stats::CellValue(row, column.cell);
    const std::string text = !value           ? "null"
                             : column.isCount ? Format("%.0f", *value)
                                              : Hours(*value);
    json += std::string(", \"") + column.jsonKey + "\": " + text;
    if (column.cell == stats::PilotTimeCell::kPic) {
      json += ", \"sic\": " + (row.IsTrainingDevice() ? std::string("null") : Hours(row.sic));
    }
  }
  return json + "}";
}

std::string ClassJson(const stats::ClassTotals& totals) {
  return "    {\"class\": " + JsonString(stats::ClassName(totals.aircraftClass)) +
         ", \"total\": " + Hours(totals.total) + ", \"pic\": " + Hours(totals.pic) +
         ", \"sic\": " + Hours(totals.sic) + ", \"dual\": " + Hours(totals.dual) + "}";
}

template <class Item, class ToJson>
std::string JsonList(const std::vector<Item>& items, ToJson toJson) {
  std::string json = "[";
  const char* comma = "\n";
  for (const Item& item : items) {
    json += comma + toJson(item);
    comma = ",\n";
  }
  return json + (items.empty() ? "]" : "\n  ]");
}

struct TotalsField {
  const char* key;
  const char* label;
  std::string (*text)(const stats::FlightTotals&);
};

// clang-format off
const TotalsField kTotalsFields[] = {
  {"total", "Total", [](const stats::FlightTotals& t) { return Hours(t.total); }},
  {"day", "Day", [](const stats::FlightTotals& t) { return Hours(t.day); }},
  {"night", "Night", [](const stats::FlightTotals& t) { return Hours(t.night); }},
  {"crossCountry", "Cross country", [](const stats::FlightTotals& t) { return Hours(t.crossCountry); }},
  {"actualInstrument", "Actual instrument", [](const stats::FlightTotals& t) { return Hours(t.actualInstrument); }},
  {"simulatedInstrument", "Simulated instrument", [](const stats::FlightTotals& t) { return Hours(t.simulatedInstrument); }},
  {"simulator", "Simulator", [](const stats::FlightTotals& t) { return Hours(t.simulator); }},
  {"singleEngine", "Single engine", [](const stats::FlightTotals& t) { return Hours(t.singleEngine); }},
  {"multiEngine", "Multi engine", [](const stats::FlightTotals& t) { return Hours(t.multiEngine); }},
  {"pic", "PIC", [](const stats::FlightTotals& t) { return Hours(t.pic); }},
  {"dual", "Dual", [](const stats::FlightTotals& t) { return Hours(t.dual); }},
  {"tach", "Tach", [](const stats::FlightTotals& t) { return Hours(t.tach); }},
  {"landings", "Landings", [](const stats::FlightTotals& t) { return std::to_string(t.landings); }},
  {"dayLandings", "Day landings", [](const stats::FlightTotals& t) { return std::to_string(t.dayLandings); }},
  {"nightLandings", "Night landings", [](const stats::FlightTotals& t) { return std::to_string(t.nightLandings); }},
  {"approaches", "Approaches", [](const stats::FlightTotals& t) { return std::to_string(t.approaches); }},
  {"holds", "Holds", [](const stats::FlightTotals& t) { return std::to_string(t.holds); }},
  {"cost", "Cost", [](const stats::FlightTotals& t) { return Money(t.cost); }},
};
// clang-format on

std::string TotalsObject(const stats::FlightTotals& totals) {
  std::string json = "{";
  const char* comma = "";
  for (const TotalsField& field : kTotalsFields) {
    json += std::string(comma) + "\"" + field.key + "\": " + field.text(totals);
    comma = ", ";
  }
  return json + "}";
}

std::string GroupJson(const stats::FlightGroup& group) {
  return "    {\"key\": " + JsonString(group.key) +
         ", \"flights\": " + std::to_string(group.totals.flights) +
         ", \"totals\": " + TotalsObject(group.totals) + "}";
}

// The columns a grouped table shows; the JSON has them all.
std::string GroupLine(const std::string& key, const stats::FlightTotals& t) {
  return Format("%-20s %7d %8s %8s %8s %8s %8s %8s %6d %5d %10s\n", key.c_str(), t.flights,
                Hours(t.total).c_str(), Hours(t.pic).c_str(), Hours(t.dual).c_str(),
                Hours(t.night).c_str(), Hours(t.crossCountry).c_str(),
                Hours(t.Instrument()).c_str(), t.landings, t.approaches, Money(t.cost).c_str());
}

}  // namespace

std::string PilotTimeJson(const stats::PilotTimeReport& report) {
  std::string json = "{\n  \"from\": " + DateOrNull(report.dates.from) +
                     ",\n  \"to\": " + DateOrNull(report.dates.to) + ",\n  \"rows\": ";
  json += JsonList(report.rows, RowJson) + ",\n  \"classTotals\": ";
  json += JsonList(report.classTotals, ClassJson) + ",\n  \"notes\": ";
  json += JsonList(report.notes, [](const std::string& note) { return "    " + JsonString(note); });
  return json + "\n}\n";
}

std::string TotalsJson(const TotalsReport& report) {
  std::string json = "{\n  \"from\": " + DateOrNull(report.dates.from) +
                     ",\n  \"to\": " + DateOrNull(report.dates.to) +
                     ",\n  \"flights\": " + std::to_string(report.totals.flights) +
                     ",\n  \"totals\": " + TotalsObject(report.totals);
  if (report.grouped) json += ",\n  \"groups\": " + JsonList(report.groups, GroupJson);
  return json + "\n}\n";
}

std::string TotalsText(const TotalsReport& report) {
  std::string text = "Flights (" + stats::DateRangeText(report.dates) +
                     "): " + std::to_string(report.totals.flights) + "\n";
  for (const TotalsField& field : kTotalsFields) {
    text += Format("  %-22s %10s\n", field.label, field.text(report.totals).c_str());
  }
  if (!report.grouped) return text;
  text += "\n" + Format("%-20s %7s %8s %8s %8s %8s %8s %8s %6s %5s %10s\n", "Group", "Flights",
                        "Total", "PIC", "Dual", "Night", "XC", "Instr", "Ldgs", "Apps", "Cost");
  for (const stats::FlightGroup& group : report.groups) {
    text += GroupLine(group.key.empty() ? "(none)" : group.key, group.totals);
  }
  return text;
}

}  // namespace aerodex::cli
