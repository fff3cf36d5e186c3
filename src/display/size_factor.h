// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic between drawing units and the view's high-English units:
// the size factor and the scaled viewport extent.
#pragma once

#include <cstdint>

#include "display/layout_metrics.h"
#include "model/document.h"

namespace aerodex {

// 1 at normal size, 2 at expanded size; never below 1, so that dividing by
// it is always defined.
inline int SizeFactor(const CAerodexDoc& doc) {
  const int factor = doc.zoomFactor / 2;
  return factor < 1 ? 1 : factor;
}

inline CExtent ScaledExtent(CExtent extent, int factor) {
  return {layout::ClampInt(std::int64_t{extent.cx} * factor),
          layout::ClampInt(std::int64_t{extent.cy} * factor)};
}

}  // namespace aerodex
