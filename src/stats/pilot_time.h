// SPDX-License-Identifier: GPL-3.0-or-later
// The FAA Form 8710-1 "Record of Pilot Time": one row per kind of aircraft
// with the form's cells, the totals by class the applicant is also asked for,
// and the assumptions behind both. A flight's cells that pair two times take
// the smaller of the two (night PIC = min(night, PIC)); a flight's night
// landings count as PIC landings when it has PIC time. Pure: the window,
// aerodex-cli and the tests share this one computation.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"
#include "stats/aircraft_class.h"
#include "stats/report_period.h"

namespace aerodex::stats {

enum class PilotTimeRowKind {
  kAirplanes,
  kRotorcraft,
  kGliders,
  kLighterThanAir,
  kTrainingDevices,
  kUnclassified,
};

// "Airplanes", "Rotorcraft", "Gliders", "Lighter Than Air", "Training Devices", "Unclassified".
const char* RowName(PilotTimeRowKind kind);
PilotTimeRowKind RowKindOf(AircraftClass aircraftClass);

// Solo, cross-country solo and the launch counts are not recorded apart and
// have no member; SIC is never recorded and stays 0.
struct PilotTimeRow {
  PilotTimeRowKind kind = PilotTimeRowKind::kAirplanes;
  double total = 0;
  double instructionReceived = 0;
  double pic = 0;
  double sic = 0;
  double xcInstructionReceived = 0;
  double xcPic = 0;
  double instrument = 0;
  double nightInstructionReceived = 0;
  int nightTakeoffLandings = 0;
  double nightPic = 0;
  int nightTakeoffLandingsPic = 0;
  int flights = 0;

  // Training devices take only total, instruction received and instrument.
  bool IsTrainingDevice() const { return kind == PilotTimeRowKind::kTrainingDevices; }
};

struct ClassTotals {
  AircraftClass aircraftClass = AircraftClass::kAsel;
  double total = 0;
  double pic = 0;
  double sic = 0;
  double dual = 0;
  int flights = 0;
};

struct PilotTimeReport {
  DateRange dates;
  std::vector<PilotTimeRow> rows;        // rows with flights, in the form's order
  std::vector<ClassTotals> classTotals;  // the nine classes that have flights, in order
  std::vector<std::string> notes;        // the assumptions, one sentence each
};

PilotTimeReport ComputePilotTime(const CAerodexDoc& doc, const DateRange& dates);

}  // namespace aerodex::stats
