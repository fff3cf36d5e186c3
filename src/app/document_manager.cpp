// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document_manager.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "app/command_table.h"
#include "app/document_questions.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "files/atomic_write.h"
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
      recovery_(recoveryStore_.Folder()) {}

CDocumentManager::~CDocumentManager() { Close(); }

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
  lock_.reset();
  stamp_ = {};
  baseHash_.clear();
  readOnlyReason_.clear();
  DropSnapshot();
  emit documentReplaced();
  emit titleChanged();
}

void CDocumentManager::Close() {
  lock_.reset();
  DropSnapshot();
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
  if (SameFile(path_, absolute)) return ReopenIfChanged();
  std::unique_ptr<CLogLock> lock = LockFor(absolute, false);
  if (!lock) return OpenStatus::kCancelled;
  if (!SaveModified()) return OpenStatus::kCancelled;
  return LoadFile(absolute, std::move(lock));
}

// The open log chosen again: nothing to do unless its file changed on disk.
CDocumentManager::OpenStatus CDocumentManager::ReopenIfChanged() {
  if (!ChangedSince(stamp_, ToLocalPath(path_))) return OpenStatus::kOpened;
  if (doc_.IsModified() && !dialogs_.AskConfirmation(ReloadChangedLogQuestion(Title()))) {
    return OpenStatus::kCancelled;
  }
  const QString path = path_;
  return LoadFile(path, std::move(lock_));
}

// Asks first when another aerodex holds the log. Null when the user chose
// not to go on; otherwise the lock, held unless the user chose to go on
// without it.
std::unique_ptr<CLogLock> CDocumentManager::LockFor(const QString& path, bool saving) {
  auto lock = std::make_unique<CLogLock>();
  if (lock->Acquire(ToLocalPath(path)).code != FileCode::kLockedByAnother) return lock;
  const QString name = QFileInfo(path).fileName();
  const QString question = saving ? SaveOverLockedLogQuestion(name, lock->Holder())
                                  : LockedLogQuestion(name, lock->Holder());
  if (!dialogs_.AskConfirmation(question)) return nullptr;
  return lock;
}

CDocumentManager::OpenStatus CDocumentManager::LoadFile(const QString& absolute,
                                                        std::unique_ptr<CLogLock> lock) {
  const std::string local = ToLocalPath(absolute);
  std::string bytes;
  FileStamp stamp;
  if (const FileResult read = ReadWholeFile(local, bytes, &stamp); !read.ok) {
    // Nothing of the open log has been touched yet: it stays as it was.
    if (!lock_ && SameFile(path_, absolute)) lock_ = std::move(lock);
    // Named under the message: at start-up or from the recent list the
    // user may not know which file was meant.
    dialogs_.ShowMessage(ReasonText(WithReason(kFailedToOpen, read.message)) + QLatin1Char('\n') +
                         QDir::toNativeSeparators(absolute));
    return OpenStatus::kFailed;
  }
  // A damaged file may have half-filled the pilot record before the reader
  // stopped; the empty log that replaces it keeps the particulars it had.
  const CPilotInfo pilot = doc_.pilot;
  const std::string lastNNumber = doc_.lastNNumber;
  if (const FileResult loaded = LoadDocumentBytes(doc_, bytes); !loaded.ok) {
    dialogs_.ShowMessage(FromCp1252(loaded.message));
    doc_.pilot = pilot;
    doc_.lastNNumber = lastNNumber;
    NewDocument();
    return OpenStatus::kFailed;
  }
  std::string target;
  if (ResolveLinks(local, target).ok) RemoveStaleTemporaries(target);
  Adopt(absolute, std::move(lock), stamp);
  baseHash_ = ContentHash(bytes);
  AddToRecent(absolute);
  DropSnapshot();
  NoteWritability();
  emit documentReplaced();
  emit titleChanged();
  return OpenStatus::kOpened;
}

void CDocumentManager::Adopt(const QString& path, std::unique_ptr<CLogLock> lock,
                             const FileStamp& stamp) {
  path_ = path;
  lock_ = std::move(lock);
  stamp_ = stamp;
}

