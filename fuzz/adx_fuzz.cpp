// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the .adx loader.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/adx_roundtrip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = aerodex::testing::CheckAdxRoundTrip({data, size});
  if (!problem.empty()) {
    std::fprintf(stderr, "adx property broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
