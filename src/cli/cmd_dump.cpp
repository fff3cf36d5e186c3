// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/text_out.h"
#include "model/record_fields.h"

namespace aerodex::cli {
namespace {

// Writes one record as a JSON object of its fields.
class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  ~JsonObject() { out_ += '}'; }
  void operator()(const char* name, const std::string& text) { Key(name) += JsonString(text); }
  void operator()(const char* name, int value) { Key(name) += std::to_string(value); }
  void operator()(const char* name, double value) { Key(name) += JsonNumber(value); }

 private:
  std::string& Key(const char* name) {
    if (!first_) out_ += ", ";
    first_ = false;
    return out_ += std::string("\"") + name + "\": ";
  }
  std::string& out_;
  bool first_ = true;
};

std::string DumpJson(const CAerodexDoc& doc) {
  std::string out = "{\"pilot\": ";
  { VisitPilotFields(doc.pilot, JsonObject(out)); }
  out += ",\n\"lastNNumber\": " + JsonString(doc.lastNNumber) + ",\n\"aircraft\": [";
  for (std::size_t i = 0; i < doc.AircraftCount(); ++i) {
    out += i ? ",\n  " : "\n  ";
    VisitAirplaneFields(doc.Aircraft(i), JsonObject(out));
  }
  out += "],\n\"entries\": [";
  bool first = true;
  for (const auto& entry : doc.Entries()) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    VisitSavedEntryFields(*entry, JsonObject(out));
  }
  const long selected = doc.IndexOfEntry(doc.selectedEntry);
  out +=
      "],\n\"selectedEntry\": " + (selected < 0 ? std::string("null") : std::to_string(selected));
  return out + "}\n";
}

}  // namespace

int RunDump(Args args, std::FILE* out) {
  const Command& self = FindCommand("dump");
  const ParsedArgs parsed = ParseArgs(args, {});
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  if (parsed.files.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog();
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  const std::string json = DumpJson(*log.doc);
  std::fwrite(json.data(), 1, json.size(), out);
  return kOk;
}

}  // namespace aerodex::cli
