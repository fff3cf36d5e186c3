// SPDX-License-Identifier: GPL-3.0-or-later
// Realistic form data for the dialog tests and pictures: a cross-country
// flight in an owned Cessna, that Cessna, and a private pilot with an
// instrument rating.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "editing/aircraft_forms.h"
#include "editing/entry_form.h"
#include "editing/interaction_port.h"
#include "editing/pilot_form.h"

namespace aerodex::samples {

inline CEntryDlg Flight() {
  CEntryDlg f;
  f.month = 3, f.day = 14, f.year = 1998, f.flightNumber = 1;
  f.nNumber = "738XL";
  f.startTach = 1620.4, f.endTach = 1622.3;
  f.departure = "KRHV", f.route = "KRHV SNS KMRY", f.arrival = "KMRY";
  f.dayHours = 1.7, f.nightHours = 0.2;
  f.dayCrossCountry = 1.7, f.nightCrossCountry = 0.2;
  f.actualInstrument = 0.4, f.simulatedInstrument = 0.6;
  f.picHours = 1.9;
  f.dayLandings = 1, f.nightLandings = 1;
  f.vorApproaches = 1, f.ilsApproaches = 1, f.holdingProcedures = 1;
  f.remarks =
      "VOR-A at Salinas with the published hold, ILS 10R at Monterey to a full stop. "
      "Winds 290 at 12, broken layer at 1800.";
  return f;
}

inline CAircraftDlg Cessna() {
  CAircraftDlg a;
  a.isAirplane = 1, a.isSingleEngine = 1, a.isIfrCertified = 1;
  a.make = "CESSNA", a.model = "172N", a.nNumber = "738XL";
  a.hourlyCost = 92.5, a.tbo = 2000;
  a.lastAnnualMonth = 6, a.lastAnnualYear = 1997;
  a.lastIfrCheckMonth = 9, a.lastIfrCheckYear = 1997;
  a.tachAtAnnual = 1560.2, a.tachAtOilChange = 1598.7;
  a.isMonitored = 1;
  return a;
}

inline CPilotInfoDlg Pilot() {
  CPilotInfoDlg p;
  p.pilotName = "Dana K. Whitfield";
  p.address = "1450 Aviation Way, San Jose, CA 95110";
  p.baseAirport = "KRHV";
  p.licenseNumber = 3456789;
  p.bfrMonth = 6, p.bfrYear = 1997;
  p.iccMonth = 3, p.iccYear = 1998;
  p.medicalMonth = 2, p.medicalYear = 1997, p.medicalClass = 3;
  p.birthMonth = 4, p.birthYear = 1959;
  p.isPrivate = 1;
  p.ratedAirplane = 1, p.ratedSingleEngineLand = 1, p.ratedInstrumentAirplane = 1;
  p.highPerformanceEndorsement = 1, p.tailWheelEndorsement = 1;
  return p;
}

inline CSelectAircraftDlg Fleet() {
  CSelectAircraftDlg list;
  list.nNumbers = {"738XL", "4417P", "21853", "3052C", "SIM1"};
  list.choice = 2;
  return list;
}

inline CCurrencyDlg Currency() {
  CCurrencyDlg c;
  c.medical1 =
      "You may perform operations requiring a Class 3 Medical Certificate until  2/28/2000";
  c.bfr = "Your next Biennial Flight Review is due on  6/30/1999";
  c.oldIfr = "IFR currency will expire on  9/30/1998";
  c.newIfr = "Not legal to file IFR as of  3/31/1998";
  c.night = "May carry passengers at night until  6/12/1998";
  c.asOf = {14, 3, 1998};
  return c;
}

inline CAircraftStatsDlg Status() {
  CAircraftStatsDlg s;
  s.nNumber = "738XL";
  s.oilChange = "This plane was flown 23.6 tach hours since the last oil change.";
  s.annual = "Annual inspection is due in 3 months.";
  s.tboHours = "This plane is 1377.7 hours from TBO.";
  s.tboMonths = "At 9 hrs/month ( 108 hrs/year) , TBO is estimated in 153 months.";
  s.annualDue = "The annual inspection falls due in June 1998.";
  s.tboDue = "At that rate TBO is reached in December 2010.";
  s.currentTach =
      "The current tachometer reading, 1622.3, is the ending reading of the newest flight in "
      "this aircraft, 3/14/1998 (KRHV to KMRY).";
  s.tachContinuity = {
      "Tachometer gap of 1.2 hours: the flight of 2/21/1998 ended at 1618.0, the flight of "
      "3/1/1998 started at 1619.2."};
  return s;
}

// The text of a line edit or remarks box found by its member name.
template <class Box>
QString TextOf(const QWidget& dialog, const char* member) {
  const auto* box = dialog.findChild<const Box*>(QString::fromLatin1(member));
  if (!box) return QStringLiteral("<missing %1>").arg(QString::fromLatin1(member));
  if constexpr (requires { box->toPlainText(); }) {
    return box->toPlainText();
  } else {
    return box->text();
  }
}

}  // namespace aerodex::samples
