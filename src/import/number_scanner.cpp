// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/number_scanner.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace aerodex::import {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// from_chars takes no plus sign; scanf does.
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  return text;
}

}  // namespace

void CNumberScanner::SkipBlanks() {
  while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
}

bool CNumberScanner::NextInt(int& value) {
  SkipBlanks();
  const std::string_view text = WithoutPlus(rest_);
  int read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  outOfRange_ = error == std::errc::result_out_of_range;
  if (error != std::errc{}) return false;
  value = read;
  rest_ = std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end));
  return true;
}

bool CNumberScanner::NextReal(double& value) {
  SkipBlanks();
  const std::string_view text = WithoutPlus(rest_);
  float read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  outOfRange_ =
      error == std::errc::result_out_of_range || (error == std::errc{} && !std::isfinite(read));
  if (error != std::errc{} || !std::isfinite(read)) return false;
  value = static_cast<double>(read);
  rest_ = std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end));
  return true;
}

}  // namespace aerodex::import
