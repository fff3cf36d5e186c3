// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/flight_mapping.h"

#include <algorithm>
#include <cctype>

#include "import/cell_values.h"
#include "model/codepage.h"

namespace aerodex::import {
namespace {

constexpr std::size_t kRemarksLimit = 1024;
constexpr std::size_t kAirportLimit = 4;

// Everything a row says, before it is put into the flight's fields.
struct CRowValues {
  std::optional<CDate> date;
  std::string tail, from, to, route, remarks;
  bool hasRemarks = false;
  double total = 0, night = 0, xc = 0, pic = 0, solo = 0, dual = 0, actual = 0, simulated = 0;
  double tachStart = 0, tachEnd = 0;
  bool hasAllLandings = false;
  int allLandings = 0, dayLandings = 0, nightLandings = 0;
  bool hasApproachCount = false;
  int approachCount = 0;
  std::string approachTypes;
  int holds = 0;
  CAerodexEntry typed;  // approaches by type
  std::vector<std::string> extras;
};

double CRowValues::*HoursMember(Meaning meaning) {
  switch (meaning) {
    case Meaning::kTotal:
      return &CRowValues::total;
    case Meaning::kNight:
      return &CRowValues::night;
    case Meaning::kXc:
      return &CRowValues::xc;
    case Meaning::kPic:
      return &CRowValues::pic;
    case Meaning::kSolo:
      return &CRowValues::solo;
    case Meaning::kDual:
      return &CRowValues::dual;
    case Meaning::kActual:
      return &CRowValues::actual;
    case Meaning::kSimulated:
      return &CRowValues::simulated;
    case Meaning::kTachStart:
      return &CRowValues::tachStart;
    case Meaning::kTachEnd:
      return &CRowValues::tachEnd;
    default:
      return nullptr;
  }
}

int* CountMember(Meaning meaning, CRowValues& v) {
  switch (meaning) {
    case Meaning::kLandings:
      v.hasAllLandings = true;
      return &v.allLandings;
    case Meaning::kDayLandings:
    case Meaning::kDayFullStop:
    case Meaning::kDayTouchAndGo:
      return &v.dayLandings;
    case Meaning::kNightLandings:
    case Meaning::kNightFullStop:
    case Meaning::kNightTouchAndGo:
      return &v.nightLandings;
    case Meaning::kApproaches:
      v.hasApproachCount = true;
      return &v.approachCount;
    case Meaning::kIls:
      return &v.typed.ilsApproaches;
    case Meaning::kVor:
      return &v.typed.vorApproaches;
    case Meaning::kLoc:
      return &v.typed.locApproaches;
    case Meaning::kNdb:
      return &v.typed.ndbApproaches;
    case Meaning::kGps:
      return &v.typed.gpsApproaches;
    case Meaning::kRnav:
      return &v.typed.rnavApproaches;
    case Meaning::kLoran:
      return &v.typed.loranApproaches;
    case Meaning::kRadar:
      return &v.typed.radarApproaches;
    case Meaning::kHolds:
      return &v.holds;
    default:
      return nullptr;
  }
}

std::string UpperCase(std::string_view text) {
  std::string upper = Trimmed(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// Reads the cells of one row into CRowValues, noting what it cannot read.
class CRowReader {
 public:
  explicit CRowReader(CMappedRow& mapped) : mapped_(mapped) {}

  void Read(const CColumn& column, const std::string& cell) {
    if (column.meaning == Meaning::kRemarks) {
      if (!values.hasRemarks) values.remarks = cell;
      values.hasRemarks = true;
      return;
    }
    if (Trimmed(cell).empty() || IsAircraftMeaning(column.meaning)) return;
    if (double CRowValues::*hours = HoursMember(column.meaning)) {
      ReadHours(column, cell, values.*hours);
    } else if (int* count = CountMember(column.meaning, values)) {
      ReadCount(column, cell, *count);
    } else {
      ReadText(column, cell);
    }
  }

  CRowValues values;

 private:
  void Fail(std::string why) {
    if (!mapped_.error) mapped_.error = std::move(why);
  }

  void ReadHours(const CColumn& column, const std::string& cell, double& into) {
    const auto hours = ParseHours(cell);
    if (!hours || *hours < 0) return Fail(column.name + " '" + cell + "' is not hours");
    into = *hours;
  }

  void ReadCount(const CColumn& column, const std::string& cell, int& into) {
    auto count = ParseCount(cell);
    if (!count && column.meaning == Meaning::kHolds && ParseFlag(cell)) count = 1;
    if (!count || *count < 0) return Fail(column.name + " '" + cell + "' is not a count");
    into += *count;
  }

  void ReadText(const CColumn& column, const std::string& cell) {
    switch (column.meaning) {
      case Meaning::kDate:
        values.date = ParseDate(cell);
        if (!values.date) Fail("'" + cell + "' is no date (YYYY-MM-DD or M/D/YYYY)");
        break;
      case Meaning::kTail:
        values.tail = cell;
        break;
      case Meaning::kFrom:
        values.from = UpperCase(cell);
        break;
      case Meaning::kTo:
        values.to = UpperCase(cell);
        break;
      case Meaning::kRoute:
        values.route = UpperCase(cell);
        break;
      case Meaning::kApproachCell:
        ReadApproachCell(cell);
        break;
      case Meaning::kApproachTypes:
        values.approachTypes = cell;
        break;
      case Meaning::kKeep:
        values.extras.push_back(Trimmed(column.name) + '=' + Trimmed(cell));
        break;
      default:
        break;
    }
  }

  // "count;type;runway;airport;comments", or a type alone (LogTen Pro).
  void ReadApproachCell(const std::string& cell) {
    const std::string first = Trimmed(cell.substr(0, cell.find(';')));
    std::string type = first;
    int count = 1;
    if (const auto number = ParseCount(first); number && !first.empty()) {
      count = *number;
      const auto typeStart = cell.find(';');
      type = typeStart == std::string::npos
                 ? std::string()
                 : cell.substr(typeStart + 1, cell.find(';', typeStart + 1) - typeStart - 1);
    }
    if (count <= 0) return;
    if (!AddApproaches(values.typed, Trimmed(type), count)) {
      mapped_.warnings.push_back(
          std::to_string(count) + " approach" + (count == 1 ? "" : "es") +
          (Trimmed(type).empty() ? " without a type" : " of type '" + Trimmed(type) + "'") +
          " counted as GPS");
    }
  }

  CMappedRow& mapped_;
};

// Windows-1252 text, with a warning when something had to be replaced.
std::string StoredText(const std::string& utf8, const char* what, CMappedRow& mapped) {
  std::string text = Utf8ToCp1252(utf8);
  if (Cp1252ToUtf8(text) != utf8) {
    mapped.warnings.push_back(std::string(what) +
                              ": characters that Windows-1252 cannot hold were stored as '?'");
  }
  return text;
}

void PutHours(const CRowValues& v, CAerodexEntry& e, CMappedRow& mapped) {
  double total = v.total;
  if (v.night > total) {
    mapped.warnings.push_back("night " + HoursText(v.night) + " is more than the total " +
                              HoursText(total) + "; the total is taken as night");
    total = v.night;
  }
  e.nightHours = v.night;
  e.dayHours = total - v.night;
  e.picHours = std::max(v.pic, v.solo);
  e.dualHours = v.dual;
  e.actualInstrument = v.actual;
  e.simulatedInstrument = v.simulated;
  e.startTach = v.tachStart;
  e.endTach = v.tachEnd;
  // Cross-country: one figure in the file, day and night apart here.
  const double xc = std::min(v.xc, total);
  if (xc >= total - 1e-9) {
    e.dayCrossCountry = e.dayHours;
    e.nightCrossCountry = e.nightHours;
  } else if (e.nightHours == 0 || e.dayHours == 0) {
    (e.nightHours == 0 ? e.dayCrossCountry : e.nightCrossCountry) = xc;
  } else {
    e.dayCrossCountry = std::min(xc, e.dayHours);
    e.nightCrossCountry = xc - e.dayCrossCountry;
    mapped.warnings.push_back("cross-country " + HoursText(xc) +
                              " split by day first (estimated): " + HoursText(e.dayCrossCountry) +
                              " day, " + HoursText(e.nightCrossCountry) + " night");
  }
}

void PutCounts(const CRowValues& v, CAerodexEntry& e, CMappedRow& mapped) {
  e.nightLandings = v.nightLandings;
  e.dayLandings = v.hasAllLandings ? std::max(0, v.allLandings - v.nightLandings) : v.dayLandings;
  e.holdingProcedures = v.holds;
  const CAerodexEntry& t = v.typed;
  e.ilsApproaches = t.ilsApproaches;
  e.vorApproaches = t.vorApproaches;
  e.locApproaches = t.locApproaches;
  e.ndbApproaches = t.ndbApproaches;
  e.gpsApproaches = t.gpsApproaches;
  e.rnavApproaches = t.rnavApproaches;
  e.loranApproaches = t.loranApproaches;
  e.radarApproaches = t.radarApproaches;
  // A list of types (LogTen Pro) takes the count one type at a time.
  std::string types = v.approachTypes;
  int listed = 0;
  for (std::size_t at = 0; at < types.size() && listed < v.approachCount;) {
    const auto end = std::min(types.find(',', at), types.size());
    const std::string type = Trimmed(types.substr(at, end - at));
    if (!type.empty() && AddApproaches(e, type, 1)) ++listed;
    at = end + 1;
  }
  const int untyped = v.approachCount - e.ApproachCount();
  if (v.hasApproachCount && untyped > 0) {
    e.gpsApproaches += untyped;
    mapped.warnings.push_back(std::to_string(untyped) + " approach" + (untyped == 1 ? "" : "es") +
                              " without a type counted as GPS");
  }
}

// Departure, arrival and route; a route alone gives the airports as its
// first and last words.
void PutAirports(CRowValues v, CAerodexEntry& e, CMappedRow& mapped) {
  if (v.from.empty() && v.to.empty() && !v.route.empty()) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < v.route.size();) {
      const auto end = std::min(v.route.find(' ', at), v.route.size());
      if (end > at) words.push_back(v.route.substr(at, end - at));
      at = end + 1;
    }
    v.from = words.front();
    v.to = words.size() > 1 ? words.back() : std::string();
    v.route.clear();
    for (std::size_t i = 1; i + 1 < words.size(); ++i) v.route += (i > 1 ? " " : "") + words[i];
  }
  for (std::string* airport : {&v.from, &v.to}) {
    if (airport->size() <= kAirportLimit) continue;
    mapped.warnings.push_back("airport '" + *airport +
                              "' is longer than 4 characters; kept in "
                              "the route");
    v.route = airport == &v.from ? *airport + (v.route.empty() ? "" : " ") + v.route
                                 : v.route + (v.route.empty() ? "" : " ") + *airport;
    airport->clear();
  }
  e.departure = StoredText(v.from, "departure", mapped);
  e.arrival = StoredText(v.to, "arrival", mapped);
  e.route = StoredText(v.route, "route", mapped);
}

void PutRemarks(CRowValues& v, CAerodexEntry& e, CMappedRow& mapped) {
  mapped.tag = TakeRemarksTag(v.remarks);
  std::string remarks = v.remarks;
  for (const std::string& extra : v.extras) {
    remarks += (remarks.empty() ? "" : "; ") + extra;
  }
  std::string stored = StoredText(remarks, "remarks", mapped);
  if (stored.size() > kRemarksLimit) {
    mapped.warnings.push_back("remarks cut to 1,024 characters (" +
                              std::to_string(stored.size() - kRemarksLimit) + " cut)");
    stored.resize(kRemarksLimit);
  }
  e.remarks = std::move(stored);
}

}  // namespace

std::string StoredTail(std::string_view tail) {
  std::string stored = UpperCase(tail);
  if (stored.size() > 1 && stored[0] == 'N' &&
      std::isdigit(static_cast<unsigned char>(stored[1]))) {
    stored.erase(0, 1);
  }
  return stored;
}

const std::string& CellAt(const std::vector<std::string>& cells, std::size_t column) {
  static const std::string kEmpty;
  return column < cells.size() ? cells[column] : kEmpty;
}

CMappedRow MapFlightRow(std::span<const CColumn> columns, const std::vector<std::string>& cells) {
  CMappedRow mapped;
  CRowReader reader(mapped);
  for (std::size_t i = 0; i < columns.size(); ++i) reader.Read(columns[i], CellAt(cells, i));
  CRowValues& v = reader.values;
  if (!mapped.error && !v.date) mapped.error = "no date";
  if (!mapped.error && Trimmed(v.tail).empty()) mapped.error = "no tail number";
  if (mapped.error) return mapped;
  CAerodexEntry& e = mapped.entry;
  e.day = v.date->day;
  e.month = v.date->month;
  e.year = v.date->year;
  e.nNumber = StoredText(StoredTail(v.tail), "tail", mapped);
  PutHours(v, e, mapped);
  PutCounts(v, e, mapped);
  PutAirports(v, e, mapped);
  PutRemarks(v, e, mapped);
  return mapped;
}

bool AddApproaches(CAerodexEntry& e, std::string_view name, int count) {
  const std::string type = UpperCase(name);
  const auto is = [&type](std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&type](const char* n) { return type == n; });
  };
  int* into = nullptr;
  if (type.starts_with("ILS") || is({"GLS"})) {
    into = &e.ilsApproaches;
  } else if (type.starts_with("LOC") || is({"LDA", "SDF", "LOCALIZER"})) {
    into = &e.locApproaches;
  } else if (type.starts_with("VOR") || is({"TACAN"})) {
    into = &e.vorApproaches;
  } else if (type.starts_with("NDB")) {
    into = &e.ndbApproaches;
  } else if (is({"RNAV (RNP)", "RNP", "RNAV"})) {
    into = &e.rnavApproaches;
  } else if (is({"RNAV (GPS)", "RNAV/GPS", "GPS", "RNAV GPS"})) {
    into = &e.gpsApproaches;
  } else if (is({"ASR/SRA", "ASR", "SRA", "PAR", "GCA", "RADAR"})) {
    into = &e.radarApproaches;
  } else if (is({"LORAN"})) {
    into = &e.loranApproaches;
  }
  (into ? *into : e.gpsApproaches) += count;
  return into != nullptr;
}

}  // namespace aerodex::import
