// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface/log_printing.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QScreen>

#include "app/surface/qt_surface.h"
#include "app/surface/surface_mapping.h"
#include "display/null_surface.h"
#include "files/atomic_write.h"

namespace aerodex {
namespace {

// Enough for crisp hairlines and exact placement; the page is vector anyway.
constexpr int kPdfResolution = 1200;
// A printer's usual printable area: the log starts a quarter inch in, as on
// paper, so that printing the PDF at actual size cuts nothing off. The
// drawing (9.5 x at most 8 inches of rows) fits inside.
const QMarginsF kPdfMargins(0.25, 0.25, 0.25, 0.25);

// Printing must not use up the screen's pending scroll to the selection.
class CScrollRequestKeeper {
 public:
  explicit CScrollRequestKeeper(CAerodexDoc& doc) : doc_(doc), saved_(doc.scrollToSelection) {}
  ~CScrollRequestKeeper() { doc_.scrollToSelection = saved_; }
  CScrollRequestKeeper(const CScrollRequestKeeper&) = delete;
  CScrollRequestKeeper& operator=(const CScrollRequestKeeper&) = delete;

 private:
  CAerodexDoc& doc_;
  int saved_;
};

}  // namespace

CExtent CPrintViewHost::HighEnglishWindowExtent() const {
  return aerodex::HighEnglishWindowExtent();
}

CExtent CPrintViewHost::HighEnglishViewportExtent() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int dpiX = screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96;
  const int dpiY = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
  return aerodex::HighEnglishViewportExtent(dpiX, dpiY);
}

int LayOutLogForPrinting(CLogView& view) {
  CScrollRequestKeeper keeper(view.Document());
  CNullSurface surface(/*printing=*/true);
  CPrintViewHost host;
  view.OnDraw(surface, host);
  return view.PrintPageCount();
}

void PaintLogPage(CLogView& view, QPainter& painter, int page) {
  const QPaintDevice* device = painter.device();
  const int dpiX = device != nullptr ? device->logicalDpiX() : 1000;
  const int dpiY = device != nullptr ? device->logicalDpiY() : 1000;
  const CAerodexDoc& doc = view.Document();
  const int offset = CLogView::PrintPageOffset(doc, page);
  CScrollRequestKeeper keeper(view.Document());
  // Only page n's band reaches the sheet, however tall the device.
  painter.save();
  painter.setClipRect(QRectF(0, 0, doc.pageWidth * dpiX / 1000.0, doc.pageHeight * dpiY / 1000.0),
                      Qt::IntersectClip);
  {
    CQtSurface surface(painter, CSurfaceMapping::PrinterPage(dpiX, dpiY, offset),
                       SurfaceKind::kPrinter);
    CPrintViewHost host;
    view.OnDraw(surface, host);
  }
  painter.restore();
}

QByteArray RenderLogPdf(CLogView& view, const QString& title) {
  const int pages = LayOutLogForPrinting(view);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                     kPdfMargins, QPageLayout::Inch));
    writer.setTitle(title);
    writer.setCreator("aerodex");
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    for (int page = 1; page <= pages; ++page) {
      if (page > 1 && !writer.newPage()) return {};
      PaintLogPage(view, painter, page);
    }
    if (!painter.end()) return {};
  }
  buffer.close();
  return bytes;
}

bool ExportLogPdf(CLogView& view, const std::string& path, std::string& error) {
  const QString title = QFileInfo(QString::fromStdString(path)).completeBaseName();
  const QByteArray pdf = RenderLogPdf(view, title);
  if (pdf.isEmpty()) {
    error = "Could not render the log as PDF.";
    return false;
  }
  const std::string bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
  if (const FileResult written = WriteFileAtomically(path, bytes); !written.ok) {
    error = "Failed to write " + path + ". " + written.message;
    return false;
  }
  return true;
}

}  // namespace aerodex
