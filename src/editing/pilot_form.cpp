// SPDX-License-Identifier: GPL-3.0-or-later
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

}  // namespace

std::span<const FormField<CPilotInfoDlg>> CPilotInfoDlg::Fields() { return kPilotFields; }

using PilotCopy = aerodex::CFormRecordCopy<CPilotInfoDlg, aerodex::kPilotFields>;

void CPilotInfoDlg::FillFrom(const CPilotInfo& pilot) { PilotCopy::FillForm(*this, pilot); }

void CPilotInfoDlg::CopyTo(CPilotInfo& pilot) const { PilotCopy::CopyToRecord(*this, pilot); }

void OnEditPilotInfo(CAerodexDoc& doc, CInteractionPort& port) {
  CPilotInfoDlg form;
  form.FillFrom(doc.pilot);
  if (!port.ShowPilotForm(form)) return;
  form.CopyTo(doc.pilot);
  doc.SetModifiedFlag();
  doc.UpdateAllViews();  // the page heading shows the pilot's particulars
}
