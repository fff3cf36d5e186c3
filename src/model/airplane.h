// SPDX-License-Identifier: GPL-3.0-or-later
// CAirplane: one aircraft of the pilot's database, keyed by its N-Number
// (the registration without the leading N, compared byte for byte).
#pragma once

#include <string>

class CAirplane {
 public:
  CAirplane() = default;
  explicit CAirplane(std::string nNumber) : nNumber(std::move(nNumber)) {}

  int isAirplane = 0;
  int isAirship = 0;
  int lastAnnualMonth = 0;  // 0: never given
  double tachAtAnnual = 0;
  int lastAnnualYear = 0;
  int isBalloon = 0;
  int isHeavy = 0;  // more than 12,500 lbs
  int hasConstantSpeedProp = 0;
  double hourlyCost = 0;
  int isGlider = 0;
  int isGyroplane = 0;
  int isHelicopter = 0;
  int isHighPerformance = 0;
  int isIfrCertified = 0;
  int lastIfrCheckMonth = 0;
  int lastIfrCheckYear = 0;
  std::string make;
  std::string model;
  int isMultiEngine = 0;
  std::string nNumber;
  double tachAtOilChange = 0;
  int isRetractable = 0;
  int isSeaplane = 0;
  int isSingleEngine = 0;
  int isSimulator = 0;
  int hasTailWheel = 0;
  int isMonitored = 0;  // owned aircraft whose maintenance is watched
  int tbo = 0;          // hours between overhauls
};
