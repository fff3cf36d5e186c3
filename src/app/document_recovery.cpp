// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery side of CDocumentManager: the snapshot of unsaved work after
// every command, and the offer, at the next start, of the work that a crash
// left behind. A snapshot is offered whenever its work is not in its log,
// whatever the files' times say; no answer deletes it: Discard files it among
// the log's earlier versions, and so does Recover, before the work opens.
#include <QFileInfo>

#include "app/document_manager.h"
#include "app/document_questions.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "model/document_archive.h"
#include "model/document_file.h"

namespace aerodex {
namespace {

QString LocalText(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

// Flights in a log's bytes, or -1 when they are not a log.
int FlightsIn(const std::string& bytes) {
  CAerodexDoc doc;
  return LoadDocumentBytes(doc, bytes).ok ? static_cast<int>(doc.EntryCount()) : -1;
}

}  // namespace

struct CDocumentManager::LogOnDisk {
  bool exists = false;
  std::string bytes;
  FileStamp stamp;
};

void CDocumentManager::OnCommandFinished() { WriteSnapshot(); }

void CDocumentManager::WriteSnapshot() {
  if (!doc_.IsModified() || doc_.Revision() == snapshotRevision_) return;
  snapshotRevision_ = doc_.Revision();
  if (!CheckSavable(doc_).empty()) return;  // Save will say why
  const FileResult written =
      recovery_.Write(SaveDocument(doc_), ToLocalPath(path_), stamp_, baseHash_);
  if (written.ok || snapshotProblemShown_) return;
  snapshotProblemShown_ = true;  // said once; the work itself is unharmed
  dialogs_.ShowMessage(SnapshotFailedNotice(LocalText(written.message)));
}

void CDocumentManager::DropSnapshot() {
  recovery_.Remove();
  snapshotRevision_ = doc_.Revision();
}

bool CDocumentManager::OfferRecovery() {
  bool recovered = false;
  for (const RecoverySnapshot& snapshot : recoveryStore_.FindOrphans()) {
    if (OfferSnapshot(snapshot)) recovered = true;
  }
  return recovered;
}

// One snapshot: filed away silently only when its log holds exactly its
// work; otherwise asked about. True when its work was opened.
bool CDocumentManager::OfferSnapshot(const RecoverySnapshot& snapshot) {
  const QString logPath = LocalText(snapshot.logPath);
  std::string bytes;
  FileResult read = ReadWholeFile(snapshot.bytesPath, bytes);
  const int flights = read.ok ? FlightsIn(bytes) : -1;
  if (read.ok && flights < 0) read = FileResult::Failure(kUnexpectedFormat);
  if (!read.ok) {
    // The open log stays open; the damaged snapshot stays where a person can look.
    if (FileAway(snapshot)) {
      dialogs_.ShowMessage(DamagedSnapshotNotice(logPath, LocalText(read.message)));
    }
    return false;
  }
  const LogOnDisk log = ReadLogOnDisk(snapshot.logPath);
  if (log.exists && log.bytes == bytes) {
    recoveryStore_.Discard(snapshot);  // every change in it was saved
    return false;
  }
  RecoveryFacts facts;
  facts.logPath = logPath;
  facts.written = snapshot.time;
  facts.flights = flights;
  facts.logFlights = log.exists ? FlightsIn(log.bytes) : -1;
  facts.logChanged = log.exists && ChangedSinceSnapshot(snapshot, log);
  if (dialogs_.AskRecovery(RecoveryQuestion(facts)) == RecoveryAnswer::kDiscard) {
    FileAway(snapshot);
    return false;
  }
  return RecoverSnapshot(snapshot, bytes, facts.logChanged);
}

CDocumentManager::LogOnDisk CDocumentManager::ReadLogOnDisk(const std::string& path) {
  LogOnDisk log;
  if (!path.empty()) log.exists = ReadWholeFile(path, log.bytes, &log.stamp).ok;
  return log;
}

// Whether the log no longer holds the version the work began from. Snapshots
// written before they recorded a hash can only go by the file's stamp.
bool CDocumentManager::ChangedSinceSnapshot(const RecoverySnapshot& snapshot,
                                            const LogOnDisk& log) {
  if (snapshot.baseHash.empty()) return !(log.stamp == snapshot.base);
  return ContentHash(log.bytes) != snapshot.baseHash;
}

// Among the log's earlier versions, then out of the recovery folder; where it
// cannot be filed it stays, to be offered again.
bool CDocumentManager::FileAway(const RecoverySnapshot& snapshot) {
  const FileResult kept = backups_.Adopt(snapshot.logPath, snapshot.bytesPath, doc_.Clock().Now());
  if (!kept.ok) {
    dialogs_.ShowMessage(SnapshotNotFiledNotice(LocalText(kept.message)));
    return false;
  }
  recoveryStore_.Discard(snapshot);
  return true;
}

// Opens the recovered work as a modified log under its original path, under
// the lock this window holds for it already or takes now.
bool CDocumentManager::RecoverSnapshot(const RecoverySnapshot& snapshot, const std::string& bytes,
                                       bool logChanged) {
  if (!SaveModified()) return false;  // kept for a later start
  const QString logPath = LocalText(snapshot.logPath);
  std::unique_ptr<CLogLock> lock;
  if (!logPath.isEmpty()) {
    lock = OwnOrNewLock(logPath);
    if (!lock) return false;  // kept for a later start
  }
  if (const FileResult loaded = LoadDocumentBytes(doc_, bytes); !loaded.ok) {
    dialogs_.ShowMessage(DamagedSnapshotNotice(logPath, LocalText(loaded.message)));
    NewDocument();
    return false;
  }
  const LogOnDisk log = ReadLogOnDisk(snapshot.logPath);
  // Where the log changed since, the work keeps the version it began from,
  // so that the next save asks before replacing the newer file.
  Adopt(logPath, std::move(lock), logChanged ? snapshot.base : log.stamp);
  baseHash_ = logChanged ? snapshot.baseHash : ContentHash(log.bytes);
  // A copy among the versions as well, best effort: from here on the work is
  // in this window and in its own snapshot.
  [[maybe_unused]] const FileResult copied =
      backups_.Adopt(snapshot.logPath, snapshot.bytesPath, doc_.Clock().Now());
  recoveryStore_.Discard(snapshot);
  doc_.SetModifiedFlag(true);
  WriteSnapshot();
  NoteWritability();
  emit documentReplaced();
  emit titleChanged();
  return true;
}

// The lock of this window when it has the same log open (the log reopened at
// start), so that it never asks about itself; otherwise a new one.
std::unique_ptr<CLogLock> CDocumentManager::OwnOrNewLock(const QString& path) {
  if (lock_ && !path_.isEmpty() && QFileInfo(path_) == QFileInfo(path)) return std::move(lock_);
  return LockFor(path, false);
}

}  // namespace aerodex
