// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aerodex_app.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>

#include "app/command_ids.h"
#include "app/document_manager.h"
#include "app/frame_dialogs.h"
#include "app/main_frame.h"
#include "app/print_controller.h"

namespace aerodex {

bool ChooseSystemPrinter(QPrinter& printer, const QString& name, QString& error) {
  const QPrinterInfo info =
      name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  if (info.isNull()) {
    error = name.isEmpty() ? QStringLiteral("There is no default printer to print on.")
                           : QStringLiteral("The printer %1 was not found.").arg(name);
    return false;
  }
  printer.setPrinterName(info.printerName());
  return true;
}

CAerodexApp::CAerodexApp() : CAerodexApp(Options{}) {}

CAerodexApp::CAerodexApp(Options options)
    : options_(std::move(options)),
      doc_(&port_, nullptr, &run_),
      settings_(options_.settingsPath),
      recentFiles_(kRecentFileCount) {}

CAerodexApp::~CAerodexApp() {
  frame_.reset();
  doc_.SetPort(nullptr);
}

bool CAerodexApp::InitInstance(const QStringList& arguments) {
  recentFiles_.SetFiles(settings_.LoadRecentFiles(kRecentFileCount));
  frame_ = std::make_unique<CMainFrame>(doc_, port_, settings_, recentFiles_, options_.dialogs);

  const CCommandLineInfo info = CCommandLineInfo::Parse(arguments);
  if (!ProcessShellCommand(info)) return false;

  // Landscape Letter is already the printer set-up's default (CPrintController).
  ReopenNewestRecentFile();
  if (!options_.showWindow) {
    frame_->Documents().OfferRecovery();
    return true;
  }
  frame_->show();
  // Asked over the window once it is on the screen and shows what is open.
  QTimer::singleShot(0, frame_.get(), [this] { frame_->Documents().OfferRecovery(); });
  return true;
}

bool CAerodexApp::ProcessShellCommand(const CCommandLineInfo& info) {
  switch (info.command) {
    case CCommandLineInfo::kBad:
      std::fprintf(stderr, "aerodex: %s\n", qPrintable(info.error));
      exitCode_ = 2;
      return false;
    case CCommandLineInfo::kUnregister:
      return false;  // the desktop entry belongs to the installation, not to the program
    case CCommandLineInfo::kHelp:
    case CCommandLineInfo::kVersion:
      return false;  // answered before any window (ProgramInfoRequested)
    case CCommandLineInfo::kFileNew:
      frame_->Documents().NewDocument();
      return true;
    case CCommandLineInfo::kFileOpen:
      // The framework starts from a new log, then opens the file into it.
      frame_->Documents().NewDocument();
      if (frame_->Documents().OpenDocumentFile(info.fileName)) return true;
      exitCode_ = 1;
      return false;
    case CCommandLineInfo::kFilePrint:
    case CCommandLineInfo::kFilePrintTo:
      return PrintAndEnd(info);
  }
  return false;
}

// "/p" and "/pt": print the whole log without a dialog, then end.
bool CAerodexApp::PrintAndEnd(const CCommandLineInfo& info) {
  exitCode_ = 1;
  frame_->Documents().NewDocument();
  if (!frame_->Documents().OpenDocumentFile(info.fileName)) return false;
  QPrinter& printer = frame_->Printing().Printer();
  QString error;
  const PrinterChooser choose =
      options_.choosePrinter ? options_.choosePrinter : ChooseSystemPrinter;
  if (!choose(printer, info.printerName, error)) {
    frame_->Dialogs().ShowMessage(error);
    return false;
  }
  SetLogPageDefaults(printer);
  const int pages = frame_->Printing().PreparePrinting();
  if (!frame_->Printing().PrintPages(printer, 1, pages)) {
    frame_->Dialogs().ShowMessage(QStringLiteral("The log could not be printed."));
    return false;
  }
  exitCode_ = 0;
  return false;
}

void CAerodexApp::ReopenNewestRecentFile() {
  if (recentFiles_.IsEmpty()) return;
  const QString newest = recentFiles_.Files().constFirst();
  // A file that is gone is skipped silently and stays in the list.
  if (QFileInfo::exists(newest)) frame_->Documents().OpenDocumentFile(newest);
}

}  // namespace aerodex
