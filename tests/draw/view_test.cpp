#include "draw/view.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

TEST(View, HandPointsAreRelativeToTheBase) {
  auto w = default_world();
  EXPECT_EQ(robot_to_screen(w->pic, {0, 0}), (Vec2{-0.5, -0.5}));
  const Vec2 h = robot_to_screen(w->pic, {0.7, 0.2});
  EXPECT_DOUBLE_EQ(h[0], 0.2);
  EXPECT_DOUBLE_EQ(h[1], -0.3);
  // One 'x' and one 'Y'.
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  const Vec2 p = robot_to_screen(w->pic, {0.5, 0.5});
  EXPECT_DOUBLE_EQ(p[0], -0.05);
  EXPECT_DOUBLE_EQ(p[1], 0.05);
}

TEST(View, ZoomScalesAboutTheWindowCentre) {
  auto w = default_world();
  w->pic.zoom = 0.9;
  const Vec2 b = robot_to_screen(w->pic, {0, 0});
  EXPECT_DOUBLE_EQ(b[0], -0.45);
  EXPECT_DOUBLE_EQ(b[1], -0.45);
  // World points already include the base: only zoom and offsets apply.
  w->pic.view_x = 0.1;
  const Vec2 q = world_to_screen(w->pic, {1.0, -1.0});
  EXPECT_DOUBLE_EQ(q[0], 1.0);
  EXPECT_DOUBLE_EQ(q[1], -0.9);
}

TEST(View, GridFollowsBaseAndZoom) {
  auto w = default_world();
  w->pic.zoom = 0.9;
  w->pic.view_x = -0.05;
  Recorder rec;
  draw_picture_grid(w->pic);
  ASSERT_EQ(rec.calls.size(), 1u);
  const DrawCall& g = rec.calls[0];
  EXPECT_EQ(g.op, DrawCall::Grid);
  EXPECT_DOUBLE_EQ(g.p[0], -0.5);
  EXPECT_DOUBLE_EQ(g.p[1], -0.45);
  EXPECT_EQ(g.n, 40);
  EXPECT_DOUBLE_EQ(g.spacing[0], 0.09);
  EXPECT_DOUBLE_EQ(g.spacing[1], 0.09);
  EXPECT_EQ(g.angle, 0.0);
}

}  // namespace
