#include "editing/pilot_form.h"

#include <array>

#include "editing/interaction_port.h"
#include "model/document.h"
#include "model/pilot.h"

namespace {

using aerodex::CheckBoxField;
using aerodex::FormField;
using aerodex::TextField;
using aerodex::WholeField;
using D = CPilotInfoDlg;

constexpr const char* kBfr = "Last BFR  (month/year)";
constexpr const char* kIcc = "Last ICC  (month/year)";
constexpr const char* kMedical = "Last Medical (month/year)";
constexpr const char* kBirthday = "Birthday (month/year)";

const auto kPilotFields = std::to_array<FormField<D>>({
    TextField(1000, "pilotName", "Pilot's Name", &D::pilotName, 20, false),
    TextField(1001, "baseAirport", "Pilot's Base Airport ID", &D::baseAirport, 5),
    WholeField(1033, "licenseNumber", "Pilot License #", &D::licenseNumber, 1, 999999999),
    WholeField(1003, "bfrMonth", kBfr, &D::bfrMonth, 1, 12),
    WholeField(1004, "bfrYear", kBfr, &D::bfrYear, 1900, 2100),
    WholeField(1005, "iccMonth", kIcc, &D::iccMonth, 1, 12),
    WholeField(1006, "iccYear", kIcc, &D::iccYear, 1900, 2100),
    WholeField(1038, "medicalMonth", kMedical, &D::medicalMonth, 1, 12),
    WholeField(1039, "medicalYear", kMedical, &D::medicalYear, 1900, 2100),
    WholeField(1042, "birthMonth", kBirthday, &D::birthMonth, 1, 12),
    WholeField(1043, "birthYear", kBirthday, &D::birthYear, 1900, 2100),
    WholeField(1050, "medicalClass", "Class of Medical", &D::medicalClass, 1, 3, true),
    TextField(1002, "address", "Pilot's Address", &D::address, 0, false),
    CheckBoxField(1044, "isStudent", "Student Pilot", &D::isStudent),
    CheckBoxField(1045, "isRecreational", "Recreational Pilot", &D::isRecreational),
    CheckBoxField(1046, "isPrivate", "Private Pilot", &D::isPrivate),
    CheckBoxField(1047, "isCommercial", "Commercial Pilot", &D::isCommercial),
    CheckBoxField(1048, "isAirlineTransport", "Airline Transport Pilot", &D::isAirlineTransport),
    CheckBoxField(1049, "isFlightInstructor", "Flight Instructor", &D::isFlightInstructor),
    CheckBoxField(1013, "ratedAirplane", "Airplane", &D::ratedAirplane),
    CheckBoxField(1014, "ratedRotorcraft", "Rotorcraft", &D::ratedRotorcraft),
    CheckBoxField(1015, "ratedGlider", "Glider", &D::ratedGlider),
    CheckBoxField(1016, "ratedLighterThanAir", "Lighter Than Air", &D::ratedLighterThanAir),
    CheckBoxField(1017, "ratedSingleEngineLand", "Single Engine Land", &D::ratedSingleEngineLand),
    CheckBoxField(1018, "ratedMultiEngineLand", "Multi Engine Land", &D::ratedMultiEngineLand),
    CheckBoxField(1019, "ratedSingleEngineSea", "Single Engine Sea", &D::ratedSingleEngineSea),
    CheckBoxField(1020, "ratedMultiEngineSea", "Multi Engine Sea", &D::ratedMultiEngineSea),
    CheckBoxField(1025, "ratedHelicopter", "Helicopter", &D::ratedHelicopter),
    CheckBoxField(1026, "ratedGyroplane", "Gyroplane", &D::ratedGyroplane),
    CheckBoxField(1029, "ratedAirship", "Airship", &D::ratedAirship),
    CheckBoxField(1030, "ratedFreeBalloon", "Free Balloon", &D::ratedFreeBalloon),
    CheckBoxField(1034, "ratedInstrumentAirplane", "Instrument Airplane",
                  &D::ratedInstrumentAirplane),
    CheckBoxField(1035, "ratedInstrumentHelicopter", "Instrument Helicopter",
                  &D::ratedInstrumentHelicopter),
    CheckBoxField(1021, "cfiSingleEngineLand", "CFI", &D::cfiSingleEngineLand),
    CheckBoxField(1022, "cfiMultiEngineLand", "CFI", &D::cfiMultiEngineLand),
    CheckBoxField(1023, "cfiSingleEngineSea", "CFI", &D::cfiSingleEngineSea),
    CheckBoxField(1024, "cfiMultiEngineSea", "CFI", &D::cfiMultiEngineSea),
    CheckBoxField(1027, "cfiHelicopter", "CFI", &D::cfiHelicopter),
    CheckBoxField(1028, "cfiGyroplane", "CFI", &D::cfiGyroplane),
    CheckBoxField(1031, "cfiAirship", "CFI", &D::cfiAirship),
    CheckBoxField(1032, "cfiFreeBalloon", "CFI", &D::cfiFreeBalloon),
    CheckBoxField(1036, "cfiInstrumentAirplane", "CFI", &D::cfiInstrumentAirplane),
    CheckBoxField(1037, "cfiInstrumentHelicopter", "CFI", &D::cfiInstrumentHelicopter),
    CheckBoxField(1040, "highPerformanceEndorsement", "High Performance",
                  &D::highPerformanceEndorsement),
    CheckBoxField(1041, "tailWheelEndorsement", "Tail Wheel", &D::tailWheelEndorsement),
});

// The form's 32 check boxes in the order of the record's kPilotFlags.
constexpr std::array<int D::*, 32> kFormFlags = {&D::isStudent,
                                                 &D::isRecreational,
                                                 &D::isPrivate,
                                                 &D::isCommercial,
                                                 &D::isAirlineTransport,
                                                 &D::isFlightInstructor,
                                                 &D::ratedAirplane,
                                                 &D::ratedRotorcraft,
                                                 &D::ratedGlider,
                                                 &D::ratedLighterThanAir,
                                                 &D::ratedSingleEngineLand,
                                                 &D::ratedMultiEngineLand,
                                                 &D::ratedSingleEngineSea,
                                                 &D::ratedMultiEngineSea,
                                                 &D::ratedHelicopter,
                                                 &D::ratedGyroplane,
                                                 &D::ratedAirship,
                                                 &D::ratedFreeBalloon,
                                                 &D::ratedInstrumentAirplane,
                                                 &D::ratedInstrumentHelicopter,
                                                 &D::cfiSingleEngineLand,
                                                 &D::cfiMultiEngineLand,
                                                 &D::cfiSingleEngineSea,
                                                 &D::cfiMultiEngineSea,
                                                 &D::cfiHelicopter,
                                                 &D::cfiGyroplane,
                                                 &D::cfiAirship,
                                                 &D::cfiFreeBalloon,
                                                 &D::cfiInstrumentAirplane,
                                                 &D::cfiInstrumentHelicopter,
                                                 &D::highPerformanceEndorsement,
                                                 &D::tailWheelEndorsement};

unsigned Box(int value) { return static_cast<unsigned>(value); }
int Number(unsigned value) { return static_cast<int>(value); }

}  // namespace

