// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/aircraft_forms.h"

#include <array>

#include "model/airplane.h"

namespace {

using aerodex::CheckBoxField;
using aerodex::DecimalField;
using aerodex::FormField;
using aerodex::TextField;
using aerodex::WholeField;
using Field = FormField<CAircraftDlg>;
using D = CAircraftDlg;
using enum aerodex::ControlId;

constexpr const char* kAnnualLabel = "Last Annual  (month/year)";
constexpr const char* kIfrLabel = "Last IFR Certification (month/year)";

const auto kAircraftFields = std::to_array<Field>({
    DecimalField(kAircraftHourlyCost, "hourlyCost", "Hourly Cost to Rent/Own $", &D::hourlyCost),
    WholeField(kAircraftLastAnnualMonth, "lastAnnualMonth", kAnnualLabel, &D::lastAnnualMonth, 0,
               12),
    WholeField(kAircraftLastAnnualYear, "lastAnnualYear", kAnnualLabel, &D::lastAnnualYear, 0,
               2050),
    WholeField(kAircraftLastIfrCheckMonth, "lastIfrCheckMonth", kIfrLabel, &D::lastIfrCheckMonth, 0,
               12),
    WholeField(kAircraftLastIfrCheckYear, "lastIfrCheckYear", kIfrLabel, &D::lastIfrCheckYear, 0,
               2050),
    DecimalField(kAircraftTachAtAnnual, "tachAtAnnual", "Tachometer at Annual", &D::tachAtAnnual,
                 0.0, 9999.9),
    DecimalField(kAircraftTachAtOilChange, "tachAtOilChange", "Tachometer at Oil Change",
                 &D::tachAtOilChange, 0.0, 9999.9),
    WholeField(kAircraftTbo, "tbo", "Time Before Overhaul (TBO)", &D::tbo, 0, 10000, true),
    TextField(kAircraftMake, "make", "Aircraft Make", &D::make),
    TextField(kAircraftModel, "model", "Aircraft Model", &D::model),
    TextField(kAircraftNNumber, "nNumber", "Aircraft N Number     N", &D::nNumber),
    CheckBoxField(kAircraftIsAirplane, "isAirplane", "Airplane", &D::isAirplane),
    CheckBoxField(kAircraftIsSeaplane, "isSeaplane", "Seaplane", &D::isSeaplane),
    CheckBoxField(kAircraftIsGlider, "isGlider", "Glider", &D::isGlider),
    CheckBoxField(kAircraftIsHelicopter, "isHelicopter", "Helicopter", &D::isHelicopter),
    CheckBoxField(kAircraftIsGyroplane, "isGyroplane", "Gyroplane", &D::isGyroplane),
    CheckBoxField(kAircraftIsAirship, "isAirship", "Airship", &D::isAirship),
    CheckBoxField(kAircraftIsBalloon, "isBalloon", "Balloon", &D::isBalloon),
    CheckBoxField(kAircraftIsSimulator, "isSimulator", "Simulator", &D::isSimulator),
    CheckBoxField(kAircraftIsSingleEngine, "isSingleEngine", "Single Engine", &D::isSingleEngine),
    CheckBoxField(kAircraftIsMultiEngine, "isMultiEngine", "Multi Engine", &D::isMultiEngine),
    CheckBoxField(kAircraftIsRetractable, "isRetractable", "Retractable Gear", &D::isRetractable),
    CheckBoxField(kAircraftHasConstantSpeedProp, "hasConstantSpeedProp", "Constant Speed Prop",
                  &D::hasConstantSpeedProp),
    CheckBoxField(kAircraftHasTailWheel, "hasTailWheel", "Tail Wheel", &D::hasTailWheel),
    CheckBoxField(kAircraftIsIfrCertified, "isIfrCertified", "IFR Certified", &D::isIfrCertified),
    CheckBoxField(kAircraftIsHighPerformance, "isHighPerformance", "Greater Than 200 HP",
                  &D::isHighPerformance),
    CheckBoxField(kAircraftIsHeavy, "isHeavy", "Greater than 12,500 lbs", &D::isHeavy),
    CheckBoxField(kAircraftIsMonitored, "isMonitored", "Monitor This Owned Aircraft",
                  &D::isMonitored),
});

const auto kNNumberFields = std::to_array<FormField<CNNumberDlg>>({
    TextField(kNNumberPromptBox, "nNumber", "N", &CNNumberDlg::nNumber, 7),
});

}  // namespace

CAircraftDlg CAircraftDlg::ForNewAircraft(std::string nNumber) {
  CAircraftDlg form;
  form.nNumber = std::move(nNumber);
  return form;
}

std::span<const FormField<CAircraftDlg>> CAircraftDlg::Fields() { return kAircraftFields; }

using AircraftCopy = aerodex::CFormRecordCopy<CAircraftDlg, aerodex::kAirplaneFields>;

void CAircraftDlg::FillFrom(const CAirplane& airplane) { AircraftCopy::FillForm(*this, airplane); }

void CAircraftDlg::CopyTo(CAirplane& airplane) const {
  AircraftCopy::CopyToRecord(*this, airplane);
}

std::span<const FormField<CNNumberDlg>> CNNumberDlg::Fields() { return kNNumberFields; }

void CSelectAircraftDlg::Choose(long index) {
  if (index >= 0 && static_cast<std::size_t>(index) < nNumbers.size()) choice = index;
}