QString CDocumentManager::CaptionMark() const {
  if (!readOnlyReason_.isEmpty()) return QStringLiteral(" [read-only]");
  if (lock_ && !lock_->IsHeld() && !lock_->Problem().empty())
    return QStringLiteral(" [not locked]");
  return {};
}

// Said once as a log opens: it cannot be saved where it is, or it is not
// protected against a second writer.
void CDocumentManager::NoteWritability() {
  readOnlyReason_ = path_.isEmpty() ? QString() : FolderReadOnlyReason(path_);
  if (!readOnlyReason_.isEmpty()) {
    dialogs_.ShowMessage(ReadOnlyLogNotice(Title(), readOnlyReason_));
  } else if (lock_ && !lock_->IsHeld() && !lock_->Problem().empty()) {
    dialogs_.ShowMessage(UnlockedLogNotice(Title(), ReasonText(lock_->Problem())));
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
  if (path_.isEmpty()) return OnFileSaveAs();
  if (!readOnlyReason_.isEmpty()) {
    dialogs_.ShowMessage(ReadOnlySaveNotice(Title(), readOnlyReason_));
    return OnFileSaveAs();
  }
  return DoSave(path_);
}

bool CDocumentManager::OnFileSaveAs() {
  // The dialog proposes the log's own name; a new log's is "Untitled.adx".
  const QString proposal =
      path_.isEmpty() ? Title() + QLatin1Char('.') + QLatin1String(kFileExtension) : path_;
  QString path = dialogs_.ChooseSaveFile(proposal);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kFileExtension);
  return DoSave(QFileInfo(path).absoluteFilePath());
}

// Whether the file at path may be replaced: this log's own file unless
// another program changed it meanwhile, another file unless another aerodex
// has it open (asking in both cases). lock receives the lock of another file.
bool CDocumentManager::MayOverwrite(const QString& path, std::unique_ptr<CLogLock>& lock) {
  if (!SameFile(path, path_)) {
    lock = LockFor(path, true);
    return lock != nullptr;
  }
  if (!ChangedSince(stamp_, ToLocalPath(path))) return true;
  if (dialogs_.AskConfirmation(ChangedOnDiskQuestion(Title()))) return true;
  // The window's log now differs from the file: it stays to be saved elsewhere.
  doc_.SetModifiedFlag(true);
  emit titleChanged();
  return false;
}

bool CDocumentManager::DoSave(const QString& path) {
  std::unique_ptr<CLogLock> newLock;
  if (!MayOverwrite(path, newLock)) return false;
  SaveOptions options;
  options.backups = &backups_;
  options.now = doc_.Clock().Now();
  // What this window last read or wrote is what the save replaces, unless
  // another program changed it since (and the user chose to save over it).
  if (SameFile(path, path_) && !ChangedSince(stamp_, ToLocalPath(path))) {
    options.replacedHash = baseHash_;
  }
  const SavedFile saved = SaveDocumentFile(doc_, ToLocalPath(path), options);
  if (!saved.ok) {
    dialogs_.ShowMessage(ReasonText(saved.message));
    return false;
  }
  if (newLock) {
    lock_ = std::move(newLock);
  } else if (lock_ && !lock_->IsHeld()) {
    // The other window may have closed it since; where it has not, the log
    // stays as unlocked as it was, and the caption says so.
    [[maybe_unused]] const FileResult relocked = lock_->Acquire(ToLocalPath(path));
  }
  stamp_ = saved.stamp;
  baseHash_ = saved.contentHash;
  readOnlyReason_.clear();  // it was just written there
  doc_.SetModifiedFlag(false);
  path_ = path;
  DropSnapshot();
  AddToRecent(path);
  emit titleChanged();
  if (!saved.backupProblem.empty()) dialogs_.ShowMessage(ReasonText(saved.backupProblem));
  return true;
}

void CDocumentManager::AddToRecent(const QString& path) {
  recentFiles_.Add(path);
  emit recentFilesChanged();
}

}  // namespace aerodex
