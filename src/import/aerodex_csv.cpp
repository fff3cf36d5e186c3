// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/aerodex_csv.h"

#include <unordered_set>

#include "import/cell_values.h"
#include "model/codepage.h"
#include "model/record_fields.h"

namespace aerodex::import {
namespace {

// Appends the names (header) or the values of one flight as a CSV row.
class CCsvLine {
 public:
  CCsvLine(std::string& out, bool header) : out_(out), header_(header) {}
  ~CCsvLine() { out_ += "\r\n"; }
  void operator()(const char* name, const std::string& text) {
    Cell(name, [&] { return CsvCell(Cp1252ToUtf8(text)); });
  }
  void operator()(const char* name, int value) {
    Cell(name, [&] { return std::to_string(value); });
  }
  void operator()(const char* name, double value) {
    Cell(name, [&] { return HoursText(value); });
  }

 private:
  template <class MakeValue>
  void Cell(const char* name, MakeValue makeValue) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += header_ ? std::string(name) : makeValue();
  }
  std::string& out_;
  bool header_;
  bool first_ = true;
};

// Reads one cell into its field; false when it does not hold its kind.
bool PutField(const RecordField<CAerodexEntry>& field, const std::string& cell, CAerodexEntry& e) {
  switch (field.Kind()) {
    case ValueKind::kText:
      e.*field.text = Utf8ToCp1252(cell);
      return true;
    case ValueKind::kWhole: {
      const auto count = ParseCount(cell);
      if (count) e.*field.whole = *count;
      return count.has_value();
    }
    case ValueKind::kDecimal: {
      const auto hours = ParseHours(cell);
      if (hours) e.*field.decimal = *hours;
      return hours.has_value();
    }
  }
  return false;
}

}  // namespace

std::string AerodexCsv(const CAerodexDoc& doc) {
  std::string out;
  CAerodexEntry names;
  VisitSavedEntryFields(names, CCsvLine(out, true));
  for (const auto& entry : doc.Entries()) VisitSavedEntryFields(*entry, CCsvLine(out, false));
  return out;
}

std::string CsvCell(const std::string& utf8, char separator) {
  if (utf8.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) return utf8;
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

bool IsAerodexCsvHeader(const std::vector<std::string>& header) {
  const std::unordered_set<std::string> names(header.begin(), header.end());
  for (const auto& field : kEntryFields) {
    if (!names.contains(field.name)) return false;
  }
  return true;
}

CMappedRow MapAerodexRow(const std::vector<std::string>& header,
                         const std::vector<std::string>& cells) {
  CMappedRow mapped;
  mapped.numbered = true;
  for (std::size_t i = 0; i < header.size(); ++i) {
    for (const auto& field : kEntryFields) {
      if (header[i] != field.name) continue;
      const std::string& cell = CellAt(cells, i);
      if (!PutField(field, cell, mapped.entry) && !mapped.error) {
        mapped.error = std::string(field.name) + " '" + cell + "' is not a number";
      }
    }
  }
  return mapped;
}

}  // namespace aerodex::import
