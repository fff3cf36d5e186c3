// SPDX-License-Identifier: GPL-3.0-or-later
// New, Edit and Delete Aircraft and the aircraft list, with a scripted user.
#include "editing/aircraft_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editing_fixture.h"

using ::testing::ElementsAre;

namespace {

class AircraftCommandsTest : public EditingTest {
 protected:
  static void Cessna(CAircraftDlg& a) {
    a.model = "172N";
    a.isAirplane = 1;
    a.isSingleEngine = 1;
  }
};

TEST_F(AircraftCommandsTest, PromptDropsOneLeadingN) {
  EXPECT_EQ(DropLeadingN("N123"), "123");
  EXPECT_EQ(DropLeadingN("123"), "123");
  EXPECT_EQ(DropLeadingN("NN123"), "N123");
  EXPECT_EQ(DropLeadingN("N"), "");
  EXPECT_EQ(DropLeadingN("n123"), "n123");

  port.OkNNumber("NN123").OkAircraft(Cessna);
  OnNewAircraft(doc, port);
  ASSERT_EQ(port.aircraftForms.size(), 1u);
  EXPECT_EQ(port.aircraftForms[0].nNumber, "N123");
  ASSERT_EQ(doc.AircraftCount(), 2u);
  EXPECT_EQ(doc.Aircraft(1).nNumber, "N123");
}

TEST_F(AircraftCommandsTest, CreationAppendsMarksAndRemembersTheAircraft) {
  port.OkNNumber("N734").OkAircraft([](CAircraftDlg& a) {
    Cessna(a);
    a.make = "CESSNA";
    a.hourlyCost = 88.5;
    a.tbo = 2000;
    a.isMonitored = 1;
    a.tachAtOilChange = 1234.5;
  });
  OnNewAircraft(doc, port);
  ASSERT_EQ(doc.AircraftCount(), 2u);
  const CAirplane& created = doc.Aircraft(1);
  EXPECT_EQ(created.nNumber, "734");
  EXPECT_EQ(created.make, "CESSNA");
  EXPECT_EQ(created.hourlyCost, 88.5);
  EXPECT_EQ(created.tbo, 2000);
  EXPECT_EQ(created.isMonitored, 1);
  EXPECT_EQ(created.tachAtOilChange, 1234.5);
  EXPECT_EQ(doc.lastNNumber, "734");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_THAT(port.transcript, ElementsAre("N-Number prompt", "aircraft form", "redraw"));
}

TEST_F(AircraftCommandsTest, DuplicateIsRefusedBeforeTheFormAndThePromptComesBack) {
  port.OkNNumber("N12345").OkNNumberAsShown().CancelNNumber();
  OnNewAircraft(doc, port);
  EXPECT_THAT(
      port.transcript,
      ElementsAre("N-Number prompt", "error: That aircraft already exists in the data base!",
                  "N-Number prompt", "error: That aircraft already exists in the data base!",
                  "N-Number prompt"));
  EXPECT_EQ(port.nNumberPrompts[1].nNumber, "N12345");
  EXPECT_EQ(doc.AircraftCount(), 1u);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(port.ScriptDone());
}

TEST_F(AircraftCommandsTest, CancelledFormShowsThePromptAgain) {
  port.OkNNumber("N99").CancelAircraft().CancelNNumber();
  OnNewAircraft(doc, port);
  EXPECT_THAT(Said(), ElementsAre("N-Number prompt", "aircraft form", "N-Number prompt"));
  EXPECT_EQ(port.nNumberPrompts[1].nNumber, "N99");
  EXPECT_EQ(doc.AircraftCount(), 1u);
}

TEST_F(AircraftCommandsTest, RulesOfANewAircraftInOrder) {
  port.OkNNumber("N")
      .OkAircraft([](CAircraftDlg& a) { a.isAirplane = 1; })
      .OkAircraft([](CAircraftDlg& a) { a.nNumber = "77"; })
      .OkAircraft([](CAircraftDlg& a) { a.model = "BARON"; })
      .OkAircraft([](CAircraftDlg& a) { a.isSingleEngine = a.isMultiEngine = 1; });
  OnNewAircraft(doc, port);
  EXPECT_THAT(port.errors,
              ElementsAre("Aircraft must have an N-Number", "Aircraft model not specified!",
                          "Must specify single engine or multi-Engine for airplane"));
  EXPECT_EQ(port.aircraftForms[0].nNumber, "");
  EXPECT_EQ(doc.Aircraft(1).nNumber, "77");
  EXPECT_TRUE(port.ScriptDone());
}

TEST_F(AircraftCommandsTest, OnlyAnAirplaneNeedsAnEngineClass) {
  for (int CAircraftDlg::*kind :
       {&CAircraftDlg::isGlider, &CAircraftDlg::isBalloon, &CAircraftDlg::isSimulator}) {
    ScriptedPort p;
    p.OkAircraft([kind](CAircraftDlg& a) {
      a.*kind = 1;
      a.model = "ANY";
    });
    EXPECT_TRUE(RunAircraftForm(doc, p, "K" + std::to_string(doc.AircraftCount())));
    EXPECT_TRUE(p.errors.empty());
  }
}

TEST_F(AircraftCommandsTest, FieldChecksKeepTheFormOpen) {
  port.OkNNumber("44")
      .OkAircraft([](CAircraftDlg& a) {
        Cessna(a);
        a.tbo = 10001;
      })
      .OkAircraft([](CAircraftDlg& a) { a.tbo = 10000; });
  OnNewAircraft(doc, port);
  EXPECT_THAT(port.fieldCheckMessages, ElementsAre("Please enter an integer between 0 and 10000."));
  EXPECT_EQ(doc.Aircraft(1).tbo, 10000);
}

TEST_F(AircraftCommandsTest, ListPreselectsTheLastAircraftOfTheLastNNumber) {
  doc.AppendAircraft(MakeAirplane("999"));
  doc.AppendAircraft(MakeAirplane("12345"));
  doc.lastNNumber = "12345";
  port.OkAircraftList().ChooseAircraft(1).CancelAircraftList();
  EXPECT_EQ(PickAircraft(doc, port), 2);
  EXPECT_EQ(PickAircraft(doc, port), 1);
  EXPECT_EQ(PickAircraft(doc, port), -1);
  EXPECT_THAT(port.aircraftLists[0].nNumbers, ElementsAre("12345", "999", "12345"));
  EXPECT_EQ(port.aircraftLists[0].choice, 2);
}

TEST_F(AircraftCommandsTest, NothingChosenMeansNothingDone) {
  doc.lastNNumber = "NONE";
  port.OkAircraftList().OkAircraftList();
  OnEditAircraft(doc, port);
  OnDeleteAircraft(doc, port);
  EXPECT_THAT(port.transcript, ElementsAre("aircraft list", "aircraft list"));
  EXPECT_EQ(doc.AircraftCount(), 1u);
}

TEST_F(AircraftCommandsTest, EditTakesTheFormAsItIs) {
  doc.lastNNumber = "12345";
  port.OkAircraftList().OkAircraft([](CAircraftDlg& a) {
    EXPECT_EQ(a.model, "172N");
    a.model.clear();
    a.nNumber = "12345B";
    a.isSingleEngine = 0;
  });
  OnEditAircraft(doc, port);
  EXPECT_TRUE(port.errors.empty());
  EXPECT_EQ(doc.Aircraft(0).model, "");
  EXPECT_EQ(doc.Aircraft(0).make, "CESSNA");
  EXPECT_EQ(doc.Aircraft(0).nNumber, "12345B");
  EXPECT_EQ(doc.lastNNumber, "12345B");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(port.redraws, 1);

  doc.SetModifiedFlag(false);
  port.ChooseAircraft(0).CancelAircraft();
  OnEditAircraft(doc, port);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.Aircraft(0).nNumber, "12345B");
}

TEST_F(AircraftCommandsTest, DeleteAsksWithTheNNumber) {
  doc.AppendAircraft(MakeAirplane("999"));
  port.ChooseAircraft(0).Answer(false).ChooseAircraft(0).Answer(true);
  OnDeleteAircraft(doc, port);
  EXPECT_EQ(doc.AircraftCount(), 2u);
  EXPECT_FALSE(doc.IsModified());
  OnDeleteAircraft(doc, port);
  EXPECT_THAT(port.questions,
              ElementsAre("Are you sure you want to delete 12345 from the database ?",
                          "Are you sure you want to delete 12345 from the database ?"));
  ASSERT_EQ(doc.AircraftCount(), 1u);
  EXPECT_EQ(doc.Aircraft(0).nNumber, "999");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(port.redraws, 1);
  EXPECT_TRUE(CanEditOrDeleteAircraft(doc));
}

}  // namespace
