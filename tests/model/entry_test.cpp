// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry.h"

#include <gtest/gtest.h>

#include <ctime>

#include "model/clock.h"

namespace {
std::time_t LocalNoon(int year, int month, int day) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = 12;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
}  // namespace

TEST(CompareEntries, OrdersByYearMonthDayThenFlightNumber) {
  CAerodexEntry a, b;
  a.year = 1997, a.month = 12, a.day = 31;
  b.year = 1998, b.month = 1, b.day = 1;
  EXPECT_LT(CompareEntries(a, b), 0);
  EXPECT_GT(CompareEntries(b, a), 0);
  b = a;
  a.flightNumber = 2;
  b.flightNumber = 1;
  EXPECT_GT(CompareEntries(a, b), 0);
  b.flightNumber = 2;
  EXPECT_EQ(CompareEntries(a, b), 0);
}

TEST(Totals, ResetStampsTodayAndZeroesCountsButKeepsReadingsAndHolds) {
  aerodex::FixedClock clock(LocalNoon(2026, 12, 7));
  CAerodexEntry acc;
  acc.startTach = 100;
  acc.endTach = 120;
  acc.holdingProcedures = 3;
  acc.dayHours = 5;
  acc.nNumber = "X";
  acc.radarApproaches = 2;
  acc.rowTop = -1400;
  acc.ResetTotals(clock);
  EXPECT_EQ(acc.day, 7);
  EXPECT_EQ(acc.month, 12);
  EXPECT_EQ(acc.year, 2026);
  EXPECT_EQ(acc.startTach, 100);
  EXPECT_EQ(acc.endTach, 120);
  EXPECT_EQ(acc.holdingProcedures, 3);
  EXPECT_EQ(acc.rowTop, -1400);
  EXPECT_EQ(acc.dayHours, 0);
  EXPECT_EQ(acc.radarApproaches, 0);
  EXPECT_TRUE(acc.nNumber.empty());
}

TEST(Totals, TachTimeAddsOnlyTheReadingDifferenceWithItsSign) {
  aerodex::FixedClock clock(LocalNoon(2026, 12, 7));
  CAerodexEntry acc;
  acc.ResetTotals(clock);
  CAerodexEntry flight;
  flight.startTach = 1200.0;
  flight.endTach = 1201.5;
  flight.tachTime = 3.0;
  flight.holdingProcedures = 4;
  flight.dayHours = 1.5;
  flight.nightLandings = 2;
  flight.gpsApproaches = 1;
  acc.AddToTotals(flight);
  EXPECT_DOUBLE_EQ(acc.tachTime, 1.5);
  EXPECT_EQ(acc.holdingProcedures, 0);
  EXPECT_EQ(acc.nightLandings, 2);
  EXPECT_EQ(acc.ApproachCount(), 1);

  CAerodexEntry noReadings;
  noReadings.tachTime = 2.0;
  acc.AddToTotals(noReadings);
  EXPECT_DOUBLE_EQ(acc.tachTime, 1.5);

  CAerodexEntry backwards;
  backwards.startTach = 10;
  backwards.endTach = 9;
  acc.AddToTotals(backwards);
  EXPECT_DOUBLE_EQ(acc.tachTime, 0.5);
}

TEST(Totals, CountsWrapInsteadOfOverflowing) {
  CAerodexEntry acc, flight;
  acc.dayLandings = 2147483647;
  flight.dayLandings = 1;
  acc.AddToTotals(flight);  // no undefined behaviour under the sanitizers
  EXPECT_LT(acc.dayLandings, 0);
}
