// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <algorithm>

#include "app/aerodex_view.h"
#include "app/app_settings.h"
#include "app/command_table.h"
#include "app/frame_dialogs.h"
#include "app/print_progress.h"
#include "app/screen_fit.h"
#include "app/surface/log_printing.h"

namespace aerodex {

void SetLogPageDefaults(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Landscape);
  // The drawing is 9.5 inches wide on an 11 inch sheet: centre it across,
  // and keep the top close to the sheet's edge, as the page is laid out.
  printer.setPageMargins(QMarginsF(0.75, 0.25, 0.75, 0.25), QPageLayout::Inch);
}

CPrintController::CPrintController(CAerodexView& view, CAppSettings& settings,
                                   CFrameDialogs& dialogs, QWidget* parent)
    : QObject(parent),
      view_(view),
      settings_(settings),
      dialogs_(dialogs),
      parent_(parent),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  SetLogPageDefaults(*printer_);
}

CPrintController::~CPrintController() = default;

int CPrintController::PreparePrinting() {
  // A pass with the view as host: the first pass of a run must read the
  // screen's extents, not the printer's.
  view_.LayOut();
  return view_.LogView().PrintPageCount();
}

QList<int> CPrintController::PagesInOrder(const QPrinter& printer, int first, int last) const {
  QList<int> pages;
  for (int page = first; page <= last; ++page) pages.append(page);
  if (printer.pageOrder() == QPrinter::LastPageFirst) std::reverse(pages.begin(), pages.end());
  return pages;
}

bool CPrintController::PrintPages(QPrinter& printer, int first, int last) {
  CPrintProgress progress(parent_, QStringLiteral("Printing page %1 of %2..."),
                          std::max(0, last - first + 1), progressDelayMs_);
  return PaintPages(printer, first, last, progress);
}

bool CPrintController::PaintPages(QPrinter& printer, int first, int last,
                                  CPrintProgress& progress) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF band(0, 0, 11.0 * printer.logicalDpiX(), 8.5 * printer.logicalDpiY());
  const QList<int> pages = PagesInOrder(printer, first, last);
  for (qsizetype done = 0; done < pages.size(); ++done) {
    // What the user stopped is no failure: the sheets so far stay.
    if (!progress.Step(static_cast<int>(done))) return painter.end();
    if (done > 0 && !printer.newPage()) return false;
    // Only this page's band reaches the sheet, whatever the margins.
    painter.save();
    painter.setClipRect(band);
    PaintLogPage(view_.LogView(), painter, pages[done]);
    painter.restore();
  }
  return painter.end();
}

// The print dialog offering pages 1 to the page count, then the pages chosen;
// false when the user cancelled. over: the window the dialog belongs to.
bool CPrintController::PrintFromDialog(QWidget* over) {
  const int pages = PreparePrinting();
  QPrintDialog dialog(printer_.get(), over);
  dialog.setMinMax(1, pages);
  dialog.setFromTo(1, pages);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (printDialogShown_) printDialogShown_(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  int first = 1;
  int last = pages;
  if (printer_->printRange() == QPrinter::PageRange) {
    first = std::max(1, printer_->fromPage());
    last = std::min(pages, printer_->toPage());
  }
  if (first > last) return true;
  if (!PrintPages(*printer_, first, last)) {
    dialogs_.ShowMessage(QStringLiteral("The log could not be printed."));
  }
  return true;
}

void CPrintController::OnFilePrint() { PrintFromDialog(parent_); }

bool CPrintController::PrintReport(QWidget* over, const PaintReport& paint) {
  printer_->setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(printer_.get(), over);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (printDialogShown_) printDialogShown_(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  // The painter's origin is the printable area's top-left.
  const QSizeF printable = printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
  QPainter painter;
  bool printed = painter.begin(printer_.get());
  if (printed) {
    paint(painter, QRectF(QPointF(0, 0), printable));
    printed = painter.end();
  }
  if (!printed) dialogs_.ShowMessage(QStringLiteral("The report could not be printed."));
  return true;
}

// The preview's own Print button would open a print dialog without the
// log's page range; it runs the same dialog and printing as Print instead.
void CPrintController::UseOwnPrintAction(QPrintPreviewDialog& dialog) {
  const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
  for (QAction* action : dialog.findChildren<QAction*>()) {
    if (action->text() != print) continue;
    disconnect(action, &QAction::triggered, &dialog, nullptr);
    connect(action, &QAction::triggered, &dialog, [this, &dialog] {
      if (PrintFromDialog(&dialog)) dialog.accept();
    });
  }
}

QPrintPreviewDialog* CPrintController::CreatePreviewDialog() {
  auto* dialog = new QPrintPreviewDialog(printer_.get(), parent_);
  dialog->setWindowTitle(QStringLiteral("Print Preview"));
  connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this, dialog](QPrinter* printer) {
    const int pages = PreparePrinting();
    CPrintProgress progress(dialog, QStringLiteral("Preparing page %1 of %2 for the preview..."),
                            pages, progressDelayMs_);
    PaintPages(*printer, 1, pages, progress);
  });
  UseOwnPrintAction(*dialog);
  if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
    preview->setViewMode(settings_.PreviewPages() == 2 ? QPrintPreviewWidget::FacingPagesView
                                                       : QPrintPreviewWidget::SinglePageView);
  }
  return dialog;
}

void CPrintController::RememberPreviewPages(QPrintPreviewDialog& dialog) {
  if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
    settings_.SetPreviewPages(preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1);
  }
}

void CPrintController::OnFilePrintPreview() {
  std::unique_ptr<QPrintPreviewDialog> dialog(CreatePreviewDialog());
  const QSize screen = parent_ ? parent_->size() : QSize(1000, 700);
  dialog->resize(FitToScreen(*dialog, screen.expandedTo(QSize(900, 650))));
  dialog->exec();
  RememberPreviewPages(*dialog);
}

void CPrintController::OnFilePrintSetup() {
  QPageSetupDialog dialog(printer_.get(), parent_);
  dialog.exec();
}

}  // namespace aerodex
