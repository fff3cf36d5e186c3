// SPDX-License-Identifier: GPL-3.0-or-later
// A CLogViewHost for tests: records the scroll sizes, scroll positions and
// screen extents the drawing pass asks for, and answers the high-English
// extents of a 96-dpi screen (or others set by the test).
#pragma once

#include <vector>

#include "display/log_view.h"

class RecordingHost : public aerodex::CLogViewHost {
 public:
  struct Size {
    int width;
    int height;
    bool operator==(const Size&) const = default;
  };
  struct Extents {
    CExtent window;
    CExtent viewport;
  };

  void SetScrollSizes(int width, int height) override { scrollSizes.push_back({width, height}); }
  void ScrollToPosition(int x, int y) override { scrollPositions.push_back({x, y}); }
  CExtent HighEnglishWindowExtent() const override {
    ++extentReads;
    return highEnglishWindow;
  }
  CExtent HighEnglishViewportExtent() const override {
    ++extentReads;
    return highEnglishViewport;
  }
  void SetScreenExtents(CExtent window, CExtent viewport) override {
    screenExtents.push_back({window, viewport});
  }

  Size LastScrollSize() const { return scrollSizes.empty() ? Size{0, 0} : scrollSizes.back(); }

  CExtent highEnglishWindow{1000, 1000};
  CExtent highEnglishViewport{96, -96};
  std::vector<Size> scrollSizes;
  std::vector<Size> scrollPositions;  // (x, y) of each scroll request
  std::vector<Extents> screenExtents;
  mutable int extentReads = 0;
};
