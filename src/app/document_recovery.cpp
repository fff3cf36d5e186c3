// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery side of CDocumentManager: the snapshot of unsaved work after
// every command, and the offer, at the next start, of the work that a crash
// left behind. A snapshot is offered whenever its work is not in its log,
// whatever the files' times say; no answer deletes it: Discard files it among
// the log's earlier versions, and so does Recover, before the work opens.
#include "app/document_manager.h"
#include "app/document_questions.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "model/document_archive.h"
#include "model/document_file.h"
#include "model/log_session.h"

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
  const FileResult written = session_.WriteSnapshot();
  if (written.ok || snapshotProblemShown_) return;
  snapshotProblemShown_ = true;  // said once; the work itself is unharmed
  dialogs_.ShowMessage(SnapshotFailedNotice(LocalText(written.message)));
}

bool CDocumentManager::OfferRecovery() {
  bool recovered = false;
  for (const RecoverySnapshot& snapshot : session_.RecoveryStore().FindOrphans()) {
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
    session_.RecoveryStore().Discard(snapshot);  // every change in it was saved
    return false;
  }
  RecoveryFacts facts;
  facts.logPath = logPath;
  facts.written = snapshot.time;
  facts.flights = flights;
  facts.logFlights = log.exists ? FlightsIn(log.bytes) : -1;
  facts.logChanged = log.exists && LeftItsBase(snapshot, log.bytes, log.stamp);
  if (dialogs_.AskRecovery(RecoveryQuestion(facts)) == RecoveryAnswer::kDiscard) {
    FileAway(snapshot);
    return false;
  }
  return RecoverSnapshot(snapshot);
}

CDocumentManager::LogOnDisk CDocumentManager::ReadLogOnDisk(const std::string& path) {
  LogOnDisk log;
  if (!path.empty()) log.exists = ReadWholeFile(path, log.bytes, &log.stamp).ok;
  return log;
}

bool CDocumentManager::FileAway(const RecoverySnapshot& snapshot) {
  const FileResult kept = session_.FileAway(snapshot);
  if (!kept.ok) dialogs_.ShowMessage(SnapshotNotFiledNotice(LocalText(kept.message)));
  return kept.ok;
}

// Opens the recovered work as a modified log under its original path, under
// the lock this window holds for it already or takes now; where it cannot,
// the snapshot is kept for a later start.
bool CDocumentManager::RecoverSnapshot(const RecoverySnapshot& snapshot) {
  if (!SaveModified()) return false;
  declined_ = false;
  if (const FileResult recovered = session_.Recover(snapshot); !recovered.ok) {
    if (!declined_) {
      dialogs_.ShowMessage(
          DamagedSnapshotNotice(LocalText(snapshot.logPath), LocalText(recovered.message)));
    }
    return false;
  }
  WriteSnapshot();
  NoteWritability();
  emit documentReplaced();
  emit titleChanged();
  return true;
}

}  // namespace aerodex
