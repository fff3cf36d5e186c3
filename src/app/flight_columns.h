// SPDX-License-Identifier: GPL-3.0-or-later
// The columns of the Flights panel: the log's own, left to right. A flight's
// numbers are its totals as the log's totals rows count them (single or multi
// engine, simulator and cost from its aircraft; tach from its readings), so a
// row and the totals under the table always agree. Shared by the flights
// and groups tables, their totals line, Copy and the CSV.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "stats/flight_totals.h"

namespace aerodex {

struct NumberColumn {
  const char* heading;
  double (*value)(const stats::FlightTotals&);
  int decimals;  // 0: a count
};

// Approaches, landings, single engine ... total, cost.
std::span<const NumberColumn> NumberColumns();

// "12.3", "4": hours with one decimal, counts and cost whole.
QString NumberText(const NumberColumn& column, double value);

// "42 flights: Approaches 3, Landings 12, ..., Cost 1234": the line under the table.
QString TotalsLine(const stats::FlightTotals& totals);

// A table as text: cells separated by tabs (Copy) or as RFC 4180 CSV.
enum class TableFormat { kTabs, kCsv };
QString TableLine(const QStringList& cells, TableFormat format);

}  // namespace aerodex
