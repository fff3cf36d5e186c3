// SPDX-License-Identifier: GPL-3.0-or-later
// CImportFileDialog: the file-open dialog of "Import from Unix...". Its file
// name box is preset to "*.aerodex", a name typed without an extension gets
// ".aerodex", and the file-type list holds only all files. A pattern typed
// into the name box (the preset one included) filters the files shown
// instead of being taken for a file name.
#pragma once

#include <QFileDialog>
#include <string>

namespace aerodex {

class CImportFileDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit CImportFileDialog(QWidget* parent = nullptr);

  void accept() override;
};

// Runs the dialog; on Open, path holds the chosen file's local 8-bit name.
bool RunImportFileDialog(QWidget* parent, std::string& path);

}  // namespace aerodex
