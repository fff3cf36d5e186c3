// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/flight_columns.h"

#include <QStringList>
#include <array>

namespace aerodex {
namespace {

using T = stats::FlightTotals;

// clang-format off
constexpr std::array kNumbers = {
  NumberColumn{"Approaches", [](const T& t) { return double(t.approaches); }, 0},
  NumberColumn{"Landings", [](const T& t) { return double(t.landings); }, 0},
  NumberColumn{"Single Engine", [](const T& t) { return t.singleEngine; }, 1},
  NumberColumn{"Multi Engine", [](const T& t) { return t.multiEngine; }, 1},
  NumberColumn{"Cross Country", [](const T& t) { return t.crossCountry; }, 1},
  NumberColumn{"Day", [](const T& t) { return t.day; }, 1},
  NumberColumn{"Night", [](const T& t) { return t.night; }, 1},
  NumberColumn{"Actual IMC", [](const T& t) { return t.actualInstrument; }, 1},
  NumberColumn{"Simulated IMC", [](const T& t) { return t.simulatedInstrument; }, 1},
  NumberColumn{"Simulator", [](const T& t) { return t.simulator; }, 1},
  NumberColumn{"PIC", [](const T& t) { return t.pic; }, 1},
  NumberColumn{"Dual", [](const T& t) { return t.dual; }, 1},
  NumberColumn{"Tach", [](const T& t) { return t.tach; }, 1},
  NumberColumn{"Total", [](const T& t) { return t.total; }, 1},
  NumberColumn{"Cost", [](const T& t) { return t.cost; }, 0},
};
// clang-format on

}  // namespace

std::span<const NumberColumn> NumberColumns() { return kNumbers; }

QString NumberText(const NumberColumn& column, double value) {
  return QString::number(value, 'f', column.decimals);
}

QString TotalsLine(const stats::FlightTotals& totals) {
  QStringList parts;
  for (const NumberColumn& column : NumberColumns()) {
    parts << QString::fromLatin1(column.heading) + QLatin1Char(' ') +
                 NumberText(column, column.value(totals));
  }
  const QString flights = totals.flights == 1 ? QStringLiteral("1 flight")
                                              : QStringLiteral("%1 flights").arg(totals.flights);
  return flights + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString TableLine(const QStringList& cells, TableFormat format) {
  if (format == TableFormat::kTabs) return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  QStringList quoted;
  for (QString cell : cells) {
    if (cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char(',')) ||
        cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'))) {
      cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
      cell = QLatin1Char('"') + cell + QLatin1Char('"');
    }
    quoted << cell;
  }
  return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

}  // namespace aerodex
