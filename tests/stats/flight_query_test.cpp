// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/flight_query.h"

#include <gtest/gtest.h>

#include "stats/flight_totals.h"
#include "support/log_builders.h"

namespace {

using aerodex::LocalDate;
using aerodex::stats::AircraftClass;
using aerodex::stats::FlightFilter;
using aerodex::stats::FlightQuery;
using aerodex::stats::GroupBy;
using aerodex::stats::Period;
using aerodex::stats::PeriodRange;

LocalDate Date(int year, int month, int day) { return {day, month, year}; }

std::string Iso(const std::optional<LocalDate>& date) {
  return date ? aerodex::stats::IsoDateText(*date) : "open";
}

TEST(ReportPeriodTest, DaysCountBackAndMonthsAreCalendarMonths) {
  const auto from = [](Period period, LocalDate today) {
    const auto range = PeriodRange(period, today);
    EXPECT_EQ(Iso(range.to), Iso(today));
    return Iso(range.from);
  };
  EXPECT_EQ(from(Period::kLast90Days, Date(2024, 6, 1)), "2024-03-03");
  EXPECT_EQ(from(Period::kLast30Days, Date(2024, 1, 15)), "2023-12-16");
  EXPECT_EQ(from(Period::kLast60Days, Date(2023, 3, 1)), "2022-12-31");
  EXPECT_EQ(from(Period::kLast6Months, Date(2024, 8, 31)), "2024-02-29");
  EXPECT_EQ(from(Period::kLast12Months, Date(2024, 2, 29)), "2023-02-28");
  EXPECT_EQ(from(Period::kLast24Months, Date(2024, 1, 10)), "2022-01-10");
  EXPECT_EQ(from(Period::kThisYear, Date(2024, 7, 4)), "2024-01-01");
  EXPECT_EQ(Iso(PeriodRange(Period::kAll, Date(2024, 7, 4)).from), "open");
}

TEST(ReportPeriodTest, IsoDatesMustBeRealDays) {
  EXPECT_TRUE(aerodex::stats::ParseIsoDate("2024-02-29"));
  for (const char* bad : {"2023-02-29", "2024-13-01", "2024-1-01", "2024-01-01x", "24-01-01",
                          "2024/01/01", "", "2024-00-10", "+024-01-01"}) {
    EXPECT_FALSE(aerodex::stats::ParseIsoDate(bad)) << bad;
  }
}

class FlightQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    auto cessna = MakeAirplane("1234A");  // CESSNA 172N
    cessna->hourlyCost = 100;
    doc.AppendAircraft(std::move(cessna));
    auto twin = MakeAirplane("55TW", false);
    twin->make = "Beech";
    twin->model = "Baron";
    twin->isRetractable = twin->hasConstantSpeedProp = twin->isHighPerformance = 1;
    doc.AppendAircraft(std::move(twin));
    auto cub = MakeAirplane("3CUB");
    cub->make = "Piper";
    cub->model = "J-3 Cub";
    cub->hasTailWheel = 1;
    cub->hasConstantSpeedProp = 1;  // not complex without retractable gear
    cub->isSeaplane = 1;
    doc.AppendAircraft(std::move(cub));
    auto sim = MakeAirplane("SIM");
    sim->isSimulator = 1;
    sim->make = "Redbird";
    sim->model = "TD2";
    doc.AppendAircraft(std::move(sim));
    Fly(2024, 1, 31, "1234A", "KSJC", "Night landings at Monterey");
    Fly(2024, 2, 1, "55TW", "KPAO", "multi training");
    Fly(2024, 2, 15, "3CUB", "KHAF", "Coast");
    Fly(2025, 3, 1, "SIM", "SIM", "Holds");
    Fly(2025, 3, 2, "GONE", "ksql", "Unknown aircraft");
    doc.SortEntries();
  }
  void Fly(int year, int month, int day, const std::string& nNumber, const std::string& departure,
           const std::string& remarks) {
    auto flight = MakeFlight(year, month, day, 0, nNumber);
    flight->departure = departure;
    flight->remarks = remarks;
    doc.AppendEntry(std::move(flight));
  }
  // The N-Numbers of the flights a filter lets through, in log order.
  std::string Matching(FlightFilter filter) {
    const FlightQuery query(doc, std::move(filter));
    std::string names;
    for (const std::uint32_t i : MatchingFlights(doc, query)) {
      names += (names.empty() ? "" : " ") + doc.Entry(i).nNumber;
    }
    return names;
  }

  CAerodexDoc doc;
};

