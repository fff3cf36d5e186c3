// SPDX-License-Identifier: GPL-3.0-or-later
// The currency section under today's rules: the age at the examination and
// the medical periods it chooses, the instrument month of expiry and the
// months to regain it, the flight review, and the sentence that sets each
// item beside the older line.
#include "stats/todays_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "stats/currency.h"
#include "support/log_builders.h"

using namespace aerodex::stats;

namespace {

class TodaysRulesTest : public ::testing::Test {
 protected:
  TodaysRulesTest() {
    doc.pilot.birthYear = 1960;
    doc.pilot.birthMonth = 7;
    doc.pilot.medicalClass = 3;
    doc.pilot.medicalMonth = 6;
    doc.pilot.medicalYear = 1999;
    doc.pilot.bfrMonth = 12;
    doc.pilot.bfrYear = 1998;
    doc.AppendEntry(MakeFlight(1999, 6, 1));
  }
  CCurrencyDlg Check(const char* now) {
    return ComputeCurrency(doc, *aerodex::ParseLocalTime(now)).value_or(CCurrencyDlg{});
  }
  // The line of the last section that holds text.
  std::string Said(const CCurrencyDlg& report, const std::string& text) {
    if (report.working.empty() ||
        report.working.back().heading != "Under the rules in force today") {
      ADD_FAILURE() << "the working does not end with today's rules";
      return "";
    }
    const auto& lines = report.working.back().lines;
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.find(text) != std::string::npos;
    });
    return found == lines.end() ? "" : *found;
  }

  CAerodexDoc doc;
};

TEST_F(TodaysRulesTest, AgeAtTheExaminationChoosesTheMedicalPeriod) {
  // Born 7/1960, examined 6/1999: 38; in 7/1999, the birth month, the older age 39.
  EXPECT_EQ(AgeAtExamination(doc.pilot).high, 38);
  doc.pilot.medicalMonth = 7;
  EXPECT_EQ(AgeAtExamination(doc.pilot).high, 39);
  doc.pilot.medicalYear = 2000;  // 40 in the birth month
  EXPECT_EQ(AgeAtExamination(doc.pilot).high, 40);
  EXPECT_EQ(MedicalMonths(TodaysRule::kClass3Privileges, 39), 60);
  EXPECT_EQ(MedicalMonths(TodaysRule::kClass3Privileges, 40), 24);
  EXPECT_EQ(MedicalMonths(TodaysRule::kClass1Privileges, 39), 12);
  EXPECT_EQ(MedicalMonths(TodaysRule::kClass1Privileges, 40), 6);

  // No birth month: 39 or 40, and the shorter period leads.
  doc.pilot.birthMonth = 0;
  const AgeAtExam unknown = AgeAtExamination(doc.pilot);
  EXPECT_EQ(unknown.low, 39);
  EXPECT_EQ(unknown.high, 40);
  const std::string line = Said(Check("2000-08-15 12:00:00"), "Class 3 privileges");
  EXPECT_NE(line.find("through 7/31/2002, 24 calendar months"), std::string::npos) << line;
  EXPECT_NE(line.find("If under 40 at the examination: through 7/31/2005."), std::string::npos);
}

TEST_F(TodaysRulesTest, MedicalItemsFollowTheClassAndSayWhereTheyDiffer) {
  doc.pilot.medicalClass = 1;  // 38 at the examination
  const CCurrencyDlg report = Check("1999-12-15 12:00:00");
  const std::string third = Said(report, "Class 3 privileges");
  EXPECT_NE(third.find("through 6/30/2004, 60 calendar months"), std::string::npos) << third;
  EXPECT_NE(third.find("Differs from the line above, which gives 6/30/2002 from 36 months"),
            std::string::npos);
  EXPECT_NE(Said(report, "Class 2 privileges").find("Agrees with the line above."),
            std::string::npos);
  const std::string first = Said(report, "Class 1 privileges");
  EXPECT_NE(first.find("through 6/30/2000"), std::string::npos) << first;
  EXPECT_NE(first.find("which gives 12/31/1999"), std::string::npos);
  // The class 1 line keeps its own six months.
  EXPECT_EQ(report.medical3,
            "You may perform operations requiring a Class 1 Medical Certificate until  12/31/1999");

  doc.pilot.medicalClass = 3;
  EXPECT_EQ(Said(Check("1999-12-15 12:00:00"), "Class 1 privileges"), "");
}

