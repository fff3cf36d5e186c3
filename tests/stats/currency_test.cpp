// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/currency.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>

#include "model/clock.h"
#include "support/log_builders.h"
#include "support/scripted_port.h"

using aerodex::stats::ComputeCurrency;

namespace {

// Sets TZ for one test and puts the old value back.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old, hadOld_ = true;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (hadOld_) {
      setenv("TZ", old_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::string old_;
  bool hadOld_ = false;
};

std::time_t At(const char* local) { return *aerodex::ParseLocalTime(local); }

// The local calendar date n days before the instant t.
aerodex::LocalDate DaysBefore(std::time_t t, int n) {
  std::tm local = aerodex::ToLocalTime(t);
  local.tm_mday -= n;
  local.tm_isdst = -1;
  const std::tm normal = aerodex::ToLocalTime(aerodex::FromLocalTime(local));
  return {normal.tm_mday, normal.tm_mon + 1, normal.tm_year + 1900};
}

std::string Date(const aerodex::LocalDate& d) {
  return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

class CurrencyTest : public ::testing::Test {
 protected:
  CurrencyTest() {
    doc.pilot.birthYear = 1960;
    doc.pilot.medicalClass = 3;
    doc.pilot.medicalMonth = 3;
    doc.pilot.medicalYear = 1999;
    doc.pilot.bfrMonth = 12;
    doc.pilot.bfrYear = 1998;
  }
  CAerodexEntry& Fly(int year, int month, int day, int nightLandings = 0) {
    auto entry = MakeFlight(year, month, day);
    entry->nightLandings = nightLandings;
    CAerodexEntry& added = *entry;
    doc.AppendEntry(std::move(entry));
    doc.SortEntries();
    return added;
  }
  CCurrencyDlg Check(const char* now) {
    auto lines = ComputeCurrency(doc, At(now));
    EXPECT_TRUE(lines.has_value());
    return lines.value_or(CCurrencyDlg{});
  }
  void RateInstrument() { doc.pilot.ratedInstrumentAirplane = 1; }

  CAerodexDoc doc;
};

TEST_F(CurrencyTest, RefusesWithoutBirthYearOrFlightsAndShowsNoForm) {
  doc.pilot.birthYear = 1960;
  ScriptedPort empty;
  OnCheckCurrency(doc, empty);  // a log without flights
  EXPECT_TRUE(empty.currencyReports.empty());
  ASSERT_EQ(empty.errors.size(), 1u);
  EXPECT_EQ(empty.errors[0], "Pilot information not initialized or aerodex not loaded!");
  Fly(2000, 1, 1);
  doc.pilot.birthYear = 0;
  EXPECT_FALSE(ComputeCurrency(doc, At("2000-06-15 12:00:00")));
}

TEST_F(CurrencyTest, FlightsWithoutASelectionGetTheirLines) {
  RateInstrument();
  doc.pilot.medicalClass = 1;
  Fly(2000, 1, 1);
  doc.selectedEntry = nullptr;  // as right after deleting the selected entry
  ScriptedPort port;
  OnCheckCurrency(doc, port);
  EXPECT_TRUE(port.errors.empty());
  ASSERT_EQ(port.currencyReports.size(), 1u);
  const CCurrencyDlg& lines = port.currencyReports[0];
  for (const std::string* line : {&lines.medical1, &lines.medical2, &lines.medical3, &lines.bfr,
                                  &lines.oldIfr, &lines.newIfr, &lines.night}) {
    EXPECT_FALSE(line->empty());
  }
}

TEST_F(CurrencyTest, CommandShowsTheLinesAtTheDocumentClock) {
  aerodex::FixedClock clock(At("2000-06-15 12:00:00"));
  doc.SetClock(&clock);
  Fly(2000, 1, 1);
  doc.SetModifiedFlag(false);
  ScriptedPort port;
  OnCheckCurrency(doc, port);
  ASSERT_EQ(port.currencyReports.size(), 1u);
  EXPECT_TRUE(port.errors.empty());
  EXPECT_EQ(port.currencyReports[0].bfr, "Your next Biennial Flight Review is due on  12/31/2000");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(CurrencyTest, ThirdClassLastsThreeYearsToFortyThenTwo) {
  Fly(2000, 1, 1);
  EXPECT_EQ(Check("2000-06-15 12:00:00").medical1,
            "You may perform operations requiring a Class 3 Medical Certificate until  3/31/2002");
  doc.pilot.birthYear = 1959;  // 41 by the difference of the years
  EXPECT_EQ(Check("2000-06-15 12:00:00").medical1,
            "You may perform operations requiring a Class 3 Medical Certificate until  3/31/2001");
  EXPECT_EQ(Check("2001-04-01 00:00:00").medical1,
            "You may NOT perform operations requiring a Class 3 Medical Certificate since  "
            "3/31/2001");
}

TEST_F(CurrencyTest, MedicalStaysValidThroughItsExpiryMonth) {
  Fly(2000, 1, 1);
  doc.pilot.medicalClass = 2;
  doc.pilot.medicalMonth = 6;
  EXPECT_EQ(Check("2000-06-30 23:59:59").medical2,
            "You may perform operations requiring a Class 2 Medical Certificate until  6/30/2000");
  EXPECT_EQ(Check("2000-07-01 00:00:00").medical2,
            "You may NOT perform operations requiring a Class 2 Medical Certificate since  "
            "6/30/2000");
}

TEST_F(CurrencyTest, TheClassDecidesWhichMedicalLinesAreFilled) {
  Fly(2000, 1, 1);
  CCurrencyDlg lines = Check("2000-06-15 12:00:00");
  EXPECT_NE(lines.medical1, "");
  EXPECT_EQ(lines.medical2, "");
  EXPECT_EQ(lines.medical3, "");
  doc.pilot.medicalClass = 2;
  lines = Check("2000-06-15 12:00:00");
  EXPECT_EQ(lines.medical2,
            "You may NOT perform operations requiring a Class 2 Medical Certificate since  "
            "3/31/2000");
  EXPECT_EQ(lines.medical3, "");
  doc.pilot.medicalClass = 1;
  doc.pilot.medicalMonth = 8;  // + 6 lands in February of a leap year: still day 28
  lines = Check("2000-01-15 12:00:00");
  EXPECT_EQ(lines.medical3,
            "You may perform operations requiring a Class 1 Medical Certificate until  2/28/2000");
  EXPECT_EQ(lines.medical2,
            "You may perform operations requiring a Class 2 Medical Certificate until  8/31/2000");
}

TEST_F(CurrencyTest, FlightReviewInDecemberIsDueTwoYearsLaterAndStudentsAreExempt) {
  Fly(2000, 1, 1);
  EXPECT_EQ(Check("2000-12-31 12:00:00").bfr,
            "Your next Biennial Flight Review is due on  12/31/2000");
  EXPECT_EQ(Check("2001-01-01 00:00:01").bfr,
            "Your Biennial Flight Review is overdue as of  12/31/2000");
  doc.pilot.isStudent = 1;
  EXPECT_EQ(Check("2000-06-15 12:00:00").bfr, "Not applicable to student pilots");
}

TEST_F(CurrencyTest, NightLandingsAreCountedBackwardsAcrossFlights) {
  Fly(1999, 1, 10, 1);
  Fly(2000, 5, 1, 1);
  EXPECT_EQ(Check("2000-06-15 12:00:00").night,
            "You have never been legal to carry passengers at night");
  doc.pilot.isStudent = 1;
  EXPECT_EQ(Check("2000-06-15 12:00:00").night,
            "Student Pilot: Night solo requirements have never been met");
  doc.pilot.isStudent = 0;
  Fly(2000, 4, 20, 1);
  Fly(1998, 1, 1, 9);
  // Counting back from the newest flight, the 1999 flight holds the third landing.
  EXPECT_EQ(Check("2000-06-15 12:00:00").night,
            "Not legal to carry passengers at night as of  4/10/1999");
}

// Night currency at 89, 90 and 91 days, in the zone currently set.
void ExpectNightAroundNinetyDays(const char* nowText) {
  const std::time_t now = At(nowText);
  for (int daysAgo : {89, 90, 91}) {
    SCOPED_TRACE(std::string(nowText) + ", days ago: " + std::to_string(daysAgo));
    CAerodexDoc doc;
    doc.pilot.birthYear = 1970;
    const aerodex::LocalDate flown = DaysBefore(now, daysAgo);
    auto entry = MakeFlight(flown.year, flown.month, flown.day);
    entry->nightLandings = 3;
    doc.AppendEntry(std::move(entry));
    const std::string until = Date(DaysBefore(now, daysAgo - 90));
    const auto lines = ComputeCurrency(doc, now);
    ASSERT_TRUE(lines);
    if (daysAgo <= 90) {
      EXPECT_EQ(lines->night, "May carry passengers at night until  " + until);
    } else {
      EXPECT_EQ(lines->night, "Not legal to carry passengers at night as of  " + until);
    }
    doc.pilot.isStudent = 1;
    const auto student = ComputeCurrency(doc, now);
    EXPECT_EQ(student->night,
              std::string(daysAgo <= 90 ? "Student Pilot: Night solo legal if CFI endorsed until  "
                                        : "Student Pilot: Night solo illegal as of  ") +
                  until);
  }
}

TEST(NightCurrency, NinetyDaysInUtc) {
  TimeZone zone("UTC");
  ExpectNightAroundNinetyDays("2000-06-15 12:00:00");
  ExpectNightAroundNinetyDays("2000-03-01 00:00:00");
}

TEST(NightCurrency, NinetyDaysAcrossDaylightSavingChangesInNewYork) {
  TimeZone zone("America/New_York");
  // Summer now, winter flight; winter now, summer flight; at both ends of the day.
  ExpectNightAroundNinetyDays("2024-06-01 10:00:00");
  ExpectNightAroundNinetyDays("2024-06-01 23:30:00");
  ExpectNightAroundNinetyDays("2024-12-01 00:30:00");
  ExpectNightAroundNinetyDays("2024-12-01 10:00:00");
}

TEST_F(CurrencyTest, WithoutAnInstrumentFlagOnlyTheOldLineSpeaks) {
  Fly(2000, 1, 1);
  doc.pilot.isStudent = 1;
  CCurrencyDlg lines = Check("2000-06-15 12:00:00");
  EXPECT_EQ(lines.oldIfr, "Not applicable without instrument rating");
  EXPECT_EQ(lines.newIfr, "");
  // Each of the four flags makes the lines applicable, students included.
  for (int CPilotInfo::*flag :
       {&CPilotInfo::isAirlineTransport, &CPilotInfo::isFlightInstructor,
        &CPilotInfo::ratedInstrumentAirplane, &CPilotInfo::ratedInstrumentHelicopter}) {
    CPilotInfo saved = doc.pilot;
    doc.pilot.*flag = 1;
    lines = Check("2000-06-15 12:00:00");
    EXPECT_EQ(lines.oldIfr, "Not legal to file IFR as of  6/30/0");
    EXPECT_EQ(lines.newIfr, "Not legal to file IFR as of  6/30/0");
    doc.pilot = saved;
  }
}

TEST_F(CurrencyTest, IfrExpiryMonthItselfHasLapsed) {
  Fly(2000, 1, 1);
  RateInstrument();
  doc.pilot.iccMonth = 12;
  doc.pilot.iccYear = 1999;  // + 6: June 2000
  CCurrencyDlg lines = Check("2000-06-15 12:00:00");
  EXPECT_EQ(lines.oldIfr, "Not legal to file IFR as of  6/30/2000");
  EXPECT_EQ(lines.newIfr, "Not legal to file IFR as of  6/30/2000");
  lines = Check("2000-05-31 23:00:00");
  EXPECT_EQ(lines.oldIfr, "IFR currency will expire on  6/30/2000");
}

TEST_F(CurrencyTest, OldAndNewRulesCountTheirOwnRequirements) {
  RateInstrument();
  // Newest first: hold + 4 approaches (no hours), then 2 approaches with 3 h,
  // then 3 h and 2 approaches. Old rules reach 6 h / 6 approaches at the
  // oldest (Sep 1999); new rules reach 6 approaches + a hold at Nov 1999.
  CAerodexEntry& oldest = Fly(1999, 9, 5);
  oldest.simulatedInstrument = 3.0;
  oldest.vorApproaches = 2;
  CAerodexEntry& middle = Fly(1999, 11, 5);
  middle.actualInstrument = 3.0;
  middle.ilsApproaches = 1;
  middle.radarApproaches = 1;
  CAerodexEntry& newest = Fly(2000, 1, 5);
  newest.holdingProcedures = 1;
  newest.gpsApproaches = 2;
  newest.rnavApproaches = 1;
  newest.loranApproaches = 1;
  CCurrencyDlg lines = Check("2000-02-15 12:00:00");
  EXPECT_EQ(lines.oldIfr, "IFR currency will expire on  3/31/2000");
  EXPECT_EQ(lines.newIfr, "IFR currency will expire on  5/31/2000");
  // A later competency check wins over the flights.
  doc.pilot.iccMonth = 1;
  doc.pilot.iccYear = 2000;
  lines = Check("2000-02-15 12:00:00");
  EXPECT_EQ(lines.oldIfr, "IFR currency will expire on  7/31/2000");
  EXPECT_EQ(lines.newIfr, "IFR currency will expire on  7/31/2000");
}

TEST_F(CurrencyTest, ExtremeValuesFromAFileStayDefined) {
  RateInstrument();
  doc.pilot.medicalYear = INT_MAX;
  doc.pilot.bfrYear = INT_MIN;
  doc.pilot.iccYear = INT_MAX;
  doc.pilot.birthYear = INT_MIN;
  for (int i = 0; i < 3; ++i) {
    CAerodexEntry& e = Fly(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    e.holdingProcedures = INT_MAX;
    e.ilsApproaches = e.vorApproaches = INT_MAX;
  }
  const CCurrencyDlg lines = Check("2000-06-15 12:00:00");
  EXPECT_EQ(lines.bfr.rfind("Your Biennial Flight Review is overdue as of  ", 0), 0u);
  EXPECT_EQ(lines.oldIfr, "IFR currency will expire on  6/30/2147483647");
  EXPECT_FALSE(lines.night.empty());
}

}  // namespace
