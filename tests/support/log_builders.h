// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders of realistic records for tests.
#pragma once

#include <memory>
#include <string>

#include "model/airplane.h"
#include "model/document.h"
#include "model/entry.h"

inline std::unique_ptr<CAerodexEntry> MakeFlight(int year, int month, int day, int number = 0,
                                                 const std::string& nNumber = "12345") {
  auto e = std::make_unique<CAerodexEntry>();
  e->nNumber = nNumber;
  e->year = year;
  e->month = month;
  e->day = day;
  e->flightNumber = number;
  e->departure = "KSJC";
  e->arrival = "KMRY";
  e->route = "V25";
  e->dayLandings = 1;
  e->dayHours = 1.2;
  e->picHours = 1.2;
  e->remarks = "Practice approaches";
  return e;
}

inline std::unique_ptr<CAirplane> MakeAirplane(const std::string& nNumber, bool single = true) {
  auto a = std::make_unique<CAirplane>(nNumber);
  a->isAirplane = 1;
  a->isSingleEngine = single ? 1 : 0;
  a->isMultiEngine = single ? 0 : 1;
  a->make = "CESSNA";
  a->model = "172N";
  a->hourlyCost = 95.5;
  return a;
}
