// Phase plane: zoom * (-0.5, -0.5) + 0.5 * pp_zoom * (s, sd) + offsets. Time
// graphs from the default layout: width 0.5; displacement origin (0.4, 0.5),
// height 0.4; torque origins (0.4, 0.1) and (0.4, -0.6), half-height 0.25.
#include <gtest/gtest.h>

#include <cmath>

#include "plots/phase_plane.h"
#include "plots/time_graphs.h"
#include "support/recorder.h"
#include "support/world.h"

namespace cpt {

namespace {

// Catches a mapping that ignores the offsets or ignores or mixes up zoom and pp_zoom;
// markers while building; and in replay a missing first or last marker (NCT + 1, tsw[0]
// included) or a ring rim other than 0.005.
TEST(PhasePlane, MappingAndReplayMarkers) {
  auto w = default_world();
  EXPECT_AT(pp_map(w->pic, {0, 0}), -0.5, -0.5);
  w->pic.zoom = w->pic.pp_zoom = 0.9;  // one 'w'
  EXPECT_AT(pp_map(w->pic, {0, 0}), -0.45, -0.45);
  EXPECT_AT(pp_map(w->pic, {1, 1}), 0, 0);
  w->pic.pp_zoom = 1.8;  // a scale of 2 from the dialog, then 'w', 'x' and 'Y'
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  w->mo.NCT = 2;  // markers at tsw[0] = tsw[1] = (0, 0) and tsw[2] = (1, 0)
  w->mo.tsw[2] = {1.0, 1.0, 0.0, {0, 0}};
  Recorder rec;
  plot_trajectory(w->pic, w->mo, 0, w->mo.Y.data(), colour::red);  // building: no markers
  w->mo.traj_state = TrajState::Obtained;
  plot_trajectory(w->pic, w->mo, 0, w->mo.Y.data(), colour::red);
  const auto d = rec.of(DrawCall::Disc, &colour::blue);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_AT(d[0].p, -0.5, -0.4);
  EXPECT_AT(d[2].p, 0.4, -0.4);
  EXPECT_DOUBLE_EQ(rec.of(DrawCall::Disc, &colour::white).at(0).size, 0.002);  // a 0.005 blue rim
}

// A motion of T seconds in steps of 1 s (up to nf).
std::unique_ptr<World> motion_of(double T, int nf = 0, Robot robot = Robot::Scara) {
  auto w = default_world(robot);
  w->mo.NCHN = 1;
  w->mo.chn[1].t = T;
  w->mo.nf = nf;
  for (int k = 0; k <= nf; ++k) w->mo.tt[k] = k;
  return w;
}
// Thin red lines: vertical ones (second ticks) or horizontal ones (goal and limit lines).
std::vector<DrawCall> red_lines(const Recorder& rec, bool vertical) {
  return rec.of(DrawCall::Line, &colour::red, [=](const DrawCall& d) { return (d.p[0] == d.q[0]) == vertical; });
}
// Curve segments: 0.008 wide (the axes are 0.006).
std::vector<DrawCall> curves(const Recorder& rec, const Colour& c) {
  return rec.of(DrawCall::ThickLine, &c, [](const DrawCall& d) { return d.size == 0.008; });
}

// Catches a wrong tick spacing or count (the last tick is drawn twice), a label
// not at the last tick or cut to one digit, and a vertical axis of the wrong mode.
TEST(TimeAxis, TicksLabelAndVerticalAxis) {
  struct Case { double T; int mode; size_t ticks; const char* label; double x, bottom; };  // x of the label
  for (const Case& c :
       {Case{2.5, 0, 3, "2", 0.78, 0.5}, Case{0.8, 1, 0, "0", 0.88, 0.2}, Case{12.5, 0, 13, "12", 0.84, 0.5}}) {
    auto w = motion_of(c.T);
    Recorder rec;
    draw_axes(w->mo, c.mode, {0.4, 0.5}, 0.3, 0.5);
    ASSERT_EQ(red_lines(rec, true).size(), c.ticks) << c.T;
    EXPECT_AT(rec.text_at(c.label), c.x, 0.51);
    EXPECT_AT(rec.of(DrawCall::ThickLine).at(1).p, 0.4, c.bottom);
  }
}

// Catches a division by a zero motion time, switching time or torque limit
// (with a zero limit the curve stays on the axis).
TEST(TimeGraphs, ZeroTimesAndLimit) {
  auto w = motion_of(0, 2);
  w->mo.NCT = 2;
  Recorder zero;
  plot_joint_displacement(w->pic, w->st, w->mo, 2);
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  EXPECT_TRUE(red_lines(zero, true).empty());
  for (const auto& c : zero.calls) EXPECT_TRUE(std::isfinite(c.p[0] + c.p[1] + c.q[0] + c.q[1]));
  w->mo.chn[1].t = 2;
  w->st.a1max = 0;
  Recorder rec;
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  EXPECT_AT(curves(rec, colour::red).at(0).q, 0.65, 0.1);
}

// Catches equal values not drawn as a flat middle line (the range is 0), and a
// range taken only up to nf (the entries past it count, those past the table not).
TEST(Displacement, FlatAndScaledOverTheWholeTable) {
  auto w = motion_of(2.0, 2);
  Recorder flat;
  plot_joint_displacement(w->pic, w->st, w->mo, 2);
  EXPECT_AT(curves(flat, colour::black).at(1).q, 0.9, 0.7);
  w->mo.fi[2] = {1.0, 1.5};
  w->mo.fi[NSTEP - 1] = {2.0, 0.0};
  w->mo.fi[NSTEP] = {9.0, -9.0};
  Recorder rec;
  plot_joint_displacement(w->pic, w->st, w->mo, 5);
  EXPECT_AT(red_lines(rec, false).at(1).q, 0.9, 0.8);  // range 0..2 over 0.4: goals at 0.7 and 0.8
  EXPECT_AT(curves(rec, colour::red).back().q, 0.9, 0.7);
}

// Catches +-limit off the limit lines, switching lines not scaled to the last
// switching, and a closing line to the axis before the end of the motion or none at its end.
TEST(Torque, LimitLinesSwitchingAndClosingLine) {
  auto w = motion_of(2.0, 2, Robot::Cylindrical);
  w->st.a2max = 4.0;
  w->mo.CP[0].acc = {2.0, 4.0};
  w->mo.CP[1].acc = {-2.0, -4.0};
  w->mo.CP[2].acc = {0.0, -4.0};
  w->mo.NCT = 2;
  w->mo.tsw[1].t = 0.5;
  w->mo.tsw[2].t = 1.0;
  Recorder rec;
  plot_joint_torque(w->pic, w->st, w->mo, 1);
  const auto lim = red_lines(rec, false);  // +-0.25 about each time axis
  EXPECT_AT((Vec2{lim.at(0).p[1], lim.at(1).p[1]}), 0.35, -0.15);
  EXPECT_AT((Vec2{lim.at(2).p[1], lim.at(3).p[1]}), -0.35, -0.85);
  EXPECT_AT(rec.text_at("Fmax"), 0.4, -0.34);
  EXPECT_AT(rec.of(DrawCall::Line, &colour::green).at(2).p, 0.65, -0.9);  // graph 2, at 0.5 / 1.0 of the width
  const auto c1 = curves(rec, colour::red), c2 = curves(rec, colour::black);
  ASSERT_EQ(c1.size() + c2.size(), 2u);  // j = 1 < nf: one segment each
  EXPECT_AT(c1[0].p, 0.4, 0.35);
  EXPECT_AT(c2[0].q, 0.65, -0.85);
  Recorder end;
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  EXPECT_AT(curves(end, colour::black).at(2).q, 0.9, -0.6);  // j = nf: closed down to the axis
}

}  // namespace

}  // namespace cpt
