// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/field_checks.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace aerodex {
namespace {

// The part of a box that is read, without its leading blanks and tabs.
std::string_view ReadablePart(std::string_view text) {
  text = text.substr(0, kNumberTextLimit);
  const std::size_t start = text.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

bool OnlyBlanksAndTabs(std::string_view rest) {
  return rest.find_first_not_of(" \t") == std::string_view::npos;
}

std::string ReplaceArgs(std::string_view pattern, std::string_view arg1, std::string_view arg2) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

enum class WholeParse { kOk, kMalformed, kTooLarge };

WholeParse ParseWhole(std::string_view text, unsigned& value) {
  std::string_view rest = ReadablePart(text);
  if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
  std::size_t digits = 0;
  std::uint64_t number = 0;
  bool tooLarge = false;
  while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
    number = number * 10 + static_cast<unsigned>(rest[digits] - '0');
    if (number > std::numeric_limits<unsigned>::max()) {
      tooLarge = true;
      number = std::numeric_limits<unsigned>::max();
    }
    ++digits;
  }
  if (digits == 0 || !OnlyBlanksAndTabs(rest.substr(digits))) return WholeParse::kMalformed;
  if (tooLarge) return WholeParse::kTooLarge;
  value = static_cast<unsigned>(number);
  return WholeParse::kOk;
}

bool ParseDecimal(std::string_view text, double& value) {
  std::string_view rest = ReadablePart(text);
  if (!rest.empty() && rest.front() == '+') {
    rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '-' || rest.front() == '+') return false;
  }
  double number = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc{} || !std::isfinite(number)) return false;
  if (!OnlyBlanksAndTabs(rest.substr(static_cast<std::size_t>(end - rest.data())))) return false;
  value = number == 0 ? 0.0 : number;  // "-0" is shown as 0
  return true;
}

}  // namespace

FieldCheck ReadWholeNumber(std::string_view text, unsigned& value) {
  return ParseWhole(text, value) == WholeParse::kOk ? FieldCheck::Pass()
                                                    : FieldCheck::Fail(PositiveIntegerMessage());
}

FieldCheck ReadWholeNumber(std::string_view text, unsigned minimum, unsigned maximum,
                           unsigned& value) {
  unsigned number = 0;
  const WholeParse parsed = ParseWhole(text, number);
  if (parsed == WholeParse::kMalformed) return FieldCheck::Fail(PositiveIntegerMessage());
  if (parsed == WholeParse::kTooLarge || number < minimum || number > maximum) {
    return FieldCheck::Fail(IntegerRangeMessage(minimum, maximum));
  }
  value = number;
  return FieldCheck::Pass();
}

FieldCheck ReadDecimal(std::string_view text, double& value) {
  return ParseDecimal(text, value) ? FieldCheck::Pass() : FieldCheck::Fail(NumberMessage());
}

FieldCheck ReadDecimal(std::string_view text, double minimum, double maximum, double& value) {
  double number = 0;
  if (!ParseDecimal(text, number)) return FieldCheck::Fail(NumberMessage());
  if (number < minimum || number > maximum) {
    return FieldCheck::Fail(NumberRangeMessage(minimum, maximum));
  }
  value = number;
  return FieldCheck::Pass();
}

FieldCheck CheckTextLength(std::string_view text, std::size_t maxLength) {
  return text.size() <= maxLength ? FieldCheck::Pass()
                                  : FieldCheck::Fail(TextLengthMessage(maxLength));
}

std::string FormatDecimal(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string FormatWholeNumber(unsigned value) { return std::to_string(value); }

std::string FormatFixed(double value, int decimals) {
  char buffer[512];  // room for the largest double with a few decimals
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc{}) return FormatDecimal(value);
  return std::string(buffer, result.ptr);
}

std::string UpperCaseCp1252(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
      c = static_cast<char>(byte - 0x20);
    } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {  // s, oe, z with marks
      c = static_cast<char>(byte - 0x10);
    } else if (byte == 0xFF) {  // y diaeresis
      c = static_cast<char>(0x9F);
    }
  }
  return upper;
}

std::string PositiveIntegerMessage() { return "Please enter a positive integer."; }

std::string IntegerRangeMessage(unsigned minimum, unsigned maximum) {
  return ReplaceArgs("Please enter an integer between %1 and %2.", FormatWholeNumber(minimum),
                     FormatWholeNumber(maximum));
}

std::string NumberMessage() { return "Please enter a number."; }

std::string NumberRangeMessage(double minimum, double maximum) {
  return ReplaceArgs("Please enter a number between %1 and %2.", FormatDecimal(minimum),
                     FormatDecimal(maximum));
}

std::string TextLengthMessage(std::size_t maxLength) {
  return ReplaceArgs("Please enter no more than %1 characters.", std::to_string(maxLength), "");
}

}  // namespace aerodex
