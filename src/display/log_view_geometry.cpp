// SPDX-License-Identifier: GPL-3.0-or-later
// CLogView: selection with the mouse, the scroll to the selection, the size commands and
// the page arithmetic of printing.
#include <cstdint>

#include "display/log_view.h"
#include "display/size_factor.h"

namespace aerodex {

bool CLogView::HitTestRow(const CAerodexEntry& entry, int /*x*/, int y) const {
  const int drawingY = y / SizeFactor(doc_);  // truncated toward zero
  return entry.rowBottom <= drawingY && drawingY <= entry.rowTop;
}

bool CLogView::OnLButtonDown(int x, int y) {
  // Where two rows share a rule, the one first in the log wins.
  for (const auto& entry : doc_.Entries()) {
    if (HitTestRow(*entry, x, y)) {
      doc_.selectedEntry = entry.get();
      doc_.UpdateAllViews();
      return true;
    }
  }
  return false;
}

bool CLogView::OnLButtonDblClk(int x, int y) const {
  if (doc_.selectedEntry == nullptr || doc_.EntryCount() == 0) return false;
  return HitTestRow(*doc_.selectedEntry, x, y);
}

// The view's top edge shows the drawing 1000 units above the selected row.
void CLogView::ScrollToSelection(CLogViewHost& host) {
  if (doc_.scrollToSelection != 1 || doc_.selectedEntry == nullptr) return;
  doc_.scrollToSelection = 0;
  ScrollToRow(host, *doc_.selectedEntry);
}

void CLogView::ScrollToRow(CLogViewHost& host, const CAerodexEntry& entry) const {
  const std::int64_t position =
      std::int64_t{doc_.zoomFactor} * (std::int64_t{entry.rowTop} + 1000) / 2;
  host.ScrollToPosition(0, layout::ClampInt(position));
}

int CLogView::PrintPageCount() const { return layout_.PageCount(); }

int CLogView::PrintPageOffset(const CAerodexDoc& doc, int page) {
  const std::int64_t pagesAbove = page > 1 ? std::int64_t{page} - 1 : 0;
  return layout::ClampInt(pagesAbove * doc.pageHeight);
}

void OnViewNormalSize(CAerodexDoc& doc) {
  doc.viewportExtent = doc.baseViewportExtent;
  doc.zoomFactor = 2;
  doc.scrollToSelection = 1;
  doc.UpdateAllViews();
}

void OnViewExpandedSize(CAerodexDoc& doc) {
  doc.viewportExtent = ScaledExtent(doc.baseViewportExtent, 2);
  doc.zoomFactor = 4;
  doc.scrollToSelection = 1;
  doc.UpdateAllViews();
}

}  // namespace aerodex
