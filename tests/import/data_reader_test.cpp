// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/data_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "import/number_scanner.h"

using aerodex::import::CDataReader;
using aerodex::import::CNumberScanner;
using aerodex::import::ReadStatus;

namespace {

std::vector<std::string> DataLines(const std::string& text) {
  std::istringstream in(text);
  CDataReader reader(in);
  std::vector<std::string> lines;
  std::string line = "unchanged";
  while (reader.ReadDataLine(line) == ReadStatus::kOk) lines.push_back(line);
  EXPECT_EQ(line, lines.empty() ? "unchanged" : lines.back());  // the end leaves the buffer
  return lines;
}

TEST(DataLine, CommentsAndEmptyLinesAreSkippedButBlanksAreKept) {
  EXPECT_EQ(DataLines("# header comment\n\n12 # the count\n   \n#\n\t#x\nlast"),
            (std::vector<std::string>{"12 ", "   ", "\t", "last"}));
  EXPECT_TRUE(DataLines("").empty());
  EXPECT_TRUE(DataLines("\n\n# only comments\n").empty());
}

TEST(DataLine, LongLinesAreReadInPiecesOf1023) {
  const std::string longLine(2050, 'a');
  const auto lines = DataLines(longLine + "\nb\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].size(), 1023u);
  EXPECT_EQ(lines[1].size(), 1023u);
  EXPECT_EQ(lines[2], "aaaa");
  EXPECT_EQ(lines[3], "b");
  // A line of exactly 1023 characters leaves only its newline: an empty line.
  EXPECT_EQ(DataLines(std::string(1023, 'c') + "\nd\n").size(), 2u);
}

TEST(DataLine, CarriageReturnLineFeedReadsLikeLineFeed) {
  EXPECT_EQ(DataLines("1 2\r\n# c\r\n\r\n^x^\r\n"), DataLines("1 2\n# c\n\n^x^\n"));
  // Also where the pair straddles a piece boundary.
  const std::string edge = std::string(1022, 'e') + "\r\nz\r\n";
  EXPECT_EQ(DataLines(edge), (std::vector<std::string>{std::string(1022, 'e'), "z"}));
}

TEST(DataLine, CarriageReturnAloneEndsALineAndIsNoted) {
  EXPECT_EQ(DataLines("1 2\r# c\r\r^x^\rlast"), DataLines("1 2\n# c\n\n^x^\nlast"));
  std::istringstream in("a\r\nb\n");
  CDataReader reader(in);
  std::string line;
  while (reader.ReadDataLine(line) == ReadStatus::kOk) {
  }
  EXPECT_FALSE(reader.MetLoneCarriageReturn());
  std::istringstream lone("a\rb\n");
  CDataReader loneReader(lone);
  loneReader.ReadDataLine(line);
  EXPECT_TRUE(loneReader.MetLoneCarriageReturn());
}

TEST(DataLine, LineNumbersCountTheFilesLinesWhateverTheirEnds) {
  // Comments and empty lines are counted; a long line keeps its number in every piece.
  std::istringstream in("# c\n\n1\r\n2\r" + std::string(1500, 'x') + "\n\n3");
  CDataReader reader(in);
  std::string line;
  std::vector<std::int64_t> numbers;
  while (reader.ReadDataLine(line) == ReadStatus::kOk) numbers.push_back(reader.LineNumber());
  EXPECT_EQ(numbers, (std::vector<std::int64_t>{3, 4, 5, 5, 7}));
  std::istringstream text("\n\n  no carets\n");
  CDataReader strings(text);
  EXPECT_EQ(strings.ReadDataString(line), ReadStatus::kNoCarets);
  EXPECT_EQ(strings.LineNumber(), 3);
}

TEST(DataLine, CarriageReturnLineFeedAcrossTheReadersBlocks) {
  // The reader takes its input in blocks of 64 KiB; put the CR as the last
  // byte of the first block, once inside a piece and once ending a full one.
  std::string filler;
  for (int i = 0; i < 32767; ++i) filler += "a\n";
  auto lines = DataLines(filler + "b\r\nc\n");
  ASSERT_EQ(lines.size(), 32769u);
  EXPECT_EQ(lines[32767], "b");
  filler.resize(64510);
  lines = DataLines(filler + "ab\n" + std::string(1022, 'e') + "\r\nz\n");
  ASSERT_EQ(lines.size(), 32258u);
  EXPECT_EQ(lines[32256], std::string(1022, 'e'));
  EXPECT_EQ(lines[32257], "z");
}

TEST(DataString, TextBetweenTheFirstTwoCarets) {
  std::istringstream in("pre ^N1234X^ post ^x^\n^^\n  ^open only\nno carets\n^a # b^\n");
  CDataReader reader(in);
  std::string text;
  ASSERT_EQ(reader.ReadDataString(text), ReadStatus::kOk);
  EXPECT_EQ(text, "N1234X");
  ASSERT_EQ(reader.ReadDataString(text), ReadStatus::kOk);
  EXPECT_EQ(text, "");
  EXPECT_EQ(reader.ReadDataString(text), ReadStatus::kNoCarets);
  EXPECT_EQ(reader.OffendingLine(), "  ^open only");
  EXPECT_EQ(reader.ReadDataString(text), ReadStatus::kNoCarets);
  EXPECT_EQ(reader.OffendingLine(), "no carets");
  // The comment sign cuts the closing caret away.
  EXPECT_EQ(reader.ReadDataString(text), ReadStatus::kNoCarets);
  EXPECT_EQ(reader.OffendingLine(), "^a ");
  text = "kept";
  EXPECT_EQ(reader.ReadDataString(text), ReadStatus::kEnd);
  EXPECT_EQ(text, "kept");
}

TEST(NumberScanner, WholeNumbersAsPercentDWithoutOverflow) {
  CNumberScanner scanner(" 14\t+6 -1996 2147483647 -2147483648 7abc");
  int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0;
  ASSERT_TRUE(scanner.NextInt(a) && scanner.NextInt(b) && scanner.NextInt(c) &&
              scanner.NextInt(d) && scanner.NextInt(e) && scanner.NextInt(f));
  EXPECT_EQ(std::vector<int>({a, b, c, d, e, f}),
            std::vector<int>({14, 6, -1996, INT_MAX, INT_MIN, 7}));
  EXPECT_FALSE(scanner.NextInt(g));  // "abc"
  EXPECT_FALSE(scanner.OutOfRange());
  for (const char* refused :
       {"2147483648", "-2147483649", "99999999999999999999", "+-3", "x", "", "   "}) {
    int value = 42;
    CNumberScanner one(refused);
    EXPECT_FALSE(one.NextInt(value)) << refused;
    EXPECT_EQ(value, 42);
    EXPECT_EQ(one.OutOfRange(), std::string(refused).size() > 8) << refused;  // digits only
  }
}

TEST(NumberScanner, RealsAreSinglePrecisionWidened) {
  CNumberScanner scanner("1.2 .5 -3 +2e1 7.");
  double a = 0, b = 0, c = 0, d = 0, e = 0;
  ASSERT_TRUE(scanner.NextReal(a) && scanner.NextReal(b) && scanner.NextReal(c) &&
              scanner.NextReal(d) && scanner.NextReal(e));
  EXPECT_EQ(a, static_cast<double>(1.2f));
  EXPECT_NE(a, 1.2);
  EXPECT_EQ(b, 0.5);
  EXPECT_EQ(c, -3.0);
  EXPECT_EQ(d, 20.0);
  EXPECT_EQ(e, 7.0);
  for (const char* refused : {"1e39", "-1e39", "inf", "nan", "abc", ""}) {
    double value = 42;
    CNumberScanner one(refused);
    EXPECT_FALSE(one.NextReal(value)) << refused;
    EXPECT_EQ(value, 42);
    const bool noNumber = std::string(refused).empty() || std::string(refused) == "abc";
    EXPECT_EQ(one.OutOfRange(), !noNumber) << refused;
  }
}

}  // namespace
