// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/flight_filter_proxy.h"

#include "app/flight_table_model.h"

namespace aerodex {

CFlightFilterProxy::CFlightFilterProxy(const CAerodexDoc& doc, CFlightTableModel& flights,
                                       QObject* parent)
    : QSortFilterProxyModel(parent), doc_(doc), flights_(flights) {
  setSourceModel(&flights);
}

void CFlightFilterProxy::sort(int column, Qt::SortOrder order) { flights_.sort(column, order); }

std::uint32_t CFlightFilterProxy::EntryAt(int row) const {
  return flights_.EntryAt(mapToSource(index(row, 0)).row());
}

void CFlightFilterProxy::SetQuery(std::optional<stats::FlightQuery> query) {
  query_ = std::move(query);
  invalidateFilter();
}

std::vector<std::uint32_t> CFlightFilterProxy::ShownFlights() const {
  std::vector<std::uint32_t> flights;
  flights.reserve(static_cast<std::size_t>(rowCount()));
  for (int row = 0; row < rowCount(); ++row) {
    flights.push_back(EntryAt(row));
  }
  return flights;
}

bool CFlightFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  const std::uint32_t entry = flights_.EntryAt(sourceRow);
  if (!query_ || entry >= doc_.EntryCount()) return true;
  return query_->Matches(doc_.Entry(entry));
}

}  // namespace aerodex
