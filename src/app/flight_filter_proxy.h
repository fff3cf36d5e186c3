// SPDX-License-Identifier: GPL-3.0-or-later
// The Flights panel's sort/filter proxy over CFlightTableModel: it lets a
// flight through when the core's flight query matches it, and hands sorting
// to the model, whose order it keeps. SetQuery(nullopt) shows every flight.
#pragma once

#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

#include "stats/flight_query.h"

namespace aerodex {

class CFlightTableModel;

class CFlightFilterProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  CFlightFilterProxy(const CAerodexDoc& doc, CFlightTableModel& flights, QObject* parent = nullptr);

  void SetQuery(std::optional<stats::FlightQuery> query);
  // The entry indexes of the rows shown, in the shown order.
  std::vector<std::uint32_t> ShownFlights() const;
  // The entry a shown row holds.
  std::uint32_t EntryAt(int row) const;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  const CAerodexDoc& doc_;
  CFlightTableModel& flights_;
  std::optional<stats::FlightQuery> query_;
};

}  // namespace aerodex
