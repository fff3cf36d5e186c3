// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/aircraft_facts.h"

#include "import/cell_values.h"
#include "model/codepage.h"

namespace aerodex::import {
namespace {

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Kind, engines and water from a category/class text, short or long.
void PutCategoryClass(const std::string& value, CAirplane& a) {
  const std::string v = LowerCase(Trimmed(value));
  if (v == "asel" || v == "amel" || v == "ases" || v == "ames") {
    a.isAirplane = 1;
    (v[1] == 'm' ? a.isMultiEngine : a.isSingleEngine) = 1;
    a.isSeaplane = v[3] == 's' ? 1 : 0;
    return;
  }
  if (v == "rh" || Has(v, "helicopter")) a.isHelicopter = 1;
  if (v == "rg" || Has(v, "gyro")) a.isGyroplane = 1;
  if (v == "gl" || Has(v, "glider")) a.isGlider = 1;
  if (v == "la" || Has(v, "airship")) a.isAirship = 1;
  if (v == "lb" || Has(v, "balloon")) a.isBalloon = 1;
  if (Has(v, "simulator") || Has(v, "training device")) a.isSimulator = 1;
  if (Has(v, "airplane") || Has(v, "single") || Has(v, "multi")) {
    a.isAirplane = 1;
    (Has(v, "multi") ? a.isMultiEngine : a.isSingleEngine) = 1;
  }
  if (Has(v, "sea")) a.isSeaplane = 1;
}

void PutGear(const std::string& value, CAirplane& a) {
  const std::string v = LowerCase(Trimmed(value));
  if (v == "fc" || v == "rc" || Has(v, "conventional")) a.hasTailWheel = 1;
  if (v == "rc" || v == "rt" || Has(v, "retractable")) a.isRetractable = 1;
  if (v == "am" || v == "floats" || Has(v, "amphib") || Has(v, "float")) a.isSeaplane = 1;
}

void PutEquipment(const std::string& value, CAirplane& a) {
  const std::string v = LowerCase(Trimmed(value));
  if (v == "ffs" || v == "ftd" || v == "aatd" || v == "batd") a.isSimulator = 1;
}

void PutFact(Meaning meaning, const std::string& cell, CAirplane& a) {
  switch (meaning) {
    case Meaning::kMake:
      a.make = Utf8ToCp1252(Trimmed(cell));
      break;
    case Meaning::kModel:
      a.model = Utf8ToCp1252(Trimmed(cell));
      break;
    case Meaning::kCategoryClass:
      PutCategoryClass(cell, a);
      break;
    case Meaning::kEquipment:
      PutEquipment(cell, a);
      break;
    case Meaning::kGear:
      PutGear(cell, a);
      break;
    case Meaning::kComplex:
    case Meaning::kConstantSpeed:
      a.hasConstantSpeedProp |= ParseFlag(cell) ? 1 : 0;
      break;
    case Meaning::kHighPerformance:
      a.isHighPerformance = ParseFlag(cell) ? 1 : 0;
      break;
    case Meaning::kRetractable:
      a.isRetractable |= ParseFlag(cell) ? 1 : 0;
      break;
    case Meaning::kTailWheel:
      a.hasTailWheel |= ParseFlag(cell) ? 1 : 0;
      break;
    default:
      break;
  }
}

}  // namespace

std::optional<CAirplane> AircraftFromRow(std::span<const CColumn> columns,
                                         const std::vector<std::string>& cells) {
  CAirplane airplane;
  bool described = false;
  std::string tail;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::string& cell = CellAt(cells, i);
    if (columns[i].meaning == Meaning::kTail && tail.empty()) tail = cell;
    if (!IsAircraftMeaning(columns[i].meaning) || Trimmed(cell).empty()) continue;
    described = true;
    PutFact(columns[i].meaning, cell, airplane);
  }
  if (!described || Trimmed(tail).empty()) return std::nullopt;
  airplane.nNumber = Utf8ToCp1252(StoredTail(tail));
  return airplane;
}

std::string CategoryClassCode(const CAirplane& a) {
  if (a.isHelicopter) return "RH";
  if (a.isGyroplane) return "RG";
  if (a.isGlider) return "GL";
  if (a.isAirship) return "LA";
  if (a.isBalloon) return "LB";
  if (!a.isAirplane && !a.isSingleEngine && !a.isMultiEngine) return "";
  return std::string("A") + (a.isMultiEngine ? "M" : "S") + "E" + (a.isSeaplane ? "S" : "L");
}

std::string GearTypeCode(const CAirplane& a) {
  if (a.isSeaplane) return "Floats";
  if (a.isRetractable) return a.hasTailWheel ? "RC" : "RT";
  return a.hasTailWheel ? "FC" : "FT";
}

}  // namespace aerodex::import
