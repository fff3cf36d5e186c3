// SPDX-License-Identifier: GPL-3.0-or-later
// The working behind the currency lines gives the same dates as the lines,
// for every rule family and at the edges of each; the "as of" day moves
// every line.
#include "stats/currency_working.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/clock.h"
#include "stats/currency.h"
#include "support/log_builders.h"

using aerodex::stats::ComputeCurrency;

namespace {

std::time_t At(const char* local) { return *aerodex::ParseLocalTime(local); }

// The date a line ends with ("... until  3/31/2002" gives "3/31/2002").
std::string DateOf(const std::string& line) { return line.substr(line.rfind(' ') + 1); }

const CWorkingSection& Section(const CCurrencyDlg& report, const std::string& heading) {
  for (const CWorkingSection& section : report.working) {
    if (section.heading == heading) return section;
  }
  ADD_FAILURE() << "no section " << heading;
  static const CWorkingSection kNone;
  return kNone;
}

bool Says(const CWorkingSection& section, const std::string& text) {
  return std::any_of(section.lines.begin(), section.lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

class CurrencyWorkingTest : public ::testing::Test {
 protected:
  CurrencyWorkingTest() {
    doc.pilot.birthYear = 1960;
    doc.pilot.medicalClass = 1;
    doc.pilot.medicalMonth = 6;
    doc.pilot.medicalYear = 1999;
    doc.pilot.bfrMonth = 12;
    doc.pilot.bfrYear = 1998;
  }
  CAerodexEntry& Fly(int year, int month, int day, const std::string& nNumber = "12345") {
    auto entry = MakeFlight(year, month, day, 0, nNumber);
    CAerodexEntry& added = *entry;
    doc.AppendEntry(std::move(entry));
    doc.SortEntries();
    return added;
  }
  CCurrencyDlg Check(const char* now) {
    return ComputeCurrency(doc, At(now)).value_or(CCurrencyDlg{});
  }

  CAerodexDoc doc;
};

TEST_F(CurrencyWorkingTest, MedicalAndReviewWorkingGiveTheLinesDates) {
  Fly(2000, 1, 1);
  // Aged 40 by the years: 36 months; the class 1 medical expires this very month.
  CCurrencyDlg report = Check("1999-12-15 12:00:00");
  const CWorkingSection& medical = Section(report, "Medical Currency");
  EXPECT_TRUE(Says(medical, "1999 - 1960 = 39")) << medical.lines[1];
  EXPECT_TRUE(Says(
      medical, "Class 3: 6/1999 + 36 months = 6/2002, valid through " + DateOf(report.medical1)));
  EXPECT_TRUE(Says(
      medical, "Class 2: 6/1999 + 12 months = 6/2000, valid through " + DateOf(report.medical2)));
  EXPECT_TRUE(Says(medical,
                   "Class 1: 6/1999 + 6 months = 12/1999, valid through 12/31/1999, "
                   "so still valid in 12/1999."));
  EXPECT_EQ(DateOf(report.medical3), "12/31/1999");
  EXPECT_TRUE(Says(Section(report, "BFR Currency"),
                   "12/1998 + 24 months = 12/2000, due on " + DateOf(report.bfr)));

  doc.pilot.birthYear = 1959;  // 41 in 2000: 24 months
  report = Check("2000-01-15 12:00:00");
  EXPECT_TRUE(
      Says(Section(report, "Medical Currency"),
           "Class 3: 6/1999 + 24 months = 6/2001, valid through " + DateOf(report.medical1)));
  EXPECT_TRUE(Says(Section(report, "Medical Currency"), "so lapsed in 1/2000"));
}

TEST_F(CurrencyWorkingTest, NightWorkingListsTheFlightsNewestFirstAtExactlyNinetyDays) {
  Fly(2000, 3, 17, "738XL").nightLandings = 2;  // 90 days before 6/15/2000
  Fly(2000, 5, 1, "5432K").nightLandings = 1;
  Fly(2000, 5, 20).dayLandings = 3;
  const CCurrencyDlg report = Check("2000-06-15 12:00:00");
  ASSERT_EQ(report.night, "May carry passengers at night until  6/15/2000");
  const CWorkingSection& night = Section(report, "Night Currency");
  const auto listed = std::find(night.lines.begin(), night.lines.end(),
                                "Flights, newest first, until the landings reached 3:");
  ASSERT_NE(listed, night.lines.end());
  EXPECT_EQ(listed[1], "  5/1/2000 N5432K: 1 night landing (1 in all)");
  EXPECT_EQ(listed[2], "  3/17/2000 N738XL: 2 night landings (3 in all)");
  EXPECT_TRUE(Says(night, "90 days later is " + DateOf(report.night)));
  EXPECT_TRUE(Says(night, "was 90 days ago: 90 or fewer"));
  EXPECT_TRUE(Says(night, "take-offs are not recorded: night landings are counted alone"));
  EXPECT_TRUE(Says(night, "full-stop landings are not recorded"));

  // Day passengers: every landing counts; the newest flight alone has three.
  const CWorkingSection& day = Section(report, "Day Passengers (Estimate)");
  EXPECT_TRUE(Says(day, "An estimate from the log's data, not one of the seven lines"));
  EXPECT_TRUE(Says(day, "  5/20/2000 N12345: 3 landings (3 in all)"));
  EXPECT_TRUE(Says(day, "90 days later is 8/18/2000"));

  const CCurrencyDlg dayLater = Check("2000-06-16 12:00:00");
  EXPECT_EQ(dayLater.night, "Not legal to carry passengers at night as of  6/15/2000");
  EXPECT_TRUE(Says(Section(dayLater, "Night Currency"), "91 days ago: more than 90, so not"));

  doc.Entry(0).nightLandings = 0;  // one left: never met
  EXPECT_TRUE(Says(Section(Check("2000-06-15 12:00:00"), "Night Currency"),
                   "Never met: the whole log holds 1 night landing."));
}

TEST_F(CurrencyWorkingTest, IfrWorkingShowsTheFlightsTheCheckAndTheExpiryOfBothRules) {
  doc.pilot.ratedInstrumentAirplane = 1;
  CAerodexEntry& oldest = Fly(1999, 9, 5);
  oldest.simulatedInstrument = 3.0;
  oldest.vorApproaches = 2;
  CAerodexEntry& middle = Fly(1999, 11, 5);
  middle.actualInstrument = 3.0;
  middle.ilsApproaches = 2;
  Fly(1999, 12, 1);  // adds nothing: not listed
  CAerodexEntry& newest = Fly(2000, 1, 5);
  newest.holdingProcedures = 1;
  newest.gpsApproaches = 4;
  CCurrencyDlg report = Check("2000-02-15 12:00:00");
  const CWorkingSection& old = Section(report, "IFR Currency (Pre-Aug. 4, 1997 Rules)");
  EXPECT_EQ(report.oldIfr, "IFR currency will expire on  3/31/2000");
  EXPECT_TRUE(Says(old, "  1/5/2000 N12345: 0.0 h, 4 approaches (so far 0.0 h, 4 approaches)"));
  EXPECT_TRUE(Says(old, "  9/5/1999 N12345: 3.0 h, 2 approaches (so far 6.0 h, 8 approaches)"));
  EXPECT_FALSE(Says(old, "12/1/1999"));
  EXPECT_TRUE(Says(old, "Q = 9/1999."));
  EXPECT_TRUE(Says(old, "No instrument competency check recorded: C = 0."));
  EXPECT_TRUE(Says(old, "max(C, Q) + 6 = 9/1999 + 6 = 3/2000, ending " + DateOf(report.oldIfr)));
  const CWorkingSection& newer = Section(report, "IFR Currency (Post-Aug. 4, 1997 Rules)");
  EXPECT_TRUE(Says(newer, "Q = 11/1999."));
  EXPECT_TRUE(Says(newer, "ending " + DateOf(report.newIfr)));

  // In the expiry month itself the rule has lapsed.
  report = Check("2000-03-15 12:00:00");
  EXPECT_EQ(report.oldIfr, "Not legal to file IFR as of  3/31/2000");
  EXPECT_TRUE(Says(Section(report, "IFR Currency (Pre-Aug. 4, 1997 Rules)"),
                   "3/2000 is not after 3/2000, the month of the date, so not legal to file IFR"));
  // A later competency check wins.
  doc.pilot.iccMonth = 1;
  doc.pilot.iccYear = 2000;
  report = Check("2000-02-15 12:00:00");
  EXPECT_EQ(report.newIfr, "IFR currency will expire on  7/31/2000");
  EXPECT_TRUE(Says(Section(report, "IFR Currency (Post-Aug. 4, 1997 Rules)"), "C = 1/2000."));
}

TEST_F(CurrencyWorkingTest, IfrNeverMetWithoutCheckEndsInYearZero) {
  doc.pilot.isFlightInstructor = 1;
  Fly(2000, 1, 5).ilsApproaches = 5;
  const CCurrencyDlg report = Check("2000-02-15 12:00:00");
  EXPECT_EQ(report.oldIfr, "Not legal to file IFR as of  6/30/0");
  const CWorkingSection& old = Section(report, "IFR Currency (Pre-Aug. 4, 1997 Rules)");
  EXPECT_TRUE(Says(old, "Never met: the whole log holds 0.0 hours and 5 approaches, so Q = 0."));
  EXPECT_TRUE(Says(old, "max(C, Q) + 6 = 0 + 6 = 6/0, ending 6/30/0."));
}

TEST_F(CurrencyWorkingTest, AsOfDayMovesEveryLineAndIsNoonOfThatDay) {
  doc.pilot.ratedInstrumentAirplane = 1;
  CAerodexEntry& flight = Fly(2000, 5, 1);
  flight.nightLandings = 3;
  flight.simulatedInstrument = 6.0;
  flight.ilsApproaches = 6;
  flight.holdingProcedures = 1;
  const CCurrencyDlg soon = aerodex::stats::CurrencyAsOf(doc, {15, 10, 1999});
  const CCurrencyDlg later = aerodex::stats::CurrencyAsOf(doc, {1, 9, 2002});
  EXPECT_EQ(soon.asOf.year, 1999);
  EXPECT_EQ(later.asOf.month, 9);
  for (auto line :
       {&CCurrencyDlg::medical1, &CCurrencyDlg::medical2, &CCurrencyDlg::medical3,
        &CCurrencyDlg::bfr, &CCurrencyDlg::oldIfr, &CCurrencyDlg::newIfr, &CCurrencyDlg::night}) {
    EXPECT_NE(soon.*line, later.*line) << soon.*line;
  }
  // The same as --now at noon of that day.
  const CCurrencyDlg june = aerodex::stats::CurrencyAsOf(doc, {15, 6, 2000});
  const CCurrencyDlg atNoon = *ComputeCurrency(doc, At("2000-06-15 12:00:00"));
  EXPECT_EQ(june.night, atNoon.night);
  EXPECT_EQ(aerodex::stats::FormatWorking(june.working),
            aerodex::stats::FormatWorking(atNoon.working));
  // A day before the newest flight: the working says that flight still counts.
  EXPECT_EQ(soon.working.front().heading, "Flights After This Date");
  EXPECT_NE(june.working.front().heading, "Flights After This Date");
}

}  // namespace
