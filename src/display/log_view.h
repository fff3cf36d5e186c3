// SPDX-License-Identifier: GPL-3.0-or-later
// CLogView: the framework-free half of the log view. It lays the whole log
// out on pages and draws it, answers the mouse, and holds the view mode. The
// Qt widget that shows it implements CLogViewHost.
//
// A repaint or a printed page draws from a kept layout (CLogLayout): the
// complete pass's placement, made again only when the contents, the mode,
// the night switch or the date change, and drawn only where the surface
// shows anything. Row positions, page breaks, the growth of the log's height
// and the scroll to the selection are exactly those of the complete pass,
// which stays available as DrawFullPass.
#pragma once

#include <cstdint>

#include "display/log_layout.h"
#include "display/surface.h"
#include "model/document.h"

namespace aerodex {

// What the drawing pass needs from the widget around it. View units are
// 0.001 logical inch (the high-English scale), y up.
class CLogViewHost {
 public:
  virtual ~CLogViewHost() = default;
  // The scrollable extent in view units.
  virtual void SetScrollSizes(int width, int height) = 0;
  // Scrolls so that view point (x, y) is at the window's top-left (y <= 0);
  // the host keeps the position inside the scroll extent.
  virtual void ScrollToPosition(int x, int y) = 0;
  // The screen's high-English extents: window (1000, 1000) and viewport
  // (logical dpi, -logical dpi), read once on the first pass of a run.
  virtual CExtent HighEnglishWindowExtent() const = 0;
  virtual CExtent HighEnglishViewportExtent() const = 0;
  // Maps the screen surface with these extents (not called for printers).
  virtual void SetScreenExtents(CExtent window, CExtent viewport) = 0;
};

enum ViewMode { kViewAllEntries = 1, kViewByNNumber = 2, kViewAnnualSummary = 4 };

class CLogView {
 public:
  explicit CLogView(CAerodexDoc& doc) : doc_(doc) {}

  int viewMode = kViewAllEntries;
  int showNightSubtotals = 0;

  // The drawing pass: heading, rows, totals, page breaks, logHeight growth,
  // and the scroll to the selection when one is asked for. Draws from the
  // kept layout, making it first when it is stale.
  void OnDraw(CSurface& surface, CLogViewHost& host);
  // The same pass run in full: every row placed, measured and offered to the
  // surface afresh, nothing kept. OnDraw must always agree with it.
  void DrawFullPass(CSurface& surface, CLogViewHost& host);
  void SetUpSurface(CSurface& surface, CLogViewHost& host);
  void OnInitialUpdate(CLogViewHost& host);

  // Rows placed on pages; both return the new pageTop and move y.
  int PlaceEntryRow(CSurface& surface, CLogViewHost& host, CAerodexEntry& entry, int& y,
                    int pageTop);
  // rowAircraft: the aircraft a group's summary row is drawn as; null draws
  // the row as the placeholder (grand totals, yearly and night rows).
  int PlaceTotalsRow(CSurface& surface, CLogViewHost& host, CAerodexEntry& accumulator, int& y,
                     int pageTop, const std::string& label, const CAirplane* rowAircraft = nullptr);

  // Whether view point (x, y) lies on the entry's row as the last pass drew
  // it. Entries the last pass did not draw are never hit.
  bool HitTestRow(const CAerodexEntry& entry, int x, int y) const;
  // Mouse at view point (x, y). Button down selects the first row hit and
  // asks the document to redraw (true when it selected one); a double click
  // returns true when it landed on the selected row, so the caller runs Edit
  // Entry on it.
  bool OnLButtonDown(int x, int y);
  bool OnLButtonDblClk(int x, int y) const;

  // Keyboard selection: the flight step rows after (1) or before (-1) the
  // selected one, in the order the current mode draws them, becomes the
  // selection (the first or last drawn one when none is selected). Returns
  // it, or null when the mode draws no flight; redraws when it changed.
  CAerodexEntry* StepSelection(int step);
  // Brings the selected row into a window that shows view y from viewTop
  // down to viewBottom (view units, y up), placed as the scroll to the
  // selection places it, unless the row is already wholly inside.
  void ShowSelection(CLogViewHost& host, int viewTop, int viewBottom) const;

  // View commands: each sets the mode (the last one toggles the night
  // subtotals), asks for a scroll to the selection and redraws.
  void OnViewAllEntries();
  void OnViewGroupByNNumber();
  void OnViewAnnualSummary();
  void OnViewNightSubtotals();

  // Printing: the pages the last pass laid the current mode's log out on (the
  // kept layout's, not logHeight, which keeps the tallest of the run for the
  // scroll extent), and how far, in drawing units, page n (from 1) lies below
  // the first page's top: moving the drawing up by it brings page n to the
  // top of a sheet.
  int PrintPageCount() const;
  static int PrintPageOffset(const CAerodexDoc& doc, int page);

  CAerodexDoc& Document() const { return doc_; }
  // The kept layout of the current contents and mode, made first if stale.
  const CLogLayout& CurrentLayout();

 private:
  void SetModeAndRedraw(int mode);
  void CaptureExtents(CLogViewHost& host);
  void SetScrollSizes(CLogViewHost& host) const;
  void BeginPass(CSurface& surface, CLogViewHost& host);
  void ForgetRowPositions();
  void GrowLikeTheFullPass(CSurface& surface, CLogViewHost& host);
  void GrowIfReached(std::int64_t depth, CSurface& surface, CLogViewHost& host);
  int PlaceNightSubtotal(CSurface& surface, CLogViewHost& host, const CAerodexEntry& totals, int& y,
                         int pageTop);
  void ScrollToSelection(CLogViewHost& host);
  void ScrollToRow(CLogViewHost& host, const CAerodexEntry& entry) const;
  void RefreshLayout();

  CAerodexDoc& doc_;
  bool extentsCaptured_ = false;
  CLogLayout layout_;
};

// The document's size commands: the zoom and the screen's viewport extent,
// then a scroll to the selection and a redraw.
void OnViewNormalSize(CAerodexDoc& doc);
void OnViewExpandedSize(CAerodexDoc& doc);

// Go to Date: the first flight on or after the day, else the last flight;
// null for an empty log.
CAerodexEntry* FirstFlightFrom(const CAerodexDoc& doc, const LocalDate& day);
// Selects that flight and asks for the scroll to it; false for an empty log.
bool GoToDate(CAerodexDoc& doc, const LocalDate& day);

}  // namespace aerodex
