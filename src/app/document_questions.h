// SPDX-License-Identifier: GPL-3.0-or-later
// The questions and notices of the window's document handling that keep a
// log safe: a log that another aerodex has open, a file changed on disk by
// another program, unsaved work left by a crash, and the notices of
// snapshots or kept versions that could not be written.
#pragma once

#include <QString>
#include <ctime>

#include "files/log_lock.h"

namespace aerodex {

QString LockedLogQuestion(const QString& name, const LockHolder& holder);
QString SaveOverLockedLogQuestion(const QString& name, const LockHolder& holder);
QString ChangedOnDiskQuestion(const QString& name);
QString ReloadChangedLogQuestion(const QString& name);
// What a recovery snapshot holds against its log on disk.
struct RecoveryFacts {
  QString logPath;  // empty: the work was on an untitled log
  std::time_t written = 0;
  int flights = 0;          // in the snapshot
  int logFlights = -1;      // in the log on disk; -1: it is gone or cannot be read
  bool logChanged = false;  // the log's content differs from where the work began
};
QString RecoveryQuestion(const RecoveryFacts& facts);
QString DamagedSnapshotNotice(const QString& logPath, const QString& reason);
QString SnapshotNotFiledNotice(const QString& reason);
// A log that can be read but not locked, or not written at all.
QString UnlockedLogNotice(const QString& name, const QString& problem);
QString ReadOnlyLogNotice(const QString& name, const QString& reason);
QString ReadOnlySaveNotice(const QString& name, const QString& reason);
QString SnapshotFailedNotice(const QString& reason);

// "12/7/2026 18:14": month/day/year as the program writes dates, then the time.
QString DateAndTime(std::time_t time);

}  // namespace aerodex
