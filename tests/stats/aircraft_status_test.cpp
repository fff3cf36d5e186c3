// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/aircraft_status.h"

#include <gtest/gtest.h>

#include <string>

#include "model/clock.h"
#include "support/log_builders.h"
#include "support/scripted_port.h"

using aerodex::stats::ComputeAircraftStatus;
using aerodex::stats::ComputeMonitoredStatus;

namespace {

std::time_t At(const char* local) { return *aerodex::ParseLocalTime(local); }

class AircraftStatusTest : public ::testing::Test {
 protected:
  CAirplane& Owned(const std::string& nNumber, int tbo = 2000) {
    auto airplane = MakeAirplane(nNumber);
    airplane->isMonitored = 1;
    airplane->tbo = tbo;
    CAirplane& added = *airplane;
    doc.AppendAircraft(std::move(airplane));
    return added;
  }
  CAerodexEntry& Fly(const std::string& nNumber, int year, int month, double start, double end) {
    auto entry = MakeFlight(year, month, 10, 0, nNumber);
    entry->startTach = start;
    entry->endTach = end;
    CAerodexEntry& added = *entry;
    doc.AppendEntry(std::move(entry));
    doc.SortEntries();
    return added;
  }
  CAircraftStatsDlg Status(const CAirplane& airplane, const char* now) {
    return ComputeAircraftStatus(doc, airplane, At(now));
  }

