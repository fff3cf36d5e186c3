#include "app/flights_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/flight_columns.h"
#include "app/flight_filter_proxy.h"
#include "app/flight_table_model.h"
#include "app/qt_text.h"
#include "stats/log_check.h"

namespace aerodex {
namespace {

constexpr int kDateRange = -1;
constexpr int kNoChoice = -1;

QDate ToQDate(const LocalDate& date) { return QDate(date.year, date.month, date.day); }
LocalDate FromQDate(const QDate& date) { return {date.day(), date.month(), date.year()}; }

void FillPeriods(QComboBox& box) {
  using stats::Period;
  for (Period period :
       {Period::kAll, Period::kLast30Days, Period::kLast60Days, Period::kLast90Days,
        Period::kLast6Months, Period::kLast12Months, Period::kLast24Months, Period::kThisYear}) {
    box.addItem(QString::fromLatin1(stats::PeriodName(period)), static_cast<int>(period));
  }
  box.addItem(QStringLiteral("Date range"), kDateRange);
}

void FillClasses(QComboBox& box) {
  box.addItem(QStringLiteral("Any class"), kNoChoice);
  for (int c = 0; c <= static_cast<int>(stats::AircraftClass::kBalloon); ++c) {
    box.addItem(QString::fromLatin1(stats::ClassName(static_cast<stats::AircraftClass>(c))), c);
  }
}

void FillGroupings(QComboBox& box) {
  box.addItem(QStringLiteral("No grouping"), kNoChoice);
  box.addItem(QStringLiteral("Month"), static_cast<int>(stats::GroupBy::kMonth));
  box.addItem(QStringLiteral("Year"), static_cast<int>(stats::GroupBy::kYear));
  box.addItem(QStringLiteral("Aircraft"), static_cast<int>(stats::GroupBy::kAircraft));
  box.addItem(QStringLiteral("Make and model"), static_cast<int>(stats::GroupBy::kModel));
  box.addItem(QStringLiteral("Class"), static_cast<int>(stats::GroupBy::kClass));
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  layout->addStretch();
  return row;
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
  period_ = new QComboBox(this);
  FillPeriods(*period_);
  from_ = new QDateEdit(ToQDate(doc_.Clock().Today()).addYears(-1), this);
  to_ = new QDateEdit(ToQDate(doc_.Clock().Today()), this);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    connect(edit, &QDateEdit::dateChanged, this, &CFlightsPanel::ApplyFilters);
  }
  aircraft_ = new QComboBox(this);
  model_ = new QLineEdit(this);
  model_->setPlaceholderText(QStringLiteral("Make and model"));
  class_ = new QComboBox(this);
  FillClasses(*class_);
  complex_ = new QCheckBox(QStringLiteral("Complex"), this);
  highPerformance_ = new QCheckBox(QStringLiteral("High performance"), this);
  tailWheel_ = new QCheckBox(QStringLiteral("Tail wheel"), this);
  multiEngine_ = new QCheckBox(QStringLiteral("Multi-engine"), this);
  search_ = new QLineEdit(this);
  search_->setPlaceholderText(QStringLiteral("Search airports, route, remarks"));
  search_->setClearButtonEnabled(true);
  groupBy_ = new QComboBox(this);
  FillGroupings(*groupBy_);
  connect(period_, &QComboBox::currentIndexChanged, this, [this] {
    const bool range = period_->currentData().toInt() == kDateRange;
    from_->setEnabled(range);
    to_->setEnabled(range);
    ApplyFilters();
  });
  for (QComboBox* box : {aircraft_, class_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &CFlightsPanel::ApplyFilters);
  }
  connect(groupBy_, &QComboBox::currentIndexChanged, this, &CFlightsPanel::ShowGrouping);
  for (QLineEdit* edit : {model_, search_}) {
    connect(edit, &QLineEdit::textChanged, this, &CFlightsPanel::ApplyFilters);
  }
  for (QCheckBox* box : {complex_, highPerformance_, tailWheel_, multiEngine_}) {
    connect(box, &QCheckBox::toggled, this, &CFlightsPanel::ApplyFilters);
  }
  auto* filters = new QWidget(this);
  auto* layout = new QVBoxLayout(filters);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Row(filters, {period_, from_, to_, aircraft_, model_, class_}));
  layout->addWidget(Row(filters, {complex_, highPerformance_, tailWheel_, multiEngine_, search_,
                                  new QLabel(QStringLiteral("Group by"), filters), groupBy_}));
  return filters;
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

stats::FlightFilter CFlightsPanel::Filter() const {
  stats::FlightFilter filter;
  const int period = period_->currentData().toInt();
  if (period == kDateRange) {
    filter.dates = {FromQDate(from_->date()), FromQDate(to_->date())};
  } else {
    filter.dates = stats::PeriodRange(static_cast<stats::Period>(period), doc_.Clock().Today());
  }
  if (aircraft_->currentIndex() > 0) filter.aircraft = {ToCp1252(aircraft_->currentText())};
  filter.model = ToCp1252(model_->text());
  if (const int c = class_->currentData().toInt(); c != kNoChoice) {
    filter.aircraftClass = static_cast<stats::AircraftClass>(c);
  }
  filter.complex = complex_->isChecked();
  filter.highPerformance = highPerformance_->isChecked();
  filter.tailWheel = tailWheel_->isChecked();
  filter.multiEngine = multiEngine_->isChecked();
  filter.text = ToCp1252(search_->text());
  return filter;
}

std::optional<stats::GroupBy> CFlightsPanel::GroupBy() const {
  const int by = groupBy_->currentData().toInt();
  if (by == kNoChoice) return std::nullopt;
  return static_cast<stats::GroupBy>(by);
}

std::vector<std::uint32_t> CFlightsPanel::ShownFlights() const { return proxy_->ShownFlights(); }

void CFlightsPanel::DocumentChanged(const CAerodexDoc& doc) {
  // A new selection or view mode changes no flight: keep the table as it is.
  if (doc.Revision() != shownRevision_) Refresh();
}

void CFlightsPanel::Refresh() {
  shownRevision_ = doc_.Revision();
  FillAircraftBox();
  flights_->Refresh();
  ApplyFilters();
  FillInsurerTable();
}

void CFlightsPanel::FillAircraftBox() {
  const QString chosen = aircraft_->currentText();
  const QSignalBlocker quiet(aircraft_);
  aircraft_->clear();
  aircraft_->addItem(QStringLiteral("All aircraft"));
  for (std::size_t i = 0; i < doc_.AircraftCount(); ++i) {
    const QString nNumber = FromCp1252(doc_.Aircraft(i).nNumber);
    if (aircraft_->findText(nNumber) < 0) aircraft_->addItem(nNumber);
  }
  aircraft_->setCurrentIndex(std::max(0, aircraft_->findText(chosen)));
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

}  // namespace aerodex
