// The automatic optimum in the frame's picture.
#include <gtest/gtest.h>


#include "plots/frame_picture.h"
#include "support/recorder.h"
#include "support/world.h"

namespace cpt {
namespace {

// Hidden: no green, no "Optimum=". Shown: the profile in green, "Optimum=" and the time;
// obtained: the goal time's distance from it, cut like the panel's times
// (1.3 - 1.25 = +0.050 s, +4.00 %).
TEST(OptimumPicture, CurveAndPanel) {
  auto w = default_world();
  w->mo.istep = 3;
  w->mo.Y[1] = {0.1, 0.2}, w->mo.Y[2] = {0.2, 0.3}, w->mo.Y[3] = {0.3, 0.35};
  OptimumSeen& os = w->opt;
  os.computed = os.ok = true, os.T = 1.25, os.n = 2;
  os.profile[0] = {0, 0}, os.profile[1] = {1, 2}, os.profile[2] = {PI, 0};
  FrameView v;
  v.n = 3;
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass);
    os.shown = pass > 0;
    if (pass == 2) w->mo.traj_state = TrajState::Obtained, w->mo.NCHN = 1, w->mo.chn[1].t = w->mo.tf = 1.3, w->mo.nf = 3;
    if (pass == 2) v.mode = FrameMode::Replay;
    Recorder r;
    draw_frame(*w, v);
    std::string texts;
    for (const DrawCall& d : r.of(DrawCall::Text)) texts += d.text + "|";
    EXPECT_EQ(r.of(DrawCall::ThickLine, &colour::green).size(), pass ? 2u : 0u);
    EXPECT_EQ(texts.find("|Optimum=|1.250[s]\n|") != std::string::npos, pass > 0) << texts;
    EXPECT_EQ(texts.find("|Goal-Optimum=|+0.050[s] (+4.00%)\n|") != std::string::npos, pass == 2) << texts;
  }
}

}  // namespace
}  // namespace cpt
