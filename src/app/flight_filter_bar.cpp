// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/flight_filter_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace aerodex {
namespace {

constexpr int kDateRange = -1;
constexpr int kAnyClass = -1;

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
  box.addItem(QStringLiteral("Any class"), kAnyClass);
  for (int c = 0; c <= static_cast<int>(stats::AircraftClass::kBalloon); ++c) {
    box.addItem(QString::fromLatin1(stats::ClassName(static_cast<stats::AircraftClass>(c))), c);
  }
}

QHBoxLayout* Row(QVBoxLayout& rows, std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  rows.addLayout(row);
  return row;
}

}  // namespace

CFlightFilterBar::CFlightFilterBar(const CAerodexDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc) {
  MakeControls();
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(0, 0, 0, 0);
  Row(*rows, {period_, from_, to_, aircraft_, model_, class_})->addStretch();
  secondRow_ = Row(*rows, {complex_, highPerformance_, tailWheel_, multiEngine_, search_});
  ConnectControls();
  FillAircraft();
}

void CFlightFilterBar::MakeControls() {
  period_ = new QComboBox(this);
  FillPeriods(*period_);
  from_ = new QDateEdit(ToQDate(doc_.Clock().Today()).addYears(-1), this);
  to_ = new QDateEdit(ToQDate(doc_.Clock().Today()), this);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
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
}

void CFlightFilterBar::ConnectControls() {
  connect(period_, &QComboBox::currentIndexChanged, this, [this] {
    const bool range = period_->currentData().toInt() == kDateRange;
    from_->setEnabled(range);
    to_->setEnabled(range);
    emit changed();
  });
  for (QDateEdit* edit : {from_, to_}) {
    connect(edit, &QDateEdit::dateChanged, this, &CFlightFilterBar::changed);
  }
  for (QComboBox* box : {aircraft_, class_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &CFlightFilterBar::changed);
  }
  for (QLineEdit* edit : {model_, search_}) {
    connect(edit, &QLineEdit::textChanged, this, &CFlightFilterBar::changed);
  }
  for (QCheckBox* box : {complex_, highPerformance_, tailWheel_, multiEngine_}) {
    connect(box, &QCheckBox::toggled, this, &CFlightFilterBar::changed);
  }
}

void CFlightFilterBar::FillAircraft() {
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

stats::FlightFilter CFlightFilterBar::Filter() const {
  stats::FlightFilter filter;
  const int period = period_->currentData().toInt();
  if (period == kDateRange) {
    filter.dates = {FromQDate(from_->date()), FromQDate(to_->date())};
  } else {
    filter.dates = stats::PeriodRange(static_cast<stats::Period>(period), doc_.Clock().Today());
  }
  if (aircraft_->currentIndex() > 0) filter.aircraft = {ToCp1252(aircraft_->currentText())};
  filter.model = ToCp1252(model_->text());
  if (const int c = class_->currentData().toInt(); c != kAnyClass) {
    filter.aircraftClass = static_cast<stats::AircraftClass>(c);
  }
  filter.complex = complex_->isChecked();
  filter.highPerformance = highPerformance_->isChecked();
  filter.tailWheel = tailWheel_->isChecked();
  filter.multiEngine = multiEngine_->isChecked();
  filter.text = ToCp1252(search_->text());
  return filter;
}

}  // namespace aerodex
