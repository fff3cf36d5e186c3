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

constexpr const char* kAnnualLabel = "Last Annual  (month/year)";
constexpr const char* kIfrLabel = "Last IFR Certification (month/year)";

const auto kAircraftFields = std::to_array<Field>({
    DecimalField(1073, "hourlyCost", "Hourly Cost to Rent/Own $", &D::hourlyCost),
    WholeField(1111, "lastAnnualMonth", kAnnualLabel, &D::lastAnnualMonth, 0, 12),
    WholeField(1112, "lastAnnualYear", kAnnualLabel, &D::lastAnnualYear, 0, 2050),
    WholeField(1115, "lastIfrCheckMonth", kIfrLabel, &D::lastIfrCheckMonth, 0, 12),
    WholeField(1116, "lastIfrCheckYear", kIfrLabel, &D::lastIfrCheckYear, 0, 2050),
    DecimalField(1113, "tachAtAnnual", "Tachometer at Annual", &D::tachAtAnnual, 0.0, 9999.9),
    DecimalField(1114, "tachAtOilChange", "Tachometer at Oil Change", &D::tachAtOilChange, 0.0,
                 9999.9),
    WholeField(1074, "tbo", "Time Before Overhaul (TBO)", &D::tbo, 0, 10000, true),
    TextField(1066, "make", "Aircraft Make", &D::make),
    TextField(1068, "model", "Aircraft Model", &D::model),
    TextField(1071, "nNumber", "Aircraft N Number     N", &D::nNumber),
    CheckBoxField(1050, "isAirplane", "Airplane", &D::isAirplane),
    CheckBoxField(1051, "isSeaplane", "Seaplane", &D::isSeaplane),
    CheckBoxField(1052, "isGlider", "Glider", &D::isGlider),
    CheckBoxField(1053, "isHelicopter", "Helicopter", &D::isHelicopter),
    CheckBoxField(1054, "isGyroplane", "Gyroplane", &D::isGyroplane),
    CheckBoxField(1055, "isAirship", "Airship", &D::isAirship),
    CheckBoxField(1056, "isBalloon", "Balloon", &D::isBalloon),
    CheckBoxField(1057, "isSimulator", "Simulator", &D::isSimulator),
    CheckBoxField(1058, "isSingleEngine", "Single Engine", &D::isSingleEngine),
    CheckBoxField(1059, "isMultiEngine", "Multi Engine", &D::isMultiEngine),
    CheckBoxField(1060, "isRetractable", "Retractable Gear", &D::isRetractable),
    CheckBoxField(1061, "hasConstantSpeedProp", "Constant Speed Prop", &D::hasConstantSpeedProp),
    CheckBoxField(1063, "hasTailWheel", "Tail Wheel", &D::hasTailWheel),
    CheckBoxField(1069, "isIfrCertified", "IFR Certified", &D::isIfrCertified),
    CheckBoxField(1062, "isHighPerformance", "Greater Than 200 HP", &D::isHighPerformance),
    CheckBoxField(1064, "isHeavy", "Greater than 12,500 lbs", &D::isHeavy),
    CheckBoxField(1065, "isMonitored", "Monitor This Owned Aircraft", &D::isMonitored),
});

const auto kNNumberFields = std::to_array<FormField<CNNumberDlg>>({
    TextField(1074, "nNumber", "N", &CNNumberDlg::nNumber, 7),
});

unsigned Box(int value) { return static_cast<unsigned>(value); }
int Number(unsigned value) { return static_cast<int>(value); }

}  // namespace

CAircraftDlg CAircraftDlg::ForNewAircraft(std::string nNumber) {
  CAircraftDlg form;
  form.nNumber = std::move(nNumber);
  return form;
}

std::span<const FormField<CAircraftDlg>> CAircraftDlg::Fields() { return kAircraftFields; }

void CAircraftDlg::FillFrom(const CAirplane& a) {
  isAirplane = a.isAirplane;
  isSeaplane = a.isSeaplane;
  isGlider = a.isGlider;
  isHelicopter = a.isHelicopter;
  isGyroplane = a.isGyroplane;
  isAirship = a.isAirship;
  isBalloon = a.isBalloon;
  isSimulator = a.isSimulator;
  isSingleEngine = a.isSingleEngine;
  isMultiEngine = a.isMultiEngine;
  isRetractable = a.isRetractable;
  hasConstantSpeedProp = a.hasConstantSpeedProp;
  hasTailWheel = a.hasTailWheel;
  isIfrCertified = a.isIfrCertified;
  isHighPerformance = a.isHighPerformance;
  isHeavy = a.isHeavy;
  make = a.make;
  model = a.model;
  nNumber = a.nNumber;
  hourlyCost = a.hourlyCost;
  tbo = Box(a.tbo);
  lastAnnualMonth = Box(a.lastAnnualMonth);
  lastAnnualYear = Box(a.lastAnnualYear);
  lastIfrCheckMonth = Box(a.lastIfrCheckMonth);
  lastIfrCheckYear = Box(a.lastIfrCheckYear);
  tachAtAnnual = a.tachAtAnnual;
  tachAtOilChange = a.tachAtOilChange;
  isMonitored = a.isMonitored;
}

void CAircraftDlg::CopyTo(CAirplane& a) const {
  a.isAirplane = isAirplane;
  a.isSeaplane = isSeaplane;
  a.isGlider = isGlider;
  a.isHelicopter = isHelicopter;
  a.isGyroplane = isGyroplane;
  a.isAirship = isAirship;
  a.isBalloon = isBalloon;
  a.isSimulator = isSimulator;
  a.isSingleEngine = isSingleEngine;
  a.isMultiEngine = isMultiEngine;
  a.isRetractable = isRetractable;
  a.hasConstantSpeedProp = hasConstantSpeedProp;
  a.hasTailWheel = hasTailWheel;
  a.isIfrCertified = isIfrCertified;
  a.isHighPerformance = isHighPerformance;
  a.isHeavy = isHeavy;
  a.make = make;
  a.model = model;
  a.nNumber = nNumber;
  a.hourlyCost = hourlyCost;
  a.tbo = Number(tbo);
  a.lastAnnualMonth = Number(lastAnnualMonth);
  a.lastAnnualYear = Number(lastAnnualYear);
  a.lastIfrCheckMonth = Number(lastIfrCheckMonth);
  a.lastIfrCheckYear = Number(lastIfrCheckYear);
  a.tachAtAnnual = tachAtAnnual;
  a.tachAtOilChange = tachAtOilChange;
  a.isMonitored = isMonitored;
}

std::span<const FormField<CNNumberDlg>> CNNumberDlg::Fields() { return kNNumberFields; }

void CSelectAircraftDlg::Choose(long index) {
  if (index >= 0 && static_cast<std::size_t>(index) < nNumbers.size()) choice = index;
}