TEST_F(TodaysRulesTest, FlightReviewRunsTwentyFourCalendarMonths) {
  const std::string line = Said(Check("2000-12-31 12:00:00"), "Flight review");
  EXPECT_NE(line.find("current through 12/31/2000, 24 calendar months after; current on "
                      "12/31/2000. Agrees with the line above."),
            std::string::npos)
      << line;
  EXPECT_NE(Said(Check("2001-01-01 12:00:00"), "Flight review").find("overdue on 1/1/2001"),
            std::string::npos);
}

TEST_F(TodaysRulesTest, InstrumentCurrencyLastsThroughTheSixthMonthThenSixToRegain) {
  doc.pilot.ratedInstrumentAirplane = 1;
  CAerodexEntry& flight = doc.Entry(0);  // 6/1999
  flight.ilsApproaches = 6;
  flight.holdingProcedures = 1;
  const MonthIndex met = MonthIndexOf(1999, 6);
  const InstrumentToday expiring = InstrumentCurrencyToday(doc.pilot, met, MonthIndexOf(1999, 12));
  EXPECT_EQ(expiring.standing, InstrumentStanding::kCurrent);
  EXPECT_EQ(expiring.regainableThrough, MonthIndexOf(2000, 6));
  EXPECT_EQ(InstrumentCurrencyToday(doc.pilot, met, MonthIndexOf(2000, 6)).standing,
            InstrumentStanding::kRegainable);
  EXPECT_EQ(InstrumentCurrencyToday(doc.pilot, met, MonthIndexOf(2000, 7)).standing,
            InstrumentStanding::kCheckNeeded);
  // A later proficiency check counts from its own month.
  doc.pilot.iccMonth = 3;
  doc.pilot.iccYear = 2000;
  EXPECT_EQ(InstrumentCurrencyToday(doc.pilot, met, MonthIndexOf(2000, 7)).standing,
            InstrumentStanding::kCurrent);
  doc.pilot.iccYear = 0;
  doc.pilot.iccMonth = 0;

  // In the month of expiry the line above says not legal; today's rule disagrees.
  const CCurrencyDlg report = Check("1999-12-15 12:00:00");
  EXPECT_EQ(report.newIfr, "Not legal to file IFR as of  12/31/1999");
  EXPECT_NE(Said(report, "12/15/1999: current for IFR"), "");
  EXPECT_NE(Said(report, "counts 12/1999 itself as lapsed"), "");
  EXPECT_NE(Said(Check("2000-01-15 12:00:00"), "Agrees with the post-1997 line"), "");
}

TEST_F(TodaysRulesTest, StudentAndMissingDatesStillAnswerEveryItem) {
  doc.pilot.isStudent = 1;
  doc.pilot.medicalYear = 0;
  doc.pilot.medicalClass = 0;
  const CCurrencyDlg report = Check("1999-12-15 12:00:00");
  EXPECT_NE(Said(report, "no examination month and year recorded"), "");
  EXPECT_NE(Said(report, "not needed by a student pilot"), "");
  EXPECT_NE(Said(report, "no instrument privileges recorded"), "");
  EXPECT_NE(Said(report, "61.89(a)(1)): a student pilot may carry no passengers"), "");
  // Instrument privileges with neither the experience nor a check: no date at all.
  doc.pilot.ratedInstrumentHelicopter = 1;
  EXPECT_NE(Said(Check("1999-12-15 12:00:00"), "So no date: an instrument proficiency check"), "");
}

}  // namespace
