#include "plots/phase_plane.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

TEST(PhasePlane, MappingBeforeAndAfterZoom) {
  auto w = default_world();
  EXPECT_AT(pp_map(w->pic, {1, 1}), 0, 0);
  EXPECT_AT(pp_map(w->pic, {0, 0}), -0.5, -0.5);
  // 'w': zoom = pp_zoom = 0.9, the plot shrinks towards the centre.
  w->pic.zoom = w->pic.pp_zoom = 0.9;
  EXPECT_AT(pp_map(w->pic, {0, 0}), -0.45, -0.45);
  EXPECT_AT(pp_map(w->pic, {1, 1}), 0, 0);
  w->pic.view_x = -0.05;
  EXPECT_AT(pp_map(w->pic, {1, 1}), -0.05, 0);
}

TEST(PhasePlane, CurvesAndBoundary) {
  auto w = default_world();
  const Vec2 pts[] = {{0, 0}, {1, 1}, {2, 0}};
  Recorder rec;
  plot_curve(w->pic, w->mo, 0, pts, colour::blue);
  EXPECT_TRUE(rec.calls.empty());
  plot_curve(w->pic, w->mo, 2, pts, colour::blue);
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_AT(rec.calls[0].p, -0.5, -0.5);
  EXPECT_AT(rec.calls[1].p, 0, 0);
  EXPECT_AT(rec.calls[1].q, 0.5, -0.5);
  EXPECT_DOUBLE_EQ(rec.calls[1].size, 0.008);
  // Replay: thinner curves, thinnest boundary.
  w->mo.traj_state = 'e';
  w->cv.nbnd = 2;
  w->cv.bnd[1] = {1, 1};
  Recorder replay;
  plot_curve(w->pic, w->mo, 1, pts, colour::blue);
  plot_boundary(w->pic, w->mo, w->cv, colour::black);
  ASSERT_EQ(replay.calls.size(), 3u);
  EXPECT_DOUBLE_EQ(replay.calls[0].size, 0.004);
  EXPECT_DOUBLE_EQ(replay.calls[1].size, 0.003);
  EXPECT_AT(replay.calls[2].p, 0, 0);
}

TEST(PhasePlane, ReplayMarksEverySwitching) {
  auto w = default_world();
  Motion& mo = w->mo;
  mo.Y[1] = {0.5, 0.5};
  mo.Y[2] = {1.0, 0.0};
  mo.NCT = 2;
  mo.tsw[1] = {0.5, 0.5, 0.5, {0, 0}};
  mo.tsw[2] = {1.0, 1.0, 0.0, {0, 0}};
  Recorder build;
  plot_trajectory(w->pic, mo, 2, mo.Y.data(), colour::red);
  EXPECT_EQ(build.calls.size(), 2u);  // the polyline only
  // Replay: NCT + 1 blue rings of 0.007 at tsw[0..NCT].
  mo.traj_state = 'e';
  Recorder rec;
  plot_trajectory(w->pic, mo, 2, mo.Y.data(), colour::red);
  const auto d = rec.of(DrawCall::Disc, &colour::blue);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(rec.of(DrawCall::Disc, &colour::white).size(), 3u);
  EXPECT_AT(d[0].p, -0.5, -0.5);
  EXPECT_AT(d[1].p, -0.25, -0.25);
  EXPECT_AT(d[2].p, 0.0, -0.5);
  EXPECT_DOUBLE_EQ(d[2].size, 0.007);
  // n = 0 and NCT = 0: no polyline, one marker.
  mo.NCT = 0;
  Recorder one;
  plot_trajectory(w->pic, mo, 0, mo.Y.data(), colour::red);
  EXPECT_TRUE(one.of(DrawCall::ThickLine).empty());
  EXPECT_EQ(one.of(DrawCall::Disc, &colour::blue).size(), 1u);
}

}  // namespace
