// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of file handling: the recent-file entries of the
// File menu, files dropped on the window, and the question before closing.
// Also the two small windows it opens itself: About and the help.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/about_dialog.h"
#include "app/app_settings.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/document_manager.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/recent_file_list.h"

namespace aerodex {
namespace {

QString MenuEscaped(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// The first local file of a drag that is a log.
QString DroppedLog(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String(kFileExtension), Qt::CaseInsensitive) == 0) {
      return path;
    }
  }
  return {};
}

}  // namespace

void CMainFrame::UpdateRecentFileMenu() {
  const QStringList& files = recentFiles_.Files();
  const QString currentDir = QDir::currentPath();
  for (int slot = 0; slot < kRecentFileCount; ++slot) {
    QAction* action = router_->Action(ID_FILE_MRU_FILE1 + slot);
    if (slot < files.size()) {
      const QString name = CRecentFileList::DisplayName(files[slot], currentDir);
      action->setText(QStringLiteral("&%1 %2").arg(slot + 1).arg(MenuEscaped(name)));
      action->setVisible(true);
    } else {
      // With no recent file the slot stays, greyed, as "Recent File".
      action->setText(QString::fromLatin1(FindCommand(ID_FILE_MRU_FILE1)->menuText));
      action->setVisible(slot == 0);
    }
  }
  router_->Update();
  settings_.SaveRecentFiles(files, kRecentFileCount);
  settings_.Sync();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!documents_->SaveModified()) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  SaveWindowPlacement();
  documents_->Close();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedLog(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedLog(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  documents_->OpenDocumentFile(path);
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dialog(this);
  dialog.exec();
}

void CMainFrame::OnHelp() {
  if (!help_) help_ = new CHelpWindow(this);
  help_->ShowTopic();
}

}  // namespace aerodex
