// SPDX-License-Identifier: GPL-3.0-or-later
// The command handlers of the main window and their enabling and tick rules.
// A command missing here has no handler and so stays disabled: Usage
// Patterns, Group By Aircraft Make, and Copy, Paste, Cut, Undo and the pane
// keys, whose accelerators therefore do nothing.
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/aerodex_view.h"
#include "app/app_port.h"
#include "app/app_settings.h"
#include "app/charts_window.h"
#include "app/command_ids.h"
#include "app/dialogs/pilot_time_dialog.h"
#include "app/document_manager.h"
#include "app/flights_panel.h"
#include "app/frame_dialogs.h"
#include "app/main_frame.h"
#include "app/pilot_time_page.h"
#include "app/print_controller.h"
#include "app/recent_file_list.h"
#include "editing/aircraft_commands.h"
#include "editing/entry_commands.h"
#include "editing/pilot_form.h"
#include "import/logbook_commands.h"
#include "import/text_import.h"
#include "stats/aircraft_status.h"
#include "stats/currency.h"
#include "stats/log_check.h"

namespace aerodex {

void CMainFrame::RegisterCommands() {
  RegisterFileCommands();
  RegisterEditingCommands();
  RegisterViewCommands();
  RegisterHelpCommands();
}

void CMainFrame::RegisterFileCommands() {
  CCommandRouter& r = *router_;
  r.SetHandler(ID_FILE_NEW, {[this] { documents_->OnFileNew(); }});
  r.SetHandler(ID_FILE_OPEN, {[this] { documents_->OnFileOpen(); }});
  r.SetHandler(ID_FILE_SAVE, {[this] { documents_->OnFileSave(); }});
  r.SetHandler(ID_FILE_SAVE_AS, {[this] { documents_->OnFileSaveAs(); }});
  r.SetHandler(ID_FILE_PRINT, {[this] { printing_->OnFilePrint(); }});
  r.SetHandler(ID_FILE_PRINT_PREVIEW, {[this] { printing_->OnFilePrintPreview(); }});
  r.SetHandler(ID_FILE_PRINT_SETUP, {[this] { printing_->OnFilePrintSetup(); }});
  for (int slot = 0; slot < kRecentFileCount; ++slot) {
    r.SetHandler(ID_FILE_MRU_FILE1 + slot,
                 {[this, slot] { documents_->OpenRecentFile(slot); },
                  [this, slot] { return slot < recentFiles_.Files().size(); }});
  }
  r.SetHandler(ID_APP_EXIT, {[this] { close(); }});
}

void CMainFrame::RegisterEditingCommands() {
  CCommandRouter& r = *router_;
  const auto hasEntry = [this] { return CanEditOrDeleteEntry(doc_); };
  const auto hasAircraft = [this] { return doc_.AircraftCount() > 0; };
  r.SetHandler(ID_EDIT_PILOT_INFO, {[this] { OnEditPilotInfo(doc_, port_); }});
  r.SetHandler(ID_IMPORT_UNIX, {[this] { OnImportFromUnix(doc_, port_); }});
  r.SetHandler(ID_IMPORT_LOGBOOK, {[this] { import::OnImportFromLogbook(doc_, port_, port_); }});
  r.SetHandler(ID_EXPORT_LOGBOOK, {[this] { import::OnExportToLogbook(doc_, port_, port_); },
                                   [this] { return doc_.EntryCount() > 0; }});
  r.SetHandler(ID_NEW_ENTRY, {[this] { OnNewEntry(doc_, port_); }});
  r.SetHandler(ID_EDIT_ENTRY, {[this] { OnEditEntry(doc_, port_); }, hasEntry});
  r.SetHandler(ID_DELETE_ENTRY, {[this] { OnDeleteEntry(doc_, port_); }, hasEntry});
  r.SetHandler(ID_GO_TO_DATE, {[this] { OnGoToDate(); }, [this] { return doc_.EntryCount() > 0; }});
  r.SetHandler(ID_NEW_AIRCRAFT, {[this] { OnNewAircraft(doc_, port_); }});
  r.SetHandler(ID_EDIT_AIRCRAFT, {[this] { OnEditAircraft(doc_, port_); }, hasAircraft});
  r.SetHandler(ID_DELETE_AIRCRAFT, {[this] { OnDeleteAircraft(doc_, port_); }, hasAircraft});
  r.SetHandler(ID_CHECK_CURRENCY, {[this] { OnCheckCurrency(doc_, port_); }});
  r.SetHandler(ID_AIRCRAFT_STATUS, {[this] { OnAircraftStatus(doc_, port_); }});
  r.SetHandler(ID_CHECK_LOG, {[this] { OnCheckLog(doc_, port_); }});
  r.SetHandler(ID_PILOT_TIME, {[this] { OnPilotTime(); }});
  r.SetHandler(ID_FLIGHTS_PANEL, {[this] { OnFlightsPanel(); }});
  r.SetHandler(ID_CHARTS, {[this] { OnCharts(); }});
  // A double click on the selected flight is Edit Entry, with its rule.
  view_->SetEditEntryHandler([this] { router_->Execute(ID_EDIT_ENTRY); });
}

// Proposes the selected flight's date, or today when nothing is selected.
void CMainFrame::OnGoToDate() {
  LocalDate proposal = doc_.Clock().Today();
  if (const CAerodexEntry* selected = doc_.selectedEntry) {
    proposal = {selected->day, selected->month, selected->year};
  }
  if (const std::optional<LocalDate> day = dialogs_->AskDate(proposal)) GoToDate(doc_, *day);
}

// The 8710 only reads the log; its page prints through the log's printer.
void CMainFrame::OnPilotTime() {
  CPilotTimeDialog dialog(
      doc_,
      [this](QWidget* over, const stats::PilotTimeReport& report) {
        printing_->PrintReport(over, [&report](QPainter& painter, const QRectF& area) {
          PaintPilotTimePage(painter, area, report);
        });
      },
      this);
  dialog.exec();
}

// Made on first use: a log never asked about costs no table.
void CMainFrame::OnFlightsPanel() {
  if (!flightsPanel_) {
    flightsPanel_ = new CFlightsPanel(
        doc_, *dialogs_, [this] { router_->Execute(ID_EDIT_ENTRY); }, this);
    addDockWidget(Qt::BottomDockWidgetArea, flightsPanel_);
  }
  flightsPanel_->show();
  flightsPanel_->raise();
}

// A window of its own beside the log, kept once opened.
void CMainFrame::OnCharts() {
  if (!charts_) charts_ = new CChartsWindow(doc_, *dialogs_, this);
  charts_->show();
  charts_->raise();
  charts_->activateWindow();
}

void CMainFrame::RegisterViewCommands() {
  CCommandRouter& r = *router_;
  CLogView& view = view_->LogView();
  r.SetHandler(ID_VIEW_TOOLBAR, {[this] { toolBar_->setVisible(!toolBar_->isVisible()); },
                                 {},
                                 [this] { return !toolBar_->isHidden(); }});
  r.SetHandler(ID_VIEW_STATUS_BAR, {[this] { statusBar()->setVisible(statusBar()->isHidden()); },
                                    {},
                                    [this] { return !statusBar()->isHidden(); }});
  connect(toolBar_, &QToolBar::visibilityChanged, router_, &CCommandRouter::Update);
  r.SetHandler(ID_VIEW_ALL_ENTRIES, {[&view] { view.OnViewAllEntries(); },
                                     {},
                                     [&view] { return view.viewMode == kViewAllEntries; }});
  r.SetHandler(ID_VIEW_GROUP_BY_NNUMBER, {[&view] { view.OnViewGroupByNNumber(); },
                                          {},
                                          [&view] { return view.viewMode == kViewByNNumber; }});
  r.SetHandler(ID_VIEW_ANNUAL_SUMMARY, {[&view] { view.OnViewAnnualSummary(); },
                                        {},
                                        [&view] { return view.viewMode == kViewAnnualSummary; }});
  r.SetHandler(ID_VIEW_NIGHT_SUBTOTALS, {[&view] { view.OnViewNightSubtotals(); },
                                         {},
                                         [&view] { return view.showNightSubtotals == 1; }});
  // The two sizes leave Fit Page Width.
  r.SetHandler(ID_VIEW_NORMAL_SIZE,
               {[this] {
                  SetFitPageWidth(false);
                  OnViewNormalSize(doc_);
                },
                {},
                [this] { return doc_.zoomFactor == 2 && !view_->FitWidth(); }});
  r.SetHandler(ID_VIEW_EXPANDED_SIZE, {[this] {
                                         SetFitPageWidth(false);
                                         OnViewExpandedSize(doc_);
                                       },
                                       {},
                                       [this] { return doc_.zoomFactor != 2; }});
  r.SetHandler(ID_VIEW_FIT_WIDTH,
               {[this] { SetFitPageWidth(true); }, {}, [this] { return view_->FitWidth(); }});
}

void CMainFrame::SetFitPageWidth(bool fit) {
  if (fit) OnViewNormalSize(doc_);
  view_->SetFitWidth(fit);
  settings_.SetFitPageWidth(fit);
  router_->Update();
}

void CMainFrame::RegisterHelpCommands() {
  CCommandRouter& r = *router_;
  r.SetHandler(ID_HELP_FINDER, {[this] { OnHelp(); }});
  r.SetHandler(ID_HELP, {[this] { OnHelp(); }});
  r.SetHandler(ID_CONTEXT_HELP, {[] { QWhatsThis::enterWhatsThisMode(); }});
  r.SetHandler(ID_APP_ABOUT, {[this] { OnAppAbout(); }});
  r.SetHandler(ID_APP_ABOUT_QT, {[this] { QMessageBox::aboutQt(this); }});
}

}  // namespace aerodex
