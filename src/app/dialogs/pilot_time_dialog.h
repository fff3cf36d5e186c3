// SPDX-License-Identifier: GPL-3.0-or-later
// CPilotTimeDialog: "Record of Pilot Time (8710)", the FAA Form 8710-1's
// record laid out like the form (the kinds of aircraft down, the form's
// columns across), the totals by class under it and the assumptions last.
// "Whole log" or a From/To date range recomputes it at once. Copy puts it on
// the clipboard as tab-separated lines; Print hands the shown report to the
// printing path the caller gives. It reads the document and changes nothing.
#pragma once

#include <QDialog>
#include <functional>

#include "model/document.h"
#include "stats/pilot_time.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace aerodex {

class CPilotTimeDialog : public QDialog {
  Q_OBJECT

 public:
  using PrintReport = std::function<void(QWidget* over, const stats::PilotTimeReport&)>;

  CPilotTimeDialog(const CAerodexDoc& doc, PrintReport print, QWidget* parent = nullptr);

  const stats::PilotTimeReport& Report() const { return report_; }
  QCheckBox* WholeLogBox() const { return wholeLog_; }
  QDateEdit* FromEdit() const { return from_; }
  QDateEdit* ToEdit() const { return to_; }
  QTableWidget* Grid() const { return grid_; }
  QTableWidget* ClassGrid() const { return classes_; }
  QLabel* Notes() const { return notes_; }
  QPushButton* CopyButton() const { return copy_; }
  QPushButton* PrintButton() const { return print_; }
  QPushButton* CloseButton() const { return close_; }

 private:
  void BuildGrid();
  QWidget* BuildRange();
  void Recompute();
  void ShowReport();

  const CAerodexDoc& doc_;
  PrintReport printReport_;
  stats::PilotTimeReport report_;
  QCheckBox* wholeLog_;
  QDateEdit* from_;
  QDateEdit* to_;
  QTableWidget* grid_;
  QTableWidget* classes_;
  QLabel* notes_;
  QPushButton* copy_;
  QPushButton* print_;
  QPushButton* close_;
};

}  // namespace aerodex
