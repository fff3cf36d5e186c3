// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/wrapped_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "display/log_page.h"
#include "support/recording_surface.h"

namespace {

std::vector<std::string> Wrap(const std::string& text, int width) {
  std::vector<std::string> lines;
  aerodex::WrapLines(text, width, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string WithoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t') kept += c;
  }
  return kept;
}

}  // namespace

TEST(WrappedText, RouteBreaksBackToTheHyphenAndDrawsLines125Apart) {
  RecordingSurface surface;
  const int last = aerodex::DrawWrappedText(surface, 1150, -1250, 17, "KSJC-KMRY-KSNS-KSJC");
  EXPECT_EQ(last, -1375);
  ASSERT_EQ(surface.Texts().size(), 2u);
  EXPECT_EQ(surface.TextsAt(1150, -1250), std::vector<std::string>{"KSJC-KMRY-KSNS-"});
  EXPECT_EQ(surface.TextsAt(1150, -1375), std::vector<std::string>{"KSJC"});
}

TEST(WrappedText, ShortTextIsDrawnUnchangedAndFullWidthTextLosesLeadingBlanks) {
  const std::string remarks35 = "  " + std::string(33, 'x');
  const std::string remarks36 = "  " + std::string(34, 'x');
  EXPECT_EQ(Wrap(remarks35, 36), std::vector<std::string>{remarks35});
  EXPECT_EQ(Wrap(remarks36, 36), std::vector<std::string>{std::string(34, 'x')});
  EXPECT_EQ(Wrap("", 36), std::vector<std::string>{""});
}

TEST(WrappedText, BreakCharacterStaysAtTheEndOfItsLine) {
  EXPECT_EQ(Wrap("abcd efgh", 5), (std::vector<std::string>{"abcd ", "efgh"}));
  EXPECT_EQ(Wrap("abcd-efgh", 4), (std::vector<std::string>{"abcd-", "efgh"}));
  // A digit breaks like any other non-letter.
  EXPECT_EQ(Wrap("AB12CDEFG", 4), (std::vector<std::string>{"AB12", "CDEF", "G"}));
  // Letters beyond plain Latin are not letters: they break.
  EXPECT_EQ(Wrap("abc\xE9\x64\x65\x66", 4), (std::vector<std::string>{"abc\xE9", "def"}));
}

TEST(WrappedText, WordWithoutBreakIsCutAfterWidthCharacters) {
  const std::string word(40, 'A');
  EXPECT_EQ(Wrap(word, 17),
            (std::vector<std::string>{std::string(17, 'A'), std::string(17, 'A'), "AAAAAA"}));
  EXPECT_EQ(aerodex::CountWrappedLines(word, 17), 3u);
  // A width below one still makes progress.
  EXPECT_EQ(Wrap("abc", 0), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(WrappedText, BreakAmongLeadingBlanksGivesAnEmptyLine) {
  EXPECT_EQ(Wrap("  abcdef", 4), (std::vector<std::string>{"", "abcd", "ef"}));
  EXPECT_EQ(Wrap("\t\t\t\t\tab", 4), (std::vector<std::string>{"", "ab"}));
}

TEST(WrappedText, MeasuringAndDrawingAgreeAndNoCharacterIsLost) {
  std::mt19937 random(1234);
  const std::string alphabet = "abcdefghijKLMNOP      \t--0123.,/";
  for (int round = 0; round < 500; ++round) {
    std::string text(random() % 120, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const int width = 1 + static_cast<int>(random() % 40);
    const std::vector<std::string> lines = Wrap(text, width);
    ASSERT_EQ(lines.size(), aerodex::CountWrappedLines(text, width)) << text;
    std::string joined;
    for (const std::string& line : lines) {
      if (lines.size() > 1) {
        EXPECT_LE(line.size(), static_cast<std::size_t>(width) + 1) << text;
      }
      joined += line;
    }
    EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(text)) << text;

    RecordingSurface surface;
    const int last = aerodex::DrawWrappedText(surface, 0, 0, width, text);
    EXPECT_EQ(last, -125 * static_cast<int>(lines.size() - 1));
  }
}
