// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sample_log.h"

#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace aerodex::sample {
namespace {

// A small deterministic generator (the same numbers on every platform).
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
  // Tenths of an hour between lo and hi tenths, as decimal hours.
  double Hours(int loTenths, int hiTenths) {
    return (loTenths + Below(hiTenths - loTenths + 1)) / 10.0;
  }
  template <class T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Below(static_cast<int>(N))];
  }

 private:
  std::uint32_t state_;
};

// Hours as a pilot writes them: to the tenth.
double Tenths(double hours) { return std::round(hours * 10) / 10; }

void FillPilot(CPilotInfo& p) {
  p.pilotName = "Dana K. Whitfield";
  p.address = "1450 Aviation Way, San Jose, CA 95110";
  p.baseAirport = "KRHV";
  p.licenseNumber = 3456789;
  p.bfrMonth = 6, p.bfrYear = 2025;
  p.iccMonth = 3, p.iccYear = 2025;
  p.medicalMonth = 3, p.medicalYear = 2025, p.medicalClass = 3;
  p.birthMonth = 4, p.birthYear = 1979;
  p.isPrivate = 1;
  p.ratedAirplane = 1;
  p.ratedSingleEngineLand = 1;
  p.ratedInstrumentAirplane = 1;
  p.highPerformanceEndorsement = 1;
  p.tailWheelEndorsement = 1;
}

std::unique_ptr<CAirplane> Airplane(const char* n, const char* make, const char* model, double cost,
                                    bool multi) {
  auto a = std::make_unique<CAirplane>(n);
  a->isAirplane = 1;
  a->isSingleEngine = multi ? 0 : 1;
  a->isMultiEngine = multi ? 1 : 0;
  a->make = make;
  a->model = model;
  a->hourlyCost = cost;
  return a;
}

void FillAircraft(CAerodexDoc& doc) {
  auto owned = Airplane("5432K", "CESSNA", "172N SKYHAWK", 128.0, false);
  owned->isIfrCertified = 1;
  owned->isMonitored = 1;
  owned->tbo = 2000;
  owned->lastAnnualMonth = 4, owned->lastAnnualYear = 2026;
  owned->tachAtAnnual = 1740.3;
  owned->tachAtOilChange = 1752.0;
  owned->lastIfrCheckMonth = 4, owned->lastIfrCheckYear = 2026;
  doc.AppendAircraft(std::move(owned));
  auto rental = Airplane("738CP", "PIPER", "PA-28-181 ARCHER", 165.0, false);
  rental->isIfrCertified = 1;
  doc.AppendAircraft(std::move(rental));
  auto twin = Airplane("6017D", "BEECH", "BE-76 DUCHESS", 315.0, true);
  twin->isRetractable = twin->hasConstantSpeedProp = twin->isIfrCertified = 1;
  doc.AppendAircraft(std::move(twin));
  auto cub = Airplane("3112T", "PIPER", "J-3 CUB", 140.0, false);
  cub->hasTailWheel = 1;
  doc.AppendAircraft(std::move(cub));
  auto sim = std::make_unique<CAirplane>("SIM1");
  sim->isSimulator = 1;
  sim->make = "REDBIRD";
  sim->model = "TD2 AATD";
  sim->hourlyCost = 60.0;
  doc.AppendAircraft(std::move(sim));
}

constexpr std::array<const char*, 14> kAway = {"KSNS", "KMRY", "KWVI", "KHAF", "KSQL",
                                               "KLVK", "KSCK", "KMOD", "KSBP", "KCCR",
                                               "KSTS", "KTRK", "KPAO", "KOAK"};
constexpr std::array<const char*, 8> kRoutes = {
    "SJC V334 SNS", "SUNOL PATTERSON PASS",  "V25 SALINAS",    "COYOTE LAKE V485",
    "SAN LUIS RES", "CHINA GRADE SHORELINE", "LICK OBS SUNOL", "SHORELINE SFO BAY TOUR"};
constexpr std::array<const char*, 6> kCrossCountryRemarks = {
    "Lunch run with a friend, smooth air over the hills, ATC handled flight following the whole "
    "way",
    "Flight following with NorCal, winds 280 at 15 on arrival, crosswind landing",
    "Scenic coast trip; marine layer burned off by noon, VFR on top on the way home",
    "Pilot-passenger flight, fuel stop, $6.45 per gallon self-serve",
    "Practice diversion to alternate, dead reckoning check within 2 miles",
    "Delivered parts to the shop; return against a stiff headwind"};
constexpr std::array<const char*, 4> kApproachKinds = {"ILS", "VOR", "GPS", "LOC"};

struct Flight {
  CAerodexEntry* e;
  Dice& dice;
};

void LocalFlight(Flight f, const CPilotInfo& pilot) {
  f.e->departure = f.e->arrival = pilot.baseAirport;
  f.e->dayHours = f.dice.Hours(6, 14);
  f.e->dayLandings = 3 + f.dice.Below(6);
  f.e->remarks = "Pattern work, short and soft field landings, " +
                 std::to_string(f.e->dayLandings) + " full stops";
}

void CrossCountry(Flight f, const CPilotInfo& pilot, bool night) {
  f.e->departure = pilot.baseAirport;
  f.e->arrival = f.dice.Pick(kAway);
  f.e->route = f.dice.Pick(kRoutes);
  const double hours = f.dice.Hours(15, 32);
  if (night) {
    f.e->dayHours = f.dice.Hours(2, 5);
    f.e->nightHours = Tenths(hours - f.e->dayHours);
    f.e->nightCrossCountry = f.e->nightHours;
    f.e->dayCrossCountry = f.e->dayHours;
    f.e->nightLandings = 1 + f.dice.Below(3);
    f.e->remarks =
        "Night cross country, lights of the valley, three full-stop landings for currency";
  } else {
    f.e->dayHours = f.e->dayCrossCountry = hours;
    f.e->dayLandings = 2;
    f.e->remarks = f.dice.Pick(kCrossCountryRemarks);
  }
}

