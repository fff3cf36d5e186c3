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
using enum aerodex::ControlId;

constexpr const char* kBfr = "Last BFR  (month/year)";
constexpr const char* kIcc = "Last ICC  (month/year)";
constexpr const char* kMedical = "Last Medical (month/year)";
constexpr const char* kBirthday = "Birthday (month/year)";

const auto kPilotFields = std::to_array<FormField<D>>({
    TextField(kPilotName, "pilotName", "Pilot's Name", &D::pilotName, 20, false),
    TextField(kPilotBaseAirport, "baseAirport", "Pilot's Base Airport ID", &D::baseAirport, 5),
    WholeField(kPilotLicenseNumber, "licenseNumber", "Pilot License #", &D::licenseNumber, 1,
               999999999),
    WholeField(kPilotBfrMonth, "bfrMonth", kBfr, &D::bfrMonth, 1, 12),
    WholeField(kPilotBfrYear, "bfrYear", kBfr, &D::bfrYear, 1900, 2100),
    WholeField(kPilotIccMonth, "iccMonth", kIcc, &D::iccMonth, 1, 12),
    WholeField(kPilotIccYear, "iccYear", kIcc, &D::iccYear, 1900, 2100),
    WholeField(kPilotMedicalMonth, "medicalMonth", kMedical, &D::medicalMonth, 1, 12),
    WholeField(kPilotMedicalYear, "medicalYear", kMedical, &D::medicalYear, 1900, 2100),
    WholeField(kPilotBirthMonth, "birthMonth", kBirthday, &D::birthMonth, 1, 12),
    WholeField(kPilotBirthYear, "birthYear", kBirthday, &D::birthYear, 1900, 2100),
    WholeField(kPilotMedicalClass, "medicalClass", "Class of Medical", &D::medicalClass, 1, 3,
               true),
    TextField(kPilotAddress, "address", "Pilot's Address", &D::address, 0, false),
    CheckBoxField(kPilotIsStudent, "isStudent", "Student Pilot", &D::isStudent),
    CheckBoxField(kPilotIsRecreational, "isRecreational", "Recreational Pilot", &D::isRecreational),
    CheckBoxField(kPilotIsPrivate, "isPrivate", "Private Pilot", &D::isPrivate),
    CheckBoxField(kPilotIsCommercial, "isCommercial", "Commercial Pilot", &D::isCommercial),
    CheckBoxField(kPilotIsAirlineTransport, "isAirlineTransport", "Airline Transport Pilot",
                  &D::isAirlineTransport),
    CheckBoxField(kPilotIsFlightInstructor, "isFlightInstructor", "Flight Instructor",
                  &D::isFlightInstructor),
    CheckBoxField(kPilotRatedAirplane, "ratedAirplane", "Airplane", &D::ratedAirplane),
    CheckBoxField(kPilotRatedRotorcraft, "ratedRotorcraft", "Rotorcraft", &D::ratedRotorcraft),
    CheckBoxField(kPilotRatedGlider, "ratedGlider", "Glider", &D::ratedGlider),
    CheckBoxField(kPilotRatedLighterThanAir, "ratedLighterThanAir", "Lighter Than Air",
                  &D::ratedLighterThanAir),
    CheckBoxField(kPilotRatedSingleEngineLand, "ratedSingleEngineLand", "Single Engine Land",
                  &D::ratedSingleEngineLand),
    CheckBoxField(kPilotRatedMultiEngineLand, "ratedMultiEngineLand", "Multi Engine Land",
                  &D::ratedMultiEngineLand),
    CheckBoxField(kPilotRatedSingleEngineSea, "ratedSingleEngineSea", "Single Engine Sea",
                  &D::ratedSingleEngineSea),
    CheckBoxField(kPilotRatedMultiEngineSea, "ratedMultiEngineSea", "Multi Engine Sea",
                  &D::ratedMultiEngineSea),
    CheckBoxField(kPilotRatedHelicopter, "ratedHelicopter", "Helicopter", &D::ratedHelicopter),
    CheckBoxField(kPilotRatedGyroplane, "ratedGyroplane", "Gyroplane", &D::ratedGyroplane),
    CheckBoxField(kPilotRatedAirship, "ratedAirship", "Airship", &D::ratedAirship),
    CheckBoxField(kPilotRatedFreeBalloon, "ratedFreeBalloon", "Free Balloon", &D::ratedFreeBalloon),
    CheckBoxField(kPilotRatedInstrumentAirplane, "ratedInstrumentAirplane", "Instrument Airplane",
                  &D::ratedInstrumentAirplane),
    CheckBoxField(kPilotRatedInstrumentHelicopter, "ratedInstrumentHelicopter",
                  "Instrument Helicopter", &D::ratedInstrumentHelicopter),
    CheckBoxField(kPilotCfiSingleEngineLand, "cfiSingleEngineLand", "CFI", &D::cfiSingleEngineLand),
    CheckBoxField(kPilotCfiMultiEngineLand, "cfiMultiEngineLand", "CFI", &D::cfiMultiEngineLand),
    CheckBoxField(kPilotCfiSingleEngineSea, "cfiSingleEngineSea", "CFI", &D::cfiSingleEngineSea),
    CheckBoxField(kPilotCfiMultiEngineSea, "cfiMultiEngineSea", "CFI", &D::cfiMultiEngineSea),
    CheckBoxField(kPilotCfiHelicopter, "cfiHelicopter", "CFI", &D::cfiHelicopter),
    CheckBoxField(kPilotCfiGyroplane, "cfiGyroplane", "CFI", &D::cfiGyroplane),
    CheckBoxField(kPilotCfiAirship, "cfiAirship", "CFI", &D::cfiAirship),
    CheckBoxField(kPilotCfiFreeBalloon, "cfiFreeBalloon", "CFI", &D::cfiFreeBalloon),
    CheckBoxField(kPilotCfiInstrumentAirplane, "cfiInstrumentAirplane", "CFI",
                  &D::cfiInstrumentAirplane),
    CheckBoxField(kPilotCfiInstrumentHelicopter, "cfiInstrumentHelicopter", "CFI",
                  &D::cfiInstrumentHelicopter),
    CheckBoxField(kPilotHighPerformanceEndorsement, "highPerformanceEndorsement",
                  "High Performance", &D::highPerformanceEndorsement),
    CheckBoxField(kPilotTailWheelEndorsement, "tailWheelEndorsement", "Tail Wheel",
                  &D::tailWheelEndorsement),
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
