// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/import_file_dialog.h"

#include <QFileInfo>

#include "app/qt_text.h"

namespace aerodex {

CImportFileDialog::CImportFileDialog(QWidget* parent) : QFileDialog(parent) {
  setWindowTitle(QStringLiteral("Import from Unix"));
  // Qt's own dialog on every desktop: the preset pattern and the filtering
  // below behave the same everywhere.
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  setNameFilter(QStringLiteral("All Files (*)"));
  setDefaultSuffix(QStringLiteral("aerodex"));
  selectFile(QStringLiteral("*.aerodex"));
}

void CImportFileDialog::accept() {
  const QString typed = QFileInfo(selectedFiles().value(0)).fileName();
  if (typed.contains(u'*') || typed.contains(u'?')) {
    setNameFilter(typed);  // show the files that match; stay open
    return;
  }
  QFileDialog::accept();
}

bool RunImportFileDialog(QWidget* parent, std::string& path) {
  CImportFileDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = ToLocalPath(dialog.selectedFiles().front());
  return true;
}

}  // namespace aerodex
