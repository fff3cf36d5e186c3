// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/column_meanings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <unordered_map>
#include <utility>

namespace aerodex::import {
namespace {

struct Synonyms {
  Meaning meaning;
  std::initializer_list<const char*> names;  // lower case
};

// Column names of ForeFlight (current and older), MyFlightbook (its synonyms
// and export), LogTen Pro and the common ones of other programs.
const Synonyms kSynonyms[] = {
    {Meaning::kDate,
     {"date", "flt_date", "date flown", "flight_date", "flightdate", "flight_flightdate"}},
    {Meaning::kTail,
     {"aircraftid", "tail number", "registration", "tail", "ident", "aircraft id", "reg", "tailnum",
      "aircraft_aircraftid", "n-number", "nnumber"}},
    {Meaning::kFrom, {"from", "departure", "origin", "flight_from"}},
    {Meaning::kTo, {"to", "arrival", "dest", "destination", "flight_to"}},
    {Meaning::kRoute, {"route", "via", "flight_route"}},
    {Meaning::kTotal,
     {"totaltime", "total flight time", "total time", "totalduration", "total", "duration",
      "flight time", "flight_totaltime"}},
    {Meaning::kNight, {"night", "night time", "night hrs", "flight_night"}},
    {Meaning::kXc,
     {"crosscountry", "x-country", "xc", "x-c", "cross country", "flight_crosscountry"}},
    {Meaning::kPic, {"pic", "pilot in cmd", "flight_pic"}},
    {Meaning::kSolo, {"solo", "flight_solo"}},
    {Meaning::kDual,
     {"dualreceived", "dual received", "dual", "dual_received", "flight_dualreceived"}},
    {Meaning::kActual,
     {"actualinstrument", "imc", "actual instrument", "actual", "flight_actualinstrument"}},
    {Meaning::kSimulated,
     {"simulatedinstrument", "simulated instrument", "hood", "sim inst",
      "flight_simulatedinstrument"}},
    {Meaning::kLandings, {"alllandings", "landings", "land_std", "lnd", "flight_totallandings"}},
    {Meaning::kDayLandings, {"day landings", "flight_daylandings", "daylandings"}},
    {Meaning::kNightLandings, {"night landings", "flight_nightlandings", "nightlandings"}},
    {Meaning::kDayFullStop, {"landing full-stop day", "daylandingsfullstop", "fs day landings"}},
    {Meaning::kNightFullStop,
     {"landing full-stop night", "nightlandingsfullstop", "fs night landings"}},
    {Meaning::kDayTouchAndGo, {"landing touch-and-go day"}},
    {Meaning::kNightTouchAndGo, {"landing touch-and-go night"}},
    {Meaning::kApproaches,
     {"approaches", "numapproaches", "iap", "flight_totalapproaches", "flight_approaches"}},
    {Meaning::kIls, {"approaches - ils"}},
    {Meaning::kLoc, {"approaches - localizer"}},
    {Meaning::kVor, {"approaches - vor"}},
    {Meaning::kNdb, {"approaches - ndb"}},
    {Meaning::kGps, {"approaches - rnav/gps"}},
    {Meaning::kApproachTypes, {"flight_approachtype"}},
    {Meaning::kHolds, {"holds", "hold", "holding", "hld", "flight_holds"}},
    {Meaning::kTachStart,
     {"tachstart", "tachometer start", "tach out", "tach start", "flight_tachstart"}},
    {Meaning::kTachEnd, {"tachend", "tachometer end", "tach in", "tach end", "flight_tachstop"}},
    {Meaning::kRemarks, {"pilotcomments", "comments", "remarks", "notes", "flight_remarks"}},
    {Meaning::kMake, {"make", "aircrafttype_make"}},
    {Meaning::kModel, {"model", "aircrafttype_model"}},
    {Meaning::kCategoryClass,
     {"category/class", "category", "class", "aircrafttype_selectedaircraftclass",
      "aircrafttype_category", "aircrafttype_aircraftclass"}},
    {Meaning::kEquipment, {"equiptype", "equipmenttype"}},
    {Meaning::kGear, {"geartype"}},
    {Meaning::kComplex, {"complexaircraft", "complex", "aircraft_complex"}},
    {Meaning::kHighPerformance,
     {"highperformance", "high performance", "aircraft_highperformance"}},
    {Meaning::kRetractable, {"retract", "aircraft_undercarriageretractable"}},
    {Meaning::kTailWheel, {"tailwheel", "aircraft_tailwheel"}},
    {Meaning::kConstantSpeed, {"controllable pitch prop"}},
    // Columns of MyFlightbook's export that repeat what other columns hold.
    {Meaning::kIgnore,
     {"display tail", "flight id", "icao model", "alternate cat/class", "cfi time (hh:mm)",
      "sic time (hh:mm)", "pic (hh:mm)", "total flight time (hh:mm)"}},
};

struct MeaningNames {
  Meaning meaning;
  const char* name;
};

// The names of --map, in the order the help lists them.
constexpr std::array kMeaningNames = std::to_array<MeaningNames>({
    {Meaning::kDate, "date"},
    {Meaning::kTail, "tail"},
    {Meaning::kFrom, "from"},
    {Meaning::kTo, "to"},
    {Meaning::kRoute, "route"},
    {Meaning::kTotal, "total"},
    {Meaning::kNight, "night"},
    {Meaning::kXc, "xc"},
    {Meaning::kPic, "pic"},
    {Meaning::kSolo, "solo"},
    {Meaning::kDual, "dual"},
    {Meaning::kActual, "actual"},
    {Meaning::kSimulated, "simulated"},
    {Meaning::kLandings, "landings"},
    {Meaning::kDayLandings, "dayLandings"},
    {Meaning::kNightLandings, "nightLandings"},
    {Meaning::kApproaches, "approaches"},
    {Meaning::kIls, "ils"},
    {Meaning::kVor, "vor"},
    {Meaning::kLoc, "loc"},
    {Meaning::kNdb, "ndb"},
    {Meaning::kGps, "gps"},
    {Meaning::kRnav, "rnav"},
    {Meaning::kLoran, "loran"},
    {Meaning::kRadar, "radar"},
    {Meaning::kHolds, "holds"},
    {Meaning::kTachStart, "tachStart"},
    {Meaning::kTachEnd, "tachEnd"},
    {Meaning::kRemarks, "remarks"},
    {Meaning::kIgnore, "ignore"},
    {Meaning::kKeep, "keep"},
    {Meaning::kDayFullStop, "dayFullStops"},
    {Meaning::kNightFullStop, "nightFullStops"},
    {Meaning::kDayTouchAndGo, "dayTouchAndGoes"},
    {Meaning::kNightTouchAndGo, "nightTouchAndGoes"},
    {Meaning::kApproachCell, "approach"},
    {Meaning::kApproachTypes, "approachTypes"},
    {Meaning::kMake, "make"},
    {Meaning::kModel, "model"},
    {Meaning::kCategoryClass, "categoryClass"},
    {Meaning::kEquipment, "equipment"},
    {Meaning::kGear, "gear"},
    {Meaning::kComplex, "complex"},
    {Meaning::kHighPerformance, "highPerformance"},
    {Meaning::kRetractable, "retractable"},
    {Meaning::kTailWheel, "tailWheel"},
    {Meaning::kConstantSpeed, "constantSpeedProp"},
});

const std::unordered_map<std::string, Meaning>& SynonymIndex() {
  static const std::unordered_map<std::string, Meaning> index = [] {
    std::unordered_map<std::string, Meaning> built;
    for (const Synonyms& entry : kSynonyms) {
      for (const char* name : entry.names) built.emplace(name, entry.meaning);
    }
    return built;
  }();
  return index;
}

// "Approach1" ... "Approach6" (ForeFlight), "flight_selectedApproach1" ... (LogTen).
bool IsNumberedApproach(const std::string& lower) {
  for (std::string_view stem : {"approach", "flight_selectedapproach"}) {
    if (lower.size() > stem.size() && lower.starts_with(stem) &&
        std::all_of(lower.begin() + static_cast<long>(stem.size()), lower.end(),
                    [](unsigned char c) { return std::isdigit(c); })) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

Meaning MeaningOfColumn(std::string_view name) {
  const std::string lower = LowerCase(Trimmed(name));
  if (IsNumberedApproach(lower)) return Meaning::kApproachCell;
  const auto& index = SynonymIndex();
  const auto found = index.find(lower);
  return found == index.end() ? Meaning::kKeep : found->second;
}

const char* MeaningName(Meaning meaning) {
  for (const MeaningNames& entry : kMeaningNames) {
    if (entry.meaning == meaning) return entry.name;
  }
  return "keep";
}

std::optional<Meaning> MeaningByName(std::string_view name) {
  const std::string lower = LowerCase(Trimmed(name));
  for (const MeaningNames& entry : kMeaningNames) {
    if (LowerCase(entry.name) == lower) return entry.meaning;
  }
  return std::nullopt;
}

std::vector<Meaning> AllMeanings() {
  std::vector<Meaning> all;
  for (const MeaningNames& entry : kMeaningNames) all.push_back(entry.meaning);
  return all;
}

bool MayRepeat(Meaning meaning) {
  return meaning == Meaning::kApproachCell || meaning == Meaning::kKeep ||
         meaning == Meaning::kIgnore || meaning == Meaning::kCategoryClass;
}

bool IsAircraftMeaning(Meaning meaning) { return meaning >= Meaning::kMake; }

}  // namespace aerodex::import
