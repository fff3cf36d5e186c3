// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the log: one routine paints page n of the log on any printer-like
// painter (QPrinter for print and print preview, QPdfWriter for PDF), and the
// PDF export builds on it. Every page runs the drawing pass on a printer
// surface at 0.001 inch per unit whose origin is moved so that page n's top
// is the top of the printable area; the pass draws only that page's band
// from the kept layout, and the device clips the rest.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QString>
#include <string>

#include "display/log_view.h"

namespace aerodex {

// The host a printed page's drawing pass talks to: there are no scroll bars
// to set or move. Should printing come before the first paint of the window,
// the view captures its screen extents here, so they are the screen's own.
class CPrintViewHost final : public CLogViewHost {
 public:
  void SetScrollSizes(int, int) override {}
  void ScrollToPosition(int, int) override {}
  CExtent HighEnglishWindowExtent() const override;
  CExtent HighEnglishViewportExtent() const override;
  void SetScreenExtents(CExtent, CExtent) override {}
};

// Runs the drawing pass once without drawing, so that the kept layout is the
// view mode's own; returns the pages it lies on.
int LayOutLogForPrinting(CLogView& view);

// Paints page `page` (from 1) of the log, as printing does: smallRowFont, no
// highlight. The painter's (0, 0) is the printable area's top-left and its
// device's logical dpi is the printer's resolution; only the page's own
// 11 x 8.5 inches are painted. A pending scroll to the selection is left for
// the screen.
void PaintLogPage(CLogView& view, QPainter& painter, int page);

// The printed log as a PDF: US Letter landscape (11 x 8.5 inches) with a
// quarter-inch printable margin, one page per laid-out page. Empty on failure.
QByteArray RenderLogPdf(CLogView& view, const QString& title);

// RenderLogPdf written to path atomically: the old file stays whole when
// anything fails. False with a message in error.
bool ExportLogPdf(CLogView& view, const std::string& path, std::string& error);

}  // namespace aerodex