  CAerodexDoc doc;
};

TEST_F(AircraftStatusTest, ReportsEveryMonitoredAircraftInDatabaseOrder) {
  aerodex::FixedClock clock(At("2000-06-15 12:00:00"));
  doc.SetClock(&clock);
  Owned("9876B");
  doc.AppendAircraft(MakeAirplane("5555C"));  // not monitored
  Owned("1234A");
  Fly("9876B", 2000, 1, 100.0, 101.0);
  ScriptedPort port;
  OnAircraftStatus(doc, port);
  EXPECT_TRUE(port.errors.empty());
  ASSERT_EQ(port.statusReports.size(), 2u);
  EXPECT_EQ(port.statusReports[0].nNumber, "9876B");
  EXPECT_EQ(port.statusReports[1].nNumber, "1234A");
  EXPECT_EQ(port.statusReports[0].tboHours, "This plane is 1899.0 hours from TBO.");
}

TEST_F(AircraftStatusTest, NoMonitoredAircraftGivesTheMessageAndNoReport) {
  doc.AppendAircraft(MakeAirplane("5555C"));
  ScriptedPort port;
  OnAircraftStatus(doc, port);
  EXPECT_TRUE(port.statusReports.empty());
  ASSERT_EQ(port.errors.size(), 1u);
  EXPECT_EQ(port.errors[0], "No aircraft was marked as 'Monitored/Owned'");
  EXPECT_TRUE(ComputeMonitoredStatus(doc, At("2000-06-15 12:00:00")).empty());
}

TEST_F(AircraftStatusTest, AnnualCountsDownToZeroInItsMonthThenGoesNegative) {
  CAirplane& airplane = Owned("1234A");
  airplane.lastAnnualMonth = 6;
  airplane.lastAnnualYear = 1999;
  EXPECT_EQ(Status(airplane, "1999-06-30 12:00:00").annual,
            "Annual inspection is due in 12 months.");
  EXPECT_EQ(Status(airplane, "2000-06-01 00:00:00").annual,
            "Annual inspection is due in 0 months.");
  EXPECT_EQ(Status(airplane, "2000-07-01 00:00:00").annual,
            "Annual inspection is due in -1 months.");
}

TEST_F(AircraftStatusTest, NewestFlightGivesTheReadingAndOnlyExactNNumbersCount) {
  CAirplane& airplane = Owned("ABC");
  airplane.tachAtOilChange = 1190.0;
  Fly("ABC", 1999, 8, 1500.0, 1501.0);  // a higher reading, but older
  Fly("abc", 2000, 5, 3000.0, 3100.0);  // another aircraft: letter case counts
  Fly("ABC", 2000, 2, 1200.0, 1201.5);
  const CAircraftStatsDlg report = Status(airplane, "2000-06-15 12:00:00");
  EXPECT_EQ(report.nNumber, "ABC");
  EXPECT_EQ(report.tboHours, "This plane is 798.5 hours from TBO.");
  EXPECT_EQ(report.oilChange, "This plane was flown 11.5 tach hours since the last oil change.");
  // 2.5 hours over the 10 months since August 1999: 0.25 per month.
  EXPECT_EQ(report.tboMonths, "At 0 hrs/month ( 3 hrs/year) , TBO is estimated in 3194 months.");

  Fly("ABC", 2000, 3, 0.0, 0.0);  // newest flight without readings: current reading 0
  EXPECT_EQ(Status(airplane, "2000-06-15 12:00:00").tboHours,
            "This plane is 2000.0 hours from TBO.");
}

TEST_F(AircraftStatusTest, RateIsAllTachHoursOverTheMonthsSinceTheFirstFlight) {
  CAirplane& airplane = Owned("1234A", 1800);
  Fly("1234A", 2000, 3, 1000.0, 1100.0);
  Fly("1234A", 2000, 8, 1100.0, 1150.0);
  CAerodexEntry& typed = Fly("1234A", 2000, 9, 1150.0, 1150.0);
  typed.tachTime = 40.0;  // typed-in tach time proves nothing
  const CAircraftStatsDlg report = Status(airplane, "2001-01-02 08:00:00");
  EXPECT_EQ(report.tboHours, "This plane is 650.0 hours from TBO.");
  EXPECT_EQ(report.tboMonths, "At 15 hrs/month ( 180 hrs/year) , TBO is estimated in 43 months.");
}

TEST_F(AircraftStatusTest, UndefinedRatesGiveSentencesAndOthersAreStillReported) {
  CAirplane& none = Owned("1111A");
  CAirplane& fresh = Owned("2222B");
  CAirplane& typedOnly = Owned("3333C");
  CAirplane& normal = Owned("4444D");
  Fly("2222B", 2000, 6, 10.0, 12.0);
  CAerodexEntry& typed = Fly("3333C", 2000, 1, 0.0, 0.0);
  typed.tachTime = 2.0;
  Fly("4444D", 2000, 1, 10.0, 20.0);
  const std::time_t now = At("2000-06-15 12:00:00");

  const auto reports = ComputeMonitoredStatus(doc, now);
  ASSERT_EQ(reports.size(), 4u);
  for (const CAircraftStatsDlg& report : reports) {
    for (const std::string& line :
         {report.oilChange, report.annual, report.tboHours, report.tboMonths}) {
      EXPECT_EQ(line.find("inf"), std::string::npos) << line;
      EXPECT_EQ(line.find("nan"), std::string::npos) << line;
      EXPECT_FALSE(line.empty());
    }
  }
  EXPECT_EQ(ComputeAircraftStatus(doc, none, now).tboHours,
            "No flight is logged in this aircraft, so its hours from TBO are unknown.");
  EXPECT_EQ(ComputeAircraftStatus(doc, fresh, now).tboMonths,
            "The first flight in this aircraft is logged this month; TBO can be estimated from "
            "next month on.");
  EXPECT_EQ(ComputeAircraftStatus(doc, typedOnly, now).tboMonths,
            "No tachometer hours are logged in this aircraft; TBO cannot be estimated.");
  EXPECT_EQ(ComputeAircraftStatus(doc, normal, now).tboMonths,
            "At 2 hrs/month ( 24 hrs/year) , TBO is estimated in 990 months.");
}

TEST_F(AircraftStatusTest, NegativeResultsAreShownAsNegativeNumbers) {
  CAirplane& airplane = Owned("1234A", 1000);
  airplane.tachAtOilChange = 1300.0;
  Fly("1234A", 2000, 1, 1200.0, 1250.0);
  const CAircraftStatsDlg report = Status(airplane, "2000-06-15 12:00:00");
  EXPECT_EQ(report.tboHours, "This plane is -250.0 hours from TBO.");
  EXPECT_EQ(report.oilChange, "This plane was flown -50.0 tach hours since the last oil change.");
  EXPECT_EQ(report.tboMonths, "At 10 hrs/month ( 120 hrs/year) , TBO is estimated in -25 months.");
}

TEST_F(AircraftStatusTest, DueMonthsAgreeWithTheLinesAbove) {
  CAirplane& airplane = Owned("1234A", 1800);
  airplane.lastAnnualMonth = 4;
  airplane.lastAnnualYear = 2000;
  Fly("1234A", 2000, 3, 1000.0, 1100.0);
  Fly("1234A", 2000, 8, 1100.0, 1150.0);
  const CAircraftStatsDlg report = Status(airplane, "2001-01-02 08:00:00");
  EXPECT_EQ(report.annual, "Annual inspection is due in 3 months.");
  EXPECT_EQ(report.annualDue, "The annual inspection falls due in April 2001.");
  // 43 months after January 2001, as the TBO months line says.
  EXPECT_EQ(report.tboMonths, "At 15 hrs/month ( 180 hrs/year) , TBO is estimated in 43 months.");
  EXPECT_EQ(report.tboDue, "At that rate TBO is reached in August 2004.");
  EXPECT_EQ(report.currentTach,
            "The current tachometer reading, 1150.0, is the ending reading of the newest flight "
            "in this aircraft, 8/10/2000 (KSJC to KMRY).");

  airplane.lastAnnualMonth = 0;  // never given
  airplane.tbo = 1000;           // already passed
  const CAircraftStatsDlg passed = Status(airplane, "2001-01-02 08:00:00");
  EXPECT_EQ(passed.annualDue,
            "No date of the last annual inspection is recorded for this aircraft.");
  EXPECT_EQ(passed.tboDue, "The engine has reached its TBO.");
}

TEST_F(AircraftStatusTest, ContinuityListsEveryBreakWithBothDatesAndNoneWhenClean) {
  CAirplane& airplane = Owned("1234A");
  Fly("1234A", 2000, 1, 1000.0, 1001.0);
  Fly("1234A", 2000, 2, 1001.1, 1002.0);           // 0.1 apart: a reading rounded, not a break
  Fly("1234A", 2000, 3, 0.0, 0.0).tachTime = 1.0;  // no readings: left out
  Fly("1234A", 2000, 4, 1002.0, 1003.0);
  Fly("5555C", 2000, 4, 50.0, 51.0);  // another aircraft's readings play no part
  EXPECT_EQ(Status(airplane, "2000-06-15 12:00:00").tachContinuity,
            std::vector<std::string>{"Tachometer continuity: every flight with readings starts "
                                     "within 0.1 of the ending reading of the flight before it."});
  Fly("1234A", 2000, 5, 1005.5, 1006.0);
  Fly("1234A", 2000, 6, 1004.0, 1007.0);
  EXPECT_EQ(Status(airplane, "2000-06-15 12:00:00").tachContinuity,
            (std::vector<std::string>{
                "Tachometer gap of 2.5 hours: the flight of 4/10/2000 ended at 1003.0, the flight "
                "of 5/10/2000 started at 1005.5.",
                "Tachometer overlap of 2.0 hours: the flight of 5/10/2000 ended at 1006.0, the "
                "flight of 6/10/2000 started at 1004.0."}));
}

}  // namespace
