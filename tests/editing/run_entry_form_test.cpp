// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form's rules, played through a scripted user.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editing/entry_commands.h"
#include "editing/entry_rules.h"
#include "editing_fixture.h"

using ::testing::ElementsAre;

namespace {

class RunEntryFormTest : public EditingTest {
 protected:
  bool Run() {
    form = NewEntryForm(doc);
    return RunEntryForm(doc, port, entry, form);
  }
  CAerodexEntry entry;
  CEntryDlg form;
};

TEST_F(RunEntryFormTest, RulesSpeakOneAtATimeInTheirOrder) {
  doc.pilot.baseAirport.clear();
  port.OkEntry([](CEntryDlg& f) {  // everything wrong at once
        f.startTach = 100;
        f.endTach = 99;
        f.ilsApproaches = 2;
      })
      .OkEntry([](CEntryDlg& f) { f.endTach = 101.2; })
      .OkEntry([](CEntryDlg& f) { f.simulatedInstrument = 1.0; })
      .OkEntry([](CEntryDlg& f) { f.dayHours = 2.5; })
      .OkEntry()  // PIC assumed
      .OkEntry()  // cross-country assumed
      .OkEntry([](CEntryDlg& f) { f.departure = "KSJC"; })
      .OkEntry([](CEntryDlg& f) { f.arrival = "KMRY"; })
      .OkEntry([](CEntryDlg& f) { f.remarks = "ILS 31R"; })
      .Answer(false)
      .OkEntry([](CEntryDlg& f) { f.nNumber = "12345"; })
      .OkEntry([](CEntryDlg& f) { f.nightHours = 0.5; })
      .OkEntry();
  EXPECT_TRUE(Run());
  EXPECT_THAT(
      Said(),
      ElementsAre("entry form", "error: Tachometer Readings not updated", "entry form",
                  "error: Approaches logged without any actual or simulated IMC", "entry form",
                  "error: Simulated and actual IMC hours exceed total hours flown!", "entry form",
                  "error: No hours for PIC/Dual. Assuming 2.5 hours", "entry form",
                  "error: You forgot to enter cross country hours. Assuming entire "
                  "flight cross country ?",
                  "entry form", "error: No departure airport ID entered!", "entry form",
                  "error: No arrival airport ID entered!", "entry form",
                  "error: No flight description entered!", "entry form",
                  "question: N: not in aircraft database. Confirm to create, Cancel to "
                  "re-edit.",
                  "entry form", "error: Flight without landing?", "entry form",
                  "error: Night flight without night landing?", "entry form"));
  EXPECT_TRUE(port.ScriptDone());
  EXPECT_EQ(entry.picHours, 2.5);
  EXPECT_EQ(entry.dayCrossCountry, 2.5);
  // No day landing to move: the counts stay as the user left them.
  EXPECT_EQ(entry.dayLandings, 0);
  EXPECT_EQ(entry.nightLandings, 0);
}

TEST_F(RunEntryFormTest, PicDualAssumptionRepeatsUntilHoursAreLogged) {
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.dayHours = f.picHours = 0;
      })
      .OkEntry()
      .OkEntry([](CEntryDlg& f) { f.dualHours = 0.5; })
      .CancelEntry();
  EXPECT_FALSE(Run());
  EXPECT_THAT(port.errors, ElementsAre("No hours for PIC/Dual. Assuming 0.0 hours",
                                       "No hours for PIC/Dual. Assuming 0.0 hours",
                                       "You must enter day/night hours"));
}

TEST_F(RunEntryFormTest, PicAssumptionFillsTheFormNotTheEntry) {
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.picHours = 0;
        f.nightHours = 0.5;
        f.nightLandings = 1;
      })
      .CancelEntry();
  EXPECT_FALSE(Run());
  EXPECT_THAT(port.errors, ElementsAre("No hours for PIC/Dual. Assuming 1.7 hours"));
  ASSERT_EQ(port.entryForms.size(), 2u);
  EXPECT_EQ(port.entryForms[1].picHours, 1.7);
  EXPECT_EQ(entry.picHours, 0.0);
}

TEST_F(RunEntryFormTest, CrossCountryNoticeNeedsMoreThanTwoHoursAndNoDual) {
  struct Case {
    double day, night, dual;
    bool notice;
  };
  for (const Case c : {Case{2.0, 0, 0, false}, Case{1.7, 0.3, 0, false}, Case{2.1, 0, 0, true},
                       Case{1.6, 0.5, 0, true}, Case{2.1, 0, 1.0, false}}) {
    ScriptedPort p;
    doc.SetPort(&p);
    p.OkEntry([c](CEntryDlg& f) {
       ValidFlight(f);
       f.dayHours = f.picHours = c.day;
       f.nightHours = c.night;
       f.nightLandings = 1;
       f.dualHours = c.dual;
     }).CancelEntry();
    CEntryDlg shown = NewEntryForm(doc);
    RunEntryForm(doc, p, entry, shown);
    const bool notice = !p.errors.empty() && p.errors[0].starts_with("You forgot");
    EXPECT_EQ(notice, c.notice) << c.day << "+" << c.night << " dual " << c.dual;
    if (notice) {
      EXPECT_EQ(p.entryForms[1].dayCrossCountry, c.day);
      EXPECT_EQ(p.entryForms[1].nightCrossCountry, c.night);
    }
  }
}

TEST_F(RunEntryFormTest, ClearedCrossCountryIsAcceptedAfterTheNotice) {
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.dayHours = f.picHours = 3.0;
      })
      .OkEntry([](CEntryDlg& f) {
        EXPECT_EQ(f.dayCrossCountry, 3.0);
        f.dayCrossCountry = f.nightCrossCountry = 0;
      });
  EXPECT_TRUE(Run());
  EXPECT_EQ(port.errors.size(), 1u);
  EXPECT_EQ(entry.dayCrossCountry, 0.0);
  EXPECT_TRUE(port.ScriptDone());
}

