#include "plots/time_graphs.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/recorder.h"
#include "support/world.h"

namespace {

const Vec2 kO{0.4, 0.5};

// A motion of T seconds in steps of 1 s (up to nf), robot 'b' unless given.
std::unique_ptr<World> motion_of(double T, int nf = 0, char robot = 'b') {
  auto w = default_world(robot);
  w->mo.NCHN = 1;
  w->mo.chn[1].t = T;
  w->mo.nf = nf;
  for (int k = 0; k <= nf; ++k) w->mo.tt[k] = k;
  return w;
}

// x of the second ticks (short red verticals), and the lines of one width.
std::vector<double> ticks(const Recorder& rec) {
  std::vector<double> x;
  for (const auto& c : rec.of(DrawCall::Line, &colour::red))
    if (std::fabs(c.q[1] - c.p[1] - 0.02) < 1e-9) x.push_back(c.p[0]);
  return x;
}
std::vector<DrawCall> curves(const Recorder& rec, const Colour& c) {
  std::vector<DrawCall> out;
  for (const auto& l : rec.of(DrawCall::ThickLine, &c))
    if (l.size == 0.008) out.push_back(l);
  return out;
}

TEST(TimeAxis, TicksAndLabel) {
  // 2.5 s: ticks at 1 s and 2 s (the last drawn again after its label), "2" "s".
  auto w = motion_of(2.5);
  Recorder rec;
  draw_axes(w->mo, 0, kO, 0.45, 0.5);
  ASSERT_EQ(ticks(rec).size(), 3u);
  EXPECT_NEAR(ticks(rec)[0], 0.6, 1e-12);
  EXPECT_NEAR(ticks(rec)[2], 0.8, 1e-12);
  EXPECT_AT(rec.text_call("2").p, 0.78, 0.51);
  EXPECT_NEAR(rec.text_call("s").p[0], 0.8, 1e-6);
  EXPECT_AT(rec.of(DrawCall::ThickLine)[1].q, 0.4, 0.95);  // vertical axis 0..h
  // Under 1 s: no tick, "0" "s" at the right end.
  w->mo.chn[1].t = 0.8;
  Recorder short_motion;
  draw_axes(w->mo, 1, kO, 0.3, 0.5);
  EXPECT_TRUE(ticks(short_motion).empty());
  EXPECT_NEAR(short_motion.text_call("0").p[0], 0.88, 1e-6);
  EXPECT_NEAR(short_motion.text_call("s").p[0], 0.9, 1e-6);
  EXPECT_AT(short_motion.of(DrawCall::ThickLine)[1].p, 0.4, 0.2);  // mode 1: -h..h
  // 12.5 s: 12 ticks, the whole number ending where one digit would.
  w->mo.chn[1].t = 12.5;
  Recorder long_motion;
  draw_axes(w->mo, 0, kO, 0.45, 0.5);
  EXPECT_EQ(ticks(long_motion).size(), 13u);
  EXPECT_NEAR(long_motion.text_call("12").p[0], 0.88 - 0.04, 1e-6);
}

TEST(TimeAxis, SwitchingLinesAndZeroTimes) {
  auto w = motion_of(2.5);
  w->mo.NCT = 2;
  w->mo.tsw[1].t = 1.0;
  w->mo.tsw[2].t = 2.5;
  Recorder rec;
  draw_axes(w->mo, 1, kO, 0.3, 0.5);
  const auto g = rec.of(DrawCall::Line, &colour::green);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_AT(g[0].p, 0.6, 0.2);
  EXPECT_AT(g[1].q, 0.9, 0.8);
  // Zero motion and switching times: no tick, no green line, nothing infinite.
  w->mo.chn[1].t = 0;
  w->mo.tsw[2].t = 0;
  Recorder zero;
  draw_axes(w->mo, 1, kO, 0.3, 0.5);
  EXPECT_TRUE(zero.of(DrawCall::Line).empty());
  for (const auto& c : zero.calls) EXPECT_TRUE(std::isfinite(c.p[0] + c.q[0]));
}

TEST(Displacement, ScaledOverTheWholeTable) {
  auto w = motion_of(2.0, 2);
  Motion& mo = w->mo;
  mo.fi[1] = {0.5, 1.5};
  mo.fi[2] = {1.0, 2.0};
  mo.fi[NSTEP] = {9.0, -9.0};  // past the range
  EXPECT_EQ(fi_range(mo), (Vec2{2.0, 0.0}));
  Recorder rec;
  plot_joint_displacement(w->pic, w->st, mo, 5);
  // Range 0..2 over 0.4: goal lines at 0.7 and 0.9, curves ending there at 0.9.
  std::vector<DrawCall> goals;
  for (const auto& c : rec.of(DrawCall::Line, &colour::red))
    if (c.p[1] == c.q[1]) goals.push_back(c);
  ASSERT_EQ(goals.size(), 2u);
  EXPECT_AT(goals[0].p, 0.4, 0.7);
  EXPECT_AT(goals[1].q, 0.9, 0.9);
  EXPECT_AT(rec.text_call("goal2").p, 0.6, 0.91);
  EXPECT_EQ(rec.text_call("fi1,2[rad]").op, DrawCall::Text);
  ASSERT_EQ(curves(rec, colour::red).size(), 2u);
  EXPECT_AT(curves(rec, colour::red)[1].q, 0.9, 0.7);
  EXPECT_AT(curves(rec, colour::black)[0].p, 0.4, 0.5);
}

TEST(Displacement, EqualValuesGiveAFlatMiddleLine) {
  auto w = motion_of(3.0, 3, 'a');
  Recorder rec;
  plot_joint_displacement(w->pic, w->st, w->mo, 3);
  EXPECT_EQ(rec.text_call("fi[rad],r[m]").op, DrawCall::Text);
  const auto red = curves(rec, colour::red), black = curves(rec, colour::black);
  ASSERT_EQ(red.size() + black.size(), 6u);
  for (const auto& c : red) EXPECT_AT(c.q, c.q[0], 0.7);
  for (const auto& c : black) EXPECT_AT(c.p, c.p[0], 0.7);
  EXPECT_AT(rec.text_call("goal1").p, 0.6, 0.71);
}

TEST(Torque, LimitLinesAndCurves) {
  auto w = motion_of(2.0, 2);
  Motion& mo = w->mo;
  w->st.a2max = 4.0;
  mo.CP[0].acc = {2.0, 4.0};
  mo.CP[1].acc = {-2.0, -4.0};
  Recorder rec;
  plot_joint_torque(w->pic, w->st, mo, 1);
  // Limit lines at 0.1 +- 0.25 and -0.6 +- 0.25.
  std::vector<double> y;
  for (const auto& c : rec.of(DrawCall::Line, &colour::red))
    if (c.q[0] - c.p[0] > 0.49) y.push_back(c.p[1]);
  EXPECT_EQ(y.size(), 4u);
  EXPECT_AT((Vec2{y[0], y[1]}), 0.35, -0.15);
  EXPECT_AT((Vec2{y[2], y[3]}), -0.35, -0.85);
  // j = 1 < nf: +limit to -limit on the limit lines, no closing line.
  const auto c1 = curves(rec, colour::red), c2 = curves(rec, colour::black);
  ASSERT_EQ(c1.size() + c2.size(), 2u);
  EXPECT_AT(c1[0].p, 0.4, 0.35);
  EXPECT_AT(c1[0].q, 0.65, -0.15);
  EXPECT_AT(c2[0].q, 0.65, -0.85);
  EXPECT_EQ(rec.text_call("T2max").font, Font::HELVETICA_12);
  EXPECT_AT(rec.text_call("T1max").p, 0.4, 0.36);
}

TEST(Torque, EndOfMotionClosesTheCurve) {
  auto w = motion_of(2.0, 2, 'a');
  w->mo.CP[2].acc = {1.0, -1.0};
  Recorder rec;
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  const auto c1 = curves(rec, colour::red), c2 = curves(rec, colour::black);
  ASSERT_EQ(c1.size() + c2.size(), 6u);
  EXPECT_AT(c1[2].p, 0.9, 0.225);
  EXPECT_AT(c1[2].q, 0.9, 0.1);
  EXPECT_AT(c2[2].p, 0.9, -0.725);
  EXPECT_AT(c2[2].q, 0.9, -0.6);
  for (const char* s : {"Force(2)", "Fmax", "F[N]", "Torque(1)"}) EXPECT_EQ(rec.text_call(s).op, DrawCall::Text);
  // No motion time: no curve at all.
  w->mo.chn[1].t = 0;
  Recorder none;
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  EXPECT_TRUE(curves(none, colour::red).empty());
}

}  // namespace
