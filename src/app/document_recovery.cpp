// The recovery side of CDocumentManager: the snapshot of unsaved work after
// every command, and the offer, at the next start, of the work that a crash
// left behind.
#include <QFileInfo>
#include <ctime>

#include "app/document_manager.h"
#include "app/document_questions.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "model/document_archive.h"
#include "model/document_file.h"

namespace aerodex {
namespace {

// A snapshot older than its log was overtaken by a later save, made by
// whatever ran since; it is filed among the log's earlier versions.
bool OvertakenByItsLog(const RecoverySnapshot& snapshot) {
  if (snapshot.logPath.empty()) return false;
  const FileStamp log = StampOf(snapshot.logPath);
  if (!log.exists) return false;
  return log.mtimeSeconds > snapshot.time ||
         (log.mtimeSeconds == snapshot.time && log.mtimeNanoseconds >= snapshot.timeNanoseconds);
}

}  // namespace

void CDocumentManager::OnCommandFinished() { WriteSnapshot(); }

void CDocumentManager::WriteSnapshot() {
  if (!doc_.IsModified() || doc_.Revision() == snapshotRevision_) return;
  snapshotRevision_ = doc_.Revision();
  if (!CheckSavable(doc_).empty()) return;  // Save will say why
  const FileResult written = recovery_.Write(SaveDocument(doc_), ToLocalPath(path_), stamp_);
  if (written.ok || snapshotProblemShown_) return;
  snapshotProblemShown_ = true;  // said once; the work itself is unharmed
  dialogs_.ShowMessage(SnapshotFailedNotice(QString::fromLocal8Bit(written.message.c_str())));
}

void CDocumentManager::DropSnapshot() {
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
}

bool CDocumentManager::OfferRecovery() {
  for (const RecoverySnapshot& snapshot : recoveryStore_.FindOrphans()) {
    if (OvertakenByItsLog(snapshot)) {
      backups_.Adopt(snapshot.logPath, snapshot.bytesPath, std::time(nullptr));
      CRecoveryStore::Discard(snapshot);
      continue;
    }
    const QString logPath = QString::fromLocal8Bit(snapshot.logPath.c_str());
    if (!dialogs_.AskConfirmation(RecoveryQuestion(logPath, snapshot.time))) {
      CRecoveryStore::Discard(snapshot);
      continue;
    }
    // One log at a time: the other snapshots wait for the next start.
    return RecoverSnapshot(snapshot);
  }
  return false;
}

// Opens the recovered work as a modified log under its original path.
bool CDocumentManager::RecoverSnapshot(const RecoverySnapshot& snapshot) {
  const QString logPath = QString::fromLocal8Bit(snapshot.logPath.c_str());
  std::unique_ptr<CLogLock> lock;
  if (!logPath.isEmpty()) {
    lock = LockFor(logPath, false);
    if (!lock) return false;  // kept for a later start
  }
  std::string bytes;
  FileResult read = ReadWholeFile(snapshot.bytesPath, bytes);
  if (read.ok) read = LoadDocumentBytes(doc_, bytes);
  if (!read.ok) {
    dialogs_.ShowMessage(QString::fromLocal8Bit(read.message.c_str()));
    CRecoveryStore::Discard(snapshot);  // unreadable: offering it again would not help
    NewDocument();
    return false;
  }
  Adopt(logPath, std::move(lock), snapshot.base);
  doc_.SetModifiedFlag(true);
  CRecoveryStore::Discard(snapshot);
  WriteSnapshot();
  emit documentReplaced();
  emit titleChanged();
  return true;
}

}  // namespace aerodex
