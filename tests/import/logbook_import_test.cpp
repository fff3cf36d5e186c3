// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/logbook_import.h"

#include <gtest/gtest.h>

#include <string>

#include "import/cell_values.h"
#include "model/document_listener.h"
#include "support/log_builders.h"

namespace aerodex::import {
namespace {

// ForeFlight's template: a type row in each table, blank comma-only rows,
// every row padded to the full width.
const char* kForeFlight =
    "ForeFlight Logbook Import ,This row is required for importing into ForeFlight. Do not "
    "delete or modify.,,,,,\n"
    ",,,,,,\n"
    "Aircraft Table,,,,,,\n"
    "Text,Text,Text,YYYY,Text,Text,Text\n"
    "AircraftID,equipType,TypeCode,Year,Make,Model,Category/Class\n"
    "N12345,aircraft,C172,1977,Cessna,172N,ASEL\n"
    "C-GABC,aircraft,,,Robinson,R44,RH\n"
    ",,,,,,\n"
    "Flights Table,,,,,,\n"
    "Date,Text,Text,Decimal,Decimal,Packed Detail,Text\n"
    "Date,AircraftID,From,To,TotalTime,Approach1,PilotComments\n"
    "2024-03-01,N12345,KPAO,KSQL,1:30,1;ILS;28R;KSFO;,Hood work\n"
    "2024-03-01,c-gabc,KPAO,KHAF,0.8,2;;;;,\n";

CImportPlan Plan(const CAerodexDoc& doc, const std::string& text, CImportOptions options = {}) {
  return PlanImport(doc, text, options);
}

class LogbookImportTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }
  CAerodexDoc doc;
};

TEST_F(LogbookImportTest, ForeFlightTemplateIsReadWithItsAircraftTable) {
  const CImportPlan plan = Plan(doc, kForeFlight);
  ASSERT_TRUE(plan.recognised) << plan.failure;
  EXPECT_EQ(plan.Source(), "ForeFlight, comma-separated, UTF-8");
  ASSERT_EQ(plan.flights.size(), 2u);
  const CAerodexEntry& first = plan.flights[0].entry;
  EXPECT_EQ(plan.flights[0].line, 12);
  EXPECT_EQ(first.nNumber, "12345");
  EXPECT_DOUBLE_EQ(first.dayHours, 1.5);
  EXPECT_EQ(first.ilsApproaches, 1);
  EXPECT_EQ(first.remarks, "Hood work");
  const CAerodexEntry& second = plan.flights[1].entry;
  EXPECT_EQ(second.nNumber, "C-GABC");
  EXPECT_EQ(second.flightNumber, 1);
  EXPECT_EQ(second.gpsApproaches, 2);  // a count without a type, reported
  ASSERT_EQ(plan.warnings.size(), 1u);
  EXPECT_EQ(plan.warnings[0].line, 13);
  EXPECT_EQ(plan.warnings[0].text, "2 approaches without a type counted as GPS");
  ASSERT_EQ(plan.aircraft.size(), 2u);
  const CAirplane& cessna = plan.aircraft[0].airplane;
  EXPECT_EQ(cessna.make, "Cessna");
  EXPECT_TRUE(cessna.isAirplane && cessna.isSingleEngine && !cessna.isSeaplane);
  EXPECT_TRUE(plan.aircraft[1].airplane.isHelicopter);
  EXPECT_DOUBLE_EQ(plan.after.total, 2.3);
  EXPECT_EQ(plan.after.approaches, 3);
}

TEST_F(LogbookImportTest, SemicolonFileWithSplitPackedCellsNamesTheRowNeverReadsItShifted) {
  std::string text = kForeFlight;
  for (char& c : text) c = c == ',' ? ';' : c;
  const CImportPlan plan = Plan(doc, text);
  ASSERT_TRUE(plan.recognised) << plan.failure;
  ASSERT_EQ(plan.badRows.size(), 1u);
  EXPECT_EQ(plan.badRows[0].line, 12);
  EXPECT_EQ(plan.badRows[0].text, "11 cells where the header has 7 columns");
  // "2;;;;" split into empty cells only: its count is still read in place.
  ASSERT_EQ(plan.flights.size(), 1u);
  EXPECT_EQ(plan.flights[0].entry.gpsApproaches, 2);
}

