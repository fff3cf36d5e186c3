// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/accessible_names.h"
#include "app/aerodex_view.h"
#include "app/app_port.h"
#include "app/app_settings.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/document_manager.h"
#include "app/frame_dialogs.h"
#include "app/log_view_accessible.h"
#include "app/menu_status_tips.h"
#include "app/print_controller.h"
#include "app/status_indicators.h"
#include "app/toolbar_icons.h"

namespace aerodex {

CMainFrame::CMainFrame(CAerodexDoc& doc, CAppPort& port, CAppSettings& settings,
                       CRecentFileList& recentFiles, CFrameDialogs* dialogs)
    : doc_(doc), port_(port), settings_(settings), recentFiles_(recentFiles), dialogs_(dialogs) {
  if (!dialogs_) {
    auto qtDialogs = std::make_unique<CQtFrameDialogs>();
    qtDialogs->SetParentWindow(this);
    dialogs_ = qtDialogs.get();
    ownDialogs_ = std::move(qtDialogs);
  }
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);
  view_ = new CAerodexView(doc_, this);
  setCentralWidget(view_);
  MakeLogViewAccessible(*view_);
  InstallMenuItemNames();
  router_ = new CCommandRouter(this);
  documents_ = new CDocumentManager(doc_, *dialogs_, recentFiles_, this);
  printing_ = new CPrintController(*view_, settings_, *dialogs_, this);
  port_.SetParentWindow(this);
  port_.SetDialogs(dialogs_);
  doc_.AddListener(this);

  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  RegisterCommands();
  ConnectDocument();
  view_->SetFitWidth(settings_.FitPageWidth());
  UpdateRecentFileMenu();
  UpdateCaption();
  PlaceWindow();
}

// The last run's geometry when there is one; otherwise the default size,
// made smaller where the screen is (a high-DPI scale shrinks it), centred.
void CMainFrame::PlaceWindow() {
  if (restoreGeometry(settings_.WindowGeometry())) return;
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!shown) {
    resize(kDefaultWindowSize);
    return;
  }
  const QRect available = shown->availableGeometry();
  // Room for the window manager's title bar and borders.
  const QSize room = (available.size() - QSize(16, 48)).expandedTo(QSize(200, 150));
  resize(kDefaultWindowSize.boundedTo(room));
  move(available.center() - QPoint(width() / 2, height() / 2 + 16));
}

void CMainFrame::SaveWindowPlacement() {
  settings_.SetWindowGeometry(saveGeometry());
  settings_.Sync();
}

CMainFrame::~CMainFrame() {
  // The document and the port outlive the window: they must not call back into it.
  doc_.RemoveListener(this);
  port_.SetDialogs(nullptr);
  port_.SetParentWindow(nullptr);
}

void CMainFrame::BuildMenus() {
  menuStatusTips_ = new CMenuStatusTips(this);
  for (const MenuInfo& menuInfo : MainMenu()) {
    QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuInfo.title));
    menu->setSeparatorsCollapsible(false);
    menu->setToolTipsVisible(false);
    // The enabling rules are asked again whenever a menu opens.
    connect(menu, &QMenu::aboutToShow, router_, &CCommandRouter::Update);
    menu->installEventFilter(menuStatusTips_);
    for (int id : menuInfo.items) {
      if (id == kSeparator) {
        menu->addSeparator();
      } else if (id == ID_FILE_MRU_FILE1) {
        fileMenu_ = menu;
        for (int slot = 0; slot < kRecentFileCount; ++slot) {
          menu->addAction(router_->Action(ID_FILE_MRU_FILE1 + slot));
        }
      } else {
        menu->addAction(router_->Action(id));
      }
    }
  }
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(32, 32));
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  for (int id : ToolBarButtons()) {
    QAction* action = router_->Action(id);
    action->setIcon(CommandIcon(id));
    // Menus keep their plain look, so their ticks show as ticks.
    action->setIconVisibleInMenu(false);
    toolBar_->addAction(action);
  }
  NameToolBarButtons(*toolBar_);
  addToolBar(Qt::TopToolBarArea, toolBar_);
  setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
}

void CMainFrame::BuildStatusBar() { indicators_ = new CStatusIndicators(statusBar()); }

void CMainFrame::ConnectDocument() {
  connect(documents_, &CDocumentManager::documentReplaced, this,
          [this] { view_->OnInitialUpdate(); });
  connect(documents_, &CDocumentManager::titleChanged, this, &CMainFrame::UpdateCaption);
  connect(documents_, &CDocumentManager::recentFilesChanged, this,
          &CMainFrame::UpdateRecentFileMenu);
  connect(router_, &CCommandRouter::commandFinished, this,
          [this] { documents_->OnCommandFinished(); });
}

void CMainFrame::DocumentChanged(const CAerodexDoc&) { OnUpdateAllViews(); }

void CMainFrame::OnUpdateAllViews() {
  view_->Redraw();
  router_->Update();
  UpdateCaption();
  port_.RecheckLog();
}

void CMainFrame::UpdateCaption() {
  // Qt shows "[*]" as "*" while the window is modified and drops it otherwise.
  setWindowTitle(documents_->Title() + QStringLiteral("[*]") + documents_->CaptionMark() +
                 QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
  setWindowModified(doc_.IsModified());
}

}  // namespace aerodex
