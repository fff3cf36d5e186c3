// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/log_text.h"

#include <algorithm>
#include <utility>

#include "display/log_page.h"

namespace aerodex {
namespace {

// Where each column's text starts in a row. Numbers are padded to end at
// their column's right rule, so they start left of its left rule; a text
// belongs to the last column starting at or before it.
constexpr std::array<int, kLogColumnCount> kColumnTextXs = {
    10,   600,  1150, 2200, 4230, 4500, 4720, 5070, 5420, 5770,
    6120, 6470, 6820, 7170, 7520, 7870, 8220, 8620, 9020};

std::size_t ColumnAt(int x) {
  const auto after = std::upper_bound(kColumnTextXs.begin(), kColumnTextXs.end(), x);
  return after == kColumnTextXs.begin()
             ? 0
             : static_cast<std::size_t>(after - kColumnTextXs.begin() - 1);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Keeps each text drawn, by column, in drawing order; only texts in the
// accepted fonts when any are named (the heading's pilot block is not a
// column heading).
class CCellCapture final : public CSurface {
 public:
  explicit CCellCapture(std::vector<const CFontDesc*> accepted = {})
      : accepted_(std::move(accepted)) {}

  CLogCells TakeCells() {
    for (std::string& cell : cells_) cell = Trimmed(cell);
    return std::move(cells_);
  }

  const CFontDesc* SelectFont(const CFontDesc* font) override { return std::exchange(font_, font); }
  const CPenDesc* SelectPen(const CPenDesc* pen) override { return std::exchange(pen_, pen); }
  void SetTextColor(CColor) override {}
  void SetBackgroundMode(BackgroundMode) override {}
  void SetTextAlign(TextAlign) override {}
  void TextOut(int x, int, const std::string& text) override {
    if (!accepted_.empty() &&
        std::find(accepted_.begin(), accepted_.end(), font_) == accepted_.end())
      return;
    cells_[ColumnAt(x)] += text;
  }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void FillSolidRect(int, int, int, int, CColor) override {}
  bool IsPrinting() const override { return false; }

 private:
  std::vector<const CFontDesc*> accepted_;
  const CFontDesc* font_ = nullptr;
  const CPenDesc* pen_ = nullptr;
  CLogCells cells_;
};

CLogRowText RowText(const CAerodexDoc& doc, const CLogLayout::PlacedRow& row) {
  CCellCapture capture;
  // Drawn from a copy: reading the log must not move the rows it reads.
  if (row.entry) {
    CAerodexEntry flight = *row.entry;
    DrawEntryRow(doc, capture, row.y, flight);
    return {row.entry, {}, row.rules, capture.TakeCells()};
  }
  CAerodexEntry totals = *row.totals;
  const CAirplane& aircraft = row.aircraft ? *row.aircraft : doc.placeholderAircraft;
  const int lowerRule = DrawEntryRowAs(doc, capture, row.y, totals, aircraft);
  DrawTotalsDecoration(doc, capture, totals, lowerRule, *row.label);
  return {nullptr, *row.label, row.rules, capture.TakeCells()};
}

}  // namespace

CLogCells LogColumnHeadings(const CAerodexDoc& doc) {
  CCellCapture capture({&doc.headingFont, &doc.slantedHeadingFont});
  DrawPageHeading(doc, capture, 0);
  return capture.TakeCells();
}

std::vector<CLogRowText> LogRowsText(const CAerodexDoc& doc, const CLogLayout& layout, CBand band,
                                     const CAerodexEntry* also) {
  std::vector<CLogRowText> rows;
  for (const CLogLayout::PlacedRow& row : layout.RowsMeeting(doc, band, also))
    rows.push_back(RowText(doc, row));
  return rows;
}

}  // namespace aerodex
