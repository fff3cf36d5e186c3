// SPDX-License-Identifier: GPL-3.0-or-later
// The log check: each check finds the fault planted in a clean generated
// log; the sample log checks clean; picking a finding selects its flight and
// changes nothing.
#include "stats/log_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/log_builders.h"
#include "support/scripted_port.h"
#include "tools/sample_log.h"

using aerodex::stats::CheckLog;

namespace {

// Sixty plausible flights in two aircraft and a simulator, the owned
// aircraft's tachometer running on from flight to flight.
void BuildCleanLog(CAerodexDoc& doc) {
  doc.AppendAircraft(MakeAirplane("5432K"));
  doc.AppendAircraft(MakeAirplane("738CP"));
  auto sim = MakeAirplane("SIM1");
  sim->isSimulator = 1;
  doc.AppendAircraft(std::move(sim));
  double tach = 1620.0;
  for (int i = 0; i < 60; ++i) {
    const std::string n = i % 5 == 4 ? "SIM1" : (i % 3 == 0 ? "738CP" : "5432K");
    auto e = MakeFlight(2020 + i / 24, 1 + (i / 2) % 12, 1 + i % 2 * 14, 0, n);
    e->dayHours = e->picHours = 1.0 + (i % 7) / 10.0;
    e->dayCrossCountry = i % 4 == 0 ? e->dayHours : 0;
    if (n == "SIM1") e->dayLandings = 0, e->simulatedInstrument = 1.0, e->ilsApproaches = 2;
    if (n == "5432K") {
      e->startTach = tach;
      tach += 1.2;
      e->endTach = tach;
    }
    doc.AppendEntry(std::move(e));
  }
  doc.SortEntries();
}

struct Plant {
  const char* what;
  std::function<void(CAerodexEntry&)> fault;
  const char* finding;
};

class LogCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildCleanLog(doc); }
  // The index of a flight in the owned aircraft, in the middle of the log.
  std::size_t Owned() const {
    for (std::size_t i = 30; i < doc.EntryCount(); ++i) {
      if (doc.Entry(i).nNumber == "5432K") return i;
    }
    return 0;
  }
  CAerodexDoc doc;
};

TEST_F(LogCheckTest, TheCleanLogHasNothingToQuestion) {
  const CLogCheckDlg report = CheckLog(doc);
  EXPECT_EQ(report.flightsChecked, 60u);
  for (const CLogFinding& f : report.findings) ADD_FAILURE() << f.text;
}

TEST_F(LogCheckTest, EachCheckFindsItsPlantedFault) {
  const Plant plants[] = {
      {"tach", [](CAerodexEntry& e) { e.endTach = e.startTach; },
       "tachometer readings do not advance"},
      {"approaches", [](CAerodexEntry& e) { e.vorApproaches = 2; },
       "2 approaches logged without any actual or simulated IMC"},
      {"imc", [](CAerodexEntry& e) { e.actualInstrument = e.dayHours + 0.2; },
       "exceed the total hours"},
      {"pic", [](CAerodexEntry& e) { e.picHours = 0; }, "no hours for PIC or dual"},
      {"departure", [](CAerodexEntry& e) { e.departure.clear(); }, "no departure airport"},
      {"arrival", [](CAerodexEntry& e) { e.arrival.clear(); }, "no arrival airport"},
      {"remarks", [](CAerodexEntry& e) { e.remarks.clear(); }, "no flight description"},
      {"aircraft", [](CAerodexEntry& e) { e.nNumber = "5432k"; },
       "N5432k is not in the aircraft database"},
      {"landing", [](CAerodexEntry& e) { e.dayLandings = 0; }, "flight without landing"},
      {"night", [](CAerodexEntry& e) { e.nightHours = 0.5; },
       "night flight (0.5 h) without a night landing"},
      {"cross-country", [](CAerodexEntry& e) { e.dayCrossCountry = e.dayHours + 0.5; },
       "cross-country hours"},
      {"night cross-country",
       [](CAerodexEntry& e) {
         e.nightHours = 0.3, e.nightLandings = 1, e.nightCrossCountry = 0.4, e.picHours += 0.3;
       },
       "night cross-country hours (0.4) above the night hours (0.3)"},
      {"pic above", [](CAerodexEntry& e) { e.picHours = e.dayHours + 1; }, "PIC hours"},
      {"dual above", [](CAerodexEntry& e) { e.dualHours = e.dayHours + 1; }, "dual hours"},
  };
  for (const Plant& plant : plants) {
    SCOPED_TRACE(plant.what);
    CAerodexDoc planted;
    BuildCleanLog(planted);
    const std::size_t at = Owned();
    plant.fault(planted.Entry(at));
    const CLogCheckDlg report = CheckLog(planted);
    bool found = false;
    for (const CLogFinding& f : report.findings) {
      if (f.entryIndex == at && f.text.find(plant.finding) != std::string::npos) found = true;
    }
    EXPECT_TRUE(found) << plant.finding;
  }
}

