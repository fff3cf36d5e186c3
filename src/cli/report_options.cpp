// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_options.h"

#include <array>
#include <string_view>

namespace aerodex::cli {
namespace {

using stats::ParseIsoDate;

constexpr std::array<std::string_view, 8> kValueOptions = {
    "--from", "--to", "--last", "--aircraft", "--model", "--class", "--text", "--by"};
constexpr std::array<std::string_view, 4> kFilterFlags = {"--complex", "--high-performance",
                                                          "--tailwheel", "--multi-engine"};

bool IsOneOf(std::string_view arg, auto& names) {
  for (const std::string_view name : names) {
    if (arg == name) return true;
  }
  return false;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    if (comma > start) items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

// "YYYY-MM-DD HH:MM:SS", or a day alone, taken at its noon.
std::optional<std::time_t> ParseNow(const std::string& text) {
  if (const auto time = ParseLocalTime(text)) return time;
  if (const auto day = ParseIsoDate(text)) return LocalNoon(*day);
  return std::nullopt;
}

std::string SetDate(std::optional<LocalDate>& date, const std::string& option,
                    const std::string& value) {
  date = ParseIsoDate(value);
  if (date) return {};
  return option + " takes a date written YYYY-MM-DD, not '" + value + "'";
}

std::string TakeValue(ReportOptions& options, const std::string& option, const std::string& value) {
  stats::FlightFilter& filter = options.filter;
  if (option == "--from") return SetDate(filter.dates.from, option, value);
  if (option == "--to") return SetDate(filter.dates.to, option, value);
  if (option == "--aircraft") filter.aircraft = SplitList(value);
  if (option == "--model") filter.model = value;
  if (option == "--text") filter.text = value;
  if (option == "--last") {
    options.last = stats::ParseLastPeriod(value);
    if (!options.last) return "--last takes 30d, 60d, 90d, 6m, 12m or 24m, not '" + value + "'";
  }
  if (option == "--class") {
    filter.aircraftClass = stats::ParseClass(value);
    if (!filter.aircraftClass) {
      return "--class takes ASEL, AMEL, ASES, AMES, Helicopter, Gyroplane, Glider, Airship or "
             "Balloon, not '" +
             value + "'";
    }
  }
  if (option == "--by") {
    options.groupBy = stats::ParseGroupBy(value);
    if (!options.groupBy)
      return "--by takes month, year, aircraft, model or class, not '" + value + "'";
  }
  return {};
}

void TakeFilterFlag(stats::FlightFilter& filter, std::string_view flag) {
  if (flag == "--complex") filter.complex = true;
  if (flag == "--high-performance") filter.highPerformance = true;
  if (flag == "--tailwheel") filter.tailWheel = true;
  if (flag == "--multi-engine") filter.multiEngine = true;
}

// The options 8710 does not take: everything but the date range and --json.
bool OnlyForTotals(const std::string& arg) {
  return arg != "--from" && arg != "--to" && arg != "--json";
}

std::string TakeOption(ReportOptions& options, Args args, std::size_t& i) {
  const std::string& arg = args[i];
  if (arg == "--json") {
    options.json = true;
  } else if (IsOneOf(arg, kFilterFlags)) {
    TakeFilterFlag(options.filter, arg);
  } else if (arg == "--now" || IsOneOf(arg, kValueOptions)) {
    if (i + 1 >= args.size()) return arg + " needs a value";
    const std::string& value = args[++i];
    if (arg != "--now") return TakeValue(options, arg, value);
    options.now = ParseNow(value);
    if (!options.now)
      return "--now takes \"YYYY-MM-DD HH:MM:SS\" or YYYY-MM-DD, not '" + value + "'";
  } else {
    return "unknown option '" + arg + "'";
  }
  return {};
}

std::string CheckCombination(const ReportOptions& options) {
  const stats::DateRange& dates = options.filter.dates;
  if (options.last && (dates.from || dates.to)) return "--last does not go with --from or --to";
  if (dates.from && dates.to && stats::KeyOf(*dates.from) > stats::KeyOf(*dates.to)) {
    return "--from " + stats::IsoDateText(*dates.from) + " is after --to " +
           stats::IsoDateText(*dates.to);
  }
  return {};
}

}  // namespace

ParsedReportOptions ParseReportOptions(Args args) {
  ParsedReportOptions parsed;
  ReportOptions& options = parsed.options;
  std::vector<std::string> positional;
  std::string notFor8710;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    if (args[i] == "--") {  // the rest are files, whatever they look like
      positional.insert(positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    const bool isOption = args[i].size() > 1 && args[i][0] == '-';
    if (!isOption) {
      positional.push_back(args[i]);
      continue;
    }
    if (notFor8710.empty() && OnlyForTotals(args[i])) notFor8710 = args[i];
    parsed.error = TakeOption(options, args, i);
  }
  if (!parsed.error.empty()) return parsed;
  if (positional.size() != 2) {
    parsed.error = "expects a log file and a report (8710 or totals)";
    return parsed;
  }
  options.logPath = positional[0];
  if (positional[1] == "totals") {
    options.kind = ReportKind::kTotals;
  } else if (positional[1] != "8710") {
    parsed.error = "unknown report '" + positional[1] + "' (8710 or totals)";
    return parsed;
  } else if (!notFor8710.empty()) {
    parsed.error = "8710 takes only --from, --to and --json, not '" + notFor8710 + "'";
    return parsed;
  }
  parsed.error = CheckCombination(options);
  return parsed;
}

}  // namespace aerodex::cli
