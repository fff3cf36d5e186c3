// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/logbook_import_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "import/cell_values.h"

namespace aerodex {
namespace {

using import::Meaning;

QString MeaningLabel(Meaning meaning) {
  if (meaning == Meaning::kKeep) return QStringLiteral("keep in remarks");
  return QString::fromLatin1(import::MeaningName(meaning));
}

QString Hours(double hours) { return QString::number(hours, 'f', 1); }

// A US registration is stored without its N; any other is stored whole.
QString TailText(const std::string& nNumber) {
  const QString tail = FromCp1252(nNumber);
  const bool us = !nNumber.empty() && nNumber.front() >= '0' && nNumber.front() <= '9';
  return us ? QStringLiteral("N") + tail : tail;
}

QString DateText(const CAerodexEntry& e) {
  return QStringLiteral("%1/%2/%3").arg(e.month).arg(e.day).arg(e.year);
}

// One flight as the table shows it, column by column.
QStringList FlightCells(const import::CPlannedFlight& flight) {
  const CAerodexEntry& e = flight.entry;
  return {QString::number(flight.line),
          DateText(e),
          QString::number(e.flightNumber),
          TailText(e.nNumber),
          FromCp1252(e.departure),
          FromCp1252(e.route),
          FromCp1252(e.arrival),
          Hours(e.TotalHours()),
          Hours(e.nightHours),
          Hours(e.dayCrossCountry + e.nightCrossCountry),
          Hours(e.picHours),
          Hours(e.dualHours),
          Hours(e.actualInstrument + e.simulatedInstrument),
          QString::number(e.dayLandings + e.nightLandings),
          QString::number(e.ApproachCount()),
          FromCp1252(e.remarks).replace(QLatin1Char('\n'), QLatin1Char(' '))};
}

QString AircraftText(const import::CPlannedAircraft& planned) {
  const CAirplane& a = planned.airplane;
  QStringList kinds;
  if (a.isAirplane)
    kinds << (a.isMultiEngine ? QStringLiteral("multi engine") : QStringLiteral("single engine"));
  if (a.isSeaplane) kinds << QStringLiteral("seaplane");
  if (a.isHelicopter) kinds << QStringLiteral("helicopter");
  if (a.isGyroplane) kinds << QStringLiteral("gyroplane");
  if (a.isGlider) kinds << QStringLiteral("glider");
  if (a.isAirship) kinds << QStringLiteral("airship");
  if (a.isBalloon) kinds << QStringLiteral("balloon");
  if (a.isSimulator) kinds << QStringLiteral("simulator");
  QString text = TailText(a.nNumber) + QStringLiteral("  ") + FromCp1252(a.make) +
                 QLatin1Char(' ') + FromCp1252(a.model);
  if (!kinds.isEmpty()) text += QStringLiteral(" (") + kinds.join(QStringLiteral(", ")) + ')';
  return text +
         QStringLiteral(": %1 flight%2").arg(planned.flights).arg(planned.flights == 1 ? "" : "s");
}

void AddFindings(QString& text, const char* heading,
                 const std::vector<import::CImportLine>& lines) {
  text += QStringLiteral("%1: %2\n").arg(QLatin1String(heading)).arg(lines.size());
  for (const import::CImportLine& line : lines) {
    text += QStringLiteral("  line %1: %2\n").arg(line.line).arg(FromCp1252(line.text));
  }
}

QTableWidget* MakeTable(QWidget* parent, const QStringList& headings, const char* name) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(QLatin1String(name));
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  return table;
}

}  // namespace

