// SPDX-License-Identifier: GPL-3.0-or-later
// CRecentFileList: the most recently used logs, newest first, at most four,
// and the short form of a path that the File menu shows.
#pragma once

#include <QString>
#include <QStringList>

namespace aerodex {

class CRecentFileList {
 public:
  explicit CRecentFileList(int capacity);

  // Puts path first, dropping an earlier mention of it and the oldest entry
  // beyond the capacity.
  void Add(const QString& path);
  // Whether the settings file can give the name back exactly.
  static bool CanKeep(const QString& path);
  void Remove(int index);
  void SetFiles(const QStringList& files);
  const QStringList& Files() const { return files_; }
  int Capacity() const { return capacity_; }
  bool IsEmpty() const { return files_.isEmpty(); }

  // The path as the menu shows it: without its folder when it lies in
  // currentDir, otherwise with middle folders replaced by "..." until it
  // fits in maxLength characters; a name that is too long alone is cut.
  static QString DisplayName(const QString& path, const QString& currentDir, int maxLength = 30);

 private:
  int capacity_;
  QStringList files_;
};

}  // namespace aerodex
