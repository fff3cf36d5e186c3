// SPDX-License-Identifier: GPL-3.0-or-later
// The kept layout against the complete pass: after random edits, in every
// mode, with and without night subtotals, at both sizes, drawn on a surface
// that keeps everything and on one clipped to a random band, both must leave
// the same drawing, row positions, log height and scroll requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "display/size_factor.h"
#include "display_fixture.h"

namespace {

// A recording surface that shows only a band of heights, as a window or a
// printed page does: rows and headings outside it are left out, and so is
// every operation that falls wholly outside it.
class BandSurface : public RecordingSurface {
 public:
  BandSurface(int bottom, int top) : band_{bottom, top} {}
  bool IsBandVisible(int bottom, int top) const override {
    return top >= band_.bottom && bottom <= band_.top;
  }
  aerodex::CBand VisibleBand() const override { return band_; }
  void TextOut(int x, int y, const std::string& text) override {
    if (IsBandVisible(y - 100, y)) RecordingSurface::TextOut(x, y, text);
  }
  void MoveTo(int x, int y) override {
    lastY_ = y;
    RecordingSurface::MoveTo(x, y);
  }
  void LineTo(int x, int y) override {
    const bool shown = IsBandVisible(std::min(lastY_, y), std::max(lastY_, y));
    lastY_ = y;
    if (shown) {
      RecordingSurface::LineTo(x, y);
    } else {
      RecordingSurface::MoveTo(x, y);
    }
  }
  void FillSolidRect(int left, int top, int right, int bottom, CColor color) override {
    if (IsBandVisible(std::min(top, bottom), std::max(top, bottom))) {
      RecordingSurface::FillSolidRect(left, top, right, bottom, color);
    }
  }

 private:
  aerodex::CBand band_;
  int lastY_ = 0;
};

// Everything a pass leaves behind.
struct PassResult {
  std::vector<std::string> ops;
  std::vector<std::pair<int, int>> rows;
  int logHeight = 0;
  std::vector<RecordingHost::Size> scrollSizes;
  std::vector<RecordingHost::Size> scrollPositions;
  bool operator==(const PassResult&) const = default;
};

std::string Describe(const SurfaceOp& op) {
  return std::to_string(op.kind) + " " + std::to_string(op.x) + "," + std::to_string(op.y) + " " +
         std::to_string(op.x2) + "," + std::to_string(op.y2) + " " + op.text + " " +
         std::to_string(reinterpret_cast<std::uintptr_t>(op.font)) + " " +
         std::to_string(reinterpret_cast<std::uintptr_t>(op.pen)) + " " +
         std::to_string(op.color.r) + std::to_string(op.color.g) + std::to_string(op.color.b);
}

class KeptLayoutTest : public DisplayTest {
 protected:
  KeptLayoutTest() {
    AddAircraft("12345", true, 95);
    AddAircraft("6017D", false, 310);
    AddAircraft("SIM1");
    for (int i = 0; i < 70; ++i) AddRandomFlight();
  }

  std::string RandomText(int longest) {
    static const std::vector<std::string> words = {"KSJC", "V25",  "pattern",      "landings",
                                                   "ILS",  "hold", "SALINAS",      "night",
                                                   "-",    "x",    "cross-country"};
    std::string text;
    const int length = Below(longest + 1);
    while (static_cast<int>(text.size()) < length) text += words[Below(words.size())] + " ";
    return text.substr(0, static_cast<std::size_t>(length));
  }
  int Below(std::size_t n) { return static_cast<int>(dice() % n); }

  void AddRandomFlight() {
    static const std::vector<std::string> fleet = {"12345", "6017D", "SIM1", "77777"};
    auto e = Flight(1996 + Below(5), 1 + Below(12), 1 + Below(28), fleet[Below(fleet.size())]);
    e->flightNumber = Below(3);
    e->route = RandomText(30);
    e->remarks = RandomText(120);
    e->nightHours = Below(3) == 0 ? 0.8 : 0;
    e->nightLandings = Below(2);
    e->nightCrossCountry = Below(4) == 0 ? 1.1 : 0;
    Add(std::move(e));
  }

  // One change as a command makes it: the contents with the revision they
  // move, or the view's and the document's presentation.
  void RandomChange() {
    switch (Below(10)) {
      case 0:
        AddRandomFlight();
        break;
      case 1:
        if (doc.EntryCount() > 1) {
          CAerodexEntry* gone = &doc.Entry(static_cast<std::size_t>(Below(doc.EntryCount())));
          if (doc.selectedEntry == gone) doc.selectedEntry = nullptr;
          doc.RemoveEntry(gone);
          doc.SetModifiedFlag();
        }
        break;
      case 2: {
        CAerodexEntry& e = doc.Entry(static_cast<std::size_t>(Below(doc.EntryCount())));
        e.remarks = RandomText(150);
        e.year = 1996 + Below(5);
        e.dayHours = Below(30) / 10.0;
        doc.SetModifiedFlag();
        doc.SortEntries();
        break;
      }
      case 3:
        AddAircraft(Below(2) ? "77777" : "12345", Below(2) == 0, 50);
        break;
      case 4:
        if (doc.AircraftCount() > 1)
          doc.RemoveAircraftAt(static_cast<std::size_t>(Below(doc.AircraftCount())));
        break;
      case 5:
        doc.selectedEntry = &doc.Entry(static_cast<std::size_t>(Below(doc.EntryCount())));
        break;
      case 6:
        view.viewMode = std::vector<int>{1, 2, 4, 3}[Below(4)];
        break;
      case 7:
        view.OnViewNightSubtotals();
        break;
      case 8:
        Below(2) ? aerodex::OnViewExpandedSize(doc) : aerodex::OnViewNormalSize(doc);
        break;
      default:
        clock.Set(clock.Now() + 86400 * (1 + Below(400)));
        break;
    }
  }

