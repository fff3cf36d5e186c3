// SPDX-License-Identifier: GPL-3.0-or-later
// CAboutDlg: the About box, "About aerodex": the program's picture, its name
// and version, two lines about it, and OK.
#pragma once

#include <QDialog>

#include "aerodex_version.h"

namespace aerodex {

inline constexpr const char* kVersionLine = "aerodex Version " AERODEX_VERSION;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace aerodex
