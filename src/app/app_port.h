// SPDX-License-Identifier: GPL-3.0-or-later
// CAppPort: the interaction port of the desktop program. The document and
// its commands talk to the user through it: the error and confirmation
// prompts, the forms, the reports, the import file chooser and, for other
// logbooks, the import preview and the export file chooser. Redraws come
// from the document's change notice, which the main window listens to.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <functional>

#include "app/frame_dialogs.h"
#include "editing/interaction_port.h"
#include "import/logbook_commands.h"

namespace aerodex {

class CLogCheckDialog;

class CAppPort : public CInteractionPort, public import::CLogbookPort {
 public:
  // Prompts and forms open over the window given here (none: top level).
  void SetParentWindow(QWidget* window) { parent_ = window; }
  // Where the prompts go; none: the Qt prompts over the parent window.
  void SetDialogs(CFrameDialogs* dialogs) { dialogs_ = dialogs; }

  // Messages are Windows-1252 bytes.
  void ShowError(const std::string& message) override;
  bool AskConfirmation(const std::string& message) override;

  bool ShowEntryForm(CEntryDlg& form) override;
  bool ShowAircraftForm(CAircraftDlg& form) override;
  bool ShowNNumberPrompt(CNNumberDlg& form) override;
  bool ShowAircraftList(CSelectAircraftDlg& form) override;
  bool ShowPilotForm(CPilotInfoDlg& form) override;
  void ShowCurrency(const CCurrencyDlg& report) override;
  void ShowAircraftStatus(const CAircraftStatsDlg& report) override;
  void ShowCurrencyCheck(const CCurrencyDlg& report, const CCurrencyAsOf& recompute) override;
  // The log check stays open beside the window: a second Check Log brings
  // the open one forward with the new findings.
  void ShowLogCheck(const CLogCheckDlg& report, const CLogCheckActions& actions) override;
  // After a change to the document: the open log check checks again.
  void RecheckLog();
  void ShowImportReport(const std::string& report) override;
  bool ChooseImportFile(std::string& path) override;
  // Other logbooks (app_port_logbook.cpp): file dialogs and the preview.
  bool ChooseLogbookFile(std::string& path) override;
  bool ShowImportPreview(import::CImportPlan& plan, import::CImportOptions& options,
                         const import::Replan& replan) override;
  bool ChooseExportFile(std::string& path, import::ExportFormat& format) override;
  void ShowPlanningProgress(std::size_t done, std::size_t all) override;

 private:
  CFrameDialogs& Dialogs();
  template <class Dialog, class Form>
  bool RunForm(Form& form);

  QPointer<QWidget> parent_;
  QPointer<QProgressDialog> planning_;  // a long file's planning, over parent_
  QPointer<CLogCheckDialog> logCheck_;  // owned by parent_ while open
  CFrameDialogs* dialogs_ = nullptr;
  CQtFrameDialogs ownDialogs_;
};

}  // namespace aerodex
