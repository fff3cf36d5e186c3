// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/codepage.h"

#include <gtest/gtest.h>

#include <string>

using aerodex::Cp1252ToUtf8;
using aerodex::Utf8ToCp1252;

TEST(CodePage, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, MapsTheWindowsCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80 \xE9 \x93Q\x94"), "\u20AC \u00E9 \u201CQ\u201D");
  EXPECT_EQ(Utf8ToCp1252("\u20AC caf\u00E9 \u2014"), "\x80 caf\xE9 \x97");
}

TEST(CodePage, UnmappableAndMalformedInputBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\u4E2D\u6587"), "??");
  EXPECT_EQ(Utf8ToCp1252("\U0001F6E9 ok"), "? ok");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");            // cut sequence
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x28\xA1"), "a?(?");  // bad continuation
}
