// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the committed fuzzing corpus, so a build without clang still checks it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/adx_roundtrip_check.h"

namespace fs = std::filesystem;

TEST(AdxCorpus, EveryCommittedInputKeepsTheLoadProperties) {
  const char* source = AERODEX_SOURCE_DIR;
  int replayed = 0;
  for (const char* folder : {"fuzz/corpus", "examples"}) {
    const fs::path dir = fs::path(source) / folder;
    if (!fs::exists(dir)) continue;
    for (const auto& item : fs::directory_iterator(dir)) {
      if (!item.is_regular_file() || item.path().extension() == ".aerodex") continue;
      std::ifstream in(item.path(), std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                            std::istreambuf_iterator<char>()};
      EXPECT_EQ(aerodex::testing::CheckAdxRoundTrip(bytes), "") << item.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 10);
}
