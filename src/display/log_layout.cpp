// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/log_layout.h"

#include <algorithm>
#include <climits>
#include <span>

#include "display/layout_metrics.h"
#include "display/log_page.h"
#include "display/row_placement.h"

namespace aerodex {

using layout::Offset;

namespace {

// Room around an item's band: a totals box's wide pen reaches past its
// rules. What lies within it is still left to the item's own visibility test.
constexpr std::int64_t kBandSlack = 100;

}  // namespace

// Places the rows of one view mode as the complete pass does, recording
// them instead of drawing.
class CLayoutRecorder final : public CRowPlacer {
 public:
  CLayoutRecorder(CLogLayout& layout, const CAerodexDoc& doc, bool nightSubtotals)
      : layout_(layout),
        doc_(doc),
        nightSubtotals_(nightSubtotals),
        positions_(doc.EntryCount(), CBand{0, -1}) {
    layout_.Add({0, 0, placement::HeadingBottom(0), 0, CLogLayout::Kind::kHeading});
  }

  // Each entry's rules by index; the empty range for those not placed.
  std::span<const CBand> Positions() const { return positions_; }

  void PlaceEntry(CAerodexEntry&, std::size_t index) override {
    const std::size_t lines = layout_.lines_[index];
    const CRowSpot spot = placement::EntrySpot(y_, pageTop_, lines, doc_.pageHeight);
    pageTop_ = spot.pageTop;
    int textY = spot.y;
    layout_.depths_.push_back(-std::int64_t{textY});
    if (spot.OpensPage()) {
      AddHeading();
      textY = placement::EntryTextBelowHeading(pageTop_);
    }
    CBand& rules = positions_[index];
    rules = {RowLowerRule(textY, lines), Offset(textY, layout::kRuleAboveText)};
    layout_.Add({textY, rules.top, rules.bottom, static_cast<std::uint32_t>(index),
                 CLogLayout::Kind::kEntry});
    y_ = Offset(rules.bottom, -layout::kRowGap);
  }

  void PlaceTotals(CAerodexEntry& totals, const std::string& label,
                   const CAirplane* aircraft) override {
    PlaceTotalsRow(totals, label, aircraft, nightSubtotals_);
    y_ = Offset(y_, -layout::kTotalsGap);
  }

 private:
  void AddHeading() {
    layout_.Add(
        {pageTop_, pageTop_, placement::HeadingBottom(pageTop_), 0, CLogLayout::Kind::kHeading});
  }

  void PlaceTotalsRow(const CAerodexEntry& totals, const std::string& label,
                      const CAirplane* aircraft, bool withNight) {
    const std::size_t lines = RowLineCount(totals);
    const CRowSpot spot = placement::TotalsSpot(y_, pageTop_, lines, doc_.pageHeight);
    pageTop_ = spot.pageTop;
    int textY = spot.y;
    layout_.depths_.push_back(-std::int64_t{textY});
    if (spot.OpensPage()) {
      AddHeading();
      textY = placement::TotalsTextBelowHeading(pageTop_);
    }
    CLogLayout::Totals& kept =
        layout_.totals_.emplace_back(CLogLayout::Totals{totals, label, aircraft});
    kept.row.rowTop = Offset(textY, layout::kRuleAboveText);
    kept.row.rowBottom = RowLowerRule(textY, lines);
    layout_.Add({textY, kept.row.rowTop, kept.row.rowBottom,
                 static_cast<std::uint32_t>(layout_.totals_.size() - 1),
                 CLogLayout::Kind::kTotals});
    // What follows is placed from the row's upper rule, not its lower one.
    y_ = kept.row.rowTop;
    if (!withNight) return;
    // The night row gets no break-out of its own.
    y_ = Offset(y_, placement::kNightSubtotalRise);
    PlaceTotalsRow(placement::NightSubtotalOf(totals, doc_.Clock()), placement::kNightSubtotalLabel,
                   nullptr, false);
  }

