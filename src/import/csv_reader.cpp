// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/csv_reader.h"

#include <array>

#include "model/codepage.h"

namespace aerodex::import {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string FromUtf16(std::string_view bytes, bool littleEndian) {
  std::string out;
  out.reserve(bytes.size());
  const auto unit = [&](std::size_t at) -> char32_t {
    const auto lo = static_cast<unsigned char>(bytes[at + (littleEndian ? 0 : 1)]);
    const auto hi = static_cast<unsigned char>(bytes[at + (littleEndian ? 1 : 0)]);
    return static_cast<char32_t>(hi << 8 | lo);
  };
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    char32_t cp = unit(at);
    if (cp >= 0xD800 && cp <= 0xDBFF && at + 3 < bytes.size()) {
      const char32_t low = unit(at + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        at += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;  // a lone surrogate
    AppendUtf8(out, cp);
  }
  return out;
}

// Strict enough to tell UTF-8 from Windows-1252: every lead byte has its
// continuation bytes.
bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const int extra = lead < 0x80             ? 0
                      : (lead & 0xE0) == 0xC0 ? 1
                      : (lead & 0xF0) == 0xE0 ? 2
                      : (lead & 0xF8) == 0xF0 ? 3
                                              : -1;
    if (extra < 0 || (extra == 1 && lead < 0xC2) || i + extra >= s.size() + (extra == 0)) {
      return false;
    }
    for (int k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

// Reads cells and rows, keeping the physical line of each row's start.
class CCsvParser {
 public:
  CCsvParser(std::string_view text, char separator) : text_(text), separator_(separator) {}

  void Parse(CCsvTable& table) {
    while (pos_ < text_.size()) table.rows.push_back(ReadRow());
    table.unclosedQuoteLine = unclosedLine_;
  }

 private:
  CCsvRow ReadRow() {
    CCsvRow row;
    row.line = line_;
    for (;;) {
      row.cells.push_back(ReadCell());
      if (pos_ >= text_.size()) break;
      const char c = text_[pos_++];
      if (c == separator_) continue;
      EndOfLine(c);
      break;
    }
    return row;
  }

  // Counts one line end: "\r\n", "\n" or a lone "\r".
  void EndOfLine(char c) {
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

  std::string ReadCell() {
    std::string cell;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      ++pos_;
      ReadQuoted(cell);
    }
    while (pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_])) {
      cell += text_[pos_++];  // after a closing quote, or an unquoted cell
    }
    return cell;
  }

  void ReadQuoted(std::string& cell) {
    const std::int64_t opened = line_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') {
        if (pos_ < text_.size() && text_[pos_] == '"') {
          cell += '"';
          ++pos_;
          continue;
        }
        return;
      }
      if (c == '\r' || c == '\n') {
        // A line break inside the cell is kept as one "\n".
        EndOfLine(c);
        cell += '\n';
        continue;
      }
      cell += c;
    }
    unclosedLine_ = opened;
  }

  std::string_view text_;
  char separator_;
  std::size_t pos_ = 0;
  std::int64_t line_ = 1;
  std::int64_t unclosedLine_ = 0;
};

}  // namespace

bool CCsvRow::IsBlank() const {
  for (const std::string& cell : cells) {
    if (cell.find_first_not_of(" \t") != std::string::npos) return false;
  }
  return true;
}

std::string DecodeText(std::string_view bytes, std::string& encoding) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    encoding = "UTF-8 with byte-order mark";
    return std::string(bytes.substr(3));
  }
  if (bytes.starts_with("\xFF\xFE")) {
    encoding = "UTF-16LE";
    return FromUtf16(bytes.substr(2), true);
  }
  if (bytes.starts_with("\xFE\xFF")) {
    encoding = "UTF-16BE";
    return FromUtf16(bytes.substr(2), false);
  }
  if (IsValidUtf8(bytes)) {
    encoding = "UTF-8";
    return std::string(bytes);
  }
  encoding = "Windows-1252";
  return Cp1252ToUtf8(bytes);
}

char DetectSeparator(std::string_view utf8) {
  std::array<std::size_t, 3> counts{};
  constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
  bool quoted = false;
  for (char c : utf8) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (std::size_t i = 0; i < kSeparators.size(); ++i) counts[i] += c == kSeparators[i];
  }
  std::size_t best = 0;
  for (std::size_t i = 1; i < counts.size(); ++i) {
    if (counts[i] > counts[best]) best = i;
  }
  return kSeparators[best];
}

CCsvTable ReadCsv(std::string_view bytes, char separator) {
  CCsvTable table;
  const std::string text = DecodeText(bytes, table.encoding);
  table.separator = separator != 0 ? separator : DetectSeparator(text);
  CCsvParser(text, table.separator).Parse(table);
  return table;
}

const char* SeparatorName(char separator) {
  switch (separator) {
    case ';':
      return "semicolon";
    case '\t':
      return "tab";
    default:
      return "comma";
  }
}

}  // namespace aerodex::import
