// SPDX-License-Identifier: GPL-3.0-or-later
// CNullSurface: a drawing surface that draws nothing, and so shows nothing:
// a pass run on it draws no row, yet still lays the whole log out (row
// positions, the log's height and with it the page count) exactly as a
// screen pass would.
#pragma once

#include "display/surface.h"

namespace aerodex {

class CNullSurface final : public CSurface {
 public:
  // A printing null surface lays the log out as printing does.
  explicit CNullSurface(bool printing = false) : printing_(printing) {}
  const CFontDesc* SelectFont(const CFontDesc* font) override {
    const CFontDesc* previous = font_;
    font_ = font;
    return previous;
  }
  const CPenDesc* SelectPen(const CPenDesc* pen) override {
    const CPenDesc* previous = pen_;
    pen_ = pen;
    return previous;
  }
  void SetTextColor(CColor) override {}
  void SetBackgroundMode(BackgroundMode) override {}
  void SetTextAlign(TextAlign) override {}
  void TextOut(int, int, const std::string&) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void FillSolidRect(int, int, int, int, CColor) override {}
  bool IsPrinting() const override { return printing_; }
  bool IsBandVisible(int, int) const override { return false; }
  CBand VisibleBand() const override { return {1, 0}; }

 private:
  const CFontDesc* font_ = nullptr;
  const CPenDesc* pen_ = nullptr;
  bool printing_;
};

}  // namespace aerodex
