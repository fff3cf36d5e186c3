// SPDX-License-Identifier: GPL-3.0-or-later
// Descriptions of the fonts and the pen of the log page. The document creates
// them once per run; every drawing surface realises them in its own way.
#pragma once

#include <cstdint>
#include <string>

struct CColor {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const CColor&) const = default;
};

struct CFontDesc {
  std::string face;
  int height = 0;           // logical units
  bool cellHeight = false;  // true: height of the character cell; false: em height
  int weight = 400;         // 400 normal, 700 bold
  // Tenths of a degree as the log format describes it: -675 sets the base line
  // at 67.5 degrees from the horizontal, rising to the right.
  int escapement = 0;
  // Width of the glyphs in percent of the face's own; below 100 condenses them.
  int stretch = 100;
  bool operator==(const CFontDesc&) const = default;
};

struct CPenDesc {
  int width = 0;  // logical units; 0 is the thinnest line the device draws
  CColor color;
  bool operator==(const CPenDesc&) const = default;
};
