// SPDX-License-Identifier: GPL-3.0-or-later
// The data of the three aircraft forms: the aircraft form "Edit Aircraft
// Data" (one member per aircraft field), the N-Number prompt "Enter N Number
// for aircraft" and the aircraft list "Select Aircraft".
#pragma once

#include <span>
#include <string>
#include <vector>

#include "editing/form_fields.h"

class CAirplane;

class CAircraftDlg {
 public:
  static constexpr const char* kTitle = "Edit Aircraft Data";

  // "Aircraft": the kinds, independent check boxes (0 or 1).
  int isAirplane = 0;
  int isSeaplane = 0;
  int isGlider = 0;
  int isHelicopter = 0;
  int isGyroplane = 0;
  int isAirship = 0;
  int isBalloon = 0;
  int isSimulator = 0;
  // "Airplane": equipment and class.
  int isSingleEngine = 0;
  int isMultiEngine = 0;
  int isRetractable = 0;
  int hasConstantSpeedProp = 0;
  int hasTailWheel = 0;
  int isIfrCertified = 0;
  int isHighPerformance = 0;
  int isHeavy = 0;
  std::string make;
  std::string model;
  std::string nNumber;
  double hourlyCost = 0;
  unsigned tbo = 0;
  // "Tachometer And Dates"
  unsigned lastAnnualMonth = 0;
  unsigned lastAnnualYear = 0;
  unsigned lastIfrCheckMonth = 0;
  unsigned lastIfrCheckYear = 0;
  double tachAtAnnual = 0;
  double tachAtOilChange = 0;
  int isMonitored = 0;

  // The form of a new aircraft: everything clear or 0 but the N-Number.
  static CAircraftDlg ForNewAircraft(std::string nNumber);

  void FillFrom(const CAirplane& airplane);
  void CopyTo(CAirplane& airplane) const;

  // The number boxes in the order OK reads them, then the texts and check boxes.
  static std::span<const aerodex::FormField<CAircraftDlg>> Fields();
};

// The N-Number prompt. Its one box keeps what was typed when it is shown again.
class CNNumberDlg {
 public:
  static constexpr const char* kTitle = "Enter N Number for aircraft";

  std::string nNumber;

  static std::span<const aerodex::FormField<CNNumberDlg>> Fields();
};

// The fixed text of the N-Number prompt.
inline constexpr const char* kNNumberPromptText =
    "All aircraft are indexed by the FAA N-Number. If you are creating or editing data for a "
    "simulator or an aircraft that does not have an N-Number, enter an alphanumeric string to "
    "uniquely identify it:";

// The aircraft list: the N-Numbers in database order and the choice, an index
// into them or -1. The list opens with the choice highlighted (nothing when
// -1). The choice always names the item the user sees highlighted: a click, a
// double click or moving the highlight with the keys makes that item the
// choice (Choose), so OK acts on the aircraft the user is looking at.
class CSelectAircraftDlg {
 public:
  static constexpr const char* kTitle = "Select Aircraft";

  std::vector<std::string> nNumbers;
  long choice = -1;

  // Ignores indexes outside the list.
  void Choose(long index);
};
