#include "draw/view.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

TEST(View, MappingsAndGrid) {
  auto w = default_world();
  EXPECT_AT(robot_to_screen(w->pic, {0.7, 0.2}), 0.2, -0.3);
  // After 'w', 'x' and 'Y': the base moves to zoom * (-0.5, -0.5) plus the offsets.
  w->pic.zoom = 0.9;
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  EXPECT_AT(robot_to_screen(w->pic, {0, 0}), -0.5, -0.4);
  EXPECT_AT(world_to_screen(w->pic, {1.0, -1.0}), 0.85, -0.85);
  Recorder rec;
  draw_picture_grid(w->pic);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].op, DrawCall::Grid);
  EXPECT_AT(rec.calls[0].p, -0.5, -0.4);
  EXPECT_AT(rec.calls[0].q, 0.09, 0.09);
  EXPECT_EQ(rec.calls[0].n, 40);
}

}  // namespace
