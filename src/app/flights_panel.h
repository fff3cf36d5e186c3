// SPDX-License-Identifier: GPL-3.0-or-later
// CFlightsPanel: "Flights and Totals", a dock beside the log. Its first tab
// lists the flights that pass the filters (a period or a date range,
// aircraft, make and model, class, equipment, text in the airports, route or
// remarks), sortable by any column, with their totals in the log's columns
// under the table; "Group by" shows one row per month, year, aircraft, make
// and model or class instead. Selecting a flight selects it in the log and
// scrolls to it; a double click or Enter edits it. The second tab is the
// insurer's table. Both copy to the clipboard and export as CSV. The panel
// listens to the document and follows every change of its contents.
#pragma once

#include <QDockWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/document.h"
#include "model/document_listener.h"
#include "stats/flight_query.h"
#include "stats/flight_totals.h"

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace aerodex {

class CFlightFilterBar;
class CFlightFilterProxy;
class CFrameDialogs;
class CFlightTableModel;
class CGroupTableModel;

class CFlightsPanel : public QDockWidget, private CDocumentListener {
  Q_OBJECT

 public:
  // editEntry: Edit Entry on the log's selected flight; dialogs: where the
  // CSV goes and what went wrong.
  CFlightsPanel(CAerodexDoc& doc, CFrameDialogs& dialogs, std::function<void()> editEntry,
                QWidget* parent = nullptr);
  ~CFlightsPanel() override;

  // The filters as the controls set them; "today" from the document's clock.
  stats::FlightFilter Filter() const;
  std::optional<stats::GroupBy> GroupBy() const;
  // The flights shown, and their totals.
  std::vector<std::uint32_t> ShownFlights() const;
  const stats::FlightTotals& ShownTotals() const { return totals_; }
  // What Copy and Export write: the shown table (flights or groups) with its header.
  QString TableText(bool csv) const;
  QString InsurerText(bool csv) const;
  // Writes the shown table as CSV to path, atomically; false with a message.
  bool ExportCsv(const QString& path, bool insurer, QString& error) const;

  CFlightFilterBar* Filters() const { return filters_; }
  QComboBox* PeriodBox() const;
  QComboBox* AircraftBox() const;
  QLineEdit* ModelEdit() const;
  QComboBox* ClassBox() const;
  QCheckBox* ComplexBox() const;
  QCheckBox* HighPerformanceBox() const;
  QCheckBox* TailWheelBox() const;
  QCheckBox* MultiEngineBox() const;
  QLineEdit* SearchEdit() const;
  QComboBox* GroupByBox() const { return groupBy_; }
  QTableView* Table() const { return table_; }
  QLabel* TotalsLabel() const { return totalsLine_; }
  QTabWidget* Tabs() const { return tabs_; }
  QTableWidget* InsurerPeriods() const { return insurerPeriods_; }
  QTableWidget* InsurerTimeIn() const { return insurerTimeIn_; }

 private:
  void DocumentChanged(const CAerodexDoc& doc) override;
  QWidget* BuildFlightsTab();
  QWidget* BuildFilters();
  QWidget* BuildInsurerTab();
  QWidget* ButtonRow(bool insurer);
  void Refresh();
  void ApplyFilters();
  void ShowGrouping();
  void ShowTotals();
  void FillInsurerTable();
  void FlightPicked(const QModelIndex& index, bool edit);

  void SetTableModel(QAbstractItemModel* model);
  void Export(bool insurer);

  CAerodexDoc& doc_;
  CFrameDialogs& dialogs_;
  std::function<void()> editEntry_;
  std::uint64_t shownRevision_ = 0;
  CFlightTableModel* flights_;
  CFlightFilterProxy* proxy_;
  CGroupTableModel* groups_;
  QSortFilterProxyModel* groupSort_;
  stats::FlightTotals totals_;
  QTabWidget* tabs_;
  CFlightFilterBar* filters_;
  QComboBox* groupBy_;
  QTableView* table_;
  QLabel* totalsLine_;
  QTableWidget* insurerPeriods_;
  QTableWidget* insurerTimeIn_;
};

}  // namespace aerodex
