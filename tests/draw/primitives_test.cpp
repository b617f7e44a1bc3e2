#include "draw/primitives.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

TEST(Primitives, RingMarkerIsAColouredRimAroundWhite) {
  Recorder rec;
  ring_marker({0.1, 0.2}, 0.007, colour::blue);
  const auto d = rec.of(DrawCall::Disc);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].colour, colour::blue);
  EXPECT_DOUBLE_EQ(d[0].radius, 0.007);
  EXPECT_EQ(d[1].colour, colour::white);
  EXPECT_DOUBLE_EQ(d[1].radius, 0.002);
  EXPECT_EQ(d[1].p, (Vec2{0.1, 0.2}));
}

TEST(Primitives, PathDotMapsAHandPoint) {
  auto w = default_world();
  w->pic.zoom = 0.5;
  w->pic.view_y = 0.05;
  Recorder rec;
  path_dot(w->pic, {0.7, 0.2}, 0.004, colour::black);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_DOUBLE_EQ(rec.calls[0].p[0], 0.1);
  EXPECT_DOUBLE_EQ(rec.calls[0].p[1], -0.1);
  EXPECT_DOUBLE_EQ(rec.calls[0].radius, 0.004);
}

TEST(Primitives, EachCallReachesTheBackendUnchanged) {
  Recorder rec;
  draw_text(0.1f, 0.2f, Font::HELVETICA_12, "abc");
  draw_line({0, 0}, {1, 1}, colour::green);
  draw_thick_line({0, 1}, {1, 0}, 0.006, colour::red);
  fill_rect({0.1, 0.1}, 0.3, 0.2, 0.5, colour::yellow);
  frame_rect({0.1, 0.1}, 0.3, 0.2, 0.5, colour::magenta);
  draw_grid({0.2, 0.3}, 0.1, 5, 0.1, 0.2);
  ASSERT_EQ(rec.calls.size(), 6u);
  EXPECT_EQ(rec.calls[0].text, "abc");
  EXPECT_EQ(rec.calls[0].font, Font::HELVETICA_12);
  EXPECT_EQ(rec.calls[1].colour, colour::green);
  EXPECT_DOUBLE_EQ(rec.calls[2].width, 0.006);
  EXPECT_EQ(rec.calls[3].op, DrawCall::FillRect);
  EXPECT_DOUBLE_EQ(rec.calls[3].angle, 0.5);
  EXPECT_EQ(rec.calls[4].op, DrawCall::FrameRect);
  EXPECT_EQ(rec.calls[5].n, 5);
  EXPECT_EQ(rec.calls[5].spacing, (Vec2{0.1, 0.2}));
}

TEST(Primitives, BackendIsRestored) {
  Backend* before = &backend();
  {
    Recorder rec;
    EXPECT_EQ(&backend(), &rec);
  }
  EXPECT_EQ(&backend(), before);
  EXPECT_EQ(&backend(), &gl_backend());
}

}  // namespace
