// Every field of the three records by its name, in declaration order, for
// the text edges (JSON dump, CSV, tests). Visit(visitor) calls
// visitor(name, field) once per field; the field is an int, double or std::string.
#pragma once

#include "model/airplane.h"
#include "model/entry.h"
#include "model/pilot.h"

namespace aerodex {

#define AERODEX_FIELD(name) v(#name, r.name)

template <class Pilot, class Visitor>  // Pilot: CPilotInfo or const CPilotInfo
void VisitPilotFields(Pilot& r, Visitor&& v) {
  AERODEX_FIELD(pilotName); AERODEX_FIELD(address); AERODEX_FIELD(baseAirport);
  AERODEX_FIELD(bfrMonth); AERODEX_FIELD(bfrYear); AERODEX_FIELD(iccMonth);
  AERODEX_FIELD(iccYear); AERODEX_FIELD(medicalMonth); AERODEX_FIELD(medicalYear);
  AERODEX_FIELD(medicalClass); AERODEX_FIELD(birthMonth); AERODEX_FIELD(birthYear);
  AERODEX_FIELD(licenseNumber);
  AERODEX_FIELD(isStudent); AERODEX_FIELD(isRecreational); AERODEX_FIELD(isPrivate);
  AERODEX_FIELD(isCommercial); AERODEX_FIELD(isAirlineTransport);
  AERODEX_FIELD(isFlightInstructor); AERODEX_FIELD(ratedAirplane);
  AERODEX_FIELD(ratedRotorcraft); AERODEX_FIELD(ratedGlider);
  AERODEX_FIELD(ratedLighterThanAir); AERODEX_FIELD(ratedSingleEngineLand);
  AERODEX_FIELD(ratedMultiEngineLand); AERODEX_FIELD(ratedSingleEngineSea);
  AERODEX_FIELD(ratedMultiEngineSea); AERODEX_FIELD(ratedHelicopter);
  AERODEX_FIELD(ratedGyroplane); AERODEX_FIELD(ratedAirship); AERODEX_FIELD(ratedFreeBalloon);
  AERODEX_FIELD(ratedInstrumentAirplane); AERODEX_FIELD(ratedInstrumentHelicopter);
  AERODEX_FIELD(cfiSingleEngineLand); AERODEX_FIELD(cfiMultiEngineLand);
  AERODEX_FIELD(cfiSingleEngineSea); AERODEX_FIELD(cfiMultiEngineSea);
  AERODEX_FIELD(cfiHelicopter); AERODEX_FIELD(cfiGyroplane); AERODEX_FIELD(cfiAirship);
  AERODEX_FIELD(cfiFreeBalloon); AERODEX_FIELD(cfiInstrumentAirplane);
  AERODEX_FIELD(cfiInstrumentHelicopter); AERODEX_FIELD(highPerformanceEndorsement);
  AERODEX_FIELD(tailWheelEndorsement);
}

template <class Airplane, class Visitor>
void VisitAirplaneFields(Airplane& r, Visitor&& v) {
  AERODEX_FIELD(isAirplane); AERODEX_FIELD(isAirship); AERODEX_FIELD(lastAnnualMonth);
  AERODEX_FIELD(tachAtAnnual); AERODEX_FIELD(lastAnnualYear); AERODEX_FIELD(isBalloon);
  AERODEX_FIELD(isHeavy); AERODEX_FIELD(hasConstantSpeedProp); AERODEX_FIELD(hourlyCost);
  AERODEX_FIELD(isGlider); AERODEX_FIELD(isGyroplane); AERODEX_FIELD(isHelicopter);
  AERODEX_FIELD(isHighPerformance); AERODEX_FIELD(isIfrCertified);
  AERODEX_FIELD(lastIfrCheckMonth); AERODEX_FIELD(lastIfrCheckYear); AERODEX_FIELD(make);
  AERODEX_FIELD(model); AERODEX_FIELD(isMultiEngine); AERODEX_FIELD(nNumber);
  AERODEX_FIELD(tachAtOilChange); AERODEX_FIELD(isRetractable); AERODEX_FIELD(isSeaplane);
  AERODEX_FIELD(isSingleEngine); AERODEX_FIELD(isSimulator); AERODEX_FIELD(hasTailWheel);
  AERODEX_FIELD(isMonitored); AERODEX_FIELD(tbo);
}

// The saved fields of a flight; the totals-only and row-scratch fields are not part of a log.
template <class Entry, class Visitor>
void VisitSavedEntryFields(Entry& r, Visitor&& v) {
  AERODEX_FIELD(nNumber); AERODEX_FIELD(startTach); AERODEX_FIELD(endTach);
  AERODEX_FIELD(day); AERODEX_FIELD(month); AERODEX_FIELD(year); AERODEX_FIELD(flightNumber);
  AERODEX_FIELD(departure); AERODEX_FIELD(arrival); AERODEX_FIELD(route);
  AERODEX_FIELD(dayLandings); AERODEX_FIELD(nightLandings); AERODEX_FIELD(dayHours);
  AERODEX_FIELD(nightHours); AERODEX_FIELD(dayCrossCountry); AERODEX_FIELD(nightCrossCountry);
  AERODEX_FIELD(tachTime); AERODEX_FIELD(dualHours); AERODEX_FIELD(picHours);
  AERODEX_FIELD(actualInstrument); AERODEX_FIELD(simulatedInstrument);
  AERODEX_FIELD(ilsApproaches); AERODEX_FIELD(vorApproaches); AERODEX_FIELD(locApproaches);
  AERODEX_FIELD(ndbApproaches); AERODEX_FIELD(gpsApproaches); AERODEX_FIELD(rnavApproaches);
  AERODEX_FIELD(loranApproaches); AERODEX_FIELD(radarApproaches);
  AERODEX_FIELD(holdingProcedures); AERODEX_FIELD(remarks);
}

#undef AERODEX_FIELD

}  // namespace aerodex
