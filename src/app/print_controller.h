// SPDX-License-Identifier: GPL-3.0-or-later
// CPrintController: Print, Print Preview and Print Setup of the log view.
// One QPrinter holds the printer set-up for the whole run; its default is
// landscape US Letter, the 11 by 8.5 inch page the log is laid out on. Every
// page, printed or previewed, is the drawing pass on the printer surface,
// moved so that the page's top is the top of the sheet; a long run shows its
// progress and can be cancelled.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QPainter;
class QPrintDialog;
class QRectF;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace aerodex {

class CFrameDialogs;

class CAerodexView;
class CAppSettings;
class CPrintProgress;

class CPrintController : public QObject {
  Q_OBJECT

 public:
  // dialogs: where a failed print is reported.
  CPrintController(CAerodexView& view, CAppSettings& settings, CFrameDialogs& dialogs,
                   QWidget* parent);
  ~CPrintController() override;

  QPrinter& Printer() { return *printer_; }

  // Lays the log out afresh and returns its page count: the highest page
  // the print dialog offers, the last one that holds the current view's log.
  int PreparePrinting();
  // Paints pages first..last (from 1) on printer; false when it could not
  // start or failed. A long run shows its progress over the main window and
  // stops early, with true, when the user cancels it.
  bool PrintPages(QPrinter& printer, int first, int last);
  // How long a run goes before it may show its progress.
  void SetProgressDelay(int milliseconds) { progressDelayMs_ = milliseconds; }
  // Test hook: called with every print dialog just before it runs.
  void SetPrintDialogShown(std::function<void(QPrintDialog&)> shown) {
    printDialogShown_ = std::move(shown);
  }

  // A one-page report on the log's printer, after the print dialog: paint
  // gets the painter and the printable area. The sheet is landscape, as the
  // log's; a failure is reported as the log's are.
  using PaintReport = std::function<void(QPainter&, const QRectF&)>;
  bool PrintReport(QWidget* over, const PaintReport& paint);

  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();
  // The preview window over the current log, set up but not yet shown.
  QPrintPreviewDialog* CreatePreviewDialog();
  // After the preview closes: remember how many pages it showed side by side.
  void RememberPreviewPages(QPrintPreviewDialog& dialog);

 private:
  bool PrintFromDialog(QWidget* over);
  void UseOwnPrintAction(QPrintPreviewDialog& dialog);
  QList<int> PagesInOrder(const QPrinter& printer, int first, int last) const;
  bool PaintPages(QPrinter& printer, int first, int last, CPrintProgress& progress);

  CAerodexView& view_;
  CAppSettings& settings_;
  CFrameDialogs& dialogs_;
  QPointer<QWidget> parent_;
  std::unique_ptr<QPrinter> printer_;
  int progressDelayMs_ = 500;
  std::function<void(QPrintDialog&)> printDialogShown_;
};

// Makes landscape US Letter, with small margins, the printer's set-up.
void SetLogPageDefaults(QPrinter& printer);

}  // namespace aerodex
