// SPDX-License-Identifier: GPL-3.0-or-later
// CAerodexEntry: one flight of the log, and also the accumulator of every
// totals row. The document owns the entries of the log; a totals accumulator
// belongs to the drawing pass that made it.
#pragma once

#include <string>

#include "model/clock.h"

class CAerodexEntry {
 public:
  CAerodexEntry() = default;

  // Prepares an empty totals accumulator stamped with today's date. The
  // tachometer readings, holdingProcedures and the row scratch stay as they are.
  void ResetTotals(const aerodex::Clock& clock);
  // Adds another entry into this accumulator (see the field comments).
  void AddToTotals(const CAerodexEntry& other);

  // Day plus night hours: the flight's duration for every total and check.
  double TotalHours() const { return dayHours + nightHours; }
  // The eight approach kinds; holding procedures are not approaches.
  int ApproachCount() const;

  // Totals rows only.
  double multiEngineHours = 0;
  double singleEngineHours = 0;
  double cost = 0;

  std::string nNumber;  // registration without the leading N
  double startTach = 0;
  double endTach = 0;
  int day = 0;
  int month = 0;
  int year = 0;  // four digits
  int flightNumber = 0;
  std::string departure;
  std::string arrival;
  std::string route;
  int dayLandings = 0;
  int nightLandings = 0;
  double dayHours = 0;
  double nightHours = 0;
  double dayCrossCountry = 0;
  double nightCrossCountry = 0;
  double tachTime = 0;  // in a totals row: the sum of the reading differences
  double dualHours = 0;
  double picHours = 0;
  double actualInstrument = 0;
  double simulatedInstrument = 0;
  int ilsApproaches = 0;
  int vorApproaches = 0;
  int locApproaches = 0;
  int ndbApproaches = 0;
  int gpsApproaches = 0;
  int rnavApproaches = 0;
  int loranApproaches = 0;
  int radarApproaches = 0;
  int holdingProcedures = 0;
  std::string remarks;

  // Log view scratch: the row's rules as last drawn. The empty range of a
  // fresh entry contains no point, so an undrawn entry is never hit.
  int rowTop = -1;
  int rowBottom = 0;
};

// Log order: year, month, day, flight number. Negative, zero or positive.
int CompareEntries(const CAerodexEntry& a, const CAerodexEntry& b);
