// SPDX-License-Identifier: GPL-3.0-or-later
// Texts are held as Windows-1252 bytes, exactly as a log file stores them, and
// compared byte for byte. These conversions are used only at the edges that
// speak Unicode: Qt widgets, JSON and CSV output.
#pragma once

#include <string>
#include <string_view>

namespace aerodex {

// Every byte has a Unicode character, so this direction loses nothing: the five
// bytes that Windows-1252 leaves undefined map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters outside Windows-1252, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// One Unicode code point as a Windows-1252 byte, '?' when it has none.
char CodePointToCp1252(char32_t codePoint);

}  // namespace aerodex