TEST_F(FlightQueryTest, EachFilterOnItsOwn) {
  EXPECT_EQ(Matching({}), "1234A 55TW 3CUB SIM GONE");
  EXPECT_EQ(Matching({.aircraft = {"55TW", "SIM"}}), "55TW SIM");
  EXPECT_EQ(Matching({.model = "cessna 172"}), "1234A");
  EXPECT_EQ(Matching({.model = "BARON"}), "55TW");
  EXPECT_EQ(Matching({.aircraftClass = AircraftClass::kAmel}), "55TW");
  EXPECT_EQ(Matching({.aircraftClass = AircraftClass::kAses}), "3CUB");
  EXPECT_EQ(Matching({.aircraftClass = AircraftClass::kUnclassified}), "GONE");
  EXPECT_EQ(Matching({.complex = true}), "55TW");
  EXPECT_EQ(Matching({.highPerformance = true}), "55TW");
  EXPECT_EQ(Matching({.tailWheel = true}), "3CUB");
  EXPECT_EQ(Matching({.multiEngine = true}), "55TW");
}

TEST_F(FlightQueryTest, TextIsFoundInAirportsRouteAndRemarksInAnyCase) {
  EXPECT_EQ(Matching({.text = "KSQL"}), "GONE");       // departure typed in lower case
  EXPECT_EQ(Matching({.text = "monterey"}), "1234A");  // remarks
  EXPECT_EQ(Matching({.text = "kmry"}), "1234A 55TW 3CUB SIM GONE");  // every arrival
  EXPECT_EQ(Matching({.text = "v25"}), "1234A 55TW 3CUB SIM GONE");   // every route
  EXPECT_EQ(Matching({.text = "nowhere"}), "");
}

TEST_F(FlightQueryTest, DateRangeIncludesBothEndDays) {
  EXPECT_EQ(Matching({.dates = {Date(2024, 1, 31), Date(2024, 2, 15)}}), "1234A 55TW 3CUB");
  EXPECT_EQ(Matching({.dates = {Date(2024, 2, 1), Date(2024, 2, 14)}}), "55TW");
  EXPECT_EQ(Matching({.dates = {Date(2025, 3, 2), std::nullopt}}), "GONE");
  EXPECT_EQ(Matching({.dates = {std::nullopt, Date(2024, 1, 30)}}), "");
}

TEST_F(FlightQueryTest, FiltersCombine) {
  EXPECT_EQ(Matching({.aircraft = {"55TW", "3CUB"}, .tailWheel = true}), "3CUB");
  EXPECT_EQ(Matching({.model = "piper", .text = "coast"}), "3CUB");
  EXPECT_EQ(Matching({.model = "piper", .text = "holds"}), "");
}

std::string Keys(const std::vector<aerodex::stats::FlightGroup>& groups) {
  std::string keys;
  for (const auto& group : groups) {
    keys += (keys.empty() ? "" : "|") + group.key + "=" + std::to_string(group.totals.flights);
  }
  return keys;
}

TEST_F(FlightQueryTest, GroupsInDateKeyOrClassOrder) {
  const FlightQuery all(doc, {});
  const auto flights = MatchingFlights(doc, all);
  EXPECT_EQ(Keys(GroupFlights(doc, flights, GroupBy::kMonth)), "2024-01=1|2024-02=2|2025-03=2");
  EXPECT_EQ(Keys(GroupFlights(doc, flights, GroupBy::kYear)), "2024=3|2025=2");
  EXPECT_EQ(Keys(GroupFlights(doc, flights, GroupBy::kAircraft)),
            "1234A=1|3CUB=1|55TW=1|GONE=1|SIM=1");
  EXPECT_EQ(Keys(GroupFlights(doc, flights, GroupBy::kModel)),
            "=1|Beech Baron=1|CESSNA 172N=1|Piper J-3 Cub=1|Redbird TD2=1");
  EXPECT_EQ(Keys(GroupFlights(doc, flights, GroupBy::kClass)),
            "ASEL=1|AMEL=1|ASES=1|Simulator=1|Unclassified=1");
}

TEST_F(FlightQueryTest, TotalsFollowEachFlightsAircraft) {
  doc.Entry(0).startTach = 100.0;
  doc.Entry(0).endTach = 101.5;
  doc.Entry(0).tachTime = 3.0;  // typed tach time is not part of the totals, as in the log
  doc.Entry(1).nightHours = 0.5;
  doc.Entry(1).ilsApproaches = 2;
  doc.Entry(1).holdingProcedures = 1;
  const FlightQuery all(doc, {});
  const auto totals = aerodex::stats::SumFlights(doc, MatchingFlights(doc, all));
  EXPECT_EQ(totals.flights, 5);
  EXPECT_NEAR(totals.total, 6.5, 1e-9);
  EXPECT_NEAR(totals.singleEngine, 1.2 * 3, 1e-9);  // Cessna, Cub and the simulator
  EXPECT_NEAR(totals.multiEngine, 1.7, 1e-9);
  EXPECT_NEAR(totals.simulator, 1.2, 1e-9);
  EXPECT_NEAR(totals.tach, 1.5, 1e-9);
  EXPECT_NEAR(totals.cost, 1.2 * 100 + 1.7 * 95.5 + 1.2 * 95.5 * 2, 1e-9);
  EXPECT_EQ(totals.landings, 5);
  EXPECT_EQ(totals.approaches, 2);
  EXPECT_EQ(totals.holds, 1);
}

}  // namespace
