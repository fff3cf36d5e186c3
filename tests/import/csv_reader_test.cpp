// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aerodex::import {
namespace {

std::vector<std::string> Cells(std::initializer_list<const char*> cells) {
  return {cells.begin(), cells.end()};
}

TEST(CsvReaderTest, QuotedCellsKeepSeparatorsQuotesAndLineBreaksAndRowsKeepTheirLines) {
  const CCsvTable table =
      ReadCsv("Date,Remarks\r\n2024-01-02,\"one, \"\"two\"\"\r\nthree\"\r\n\r\n2024-01-03,x\n");
  EXPECT_EQ(table.separator, ',');
  ASSERT_EQ(table.rows.size(), 4u);
  EXPECT_EQ(table.rows[1].cells, Cells({"2024-01-02", "one, \"two\"\nthree"}));
  EXPECT_EQ(table.rows[1].line, 2);
  EXPECT_TRUE(table.rows[2].IsBlank());
  EXPECT_EQ(table.rows[3].line, 5);  // the quoted break counted as a physical line
  EXPECT_EQ(table.unclosedQuoteLine, 0);

  EXPECT_EQ(ReadCsv("a,b\n1,\"open\n2,3\n").unclosedQuoteLine, 2);
}

TEST(CsvReaderTest, SeparatorComesFromTheFirstLineOutsideQuotes) {
  EXPECT_EQ(ReadCsv("ForeFlight Logbook Import;;;\n1,2,3\n").separator, ';');
  EXPECT_EQ(ReadCsv("flight_flightDate\tflight_remarks\n2024-01-01\tILS, VOR\n").separator, '\t');
  EXPECT_EQ(ReadCsv("\"a;b;c\",d\n").separator, ',');
  const CCsvTable tabs = ReadCsv("a\tb\n1\t\"x, y\"\n");
  EXPECT_EQ(tabs.rows[1].cells, Cells({"1", "x, y"}));
}

TEST(CsvReaderTest, EncodingsAreFoundAndDecodedToUtf8) {
  std::string encoding;
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                       "caf\xC3\xA9",
                       encoding),
            "caf\xC3\xA9");
  EXPECT_EQ(encoding, "UTF-8 with byte-order mark");
  EXPECT_EQ(DecodeText("caf\xC3\xA9", encoding), "caf\xC3\xA9");
  EXPECT_EQ(encoding, "UTF-8");
  EXPECT_EQ(DecodeText("caf\xE9 \x80", encoding), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(encoding, "Windows-1252");
  // UTF-16 little and big endian, with a character outside the BMP.
  const std::string le(
      "\xFF\xFE"
      "a\0\xE9\0=\xD8\x08\xDE",
      10);
  EXPECT_EQ(DecodeText(le, encoding), "a\xC3\xA9\xF0\x9F\x98\x88");
  EXPECT_EQ(encoding, "UTF-16LE");
  EXPECT_EQ(DecodeText(std::string("\xFE\xFF\0a\0,\0b", 8), encoding), "a,b");
  EXPECT_EQ(encoding, "UTF-16BE");
}

}  // namespace
}  // namespace aerodex::import
