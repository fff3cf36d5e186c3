// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions at the Qt edge: the log's texts are Windows-1252 bytes, Qt
// speaks Unicode; file paths are the system's 8-bit names.
#pragma once

#include <QFile>
#include <QString>
#include <string>

#include "model/codepage.h"

namespace aerodex {

inline QString FromCp1252(const std::string& bytes) {
  return QString::fromStdString(Cp1252ToUtf8(bytes));
}

inline std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

inline std::string ToLocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace aerodex
