// The time graphs against relations worked out from the motion; the automatic optimum in the frame's picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "planner/calcp.h"
#include "plots/frame_picture.h"
#include "plots/time_graphs.h"
#include "support/recorder.h"
#include "support/trajectory.h"
#include "support/world.h"

namespace cpt {
namespace {

bool curve(const DrawCall& d) { return d.size > 0.007; }  // torque and displacement curves; axes are thinner

// 0.8 s in steps of 0.2 s: a joint at its torque limit lies on a (blue) limit line, half the opposite limit
// halfway to the other side; the displacement curves end on their goal lines; the time axes end at "0.8s".
TEST(Plots, TimeGraphsMeetTheirLimitsAndGoals) {
  auto w = default_world(Robot::Cylindrical);  Motion& mo = w->d.mo;
  w->pb.a2max = 4, rebuild_model(*w), mo.NCHN = 1, mo.chn[1].t = 0.8, mo.nf = 4;
  // Joint 1 at its limit +2 at step 1, at -1 at step 2; joint 2 at its limit -4 at step 2, at +2 at step 4.
  const double acc[5][2] = {{0, 0}, {2, 1}, {-1, -4}, {0.5, 3}, {1, 2}};
  for (int k = 0; k <= 4; ++k) mo.tt[k] = 0.2 * k, mo.A[k].acc = {acc[k][0], acc[k][1]}, mo.fi[k] = {0.3 * k - 0.2, 0.7 - 0.1 * k * k};
  const auto horizontal = [](const DrawCall& d) { return d.p[1] == d.q[1]; };
  Recorder rec;  plot_joint_torque(rec, w->pic, w->m, mo, 4);
  const auto limits = rec.of(DrawCall::Line, &colour::blue, horizontal);
  EXPECT_EQ(rec.of(DrawCall::Text, nullptr, [](const DrawCall& d) { return d.text == "0.8s"; }).size(), 2u);
  Recorder disp;  plot_joint_displacement(disp, w->pic, w->m, mo, 4);
  const auto goals = disp.of(DrawCall::Line, &colour::red, horizontal);
  ASSERT_EQ(goals.size(), 2u);
  for (int j = 0; j < 2; ++j) {
    SCOPED_TRACE(testing::Message() << "joint " << j + 1);
    const auto c = rec.of(DrawCall::ThickLine, j ? &colour::black : &colour::red, curve);
    ASSERT_EQ(c.size(), 4u);  // four steps; vertex k ends c[k - 1]
    const double O = c[0].p[1], lim = c[j ? 1 : 0].q[1];
    EXPECT_TRUE(std::any_of(limits.begin(), limits.end(), [&](const DrawCall& l) { return std::fabs(l.p[1] - lim) < 1e-9; }))
        << "no limit line through the vertex at the limit";
    EXPECT_NEAR(c[j ? 3 : 1].q[1] - O, -(lim - O) / 2, 1e-9);
    EXPECT_NEAR(disp.of(DrawCall::ThickLine, j ? &colour::black : &colour::red, curve).at(3).q[1], goals[j].p[1], 1e-9);
  }
}

// The default optimum drawn to its end: at rest there (whatever the switched end record holds), each torque
// curve ends on its time axis one graph width on; it starts at full acceleration whatever step 0 held before.
TEST(Plots, DefaultOptimumTorquesEndAtRest) {
  auto w = std::make_unique<App>();
  ASSERT_EQ(default_landed_trajectory(*w), 1);
  w->d.mo.A[0].acc = {-2, -2};
  ASSERT_EQ(calcp(w->con, w->m, w->cv, w->d.rhs, w->d.mo), 1);
  Recorder rec;
  plot_joint_torque(rec, w->pic, w->m, w->d.mo, w->d.mo.nf);
  for (const auto& [c, axis] : {std::pair{colour::red, w->pic.tq1_origin[1]}, {colour::black, w->pic.tq2_origin[1]}}) {
    const auto segs = rec.of(DrawCall::ThickLine, &c, curve);
    ASSERT_EQ(segs.size(), size_t(w->d.mo.nf));  // one per step
    EXPECT_NEAR(segs.back().q[0] - segs.front().p[0], w->pic.graph_w, 1e-9);
    EXPECT_NEAR(segs.back().q[1], axis, 1e-9);
    EXPECT_LT(segs.back().p[1], axis - 0.1); EXPECT_GT(segs.front().p[1], axis + 0.05);  // braking before the end
  }
}

// Hidden: no green, no "Optimum=". Shown: the profile in green, "Optimum=" and the time;
// obtained: the goal time's distance from it, cut like the panel's times
// (1.3 - 1.25 = +0.050 s, +4.00 %).
TEST(OptimumPicture, CurveAndPanel) {
  auto w = default_world();
  w->d.mo.istep = 3;
  w->d.mo.Y[1] = {0.1, 0.2}, w->d.mo.Y[2] = {0.2, 0.3}, w->d.mo.Y[3] = {0.3, 0.35};
  OptimumSeen& os = w->d.optimum;
  os.computed = os.ok = true, os.T = 1.25, os.n = 2;
  os.profile[0] = {0, 0}, os.profile[1] = {1, 2}, os.profile[2] = {PI, 0};
  FrameView v;
  v.n = 3;
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass);
    os.shown = pass > 0;
    if (pass == 2) w->d.mo.traj_state = TrajState::Obtained, w->d.mo.NCHN = 1, w->d.mo.chn[1].t = w->d.mo.tf = 1.3, w->d.mo.nf = 3;
    if (pass == 2) v.mode = FrameMode::Replay;
    Recorder r;
    draw_frame(r, w->m, w->cv, w->d, w->pic, v);
    std::string texts;
    for (const DrawCall& d : r.of(DrawCall::Text)) texts += d.text + "|";
    EXPECT_EQ(r.of(DrawCall::ThickLine, &colour::green).size(), pass ? 2u : 0u);
    EXPECT_EQ(texts.find("|Optimum=|1.250[s]\n|") != std::string::npos, pass > 0) << texts;
    EXPECT_EQ(texts.find("|Goal-Optimum=|+0.050[s] (+4.00%)\n|") != std::string::npos, pass == 2) << texts;
  }
}

}  // namespace
}  // namespace cpt
