// SPDX-License-Identifier: GPL-3.0-or-later
// The forms copy their data to and from the records by the records' field
// tables: every box finds its field, and a form that does not match is named.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editing/aircraft_forms.h"
#include "editing/entry_form.h"
#include "editing/pilot_form.h"
#include "model/record_fields.h"

namespace {

using aerodex::CFormRecordCopy;

TEST(FormRecordCopy, EveryFormMatchesItsRecordFieldForField) {
  EXPECT_EQ((CFormRecordCopy<CEntryDlg, aerodex::kEntryFields>::Mismatch()), "");
  EXPECT_EQ((CFormRecordCopy<CAircraftDlg, aerodex::kAirplaneFields>::Mismatch()), "");
  EXPECT_EQ((CFormRecordCopy<CPilotInfoDlg, aerodex::kPilotFields>::Mismatch()), "");
}

// A form of four boxes: nNumber twice, a misspelt startTach and remarks as a
// number; every other field of a flight has no box.
struct CBrokenEntryDlg {
  static constexpr const char* kTitle = "broken";
  std::string nNumber;
  double startTach = 0;
  unsigned remarks = 0;
  static std::span<const aerodex::FormField<CBrokenEntryDlg>> Fields() {
    using D = CBrokenEntryDlg;
    static const auto fields = std::to_array<aerodex::FormField<D>>({
        aerodex::TextField(aerodex::kEntryNNumber, "nNumber", "", &D::nNumber),
        aerodex::TextField(aerodex::kEntryRoute, "nNumber", "", &D::nNumber),
        aerodex::DecimalField(aerodex::kEntryStartTach, "startTatch", "", &D::startTach),
        aerodex::WholeField(aerodex::kEntryRemarks, "remarks", "", &D::remarks, 0, 9),
    });
    return fields;
  }
};

TEST(FormRecordCopy, AFormThatDoesNotMatchIsNamed) {
  const std::string problems = CFormRecordCopy<CBrokenEntryDlg, aerodex::kEntryFields>::Mismatch();
  EXPECT_NE(problems.find("two boxes show nNumber."), std::string::npos) << problems;
  EXPECT_NE(problems.find("no record field for the box startTatch."), std::string::npos);
  EXPECT_NE(problems.find("the box remarks and its field differ in kind."), std::string::npos);
  EXPECT_NE(problems.find("no box for the field endTach."), std::string::npos);
}

TEST(FormRecordCopy, AFlightGoesThroughTheFormUnchanged) {
  CAerodexEntry flight;
  int n = 0;
  for (const auto& f : aerodex::kEntryFields) {
    ++n;
    switch (f.Kind()) {
      case aerodex::ValueKind::kText:
        flight.*f.text = "T" + std::to_string(n);
        break;
      case aerodex::ValueKind::kWhole:
        flight.*f.whole = n;
        break;
      case aerodex::ValueKind::kDecimal:
        flight.*f.decimal = n + 0.5;
        break;
    }
  }
  flight.cost = 12.5;  // not a saved field: the form leaves it alone
  CEntryDlg form;
  form.FillFrom(flight);
  EXPECT_EQ(form.remarks, "T28");
  EXPECT_EQ(form.holdingProcedures, 31u);
  EXPECT_EQ(form.startTach, 29.5);

  CAerodexEntry copy;
  copy.cost = 7;
  form.CopyTo(copy);
  int same = 0;
  for (const auto& f : aerodex::kEntryFields) {
    switch (f.Kind()) {
      case aerodex::ValueKind::kText:
        same += copy.*f.text == flight.*f.text;
        break;
      case aerodex::ValueKind::kWhole:
        same += copy.*f.whole == flight.*f.whole;
        break;
      case aerodex::ValueKind::kDecimal:
        same += copy.*f.decimal == flight.*f.decimal;
        break;
    }
  }
  EXPECT_EQ(same, 31);
  EXPECT_EQ(copy.cost, 7);
}

TEST(FormRecordCopy, APilotsFlagsLandOnTheirOwnBoxes) {
  CPilotInfo pilot;
  pilot.cfiAirship = 1;
  pilot.licenseNumber = 999999999;
  CPilotInfoDlg form;
  form.FillFrom(pilot);
  EXPECT_EQ(form.cfiAirship, 1);
  EXPECT_EQ(form.ratedAirship, 0);
  EXPECT_EQ(form.licenseNumber, 999999999u);
  form.ratedAirship = 1;
  form.CopyTo(pilot);
  EXPECT_EQ(pilot.ratedAirship, 1);
  EXPECT_EQ(pilot.cfiFreeBalloon, 0);
}

}  // namespace
