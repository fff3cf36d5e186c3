// SPDX-License-Identifier: GPL-3.0-or-later
// JSON writing for aerodex-cli. Values arrive as Windows-1252 texts,
// ints and doubles; texts leave as UTF-8, doubles in their shortest form that
// reads back to the same value.
#pragma once

#include <string>

namespace aerodex::cli {

std::string ShortestDouble(double value);
std::string JsonString(const std::string& cp1252);
std::string JsonNumber(double value);  // non-finite values as strings

}  // namespace aerodex::cli
