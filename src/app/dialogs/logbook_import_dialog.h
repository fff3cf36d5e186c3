// SPDX-License-Identifier: GPL-3.0-or-later
// CLogbookImportDialog: the preview of "Import from Another Logbook...". It
// shows the plan of the import (import/logbook_import.h) before anything is
// written: the format, separator and encoding found; every column with the
// field it goes to, each changeable (a field, "keep in remarks" or "ignore",
// which plans the file again); the flights as they will be stored (the first
// few hundred); the aircraft to be created, each untickable; duplicates, bad
// rows and warnings; the log's totals before and after. Import keeps the
// ticks in the plan and accepts; Cancel changes nothing.
#pragma once

#include <QDialog>

#include "import/logbook_commands.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace aerodex {

class CLogbookImportDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kShownFlights = 300;

  CLogbookImportDialog(import::CImportPlan& plan, import::CImportOptions& options,
                       import::Replan replan, QWidget* parent = nullptr);

  // Gives column `column` another meaning and plans the file again.
  void SetMeaning(int column, import::Meaning meaning);

  QLabel* SourceLine() const { return source_; }
  QTabWidget* Tabs() const { return tabs_; }
  QTableWidget* Columns() const { return columns_; }
  QTableWidget* Flights() const { return flights_; }
  QListWidget* Aircraft() const { return aircraft_; }
  QPlainTextEdit* Findings() const { return findings_; }
  QLabel* Totals() const { return totals_; }
  QPushButton* ImportButton() const { return importButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

  void accept() override;

 private:
  void Refill();
  void FillColumns();
  void FillFlights();
  void FillAircraft();
  void FillFindings();

  import::CImportPlan& plan_;
  import::CImportOptions& options_;
  import::Replan replan_;
  QLabel* source_;
  QTabWidget* tabs_;
  QTableWidget* columns_;
  QTableWidget* flights_;
  QListWidget* aircraft_;
  QPlainTextEdit* findings_;
  QLabel* totals_;
  QPushButton* importButton_;
  QPushButton* cancelButton_;
};

}  // namespace aerodex
