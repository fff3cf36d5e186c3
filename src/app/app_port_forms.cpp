// SPDX-License-Identifier: GPL-3.0-or-later
// The form-showing half of the desktop interaction port: each form runs as
// its modal dialog over the main window, and its data is written back only
// when the dialog ends with OK (its field checks have passed by then). The
// log check alone is a window beside the log.
#include "app/app_port.h"
#include "app/dialogs/aircraft_dialog.h"
#include "app/dialogs/entry_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/log_check_dialog.h"
#include "app/dialogs/nnumber_dialogs.h"
#include "app/dialogs/pilot_dialog.h"
#include "app/dialogs/report_dialogs.h"

namespace aerodex {

template <class Dialog, class Form>
bool CAppPort::RunForm(Form& form) {
  Dialog dialog(form, parent_);
  dialog.SetWarning(
      [this](QWidget* owner, const QString& message) { Dialogs().WarnAboutField(owner, message); });
  if (dialog.exec() != QDialog::Accepted) return false;
  form = dialog.FormData();
  return true;
}

bool CAppPort::ShowEntryForm(CEntryDlg& form) { return RunForm<CEntryDialog>(form); }

bool CAppPort::ShowAircraftForm(CAircraftDlg& form) { return RunForm<CAircraftDialog>(form); }

bool CAppPort::ShowNNumberPrompt(CNNumberDlg& form) { return RunForm<CNNumberDialog>(form); }

bool CAppPort::ShowAircraftList(CSelectAircraftDlg& form) {
  return RunForm<CSelectAircraftDialog>(form);
}

bool CAppPort::ShowPilotForm(CPilotInfoDlg& form) { return RunForm<CPilotInfoDialog>(form); }

void CAppPort::ShowCurrency(const CCurrencyDlg& report) {
  CCurrencyDialog dialog(report, parent_);
  dialog.exec();
}

void CAppPort::ShowCurrencyCheck(const CCurrencyDlg& report, const CCurrencyAsOf& recompute) {
  CCurrencyDialog dialog(report, parent_, recompute);
  dialog.exec();
}

void CAppPort::ShowLogCheck(const CLogCheckDlg& report, const CLogCheckActions& actions) {
  if (logCheck_) logCheck_->close();  // its actions are those of the last check
  logCheck_ = new CLogCheckDialog(report, actions, parent_);
  logCheck_->setAttribute(Qt::WA_DeleteOnClose);
  logCheck_->show();
  logCheck_->raise();
  logCheck_->activateWindow();
}

void CAppPort::RecheckLog() {
  if (logCheck_ && logCheck_->isVisible()) logCheck_->Recheck();
}

void CAppPort::ShowImportReport(const std::string& report) {
  CImportReportDialog dialog(QString::fromStdString(report), parent_);
  dialog.exec();
}

void CAppPort::ShowAircraftStatus(const CAircraftStatsDlg& report) {
  CAircraftStatsDialog dialog(report, parent_);
  dialog.exec();
}

}  // namespace aerodex
