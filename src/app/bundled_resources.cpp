// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bundled_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function in the global namespace.
static void RegisterAerodexQrc() { Q_INIT_RESOURCE(aerodex); }

namespace aerodex {

void RegisterBundledResources() {
  static const bool registered = [] {
    RegisterAerodexQrc();
    return true;
  }();
  (void)registered;
}

}  // namespace aerodex
