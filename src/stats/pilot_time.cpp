// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/pilot_time.h"

#include <algorithm>
#include <array>

namespace aerodex::stats {
namespace {

constexpr int kRowKinds = 6;
constexpr int kLoggedClasses = static_cast<int>(AircraftClass::kBalloon) + 1;

constexpr std::array<const char*, kRowKinds> kRowNames = {
    "Airplanes", "Rotorcraft", "Gliders", "Lighter Than Air", "Training Devices", "Unclassified"};

const std::vector<std::string>& Notes() {
  static const std::vector<std::string> notes = {
      "Solo time is logged with pilot-in-command time: the Solo and Cross Country Solo cells "
      "are left empty and their time is in the PIC cells.",
      "Take-offs are not recorded: night landings stand for night take-off/landings.",
      "Second-in-command time is not recorded: SIC is 0.",
      "Each flight's cross-country and night cells take the smaller of the two times "
      "(night PIC is the smaller of night and PIC time); night landings count as PIC landings "
      "when the flight has PIC time.",
      "Instrument is actual plus simulated instrument time.",
      "Training devices are the aircraft marked Simulator; they fill only Total, Instruction "
      "Received and Instrument.",
      "Unclassified: flights whose aircraft is not in the database or has no kind marked.",
      "Complex means retractable gear and a constant-speed propeller.",
  };
  return notes;
}

void AddToRow(PilotTimeRow& row, const CAerodexEntry& flight) {
  const double total = flight.TotalHours();
  const double instrument = flight.actualInstrument + flight.simulatedInstrument;
  ++row.flights;
  row.total += total;
  row.instructionReceived += flight.dualHours;
  row.instrument += instrument;
  if (row.IsTrainingDevice()) return;
  const double xc = flight.dayCrossCountry + flight.nightCrossCountry;
  row.pic += flight.picHours;
  row.xcInstructionReceived += std::min(xc, flight.dualHours);
  row.xcPic += std::min(xc, flight.picHours);
  row.nightInstructionReceived += std::min(flight.nightHours, flight.dualHours);
  row.nightTakeoffLandings += flight.nightLandings;
  row.nightPic += std::min(flight.nightHours, flight.picHours);
  if (flight.picHours > 0) row.nightTakeoffLandingsPic += flight.nightLandings;
}

void AddToClass(ClassTotals& totals, const CAerodexEntry& flight) {
  ++totals.flights;
  totals.total += flight.TotalHours();
  totals.pic += flight.picHours;
  totals.dual += flight.dualHours;
}

}  // namespace

const char* RowName(PilotTimeRowKind kind) { return kRowNames[static_cast<std::size_t>(kind)]; }

PilotTimeRowKind RowKindOf(AircraftClass aircraftClass) {
  switch (aircraftClass) {
    case AircraftClass::kAsel:
    case AircraftClass::kAmel:
    case AircraftClass::kAses:
    case AircraftClass::kAmes:
      return PilotTimeRowKind::kAirplanes;
    case AircraftClass::kHelicopter:
    case AircraftClass::kGyroplane:
      return PilotTimeRowKind::kRotorcraft;
    case AircraftClass::kGlider:
      return PilotTimeRowKind::kGliders;
    case AircraftClass::kAirship:
    case AircraftClass::kBalloon:
      return PilotTimeRowKind::kLighterThanAir;
    case AircraftClass::kSimulator:
      return PilotTimeRowKind::kTrainingDevices;
    case AircraftClass::kUnclassified:
      break;
  }
  return PilotTimeRowKind::kUnclassified;
}

PilotTimeReport ComputePilotTime(const CAerodexDoc& doc, const DateRange& dates) {
  std::array<PilotTimeRow, kRowKinds> rows;
  for (int i = 0; i < kRowKinds; ++i) rows[i].kind = static_cast<PilotTimeRowKind>(i);
  std::array<ClassTotals, kLoggedClasses> classes;
  for (int i = 0; i < kLoggedClasses; ++i) classes[i].aircraftClass = static_cast<AircraftClass>(i);
  const AircraftLookup lookup(doc);
  for (const auto& slot : doc.Entries()) {
    const CAerodexEntry& flight = *slot;
    if (!dates.Contains(flight)) continue;
    const AircraftClass aircraftClass = ClassOf(lookup.Find(flight.nNumber));
    AddToRow(rows[static_cast<std::size_t>(RowKindOf(aircraftClass))], flight);
    if (static_cast<int>(aircraftClass) < kLoggedClasses) {
      AddToClass(classes[static_cast<std::size_t>(aircraftClass)], flight);
    }
  }
  PilotTimeReport report{dates, {}, {}, Notes()};
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(report.rows),
               [](const PilotTimeRow& row) { return row.flights > 0; });
  std::copy_if(classes.begin(), classes.end(), std::back_inserter(report.classTotals),
               [](const ClassTotals& totals) { return totals.flights > 0; });
  return report;
}

}  // namespace aerodex::stats
