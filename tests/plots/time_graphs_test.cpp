#include "plots/time_graphs.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/recorder.h"
#include "support/world.h"

namespace {

constexpr double kEps = 1e-12;
const Vec2 kO{0.4, 0.5};

// A motion of T seconds with its last switching record at the end.
std::unique_ptr<World> motion_of(double T, char robot = 'b') {
  auto w = default_world(robot);
  w->mo.NCHN = 1;
  w->mo.chn[1].t = T;
  return w;
}

// The short red vertical lines of the time axis (the second ticks).
std::vector<DrawCall> ticks(const Recorder& rec) {
  std::vector<DrawCall> out;
  for (const auto& c : rec.of(DrawCall::Line))
    if (c.colour == colour::red && std::fabs(c.q[1] - c.p[1] - 0.02) < 1e-9) out.push_back(c);
  return out;
}

TEST(TimeAxis, TwoAndAHalfSeconds) {
  auto w = motion_of(2.5);
  Recorder rec;
  draw_axes(w->mo, 0, kO, 0.45, 0.5);
  const auto t = ticks(rec);
  // Ticks at 1 s and 2 s, the last one drawn again after its label.
  ASSERT_EQ(t.size(), 3u);
  EXPECT_NEAR(t[0].p[0], 0.6, kEps);
  EXPECT_NEAR(t[1].p[0], 0.8, kEps);
  EXPECT_NEAR(t[2].p[0], 0.8, kEps);
  const DrawCall n = rec.text_call("2"), s = rec.text_call("s");
  ASSERT_EQ(n.op, DrawCall::Text);
  EXPECT_NEAR(n.p[0], 0.78, 1e-6);
  EXPECT_NEAR(n.p[1], 0.51, 1e-6);
  EXPECT_NEAR(s.p[0], 0.8, 1e-6);
  EXPECT_EQ(s.font, Font::HELVETICA_18);
  // Axes: time axis and the vertical axis 0..h, both 0.006 wide.
  const auto axes = rec.of(DrawCall::ThickLine);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_NEAR(axes[0].q[0], 0.9, kEps);
  EXPECT_NEAR(axes[1].p[1], 0.5, kEps);
  EXPECT_NEAR(axes[1].q[1], 0.95, kEps);
  EXPECT_DOUBLE_EQ(axes[1].width, 0.006);
}

TEST(TimeAxis, UnderOneSecondHasNoTick) {
  auto w = motion_of(0.8);
  Recorder rec;
  draw_axes(w->mo, 1, kO, 0.3, 0.5);
  EXPECT_TRUE(ticks(rec).empty());
  EXPECT_NEAR(rec.text_call("0").p[0], 0.88, 1e-6);
  EXPECT_NEAR(rec.text_call("s").p[0], 0.9, 1e-6);
  // Mode 1: the vertical axis runs -h..h.
  EXPECT_NEAR(rec.of(DrawCall::ThickLine)[1].p[1], 0.2, kEps);
}

// Ten seconds and more: the whole number, ending where one digit would.
TEST(TimeAxis, LongMotionLabelShowsTheWholeNumber) {
  auto w = motion_of(12.5);
  Recorder rec;
  draw_axes(w->mo, 0, kO, 0.45, 0.5);
  EXPECT_EQ(ticks(rec).size(), 13u);
  const DrawCall n = rec.text_call("12");
  ASSERT_EQ(n.op, DrawCall::Text);
  EXPECT_NEAR(n.p[0], 0.4 + 0.48 - 0.04, 1e-6);
  EXPECT_NEAR(rec.text_call("s").p[0], 0.88, 1e-6);
}

TEST(TimeAxis, WholeSecondsKeepTheirLastTick) {
  for (int T = 1; T <= 19; ++T) {
    auto w = motion_of(T);
    Recorder rec;
    draw_axes(w->mo, 0, kO, 0.45, 0.5);
    EXPECT_EQ(ticks(rec).size(), static_cast<size_t>(T + 1)) << T;
    EXPECT_NEAR(rec.text_call("s").p[0], 0.9, 1e-6) << T;
  }
}

TEST(TimeAxis, ZeroTimeDrawsNoTicksAndNoNaN) {
  auto w = motion_of(0.0);
  w->mo.NCT = 2;  // tsw[2].t == 0 as well
  Recorder rec;
  draw_axes(w->mo, 0, kO, 0.45, 0.5);
  EXPECT_TRUE(ticks(rec).empty());
  EXPECT_TRUE(rec.of(DrawCall::Line).empty());  // no switching lines either
  for (const auto& c : rec.calls) EXPECT_TRUE(std::isfinite(c.p[0]) && std::isfinite(c.q[0]));
}

TEST(TimeAxis, SwitchingLines) {
  auto w = motion_of(2.5);
  w->mo.NCT = 2;
  w->mo.tsw[1].t = 1.0;
  w->mo.tsw[2].t = 2.5;
  Recorder rec;
  draw_axes(w->mo, 1, kO, 0.3, 0.5);
  std::vector<DrawCall> green;
  for (const auto& c : rec.of(DrawCall::Line))
    if (c.colour == colour::green) green.push_back(c);
  ASSERT_EQ(green.size(), 2u);
  EXPECT_NEAR(green[0].p[0], 0.6, kEps);
  EXPECT_NEAR(green[0].p[1], 0.2, kEps);
  EXPECT_NEAR(green[0].q[1], 0.8, kEps);
  EXPECT_NEAR(green[1].p[0], 0.9, kEps);
}

TEST(FiRange, CoversTheClearedPartOfTheTable) {
  auto w = default_world();
  w->mo.fi[3] = {0.5, -0.2};
  w->mo.fi[NSTEP - 1] = {2.0, 0.1};
  w->mo.fi[NSTEP] = {9.0, -9.0};  // past the range
  EXPECT_EQ(fi_range(w->mo), (Vec2{2.0, -0.2}));
}

TEST(Displacement, ScaledBetweenLowestAndHighest) {
  auto w = motion_of(2.0);
  Motion& mo = w->mo;
  mo.nf = 2;
  mo.tt[1] = 1.0;
  mo.tt[2] = 2.0;
  mo.fi[0] = {0.0, 1.0};
  mo.fi[1] = {0.5, 1.5};
  mo.fi[2] = {1.0, 2.0};
  Recorder rec;
  plot_joint_displacement(w->pic, w->st, mo, 5);
  // Range 0..2 over 0.4: goal lines at 0.5 + 0.2 and 0.5 + 0.4.
  std::vector<DrawCall> goals;
  for (const auto& c : rec.of(DrawCall::Line))
    if (c.colour == colour::red && c.p[1] == c.q[1]) goals.push_back(c);
  ASSERT_EQ(goals.size(), 2u);
  EXPECT_NEAR(goals[0].p[1], 0.7, kEps);
  EXPECT_NEAR(goals[1].p[1], 0.9, kEps);
  EXPECT_NEAR(rec.text_call("goal2").p[1], 0.91, 1e-6);
  EXPECT_EQ(rec.text_call("fi1,2[rad]").op, DrawCall::Text);
  // Curves: two segments per joint, the last point at (0.9, y of fi[2]).
  std::vector<DrawCall> curve;
  for (const auto& c : rec.of(DrawCall::ThickLine))
    if (c.width == 0.008) curve.push_back(c);
  ASSERT_EQ(curve.size(), 4u);
  EXPECT_NEAR(curve[0].p[1], 0.5, kEps);
  EXPECT_NEAR(curve[1].q[0], 0.9, kEps);
  EXPECT_NEAR(curve[1].q[1], 0.7, kEps);
  EXPECT_EQ(curve[2].colour, colour::black);
  EXPECT_NEAR(curve[3].q[1], 0.9, kEps);
}

TEST(Displacement, EqualValuesGiveAFlatMiddleLine) {
  auto w = motion_of(1.5, 'a');
  Motion& mo = w->mo;
  mo.nf = 3;
  for (int k = 1; k <= 3; ++k) mo.tt[k] = 0.5 * k;
  Recorder rec;
  plot_joint_displacement(w->pic, w->st, mo, 3);
  EXPECT_EQ(rec.text_call("fi[rad],r[m]").op, DrawCall::Text);
  for (const auto& c : rec.calls) {
    ASSERT_TRUE(std::isfinite(c.p[1]) && std::isfinite(c.q[1]));
  }
  std::vector<DrawCall> curve;
  for (const auto& c : rec.of(DrawCall::ThickLine))
    if (c.width == 0.008) curve.push_back(c);
  ASSERT_EQ(curve.size(), 6u);
  for (const auto& c : curve) {
    EXPECT_NEAR(c.p[1], 0.7, kEps);
    EXPECT_NEAR(c.q[1], 0.7, kEps);
  }
  EXPECT_NEAR(rec.text_call("goal1").p[1], 0.71, 1e-6);
}

// Curves of the torque graphs, of one colour, in order.
std::vector<DrawCall> curve_of(const Recorder& rec, const Colour& c) {
  std::vector<DrawCall> out;
  for (const auto& l : rec.of(DrawCall::ThickLine))
    if (l.width == 0.008 && l.colour == c) out.push_back(l);
  return out;
}

TEST(Torque, LimitsOnTheLimitLines) {
  auto w = motion_of(2.0);
  Motion& mo = w->mo;
  w->st.a1max = 2.0;
  w->st.a2max = 4.0;
  mo.nf = 2;
  mo.tt[1] = 1.0;
  mo.tt[2] = 2.0;
  mo.CP[0].acc = {2.0, 4.0};
  mo.CP[1].acc = {-2.0, -4.0};
  mo.CP[2].acc = {1.0, 0.0};
  Recorder rec;
  plot_joint_torque(w->pic, w->st, mo, 1);
  // Limit lines: graph 1 at 0.1 +- 0.25, graph 2 at -0.6 +- 0.25.
  std::vector<double> limits;
  for (const auto& c : rec.of(DrawCall::Line))
    if (c.colour == colour::red && c.p[1] == c.q[1] && c.q[0] - c.p[0] > 0.49) limits.push_back(c.p[1]);
  ASSERT_EQ(limits.size(), 4u);
  EXPECT_NEAR(limits[0], 0.35, kEps);
  EXPECT_NEAR(limits[1], -0.15, kEps);
  EXPECT_NEAR(limits[2], -0.35, kEps);
  EXPECT_NEAR(limits[3], -0.85, kEps);
  // j = 1 < nf: one segment from +limit to -limit, no closing line.
  const auto c1 = curve_of(rec, colour::red), c2 = curve_of(rec, colour::black);
  ASSERT_EQ(c1.size(), 1u);
  EXPECT_NEAR(c1[0].p[1], 0.35, kEps);
  EXPECT_NEAR(c1[0].q[1], -0.15, kEps);
  EXPECT_NEAR(c1[0].q[0], 0.65, kEps);
  ASSERT_EQ(c2.size(), 1u);
  EXPECT_NEAR(c2[0].p[1], -0.35, kEps);
  EXPECT_NEAR(c2[0].q[1], -0.85, kEps);
  EXPECT_EQ(rec.text_call("T2max").font, Font::HELVETICA_12);
  EXPECT_NEAR(rec.text_call("T1max").p[1], 0.36, 1e-6);
  EXPECT_EQ(rec.text_call("Torque(2)").op, DrawCall::Text);
}

TEST(Torque, EndOfMotionClosesTheCurve) {
  auto w = motion_of(2.0, 'a');
  Motion& mo = w->mo;
  mo.nf = 2;
  mo.tt[1] = 1.0;
  mo.tt[2] = 2.0;
  mo.CP[2].acc = {1.0, -1.0};
  Recorder rec;
  plot_joint_torque(w->pic, w->st, mo, 2);
  const auto c1 = curve_of(rec, colour::red), c2 = curve_of(rec, colour::black);
  ASSERT_EQ(c1.size(), 3u);
  EXPECT_NEAR(c1[2].p[0], 0.9, kEps);
  EXPECT_NEAR(c1[2].p[1], 0.1 + 0.125, kEps);
  EXPECT_NEAR(c1[2].q[0], 0.9, kEps);
  EXPECT_NEAR(c1[2].q[1], 0.1, kEps);
  ASSERT_EQ(c2.size(), 3u);
  EXPECT_NEAR(c2[2].p[1], -0.6 - 0.125, kEps);
  EXPECT_NEAR(c2[2].q[1], -0.6, kEps);
  EXPECT_EQ(rec.text_call("Force(2)").op, DrawCall::Text);
  EXPECT_EQ(rec.text_call("Fmax").op, DrawCall::Text);
  EXPECT_EQ(rec.text_call("F[N]").op, DrawCall::Text);
}

TEST(Torque, NoMotionTimeDrawsNoCurve) {
  auto w = motion_of(0.0);
  w->mo.nf = 2;
  w->mo.CP[1].acc = {1.0, 1.0};
  Recorder rec;
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  EXPECT_TRUE(curve_of(rec, colour::red).empty());
  for (const auto& c : rec.calls) EXPECT_TRUE(std::isfinite(c.p[0]) && std::isfinite(c.p[1]));
}

}  // namespace
