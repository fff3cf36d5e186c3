// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using aerodex::CArchiveReader;
using aerodex::CArchiveWriter;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string Encoded(const std::string& text) {
  CArchiveWriter out;
  out.WriteString(text);
  return out.Bytes();
}

std::string Decoded(const std::string& bytes, bool* failed = nullptr) {
  const auto data = Bytes(bytes);
  CArchiveReader in(data);
  std::string text = in.ReadString();
  if (failed) *failed = in.Failed();
  return text;
}

}  // namespace

TEST(CountedString, UsesTheShortestLengthFormAndReadsItBack) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {3, "\x03"},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {300, "\xFF\x2C\x01"},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, 'A');
    const std::string bytes = Encoded(text);
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
    EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(Decoded(bytes), text) << c.length;
  }
  EXPECT_EQ(Encoded("ABC"),
            "\x03"
            "ABC");
}

TEST(CountedString, AcceptsLengthsWrittenTheLongWay) {
  EXPECT_EQ(Decoded(std::string("\xFF\x03\x00"
                                "ABC",
                                6)),
            "ABC");
  EXPECT_EQ(Decoded(std::string("\xFF\xFF\xFF\x03\x00\x00\x00"
                                "ABC",
                                10)),
            "ABC");
}

TEST(CountedString, ConvertsSixteenBitTextToTheCodePage) {
  // Mark FF FE FF, then length 4, then "Aé€" and a CJK character, little-endian.
  const std::string bytes(
      "\xFF\xFE\xFF\x04"
      "A\x00\xE9\x00\xAC\x20\x2D\x4E",
      12);
  bool failed = true;
  EXPECT_EQ(Decoded(bytes, &failed), "A\xE9\x80?");
  EXPECT_FALSE(failed);
  // The length after the mark may itself use the long forms.
  const std::string longForm(
      "\xFF\xFE\xFF\xFF\x02\x00"
      "O\x00K\x00",
      10);
  EXPECT_EQ(Decoded(longForm), "OK");
}

TEST(CountedString, NeverReadsOrAllocatesPastTheEnd) {
  bool failed = false;
  // Announces 4 GB with three bytes behind it.
  EXPECT_EQ(Decoded(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                "abc",
                                10),
                    &failed),
            "");
  EXPECT_TRUE(failed);
  EXPECT_EQ(Decoded("\x05"
                    "ab",
                    &failed),
            "");
  EXPECT_TRUE(failed);
  EXPECT_EQ(Decoded("\xFF\x01", &failed), "");
  EXPECT_TRUE(failed);
  EXPECT_EQ(Decoded(std::string("\xFF\xFE\xFF\x02"
                                "A\x00"
                                "B",
                                7),
                    &failed),
            "");
  EXPECT_TRUE(failed);
}

TEST(FixedFields, AreLittleEndianAndU16IsTruncatedThenWidenedWithoutSign) {
  CArchiveWriter out;
  out.WriteU16(70000);
  out.WriteU16(-1);
  out.WriteI32(999999999);
  out.WriteI32(-2);
  out.WriteF64(1.5);
  EXPECT_EQ(out.Bytes().substr(0, 4), std::string("\x70\x11\xFF\xFF", 4));
  EXPECT_EQ(out.Bytes().substr(4, 4), std::string("\xFF\xC9\x9A\x3B", 4));
  EXPECT_EQ(out.Bytes().substr(12, 8), std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8));

  const auto data = Bytes(out.Bytes());
  CArchiveReader in(data);
  EXPECT_EQ(in.ReadU16(), 4464);
  EXPECT_EQ(in.ReadU16(), 65535);
  EXPECT_EQ(in.ReadI32(), 999999999);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_EQ(in.ReadF64(), 1.5);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(in.ReadU16(), 0);
  EXPECT_TRUE(in.Failed());
}
