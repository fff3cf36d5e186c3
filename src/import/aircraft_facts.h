// SPDX-License-Identifier: GPL-3.0-or-later
// Aircraft described by another logbook's file: ForeFlight's aircraft table,
// MyFlightbook's model, category/class and equipment columns, LogTen Pro's
// aircraft keys. They become the aircraft records that an import creates for
// tails the database lacks (make, model, kind, engines, gear, performance).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "import/flight_mapping.h"
#include "model/airplane.h"

namespace aerodex::import {

// The aircraft a row describes, under the stored N-Number of its tail;
// nothing when no aircraft cell of the row holds anything.
std::optional<CAirplane> AircraftFromRow(std::span<const CColumn> columns,
                                         const std::vector<std::string>& cells);

// ForeFlight's short category/class code of an aircraft ("ASEL", "RH"...) and
// its gear type ("FT", "RC"...), for the export's aircraft table.
std::string CategoryClassCode(const CAirplane& airplane);
std::string GearTypeCode(const CAirplane& airplane);

}  // namespace aerodex::import
