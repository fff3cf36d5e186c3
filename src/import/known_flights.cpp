// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/known_flights.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace aerodex::import {
namespace {

void AddHundredths(std::string& key, double hours) {
  double hundredths = std::round(hours * 100.0);
  if (hundredths == 0.0) hundredths = 0.0;  // one key for -0 and +0
  char bytes[sizeof(double)];
  std::memcpy(bytes, &hundredths, sizeof bytes);
  key.append(bytes, sizeof bytes);
}

std::string KeyOf(const CAerodexEntry& e) {
  std::string key =
      std::to_string(e.year) + '/' + std::to_string(e.month) + '/' + std::to_string(e.day) + '|';
  for (const std::string* text : {&e.nNumber, &e.departure, &e.arrival}) {
    key += std::to_string(text->size()) + ':' + *text + '|';
  }
  AddHundredths(key, e.dayHours);
  AddHundredths(key, e.nightHours);
  return key;
}

}  // namespace

CKnownFlights::CKnownFlights(const CAerodexDoc& doc) {
  for (const auto& entry : doc.Entries()) keys_.insert(KeyOf(*entry));
}

bool CKnownFlights::LooksKnown(const CAerodexEntry& entry) const {
  return !keys_.empty() && keys_.contains(KeyOf(entry));
}

std::string DescribeFlight(const CAerodexEntry& e) {
  char hours[64];
  std::snprintf(hours, sizeof hours, ", %.1f h", e.TotalHours());
  return std::to_string(e.month) + '/' + std::to_string(e.day) + '/' + std::to_string(e.year) +
         " N" + e.nNumber + ' ' + e.departure + " to " + e.arrival + hours;
}

}  // namespace aerodex::import
