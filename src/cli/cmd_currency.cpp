// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/text_out.h"
#include "model/codepage.h"
#include "stats/currency.h"
#include "stats/currency_working.h"

namespace aerodex::cli {
namespace {

struct NamedLine {
  const char* name;
  const std::string* text;
};

// The form's order, top to bottom.
std::vector<NamedLine> SevenLines(const CCurrencyDlg& lines) {
  return {{"medical1", &lines.medical1}, {"medical2", &lines.medical2},
          {"medical3", &lines.medical3}, {"bfr", &lines.bfr},
          {"oldIfr", &lines.oldIfr},     {"newIfr", &lines.newIfr},
          {"night", &lines.night}};
}

std::string AsOfText(const LocalDate& day) {
  return std::to_string(day.month) + "/" + std::to_string(day.day) + "/" + std::to_string(day.year);
}

// The day as JSON readers expect it: "2000-06-15".
std::string IsoDate(const LocalDate& day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
  return text;
}

std::string CurrencyJson(const CCurrencyDlg& report) {
  std::string json = "{\n\"asOf\": " + JsonString(IsoDate(report.asOf)) + ",\n\"lines\": {";
  const char* comma = "";
  for (const NamedLine& line : SevenLines(report)) {
    json += std::string(comma) + "\n  " + JsonString(line.name) + ": " + JsonString(*line.text);
    comma = ",";
  }
  json += "\n},\n\"working\": [";
  comma = "";
  for (const CWorkingSection& section : report.working) {
    json +=
        std::string(comma) + "\n  {\"heading\": " + JsonString(section.heading) + ", \"lines\": [";
    const char* between = "";
    for (const std::string& line : section.lines) {
      json += std::string(between) + "\n    " + JsonString(line);
      between = ",";
    }
    json += "]}";
    comma = ",";
  }
  return json + "\n]\n}\n";
}

}  // namespace

int RunCurrency(Args args, std::FILE* out) {
  const Command& self = FindCommand("currency");
  ParsedArgs parsed = ParseArgs(args, {{"--now", true}, {"--explain"}, {"--json"}});
  const std::optional<std::time_t> now = NowValue(parsed, parsed.error);
  if (!parsed.error.empty()) return UsageError(self, parsed.error);
  const bool explain = parsed.Has("--explain");
  const bool json = parsed.Has("--json");
  if (explain && json) return UsageError(self, "--explain and --json do not go together");
  if (parsed.files.size() != 1) return UsageError(self, "expects one log file");
  LoadedLog log = NewLog(now);
  if (!OpenLog(log, parsed.files[0])) return kFailure;
  const auto lines = stats::ComputeCurrency(*log.doc, log.doc->Clock().Now());
  if (!lines) return FileFailure(parsed.files[0], stats::kCurrencyNotReady);
  if (json) {
    std::fputs(CurrencyJson(*lines).c_str(), out);
    return kOk;
  }
  // A line left empty prints as an empty line.
  for (const NamedLine& line : SevenLines(*lines)) {
    std::fprintf(out, "%s\n", Cp1252ToUtf8(*line.text).c_str());
  }
  if (explain) {
    std::fprintf(out, "\nAs of %s\n\n%s", AsOfText(lines->asOf).c_str(),
                 Cp1252ToUtf8(stats::FormatWorking(lines->working)).c_str());
  }
  return kOk;
}

}  // namespace aerodex::cli
