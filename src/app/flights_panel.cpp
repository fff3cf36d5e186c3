// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/flights_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/flight_columns.h"
#include "app/flight_filter_bar.h"
#include "app/flight_filter_proxy.h"
#include "app/flight_table_model.h"
#include "app/qt_text.h"
#include "stats/log_check.h"

namespace aerodex {
namespace {

constexpr int kNoGrouping = -1;

void FillGroupings(QComboBox& box) {
  box.addItem(QStringLiteral("No grouping"), kNoGrouping);
  box.addItem(QStringLiteral("Month"), static_cast<int>(stats::GroupBy::kMonth));
  box.addItem(QStringLiteral("Year"), static_cast<int>(stats::GroupBy::kYear));
  box.addItem(QStringLiteral("Aircraft"), static_cast<int>(stats::GroupBy::kAircraft));
  box.addItem(QStringLiteral("Make and model"), static_cast<int>(stats::GroupBy::kModel));
  box.addItem(QStringLiteral("Class"), static_cast<int>(stats::GroupBy::kClass));
}

}  // namespace

CFlightsPanel::CFlightsPanel(CAerodexDoc& doc, CFrameDialogs& dialogs,
                             std::function<void()> editEntry, QWidget* parent)
    : QDockWidget(QStringLiteral("Flights and Totals"), parent),
      doc_(doc),
      dialogs_(dialogs),
      editEntry_(std::move(editEntry)),
      flights_(new CFlightTableModel(doc, this)),
      proxy_(new CFlightFilterProxy(doc, *flights_, this)),
      groups_(new CGroupTableModel(this)),
      groupSort_(new QSortFilterProxyModel(this)),
      tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("flightsPanel"));
  groupSort_->setSourceModel(groups_);
  groupSort_->setSortRole(kSortRole);
  tabs_->addTab(BuildFlightsTab(), QStringLiteral("&Flights"));
  tabs_->addTab(BuildInsurerTab(), QStringLiteral("&Insurer's Table"));
  setWidget(tabs_);
  doc_.AddListener(this);
  Refresh();
}

CFlightsPanel::~CFlightsPanel() { doc_.RemoveListener(this); }

QWidget* CFlightsPanel::BuildFilters() {
  filters_ = new CFlightFilterBar(doc_, this);
  groupBy_ = new QComboBox(filters_);
  FillGroupings(*groupBy_);
  filters_->SecondRow()->addWidget(new QLabel(QStringLiteral("Group by"), filters_));
  filters_->SecondRow()->addWidget(groupBy_);
  connect(filters_, &CFlightFilterBar::changed, this, &CFlightsPanel::ApplyFilters);
  connect(groupBy_, &QComboBox::currentIndexChanged, this, &CFlightsPanel::ShowGrouping);
  return filters_;
}

QWidget* CFlightsPanel::BuildFlightsTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(BuildFilters());
  table_ = new QTableView(tab);
  table_->setObjectName(QStringLiteral("flights"));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(true);
  table_->setWordWrap(false);
  // Fixed row heights and a sampled column width keep a long log quick.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setResizeContentsPrecision(100);
  connect(table_, &QTableView::activated, this,
          [this](const QModelIndex& index) { FlightPicked(index, true); });
  SetTableModel(proxy_);
  table_->sortByColumn(0, Qt::AscendingOrder);
  totalsLine_ = new QLabel(tab);
  totalsLine_->setObjectName(QStringLiteral("totals"));
  totalsLine_->setWordWrap(true);
  totalsLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(table_, 1);
  layout->addWidget(totalsLine_);
  layout->addWidget(ButtonRow(false));
  return tab;
}

void CFlightsPanel::SetTableModel(QAbstractItemModel* model) {
  if (table_->model() == model) return;
  table_->setModel(model);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { FlightPicked(current, false); });
}

stats::FlightFilter CFlightsPanel::Filter() const { return filters_->Filter(); }

std::optional<stats::GroupBy> CFlightsPanel::GroupBy() const {
  const int by = groupBy_->currentData().toInt();
  if (by == kNoGrouping) return std::nullopt;
  return static_cast<stats::GroupBy>(by);
}

std::vector<std::uint32_t> CFlightsPanel::ShownFlights() const { return proxy_->ShownFlights(); }

void CFlightsPanel::DocumentChanged(const CAerodexDoc& doc) {
  // A new selection or view mode changes no flight: keep the table as it is.
  if (doc.Revision() != shownRevision_) Refresh();
}

void CFlightsPanel::Refresh() {
  shownRevision_ = doc_.Revision();
  filters_->FillAircraft();
  flights_->Refresh();
  ApplyFilters();
  FillInsurerTable();
}

void CFlightsPanel::ApplyFilters() {
  proxy_->SetQuery(stats::FlightQuery(doc_, Filter()));
  totals_ = stats::SumFlights(doc_, proxy_->ShownFlights());
  totalsLine_->setText(TotalsLine(totals_));
  ShowGrouping();
}

void CFlightsPanel::ShowGrouping() {
  if (const auto by = GroupBy()) {
    // Groups in log order of their flights: months and years come out in date order.
    std::vector<std::uint32_t> shown = proxy_->ShownFlights();
    std::sort(shown.begin(), shown.end());
    groups_->SetGroups(stats::GroupFlights(doc_, shown, *by), groupBy_->currentText());
    SetTableModel(groupSort_);
  } else {
    SetTableModel(proxy_);
  }
}

void CFlightsPanel::FlightPicked(const QModelIndex& index, bool edit) {
  if (!index.isValid() || table_->model() != proxy_) return;
  stats::ShowFlight(doc_, proxy_->EntryAt(index.row()));
  if (edit && editEntry_) editEntry_();
}

QString CFlightsPanel::TableText(bool csv) const { return ModelText(*table_->model(), csv); }

QComboBox* CFlightsPanel::PeriodBox() const { return filters_->PeriodBox(); }
QComboBox* CFlightsPanel::AircraftBox() const { return filters_->AircraftBox(); }
QLineEdit* CFlightsPanel::ModelEdit() const { return filters_->ModelEdit(); }
QComboBox* CFlightsPanel::ClassBox() const { return filters_->ClassBox(); }
QCheckBox* CFlightsPanel::ComplexBox() const { return filters_->ComplexBox(); }
QCheckBox* CFlightsPanel::HighPerformanceBox() const { return filters_->HighPerformanceBox(); }
QCheckBox* CFlightsPanel::TailWheelBox() const { return filters_->TailWheelBox(); }
QCheckBox* CFlightsPanel::MultiEngineBox() const { return filters_->MultiEngineBox(); }
QLineEdit* CFlightsPanel::SearchEdit() const { return filters_->SearchEdit(); }

}  // namespace aerodex