TEST_F(LogCheckTest, FlightsEnteredTwiceAndTachometerBreaksNameTheLaterFlight) {
  const std::size_t at = Owned();
  auto twin = std::make_unique<CAerodexEntry>(doc.Entry(at));
  twin->flightNumber = 1;
  twin->startTach = twin->endTach = 0;  // entered again without readings
  doc.AppendEntry(std::move(twin));
  doc.SortEntries();
  CLogCheckDlg report = CheckLog(doc);
  ASSERT_FALSE(report.findings.empty());
  EXPECT_EQ(report.findings[0].entryIndex, at + 1);
  EXPECT_NE(report.findings[0].text.find("looks entered twice: same date, aircraft, airports and "
                                         "hours as flight #0"),
            std::string::npos);

  // Readings moved back 2.5 h: an overlap with the flight before, a gap to the next.
  doc.Entry(at).endTach -= 2.5;
  doc.Entry(at).startTach -= 2.5;
  report = CheckLog(doc);
  ASSERT_EQ(report.findings.size(), 3u);  // the twin, a gap after and an overlap before
  EXPECT_NE(report.findings[0].text.find("tachometer overlap of 2.5 h: starts at"),
            std::string::npos);
  EXPECT_EQ(report.findings[0].entryIndex, at);
}

TEST(LogCheckSample, TheSampleLogChecksClean) {
  // A newcomer's first Check Log, on the bundled sample, finds nothing.
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildSampleLog(doc);
  const CLogCheckDlg report = CheckLog(doc);
  for (const CLogFinding& f : report.findings) ADD_FAILURE() << f.text;
  EXPECT_EQ(report.flightsChecked, doc.EntryCount());
}

TEST_F(LogCheckTest, CommandShowsTheListAndAPickSelectsWithoutModifying) {
  struct ListPort : ScriptedPort {
    void ShowLogCheck(const CLogCheckDlg& report, const CLogCheckActions& given) override {
      shown = report.findings.size();
      actions = given;
      actions.showFlight(pick);
    }
    std::size_t shown = 99, pick = 0;
    CLogCheckActions actions;
  } port;
  doc.SetPort(&port);
  doc.Entry(5).remarks.clear();
  doc.SetModifiedFlag(false);
  doc.scrollToSelection = 0;
  port.pick = 5;
  OnCheckLog(doc, port);
  EXPECT_EQ(port.shown, 1u);
  EXPECT_EQ(doc.selectedEntry, &doc.Entry(5));
  EXPECT_EQ(doc.scrollToSelection, 1);
  EXPECT_EQ(port.redraws, 1);
  EXPECT_FALSE(doc.IsModified());
  port.pick = 1000;  // out of range: nothing happens
  OnCheckLog(doc, port);
  EXPECT_EQ(doc.selectedEntry, &doc.Entry(5));
  doc.SetPort(nullptr);
}

TEST_F(LogCheckTest, AnOpenListChecksAgainOnlyAfterTheLogChanged) {
  CLogCheckActions actions = aerodex::stats::LogCheckActions(doc);
  aerodex::stats::ShowFlight(doc, 3);  // a new selection is no change
  EXPECT_FALSE(actions.recheck().has_value());
  doc.Entry(5).remarks.clear();
  doc.SetModifiedFlag();  // the edit's own notice moves the revision
  const auto after = actions.recheck();
  ASSERT_TRUE(after.has_value());
  ASSERT_EQ(after->findings.size(), 1u);
  EXPECT_EQ(after->findings[0].entryIndex, 5u);
  EXPECT_FALSE(actions.recheck().has_value());
}

}  // namespace
