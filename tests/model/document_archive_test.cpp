// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "model/archive.h"
#include "support/log_builders.h"
#include "support/recording_port.h"

using aerodex::LoadDocument;
using aerodex::LoadResult;
using aerodex::SaveDocument;

namespace {

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

class DocumentArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }

  void FillRealisticLog() {
    doc.pilot.pilotName = "Jane Q. Pilot";
    doc.pilot.address = "12 Runway Rd, San Jos\xE9";
    doc.pilot.baseAirport = "KRHV";
    doc.pilot.licenseNumber = 999999999;
    doc.pilot.medicalClass = 2;
    doc.pilot.isPrivate = doc.pilot.isCommercial = 1;
    doc.pilot.tailWheelEndorsement = 1;
    doc.lastNNumber = "5432K";
    doc.AppendAircraft(MakeAirplane("5432K"));
    auto twin = MakeAirplane("777TW", false);
    twin->isMonitored = 1;
    twin->tbo = 2000;
    twin->tachAtOilChange = 1234.5;
    doc.AppendAircraft(std::move(twin));
    for (int i = 0; i < 5; ++i) doc.AppendEntry(MakeFlight(2020 + i, 3, 4, i));
    doc.Entry(2).remarks = std::string(300, 'r');
  }

  RecordingPromptPort port;
  CAerodexDoc doc{&port};
};

}  // namespace

TEST_F(DocumentArchiveTest, EmptyLogIs158BytesAndLoadsBackEmpty) {
  const std::string bytes = SaveDocument(doc);
  ASSERT_EQ(bytes.size(), 158u);
  EXPECT_EQ(bytes.substr(0, 5), std::string(5, '\0'));
  CAerodexDoc loaded(&port);
  ASSERT_EQ(LoadDocument(loaded, AsBytes(bytes)), LoadResult::kLoaded);
  EXPECT_EQ(loaded.EntryCount(), 0u);
  EXPECT_EQ(loaded.AircraftCount(), 0u);
  EXPECT_TRUE(loaded.pilot.pilotName.empty());
  EXPECT_EQ(loaded.selectedEntry, nullptr);
}

TEST_F(DocumentArchiveTest, RecordsHaveTheirDocumentedSizes) {
  const std::size_t empty = SaveDocument(doc).size();
  doc.AppendAircraft(std::make_unique<CAirplane>(""));
  EXPECT_EQ(SaveDocument(doc).size(), empty + 115);
  auto entry = std::make_unique<CAerodexEntry>();
  doc.AppendEntry(std::move(entry));
  EXPECT_EQ(SaveDocument(doc).size(), empty + 115 + 125);
}

TEST_F(DocumentArchiveTest, SaveLoadSaveIsByteIdenticalAndKeepsEveryField) {
  FillRealisticLog();
  const std::string first = SaveDocument(doc);
  CAerodexDoc loaded(&port);
  ASSERT_EQ(LoadDocument(loaded, AsBytes(first)), LoadResult::kLoaded);
  EXPECT_EQ(SaveDocument(loaded), first);
  EXPECT_EQ(loaded.pilot.licenseNumber, 999999999);
  EXPECT_TRUE(loaded.pilot.isPrivate && loaded.pilot.isCommercial);
  EXPECT_EQ(loaded.pilot.address, doc.pilot.address);
  EXPECT_EQ(loaded.lastNNumber, "5432K");
  ASSERT_EQ(loaded.AircraftCount(), 2u);
  EXPECT_EQ(loaded.Aircraft(1).tachAtOilChange, 1234.5);
  EXPECT_EQ(loaded.Aircraft(1).isMonitored, 1);
  EXPECT_EQ(loaded.Entry(2).remarks, std::string(300, 'r'));
  EXPECT_EQ(loaded.Entry(4).dayHours, 1.2);
}

TEST_F(DocumentArchiveTest, U16FieldsAreCutOnSavingAndWidenedOnLoading) {
  auto e = MakeFlight(2020, 1, 1);
  e->dayLandings = 70000;
  e->nightLandings = -1;
  e->holdingProcedures = 70000;  // an i32 in the file
  doc.AppendEntry(std::move(e));
  doc.pilot.medicalClass = 65537;
  CAerodexDoc loaded(&port);
  ASSERT_EQ(LoadDocument(loaded, AsBytes(SaveDocument(doc))), LoadResult::kLoaded);
  EXPECT_EQ(loaded.Entry(0).dayLandings, 4464);
  EXPECT_EQ(loaded.Entry(0).nightLandings, 65535);
  EXPECT_EQ(loaded.Entry(0).holdingProcedures, 70000);
  EXPECT_EQ(loaded.pilot.medicalClass, 1);
}

