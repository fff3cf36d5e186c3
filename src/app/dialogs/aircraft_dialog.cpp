// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/aircraft_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <array>

#include "app/dialogs/form_layout.h"

namespace aerodex {
namespace {

// "Aircraft": Airplane ... Simulator; "Airplane": the equipment, as listed.
constexpr std::array<ControlId, 8> kKinds = {
    kAircraftIsAirplane,  kAircraftIsSeaplane, kAircraftIsGlider,  kAircraftIsHelicopter,
    kAircraftIsGyroplane, kAircraftIsAirship,  kAircraftIsBalloon, kAircraftIsSimulator};
constexpr std::array<ControlId, 8> kEquipment = {
    kAircraftIsSingleEngine,       kAircraftIsMultiEngine, kAircraftIsRetractable,
    kAircraftHasConstantSpeedProp, kAircraftHasTailWheel,  kAircraftIsIfrCertified,
    kAircraftIsHighPerformance,    kAircraftIsHeavy};

struct IdentityRow {
  ControlId id;
  int chars;
};
constexpr std::array<IdentityRow, 5> kIdentity = {{{kAircraftMake, 16},
                                                   {kAircraftModel, 16},
                                                   {kAircraftNNumber, 8},
                                                   {kAircraftHourlyCost, 8},
                                                   {kAircraftTbo, 8}}};

}  // namespace

CAircraftDialog::CAircraftDialog(const CAircraftDlg& form, QWidget* parent)
    : CFieldFormDialog(form, parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(10);
  grid->addWidget(CheckGroup("Aircraft", kKinds), 0, 0);
  grid->addWidget(CheckGroup("Airplane", kEquipment), 0, 1);
  grid->addLayout(IdentityBlock(), 1, 0, Qt::AlignTop);
  grid->addWidget(MaintenanceGroup(), 1, 1, Qt::AlignTop);

  LayOutForm(grid, ButtonsRightCancelFirst(), 6);
  ShowFormData();
}

QGroupBox* CAircraftDialog::CheckGroup(const char* title, std::span<const ControlId> ids) {
  QGroupBox* group = MakeGroup(title, this);
  QGridLayout* grid = GroupGrid(group);
  grid->setHorizontalSpacing(20);
  const int perColumn = static_cast<int>((ids.size() + 1) / 2);
  for (int i = 0; i < static_cast<int>(ids.size()); ++i) {
    grid->addWidget(controls_.Make(ids[static_cast<std::size_t>(i)]), i % perColumn, i / perColumn);
  }
  grid->setColumnStretch(2, 1);
  return group;
}

QGridLayout* CAircraftDialog::IdentityBlock() {
  auto* grid = new QGridLayout;
  grid->setContentsMargins(1, 8, 4, 0);  // labels in line with the group frames above
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(6);
  int row = 0;
  for (const IdentityRow& item : kIdentity) {
    QWidget* box = controls_.Make(item.id);
    SetWidthInChars(box, item.chars);
    const auto [label, prefix] =
        SplitBoxPrefix(CFieldControls<CAircraftDlg>::FieldOf(item.id).label);
    grid->addWidget(controls_.Label(item.id, label), row, 0);
    if (!prefix.isEmpty()) grid->addWidget(MakeText(prefix, this), row, 1, Qt::AlignRight);
    grid->addWidget(box, row, 2, Qt::AlignLeft);
    ++row;
  }
  grid->setColumnMinimumWidth(1, 12);
  grid->setColumnMinimumWidth(0, 170);
  grid->setRowMinimumHeight(row, 6);
  grid->addWidget(controls_.Make(kAircraftIsMonitored), row + 1, 0, 1, 3);
  return grid;
}

QGroupBox* CAircraftDialog::MaintenanceGroup() {
  QGroupBox* group = MakeGroup("Tachometer And Dates", this);
  QGridLayout* grid = GroupGrid(group);
  const std::array<std::array<ControlId, 2>, 2> dates = {
      {{kAircraftLastAnnualMonth, kAircraftLastAnnualYear},
       {kAircraftLastIfrCheckMonth, kAircraftLastIfrCheckYear}}};
  for (int row = 0; row < 2; ++row) {
    QWidget* month = controls_.Make(dates[row][0]);
    QWidget* year = controls_.Make(dates[row][1]);
    SetWidthInChars(month, 3);
    SetWidthInChars(year, 5);
    grid->addWidget(controls_.Label(dates[row][0]), row, 0);
    grid->addWidget(month, row, 1);
    grid->addWidget(MakeSlash(group), row, 2);
    grid->addWidget(year, row, 3);
  }
  const std::array<ControlId, 2> readings = {kAircraftTachAtAnnual, kAircraftTachAtOilChange};
  for (int i = 0; i < 2; ++i) {
    QWidget* box = controls_.Make(readings[i]);
    SetWidthInChars(box, 7);
    grid->addWidget(controls_.Label(readings[i]), 2 + i, 0);
    grid->addWidget(box, 2 + i, 1, 1, 3, Qt::AlignRight);
  }
  grid->setColumnStretch(0, 1);
  return group;
}

}  // namespace aerodex
