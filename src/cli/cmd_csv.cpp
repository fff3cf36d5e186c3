#include <iostream>
#include <string>

#include "cli/cli.h"
#include "cli/text_out.h"
#include "model/codepage.h"
#include "model/document_file.h"
#include "model/record_fields.h"

namespace aerodex::cli {
namespace {

// Appends the names (header) or the values of one flight as a CSV row.
class CsvRow {
 public:
  CsvRow(std::string& out, bool header) : out_(out), header_(header) {}
  ~CsvRow() { out_ += "\r\n"; }
  void operator()(const char* name, const std::string& text) {
    Cell(name, [&] { return CsvField(Cp1252ToUtf8(text)); });
  }
  void operator()(const char* name, int value) {
    Cell(name, [&] { return std::to_string(value); });
  }
  void operator()(const char* name, double value) {
    Cell(name, [&] { return ShortestDouble(value); });
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

std::string FlightsCsv(const CAerodexDoc& doc) {
  std::string out;
  CAerodexEntry names;
  VisitSavedEntryFields(names, CsvRow(out, true));
  for (const auto& entry : doc.Entries()) VisitSavedEntryFields(*entry, CsvRow(out, false));
  return out;
}

}  // namespace

int RunCsv(Args args, std::FILE* out) {
  if (args.empty() || args.size() > 2) {
    return UsageError(FindCommand("csv"), "expects a log file and an optional output file");
  }
  LoadedLog log = NewLog();
  if (!OpenLog(log, args[0])) return kFailure;
  const std::string csv = FlightsCsv(*log.doc);
  if (args.size() == 1) {
    std::fwrite(csv.data(), 1, csv.size(), out);
    return kOk;
  }
  if (const FileResult written = WriteFileAtomically(args[1], csv); !written.ok) {
    std::cerr << "Failed to write " << args[1] << ". " << written.message << '\n';
    return kFailure;
  }
  return kOk;
}

}  // namespace aerodex::cli
