// SPDX-License-Identifier: GPL-3.0-or-later
// CLogLayout: the placement of one complete pass, kept until what it depends
// on changes: the document's contents (its revision), the view mode, the
// night switch, the page height and today's date (which every totals row
// shows). It holds, in the order the pass would draw them, every heading,
// flight row and totals row with its band; the rows' positions go into the
// entries when it is made, as the pass would leave them. A repaint then
// draws only the items whose band meets what the surface shows, found by
// binary search, and grows the log's height exactly as the pass would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "display/surface.h"
#include "model/document.h"

namespace aerodex {

class CLogLayout {
 public:
  // What a layout was made from: any difference makes it stale.
  struct Key {
    std::uint64_t revision = 0;
    int viewMode = 0;
    int showNightSubtotals = 0;
    int pageHeight = 0;
    int day = 0, month = 0, year = 0;  // today's, stamped on every totals row
    // Guards against a change to the arrays that bypassed the revision.
    std::uint32_t entryCount = 0;
    std::size_t aircraftCount = 0;
    bool operator==(const Key&) const = default;
  };
  static Key KeyFor(const CAerodexDoc& doc, int viewMode, int showNightSubtotals);

  bool IsCurrent(const Key& key) const { return built_ && key_ == key; }
  // Lays the log out afresh for key and puts the rows' positions into the
  // entries. The entries' line counts are measured again only when the
  // contents changed since the last build.
  void Build(const CAerodexDoc& doc, const Key& key);

  // Draws what the surface shows, in the pass's order, as the pass draws it.
  void Draw(const CAerodexDoc& doc, CSurface& surface);

  // The heights (as -y) that the pass tests against the log's height, one
  // per placed row, in order; each at or past the height grows it one page.
  std::span<const std::int64_t> Depths() const { return depths_; }
  // Whether items and depths run monotonically down the pages (always, short
  // of a defect); otherwise searches give way to walks.
  bool InOrder() const { return inOrder_; }
  // The pages this layout lies on: the height a fresh log would grow to over
  // it, in pages. Unlike the log's height it never keeps an earlier, taller
  // layout's pages, so printing ends with the last page that holds a row.
  int PageCount() const { return pageCount_; }
  // The flights' indices in the entries, in the order the pass draws them.
  std::vector<std::uint32_t> EntryOrder() const;

  // A flight or totals row as placed, for those who read the log rather
  // than look at it.
  struct PlacedRow {
    int y;                        // its first text line
    CBand rules;                  // lower and upper rule
    const CAerodexEntry* entry;   // a flight: the document's entry; else null
    const CAerodexEntry* totals;  // a totals row: its accumulator; else null
    const std::string* label;     // a totals row's label
    const CAirplane* aircraft;    // a totals row drawn as this aircraft; null: placeholder
  };
  // The rows whose rules meet band, and the flight `also` wherever it lies,
  // in the order the pass draws them.
  std::vector<PlacedRow> RowsMeeting(const CAerodexDoc& doc, CBand band,
                                     const CAerodexEntry* also = nullptr) const;

 private:
  friend class CLayoutRecorder;
  enum class Kind : std::uint8_t { kHeading, kEntry, kTotals };
  struct Item {
    int y;    // heading: the page top; row: its first text line
    int top;  // the band the item covers
    int bottom;
    std::uint32_t ref;  // entry: index in the entries; totals: index in totals_
    Kind kind;
  };
  struct Totals {
    CAerodexEntry row;
    std::string label;
    const CAirplane* aircraft;  // null: drawn as the placeholder
  };

  void MeasureLines(const CAerodexDoc& doc);
  void Add(const Item& item);
  void DrawItem(const CAerodexDoc& doc, CSurface& surface, Item& item);
  void CountPages(int pageHeight);

  Key key_;
  bool built_ = false;
  bool inOrder_ = true;
  std::vector<Item> items_;
  std::vector<Totals> totals_;
  std::vector<std::int64_t> depths_;
  int pageCount_ = 1;
  // Line counts by entry index, measured at linesRevision_.
  std::vector<std::uint32_t> lines_;
  std::uint64_t linesRevision_ = 0;
};

}  // namespace aerodex
