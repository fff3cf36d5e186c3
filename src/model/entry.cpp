// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry.h"

void CAerodexEntry::ResetTotals(const aerodex::Clock& clock) {
  const aerodex::LocalDate today = clock.Today();
  actualInstrument = dayHours = dualHours = dayCrossCountry = 0;
  nightHours = nightCrossCountry = picHours = simulatedInstrument = tachTime = 0;
  multiEngineHours = singleEngineHours = cost = 0;
  dayLandings = nightLandings = 0;
  ilsApproaches = vorApproaches = locApproaches = ndbApproaches = 0;
  gpsApproaches = rnavApproaches = loranApproaches = radarApproaches = 0;
  flightNumber = 0;
  nNumber.clear();
  departure.clear();
  arrival.clear();
  route.clear();
  remarks.clear();
  day = today.day;
  month = today.month;
  year = today.year;
}

namespace {
// Counts add with wrap-around instead of undefined overflow: a hostile file can
// hold 65535 entries of 65535 landings each.
void AddCount(int& total, int value) {
  total = static_cast<int>(static_cast<unsigned>(total) + static_cast<unsigned>(value));
}
}  // namespace

void CAerodexEntry::AddToTotals(const CAerodexEntry& other) {
  dayHours += other.dayHours;
  nightHours += other.nightHours;
  dayCrossCountry += other.dayCrossCountry;
  nightCrossCountry += other.nightCrossCountry;
  dualHours += other.dualHours;
  picHours += other.picHours;
  actualInstrument += other.actualInstrument;
  simulatedInstrument += other.simulatedInstrument;
  AddCount(dayLandings, other.dayLandings);
  AddCount(nightLandings, other.nightLandings);
  AddCount(ilsApproaches, other.ilsApproaches);
  AddCount(vorApproaches, other.vorApproaches);
  AddCount(locApproaches, other.locApproaches);
  AddCount(ndbApproaches, other.ndbApproaches);
  AddCount(gpsApproaches, other.gpsApproaches);
  AddCount(rnavApproaches, other.rnavApproaches);
  AddCount(loranApproaches, other.loranApproaches);
  AddCount(radarApproaches, other.radarApproaches);
  // A totals row's tach time is the hours the readings prove; typed-in tach
  // time of flights without readings is deliberately left out.
  tachTime += other.endTach - other.startTach;
  multiEngineHours += other.multiEngineHours;
  singleEngineHours += other.singleEngineHours;
  cost += other.cost;
}

int CAerodexEntry::ApproachCount() const {
  int count = 0;
  for (int kind : {ilsApproaches, vorApproaches, locApproaches, ndbApproaches, gpsApproaches,
                   rnavApproaches, loranApproaches, radarApproaches}) {
    AddCount(count, kind);
  }
  return count;
}

int CompareEntries(const CAerodexEntry& a, const CAerodexEntry& b) {
  if (a.year != b.year) return a.year - b.year;
  if (a.month != b.month) return a.month - b.month;
  if (a.day != b.day) return a.day - b.day;
  return a.flightNumber - b.flightNumber;
}
