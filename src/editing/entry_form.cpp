// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/entry_form.h"

#include <algorithm>
#include <array>

#include "model/document.h"
#include "model/entry.h"

namespace {

using aerodex::DecimalField;
using aerodex::FormField;
using aerodex::TextField;
using aerodex::WholeField;
using Field = FormField<CEntryDlg>;
using enum aerodex::ControlId;

// The file keeps these counts in 16 bits; a larger value would be cut on saving.
constexpr unsigned kCountMaximum = 65535;
// The three date boxes share one label.
constexpr const char* kDateLabel = "Date ( month / day / year) ";

const auto kEntryFields = std::to_array<Field>({
    DecimalField(kEntryActualInstrument, "actualInstrument", "Actual IMC",
                 &CEntryDlg::actualInstrument),
    TextField(kEntryArrival, "arrival", "Arrival Airport ID", &CEntryDlg::arrival, 4),
    DecimalField(kEntryDayHours, "dayHours", "Day Hours", &CEntryDlg::dayHours),
    TextField(kEntryDeparture, "departure", "Departure Airport ID", &CEntryDlg::departure, 4),
    [] {
      Field f = TextField(kEntryRemarks, "remarks", "", &CEntryDlg::remarks, 1024, false);
      f.multiLine = true;
      return f;
    }(),
    WholeField(kEntryDayLandings, "dayLandings", "Day Landings", &CEntryDlg::dayLandings, 0,
               kCountMaximum),
    WholeField(kEntryDay, "day", kDateLabel, &CEntryDlg::day, 1, 31),
    DecimalField(kEntryDualHours, "dualHours", "Dual Instruction", &CEntryDlg::dualHours),
    DecimalField(kEntryDayCrossCountry, "dayCrossCountry", "Day Cross Country",
                 &CEntryDlg::dayCrossCountry),
    WholeField(kEntryGpsApproaches, "gpsApproaches", "GPS", &CEntryDlg::gpsApproaches, 0,
               kCountMaximum),
    WholeField(kEntryIlsApproaches, "ilsApproaches", "ILS", &CEntryDlg::ilsApproaches, 0,
               kCountMaximum),
    WholeField(kEntryLocApproaches, "locApproaches", "LOC", &CEntryDlg::locApproaches, 0,
               kCountMaximum),
    WholeField(kEntryLoranApproaches, "loranApproaches", "LORAN", &CEntryDlg::loranApproaches, 0,
               kCountMaximum),
    WholeField(kEntryMonth, "month", kDateLabel, &CEntryDlg::month, 1, 12),
    WholeField(kEntryNdbApproaches, "ndbApproaches", "NDB", &CEntryDlg::ndbApproaches, 0,
               kCountMaximum),
    DecimalField(kEntryNightHours, "nightHours", "Night Hours", &CEntryDlg::nightHours),
    WholeField(kEntryNightLandings, "nightLandings", "Night Landings", &CEntryDlg::nightLandings, 0,
               kCountMaximum),
    TextField(kEntryNNumber, "nNumber", "Aircraft ID: N", &CEntryDlg::nNumber),
    DecimalField(kEntryNightCrossCountry, "nightCrossCountry", "Night Cross Country",
                 &CEntryDlg::nightCrossCountry),
    DecimalField(kEntryPicHours, "picHours", "Pilot-In-Command / Solo", &CEntryDlg::picHours),
    WholeField(kEntryRadarApproaches, "radarApproaches", "RADAR", &CEntryDlg::radarApproaches, 0,
               kCountMaximum),
    WholeField(kEntryRnavApproaches, "rnavApproaches", "RNAV", &CEntryDlg::rnavApproaches, 0,
               kCountMaximum),
    TextField(kEntryRoute, "route", "Route of Flight", &CEntryDlg::route),
    DecimalField(kEntrySimulatedInstrument, "simulatedInstrument", "Simulated IMC",
                 &CEntryDlg::simulatedInstrument),
    WholeField(kEntryFlightNumber, "flightNumber", "Flight number (0 - 99)",
               &CEntryDlg::flightNumber, 0, 99),
    WholeField(kEntryYear, "year", kDateLabel, &CEntryDlg::year, 1900, 2100),
    WholeField(kEntryVorApproaches, "vorApproaches", "VOR", &CEntryDlg::vorApproaches, 0,
               kCountMaximum),
    DecimalField(kEntryStartTach, "startTach", "Starting Tach", &CEntryDlg::startTach, 0.0, 9999.9),
    DecimalField(kEntryEndTach, "endTach", "Ending Tach", &CEntryDlg::endTach, 0.0, 9999.9),
    WholeField(kEntryHoldingProcedures, "holdingProcedures", "Holding Procedures",
               &CEntryDlg::holdingProcedures, 0, 99),
    DecimalField(kEntryTachTime, "tachTime", "", &CEntryDlg::tachTime),
});

// Record counts are ints; the form shows them as the unsigned box values.
unsigned Box(int value) { return static_cast<unsigned>(value); }

}  // namespace

std::span<const FormField<CEntryDlg>> CEntryDlg::Fields() { return kEntryFields; }

using EntryCopy = aerodex::CFormRecordCopy<CEntryDlg, aerodex::kEntryFields>;

void CEntryDlg::FillFrom(const CAerodexEntry& entry) { EntryCopy::FillForm(*this, entry); }

void CEntryDlg::CopyTo(CAerodexEntry& entry) const { EntryCopy::CopyToRecord(*this, entry); }

double TachometerDefault(const CAerodexDoc& doc) {
  const CAirplane* airplane = doc.FindAircraft(doc.lastNNumber);
  if (!airplane || !airplane->isMonitored) return 0;
  double highest = 0;
  for (const auto& entry : doc.Entries()) {
    if (entry->nNumber == airplane->nNumber) highest = std::max(highest, entry->endTach);
  }
  return highest;
}

CEntryDlg NewEntryForm(const CAerodexDoc& doc) {
  CEntryDlg form;  // every count and hour starts at 0, route and remarks empty
  form.nNumber = doc.lastNNumber;
  form.startTach = form.endTach = TachometerDefault(doc);
  form.departure = form.arrival = doc.pilot.baseAirport;
  const aerodex::LocalDate today = doc.Clock().Today();
  form.day = Box(today.day);
  form.month = Box(today.month);
  form.year = Box(today.year);
  return form;
}
