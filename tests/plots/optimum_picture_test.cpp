// The automatic optimum in the frame's picture.
#include <gtest/gtest.h>

#include "plots/frame_picture.h"
#include "support/recorder.h"
#include "support/world.h"

namespace cpt {

namespace {

// Hidden: no green and no "Optimum=", the added key's line alone. Shown: the
// profile in green, under the hand-built trajectory (red, drawn after it),
// "Optimum=" and the time; obtained: the goal time's distance from it, cut
// like the panel's times (1.3 - 1.25 = +0.050 s, +4.00 %).
TEST(OptimumPicture, CurveAndPanel) {
  auto w = default_world();
  w->mo.istep = 3;
  w->mo.Y[1] = {0.1, 0.2}, w->mo.Y[2] = {0.2, 0.3}, w->mo.Y[3] = {0.3, 0.35};
  OptimumSeen& os = w->opt;
  os.computed = os.ok = true;
  os.T = 1.25;
  os.n = 2;
  os.profile[0] = {0, 0}, os.profile[1] = {1, 2}, os.profile[2] = {PI, 0};
  FrameView v;
  v.n = 3;
  const auto texts = [](const Recorder& r) {
    std::string all;
    for (const DrawCall& d : r.of(DrawCall::Text)) all += d.text + "|";
    return all;
  };
  {
    Recorder r;
    draw_frame(*w, v);
    EXPECT_TRUE(r.of(DrawCall::ThickLine, &colour::green).empty());
    EXPECT_EQ(texts(r).find("Optimum="), std::string::npos);
    EXPECT_NE(texts(r).find("|o: optimum|"), std::string::npos);
  }
  os.shown = true;
  Recorder r;
  draw_frame(*w, v);
  ASSERT_EQ(r.of(DrawCall::ThickLine, &colour::green).size(), 2u);
  size_t first_green = 0, first_red = 0;
  for (size_t k = r.calls.size(); k-- > 0;) {
    if (r.calls[k].op != DrawCall::ThickLine) continue;
    if (r.calls[k].colour == colour::green) first_green = k;
    if (r.calls[k].colour == colour::red) first_red = k;
  }
  EXPECT_LT(first_green, first_red);
  EXPECT_NE(texts(r).find("|Optimum=|1.250[s]\n|"), std::string::npos) << texts(r);
  EXPECT_EQ(texts(r).find("Goal-Optimum="), std::string::npos);
  w->mo.traj_state = TrajState::Obtained;
  w->mo.NCHN = 1, w->mo.chn[1].t = 1.3, w->mo.tf = 1.3, w->mo.nf = 3;
  v.mode = FrameMode::Replay;
  Recorder replay;
  draw_frame(*w, v);
  EXPECT_EQ(replay.of(DrawCall::ThickLine, &colour::green).size(), 2u);
  EXPECT_NE(texts(replay).find("|Goal-Optimum=|+0.050[s] (+4.00%)\n|"), std::string::npos) << texts(replay);
}

}  // namespace

}  // namespace cpt