void InstrumentPractice(Flight f, const CPilotInfo& pilot) {
  f.e->departure = f.e->arrival = pilot.baseAirport;
  f.e->route = "SJC RNAV 12R MISSED HOLD";
  f.e->dayHours = f.dice.Hours(12, 20);
  // Cloud met on the way counts as actual, out of the hood time: the two
  // together stay below the flight's hours.
  f.e->actualInstrument = f.dice.Below(4) == 0 ? 0.4 : 0;
  f.e->simulatedInstrument = Tenths(f.e->dayHours - 0.3 - f.e->actualInstrument);
  f.e->ilsApproaches = f.dice.Below(2);
  f.e->gpsApproaches = 1 + f.dice.Below(2);
  f.e->vorApproaches = f.dice.Below(2);
  f.e->holdingProcedures = 1;
  f.e->dayLandings = 1 + f.e->gpsApproaches;
  f.e->remarks = std::string("Hood work with safety pilot; ") + f.dice.Pick(kApproachKinds) +
                 " and GPS approaches, hold at the missed approach fix";
}

void SimulatorSession(Flight f) {
  f.e->departure = f.e->arrival = "SIM";
  f.e->route = "";
  f.e->dayHours = f.dice.Hours(10, 15);
  f.e->simulatedInstrument = f.e->dayHours;
  f.e->ilsApproaches = 1 + f.dice.Below(2);
  f.e->locApproaches = f.dice.Below(2);
  f.e->ndbApproaches = f.dice.Below(2);
  f.e->holdingProcedures = 1 + f.dice.Below(2);
  f.e->dualHours = f.e->dayHours;
  f.e->remarks =
      "Instrument proficiency in the simulator with CFII: partial panel, holds, "
      "approaches to minimums";
}

void TwinTraining(Flight f, const CPilotInfo& pilot) {
  f.e->departure = pilot.baseAirport;
  f.e->arrival = f.dice.Below(2) ? "KLVK" : pilot.baseAirport;
  f.e->route = "PRACTICE AREA V-MC DEMO";
  f.e->dayHours = f.dice.Hours(12, 18);
  f.e->dualHours = f.e->dayHours;
  f.e->dayLandings = 3;
  f.e->remarks = "Multi-engine training: engine failure after takeoff, single-engine approach";
}

void TailwheelFlight(Flight f) {
  f.e->departure = f.e->arrival = "KHAF";
  f.e->route = "HMB COAST";
  f.e->dayHours = f.dice.Hours(8, 12);
  f.e->dayLandings = 5;
  f.e->remarks = "Cub fun: wheel landings and three-pointers, doors open along the coast";
}

}  // namespace

void BuildLargeLog(CAerodexDoc& doc, std::uint32_t flights, std::uint32_t seed) {
  FillPilot(doc.pilot);
  doc.lastNNumber = "5432K";
  FillAircraft(doc);
  Dice dice(seed);
  double tach = 1620.4;  // the owned Cessna's tachometer
  int year = 2023, month = 1, day = 5;
  for (std::uint32_t i = 0; i < flights; ++i) {
    auto e = std::make_unique<CAerodexEntry>();
    e->year = year, e->month = month, e->day = day;
    const int kind = dice.Below(20);
    Flight f{e.get(), dice};
    if (kind < 5) {
      e->nNumber = "5432K";
      LocalFlight(f, doc.pilot);
    } else if (kind < 10) {
      e->nNumber = kind < 8 ? "5432K" : "738CP";
      CrossCountry(f, doc.pilot, false);
    } else if (kind < 12) {
      e->nNumber = "5432K";
      CrossCountry(f, doc.pilot, true);
    } else if (kind < 15) {
      e->nNumber = kind < 14 ? "5432K" : "738CP";
      InstrumentPractice(f, doc.pilot);
    } else if (kind < 17) {
      e->nNumber = "SIM1";
      SimulatorSession(f);
    } else if (kind < 19) {
      e->nNumber = "6017D";
      TwinTraining(f, doc.pilot);
    } else {
      e->nNumber = "3112T";
      TailwheelFlight(f);
    }
    if (e->dualHours == 0) e->picHours = e->dayHours + e->nightHours;
    if (e->nNumber == "5432K") {
      e->startTach = tach;
      // The tachometer runs a little slower than the clock at cruise power.
      tach = std::round((tach + (e->dayHours + e->nightHours) * 0.9) * 10) / 10;
      e->endTach = tach;
    } else if (e->nNumber == "738CP") {
      e->tachTime = Tenths(e->dayHours + e->nightHours - 0.1);
    }
    doc.AppendEntry(std::move(e));
    // About one flight a week, sometimes two on a day.
    if (dice.Below(6) != 0) day += 1 + dice.Below(15);
    if (day > 28) {
      day -= 28;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  // Flights of one day are numbered in the order they were flown (and their
  // tachometer readings run), so that sorting keeps that order.
  for (std::uint32_t i = 1; i < doc.EntryCount(); ++i) {
    const CAerodexEntry& prev = doc.Entry(i - 1);
    CAerodexEntry& cur = doc.Entry(i);
    const bool sameDay = prev.year == cur.year && prev.month == cur.month && prev.day == cur.day;
    if (sameDay) cur.flightNumber = prev.flightNumber + 1;
  }
  doc.SortEntries();
  doc.SetModifiedFlag(false);
}

void BuildSampleLog(CAerodexDoc& doc) { BuildLargeLog(doc, 200, 1); }

}  // namespace aerodex::sample
