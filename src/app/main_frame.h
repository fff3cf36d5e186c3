// SPDX-License-Identifier: GPL-3.0-or-later
// CMainFrame: the main window. It holds the one log view, the menus built
// from the command table, the tool bar of 15 buttons and the status bar, and
// it routes every command to its handler: the document's (editing,
// statistics, import, size), the view's (modes), the framework's (files,
// printing, help) or its own (bars, About). The work is split by concern:
//   main_frame.cpp           building the window, caption, bars
//   main_frame_commands.cpp  the handlers and their enabling rules
//   main_frame_files.cpp     recent files, dropped files, closing
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/command_router.h"
#include "app/help_window.h"
#include "model/document_listener.h"

class CAerodexDoc;
class QMenu;
class QToolBar;

namespace aerodex {

class CAerodexView;
class CAppPort;
class CAppSettings;
class CDocumentManager;
class CChartsWindow;
class CFlightsPanel;
class CFrameDialogs;
class CMenuStatusTips;
class CPrintController;
class CRecentFileList;
class CStatusIndicators;

class CMainFrame : public QMainWindow, private CDocumentListener {
  Q_OBJECT

 public:
  // dialogs: the questions of the document handling; null uses Qt's dialogs.
  CMainFrame(CAerodexDoc& doc, CAppPort& port, CAppSettings& settings, CRecentFileList& recentFiles,
             CFrameDialogs* dialogs = nullptr);
  ~CMainFrame() override;

  CAerodexView& View() const { return *view_; }
  CDocumentManager& Documents() const { return *documents_; }
  CCommandRouter& Router() const { return *router_; }
  CPrintController& Printing() const { return *printing_; }
  QToolBar* ToolBar() const { return toolBar_; }
  CStatusIndicators& Indicators() const { return *indicators_; }
  CHelpWindow* HelpWindow() const { return help_; }
  QMenu* RecentFileMenu() const { return fileMenu_; }
  CFrameDialogs& Dialogs() const { return *dialogs_; }
  // Null until "Flights and Totals..." first opens it.
  CFlightsPanel* FlightsPanel() const { return flightsPanel_; }
  // Null until "Charts..." first opens it.
  CChartsWindow* Charts() const { return charts_; }

  // The one answer to a change of the document: repaints the view, refreshes
  // the commands' enabling and ticks, and the caption.
  void OnUpdateAllViews();
  // The caption: "Untitled - aerodex" or "NAME - aerodex", with a "*" after
  // the name while the log holds unsaved changes.
  void UpdateCaption();
  // The File menu's recent-file entries, and the settings file behind them.
  void UpdateRecentFileMenu();
  void OnAppAbout();
  void OnHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void DocumentChanged(const CAerodexDoc& doc) override;
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void RegisterCommands();
  void RegisterFileCommands();
  void RegisterEditingCommands();
  void RegisterViewCommands();
  void RegisterHelpCommands();
  void ConnectDocument();
  void OnGoToDate();
  void OnPilotTime();
  void OnFlightsPanel();
  void OnCharts();
  // Fit Page Width on or off, kept in the settings; on starts from normal size.
  void SetFitPageWidth(bool fit);
  void PlaceWindow();
  void SaveWindowPlacement();

  static constexpr QSize kDefaultWindowSize{1000, 720};

  CAerodexDoc& doc_;
  CAppPort& port_;
  CAppSettings& settings_;
  CRecentFileList& recentFiles_;
  std::unique_ptr<CFrameDialogs> ownDialogs_;
  CFrameDialogs* dialogs_;
  CAerodexView* view_ = nullptr;
  CCommandRouter* router_ = nullptr;
  CDocumentManager* documents_ = nullptr;
  CPrintController* printing_ = nullptr;
  CFlightsPanel* flightsPanel_ = nullptr;
  CChartsWindow* charts_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  CStatusIndicators* indicators_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  CMenuStatusTips* menuStatusTips_ = nullptr;
  QPointer<CHelpWindow> help_;
};

}  // namespace aerodex
