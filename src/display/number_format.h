// SPDX-License-Identifier: GPL-3.0-or-later
// The printf-style fields of a log row: the date, the right-aligned N-Number,
// counts and hours. Each gives exactly what the C library's printf gives for
// the format named, whatever the value (NaN, infinities, huge numbers and
// INT_MIN included); the text grows with the value rather than being cut.
#pragma once

#include <cstdint>
#include <string>

namespace aerodex {

// "%02d-%02d-%02d" with month, day and the four-digit year.
std::string FormatRowDate(int month, int day, int year);
// "%<width>s": text right-aligned in width characters, never cut.
std::string PadLeft(const std::string& text, std::size_t width);
// "%<width>d" for a count (wide enough for the sum of two ints).
std::string FormatCount(std::int64_t value, int width);
// "%<width>.<precision>f".
std::string FormatFixed(double value, int width, int precision);
// "License # %d".
std::string FormatLicense(int licenseNumber);

}  // namespace aerodex
