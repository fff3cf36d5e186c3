// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/flight_table_model.h"

#include <algorithm>

#include "app/flight_columns.h"
#include "app/qt_text.h"
#include "stats/aircraft_class.h"
#include "stats/report_period.h"

namespace aerodex {
namespace {

constexpr const char* kTextHeadings[CFlightTableModel::kTextColumns] = {"Date", "Aircraft", "Route",
                                                                        "Remarks"};

QString RouteText(const CAerodexEntry& flight) {
  std::string route = flight.departure + "-";
  if (!flight.route.empty()) route += flight.route + "-";
  return FromCp1252(route + flight.arrival);
}

QVariant Aligned(int column, int textColumns) {
  return column < textColumns ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                              : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
}

}  // namespace

CFlightTableModel::CFlightTableModel(const CAerodexDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {
  Refresh();
}

void CFlightTableModel::Refresh() {
  beginResetModel();
  const stats::AircraftLookup lookup(doc_);
  numbers_.assign(doc_.EntryCount(), {});
  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    const CAerodexEntry& flight = doc_.Entry(i);
    numbers_[i].Add(flight, lookup.Find(flight.nNumber));
  }
  SortOrder(sortColumn_);
  endResetModel();
}

void CFlightTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= columnCount()) return;
  beginResetModel();
  sortColumn_ = column;
  sortOrder_ = order;
  SortOrder(column);
  endResetModel();
}

void CFlightTableModel::SortOrder(int column) {
  order_.resize(numbers_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<std::uint32_t>(i);
  // The log is in date order already.
  if (column >= kTextColumns) {
    const NumberColumn& number = NumberColumns()[column - kTextColumns];
    std::vector<double> keys(numbers_.size());
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = number.value(numbers_[i]);
    std::stable_sort(order_.begin(), order_.end(),
                     [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  } else if (column > 0) {
    std::vector<QString> keys(numbers_.size());
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = Text(static_cast<int>(i), column);
    std::stable_sort(order_.begin(), order_.end(), [&keys](std::uint32_t a, std::uint32_t b) {
      return keys[a].compare(keys[b], Qt::CaseInsensitive) < 0;
    });
  }
  if (sortOrder_ == Qt::DescendingOrder) std::reverse(order_.begin(), order_.end());
}

int CFlightTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(numbers_.size());
}

int CFlightTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kTextColumns + static_cast<int>(NumberColumns().size());
}

QString CFlightTableModel::Text(int entry, int column) const {
  const CAerodexEntry& flight = doc_.Entry(entry);
  switch (column) {
    case 0:
      return QString::fromStdString(stats::IsoDateText({flight.day, flight.month, flight.year}));
    case 1:
      return FromCp1252(flight.nNumber);
    case 2:
      return RouteText(flight);
    case 3:
      return FromCp1252(flight.remarks);
    default: {
      const NumberColumn& number = NumberColumns()[column - kTextColumns];
      return NumberText(number, number.value(numbers_[entry]));
    }
  }
}

QVariant CFlightTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int entry = static_cast<int>(EntryAt(index.row()));
  // A flight removed a moment ago, before the document's notice reaches us.
  if (entry >= static_cast<int>(doc_.EntryCount())) return {};
  if (role == Qt::DisplayRole) return Text(entry, index.column());
  if (role == Qt::TextAlignmentRole) return Aligned(index.column(), kTextColumns);
  return {};
}

QVariant CFlightTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < kTextColumns) return QString::fromLatin1(kTextHeadings[section]);
  return QString::fromLatin1(NumberColumns()[section - kTextColumns].heading);
}

void CGroupTableModel::SetGroups(std::vector<stats::FlightGroup> groups, const QString& heading) {
  beginResetModel();
  groups_ = std::move(groups);
  heading_ = heading;
  endResetModel();
}

int CGroupTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(groups_.size());
}

int CGroupTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2 + static_cast<int>(NumberColumns().size());
}

QVariant CGroupTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const stats::FlightGroup& group = groups_[index.row()];
  const int column = index.column();
  if (role == Qt::TextAlignmentRole) return Aligned(column, 1);
  if (role != Qt::DisplayRole && role != kSortRole) return {};
  if (column == 0) {
    if (role == kSortRole) return FromCp1252(group.key);
    return group.key.empty() ? QStringLiteral("(none)") : FromCp1252(group.key);
  }
  if (column == 1) return group.totals.flights;
  const NumberColumn& number = NumberColumns()[column - 2];
  const double value = number.value(group.totals);
  return role == kSortRole ? QVariant(value) : QVariant(NumberText(number, value));
}

QVariant CGroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return heading_;
  if (section == 1) return QStringLiteral("Flights");
  return QString::fromLatin1(NumberColumns()[section - 2].heading);
}

QString ModelText(const QAbstractItemModel& model, bool csv) {
  const TableFormat format = csv ? TableFormat::kCsv : TableFormat::kTabs;
  QStringList cells;
  for (int c = 0; c < model.columnCount(); ++c) {
    cells << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  QString text = TableLine(cells, format);
  for (int r = 0; r < model.rowCount(); ++r) {
    cells.clear();
    for (int c = 0; c < model.columnCount(); ++c) cells << model.index(r, c).data().toString();
    text += TableLine(cells, format);
  }
  return text;
}

}  // namespace aerodex
