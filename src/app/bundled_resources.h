// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerodex {

// The guide and the icons are compiled into the program's library; a static
// library's resources must be registered by hand before the first use.
void RegisterBundledResources();

}  // namespace aerodex
