// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/chart_series.h"

#include <gtest/gtest.h>

#include "stats/flight_query.h"
#include "support/log_builders.h"

namespace {

using aerodex::stats::ChartValue;
using aerodex::stats::GroupBy;

class ChartSeriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    doc.AppendAircraft(MakeAirplane("1234A"));
    auto twin = MakeAirplane("55TW", false);
    twin->model = "310";
    doc.AppendAircraft(std::move(twin));
    Fly(2023, 11, 5, "1234A", 1.0);
    Fly(2024, 1, 10, "55TW", 2.0);
    Fly(2024, 1, 20, "1234A", 0.5);
    Fly(2024, 3, 1, "1234A", 1.5);
    doc.SortEntries();
  }
  void Fly(int year, int month, int day, const char* nNumber, double hours) {
    auto flight = MakeFlight(year, month, day, 0, nNumber);
    flight->dayHours = hours;
    flight->picHours = hours;
    doc.AppendEntry(std::move(flight));
  }
  aerodex::stats::ChartSeries Series(GroupBy by, ChartValue value) {
    const auto all = MatchingFlights(doc, aerodex::stats::FlightQuery(doc, {}));
    return MakeChartSeries(doc, all, by, value);
  }

  CAerodexDoc doc;
};

TEST_F(ChartSeriesTest, MonthsRunWithoutGapsWithTheirRunningTotal) {
  const auto series = Series(GroupBy::kMonth, ChartValue::kTotal);
  EXPECT_EQ(series.keys,
            (std::vector<std::string>{"2023-11", "2023-12", "2024-01", "2024-02", "2024-03"}));
  EXPECT_EQ(series.values, (std::vector<double>{1.0, 0, 2.5, 0, 1.5}));
  EXPECT_EQ(series.running, (std::vector<double>{1.0, 1.0, 3.5, 3.5, 5.0}));
}

TEST_F(ChartSeriesTest, BarsMatchTheGroupTotals) {
  const auto years = Series(GroupBy::kYear, ChartValue::kFlights);
  EXPECT_EQ(years.keys, (std::vector<std::string>{"2023", "2024"}));
  EXPECT_EQ(years.values, (std::vector<double>{1, 3}));
  const auto models = Series(GroupBy::kModel, ChartValue::kLandings);
  EXPECT_EQ(models.keys, (std::vector<std::string>{"CESSNA 172N", "CESSNA 310"}));
  EXPECT_EQ(models.values, (std::vector<double>{3, 1}));
  EXPECT_TRUE(models.running.empty());
  const auto cost = Series(GroupBy::kAircraft, ChartValue::kCost);
  EXPECT_DOUBLE_EQ(cost.values[0], 3.0 * 95.5);
}

TEST_F(ChartSeriesTest, CsvHasTheBarsAndTheRunningTotal) {
  EXPECT_EQ(
      ChartSeriesCsv(Series(GroupBy::kYear, ChartValue::kPic), GroupBy::kYear, ChartValue::kPic),
      "Year,PIC,Running total\r\n2023,1.00,1.00\r\n2024,4.00,5.00\r\n");
  EXPECT_EQ(ChartSeriesCsv(Series(GroupBy::kClass, ChartValue::kFlights), GroupBy::kClass,
                           ChartValue::kFlights),
            "Class,Flights\r\nASEL,3.00\r\nAMEL,1.00\r\n");
}

}  // namespace
