// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace aerodex {

CRecentFileList::CRecentFileList(int capacity) : capacity_(capacity) {}

// The settings file keeps one name a line, trimmed: a name with a line break
// or another control character, or blanks at either end, would come back as
// another file's name, so it is not listed.
bool CRecentFileList::CanKeep(const QString& path) {
  if (path.isEmpty() || path.front().isSpace() || path.back().isSpace()) return false;
  return std::none_of(path.cbegin(), path.cend(),
                      [](QChar c) { return c.category() == QChar::Other_Control; });
}

void CRecentFileList::Add(const QString& path) {
  if (!CanKeep(path)) return;
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
    if (CanKeep(file) && !files_.contains(file) && files_.size() < capacity_) files_.append(file);
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
