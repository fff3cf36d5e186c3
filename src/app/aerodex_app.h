// SPDX-License-Identifier: GPL-3.0-or-later
// CAerodexApp: the program's start-up. In order: the settings with a
// recent-file list of four; the one document, main window and log view; the
// command line (nothing: a new "Untitled" log; a file: open it; "/p FILE"
// and "/pt FILE PRINTER": print it and end); landscape as the printer's
// default; the newest recent file reopened when it still exists; and, last,
// the offer of unsaved work that an aerodex which did not close normally left.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/app_port.h"
#include "app/app_settings.h"
#include "app/command_line.h"
#include "app/recent_file_list.h"
#include "model/document.h"

class QPrinter;

namespace aerodex {

class CFrameDialogs;
class CMainFrame;

class CAerodexApp {
 public:
  // Points a printer at the named printer (the default one when the name is
  // empty); false with a reason when there is no such printer.
  using PrinterChooser = std::function<bool(QPrinter&, const QString&, QString&)>;

  struct Options {
    QString settingsPath = CAppSettings::DefaultPath();
    CFrameDialogs* dialogs = nullptr;  // null: Qt's own dialogs
    PrinterChooser choosePrinter;      // empty: the system's printers
    bool showWindow = true;
  };

  CAerodexApp();
  explicit CAerodexApp(Options options);
  ~CAerodexApp();

  // False when the program must end now (a file that could not be opened
  // from the command line, a print job done, a bad command line); ExitCode()
  // then gives the process's exit status.
  bool InitInstance(const QStringList& arguments);
  int ExitCode() const { return exitCode_; }

  CAerodexDoc& Document() { return doc_; }
  CAppPort& Port() { return port_; }
  CAppSettings& Settings() { return settings_; }
  CRecentFileList& RecentFiles() { return recentFiles_; }
  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  bool ProcessShellCommand(const CCommandLineInfo& info);
  bool PrintAndEnd(const CCommandLineInfo& info);
  void ReopenNewestRecentFile();

  Options options_;
  CAppPort port_;
  CProgramRun run_;
  CAerodexDoc doc_;
  CAppSettings settings_;
  CRecentFileList recentFiles_;
  std::unique_ptr<CMainFrame> frame_;
  int exitCode_ = 0;
};

// The system's printer by name (the default printer for an empty name).
bool ChooseSystemPrinter(QPrinter& printer, const QString& name, QString& error);

}  // namespace aerodex
