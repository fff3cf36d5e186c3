// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/pilot_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editing_fixture.h"

using ::testing::ElementsAre;

namespace {

class PilotFormTest : public EditingTest {
 protected:
  static void Particulars(CPilotInfoDlg& p) {
    p.licenseNumber = 2345678;
    p.bfrMonth = p.iccMonth = p.medicalMonth = p.birthMonth = 4;
    p.bfrYear = p.iccYear = p.medicalYear = 1997;
    p.birthYear = 1960;
    p.medicalClass = 3;
  }
};

TEST_F(PilotFormTest, EmptyRecordCannotBeAcceptedAndCancelKeepsIt) {
  doc.pilot.Reset();
  port.OkPilot().CancelPilot();
  OnEditPilotInfo(doc, port);
  EXPECT_THAT(port.fieldCheckMessages,
              ElementsAre("Please enter an integer between 1 and 999999999."));
  EXPECT_EQ(doc.pilot.licenseNumber, 0);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(PilotFormTest, OkWritesEveryFieldBack) {
  port.OkPilot([](CPilotInfoDlg& p) {
    Particulars(p);
    p.pilotName = "Jane Q. Pilot";
    p.isPrivate = p.isCommercial = 1;
    p.cfiInstrumentHelicopter = 1;
    p.tailWheelEndorsement = 1;
  });
  OnEditPilotInfo(doc, port);
  EXPECT_EQ(port.pilotForms[0].baseAirport, "KRHV");
  EXPECT_EQ(doc.pilot.pilotName, "Jane Q. Pilot");
  EXPECT_EQ(doc.pilot.baseAirport, "KRHV");
  EXPECT_EQ(doc.pilot.licenseNumber, 2345678);
  EXPECT_EQ(doc.pilot.birthYear, 1960);
  EXPECT_EQ(doc.pilot.medicalClass, 3);
  EXPECT_EQ(doc.pilot.isPrivate + doc.pilot.isCommercial, 2);
  EXPECT_EQ(doc.pilot.cfiInstrumentHelicopter, 1);
  EXPECT_EQ(doc.pilot.cfiInstrumentAirplane, 0);
  EXPECT_EQ(doc.pilot.tailWheelEndorsement, 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(port.redraws, 1);
}

}  // namespace
