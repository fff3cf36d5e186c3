// The Flights panel's sort/filter proxy over CFlightTableModel: it lets a
// flight through when the core's flight query matches it, and sorts by the
// model's raw values. SetQuery(nullopt) shows every flight.
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

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  const CAerodexDoc& doc_;
  CFlightTableModel& flights_;
  std::optional<stats::FlightQuery> query_;
};

}  // namespace aerodex
