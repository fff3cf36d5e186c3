// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document.h"

#include <gtest/gtest.h>

#include "support/log_builders.h"
#include "support/recording_port.h"

namespace {

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }
  RecordingPromptPort port;
  CAerodexDoc doc{&port};
};

}  // namespace

TEST_F(DocumentTest, EntryArrayGrowsInBlocksOf256KeepingEveryPointerInOrder) {
  std::vector<const CAerodexEntry*> added;
  for (int i = 0; i < 255; ++i) {
    auto e = MakeFlight(2000, 1, 1, i);
    added.push_back(e.get());
    ASSERT_TRUE(doc.AppendEntry(std::move(e)));
  }
  EXPECT_EQ(doc.EntryCapacity(), 256u);
  doc.AppendEntry(MakeFlight(2000, 1, 2));
  EXPECT_EQ(doc.EntryCapacity(), 256u);  // the 256th fits
  auto e257 = MakeFlight(2000, 1, 3);
  const CAerodexEntry* last = e257.get();
  doc.AppendEntry(std::move(e257));
  EXPECT_EQ(doc.EntryCapacity(), 512u);
  EXPECT_EQ(doc.EntryCount(), 257u);
  for (std::size_t i = 0; i < added.size(); ++i) EXPECT_EQ(&doc.Entry(i), added[i]);
  EXPECT_EQ(doc.selectedEntry, last);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, GrowCapacityClearsTheLowByteAndAddsABlock) {
  for (auto [n, capacity] : {std::pair{1u, 256u}, {255u, 256u}, {256u, 512u}, {600u, 768u}}) {
    ASSERT_TRUE(doc.GrowEntryArray(n));
    EXPECT_EQ(doc.EntryCapacity(), capacity) << n;
  }
}

TEST_F(DocumentTest, FailedGrowthTellsTheUserAndLosesNothing) {
  for (int i = 0; i < 256; ++i) doc.AppendEntry(MakeFlight(2001, 1, 1, i));
  doc.SetModifiedFlag(false);
  doc.SimulateAllocationFailure(true);
  EXPECT_FALSE(doc.AppendEntry(MakeFlight(2002, 1, 1)));
  ASSERT_EQ(port.errors.size(), 1u);
  EXPECT_EQ(port.errors[0], "Could not allocate memory for Entry Array! Aborting program...");
  EXPECT_EQ(doc.EntryCount(), 256u);
  EXPECT_EQ(doc.EntryCapacity(), 256u);
  EXPECT_EQ(doc.Entry(255).flightNumber, 255);
  EXPECT_FALSE(doc.IsModified());
  doc.SimulateAllocationFailure(false);
  EXPECT_TRUE(doc.AppendEntry(MakeFlight(2002, 1, 1)));
  EXPECT_EQ(doc.EntryCount(), 257u);
}

TEST_F(DocumentTest, RemoveKeepsOrderAndIgnoresStrangers) {
  for (int i = 0; i < 3; ++i) doc.AppendEntry(MakeFlight(2000, 1, 1, i));
  CAerodexEntry stranger;
  doc.RemoveEntry(&stranger);
  EXPECT_EQ(doc.EntryCount(), 3u);
  doc.RemoveEntry(&doc.Entry(0));
  ASSERT_EQ(doc.EntryCount(), 2u);
  EXPECT_EQ(doc.Entry(0).flightNumber, 1);
  EXPECT_EQ(doc.Entry(1).flightNumber, 2);
}

TEST_F(DocumentTest, SortPutsEntriesInLogOrder) {
  doc.AppendEntry(MakeFlight(1998, 1, 1));
  doc.AppendEntry(MakeFlight(1997, 12, 31, 2));
  doc.AppendEntry(MakeFlight(1997, 12, 31, 1));
  doc.SortEntries();
  EXPECT_EQ(doc.Entry(0).flightNumber, 1);
  EXPECT_EQ(doc.Entry(1).flightNumber, 2);
  EXPECT_EQ(doc.Entry(2).year, 1998);
}

// One flight out of place (new at the end, or edited to another date) is
// merged in; flights of equal date and number keep their stored order
// whichever way the sort goes.
TEST_F(DocumentTest, SortKeepsTheStoredOrderOfEqualFlightsAndCountsAsAChange) {
  std::vector<const CAerodexEntry*> equal;
  for (int i = 0; i < 6; ++i) {
    auto e = MakeFlight(2000, 1 + i % 3, 1);
    if (e->month == 2) equal.push_back(e.get());
    doc.AppendEntry(std::move(e));
  }
  auto late = MakeFlight(2000, 2, 1);
  equal.push_back(late.get());
  doc.AppendEntry(std::move(late));  // appended: the end of the log is out of order
  doc.SortEntries();
  std::vector<const CAerodexEntry*> february;
  for (const auto& e : doc.Entries()) {
    if (e->month == 2) february.push_back(e.get());
  }
  EXPECT_EQ(february, equal);
  CAerodexEntry& edited = doc.Entry(0);  // January moved past every February flight
  edited.month = 2;
  const auto before = doc.Revision();
  doc.SortEntries();
  february.clear();
  for (const auto& e : doc.Entries()) {
    if (e->month == 2) february.push_back(e.get());
  }
  EXPECT_EQ(february, (std::vector<const CAerodexEntry*>{&edited, equal[0], equal[1], equal[2]}));
  EXPECT_GT(doc.Revision(), before);
  const auto sorted = doc.Revision();
  doc.SortEntries();
  EXPECT_EQ(doc.Revision(), sorted);  // already in order: nothing changed
}

