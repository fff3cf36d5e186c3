// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled sample log: a private pilot with an owned Cessna, a rental
// Piper, a light twin, a Cub and a simulator, and about two hundred flights
// over four years. Deterministic, so examples/sample.adx can be checked
// against a fresh build of it, and large logs for benchmarks come from it too.
#pragma once

#include <cstdint>

#include "model/document.h"

namespace aerodex::sample {

// Fills an empty document with the sample pilot, aircraft and flights.
void BuildSampleLog(CAerodexDoc& doc);

// Fills an empty document with the sample pilot and aircraft and `flights`
// realistic flights from a generator seeded with `seed`, in log order.
void BuildLargeLog(CAerodexDoc& doc, std::uint32_t flights, std::uint32_t seed = 1);

}  // namespace aerodex::sample
