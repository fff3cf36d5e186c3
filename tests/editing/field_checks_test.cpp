// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/field_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "editing/aircraft_forms.h"
#include "editing/entry_form.h"
#include "editing/form_fields.h"
#include "editing/pilot_form.h"

using namespace aerodex;

namespace {

TEST(WholeNumberCheck, ReadsDigitsBetweenBlanksAndTabs) {
  unsigned value = 0;
  EXPECT_TRUE(ReadWholeNumber("42", value).passed);
  EXPECT_EQ(value, 42u);
  EXPECT_TRUE(ReadWholeNumber(" \t 17 \t ", value).passed);
  EXPECT_EQ(value, 17u);
  EXPECT_TRUE(ReadWholeNumber("+8", value).passed);
  EXPECT_EQ(value, 8u);
}

TEST(WholeNumberCheck, RefusesWhatIsNotAPositiveInteger) {
  for (const char* text : {"", "   ", "abc", "12abc", "-1", "- 1", "1.5", "1 2", "+", "12\n"}) {
    unsigned value = 99;
    const FieldCheck check = ReadWholeNumber(text, value);
    EXPECT_FALSE(check.passed) << text;
    EXPECT_EQ(check.message, "Please enter a positive integer.") << text;
    EXPECT_EQ(value, 99u) << "value written on failure for " << text;
  }
}

TEST(WholeNumberCheck, RangeMessageNamesTheBounds) {
  unsigned value = 0;
  EXPECT_TRUE(ReadWholeNumber("12", 1, 12, value).passed);
  EXPECT_EQ(ReadWholeNumber("13", 1, 12, value).message,
            "Please enter an integer between 1 and 12.");
  EXPECT_EQ(ReadWholeNumber("0", 1, 999999999, value).message,
            "Please enter an integer between 1 and 999999999.");
  // A number beyond 32 bits is out of range, never wrapped into it.
  EXPECT_EQ(ReadWholeNumber("4294967296", 0, 65535, value).message,
            "Please enter an integer between 0 and 65535.");
  EXPECT_EQ(ReadWholeNumber("4294967296", value).message, "Please enter a positive integer.");
  EXPECT_EQ(value, 12u);
}

TEST(NumberChecks, ReadOnlyTheFirst31Characters) {
  unsigned whole = 0;
  EXPECT_TRUE(ReadWholeNumber(std::string(30, ' ') + "7abc", whole).passed);
  EXPECT_EQ(whole, 7u);
  EXPECT_FALSE(ReadWholeNumber(std::string(29, ' ') + "7abc", whole).passed);
  double decimal = 0;
  EXPECT_TRUE(ReadDecimal(std::string(28, ' ') + "2.5x", decimal).passed);
  EXPECT_EQ(decimal, 2.5);
}

TEST(DecimalCheck, ReadsDecimalsIndependentlyOfTheLocale) {
  double value = 0;
  EXPECT_TRUE(ReadDecimal("\t 1.5  ", value).passed);
  EXPECT_EQ(value, 1.5);
  EXPECT_TRUE(ReadDecimal(".5", value).passed);
  EXPECT_EQ(value, 0.5);
  EXPECT_TRUE(ReadDecimal("-2.25", value).passed);
  EXPECT_EQ(value, -2.25);
  EXPECT_TRUE(ReadDecimal("1e3", value).passed);
  EXPECT_EQ(value, 1000.0);
  EXPECT_TRUE(ReadDecimal("-0", value).passed);
  EXPECT_EQ(FormatDecimal(value), "0");
}

TEST(DecimalCheck, RefusesWhatIsNotAFiniteNumber) {
  for (const char* text : {"", " ", "abc", "1.5x", "1,5", "inf", "nan", "1e999", "+-1", "1e"}) {
    double value = 7;
    const FieldCheck check = ReadDecimal(text, value);
    EXPECT_EQ(check.message, "Please enter a number.") << text;
    EXPECT_EQ(value, 7.0) << text;
  }
}

TEST(DecimalCheck, RangeMessagePrintsBoundsWith15SignificantDigits) {
  double value = 0;
  EXPECT_TRUE(ReadDecimal("9999.9", 0, 9999.9, value).passed);
  EXPECT_EQ(ReadDecimal("9999.91", 0, 9999.9, value).message,
            "Please enter a number between 0 and 9999.9.");
  EXPECT_EQ(ReadDecimal("-0.1", 0, 9999.9, value).message,
            "Please enter a number between 0 and 9999.9.");
  EXPECT_EQ(NumberRangeMessage(0.1, 1e20), "Please enter a number between 0.1 and 1e+20.");
}

TEST(TextCheck, CountsWindows1252Bytes) {
  EXPECT_TRUE(CheckTextLength("KSJC", 4).passed);
  EXPECT_TRUE(CheckTextLength("\xC9T\xC9S", 4).passed);
  EXPECT_EQ(CheckTextLength("KSJCX", 4).message, "Please enter no more than 4 characters.");
}

TEST(TextCheck, UpperCaseKeepsTheCodePageAndTheLength) {
  EXPECT_EQ(UpperCaseCp1252("n123ab"), "N123AB");
  EXPECT_EQ(UpperCaseCp1252("caf\xE9 \x9A\x9C\x9E\xFF \xDF\xF7"),
            "CAF\xC9 \x8A\x8C\x8E\x9F \xDF\xF7");
}

TEST(NumberDisplay, MatchesPrintfInTheCLocale) {
  for (double v : {0.0, 1.5, 9999.9, 0.1 + 0.2, 100.0, 1234567.25, 1e20, 2.45, 0.05, 0.25, -3.75,
                   123456789012345678.0, 1.0 / 3.0}) {
    char expected[512];
    std::snprintf(expected, sizeof expected, "%.15g", v);
    EXPECT_EQ(FormatDecimal(v), expected);
    std::snprintf(expected, sizeof expected, "%.1f", v);
    EXPECT_EQ(FormatFixed(v, 1), expected);
  }
  EXPECT_EQ(FormatDecimal(0), "0");
  EXPECT_EQ(FormatDecimal(1.5), "1.5");
  EXPECT_EQ(FormatWholeNumber(4294967295u), "4294967295");
}

// The forms' field lists: what the dialogs walk on OK.

std::string Members(std::span<const FormField<CEntryDlg>> fields) {
  std::string names;
  for (const auto& f : fields) names += std::string(f.member) + " ";
  return names;
}

TEST(EntryFormFields, AreReadInTheFormsOrder) {
  EXPECT_EQ(Members(CEntryDlg::Fields()),
            "actualInstrument arrival dayHours departure remarks dayLandings day dualHours "
            "dayCrossCountry gpsApproaches ilsApproaches locApproaches loranApproaches month "
            "ndbApproaches nightHours nightLandings nNumber nightCrossCountry picHours "
            "radarApproaches rnavApproaches route simulatedInstrument flightNumber year "
            "vorApproaches startTach endTach holdingProcedures tachTime ");
}

TEST(EntryFormFields, CountsStoredIn16BitsStopAt65535) {
  CEntryDlg form;
  form.day = form.month = 1;
  form.year = 1998;
  for (const char* member : {"dayLandings", "nightLandings", "ilsApproaches", "radarApproaches"}) {
    const auto& fields = CEntryDlg::Fields();
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const auto& f) { return std::string(f.member) == member; });
    ASSERT_NE(field, fields.end());
    EXPECT_TRUE(ReadField(*field, "65535", form).passed);
    EXPECT_EQ(ReadField(*field, "65536", form).message,
              "Please enter an integer between 0 and 65535.");
  }
  EXPECT_EQ(form.dayLandings, 65535u);
}

