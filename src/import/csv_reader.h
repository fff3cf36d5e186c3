// SPDX-License-Identifier: GPL-3.0-or-later
// The table reader behind the logbook import: a CSV or tab-separated file of
// any of the encodings other logbooks write (UTF-8 with or without a
// byte-order mark, UTF-16 with one, Windows-1252 otherwise), its separator
// found from its first line, RFC 4180 quoting with line breaks inside quoted
// cells. Every row keeps the physical line it starts on, so that a report can
// name it. Cells come out as UTF-8, exactly as written (no trimming).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerodex::import {

struct CCsvRow {
  std::int64_t line = 0;  // the physical line the row starts on, from 1
  std::vector<std::string> cells;

  // True when every cell is empty or blank.
  bool IsBlank() const;
};

struct CCsvTable {
  std::string encoding;  // "UTF-8", "UTF-8 with byte-order mark", "UTF-16LE", ...
  char separator = ',';
  std::vector<CCsvRow> rows;
  std::int64_t unclosedQuoteLine = 0;  // a quoted cell opened here never closed (0: none)
};

// The bytes as UTF-8, with the name of the encoding they were found in.
std::string DecodeText(std::string_view bytes, std::string& encoding);

// ',', ';' or '\t': the one of them that the first line holds most of,
// outside quotes (',' when it holds none).
char DetectSeparator(std::string_view utf8);

// Reads the whole file; separator 0 means find it.
CCsvTable ReadCsv(std::string_view bytes, char separator = 0);

// "comma", "semicolon", "tab".
const char* SeparatorName(char separator);

}  // namespace aerodex::import
