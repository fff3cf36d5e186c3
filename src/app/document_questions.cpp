// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document_questions.h"

#include "app/qt_text.h"
#include "model/clock.h"

namespace aerodex {
namespace {

QString Holder(const LockHolder& holder) { return QString::fromStdString(holder.Describe()); }

}  // namespace

QString DateAndTime(std::time_t time) {
  const std::tm local = ToLocalTime(time);
  return QStringLiteral("%1/%2/%3 %4:%5")
      .arg(local.tm_mon + 1)
      .arg(local.tm_mday)
      .arg(local.tm_year + 1900)
      .arg(local.tm_hour, 2, 10, QLatin1Char('0'))
      .arg(local.tm_min, 2, 10, QLatin1Char('0'));
}

QString LockedLogQuestion(const QString& name, const LockHolder& holder) {
  return QStringLiteral(
             "%1 is already open in aerodex (%2). If both save it, the changes of one are "
             "lost. Confirm to open it anyway, Cancel to leave it.")
      .arg(name, Holder(holder));
}

QString SaveOverLockedLogQuestion(const QString& name, const LockHolder& holder) {
  return QStringLiteral(
             "%1 is open in aerodex (%2). Saving over it makes that window lose its changes. "
             "Confirm to save over it anyway, Cancel to keep it.")
      .arg(name, Holder(holder));
}

QString ChangedOnDiskQuestion(const QString& name) {
  return QStringLiteral(
             "%1 has been changed on disk by another program since it was opened or saved "
             "here. Confirm to overwrite it with the log in this window, Cancel to keep the file "
             "as it is (Save As can save this log under another name).")
      .arg(name);
}

QString ReloadChangedLogQuestion(const QString& name) {
  return QStringLiteral(
             "%1 has been changed on disk by another program. Confirm to reload it and lose the "
             "changes made here, Cancel to keep working on them.")
      .arg(name);
}

namespace {

QString LogName(const QString& logPath) {
  return logPath.isEmpty() ? QStringLiteral("an untitled log") : logPath;
}

QString Flights(int count) {
  return count == 1 ? QStringLiteral("1 flight") : QStringLiteral("%1 flights").arg(count);
}

QString WhatTheyHold(const RecoveryFacts& facts) {
  QString text = QStringLiteral("They hold %1").arg(Flights(facts.flights));
  if (facts.logPath.isEmpty()) return text + QLatin1Char('.');
  if (facts.logFlights < 0) return text + QStringLiteral("; the log itself cannot be read now.");
  return text + QStringLiteral("; the log on disk holds %1.").arg(Flights(facts.logFlights));
}

}  // namespace

QString RecoveryQuestion(const RecoveryFacts& facts) {
  QString text = QStringLiteral(
                     "aerodex did not close normally. Unsaved changes to %1 from %2 can be "
                     "recovered. %3")
                     .arg(LogName(facts.logPath), DateAndTime(facts.written), WhatTheyHold(facts));
  if (facts.logChanged) {
    text += QStringLiteral(
        " The log has been changed since; recovered work opens as unsaved changes and the next "
        "save will ask before replacing it.");
  }
  return text + QStringLiteral(
                    "\n\nRecover opens them. Discard keeps them among the log's earlier versions "
                    "(aerodex-cli backups lists them).");
}

QString DamagedSnapshotNotice(const QString& logPath, const QString& reason) {
  return QStringLiteral(
             "The unsaved changes to %1 could not be read: %2 They are kept among the log's "
             "earlier versions.")
      .arg(LogName(logPath), reason);
}

QString SnapshotNotFiledNotice(const QString& reason) {
  return QStringLiteral(
             "The unsaved changes could not be kept among the log's earlier versions. %1 They "
             "stay to be offered again at the next start.")
      .arg(reason);
}

QString UnlockedLogNotice(const QString& name, const QString& problem) {
  return QStringLiteral(
             "%1 cannot be locked. %2 Another aerodex or aerodex-cli could change it while it is "
             "open here.")
      .arg(name, problem);
}

QString ReadOnlyLogNotice(const QString& name, const QString& reason) {
  return QStringLiteral(
             "%1 is in a folder where nothing can be written. %2 It is open read-only: Save As "
             "can keep changes elsewhere.")
      .arg(name, reason);
}

QString ReadOnlySaveNotice(const QString& name, const QString& reason) {
  return QStringLiteral("%1 cannot be saved where it is. %2 Choose where to save it.")
      .arg(name, reason);
}

QString SnapshotFailedNotice(const QString& reason) {
  return QStringLiteral(
             "Unsaved changes cannot be kept for recovery after a crash. %1 Save the log to keep "
             "them safe.")
      .arg(reason);
}

}  // namespace aerodex
