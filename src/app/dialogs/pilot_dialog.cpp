// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/pilot_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/dialogs/form_layout.h"

namespace aerodex {
namespace {

using Rating = std::pair<ControlId, ControlId>;  // the rating's box and its CFI box

// Month and year boxes, top to bottom; the class of medical goes after the medical.
constexpr std::array<Rating, 4> kDates = {{{kPilotBfrMonth, kPilotBfrYear},
                                           {kPilotIccMonth, kPilotIccYear},
                                           {kPilotMedicalMonth, kPilotMedicalYear},
                                           {kPilotBirthMonth, kPilotBirthYear}}};
constexpr int kMedicalRow = 2;

constexpr std::array<ControlId, 6> kCertificates = {
    kPilotIsStudent,    kPilotIsRecreational,     kPilotIsPrivate,
    kPilotIsCommercial, kPilotIsAirlineTransport, kPilotIsFlightInstructor};
constexpr std::array<ControlId, 4> kCategories = {kPilotRatedAirplane, kPilotRatedRotorcraft,
                                                  kPilotRatedGlider, kPilotRatedLighterThanAir};
constexpr std::array<ControlId, 2> kEndorsements = {kPilotHighPerformanceEndorsement,
                                                    kPilotTailWheelEndorsement};
constexpr std::array<Rating, 4> kAirplaneClasses = {
    {{kPilotRatedSingleEngineLand, kPilotCfiSingleEngineLand},
     {kPilotRatedMultiEngineLand, kPilotCfiMultiEngineLand},
     {kPilotRatedSingleEngineSea, kPilotCfiSingleEngineSea},
     {kPilotRatedMultiEngineSea, kPilotCfiMultiEngineSea}}};
constexpr std::array<Rating, 2> kRotorcraftClasses = {
    {{kPilotRatedHelicopter, kPilotCfiHelicopter}, {kPilotRatedGyroplane, kPilotCfiGyroplane}}};
constexpr std::array<Rating, 2> kLighterThanAirClasses = {
    {{kPilotRatedAirship, kPilotCfiAirship}, {kPilotRatedFreeBalloon, kPilotCfiFreeBalloon}}};
constexpr std::array<Rating, 2> kInstrumentRatings = {
    {{kPilotRatedInstrumentAirplane, kPilotCfiInstrumentAirplane},
     {kPilotRatedInstrumentHelicopter, kPilotCfiInstrumentHelicopter}}};

QVBoxLayout* Column() {
  auto* column = new QVBoxLayout;
  column->setSpacing(10);
  return column;
}

}  // namespace

CPilotInfoDialog::CPilotInfoDialog(const CPilotInfoDlg& form, QWidget* parent)
    : CFieldFormDialog(form, parent) {
  QGroupBox* identification = IdentificationGroup();
  QVBoxLayout* left = Column();
  left->addWidget(DatesGroup());
  left->addWidget(ColumnGroup("Endorsements", kEndorsements));
  left->addStretch();
  QVBoxLayout* middle = Column();
  middle->addWidget(ColumnGroup("Certificates (check one only)", kCertificates));
  middle->addWidget(ColumnGroup("Aircraft Category Ratings", kCategories));
  middle->addStretch();
  QVBoxLayout* right = Column();
  right->addWidget(RatingGroup("Airplane Class Ratings", kAirplaneClasses));
  right->addWidget(RatingGroup("Rotorcraft Class Ratings", kRotorcraftClasses));
  right->addWidget(RatingGroup("Lighter-Than-Air Class Ratings", kLighterThanAirClasses));
  right->addWidget(RatingGroup("Instrument Ratings", kInstrumentRatings));
  right->addStretch();
  AlignCfiColumns();

  auto* columns = new QHBoxLayout;
  columns->setSpacing(12);
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  auto* controls = new QVBoxLayout;
  controls->setSpacing(10);
  controls->addWidget(identification);
  controls->addLayout(columns);
  LayOutForm(controls, ButtonsRightCancelFirst(), 10);
  ShowFormData();
}

QGroupBox* CPilotInfoDialog::IdentificationGroup() {
  QGroupBox* group = MakeGroup("Identification", this);
  QGridLayout* grid = GroupGrid(group);
  struct Box {
    ControlId id;
    int row, column, chars;
  };
  // Read across: name and base airport, then address and certificate number.
  constexpr std::array<Box, 4> kBoxes = {{{kPilotName, 0, 0, 22},
                                          {kPilotBaseAirport, 0, 2, 11},
                                          {kPilotAddress, 1, 0, 44},
                                          {kPilotLicenseNumber, 1, 2, 11}}};
  for (const Box& b : kBoxes) {
    QWidget* box = controls_.Make(b.id);
    SetWidthInChars(box, b.chars);
    grid->addWidget(controls_.Label(b.id), b.row, b.column);
    grid->addWidget(box, b.row, b.column + 1, Qt::AlignLeft);
  }
  grid->setColumnMinimumWidth(2, 0);
  grid->setColumnStretch(1, 1);
  grid->setHorizontalSpacing(12);
  return group;
}

QGroupBox* CPilotInfoDialog::DatesGroup() {
  QGroupBox* group = MakeGroup("Important Dates", this);
  QGridLayout* grid = GroupGrid(group);
  int row = 0;
  for (std::size_t i = 0; i < kDates.size(); ++i, ++row) {
    QWidget* month = controls_.Make(kDates[i].first);
    QWidget* year = controls_.Make(kDates[i].second);
    SetWidthInChars(month, 3);
    SetWidthInChars(year, 5);
    grid->addWidget(controls_.Label(kDates[i].first), row, 0);
    grid->addWidget(month, row, 1);
    grid->addWidget(MakeSlash(group), row, 2);
    grid->addWidget(year, row, 3);
    if (static_cast<int>(i) == kMedicalRow) {
      ++row;
      QWidget* medicalClass = controls_.Make(kPilotMedicalClass);
      SetWidthInChars(medicalClass, 3);
      grid->addWidget(controls_.Label(kPilotMedicalClass), row, 0);
      grid->addWidget(medicalClass, row, 1);
    }
  }
  grid->setColumnStretch(0, 1);
  return group;
}

QGroupBox* CPilotInfoDialog::ColumnGroup(const char* title, std::span<const ControlId> ids) {
  QGroupBox* group = MakeGroup(title, this);
  auto* column = new QVBoxLayout(group);
  column->setSpacing(6);
  for (ControlId id : ids) column->addWidget(controls_.Make(id));
  return group;
}

QGroupBox* CPilotInfoDialog::RatingGroup(const char* title, std::span<const Rating> rows) {
  QGroupBox* group = MakeGroup(title, this);
  QGridLayout* grid = GroupGrid(group);
  grid->setHorizontalSpacing(16);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    grid->addWidget(controls_.Make(rows[static_cast<std::size_t>(row)].first), row, 0);
    grid->addWidget(controls_.Make(rows[static_cast<std::size_t>(row)].second), row, 1);
  }
  grid->setColumnStretch(2, 1);
  ratingGrids_.push_back(grid);
  return group;
}

void CPilotInfoDialog::AlignCfiColumns() {
  int widest = 0;
  for (QGridLayout* grid : ratingGrids_) {
    for (int row = 0; row < grid->rowCount(); ++row) {
      if (QLayoutItem* item = grid->itemAtPosition(row, 0)) {
        widest = std::max(widest, item->widget()->sizeHint().width());
      }
    }
  }
  for (QGridLayout* grid : ratingGrids_) grid->setColumnMinimumWidth(0, widest);
}

}  // namespace aerodex