TEST_F(LogbookImportTest, MyFlightbookSynonymsRouteTypedApproachesAndLandings) {
  const CImportPlan plan = Plan(doc,
                                "Date,Tail Number,Total Flight Time,Night,X-Country,Landings,"
                                "FS Night Landings,Approaches,Approaches - ILS,Route,Hold,"
                                "Comments,Hobbs Start\n"
                                "3/9/2024,N738CP,2.0,0.5,1.2,3,1,3,1,kpao v25 KSNS KMRY,Yes,"
                                "Night XC,1234.5\n");
  ASSERT_TRUE(plan.recognised) << plan.failure;
  EXPECT_EQ(plan.format, LogbookFormat::kMyFlightbook);
  const CAerodexEntry& e = plan.flights.at(0).entry;
  EXPECT_EQ(e.month, 3);
  EXPECT_EQ(e.day, 9);
  EXPECT_EQ(e.departure, "KPAO");
  EXPECT_EQ(e.route, "V25 KSNS");
  EXPECT_EQ(e.arrival, "KMRY");
  EXPECT_DOUBLE_EQ(e.dayHours, 1.5);
  EXPECT_DOUBLE_EQ(e.dayCrossCountry, 1.2);  // split by day first, estimated
  EXPECT_DOUBLE_EQ(e.nightCrossCountry, 0.0);
  EXPECT_EQ(e.dayLandings, 2);
  EXPECT_EQ(e.nightLandings, 1);
  EXPECT_EQ(e.ilsApproaches, 1);
  EXPECT_EQ(e.gpsApproaches, 2);
  EXPECT_EQ(e.holdingProcedures, 1);
  EXPECT_EQ(e.remarks, "Night XC; Hobbs Start=1234.5");
  EXPECT_EQ(plan.warnings.size(), 2u);  // the estimate and the untyped approaches
  EXPECT_EQ(plan.missingAircraft.at(0).nNumber, "738CP");

  CImportOptions none;
  none.keepExtra = false;
  EXPECT_EQ(
      Plan(doc, "Date,Tail,Total,Hobbs\n2024-01-01,N1,1,5\n", none).flights.at(0).entry.remarks,
      "");
}

TEST_F(LogbookImportTest, CrossCountrySplitFollowsTheTotalsSplitWhenItCan) {
  const auto split = [&](const char* total, const char* night, const char* xc) {
    const std::string text = std::string("Date,Tail,Total,Night,XC\n2024-01-01,N1,") + total + ',' +
                             night + ',' + xc + '\n';
    const CAerodexEntry e = Plan(doc, text).flights.at(0).entry;
    return HoursText(e.dayCrossCountry) + '/' + HoursText(e.nightCrossCountry);
  };
  EXPECT_EQ(split("2", "0.5", "2"), "1.5/0.5");  // all of it: as the total
  EXPECT_EQ(split("2", "0", "1"), "1/0");        // no night: all day
  EXPECT_EQ(split("2", "2", "1"), "0/1");        // all night: all night
  EXPECT_EQ(split("2", "1.5", "1"), "0.5/0.5");  // by day first
}

TEST_F(LogbookImportTest, LogTenUtf16TabsWithAListOfApproachTypes) {
  const std::string utf8 =
      "flight_flightDate\taircraft_aircraftID\tflight_totalTime\tflight_night\t"
      "flight_dayLandings\tflight_nightLandings\tflight_approaches\tflight_approachType\t"
      "flight_remarks\taircraftType_make\taircraftType_category\taircraftType_aircraftClass\n"
      "2024-05-06\tN24680\t1:12\t\t2\t\t3\tILS, LOC BC, MLS\t\"two\nlines\"\tBeech\tAirplane\t"
      "Multi-Engine Land\n";
  std::string utf16 = "\xFF\xFE";
  for (char c : utf8) utf16 += std::string{c, '\0'};
  const CImportPlan plan = Plan(doc, utf16);
  ASSERT_TRUE(plan.recognised) << plan.failure;
  EXPECT_EQ(plan.Source(), "LogTen Pro, tab-separated, UTF-16LE");
  const CAerodexEntry& e = plan.flights.at(0).entry;
  EXPECT_DOUBLE_EQ(e.dayHours, 1.2);
  EXPECT_EQ(e.ilsApproaches, 1);
  EXPECT_EQ(e.locApproaches, 1);
  EXPECT_EQ(e.gpsApproaches, 1);
  EXPECT_EQ(e.remarks, "two\nlines");
  EXPECT_TRUE(plan.aircraft.at(0).airplane.isMultiEngine);
}

TEST_F(LogbookImportTest, BadRowsAreNamedByPhysicalLineAndTheRestComesIn) {
  const CImportPlan plan = Plan(doc,
                                "Date,Tail,Total,Night,Remarks\n"
                                "2024-02-30,N1,1.0,,\"a\nb\"\n"
                                "yesterday,N1,1.0,,\n"
                                "2024-03-01,N1,lots,,\n"
                                "2024-03-02,N1,1.0,2.0,\n"
                                "2024-03-03,N1,1.0,,,surplus\n");
  ASSERT_EQ(plan.flights.size(), 2u);
  ASSERT_EQ(plan.badRows.size(), 3u);
  EXPECT_EQ(plan.badRows[0].line, 4);
  EXPECT_EQ(plan.badRows[0].text, "'yesterday' is no date (YYYY-MM-DD or M/D/YYYY)");
  EXPECT_EQ(plan.badRows[1].text, "Total 'lots' is not hours");
  EXPECT_EQ(plan.badRows[2].line, 7);
  EXPECT_EQ(plan.warnings.at(0).text,
            "night 2 is more than the total 1; the total is taken as night");
  EXPECT_DOUBLE_EQ(plan.flights[1].entry.nightHours, 2.0);
  EXPECT_DOUBLE_EQ(plan.flights[1].entry.dayHours, 0.0);
}