  // Runs one pass from the state given and takes what it left behind.
  PassResult Run(bool kept, RecordingSurface& surface, bool clipped, int logHeight,
                 int scrollToSelection) {
    doc.logHeight = logHeight;
    doc.scrollToSelection = scrollToSelection;
    surface.Clear();
    RecordingHost recorded;
    kept ? view.OnDraw(surface, recorded) : view.DrawFullPass(surface, recorded);
    PassResult result;
    for (const SurfaceOp& op : surface.ops) {
      // Behind a clip only what shows counts: what was drawn, with the font,
      // pen and colour it was drawn in.
      const bool shows =
          op.kind == SurfaceOp::kText || op.kind == SurfaceOp::kLine || op.kind == SurfaceOp::kFill;
      if (shows || !clipped) result.ops.push_back(Describe(op));
    }
    for (const auto& entry : doc.Entries())
      result.rows.emplace_back(entry->rowTop, entry->rowBottom);
    result.logHeight = doc.logHeight;
    result.scrollSizes = recorded.scrollSizes;
    result.scrollPositions = recorded.scrollPositions;
    return result;
  }

  void ExpectSamePass(RecordingSurface& surface, bool clipped) {
    const int logHeight = doc.logHeight;
    const int scroll = doc.scrollToSelection;
    // The kept pass first: a layout it wrongly kept would leave the rows
    // where the last complete pass put them.
    const PassResult kept = Run(true, surface, clipped, logHeight, scroll);
    const PassResult full = Run(false, surface, clipped, logHeight, scroll);
    ASSERT_EQ(kept.rows, full.rows);
    const auto [k, f] =
        std::mismatch(kept.ops.begin(), kept.ops.end(), full.ops.begin(), full.ops.end());
    ASSERT_TRUE(k == kept.ops.end() && f == full.ops.end())
        << "at op " << (k - kept.ops.begin()) << " of " << kept.ops.size() << "/" << full.ops.size()
        << ": kept " << (k != kept.ops.end() ? *k : "-") << ", full "
        << (f != full.ops.end() ? *f : "-");
    ASSERT_EQ(kept, full);
  }

  std::mt19937 dice{20261207};
};

TEST_F(KeptLayoutTest, KeptLayoutDrawsAndPlacesAsTheFullPassAfterRandomChanges) {
  for (int step = 0; step < 300; ++step) {
    SCOPED_TRACE("step " + std::to_string(step) + ", mode " + std::to_string(view.viewMode) +
                 ", night " + std::to_string(view.showNightSubtotals));
    RandomChange();
    RecordingSurface everything(Below(2) == 0);
    ExpectSamePass(everything, false);
    // A window somewhere down the log, or one printed page.
    const int top = -Below(static_cast<std::size_t>(doc.logHeight) + 1);
    BandSurface window(top - 700 - Below(9000), top);
    ExpectSamePass(window, true);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(doc.logHeight, 3 * doc.pageHeight);
}

TEST_F(KeptLayoutTest, EveryChangeOfWhatTheLayoutDependsOnIsSeen) {
  Draw(screen);
  CAerodexEntry& first = doc.Entry(0);
  const int secondTop = doc.Entry(1).rowTop;
  // An edit the form makes in place (marked only once it is accepted).
  first.remarks = std::string(200, 'a') + " " + std::string(100, 'b');
  doc.NoteChange();
  Draw(screen);
  EXPECT_LT(doc.Entry(1).rowTop, secondTop);
  // Today's date stands in every totals row.
  clock.Set(clock.Now() + 86400);
  screen.Clear();
  Draw(screen);
  EXPECT_FALSE(screen.TextsEqual("03-06-2024").empty());
  EXPECT_TRUE(screen.TextsEqual("03-05-2024").empty());
}

TEST_F(KeptLayoutTest, NullSurfaceDrawsNothingYetLaysEverythingOut) {
  NullSurface quiet;
  Draw(quiet);
  const int lastTop = doc.Entry(doc.EntryCount() - 1).rowTop;
  Draw(screen);
  EXPECT_EQ(doc.Entry(doc.EntryCount() - 1).rowTop, lastTop);
  EXPECT_FALSE(screen.ops.empty());
}

}  // namespace
