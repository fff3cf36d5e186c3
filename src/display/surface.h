// SPDX-License-Identifier: GPL-3.0-or-later
// CSurface: the drawing operations the log page needs, in logical units of
// 0.001 inch with the y axis pointing up (the top of the first page is y = 0).
// The same layout code draws on the screen, the printer, print preview, PDF
// and images through one Qt realisation, and on a recording surface in tests.
//
// Text is drawn with its top-left corner at the given point (for rotated text,
// the top-left corner in the text's own rotated frame) on a transparent
// background. A surface may skip operations outside its clip rectangle.
#pragma once

#include <climits>
#include <string>

#include "model/drawing_resources.h"

namespace aerodex {

enum class BackgroundMode { kOpaque, kTransparent };
enum class TextAlign { kLeftTop };

// A range of heights, y up: bottom <= top unless it is empty.
struct CBand {
  int bottom;
  int top;
};

class CSurface {
 public:
  virtual ~CSurface() = default;

  // Fonts and pens are the document's; null selects the surface's default.
  // Each returns the one selected before.
  virtual const CFontDesc* SelectFont(const CFontDesc* font) = 0;
  virtual const CPenDesc* SelectPen(const CPenDesc* pen) = 0;
  virtual void SetTextColor(CColor color) = 0;
  virtual void SetBackgroundMode(BackgroundMode mode) = 0;
  virtual void SetTextAlign(TextAlign align) = 0;
  // text: Windows-1252 bytes.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // The rectangle between two corners, filled with a solid colour, no outline.
  virtual void FillSolidRect(int left, int top, int right, int bottom, CColor color) = 0;
  // Printing and print preview count as a printer; the screen does not.
  virtual bool IsPrinting() const = 0;

  // Whether anything drawn between two heights (y up, bottom <= top) can show
  // through the surface's clip. A row or heading that cannot is not drawn at
  // all, though the pass still places it, so painting one window of a long
  // log costs little. Surfaces that keep everything answer true.
  virtual bool IsBandVisible(int /*bottom*/, int /*top*/) const { return true; }
  // The heights outside of which nothing drawn can show, so that a pass may
  // leave out whole rows beyond them without asking for each.
  virtual CBand VisibleBand() const { return {INT_MIN, INT_MAX}; }
};

}  // namespace aerodex
