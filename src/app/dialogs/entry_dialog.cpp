#include "app/dialogs/entry_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "app/dialogs/form_layout.h"

namespace aerodex {
namespace {

// Control ids of the entry form.
enum : int {
  kMonth = 1077,
  kDay = 1078,
  kYear = 1104,
  kFlightNumber = 1080,
  kNNumber = 1079,
  kStartTach = 1106,
  kEndTach = 1107,
  kDeparture = 1081,
  kRoute = 1082,
  kArrival = 1083,
  kTachTime = 1092,
  kDayHours = 1088,
  kNightHours = 1089,
  kDayCrossCountry = 1086,
  kNightCrossCountry = 1087,
  kActualImc = 1090,
  kSimulatedImc = 1091,
  kDual = 1093,
  kPic = 1094,
  kDayLandings = 1084,
  kNightLandings = 1085,
  kHolding = 1105,
  kRemarks = 1103,
};

// ILS, VOR, LOC, NDB on the first row, LORAN, GPS, RADAR, RNAV on the second.
constexpr std::array<int, 8> kApproaches = {1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102};

constexpr int kHoursChars = 7;  // "9999.9" and a little air
constexpr int kCountChars = 4;
constexpr int kAirportChars = 6;
constexpr int kRemarksLines = 4;

}  // namespace

CEntryDialog::CEntryDialog(const CEntryDlg& form, QWidget* parent)
    : CFieldFormDialog(form, parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  grid->addWidget(DateGroup(), 0, 0, 1, 2);
  grid->addWidget(AircraftGroup(), 0, 2, 1, 2);
  grid->addWidget(RouteStrip(), 1, 0, 1, 4);
  grid->addWidget(PairGroup("Total Hours", kDayHours, kNightHours), 2, 0);
  grid->addWidget(PairGroup("Cross Country Hours", kDayCrossCountry, kNightCrossCountry), 2, 1);
  grid->addWidget(PairGroup("Instrument Hours", kActualImc, kSimulatedImc), 2, 2);
  grid->addWidget(PairGroup("Allocation of Hours", kDual, kPic), 2, 3);
  grid->addWidget(PairGroup("Landings", kDayLandings, kNightLandings), 3, 0);
  grid->addWidget(ApproachGroup(), 3, 1, 1, 3);
  grid->addWidget(RemarksGroup(), 4, 0, 1, 4);

  auto* whole = new QVBoxLayout(this);
  whole->addLayout(grid);
  whole->addSpacing(4);
  whole->addLayout(ButtonsLeftOkFirst());
  whole->setSizeConstraint(QLayout::SetFixedSize);
  ShowFormData();
}

QGroupBox* CEntryDialog::DateGroup() {
  QGroupBox* group = MakeGroup("Flight Date and Sequence Number", this);
  QGridLayout* grid = GroupGrid(group);
  const std::array<int, 3> date = {kMonth, kDay, kYear};
  for (std::size_t i = 0; i < date.size(); ++i) {
    QWidget* box = controls_.Make(date[i]);
    SetWidthInChars(box, i == 2 ? 5 : 3);
    grid->addWidget(box, 0, 1 + 2 * static_cast<int>(i));
    if (i > 0) grid->addWidget(MakeSlash(group), 0, 2 * static_cast<int>(i));
  }
  grid->addWidget(controls_.Label(kMonth), 0, 0);
  QWidget* flight = controls_.Make(kFlightNumber);
  SetWidthInChars(flight, 3);
  grid->addWidget(controls_.Label(kFlightNumber), 1, 0);
  grid->addWidget(flight, 1, 1);
  grid->setColumnStretch(6, 1);
  return group;
}

QGroupBox* CEntryDialog::AircraftGroup() {
  QGroupBox* group = MakeGroup("Aircraft Info", this);
  QGridLayout* grid = GroupGrid(group);
  QWidget* nNumber = controls_.Make(kNNumber);
  SetWidthInChars(nNumber, 9);
  const auto [label, prefix] = SplitBoxPrefix(CFieldControls<CEntryDlg>::FieldOf(kNNumber).label);
  grid->addWidget(controls_.Label(kNNumber, label), 0, 0);
  grid->addWidget(MakeText(prefix, group), 0, 1, Qt::AlignRight);
  grid->addWidget(nNumber, 0, 2, 1, 3, Qt::AlignLeft);
  QWidget* start = controls_.Make(kStartTach);
  QWidget* end = controls_.Make(kEndTach);
  SetWidthInChars(start, kHoursChars);
  SetWidthInChars(end, kHoursChars);
  grid->addWidget(controls_.Label(kStartTach), 1, 0);
  grid->addWidget(start, 1, 2);
  grid->addWidget(controls_.Label(kEndTach), 1, 3, Qt::AlignRight);
  grid->addWidget(end, 1, 4);
  grid->setColumnMinimumWidth(3, 90);
  grid->setColumnStretch(5, 1);
  return group;
}

QWidget* CEntryDialog::RouteStrip() {
  auto* strip = new QWidget(this);
  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(2, 0, 2, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);
  const std::array<int, 4> ids = {kDeparture, kRoute, kArrival, kTachTime};
  for (int column = 0; column < static_cast<int>(ids.size()); ++column) {
    QWidget* box = controls_.Make(ids[column]);
    if (ids[column] != kRoute) SetWidthInChars(box, kAirportChars);
    grid->addWidget(box, 1, column);
    grid->addWidget(controls_.Label(ids[column]), 0, column);
  }
  // Tach hours flown without readings: the box has no label of its own.
  QWidget* tachTime = controls_.Control(kTachTime);
  tachTime->setToolTip(QStringLiteral("Tach time without readings"));
  tachTime->setWhatsThis(QStringLiteral(
      "Tachometer hours of a flight logged without start and end readings. The log shows "
      "them in its Tach (or Solo) column when the readings give no time of their own."));
  grid->setColumnStretch(1, 1);
  return strip;
}

QGroupBox* CEntryDialog::PairGroup(const char* title, int firstId, int secondId) {
  QGroupBox* group = MakeGroup(title, this);
  QGridLayout* grid = GroupGrid(group);
  const std::array<int, 2> ids = {firstId, secondId};
  for (int row = 0; row < 2; ++row) {
    QWidget* box = controls_.Make(ids[row]);
    SetWidthInChars(box, kHoursChars);
    grid->addWidget(controls_.Label(ids[row]), row, 0);
    grid->addWidget(box, row, 1);
  }
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(2, 1);  // a group taller than its two rows keeps them on top
  return group;
}

QGroupBox* CEntryDialog::ApproachGroup() {
  QGroupBox* group = MakeGroup("Instrument Approaches", this);
  QGridLayout* grid = GroupGrid(group);
  // Four label and box pairs a row, the space between the pairs.
  for (std::size_t i = 0; i < kApproaches.size(); ++i) {
    const int row = static_cast<int>(i / 4);
    const int column = 3 * static_cast<int>(i % 4);
    QWidget* box = controls_.Make(kApproaches[i]);
    SetWidthInChars(box, kCountChars);
    grid->addWidget(controls_.Label(kApproaches[i]), row, column);
    grid->addWidget(box, row, column + 1);
  }
  for (int gap = 2; gap < 11; gap += 3) {
    grid->setColumnStretch(gap, 1);
    grid->setColumnMinimumWidth(gap, 12);
  }
  QWidget* holding = controls_.Make(kHolding);
  SetWidthInChars(holding, kCountChars);
  grid->addWidget(controls_.Label(kHolding), 2, 0, 1, 4);
  grid->addWidget(holding, 2, 4);
  return group;
}

QGroupBox* CEntryDialog::RemarksGroup() {
  QGroupBox* group = MakeGroup("Description, Remarks, and Procedures", this);
  auto* box = new QVBoxLayout(group);
  QWidget* remarks = controls_.Make(kRemarks);
  remarks->setFixedHeight(remarks->fontMetrics().lineSpacing() * kRemarksLines + 12);
  box->addWidget(remarks);
  return group;
}

}  // namespace aerodex
