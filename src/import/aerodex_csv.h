// SPDX-License-Identifier: GPL-3.0-or-later
// aerodex's own CSV: a header row of the saved fields' names, then one row per
// flight in log order (RFC 4180, UTF-8, hours as a person reads them). The
// csv command and the export write it; the import recognises it by its header
// and reads every field back as it was.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "import/flight_mapping.h"
#include "model/document.h"

namespace aerodex::import {

std::string AerodexCsv(const CAerodexDoc& doc);

// A cell as RFC 4180 writes it: quoted when it holds a comma, quote or line break.
std::string CsvCell(const std::string& utf8, char separator = ',');

// True when the header names every saved field of a flight.
bool IsAerodexCsvHeader(const std::vector<std::string>& header);

// The flight of one row, each cell into the field its column names.
CMappedRow MapAerodexRow(const std::vector<std::string>& header,
                         const std::vector<std::string>& cells);

}  // namespace aerodex::import