TEST_F(DocumentTest, FindAircraftIsExactAndReturnsTheFirstMatch) {
  doc.AppendAircraft(MakeAirplane("ABC"));
  doc.AppendAircraft(MakeAirplane("123"));
  doc.AppendAircraft(MakeAirplane("123", false));
  EXPECT_EQ(doc.FindAircraft("abc"), nullptr);
  EXPECT_EQ(doc.FindAircraft("N123"), nullptr);
  EXPECT_EQ(doc.FindAircraft("123 "), nullptr);
  ASSERT_NE(doc.FindAircraft("123"), nullptr);
  EXPECT_EQ(doc.FindAircraft("123"), &doc.Aircraft(1));
  doc.RemoveAircraftAt(1);
  EXPECT_EQ(doc.FindAircraft("123"), &doc.Aircraft(1));
  EXPECT_TRUE(doc.Aircraft(1).isMultiEngine);
}

TEST_F(DocumentTest, NewEmptiesTheLogButKeepsPilotAndLastNNumber) {
  doc.pilot.pilotName = "Amelia";
  doc.pilot.medicalYear = 2025;
  doc.lastNNumber = "5432K";
  doc.AppendAircraft(MakeAirplane("5432K"));
  doc.AppendEntry(MakeFlight(2025, 5, 5));
  doc.OnNewDocument();
  doc.OnNewDocument();
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_EQ(doc.EntryCapacity(), 0u);
  EXPECT_EQ(doc.AircraftCount(), 0u);
  EXPECT_EQ(doc.selectedEntry, nullptr);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.pilot.pilotName, "Amelia");
  EXPECT_EQ(doc.pilot.medicalYear, 2025);
  EXPECT_EQ(doc.lastNNumber, "5432K");
}

TEST_F(DocumentTest, InitializeOnceRunsOncePerRun) {
  EXPECT_EQ(doc.scrollToSelection, 1);
  EXPECT_EQ(doc.placeholderAircraft.nNumber, "  --  ");
  EXPECT_EQ(doc.placeholderAircraft.hourlyCost, 0);
  doc.scrollToSelection = 0;
  doc.pilot.licenseNumber = 7;
  doc.InitializeOnce();
  EXPECT_EQ(doc.scrollToSelection, 0);
  EXPECT_EQ(doc.pilot.licenseNumber, 7);
  EXPECT_EQ(doc.logHeight, 8500);
  EXPECT_EQ(doc.zoomFactor, 2);

  // A second document of the same run keeps what it was given; one of its own run starts afresh.
  CProgramRun run;
  CAerodexDoc first(nullptr, nullptr, &run), second(nullptr, nullptr, &run), alone;
  first.OnNewDocument();
  second.OnNewDocument();
  alone.OnNewDocument();
  EXPECT_EQ(first.scrollToSelection, 1);
  EXPECT_EQ(second.scrollToSelection, 0);
  EXPECT_EQ(alone.scrollToSelection, 1);
}

TEST_F(DocumentTest, RevisionMovesWithEveryChangeButNotWithASave) {
  const auto start = doc.Revision();
  doc.AppendEntry(MakeFlight(2024, 1, 1));
  const auto afterAppend = doc.Revision();
  EXPECT_GT(afterAppend, start);
  doc.SetModifiedFlag(false);  // a save
  EXPECT_EQ(doc.Revision(), afterAppend);
  doc.DeleteContents();
  EXPECT_GT(doc.Revision(), afterAppend);
}

TEST_F(DocumentTest, ListenersAreToldOfChangesOnceAndCanLeave) {
  struct Counter : CDocumentListener {
    int told = 0;
    void DocumentChanged(const CAerodexDoc&) override { ++told; }
  } counter;
  doc.AddListener(&counter);
  doc.AddListener(&counter);  // once is enough
  for (int i = 0; i < 100; ++i) doc.AppendEntry(MakeFlight(2024, 1, 1 + i % 28));
  EXPECT_EQ(counter.told, 0);  // an import tells once, when it sorts
  doc.SortEntries();
  doc.UpdateAllViews();
  doc.SetModifiedFlag(false);
  doc.DeleteContents();
  EXPECT_EQ(counter.told, 4);
  doc.RemoveListener(&counter);
  doc.SetModifiedFlag();
  EXPECT_EQ(counter.told, 4);
}
