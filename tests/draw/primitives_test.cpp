#include "draw/primitives.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

TEST(Primitives, RingMarkerAndPathDot) {
  auto w = default_world();
  w->pic.zoom = 0.5;
  w->pic.view_y = 0.05;
  Recorder rec;
  ring_marker({0.1, 0.2}, 0.007, colour::blue);
  path_dot(w->pic, {0.7, 0.2}, 0.004, colour::black);
  const auto d = rec.of(DrawCall::Disc);
  ASSERT_EQ(d.size(), 3u);
  // A blue disc with a white one 0.005 smaller on top.
  EXPECT_EQ(d[0].colour, colour::blue);
  EXPECT_EQ(d[1].colour, colour::white);
  EXPECT_DOUBLE_EQ(d[1].size, 0.002);
  EXPECT_AT(d[1].p, 0.1, 0.2);
  // The hand point (0.7, 0.2) at zoom 0.5, one 'Y' up.
  EXPECT_AT(d[2].p, 0.1, -0.1);
  EXPECT_DOUBLE_EQ(d[2].size, 0.004);
}

TEST(Primitives, BackendIsReplacedAndRestored) {
  {
    Recorder rec;
    EXPECT_EQ(&backend(), &rec);
    draw_thick_line({0, 1}, {1, 0}, 0.006, colour::red);
    fill_rect({0.1, 0.1}, 0.3, 0.2, 0.5, colour::yellow);
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_DOUBLE_EQ(rec.calls[0].size, 0.006);
    EXPECT_DOUBLE_EQ(rec.calls[1].angle, 0.5);
  }
  EXPECT_EQ(&backend(), &gl_backend());
}

}  // namespace
