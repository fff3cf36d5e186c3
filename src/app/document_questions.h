// The questions and notices of the window's document handling that keep a
// log safe: a log that another aerodex has open, a file changed on disk by
// another program, unsaved work left by a crash, and the notices of
// snapshots or kept versions that could not be written.
#pragma once

#include <QString>
#include <ctime>

#include "model/log_lock.h"

namespace aerodex {

QString LockedLogQuestion(const QString& name, const LockHolder& holder);
QString SaveOverLockedLogQuestion(const QString& name, const LockHolder& holder);
QString ChangedOnDiskQuestion(const QString& name);
QString ReloadChangedLogQuestion(const QString& name);
// logPath empty: the work was on an untitled log.
QString RecoveryQuestion(const QString& logPath, std::time_t written);
QString SnapshotFailedNotice(const QString& reason);

// "12/7/2026 18:14": month/day/year as the program writes dates, then the time.
QString DateAndTime(std::time_t time);

}  // namespace aerodex
