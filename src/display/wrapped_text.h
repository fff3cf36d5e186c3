// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaking of the two wrapped texts of a row (the route and the
// remarks). Drawing and measuring share WrapLines, so a row is always exactly
// as tall as the lines it draws.
//
// A text shorter than the width stays one line, unchanged. Otherwise, while
// more than `width` characters remain, the line ends at the break character:
// the character at index `width` if it is not a plain Latin letter, else the
// nearest non-letter before it. The line keeps its break character and loses
// its leading blanks and tabs (so a line holds at most width + 1 characters).
// When the remaining text offers no non-letter up to index `width`, the line
// is cut after `width` characters. Every step consumes at least one character.
#pragma once

#include <cstddef>
#include <string_view>

namespace aerodex {

inline bool IsWrapLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

namespace wrap_detail {

// Index of the last character of the next line in rest (rest.size() > width).
inline std::size_t BreakIndex(std::string_view rest, std::size_t width) {
  for (std::size_t i = width;; --i) {
    if (!IsWrapLetter(rest[i])) return i;
    if (i == 0) return width - 1;  // one long word: cut it
  }
}

inline std::size_t LeadingBlanks(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && (text[n] == ' ' || text[n] == '\t')) ++n;
  return n;
}

}  // namespace wrap_detail

// Calls emit(line) for each line of text; returns the number of lines (>= 1).
// A width below 1 counts as 1.
template <class Emit>
std::size_t WrapLines(std::string_view text, int width, Emit&& emit) {
  using namespace wrap_detail;
  const std::size_t w = width < 1 ? 1 : static_cast<std::size_t>(width);
  if (text.size() < w) {
    emit(text);
    return 1;
  }
  std::size_t lines = 1;
  while (text.size() > w) {
    const std::size_t last = BreakIndex(text, w);
    const std::string_view line = text.substr(0, last + 1);
    emit(line.substr(LeadingBlanks(line)));  // empty when only blanks precede the break
    text.remove_prefix(last + 1);
    ++lines;
  }
  emit(text.substr(LeadingBlanks(text)));
  return lines;
}

inline std::size_t CountWrappedLines(std::string_view text, int width) {
  return WrapLines(text, width, [](std::string_view) {});
}

}  // namespace aerodex