TEST_F(RunEntryFormTest, TachometerReadingsCompareInTenths) {
  EXPECT_TRUE(TachometerReadingsPass(0, 0));
  EXPECT_TRUE(TachometerReadingsPass(100.0, 100.1));
  EXPECT_TRUE(TachometerReadingsPass(1234.5, 1236.0));
  EXPECT_FALSE(TachometerReadingsPass(100.0, 100.04));
  EXPECT_FALSE(TachometerReadingsPass(100.0, 100.0));
  EXPECT_FALSE(TachometerReadingsPass(101.0, 100.0));
  EXPECT_FALSE(TachometerReadingsPass(0, 0.0001));

  port.OkEntry([](CEntryDlg& f) {
    ValidFlight(f);
    f.startTach = 100.0;
    f.endTach = 100.1;
  });
  EXPECT_TRUE(Run());
  EXPECT_TRUE(port.errors.empty());
}

TEST_F(RunEntryFormTest, InstrumentTimeEqualToTheFlightIsNotAnExcess) {
  port.OkEntry([](CEntryDlg& f) {  // 0.2 + 0.1 computes a hair above 0.3
    ValidFlight(f);
    f.dayHours = f.picHours = 0.3;
    f.actualInstrument = 0.2;
    f.simulatedInstrument = 0.1;
  });
  EXPECT_TRUE(Run());
  EXPECT_TRUE(port.errors.empty());
}

TEST_F(RunEntryFormTest, LandingNoticeOnceAndNeverForASimulator) {
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.dayLandings = 0;
      })
      .OkEntry();
  EXPECT_TRUE(Run());
  EXPECT_THAT(port.errors, ElementsAre("Flight without landing?"));

  auto sim = MakeAirplane("SIM1");
  sim->isSimulator = 1;
  doc.AppendAircraft(std::move(sim));
  ScriptedPort second;
  second.OkEntry([](CEntryDlg& f) {
    ValidFlight(f);
    f.nNumber = "SIM1";
    f.dayLandings = 0;
  });
  CEntryDlg shown = NewEntryForm(doc);
  EXPECT_TRUE(RunEntryForm(doc, second, entry, shown));
  EXPECT_TRUE(second.errors.empty());
}

TEST_F(RunEntryFormTest, NightNoticeMovesOneLandingOnceAboveATenth) {
  port.OkEntry([](CEntryDlg& f) {
    ValidFlight(f);
    f.nightHours = 0.1;
  });
  EXPECT_TRUE(Run());
  EXPECT_TRUE(port.errors.empty());

  ScriptedPort second;
  second
      .OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.nightHours = 0.2;
      })
      .OkEntry([](CEntryDlg& f) {
        EXPECT_EQ(f.dayLandings, 2u);
        EXPECT_EQ(f.nightLandings, 1u);
        f.nightLandings = 0;  // the user takes it back; no second notice
      });
  CEntryDlg shown = NewEntryForm(doc);
  EXPECT_TRUE(RunEntryForm(doc, second, entry, shown));
  EXPECT_THAT(second.errors, ElementsAre("Night flight without night landing?"));
  EXPECT_EQ(entry.nightLandings, 0);
  EXPECT_TRUE(second.ScriptDone());
}

TEST_F(RunEntryFormTest, UnknownAircraftIsOfferedWithItsStoredNNumber) {
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.nNumber = "N12345";
      })
      .Answer(false)  // Cancel at the question: back to the form
      .OkEntry()
      .Answer(true)
      .CancelAircraft()  // Cancel in the aircraft form: back to the form
      .OkEntry()
      .Answer(true)
      .OkAircraft([](CAircraftDlg& a) {
        EXPECT_EQ(a.nNumber, "N12345");
        a.nNumber = "N12345X";  // changed in the form: the flight's still unknown
        a.model = "PA28";
      })
      .Answer(true)
      .OkAircraft([](CAircraftDlg& a) { a.model = "C150"; });
  EXPECT_TRUE(Run());
  const std::string question =
      "N"
      "N12345: not in aircraft database. Confirm to create, Cancel to re-edit.";
  EXPECT_THAT(Said(), ElementsAre("entry form", "question: " + question, "entry form",
                                  "question: " + question, "aircraft form", "entry form",
                                  "question: " + question, "aircraft form", "question: " + question,
                                  "aircraft form"));
  ASSERT_EQ(doc.AircraftCount(), 3u);
  EXPECT_EQ(doc.Aircraft(1).nNumber, "N12345X");
  EXPECT_EQ(doc.Aircraft(2).nNumber, "N12345");
  EXPECT_EQ(doc.lastNNumber, "N12345");
  EXPECT_TRUE(port.ScriptDone());
}

TEST_F(RunEntryFormTest, CancelAtFirstShowingChangesNothing) {
  doc.lastNNumber = "12345";
  port.CancelEntry();
  EXPECT_FALSE(Run());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(port.redraws, 0);
}

TEST_F(RunEntryFormTest, AircraftRuleEffectsSurviveALaterCancel) {
  doc.AppendAircraft(MakeAirplane("777TW", false));
  port.OkEntry([](CEntryDlg& f) {
        ValidFlight(f);
        f.nNumber = "777TW";
        f.dayLandings = 0;
      })
      .CancelEntry();
  EXPECT_FALSE(Run());
  EXPECT_THAT(port.transcript,
              ElementsAre("entry form", "redraw", "error: Flight without landing?", "entry form"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.lastNNumber, "777TW");
}

}  // namespace
