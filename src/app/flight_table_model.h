// SPDX-License-Identifier: GPL-3.0-or-later
// The Flights panel's two tables. CFlightTableModel has one row per flight of
// the document, in log order until sorted: date, aircraft, route, remarks and
// the log's numbers (see flight_columns.h); it sorts itself. CGroupTableModel
// has one row per group of flights with their count and totals, and keeps raw
// values for a proxy to sort by (SortRole). The flights are read again by
// Refresh when the document changes; neither model changes the document.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "model/document.h"
#include "stats/flight_totals.h"

namespace aerodex {

inline constexpr int kSortRole = Qt::UserRole + 1;

class CFlightTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kTextColumns = 4;  // date, aircraft, route, remarks

  explicit CFlightTableModel(const CAerodexDoc& doc, QObject* parent = nullptr);

  // Reads the document again; every row and index changes.
  void Refresh();
  // The entry a row shows: rows follow the last sort, log order at first.
  std::uint32_t EntryAt(int row) const { return order_[static_cast<std::size_t>(row)]; }
  // Sorts the rows on keys made once, far quicker than a proxy's comparisons
  // through QVariants; equal keys keep log order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(int entry, int column) const;

  void SortOrder(int column);

  const CAerodexDoc& doc_;
  std::vector<stats::FlightTotals> numbers_;  // one flight's totals per entry
  std::vector<std::uint32_t> order_;          // the entry of each row
  int sortColumn_ = 0;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

class CGroupTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit CGroupTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetGroups(std::vector<stats::FlightGroup> groups, const QString& heading);
  const std::vector<stats::FlightGroup>& Groups() const { return groups_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<stats::FlightGroup> groups_;
  QString heading_;
};

// The header and every row of a model as text lines, as the view shows them.
QString ModelText(const QAbstractItemModel& model, bool csv);

}  // namespace aerodex
