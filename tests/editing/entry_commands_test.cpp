// SPDX-License-Identifier: GPL-3.0-or-later
// New, Edit and Delete Entry with a scripted user.
#include "editing/entry_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing_fixture.h"
#include "model/record_fields.h"

using ::testing::ElementsAre;

namespace {

// Every saved field of a flight as text, for whole-record comparisons.
std::vector<std::string> SavedFields(const CAerodexEntry& e) {
  std::vector<std::string> fields;
  aerodex::VisitSavedEntryFields(e, [&](const char* name, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      fields.push_back(std::string(name) + "=" + value);
    } else {
      fields.push_back(std::string(name) + "=" + std::to_string(value));
    }
  });
  return fields;
}

class EntryCommandsTest : public EditingTest {};

TEST_F(EntryCommandsTest, NewEntryStartsFromTodayTheLastAircraftAndTheBaseAirport) {
  doc.lastNNumber = "12345";
  port.CancelEntry();
  OnNewEntry(doc, port);
  ASSERT_EQ(port.entryForms.size(), 1u);
  const CEntryDlg& f = port.entryForms[0];
  EXPECT_EQ(f.nNumber, "12345");
  EXPECT_EQ(f.departure, "KRHV");
  EXPECT_EQ(f.arrival, "KRHV");
  EXPECT_EQ(f.month, 3u);
  EXPECT_EQ(f.day, 15u);
  EXPECT_EQ(f.year, 1998u);
  EXPECT_EQ(f.startTach, 0.0);  // 12345 is not monitored
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(EntryCommandsTest, MonitoredAircraftStartsAtItsHighestEndingTach) {
  auto owned = MakeAirplane("5432K");
  owned->isMonitored = 1;
  doc.AppendAircraft(std::move(owned));
  for (double end : {1201.5, 1250.2, 1230.0}) {
    auto flight = MakeFlight(1997, 5, 1, 0, "5432K");
    flight->endTach = end;
    doc.AppendEntry(std::move(flight));
  }
  auto other = MakeFlight(1997, 6, 1, 0, "12345");
  other->endTach = 3000;
  doc.AppendEntry(std::move(other));

  doc.lastNNumber = "5432K";
  EXPECT_EQ(TachometerDefault(doc), 1250.2);
  doc.lastNNumber = "12345";  // not monitored
  EXPECT_EQ(TachometerDefault(doc), 0.0);
  doc.lastNNumber = "NONE";
  EXPECT_EQ(TachometerDefault(doc), 0.0);
}

TEST_F(EntryCommandsTest, AcceptedFlightIsAppendedSelectedAndSorted) {
  doc.AppendEntry(MakeFlight(1998, 1, 1));
  doc.AppendEntry(MakeFlight(1998, 12, 1));
  doc.SetModifiedFlag(false);
  port.OkEntry([](CEntryDlg& f) {
    ValidFlight(f);
    f.month = 6;
  });
  OnNewEntry(doc, port);
  ASSERT_EQ(doc.EntryCount(), 3u);
  EXPECT_EQ(&doc.Entry(1), doc.selectedEntry);
  EXPECT_EQ(doc.Entry(1).month, 6);
  EXPECT_EQ(doc.Entry(1).remarks, "Pattern work");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.lastNNumber, "12345");
}

TEST_F(EntryCommandsTest, RefusedAppendLeavesTheLogAsItWas) {
  doc.SimulateAllocationFailure(true);
  port.OkEntry(ValidFlight);
  OnNewEntry(doc, port);
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_EQ(doc.selectedEntry, nullptr);
  EXPECT_THAT(port.errors,
              ElementsAre("Could not allocate memory for Entry Array! Aborting program..."));
}

TEST_F(EntryCommandsTest, EditAndDeleteNeedASelection) {
  doc.AppendEntry(MakeFlight(1998, 1, 1));
  doc.selectedEntry = nullptr;
  OnEditEntry(doc, port);
  OnDeleteEntry(doc, port);
  EXPECT_THAT(port.transcript,
              ElementsAre("error: You must first select an entry to edit!",
                          "error: You must select an entry to delete by clicking on it."));
  EXPECT_TRUE(CanEditOrDeleteEntry(doc));
}

