// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/insurer_table.h"

#include <array>
#include <map>

#include "stats/aircraft_class.h"

namespace aerodex::stats {
namespace {

constexpr std::array kPeriods = {Period::kLast30Days,  Period::kLast60Days,   Period::kLast90Days,
                                 Period::kLast6Months, Period::kLast12Months, Period::kLast24Months,
                                 Period::kAll};

struct Equipment {
  const char* label;
  bool (*has)(const CAirplane&);
};
constexpr std::array kEquipment = {
    Equipment{"Complex", [](const CAirplane& a) { return IsComplex(a); }},
    Equipment{"High performance", [](const CAirplane& a) { return a.isHighPerformance != 0; }},
    Equipment{"Tail wheel", [](const CAirplane& a) { return a.hasTailWheel != 0; }},
    Equipment{"Multi-engine", [](const CAirplane& a) { return a.isMultiEngine != 0; }},
};

void AddTimeIn(InsurerTimeInRow& row, const CAerodexEntry& flight, const CAirplane* airplane,
               bool in90Days, bool in12Months) {
  row.allTime.Add(flight, airplane);
  if (in90Days) row.last90Days += flight.TotalHours();
  if (in12Months) row.last12Months += flight.TotalHours();
}

}  // namespace

InsurerTable ComputeInsurerTable(const CAerodexDoc& doc, const LocalDate& today) {
  InsurerTable table;
  std::array<DateRange, kPeriods.size()> ranges;
  for (std::size_t i = 0; i < kPeriods.size(); ++i) {
    ranges[i] = PeriodRange(kPeriods[i], today);
    table.periods.push_back({kPeriods[i], {}});
  }
  const DateRange last90 = PeriodRange(Period::kLast90Days, today);
  const DateRange last12 = PeriodRange(Period::kLast12Months, today);
  std::map<std::string, InsurerTimeInRow> models;
  std::array<InsurerTimeInRow, kEquipment.size()> equipment;
  for (std::size_t i = 0; i < kEquipment.size(); ++i) equipment[i].label = kEquipment[i].label;
  const AircraftLookup lookup(doc);
  for (const auto& slot : doc.Entries()) {
    const CAerodexEntry& flight = *slot;
    const CAirplane* airplane = lookup.Find(flight.nNumber);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      if (ranges[i].Contains(flight)) table.periods[i].totals.Add(flight, airplane);
    }
    if (airplane == nullptr) continue;
    const bool in90 = last90.Contains(flight), in12 = last12.Contains(flight);
    const std::string model = MakeAndModel(*airplane);
    if (!model.empty()) {
      InsurerTimeInRow& row = models[model];
      row.label = model;
      AddTimeIn(row, flight, airplane, in90, in12);
    }
    for (std::size_t i = 0; i < kEquipment.size(); ++i) {
      if (kEquipment[i].has(*airplane)) AddTimeIn(equipment[i], flight, airplane, in90, in12);
    }
  }
  for (auto& [name, row] : models) table.timeIn.push_back(std::move(row));
  table.timeIn.insert(table.timeIn.end(), equipment.begin(), equipment.end());
  return table;
}

}  // namespace aerodex::stats
