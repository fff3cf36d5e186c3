// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/wrapped_text.h"

#include <string>

#include "display/layout_metrics.h"
#include "display/log_page.h"

namespace aerodex {

int DrawWrappedText(CSurface& surface, int x, int y, int width, const std::string& text) {
  y = layout::ClampY(y);
  std::string line;  // reused, so a long text costs one allocation
  bool first = true;
  WrapLines(text, width, [&](std::string_view part) {
    if (!first) y = layout::Offset(y, -layout::kLineStep);
    first = false;
    line.assign(part);
    surface.TextOut(x, y, line);
  });
  return y;
}

}  // namespace aerodex