std::span<const FormField<CPilotInfoDlg>> CPilotInfoDlg::Fields() { return kPilotFields; }

void CPilotInfoDlg::FillFrom(const CPilotInfo& p) {
  pilotName = p.pilotName;
  address = p.address;
  baseAirport = p.baseAirport;
  licenseNumber = Box(p.licenseNumber);
  bfrMonth = Box(p.bfrMonth);
  bfrYear = Box(p.bfrYear);
  iccMonth = Box(p.iccMonth);
  iccYear = Box(p.iccYear);
  medicalMonth = Box(p.medicalMonth);
  medicalYear = Box(p.medicalYear);
  medicalClass = Box(p.medicalClass);
  birthMonth = Box(p.birthMonth);
  birthYear = Box(p.birthYear);
  for (std::size_t i = 0; i < kFormFlags.size(); ++i) this->*kFormFlags[i] = p.*kPilotFlags[i];
}

void CPilotInfoDlg::CopyTo(CPilotInfo& p) const {
  p.pilotName = pilotName;
  p.address = address;
  p.baseAirport = baseAirport;
  p.licenseNumber = Number(licenseNumber);
  p.bfrMonth = Number(bfrMonth);
  p.bfrYear = Number(bfrYear);
  p.iccMonth = Number(iccMonth);
  p.iccYear = Number(iccYear);
  p.medicalMonth = Number(medicalMonth);
  p.medicalYear = Number(medicalYear);
  p.medicalClass = Number(medicalClass);
  p.birthMonth = Number(birthMonth);
  p.birthYear = Number(birthYear);
  for (std::size_t i = 0; i < kFormFlags.size(); ++i) p.*kPilotFlags[i] = this->*kFormFlags[i];
}

void OnEditPilotInfo(CAerodexDoc& doc, CInteractionPort& port) {
  CPilotInfoDlg form;
  form.FillFrom(doc.pilot);
  if (!port.ShowPilotForm(form)) return;
  form.CopyTo(doc.pilot);
  doc.SetModifiedFlag();
  doc.UpdateAllViews();  // the page heading shows the pilot's particulars
}
