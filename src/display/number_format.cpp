// SPDX-License-Identifier: GPL-3.0-or-later
// Every row drawn formats some ten numbers (a printed log: every flight), so
// the row's numbers avoid printf's cost while giving its exact output:
// integers through std::to_chars; hours and costs (one or no decimal) through
// an exact rounding of their own, anything else through std::to_chars, which
// the standard defines as printing what printf prints in the "C" locale.
// Measured (BM_DrawEveryRow in layout_bench, instructions under callgrind):
// std::to_chars with a precision for every hour makes the drawing of every
// row 57% dearer, so the exact rounding below stays.
#include "display/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace aerodex {
namespace {

// Writes value into out at least `width` characters wide, '0'-filled after
// any sign, as %0Nd does (the sign counts in the width); returns the end.
char* WriteInt(char* out, char* end, std::int64_t value, int width) {
  char digits[24];
  const char* last = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const char* first = digits;
  for (auto n = last - first; n < width && out < end; ++n) {
    if (first == digits && *first == '-') *out++ = *first++;  // the sign before the zeros
    *out++ = '0';
  }
  while (first < last && out < end) *out++ = *first++;
  return out;
}

// digits right-aligned in width characters, blank-filled, as %Nd and %N.Mf do.
std::string RightAligned(const char* digits, std::size_t length, int width) {
  const std::size_t target = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (length >= target) return std::string(digits, length);
  std::string text(target - length, ' ');
  text.append(digits, length);
  return text;
}

// |value| rounded to `precision` decimals as printf rounds (to nearest, ties
// to even, on the exact binary value), counted in units of 10^-precision.
// Handles precision 0 and 1 and magnitudes below 2^48, where the product with
// 10 stays below 2^52 and every step below is exact; false otherwise.
bool RoundScaled(double value, int precision, std::int64_t& units) {
  const double magnitude = std::fabs(value);
  if ((precision != 0 && precision != 1) || !(magnitude < 0x1p48)) return false;  // NaN too
  const double scale = precision == 1 ? 10.0 : 1.0;
  const double product = magnitude * scale;
  const double error = std::fma(magnitude, scale, -product);  // exact: product + error
  double rounded = std::nearbyint(product);
  const double fraction = product - rounded;
  // A tie of the rounded product may not be a tie of the exact one.
  if ((fraction == 0.5 || fraction == -0.5) && error != 0) {
    rounded = error > 0 ? std::ceil(product) : std::floor(product);
  }
  units = static_cast<std::int64_t>(rounded);
  return true;
}

}  // namespace

std::string FormatRowDate(int month, int day, int year) {
  char buffer[72];
  char* const end = buffer + sizeof buffer;
  char* out = WriteInt(buffer, end, month, 2);
  *out++ = '-';
  out = WriteInt(out, end, day, 2);
  *out++ = '-';
  out = WriteInt(out, end, year, 2);
  return std::string(buffer, static_cast<std::size_t>(out - buffer));
}

std::string PadLeft(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

std::string FormatCount(std::int64_t value, int width) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return RightAligned(buffer, static_cast<std::size_t>(result.ptr - buffer), width);
}

std::string FormatFixed(double value, int width, int precision) {
  std::int64_t units = 0;
  if (RoundScaled(value, precision, units)) {
    char buffer[32];
    char* out = buffer;
    if (std::signbit(value)) *out++ = '-';  // printf keeps the sign of -0.04 as "-0.0"
    out = std::to_chars(out, buffer + sizeof buffer, precision == 1 ? units / 10 : units).ptr;
    if (precision == 1) {
      *out++ = '.';
      *out++ = static_cast<char>('0' + units % 10);
    }
    return RightAligned(buffer, static_cast<std::size_t>(out - buffer), width);
  }
  // Wide enough for DBL_MAX with the precisions a row uses.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  if (result.ec == std::errc{}) {
    return RightAligned(buffer, static_cast<std::size_t>(result.ptr - buffer), width);
  }
  const int length = std::snprintf(nullptr, 0, "%*.*f", width, precision, value);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, precision, value);
  text.pop_back();
  return text;
}

std::string FormatLicense(int licenseNumber) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, licenseNumber);
  return "License # " + std::string(buffer, result.ptr);
}

}  // namespace aerodex
