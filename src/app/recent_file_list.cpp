#include "app/recent_file_list.h"

#include <QDir>
#include <QFileInfo>

namespace aerodex {

CRecentFileList::CRecentFileList(int capacity) : capacity_(capacity) {}

void CRecentFileList::Add(const QString& path) {
  if (path.isEmpty()) return;
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > capacity_) files_.removeLast();
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < files_.size()) files_.removeAt(index);
}

void CRecentFileList::SetFiles(const QStringList& files) {
  files_.clear();
  for (const QString& file : files) {
    if (!file.isEmpty() && !files_.contains(file) && files_.size() < capacity_) files_.append(file);
  }
}

namespace {

QString CutToLength(const QString& text, int maxLength) {
  if (text.size() <= maxLength) return text;
  return text.left(maxLength - 3) + QStringLiteral("...");
}

}  // namespace

QString CRecentFileList::DisplayName(const QString& path, const QString& currentDir,
                                     int maxLength) {
  const QFileInfo info(path);
  const QString name = info.fileName();
  if (!currentDir.isEmpty() &&
      QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(currentDir)) {
    return CutToLength(name, maxLength);
  }
  if (path.size() <= maxLength) return path;

  // Keep the root and as many of the last folders as fit: "/home/.../logs/a.adx".
  QStringList parts = path.split(QLatin1Char('/'));
  QString root = parts.takeFirst() + QLatin1Char('/');
  if (parts.size() > 1) root += parts.takeFirst() + QLatin1Char('/');
  const QString ellipsis = QStringLiteral(".../");
  while (parts.size() > 1) {
    parts.removeFirst();
    const QString candidate = root + ellipsis + parts.join(QLatin1Char('/'));
    if (candidate.size() <= maxLength) return candidate;
  }
  return CutToLength(name, maxLength);
}

}  // namespace aerodex
