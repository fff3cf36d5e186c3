// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing surfaces for tests and benchmarks. RecordingSurface keeps every
// operation in order with its coordinates, text, and the font, pen and text
// colour in force, so tests can assert the layout exactly. NullSurface
// records nothing (it only tracks the selections it must hand back), so a
// benchmark measures the layout alone.
#pragma once

#include <string>
#include <vector>

#include "display/null_surface.h"
#include "display/surface.h"

struct SurfaceOp {
  enum Kind { kSelectFont, kSelectPen, kTextColor, kBackground, kAlign, kText, kLine, kFill };
  Kind kind;
  int x = 0;  // text, fill corner, line start
  int y = 0;
  int x2 = 0;  // line end, fill's other corner
  int y2 = 0;
  std::string text;
  const CFontDesc* font = nullptr;  // in force (or selected, for kSelectFont)
  const CPenDesc* pen = nullptr;    // in force (or selected, for kSelectPen)
  CColor color;                     // text colour in force, or fill colour
};

class RecordingSurface : public aerodex::CSurface {
 public:
  explicit RecordingSurface(bool printing = false) : printing_(printing) {}

  const CFontDesc* SelectFont(const CFontDesc* font) override {
    ops.push_back({SurfaceOp::kSelectFont, 0, 0, 0, 0, {}, font, pen_, color_});
    const CFontDesc* previous = font_;
    font_ = font;
    return previous;
  }
  const CPenDesc* SelectPen(const CPenDesc* pen) override {
    ops.push_back({SurfaceOp::kSelectPen, 0, 0, 0, 0, {}, font_, pen, color_});
    const CPenDesc* previous = pen_;
    pen_ = pen;
    return previous;
  }
  void SetTextColor(CColor color) override {
    color_ = color;
    ops.push_back({SurfaceOp::kTextColor, 0, 0, 0, 0, {}, font_, pen_, color});
  }
  void SetBackgroundMode(aerodex::BackgroundMode mode) override {
    transparent = mode == aerodex::BackgroundMode::kTransparent;
    ops.push_back({SurfaceOp::kBackground, 0, 0, 0, 0, {}, font_, pen_, color_});
  }
  void SetTextAlign(aerodex::TextAlign) override {
    ops.push_back({SurfaceOp::kAlign, 0, 0, 0, 0, {}, font_, pen_, color_});
  }
  void TextOut(int x, int y, const std::string& text) override {
    ops.push_back({SurfaceOp::kText, x, y, 0, 0, text, font_, pen_, color_});
  }
  void MoveTo(int x, int y) override {
    cx_ = x;
    cy_ = y;
  }
  void LineTo(int x, int y) override {
    ops.push_back({SurfaceOp::kLine, cx_, cy_, x, y, {}, font_, pen_, color_});
    cx_ = x;
    cy_ = y;
  }
  void FillSolidRect(int left, int top, int right, int bottom, CColor color) override {
    ops.push_back({SurfaceOp::kFill, left, top, right, bottom, {}, font_, pen_, color});
  }
  bool IsPrinting() const override { return printing_; }

  // Views of the record.
  std::vector<SurfaceOp> Of(SurfaceOp::Kind kind) const {
    std::vector<SurfaceOp> found;
    for (const SurfaceOp& op : ops) {
      if (op.kind == kind) found.push_back(op);
    }
    return found;
  }
  std::vector<SurfaceOp> Texts() const { return Of(SurfaceOp::kText); }
  std::vector<SurfaceOp> Lines() const { return Of(SurfaceOp::kLine); }
  // Every text drawn with exactly this content, in drawing order.
  std::vector<SurfaceOp> TextsEqual(const std::string& text) const {
    std::vector<SurfaceOp> found;
    for (const SurfaceOp& op : ops) {
      if (op.kind == SurfaceOp::kText && op.text == text) found.push_back(op);
    }
    return found;
  }
  // The texts drawn at (x, y), in drawing order.
  std::vector<std::string> TextsAt(int x, int y) const {
    std::vector<std::string> found;
    for (const SurfaceOp& op : ops) {
      if (op.kind == SurfaceOp::kText && op.x == x && op.y == y) found.push_back(op.text);
    }
    return found;
  }
  bool HasLine(int x1, int y1, int x2, int y2) const {
    for (const SurfaceOp& op : ops) {
      if (op.kind == SurfaceOp::kLine && op.x == x1 && op.y == y1 && op.x2 == x2 && op.y2 == y2) {
        return true;
      }
    }
    return false;
  }
  void Clear() { ops.clear(); }

  const CFontDesc* CurrentFont() const { return font_; }
  const CPenDesc* CurrentPen() const { return pen_; }
  CColor CurrentTextColor() const { return color_; }

  std::vector<SurfaceOp> ops;
  bool transparent = false;

 private:
  bool printing_;
  const CFontDesc* font_ = nullptr;
  const CPenDesc* pen_ = nullptr;
  CColor color_;
  int cx_ = 0;
  int cy_ = 0;
};

using NullSurface = aerodex::CNullSurface;