  CLogLayout& layout_;
  const CAerodexDoc& doc_;
  bool nightSubtotals_;
  std::vector<CBand> positions_;
  int y_ = layout::kFirstRowTextY;
  int pageTop_ = 0;
};

CLogLayout::Key CLogLayout::KeyFor(const CAerodexDoc& doc, int viewMode, int showNightSubtotals) {
  const LocalDate today = doc.Clock().Today();
  Key key;
  key.revision = doc.Revision();
  key.viewMode = viewMode;
  key.showNightSubtotals = showNightSubtotals;
  key.pageHeight = doc.pageHeight;
  key.day = today.day;
  key.month = today.month;
  key.year = today.year;
  key.entryCount = doc.EntryCount();
  key.aircraftCount = doc.AircraftCount();
  return key;
}

void CLogLayout::Build(const CAerodexDoc& doc, const Key& key) {
  if (!built_ || key.revision != linesRevision_ || lines_.size() != doc.EntryCount()) {
    MeasureLines(doc);
    linesRevision_ = key.revision;
  }
  items_.clear();
  totals_.clear();
  depths_.clear();
  inOrder_ = true;
  CLayoutRecorder recorder(*this, doc, key.showNightSubtotals != 0);
  PlaceViewModeRows(key.viewMode, doc, recorder);
  // In log order, which the grouping by N-Number does not walk in; a flight
  // the mode leaves out gets the empty range, so it cannot keep a position
  // where another row now stands.
  const auto positions = recorder.Positions();
  for (std::size_t i = 0; i < positions.size(); ++i) {
    doc.Entry(i).rowTop = positions[i].top;
    doc.Entry(i).rowBottom = positions[i].bottom;
  }
  for (std::size_t i = 1; i < depths_.size() && inOrder_; ++i)
    inOrder_ = depths_[i - 1] <= depths_[i];
  CountPages(key.pageHeight);
  key_ = key;
  built_ = true;
}

// As the pass grows the log's height from one page: a page more for each row
// that starts at or below the pages so far.
void CLogLayout::CountPages(int pageHeight) {
  std::int64_t height = pageHeight;
  std::int64_t pages = 1;
  for (const std::int64_t depth : depths_) {
    if (pageHeight <= 0 || depth < height) continue;
    height += pageHeight;
    ++pages;
  }
  pageCount_ = static_cast<int>(std::min<std::int64_t>(pages, INT_MAX));
}

// In log order, the order the entries lie in memory, whatever the mode.
void CLogLayout::MeasureLines(const CAerodexDoc& doc) {
  lines_.resize(doc.EntryCount());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    // Beyond this many lines a row reaches the floor of the page band anyway.
    lines_[i] =
        static_cast<std::uint32_t>(std::min<std::size_t>(RowLineCount(doc.Entry(i)), UINT32_MAX));
  }
}

void CLogLayout::Add(const Item& item) {
  if (!items_.empty()) {
    const Item& last = items_.back();
    if (item.top > last.top || item.bottom > last.bottom) inOrder_ = false;
  }
  items_.push_back(item);
}

void CLogLayout::Draw(const CAerodexDoc& doc, CSurface& surface) {
  const CBand band = surface.VisibleBand();
  if (band.bottom > band.top) return;
  const auto below = [&](const Item& item) { return item.top + kBandSlack < band.bottom; };
  const auto above = [&](const Item& item) { return item.bottom - kBandSlack > band.top; };
  auto item = items_.begin();
  if (inOrder_) item = std::partition_point(items_.begin(), items_.end(), above);
  for (; item != items_.end(); ++item) {
    if (below(*item)) {
      if (inOrder_) break;
      continue;
    }
    if (!above(*item)) DrawItem(doc, surface, *item);
  }
}

void CLogLayout::DrawItem(const CAerodexDoc& doc, CSurface& surface, Item& item) {
  switch (item.kind) {
    case Kind::kHeading:
      DrawPageHeading(doc, surface, item.y);
      break;
    case Kind::kEntry:
      DrawEntryRow(doc, surface, item.y, doc.Entry(item.ref));
      break;
    case Kind::kTotals: {
      Totals& totals = totals_[item.ref];
      const CAirplane& aircraft = totals.aircraft ? *totals.aircraft : doc.placeholderAircraft;
      const int bottom = DrawEntryRowAs(doc, surface, item.y, totals.row, aircraft);
      DrawTotalsDecoration(doc, surface, totals.row, bottom, totals.label);
      break;
    }
  }
}

std::vector<std::uint32_t> CLogLayout::EntryOrder() const {
  std::vector<std::uint32_t> order;
  for (const Item& item : items_) {
    if (item.kind == Kind::kEntry) order.push_back(item.ref);
  }
  return order;
}

std::vector<CLogLayout::PlacedRow> CLogLayout::RowsMeeting(const CAerodexDoc& doc, CBand band,
                                                           const CAerodexEntry* also) const {
  std::vector<PlacedRow> rows;
  for (const Item& item : items_) {
    if (item.kind == Kind::kHeading) continue;
    const bool isEntry = item.kind == Kind::kEntry;
    const CAerodexEntry* entry = isEntry ? &doc.Entry(item.ref) : nullptr;
    const bool meets = item.bottom <= band.top && item.top >= band.bottom;
    if (!meets && (entry == nullptr || entry != also)) continue;
    if (isEntry) {
      rows.push_back({item.y, {item.bottom, item.top}, entry, nullptr, nullptr, nullptr});
    } else {
      const Totals& totals = totals_[item.ref];
      rows.push_back(
          {item.y, {item.bottom, item.top}, nullptr, &totals.row, &totals.label, totals.aircraft});
    }
  }
  return rows;
}

}  // namespace aerodex