TEST(FormFields, FirstFailureStopsTheReadingAndWritesNothing) {
  CEntryDlg form;
  form.dayHours = 1.0;
  const auto failure = ReadFormFields(
      CEntryDlg::Fields(),
      [](const FormField<CEntryDlg>& f) -> std::string {
        if (std::string(f.member) == "arrival") return "KSFO1";
        if (std::string(f.member) == "dayHours") return "2.5";
        if (std::string(f.member) == "day") return "32";  // later: not reached
        if (f.kind == FieldKind::kText) return "X";
        return f.kind == FieldKind::kDecimal ? "0" : "1";
      },
      form);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->field->controlId, aerodex::kEntryArrival);
  EXPECT_EQ(failure->message, "Please enter no more than 4 characters.");
  EXPECT_EQ(form.dayHours, 1.0);
}

TEST(FormFields, TheAircraftAndPilotFormsReadTheirNumbersFirst) {
  const auto aircraft = CAircraftDlg::Fields();
  EXPECT_EQ(std::string(aircraft[0].member), "hourlyCost");
  EXPECT_EQ(std::string(aircraft[7].member), "tbo");
  EXPECT_TRUE(aircraft[7].digitsOnly);
  CAircraftDlg a;
  EXPECT_EQ(ReadField(aircraft[7], "10001", a).message,
            "Please enter an integer between 0 and 10000.");
  EXPECT_EQ(ReadField(aircraft[1], "13", a).message, "Please enter an integer between 0 and 12.");
  EXPECT_EQ(ReadField(aircraft[5], "10000", a).message,
            "Please enter a number between 0 and 9999.9.");

  const auto pilot = CPilotInfoDlg::Fields();
  EXPECT_EQ(std::string(pilot[0].member), "pilotName");
  EXPECT_EQ(std::string(pilot[11].member), "medicalClass");
  CPilotInfoDlg p;
  EXPECT_EQ(ReadField(pilot[0], std::string(21, 'A'), p).message,
            "Please enter no more than 20 characters.");
  EXPECT_EQ(ReadField(pilot[11], "4", p).message, "Please enter an integer between 1 and 3.");
  EXPECT_EQ(ReadField(pilot[10], "1899", p).message,
            "Please enter an integer between 1900 and 2100.");
  EXPECT_TRUE(ReadField(pilot[10], "2100", p).passed);
  EXPECT_EQ(CNNumberDlg::Fields()[0].maxLength, 7u);
}

// Every box names the member of its kind, once; the lists cover every member.
template <class Form>
void ExpectWellFormed(std::span<const FormField<Form>> fields, std::size_t members) {
  EXPECT_EQ(fields.size(), members);
  std::set<int> ids;
  std::set<std::string> names;
  for (const auto& f : fields) {
    EXPECT_TRUE(ids.insert(f.controlId).second) << f.member;
    EXPECT_TRUE(names.insert(f.member).second) << f.member;
    const bool bound = (f.kind == FieldKind::kText && f.text) ||
                       (f.kind == FieldKind::kWholeNumber && f.wholeNumber) ||
                       (f.kind == FieldKind::kDecimal && f.decimal) ||
                       (f.kind == FieldKind::kCheckBox && f.checkBox);
    EXPECT_TRUE(bound) << f.member;
  }
}

TEST(FormFields, EveryListIsWellFormed) {
  ExpectWellFormed(CEntryDlg::Fields(), 31);
  ExpectWellFormed(CAircraftDlg::Fields(), 28);
  ExpectWellFormed(CPilotInfoDlg::Fields(), 45);
  ExpectWellFormed(CNNumberDlg::Fields(), 1);
}

}  // namespace