TEST_F(DocumentArchiveTest, EntriesStoredOutOfOrderComeBackSortedWithTheLastReadSelected) {
  doc.AppendEntry(MakeFlight(2021, 1, 1, 0, "LATE"));
  doc.AppendEntry(MakeFlight(2019, 1, 1, 0, "EARLY"));
  doc.AppendEntry(MakeFlight(2020, 1, 1, 0, "MIDDLE"));  // stored last, unsorted
  CAerodexDoc loaded(&port);
  ASSERT_EQ(LoadDocument(loaded, AsBytes(SaveDocument(doc))), LoadResult::kLoaded);
  EXPECT_EQ(loaded.Entry(0).nNumber, "EARLY");
  EXPECT_EQ(loaded.Entry(1).nNumber, "MIDDLE");
  EXPECT_EQ(loaded.Entry(2).nNumber, "LATE");
  ASSERT_NE(loaded.selectedEntry, nullptr);
  EXPECT_EQ(loaded.selectedEntry->nNumber, "MIDDLE");
}

TEST_F(DocumentArchiveTest, LoadingSevenHundredEntriesGivesCapacity768) {
  for (int i = 0; i < 700; ++i) doc.AppendEntry(MakeFlight(2020, 1, 1, i));
  CAerodexDoc loaded(&port);
  ASSERT_EQ(LoadDocument(loaded, AsBytes(SaveDocument(doc))), LoadResult::kLoaded);
  EXPECT_EQ(loaded.EntryCapacity(), 768u);
}

TEST_F(DocumentArchiveTest, EveryTruncationFailsAndLeavesAnEmptyDocument) {
  FillRealisticLog();
  const std::string bytes = SaveDocument(doc);
  for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
    CAerodexDoc loaded(&port);
    ASSERT_EQ(LoadDocument(loaded, AsBytes(bytes.substr(0, cut))), LoadResult::kUnexpectedFormat)
        << cut;
    EXPECT_EQ(loaded.EntryCount(), 0u);
    EXPECT_EQ(loaded.AircraftCount(), 0u);
    EXPECT_EQ(loaded.selectedEntry, nullptr);
  }
}

TEST_F(DocumentArchiveTest, HeaderAnnouncingMoreAircraftThanStoredFails) {
  doc.AppendAircraft(MakeAirplane("1"));
  std::string bytes = SaveDocument(doc);  // one aircraft, entry count 0
  bytes[0] = 2;
  CAerodexDoc loaded(&port);
  EXPECT_EQ(LoadDocument(loaded, AsBytes(bytes)), LoadResult::kUnexpectedFormat);
  EXPECT_EQ(loaded.AircraftCount(), 0u);
}

TEST_F(DocumentArchiveTest, EmptyStreamIsAnEmptyLogThatKeepsThePilot) {
  doc.pilot.pilotName = "Kept";
  doc.lastNNumber = "KEPT";
  doc.AppendEntry(MakeFlight(2020, 1, 1));
  EXPECT_EQ(LoadDocument(doc, {}), LoadResult::kLoaded);
  EXPECT_EQ(doc.EntryCount(), 0u);
  EXPECT_EQ(doc.pilot.pilotName, "Kept");
  EXPECT_EQ(doc.lastNNumber, "KEPT");
}

TEST_F(DocumentArchiveTest, OpenReplacesPilotAndIgnoresTrailingBytes) {
  FillRealisticLog();
  const std::string bytes = SaveDocument(doc) + "trailing garbage";
  CAerodexDoc other(&port);
  other.pilot.pilotName = "Someone else";
  other.lastNNumber = "OTHER";
  ASSERT_EQ(LoadDocument(other, AsBytes(bytes)), LoadResult::kLoaded);
  EXPECT_EQ(other.pilot.pilotName, "Jane Q. Pilot");
  EXPECT_EQ(other.lastNNumber, "5432K");
  EXPECT_EQ(other.EntryCount(), 5u);
}

TEST_F(DocumentArchiveTest, ImpossibleCountsAreRefusedBeforeAnythingIsAllocated) {
  std::string bytes = SaveDocument(doc);
  bytes[bytes.size() - 2] = '\xFF';  // 65535 entries announced, none stored
  bytes[bytes.size() - 1] = '\xFF';
  EXPECT_EQ(LoadDocument(doc, AsBytes(bytes)), LoadResult::kUnexpectedFormat);
  EXPECT_EQ(doc.EntryCapacity(), 0u);
}

TEST_F(DocumentArchiveTest, MoreThan65535EntriesCannotBeSaved) {
  EXPECT_TRUE(aerodex::CheckSavable(doc).empty());
  for (int i = 0; i < 65536; ++i) doc.AppendEntry(std::make_unique<CAerodexEntry>());
  const std::string refusal = aerodex::CheckSavable(doc);
  EXPECT_NE(refusal.find("65536 flights"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("at most 65535"), std::string::npos) << refusal;
}
