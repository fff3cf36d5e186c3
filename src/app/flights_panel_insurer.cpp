// SPDX-License-Identifier: GPL-3.0-or-later
// The Flights panel's second tab, the insurer's table, and the Copy and
// Export CSV buttons of both tabs.
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/flight_columns.h"
#include "app/flights_panel.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "files/atomic_write.h"
#include "stats/insurer_table.h"

namespace aerodex {
namespace {

const QStringList kPeriodHeadings = {"Period",     "Total",         "PIC",      "Night",
                                     "Instrument", "Cross Country", "Landings", "Approaches"};
const QStringList kTimeInHeadings = {"Time in",      "Total",          "PIC",
                                     "Last 90 days", "Last 12 months", "Flights"};

QTableWidget* InsurerGrid(QWidget* parent, const QString& name, const QStringList& headings) {
  auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(headings);
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  return grid;
}

void SetRow(QTableWidget& grid, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) {
    auto* item = new QTableWidgetItem(cells[c]);
    item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                  : Qt::AlignRight | Qt::AlignVCenter);
    grid.setItem(row, c, item);
  }
}

QString Hours(double hours) { return QString::number(hours, 'f', 1); }

QStringList PeriodCells(const stats::InsurerPeriodRow& row) {
  const stats::FlightTotals& t = row.totals;
  return {QString::fromLatin1(stats::PeriodName(row.period)),
          Hours(t.total),
          Hours(t.pic),
          Hours(t.night),
          Hours(t.Instrument()),
          Hours(t.crossCountry),
          QString::number(t.landings),
          QString::number(t.approaches)};
}

QStringList TimeInCells(const stats::InsurerTimeInRow& row) {
  return {FromCp1252(row.label), Hours(row.allTime.total), Hours(row.allTime.pic),
          Hours(row.last90Days), Hours(row.last12Months),  QString::number(row.allTime.flights)};
}

QString GridText(const QTableWidget& grid, TableFormat format) {
  QStringList cells;
  for (int c = 0; c < grid.columnCount(); ++c) cells << grid.horizontalHeaderItem(c)->text();
  QString text = TableLine(cells, format);
  for (int r = 0; r < grid.rowCount(); ++r) {
    cells.clear();
    for (int c = 0; c < grid.columnCount(); ++c) cells << grid.item(r, c)->text();
    text += TableLine(cells, format);
  }
  return text;
}

}  // namespace

QWidget* CFlightsPanel::BuildInsurerTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  insurerPeriods_ = InsurerGrid(tab, QStringLiteral("insurerPeriods"), kPeriodHeadings);
  insurerTimeIn_ = InsurerGrid(tab, QStringLiteral("insurerTimeIn"), kTimeInHeadings);
  layout->addWidget(insurerPeriods_, 1);
  layout->addWidget(insurerTimeIn_, 1);
  layout->addWidget(ButtonRow(true));
  return tab;
}

void CFlightsPanel::FillInsurerTable() {
  const stats::InsurerTable table = stats::ComputeInsurerTable(doc_, doc_.Clock().Today());
  insurerPeriods_->setRowCount(static_cast<int>(table.periods.size()));
  for (std::size_t r = 0; r < table.periods.size(); ++r) {
    SetRow(*insurerPeriods_, static_cast<int>(r), PeriodCells(table.periods[r]));
  }
  insurerTimeIn_->setRowCount(static_cast<int>(table.timeIn.size()));
  for (std::size_t r = 0; r < table.timeIn.size(); ++r) {
    SetRow(*insurerTimeIn_, static_cast<int>(r), TimeInCells(table.timeIn[r]));
  }
  insurerPeriods_->resizeColumnsToContents();
  insurerTimeIn_->resizeColumnsToContents();
}

QString CFlightsPanel::InsurerText(bool csv) const {
  const TableFormat format = csv ? TableFormat::kCsv : TableFormat::kTabs;
  return GridText(*insurerPeriods_, format) + TableLine({}, format) +
         GridText(*insurerTimeIn_, format);
}

QWidget* CFlightsPanel::ButtonRow(bool insurer) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  auto* copy = new QPushButton(QStringLiteral("Copy"), row);
  auto* exportCsv = new QPushButton(QStringLiteral("Export CSV..."), row);
  copy->setObjectName(insurer ? QStringLiteral("copyInsurer") : QStringLiteral("copyFlights"));
  exportCsv->setObjectName(insurer ? QStringLiteral("exportInsurer")
                                   : QStringLiteral("exportFlights"));
  layout->addWidget(copy);
  layout->addWidget(exportCsv);
  connect(copy, &QPushButton::clicked, this, [this, insurer] {
    QGuiApplication::clipboard()->setText(insurer ? InsurerText(false) : TableText(false));
  });
  connect(exportCsv, &QPushButton::clicked, this, [this, insurer] { Export(insurer); });
  return row;
}

void CFlightsPanel::Export(bool insurer) {
  const QString path = dialogs_.ChooseCsvFile(insurer ? QStringLiteral("insurer.csv")
                                                      : QStringLiteral("flights.csv"));
  if (path.isEmpty()) return;
  QString error;
  if (!ExportCsv(path, insurer, error)) dialogs_.ShowMessage(error);
}

bool CFlightsPanel::ExportCsv(const QString& path, bool insurer, QString& error) const {
  const QString text = insurer ? InsurerText(true) : TableText(true);
  const FileResult written = WriteFileAtomically(ToLocalPath(path), text.toStdString());
  if (!written.ok) {
    error =
        QStringLiteral("Failed to write %1. %2").arg(path, QString::fromStdString(written.message));
  }
  return written.ok;
}

}  // namespace aerodex
