// SPDX-License-Identifier: GPL-3.0-or-later
// CAppSettings: what the program keeps between runs, in an INI file in the
// user's configuration folder (aerodex.ini): the recent-file list in section
// "Recent File List" (keys File1 to File4, newest first) and the print
// preview's page count in "Settings" / "PreviewPages" and the main window's
// last geometry in "Settings" / "WindowGeometry" (base64), and whether the
// page is fitted to the window's width in "Settings" / "FitPageWidth". Section names are
// written as they are, spaces included, as other INI readers expect them.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace aerodex {

class CAppSettings {
 public:
  // The default file: aerodex.ini in the user's configuration folder.
  static QString DefaultPath();

  explicit CAppSettings(const QString& iniPath = DefaultPath());
  ~CAppSettings();

  QStringList LoadRecentFiles(int count) const;
  void SaveRecentFiles(const QStringList& files, int count);
  // Pages side by side in print preview: 1 or 2 (1 when never set).
  int PreviewPages() const;
  void SetPreviewPages(int pages);
  // The main window's last geometry (QWidget::saveGeometry), empty when never kept.
  QByteArray WindowGeometry() const;
  void SetWindowGeometry(const QByteArray& geometry);
  // Whether the log's page fills the window's width (false when never set).
  bool FitPageWidth() const;
  void SetFitPageWidth(bool fit);

  QString FileName() const;
  // Writes pending changes to disk now.
  void Sync();

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace aerodex
