// SPDX-License-Identifier: GPL-3.0-or-later
// CPilotInfoDlg: the data of the pilot form "Edit Pilot Information", one
// member per field of the pilot record, and the Edit Pilot Info command.
#pragma once

#include <span>
#include <string>

#include "editing/form_fields.h"

class CAerodexDoc;
class CInteractionPort;
struct CPilotInfo;

class CPilotInfoDlg {
 public:
  static constexpr const char* kTitle = "Edit Pilot Information";

  // "Identification"
  std::string pilotName;
  std::string address;
  std::string baseAirport;
  unsigned licenseNumber = 0;
  // "Important Dates"
  unsigned bfrMonth = 0;
  unsigned bfrYear = 0;
  unsigned iccMonth = 0;
  unsigned iccYear = 0;
  unsigned medicalMonth = 0;
  unsigned medicalYear = 0;
  unsigned medicalClass = 0;
  unsigned birthMonth = 0;
  unsigned birthYear = 0;
  // Certificates, ratings, instructor ratings and endorsements (0 or 1).
  int isStudent = 0;
  int isRecreational = 0;
  int isPrivate = 0;
  int isCommercial = 0;
  int isAirlineTransport = 0;
  int isFlightInstructor = 0;
  int ratedAirplane = 0;
  int ratedRotorcraft = 0;
  int ratedGlider = 0;
  int ratedLighterThanAir = 0;
  int ratedSingleEngineLand = 0;
  int ratedMultiEngineLand = 0;
  int ratedSingleEngineSea = 0;
  int ratedMultiEngineSea = 0;
  int ratedHelicopter = 0;
  int ratedGyroplane = 0;
  int ratedAirship = 0;
  int ratedFreeBalloon = 0;
  int ratedInstrumentAirplane = 0;
  int ratedInstrumentHelicopter = 0;
  int cfiSingleEngineLand = 0;
  int cfiMultiEngineLand = 0;
  int cfiSingleEngineSea = 0;
  int cfiMultiEngineSea = 0;
  int cfiHelicopter = 0;
  int cfiGyroplane = 0;
  int cfiAirship = 0;
  int cfiFreeBalloon = 0;
  int cfiInstrumentAirplane = 0;
  int cfiInstrumentHelicopter = 0;
  int highPerformanceEndorsement = 0;
  int tailWheelEndorsement = 0;

  void FillFrom(const CPilotInfo& pilot);
  void CopyTo(CPilotInfo& pilot) const;

  // The fields that can fail in the order OK reads them, then the address and
  // the check boxes.
  static std::span<const aerodex::FormField<CPilotInfoDlg>> Fields();
};

// Shows the pilot form filled from the document's pilot record; OK writes
// every field back, marks the document modified and asks for a redraw.
void OnEditPilotInfo(CAerodexDoc& doc, CInteractionPort& port);