TEST_F(EntryCommandsTest, CancelledEditGivesBackEveryField) {
  auto flight = MakeFlight(1998, 2, 3, 1);
  flight->startTach = 1200.0;
  flight->endTach = 1201.2;
  flight->nightHours = 0.4;
  flight->nightLandings = 1;
  flight->ilsApproaches = 2;
  flight->actualInstrument = 0.8;
  doc.AppendEntry(std::move(flight));
  CAerodexEntry& entry = *doc.selectedEntry;
  const auto before = SavedFields(entry);

  port.OkEntry([](CEntryDlg& f) {
        f.departure.clear();  // refused: written into the record, then cancelled
        f.year = 1999;
        f.endTach = 1300.0;
        f.remarks = "changed";
        f.ilsApproaches = 0;
      })
      .CancelEntry();
  OnEditEntry(doc, port);
  EXPECT_THAT(port.errors, ElementsAre("No departure airport ID entered!"));
  EXPECT_EQ(SavedFields(entry), before);
  EXPECT_EQ(doc.selectedEntry, &entry);
}

TEST_F(EntryCommandsTest, EditedDateMovesTheEntry) {
  doc.AppendEntry(MakeFlight(1998, 1, 1));
  doc.AppendEntry(MakeFlight(1998, 2, 1));
  doc.AppendEntry(MakeFlight(1998, 3, 1));
  doc.selectedEntry = &doc.Entry(0);
  port.OkEntry([](CEntryDlg& f) { f.month = 12; });
  OnEditEntry(doc, port);
  ASSERT_EQ(doc.EntryCount(), 3u);
  EXPECT_EQ(doc.Entry(2).month, 12);
  EXPECT_EQ(doc.selectedEntry, &doc.Entry(2));
  EXPECT_EQ(doc.Entry(0).month, 2);
}

TEST_F(EntryCommandsTest, DeleteAsksWithTheDateAndRemovesOnConfirm) {
  doc.AppendEntry(MakeFlight(1998, 7, 4));
  doc.SetModifiedFlag(false);
  port.Answer(false).Answer(true);
  OnDeleteEntry(doc, port);
  EXPECT_EQ(doc.EntryCount(), 1u);
  EXPECT_FALSE(doc.IsModified());
  OnDeleteEntry(doc, port);
  const std::string question =
      "question: Do you really want to delete the entry dated 7/4/1998? Deletion cannot be "
      "undone...";
  EXPECT_THAT(port.transcript, ElementsAre(question, question, "redraw"));
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_EQ(doc.selectedEntry, nullptr);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(CanEditOrDeleteEntry(doc));
}

// The log view keeps its layout until the revision moves, and may redraw
// while a message about the form is up: the record the form wrote into and
// the record Cancel put back must each move it, modified or not.
TEST_F(EntryCommandsTest, EditWritingIntoTheFlightAndCancelBothCountAsChanges) {
  doc.AppendEntry(MakeFlight(1998, 1, 1));
  doc.SetModifiedFlag(false);
  const auto before = doc.Revision();
  std::vector<std::uint64_t> revisionsAtMessages;
  struct WatchingPort : ScriptedPort {
    CAerodexDoc* doc = nullptr;
    std::vector<std::uint64_t>* seen = nullptr;
    void ShowError(const std::string& message) override {
      seen->push_back(doc->Revision());
      ScriptedPort::ShowError(message);
    }
  } watching;
  watching.doc = &doc;
  watching.seen = &revisionsAtMessages;
  doc.SetPort(&watching);
  watching.OkEntry([](CEntryDlg& f) {
    f.remarks = "A much longer description that wraps onto a second line";
    f.departure.clear();  // refused
  });
  watching.CancelEntry();
  OnEditEntry(doc, watching);
  ASSERT_EQ(revisionsAtMessages.size(), 1u);
  EXPECT_GT(revisionsAtMessages[0], before);
  EXPECT_GT(doc.Revision(), revisionsAtMessages[0]);
  EXPECT_EQ(doc.Entry(0).remarks, "Practice approaches");
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
