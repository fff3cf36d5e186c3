// SPDX-License-Identifier: GPL-3.0-or-later
// The field tables: each names every saved member once, the archive built on
// them keeps every value apart, and the text edges list fields in the order
// the record declares them.
#include "model/record_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "model/record_archive.h"

namespace {

using aerodex::CRecordArchive;
using aerodex::RecordField;
using aerodex::ValueKind;

template <class Record, std::size_t N>
void ExpectEachMemberOnce(const std::array<RecordField<Record>, N>& fields) {
  std::set<std::string> names;
  std::set<const void*> members;
  const Record probe{};
  for (const auto& f : fields) {
    EXPECT_TRUE(names.insert(f.name).second) << f.name;
    const void* member = f.Kind() == ValueKind::kText ? static_cast<const void*>(&(probe.*f.text))
                         : f.Kind() == ValueKind::kWhole
                             ? static_cast<const void*>(&(probe.*f.whole))
                             : &(probe.*f.decimal);
    EXPECT_TRUE(members.insert(member).second) << f.name;
  }
}

TEST(RecordFields, EachTableNamesEverySavedMemberOnce) {
  ExpectEachMemberOnce(aerodex::kPilotFields);
  ExpectEachMemberOnce(aerodex::kAirplaneFields);
  ExpectEachMemberOnce(aerodex::kEntryFields);
  EXPECT_EQ(aerodex::kPilotFields.size(), 45u);
  EXPECT_EQ(aerodex::kAirplaneFields.size(), 28u);
  EXPECT_EQ(aerodex::kEntryFields.size(), 31u);
}

// Gives every field its own value: texts, numbers within 16 bits and decimals
// that are not whole, so a field read into its neighbour shows.
template <const auto& kFields, class Record>
void FillDistinct(Record& r) {
  int n = 1;
  for (const auto& f : kFields) {
    switch (f.Kind()) {
      case ValueKind::kText:
        r.*f.text = std::string(static_cast<std::size_t>(n), static_cast<char>('a' + n % 26));
        break;
      case ValueKind::kWhole:
        r.*f.whole = 1000 + n;
        break;
      case ValueKind::kDecimal:
        r.*f.decimal = n + 0.25;
        break;
    }
    ++n;
  }
}

template <const auto& kFields, class Record>
std::vector<std::string> Values(const Record& r) {
  std::vector<std::string> values;
  aerodex::VisitFields<kFields>(r, [&](const char* name, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      values.push_back(std::string(name) + "=" + value);
    } else {
      values.push_back(std::string(name) + "=" + std::to_string(value));
    }
  });
  return values;
}

template <const auto& kFields, class Record>
void ExpectRoundTrip() {
  Record written{};
  FillDistinct<kFields>(written);
  aerodex::CArchiveWriter out;
  CRecordArchive<kFields>::Write(out, written);
  EXPECT_EQ(out.Bytes().size(), CRecordArchive<kFields>::SavedBytes(written));

  const std::string bytes = out.Bytes();
  const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  aerodex::CArchiveReader in(data);
  Record read{};
  CRecordArchive<kFields>::Read(in, read);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(Values<kFields>(read), Values<kFields>(written));
}

TEST(RecordArchive, EveryFieldComesBackWithItsOwnValue) {
  ExpectRoundTrip<aerodex::kPilotFields, CPilotInfo>();
  ExpectRoundTrip<aerodex::kAirplaneFields, CAirplane>();
  ExpectRoundTrip<aerodex::kEntryFields, CAerodexEntry>();
}

TEST(RecordArchive, AShortRunFailsTheReadAndYieldsZeros) {
  // An entry cut inside its first run of numbers: the N-Number, then 5 of the 8 date bytes.
  const std::vector<std::uint8_t> data = {1, 'A', 7, 0, 12, 0, 0xCF};
  aerodex::CArchiveReader in(data);
  CAerodexEntry entry;
  aerodex::CEntryArchive::Read(in, entry);
  EXPECT_TRUE(in.Failed());
  EXPECT_EQ(entry.nNumber, "A");
  EXPECT_EQ(entry.day, 0);
  EXPECT_EQ(entry.month, 0);
}

TEST(RecordFields, TextEdgesFollowTheDeclarationNotTheFile) {
  std::vector<std::string> names;
  CPilotInfo pilot;
  aerodex::VisitPilotFields(pilot, [&](const char* name, const auto&) { names.push_back(name); });
  ASSERT_EQ(names.size(), 45u);
  // The file holds licenseNumber before the dates; the record declares it after them.
  EXPECT_EQ(names[3], "bfrMonth");
  EXPECT_EQ(names[12], "licenseNumber");
  EXPECT_EQ(names[13], "isStudent");

  names.clear();
  CAerodexEntry entry;
  aerodex::VisitSavedEntryFields(entry,
                                 [&](const char* name, const auto&) { names.push_back(name); });
  ASSERT_EQ(names.size(), 31u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
            (std::vector<std::string>{"nNumber", "startTach", "endTach", "day"}));
  EXPECT_EQ(names.back(), "remarks");
}

}  // namespace
