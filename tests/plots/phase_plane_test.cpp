#include "plots/phase_plane.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

constexpr double kEps = 1e-12;

TEST(PhasePlane, OriginOnTheBaseAndHalfAUnitPerUnit) {
  auto w = default_world();
  Vec2 p = pp_map(w->pic, {1, 1});
  EXPECT_NEAR(p[0], 0, kEps);
  EXPECT_NEAR(p[1], 0, kEps);
  p = pp_map(w->pic, {0, 0});
  EXPECT_NEAR(p[0], -0.5, kEps);
  EXPECT_NEAR(p[1], -0.5, kEps);
  // pp_zoom 2 (short paths): s = 0.5 already reaches the centre.
  w->pic.pp_zoom = 2.0;
  p = pp_map(w->pic, {0.5, 0.25});
  EXPECT_NEAR(p[0], 0, kEps);
  EXPECT_NEAR(p[1], -0.25, kEps);
}

// 'w' multiplies zoom and pp_zoom by 0.9: the plot shrinks towards the centre.
TEST(PhasePlane, AfterZoomingOut) {
  auto w = default_world();
  w->pic.zoom = w->pic.pp_zoom = 0.9;
  Vec2 p = pp_map(w->pic, {0, 0});
  EXPECT_NEAR(p[0], -0.45, kEps);
  EXPECT_NEAR(p[1], -0.45, kEps);
  p = pp_map(w->pic, {1, 1});
  EXPECT_NEAR(p[0], 0, kEps);
  EXPECT_NEAR(p[1], 0, kEps);
  // Offsets move it like the robot.
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  p = pp_map(w->pic, {1, 1});
  EXPECT_NEAR(p[0], -0.05, kEps);
  EXPECT_NEAR(p[1], 0.05, kEps);
}

TEST(PhasePlane, CurveIsOneThickLinePerSegment) {
  auto w = default_world();
  const Vec2 pts[] = {{0, 0}, {1, 1}, {2, 0}};
  Recorder rec;
  plot_curve(w->pic, w->mo, 0, pts, colour::blue);
  EXPECT_TRUE(rec.calls.empty());
  plot_curve(w->pic, w->mo, 2, pts, colour::blue);
  const auto lines = rec.of(DrawCall::ThickLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(lines[0].p[0], -0.5, kEps);
  EXPECT_NEAR(lines[0].q[0], 0.0, kEps);
  EXPECT_NEAR(lines[1].p[1], 0.0, kEps);
  EXPECT_NEAR(lines[1].q[0], 0.5, kEps);
  EXPECT_NEAR(lines[1].q[1], -0.5, kEps);
  EXPECT_EQ(lines[1].colour, colour::blue);
  EXPECT_DOUBLE_EQ(lines[0].width, 0.008);
  // Thinner in replay.
  w->mo.traj_state = 'e';
  Recorder replay;
  plot_curve(w->pic, w->mo, 2, pts, colour::blue);
  EXPECT_DOUBLE_EQ(replay.calls[0].width, 0.004);
}

TEST(PhasePlane, TrajectoryMarksEverySwitchingInReplay) {
  auto w = default_world();
  Motion& mo = w->mo;
  mo.Y[1] = {0.5, 0.5};
  mo.Y[2] = {1.0, 0.0};
  mo.NCT = 2;
  mo.tsw[0] = {0, 0, 0, {0, 0}};
  mo.tsw[1] = {0.5, 0.5, 0.5, {0, 0}};
  mo.tsw[2] = {1.0, 1.0, 0.0, {0, 0}};
  // While building: the polyline only.
  Recorder build;
  plot_trajectory(w->pic, mo, 2, mo.Y.data(), colour::red);
  EXPECT_EQ(build.of(DrawCall::ThickLine).size(), 2u);
  EXPECT_TRUE(build.of(DrawCall::Disc).empty());
  // Replay: NCT + 1 blue rings (radius 0.007, white inside 0.002).
  mo.traj_state = 'e';
  Recorder rec;
  plot_trajectory(w->pic, mo, 2, mo.Y.data(), colour::red);
  EXPECT_DOUBLE_EQ(rec.of(DrawCall::ThickLine)[0].width, 0.004);
  const auto d = rec.of(DrawCall::Disc);
  ASSERT_EQ(d.size(), 6u);
  const double xs[] = {-0.5, -0.25, 0.0}, ys[] = {-0.5, -0.25, -0.5};
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(d[2 * m].colour, colour::blue);
    EXPECT_DOUBLE_EQ(d[2 * m].radius, 0.007);
    EXPECT_NEAR(d[2 * m].p[0], xs[m], kEps);
    EXPECT_NEAR(d[2 * m].p[1], ys[m], kEps);
    EXPECT_EQ(d[2 * m + 1].colour, colour::white);
  }
  // n = 0 in replay: no polyline, still the markers; NCT = 0: one marker.
  mo.NCT = 0;
  Recorder one;
  plot_trajectory(w->pic, mo, 0, mo.Y.data(), colour::red);
  EXPECT_TRUE(one.of(DrawCall::ThickLine).empty());
  EXPECT_EQ(one.of(DrawCall::Disc).size(), 2u);
}

TEST(PhasePlane, Boundary) {
  auto w = default_world();
  Curves& cv = w->cv;
  cv.nbnd = 3;
  cv.bnd[0] = {0, 2};
  cv.bnd[1] = {1, 1};
  cv.bnd[2] = {2, 1.5};
  cv.bnd[3] = {3, 2};
  Recorder rec;
  plot_boundary(w->pic, w->mo, cv, colour::black);
  const auto lines = rec.of(DrawCall::ThickLine);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NEAR(lines[0].p[1], 0.5, kEps);
  EXPECT_NEAR(lines[2].q[0], 1.0, kEps);
  EXPECT_DOUBLE_EQ(lines[0].width, 0.008);
  w->mo.traj_state = 'e';
  Recorder replay;
  plot_boundary(w->pic, w->mo, cv, colour::black);
  EXPECT_DOUBLE_EQ(replay.calls[0].width, 0.003);
}

}  // namespace
