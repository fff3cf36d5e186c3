// SPDX-License-Identifier: GPL-3.0-or-later
// CEntryDlg: the data of the entry form "Edit Aerodex Entry", one member per
// field of a flight entry. Whole numbers are unsigned and decimals are
// doubles, as the form's boxes read them; FillFrom and CopyTo move the values
// between the form and a flight entry.
#pragma once

#include <span>
#include <string>

#include "editing/form_fields.h"

class CAerodexDoc;
class CAerodexEntry;

class CEntryDlg {
 public:
  static constexpr const char* kTitle = "Edit Aerodex Entry";

  // "Aircraft Info"
  std::string nNumber;
  double startTach = 0;
  double endTach = 0;
  double tachTime = 0;  // the unlabelled box: tach hours logged without readings
  std::string departure;
  std::string route;
  std::string arrival;
  // "Flight Date and Sequence Number"
  unsigned month = 0;
  unsigned day = 0;
  unsigned year = 0;
  unsigned flightNumber = 0;
  // "Instrument Hours"
  double actualInstrument = 0;
  double simulatedInstrument = 0;
  // "Instrument Approaches"
  unsigned ilsApproaches = 0;
  unsigned vorApproaches = 0;
  unsigned locApproaches = 0;
  unsigned ndbApproaches = 0;
  unsigned loranApproaches = 0;
  unsigned gpsApproaches = 0;
  unsigned radarApproaches = 0;
  unsigned rnavApproaches = 0;
  unsigned holdingProcedures = 0;
  // "Landings"
  unsigned dayLandings = 0;
  unsigned nightLandings = 0;
  // "Allocation of Hours"
  double dualHours = 0;
  double picHours = 0;
  // "Total Hours"
  double dayHours = 0;
  double nightHours = 0;
  // "Cross Country Hours"
  double dayCrossCountry = 0;
  double nightCrossCountry = 0;
  // "Description, Remarks, and Procedures"
  std::string remarks;

  void FillFrom(const CAerodexEntry& entry);
  void CopyTo(CAerodexEntry& entry) const;

  // Every box in the order in which OK reads them.
  static std::span<const aerodex::FormField<CEntryDlg>> Fields();
};

// The form of a new entry: the last-used N-Number, the base airport for both
// airports, today's date, and the tachometer default.
CEntryDlg NewEntryForm(const CAerodexDoc& doc);

// Starting and ending tach of a new entry: when the aircraft of lastNNumber is
// monitored, the highest ending tach logged in it (0 when none); otherwise 0.
double TachometerDefault(const CAerodexDoc& doc);
