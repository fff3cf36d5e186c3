// SPDX-License-Identifier: GPL-3.0-or-later
// CImportReportDialog: the report that follows "Import from Unix...", read
// only, in a fixed-pitch box the pilot can scroll and select in. "Copy" puts
// the whole report on the clipboard (to keep it or send it on); OK closes.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace aerodex {

class CImportReportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CImportReportDialog(const QString& report, QWidget* parent = nullptr);

  QString ReportText() const;
  QPlainTextEdit* ReportBox() const { return text_; }
  QPushButton* CopyButton() const { return copyButton_; }
  QPushButton* OkButton() const { return okButton_; }

 private:
  QPlainTextEdit* text_;
  QPushButton* copyButton_;
  QPushButton* okButton_;
};

}  // namespace aerodex