CLogbookImportDialog::CLogbookImportDialog(import::CImportPlan& plan,
                                           import::CImportOptions& options, import::Replan replan,
                                           QWidget* parent)
    : QDialog(parent),
      plan_(plan),
      options_(options),
      replan_(std::move(replan)),
      source_(new QLabel(this)),
      tabs_(new QTabWidget(this)),
      columns_(MakeTable(this, {QStringLiteral("Column"), QStringLiteral("Goes to")}, "columns")),
      flights_(MakeTable(this,
                         {"Line", "Date", "No.", "N-Number", "From", "Route", "To", "Total",
                          "Night", "XC", "PIC", "Dual", "Instr.", "Landings", "Appr.", "Remarks"},
                         "flights")),
      aircraft_(new QListWidget(this)),
      findings_(new QPlainTextEdit(this)),
      totals_(new QLabel(this)),
      importButton_(new QPushButton(QStringLiteral("Import"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Import from Another Logbook"));
  setModal(true);
  source_->setObjectName(QStringLiteral("source"));
  source_->setWordWrap(true);
  aircraft_->setObjectName(QStringLiteral("aircraft"));
  findings_->setObjectName(QStringLiteral("findings"));
  findings_->setReadOnly(true);
  findings_->setLineWrapMode(QPlainTextEdit::NoWrap);
  totals_->setObjectName(QStringLiteral("totals"));
  columns_->horizontalHeader()->setStretchLastSection(true);
  flights_->horizontalHeader()->setStretchLastSection(true);
  tabs_->addTab(flights_, QString());
  tabs_->addTab(columns_, QString());
  tabs_->addTab(aircraft_, QString());
  tabs_->addTab(findings_, QString());
  importButton_->setObjectName(QStringLiteral("import"));
  cancelButton_->setObjectName(QStringLiteral("cancel"));
  connect(importButton_, &QPushButton::clicked, this, &CLogbookImportDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(totals_, 1);
  buttons->addWidget(importButton_);
  buttons->addWidget(cancelButton_);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(source_);
  whole->addWidget(tabs_, 1);
  whole->addLayout(buttons);
  resize(FitToScreen(*this, QSize(1000, 560)));
  Refill();
  tabs_->setCurrentWidget(plan_.recognised ? static_cast<QWidget*>(flights_) : columns_);
}

void CLogbookImportDialog::SetMeaning(int column, Meaning meaning) {
  if (column < 0 || column >= static_cast<int>(plan_.columns.size())) return;
  const std::string name = plan_.columns[static_cast<std::size_t>(column)].name;
  std::erase_if(options_.map, [&name](const auto& pair) { return pair.first == name; });
  options_.map.emplace_back(name, meaning);
  plan_ = replan_(options_);
  Refill();
}

void CLogbookImportDialog::accept() {
  for (int i = 0; i < aircraft_->count() && i < static_cast<int>(plan_.aircraft.size()); ++i) {
    plan_.aircraft[static_cast<std::size_t>(i)].create =
        aircraft_->item(i)->checkState() == Qt::Checked;
  }
  QDialog::accept();
}

void CLogbookImportDialog::Refill() {
  source_->setText(plan_.recognised
                       ? QStringLiteral("Read as: ") + QString::fromStdString(plan_.Source())
                       : QString::fromStdString(plan_.failure)
                             .replace(QStringLiteral("Name them with --map \"Column=meaning,...\""),
                                      QStringLiteral("Choose what they hold under Columns")));
  FillColumns();
  FillFlights();
  FillAircraft();
  FillFindings();
  totals_->setText(QStringLiteral("Totals before: %1\nTotals after:  %2")
                       .arg(QString::fromStdString(import::FormatTotals(plan_.before)),
                            QString::fromStdString(import::FormatTotals(plan_.after))));
  importButton_->setEnabled(plan_.recognised && !plan_.flights.empty());
  importButton_->setDefault(importButton_->isEnabled());
}

void CLogbookImportDialog::FillColumns() {
  const auto meanings = import::AllMeanings();
  columns_->setRowCount(static_cast<int>(plan_.columns.size()));
  for (int row = 0; row < columns_->rowCount(); ++row) {
    const import::CColumn& column = plan_.columns[static_cast<std::size_t>(row)];
    columns_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(column.name)));
    auto* chooser = new QComboBox;
    for (Meaning meaning : meanings)
      chooser->addItem(MeaningLabel(meaning), static_cast<int>(meaning));
    chooser->setCurrentIndex(chooser->findData(static_cast<int>(column.meaning)));
    // Planned again once the chooser's own signal is over: the table is rebuilt.
    connect(chooser, &QComboBox::activated, this, [this, row, chooser](int index) {
      const auto meaning = static_cast<Meaning>(chooser->itemData(index).toInt());
      QMetaObject::invokeMethod(
          this, [this, row, meaning] { SetMeaning(row, meaning); }, Qt::QueuedConnection);
    });
    columns_->setCellWidget(row, 1, chooser);
  }
  columns_->resizeColumnToContents(0);
  tabs_->setTabText(tabs_->indexOf(columns_),
                    QStringLiteral("Columns (%1)").arg(plan_.columns.size()));
}

void CLogbookImportDialog::FillFlights() {
  const int shown = std::min(kShownFlights, static_cast<int>(plan_.flights.size()));
  flights_->setRowCount(shown);
  for (int row = 0; row < shown; ++row) {
    const QStringList cells = FlightCells(plan_.flights[static_cast<std::size_t>(row)]);
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 7 && column <= 14) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      flights_->setItem(row, column, item);
    }
  }
  flights_->resizeColumnsToContents();
  const QString count = plan_.flights.size() > static_cast<std::size_t>(shown)
                            ? QStringLiteral("first %1 of %2").arg(shown).arg(plan_.flights.size())
                            : QString::number(plan_.flights.size());
  tabs_->setTabText(tabs_->indexOf(flights_), QStringLiteral("Flights to add (%1)").arg(count));
}

void CLogbookImportDialog::FillAircraft() {
  aircraft_->clear();
  for (const import::CPlannedAircraft& planned : plan_.aircraft) {
    auto* item = new QListWidgetItem(AircraftText(planned), aircraft_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(planned.create ? Qt::Checked : Qt::Unchecked);
  }
  tabs_->setTabText(tabs_->indexOf(aircraft_),
                    QStringLiteral("Aircraft to create (%1)").arg(plan_.aircraft.size()));
}

void CLogbookImportDialog::FillFindings() {
  QString text;
  AddFindings(text,
              plan_.duplicatesIncluded ? "Flights already in the log (added all the same)"
                                       : "Flights already in the log (skipped)",
              plan_.duplicates);
  AddFindings(text, "Rows that could not be read (skipped)", plan_.badRows);
  AddFindings(text, "Warnings", plan_.warnings);
  text += QStringLiteral("N-Numbers not in the aircraft database: %1\n")
              .arg(plan_.missingAircraft.size());
  for (const import::CMissingAircraft& missing : plan_.missingAircraft) {
    text +=
        QStringLiteral("  %1: %2 flights\n").arg(TailText(missing.nNumber)).arg(missing.flights);
  }
  findings_->setPlainText(text);
  const std::size_t count = plan_.duplicates.size() + plan_.badRows.size() + plan_.warnings.size();
  tabs_->setTabText(tabs_->indexOf(findings_),
                    QStringLiteral("Duplicates, bad rows, warnings (%1)").arg(count));
}

}  // namespace aerodex
