// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document_manager.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "app/command_table.h"
#include "app/document_questions.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "files/file_paths.h"
#include "model/document_file.h"

namespace aerodex {
namespace {

QString ReasonText(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

bool SameFile(const QString& a, const QString& b) {
  return !a.isEmpty() && !b.isEmpty() && QFileInfo(a) == QFileInfo(b);
}

// Why nothing can be written in the folder of the log at path; empty when it
// can. A folder without write permission is the user's word, even where the
// system would let root write there.
QString FolderReadOnlyReason(const QString& path) {
  std::string target;
  if (!ResolveLinks(ToLocalPath(path), target).ok) return {};
  const std::string folder = FolderOf(target);
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
    return QStringLiteral("Its folder is read-only.");
  }
  if (::access(folder.c_str(), W_OK) != 0) return ReasonText(ReasonFor(errno));
  return {};
}

}  // namespace

CDocumentManager::CDocumentManager(CAerodexDoc& doc, CFrameDialogs& dialogs,
                                   CRecentFileList& recentFiles, QObject* parent)
    : QObject(parent),
      doc_(doc),
      dialogs_(dialogs),
      recentFiles_(recentFiles),
      session_(doc, *this) {}

CDocumentManager::~CDocumentManager() { Close(); }

QString CDocumentManager::PathName() const {
  return QFile::decodeName(QByteArray::fromStdString(session_.Path()));
}

QString CDocumentManager::Title() const {
  const QString path = PathName();
  return path.isEmpty() ? QString::fromLatin1(kUntitled) : QFileInfo(path).fileName();
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
  session_.Close();
  readOnlyReason_.clear();
  emit documentReplaced();
  emit titleChanged();
}

void CDocumentManager::Close() { session_.Close(); }

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

// Another aerodex holding the log is asked about first, then the work held
// here is offered for saving, then the log is read.
CDocumentManager::OpenStatus CDocumentManager::DoOpen(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (SameFile(PathName(), absolute)) return ReopenIfChanged();
  const Particulars kept(doc_);
  declined_ = false;
  return Loaded(session_.Open(ToLocalPath(absolute)), absolute, kept);
}

// The open log chosen again: nothing to do unless its file changed on disk.
CDocumentManager::OpenStatus CDocumentManager::ReopenIfChanged() {
  if (!session_.FileChanged()) return OpenStatus::kOpened;
  if (doc_.IsModified() && !dialogs_.AskConfirmation(ReloadChangedLogQuestion(Title()))) {
    return OpenStatus::kCancelled;
  }
  const Particulars kept(doc_);
  declined_ = false;
  return Loaded(session_.Reload(), PathName(), kept);
}

CDocumentManager::OpenStatus CDocumentManager::Loaded(const FileResult& result,
                                                      const QString& absolute,
                                                      const Particulars& kept) {
  if (result.ok) {
    AddToRecent(absolute);
    NoteWritability();
    emit documentReplaced();
    emit titleChanged();
    return OpenStatus::kOpened;
  }
  if (declined_) return OpenStatus::kCancelled;
  if (!session_.DocumentLost()) {
    // Nothing of the open log has been touched: it stays as it was. Named
    // under the message: at start-up or from the recent list the user may
    // not know which file was meant.
    dialogs_.ShowMessage(ReasonText(result.message) + QLatin1Char('\n') +
                         QDir::toNativeSeparators(absolute));
    return OpenStatus::kFailed;
  }
  // A damaged file may have half-filled the pilot record before the reader
  // stopped; the empty log that replaces it keeps the particulars it had.
  dialogs_.ShowMessage(FromCp1252(result.message));
  doc_.pilot = kept.pilot;
  doc_.lastNNumber = kept.lastNNumber;
  NewDocument();
  return OpenStatus::kFailed;
}

QString CDocumentManager::CaptionMark() const {
  if (!readOnlyReason_.isEmpty()) return QStringLiteral(" [read-only]");
  const CLogLock* lock = session_.Lock();
  if (lock && !lock->IsHeld() && !lock->Problem().empty()) return QStringLiteral(" [not locked]");
  return {};
}

// Said once as a log opens: it cannot be saved where it is, or it is not
// protected against a second writer.
void CDocumentManager::NoteWritability() {
  const QString path = PathName();
  readOnlyReason_ = path.isEmpty() ? QString() : FolderReadOnlyReason(path);
  const CLogLock* lock = session_.Lock();
  if (!readOnlyReason_.isEmpty()) {
    dialogs_.ShowMessage(ReadOnlyLogNotice(Title(), readOnlyReason_));
  } else if (lock && !lock->IsHeld() && !lock->Problem().empty()) {
    dialogs_.ShowMessage(UnlockedLogNotice(Title(), ReasonText(lock->Problem())));
  }
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

bool CDocumentManager::OnFileSave() {
  if (PathName().isEmpty()) return OnFileSaveAs();
  if (!readOnlyReason_.isEmpty()) {
    dialogs_.ShowMessage(ReadOnlySaveNotice(Title(), readOnlyReason_));
    return OnFileSaveAs();
  }
  return DoSave(PathName());
}

bool CDocumentManager::OnFileSaveAs() {
  // The dialog proposes the log's own name; a new log's is "Untitled.adx".
  const QString current = PathName();
  const QString proposal =
      current.isEmpty() ? Title() + QLatin1Char('.') + QLatin1String(kFileExtension) : current;
  QString path = dialogs_.ChooseSaveFile(proposal);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kFileExtension);
  return DoSave(QFileInfo(path).absoluteFilePath());
}

bool CDocumentManager::DoSave(const QString& path) {
  declined_ = false;
  const FileResult saved =
      SameFile(path, PathName()) ? session_.Save() : session_.SaveAs(ToLocalPath(path));
  if (!saved.ok) {
    if (saved.code == FileCode::kChangedOnDisk && declined_) {
      // The window's log now differs from the file: it stays to be saved elsewhere.
      doc_.SetModifiedFlag(true);
      emit titleChanged();
    } else if (!declined_) {
      dialogs_.ShowMessage(ReasonText(saved.message));
    }
    return false;
  }
  readOnlyReason_.clear();  // it was just written there
  AddToRecent(path);
  emit titleChanged();
  if (!session_.BackupProblem().empty()) {
    dialogs_.ShowMessage(ReasonText(session_.BackupProblem()));
  }
  return true;
}

void CDocumentManager::AddToRecent(const QString& path) {
  recentFiles_.Add(path);
  emit recentFilesChanged();
}

bool CDocumentManager::ProceedDespiteHolder(const std::string& path, const LockHolder& holder,
                                            bool saving) {
  const QString name = QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
  return Answered(dialogs_.AskConfirmation(saving ? SaveOverLockedLogQuestion(name, holder)
                                                  : LockedLogQuestion(name, holder)));
}

// Opened or saved unlocked all the same: the caption and a notice say so.
bool CDocumentManager::ProceedUnlocked(const std::string&, const FileResult&) { return true; }

bool CDocumentManager::OverwriteChanged(const std::string&) {
  return Answered(dialogs_.AskConfirmation(ChangedOnDiskQuestion(Title())));
}

bool CDocumentManager::MayReplaceDocument() { return Answered(SaveModified()); }

bool CDocumentManager::Answered(bool yes) {
  if (!yes) declined_ = true;
  return yes;
}

}  // namespace aerodex
