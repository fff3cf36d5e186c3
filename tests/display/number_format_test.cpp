// SPDX-License-Identifier: GPL-3.0-or-later
// The row formatters against the C library's printf itself.
#include "display/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

template <class... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

void ExpectLikePrintf(double value) {
  EXPECT_EQ(aerodex::FormatFixed(value, 7, 1), Printf("%7.1f", value)) << value;
  EXPECT_EQ(aerodex::FormatFixed(value, 6, 1), Printf("%6.1f", value)) << value;
  EXPECT_EQ(aerodex::FormatFixed(value, 8, 0), Printf("%8.0f", value)) << value;
}

}  // namespace

TEST(NumberFormat, HoursAndCostRoundExactlyAsPrintfDoes) {
  const std::vector<double> values = {0.0,
                                      -0.0,
                                      0.04,
                                      -0.04,
                                      0.05,
                                      0.15,
                                      0.25,
                                      0.35,
                                      0.45,
                                      2.25,
                                      2.5,
                                      3.5,
                                      -2.5,
                                      0.5,
                                      1.5,
                                      1234.5,
                                      162.35,
                                      0.95,
                                      9.95,
                                      99.95,
                                      999.95,
                                      0.1 + 0.2,
                                      1e14 + 0.5,
                                      1e14 + 0.25,
                                      281474976710655.5,
                                      281474976710656.5,
                                      2814749767106.55,
                                      1e15,
                                      1e300,
                                      -1e300,
                                      DBL_MAX,
                                      DBL_MIN,
                                      5e-324,
                                      std::nextafter(0.25, 1.0),
                                      std::nextafter(0.25, 0.0),
                                      std::nextafter(2.5, 3.0),
                                      std::nextafter(2.5, 2.0),
                                      INFINITY,
                                      -INFINITY,
                                      NAN,
                                      -NAN};
  for (const double value : values) ExpectLikePrintf(value);
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    const double tenths = static_cast<double>(random() % 200000) / 10.0;  // typical hours
    ExpectLikePrintf(tenths + 0.05);
    ExpectLikePrintf(tenths * 95.5);
    const std::uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    ExpectLikePrintf(any);
    ExpectLikePrintf(
        std::ldexp(static_cast<double>(random() % 1000000), -static_cast<int>(random() % 40)));
  }
}

TEST(NumberFormat, CountsDatesAndNNumbersLikePrintf) {
  for (const long long value : {0LL, 7LL, -3LL, 12345LL, -4294967296LL, (long long)INT_MIN}) {
    EXPECT_EQ(aerodex::FormatCount(value, 4), Printf("%4lld", value));
  }
  for (const int value : {0, 5, 12, 1998, -5, -12, INT_MIN, INT_MAX}) {
    EXPECT_EQ(aerodex::FormatRowDate(value, 4, value), Printf("%02d-%02d-%02d", value, 4, value));
  }
  EXPECT_EQ(aerodex::PadLeft("12345", 6), " 12345");
  EXPECT_EQ(aerodex::PadLeft("  --  ", 6), "  --  ");
  EXPECT_EQ(aerodex::PadLeft("N1234567", 6), "N1234567");
  EXPECT_EQ(aerodex::FormatLicense(INT_MIN), "License # -2147483648");
}
