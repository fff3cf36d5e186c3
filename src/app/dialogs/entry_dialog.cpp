// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/entry_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "app/dialogs/form_layout.h"

namespace aerodex {
namespace {

// ILS, VOR, LOC, NDB on the first row, LORAN, GPS, RADAR, RNAV on the second.
constexpr std::array<ControlId, 8> kApproaches = {
    kEntryIlsApproaches,   kEntryVorApproaches, kEntryLocApproaches,   kEntryNdbApproaches,
    kEntryLoranApproaches, kEntryGpsApproaches, kEntryRadarApproaches, kEntryRnavApproaches};

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
  grid->addWidget(PairGroup("Total Hours", kEntryDayHours, kEntryNightHours), 2, 0);
  grid->addWidget(PairGroup("Cross Country Hours", kEntryDayCrossCountry, kEntryNightCrossCountry),
                  2, 1);
  grid->addWidget(PairGroup("Instrument Hours", kEntryActualInstrument, kEntrySimulatedInstrument),
                  2, 2);
  grid->addWidget(PairGroup("Allocation of Hours", kEntryDualHours, kEntryPicHours), 2, 3);
  grid->addWidget(PairGroup("Landings", kEntryDayLandings, kEntryNightLandings), 3, 0);
  grid->addWidget(ApproachGroup(), 3, 1, 1, 3);
  grid->addWidget(RemarksGroup(), 4, 0, 1, 4);

  LayOutForm(grid, ButtonsLeftOkFirst(), 4);
  ShowFormData();
}

QGroupBox* CEntryDialog::DateGroup() {
  QGroupBox* group = MakeGroup("Flight Date and Sequence Number", this);
  QGridLayout* grid = GroupGrid(group);
  const std::array<ControlId, 3> date = {kEntryMonth, kEntryDay, kEntryYear};
  for (std::size_t i = 0; i < date.size(); ++i) {
    QWidget* box = controls_.Make(date[i]);
    SetWidthInChars(box, i == 2 ? 5 : 3);
    grid->addWidget(box, 0, 1 + 2 * static_cast<int>(i));
    if (i > 0) grid->addWidget(MakeSlash(group), 0, 2 * static_cast<int>(i));
  }
  grid->addWidget(controls_.Label(kEntryMonth), 0, 0);
  QWidget* flight = controls_.Make(kEntryFlightNumber);
  SetWidthInChars(flight, 3);
  grid->addWidget(controls_.Label(kEntryFlightNumber), 1, 0);
  grid->addWidget(flight, 1, 1);
  grid->setColumnStretch(6, 1);
  return group;
}

QGroupBox* CEntryDialog::AircraftGroup() {
  QGroupBox* group = MakeGroup("Aircraft Info", this);
  QGridLayout* grid = GroupGrid(group);
  QWidget* nNumber = controls_.Make(kEntryNNumber);
  SetWidthInChars(nNumber, 9);
  const auto [label, prefix] =
      SplitBoxPrefix(CFieldControls<CEntryDlg>::FieldOf(kEntryNNumber).label);
  grid->addWidget(controls_.Label(kEntryNNumber, label), 0, 0);
  grid->addWidget(MakeText(prefix, group), 0, 1, Qt::AlignRight);
  grid->addWidget(nNumber, 0, 2, 1, 3, Qt::AlignLeft);
  QWidget* start = controls_.Make(kEntryStartTach);
  QWidget* end = controls_.Make(kEntryEndTach);
  SetWidthInChars(start, kHoursChars);
  SetWidthInChars(end, kHoursChars);
  grid->addWidget(controls_.Label(kEntryStartTach), 1, 0);
  grid->addWidget(start, 1, 2);
  grid->addWidget(controls_.Label(kEntryEndTach), 1, 3, Qt::AlignRight);
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
  const std::array<ControlId, 4> ids = {kEntryDeparture, kEntryRoute, kEntryArrival,
                                        kEntryTachTime};
  for (int column = 0; column < static_cast<int>(ids.size()); ++column) {
    QWidget* box = controls_.Make(ids[column]);
    if (ids[column] != kEntryRoute) SetWidthInChars(box, kAirportChars);
    grid->addWidget(box, 1, column);
    grid->addWidget(controls_.Label(ids[column]), 0, column);
  }
  // Tach hours flown without readings: the box has no label of its own.
  QWidget* tachTime = controls_.Control(kEntryTachTime);
  tachTime->setToolTip(QStringLiteral("Tach time without readings"));
  tachTime->setWhatsThis(QStringLiteral(
      "Tachometer hours of a flight logged without start and end readings. The log shows "
      "them in its Tach (or Solo) column when the readings give no time of their own."));
  grid->setColumnStretch(1, 1);
  return strip;
}

QGroupBox* CEntryDialog::PairGroup(const char* title, ControlId firstId, ControlId secondId) {
  QGroupBox* group = MakeGroup(title, this);
  QGridLayout* grid = GroupGrid(group);
  const std::array<ControlId, 2> ids = {firstId, secondId};
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
  QWidget* holding = controls_.Make(kEntryHoldingProcedures);
  SetWidthInChars(holding, kCountChars);
  grid->addWidget(controls_.Label(kEntryHoldingProcedures), 2, 0, 1, 4);
  grid->addWidget(holding, 2, 4);
  return group;
}

QGroupBox* CEntryDialog::RemarksGroup() {
  QGroupBox* group = MakeGroup("Description, Remarks, and Procedures", this);
  auto* box = new QVBoxLayout(group);
  QWidget* remarks = controls_.Make(kEntryRemarks);
  remarks->setFixedHeight(remarks->fontMetrics().lineSpacing() * kRemarksLines + 12);
  box->addWidget(remarks);
  return group;
}

}  // namespace aerodex
