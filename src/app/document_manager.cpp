#include "app/document_manager.h"

#include <QFile>
#include <QFileInfo>

#include "app/command_table.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "model/document_file.h"

namespace aerodex {

CDocumentManager::CDocumentManager(CAerodexDoc& doc, CFrameDialogs& dialogs,
                                   CRecentFileList& recentFiles, QObject* parent)
    : QObject(parent), doc_(doc), dialogs_(dialogs), recentFiles_(recentFiles) {}

QString CDocumentManager::Title() const {
  return path_.isEmpty() ? QString::fromLatin1(kUntitled) : QFileInfo(path_).fileName();
}

bool CDocumentManager::SaveModified() {
  if (!doc_.IsModified()) return true;
  switch (dialogs_.AskSaveChanges(Title())) {
    case SaveAnswer::kYes:
      return OnFileSave();
    case SaveAnswer::kNo:
      return true;
    case SaveAnswer::kCancel:
      break;
  }
  return false;
}

void CDocumentManager::NewDocument() {
  doc_.OnNewDocument();
  path_.clear();
  emit documentReplaced();
  emit titleChanged();
}

void CDocumentManager::OnFileNew() {
  if (SaveModified()) NewDocument();
}

void CDocumentManager::OnFileOpen() {
  const QString path = dialogs_.ChooseOpenFile();
  if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CDocumentManager::OpenDocumentFile(const QString& path) {
  return DoOpen(path) == OpenStatus::kOpened;
}

CDocumentManager::OpenStatus CDocumentManager::DoOpen(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (!path_.isEmpty() && QFileInfo(path_) == QFileInfo(absolute)) return OpenStatus::kOpened;
  if (!SaveModified()) return OpenStatus::kCancelled;

  QFile probe(absolute);
  if (!probe.open(QIODevice::ReadOnly)) {
    // Nothing of the open log has been touched yet: it stays as it was.
    dialogs_.ShowMessage(QString::fromLatin1(kFailedToOpen));
    return OpenStatus::kFailed;
  }
  probe.close();

  // A damaged file may have half-filled the pilot record before the reader
  // stopped; the empty log that replaces it keeps the particulars it had.
  const CPilotInfo pilot = doc_.pilot;
  const std::string lastNNumber = doc_.lastNNumber;
  const FileResult result = aerodex::OpenDocumentFile(doc_, ToLocalPath(absolute));
  if (!result.ok) {
    dialogs_.ShowMessage(FromCp1252(result.message));
    doc_.pilot = pilot;
    doc_.lastNNumber = lastNNumber;
    NewDocument();
    return OpenStatus::kFailed;
  }
  path_ = absolute;
  AddToRecent(absolute);
  emit documentReplaced();
  emit titleChanged();
  return OpenStatus::kOpened;
}

bool CDocumentManager::OpenRecentFile(int index) {
  if (index < 0 || index >= recentFiles_.Files().size()) return false;
  const QString path = recentFiles_.Files().at(index);
  const OpenStatus status = DoOpen(path);
  if (status == OpenStatus::kFailed) {
    recentFiles_.Remove(recentFiles_.Files().indexOf(path));
    emit recentFilesChanged();
  }
  return status == OpenStatus::kOpened;
}

bool CDocumentManager::OnFileSave() { return path_.isEmpty() ? OnFileSaveAs() : DoSave(path_); }

bool CDocumentManager::OnFileSaveAs() {
  QString path = dialogs_.ChooseSaveFile(path_.isEmpty() ? QString() : path_);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kFileExtension);
  return DoSave(QFileInfo(path).absoluteFilePath());
}

bool CDocumentManager::DoSave(const QString& path) {
  const FileResult result = SaveDocumentFile(doc_, ToLocalPath(path));
  if (!result.ok) {
    dialogs_.ShowMessage(FromCp1252(result.message));
    return false;
  }
  doc_.SetModifiedFlag(false);
  path_ = path;
  AddToRecent(path);
  emit titleChanged();
  return true;
}

void CDocumentManager::AddToRecent(const QString& path) {
  recentFiles_.Add(path);
  emit recentFilesChanged();
}

}  // namespace aerodex
