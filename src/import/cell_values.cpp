// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/cell_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "import/column_meanings.h"

namespace aerodex::import {
namespace {

std::optional<double> ParseDecimal(std::string text) {
  if (text.find('.') == std::string::npos) {
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
  }
  if (text.starts_with('+')) text.erase(0, 1);
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ParseWhole(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Each part in its own range, as the entry form checks a date; the year with
// its four digits, whatever the century.
bool IsValidDate(const CDate& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 &&
         date.year >= 1000 && date.year <= 9999;
}

int DecimalsOf(const std::string& text) {
  if (text.find_first_of("eE") != std::string::npos) return 17;
  const auto point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

}  // namespace

std::optional<double> ParseHours(std::string_view cell) {
  const std::string text = Trimmed(cell);
  if (text.empty()) return 0.0;
  const auto colon = text.find(':');
  if (colon == std::string::npos) return ParseDecimal(text);
  const auto hours = ParseWhole(std::string_view(text).substr(0, colon));
  const auto minutes = ParseWhole(std::string_view(text).substr(colon + 1));
  if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes > 59) return std::nullopt;
  return *hours + *minutes / 60.0;
}

std::optional<int> ParseCount(std::string_view cell) {
  const std::string text = Trimmed(cell);
  if (text.empty()) return 0;
  if (const auto whole = ParseWhole(text)) return *whole;
  const auto decimal = ParseDecimal(text);  // "2.0", as spreadsheets write counts
  if (decimal && *decimal == std::floor(*decimal) && std::fabs(*decimal) < 1e6) {
    return static_cast<int>(*decimal);
  }
  return std::nullopt;
}

std::optional<CDate> ParseDate(std::string_view cell) {
  std::string text = Trimmed(cell);
  text = text.substr(0, text.find_first_of(" T"));  // a time after the date is dropped
  CDate date;
  char a = 0;
  char b = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &rest) == 3 &&
      IsValidDate(date)) {
    return date;
  }
  if (std::sscanf(text.c_str(), "%2d%c%2d%c%4d%c", &date.month, &a, &date.day, &b, &date.year,
                  &rest) == 5 &&
      a == '/' && b == '/' && IsValidDate(date)) {
    return date;
  }
  return std::nullopt;
}

bool ParseFlag(std::string_view cell) {
  const std::string lower = LowerCase(Trimmed(cell));
  return lower == "true" || lower == "x" || lower == "yes" || lower == "y" || lower == "1" ||
         lower == "checked";
}

std::string HoursText(double hours) {
  char buffer[64];
  const auto single = static_cast<float>(hours);
  const auto result = static_cast<double>(single) == hours
                          ? std::to_chars(buffer, buffer + sizeof buffer, single)
                          : std::to_chars(buffer, buffer + sizeof buffer, hours);
  return std::string(buffer, result.ptr);
}

std::string SumText(double a, double b) {
  const int decimals = std::max(DecimalsOf(HoursText(a)), DecimalsOf(HoursText(b)));
  const double sum = a + b;
  if (decimals >= 17) return HoursText(sum);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, sum);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

}  // namespace aerodex::import
