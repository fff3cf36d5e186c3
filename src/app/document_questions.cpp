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

QString RecoveryQuestion(const QString& logPath, std::time_t written) {
  const QString what = logPath.isEmpty() ? QStringLiteral("an untitled log") : logPath;
  return QStringLiteral(
             "aerodex did not close normally. Unsaved changes to %1 from %2 can be recovered. "
             "Confirm to open them, Cancel to discard them.")
      .arg(what, DateAndTime(written));
}

QString SnapshotFailedNotice(const QString& reason) {
  return QStringLiteral(
             "Unsaved changes cannot be kept for recovery after a crash. %1 Save the log to keep "
             "them safe.")
      .arg(reason);
}

}  // namespace aerodex