TEST_F(LogbookImportTest, UnknownLayoutSaysWhatItCouldNotPlaceAndAMappingPlacesIt) {
  const std::string text = "When,Plane,Hours\n2024-01-01,N1,1.0\n";
  const CImportPlan unknown = Plan(doc, text);
  EXPECT_FALSE(unknown.recognised);
  EXPECT_TRUE(unknown.flights.empty());
  EXPECT_NE(unknown.failure.find("no column holds the date, the tail number or the total time. "
                                 "Columns that could not be placed: When, Plane, Hours."),
            std::string::npos)
      << unknown.failure;
  CImportOptions options;
  options.map = {{"when", Meaning::kDate}, {"Plane", Meaning::kTail}, {"Hours", Meaning::kTotal}};
  EXPECT_EQ(Plan(doc, text, options).flights.size(), 1u);
}

TEST_F(LogbookImportTest, AirportsTooLongMoveToTheRouteAndTextsOutsideTheCodePageAreReported) {
  const CAerodexEntry e = Plan(doc,
                               "Date,Tail,Total,From,To,Route,Remarks\n"
                               "2024-01-01,N1,1,PALO ALTO,KSQL,DIRECT,\xE2\x9C\x88 caf\xC3\xA9\n")
                              .flights.at(0)
                              .entry;
  EXPECT_EQ(e.departure, "");
  EXPECT_EQ(e.route, "PALO ALTO DIRECT");
  EXPECT_EQ(e.arrival, "KSQL");
  EXPECT_EQ(e.remarks, "? caf\xE9");
}

TEST_F(LogbookImportTest, SecondImportOfTheSameFileAddsNothingAndNumbersFollowTheLog) {
  doc.AppendEntry(MakeFlight(2024, 3, 1, 4, "99"));
  doc.SortEntries();
  CImportReport report = ApplyPlan(doc, Plan(doc, kForeFlight));
  EXPECT_EQ(report.flightsAdded, 2);
  EXPECT_EQ(doc.Entry(1).flightNumber, 5);  // after the 4 the date already had
  EXPECT_EQ(doc.Entry(2).flightNumber, 6);
  EXPECT_EQ(doc.AircraftCount(), 2u);

  const CImportPlan again = Plan(doc, kForeFlight);
  EXPECT_TRUE(again.flights.empty());
  EXPECT_EQ(again.duplicates.size(), 2u);
  report = ApplyPlan(doc, again);
  EXPECT_EQ(report.flightsAdded, 0);
  EXPECT_EQ(doc.EntryCount(), 3u);
  CImportOptions include;
  include.includeDuplicates = true;
  EXPECT_EQ(Plan(doc, kForeFlight, include).flights.size(), 2u);
}

struct CountingListener : CDocumentListener {
  void DocumentChanged(const CAerodexDoc&) override { ++notices; }
  int notices = 0;
};

TEST_F(LogbookImportTest, ApplyTellsOnceAndAnUntickedAircraftStaysMissing) {
  CImportPlan plan = Plan(doc, kForeFlight);
  plan.aircraft[1].create = false;
  CountingListener listener;
  doc.AddListener(&listener);
  const CImportReport report = ApplyPlan(doc, plan);
  doc.RemoveListener(&listener);
  EXPECT_EQ(listener.notices, 1);
  EXPECT_EQ(report.aircraftCreated, std::vector<std::string>{"12345"});
  ASSERT_EQ(report.missingAircraft.size(), 1u);
  EXPECT_EQ(report.missingAircraft[0].nNumber, "C-GABC");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(LogbookImportTest, HeaderOfTypeWordsIsAHeaderOutsideForeFlight) {
  CImportOptions options;
  options.map = {{"Number", Meaning::kTail}, {"Decimal", Meaning::kTotal}};
  EXPECT_EQ(Plan(doc, "Date,Number,Decimal\n2024-01-01,N1,1.5\n", options).flights.size(), 1u);
}

TEST_F(LogbookImportTest, TheOlderTextLogIsToldApart) {
  EXPECT_TRUE(LooksLikeTextLog("# comment\n2\n^Jane^\n"));
  EXPECT_FALSE(LooksLikeTextLog("Date,Tail\n"));
  EXPECT_FALSE(LooksLikeTextLog("2,^x^\n"));
}

}  // namespace
}  // namespace aerodex::import
