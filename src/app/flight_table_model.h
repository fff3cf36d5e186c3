// The Flights panel's two tables. CFlightTableModel has one row per flight of
// the document, in log order: date, aircraft, route, remarks and the log's
// numbers (see flight_columns.h). CGroupTableModel has one row per group of
// flights with their count and totals. Both keep raw values for sorting
// (SortRole) beside the shown text, and are rebuilt by Refresh when the
// document changes; they never change the document.
#pragma once

#include <QAbstractTableModel>
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
  // Whether row a sorts before row b in a column, without QVariants.
  bool Less(int a, int b, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(int row, int column) const;

  const CAerodexDoc& doc_;
  std::vector<stats::FlightTotals> numbers_;  // one flight's totals per row
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
