// SPDX-License-Identifier: GPL-3.0-or-later
// Working the log without a mouse: stepping the selection through the rows
// in the order the current mode draws them, bringing the selected row into
// view, and finding the flight of a date.
#include <algorithm>
#include <cstdint>
#include <tuple>

#include "display/log_view.h"
#include "display/size_factor.h"

namespace aerodex {

void CLogView::RefreshLayout() {
  const CLogLayout::Key key = CLogLayout::KeyFor(doc_, viewMode, showNightSubtotals);
  if (!layout_.IsCurrent(key)) layout_.Build(doc_, key);
}

CAerodexEntry* CLogView::StepSelection(int step) {
  RefreshLayout();
  const std::vector<std::uint32_t> order = layout_.EntryOrder();
  if (order.empty()) return nullptr;
  const long selected = doc_.IndexOfEntry(doc_.selectedEntry);
  const auto at = std::find(order.begin(), order.end(), static_cast<std::uint32_t>(selected));
  std::size_t next;
  if (selected < 0 || at == order.end()) {
    next = step > 0 ? 0 : order.size() - 1;
  } else {
    const auto position = static_cast<long>(at - order.begin()) + (step > 0 ? 1 : -1);
    next = static_cast<std::size_t>(std::clamp(position, 0L, static_cast<long>(order.size()) - 1));
  }
  CAerodexEntry* entry = &doc_.Entry(order[next]);
  if (entry != doc_.selectedEntry) {
    doc_.selectedEntry = entry;
    doc_.UpdateAllViews();
  }
  return entry;
}

void CLogView::ShowSelection(CLogViewHost& host, int viewTop, int viewBottom) const {
  const CAerodexEntry* entry = doc_.selectedEntry;
  if (entry == nullptr) return;
  const std::int64_t factor = SizeFactor(doc_);
  const bool inside = factor * entry->rowTop <= viewTop && factor * entry->rowBottom >= viewBottom;
  if (!inside) ScrollToRow(host, *entry);
}

CAerodexEntry* FirstFlightFrom(const CAerodexDoc& doc, const LocalDate& day) {
  const auto entries = doc.Entries();
  if (entries.empty()) return nullptr;
  const auto date = [](const CAerodexEntry& e) { return std::tie(e.year, e.month, e.day); };
  const auto from = std::tie(day.year, day.month, day.day);
  for (const auto& entry : entries) {
    if (date(*entry) >= from) return entry.get();
  }
  return entries.back().get();
}

bool GoToDate(CAerodexDoc& doc, const LocalDate& day) {
  CAerodexEntry* entry = FirstFlightFrom(doc, day);
  if (entry == nullptr) return false;
  doc.selectedEntry = entry;
  doc.scrollToSelection = 1;
  doc.UpdateAllViews();
  return true;
}

}  // namespace aerodex
