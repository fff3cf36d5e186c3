// SPDX-License-Identifier: GPL-3.0-or-later
// CPilotInfo: the particulars of the one pilot whose log the document holds.
#pragma once

#include <string>

struct CPilotInfo {
  // Empty texts, every number and flag 0.
  void Reset() { *this = CPilotInfo{}; }

  std::string pilotName;
  std::string address;
  std::string baseAirport;
  int bfrMonth = 0;
  int bfrYear = 0;
  int iccMonth = 0;
  int iccYear = 0;
  int medicalMonth = 0;
  int medicalYear = 0;
  int medicalClass = 0;
  int birthMonth = 0;
  int birthYear = 0;
  int licenseNumber = 0;

  // The 32 flags: certificates, ratings, instructor ratings and endorsements.
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
};
