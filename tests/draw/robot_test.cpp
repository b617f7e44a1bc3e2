// Robot poses worked out by hand from the default dimensions: link 1 0.5,
// link 2 0.38, hand 0.12, palm 0.03 x 0.06, workpiece 0.1 x 0.12, joint
// radius 0.06, finger gap 0.007, base at (-0.5, -0.5).
#include "draw/robot.h"

#include <gtest/gtest.h>

#include "support/recorder.h"
#include "support/world.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;

// Centre-line ends of every filled body, in drawing order.
void expect_bodies(const Recorder& rec, const std::vector<std::array<double, 4>>& ends) {
  const auto rects = rec.of(DrawCall::FillRect);
  const auto frames = rec.of(DrawCall::FrameRect, &colour::blue);
  ASSERT_EQ(rects.size(), ends.size());
  ASSERT_EQ(frames.size(), ends.size());  // each white body outlined in the robot colour
  for (size_t k = 0; k < ends.size(); ++k) {
    EXPECT_EQ(rects[k].colour, colour::white);
    EXPECT_AT(rect_axis_start(rects[k]), ends[k][0], ends[k][1]);
    EXPECT_AT(rect_axis_end(rects[k]), ends[k][2], ends[k][3]);
    EXPECT_AT(frames[k].p, rects[k].p[0], rects[k].p[1]);
  }
}

TEST(ScaraRobot, StretchedAlongX) {
  auto w = default_world('b');
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  // Link 1 to the elbow (0, -0.5), palm at the wrist (0.38, -0.5), workpiece
  // about the tip (0.5, -0.5), link 2 from the elbow to the wrist.
  expect_bodies(rec, {{-0.505, -0.5, 0.005, -0.5}, {0.38, -0.5, 0.41, -0.5},
                      {0.45, -0.5, 0.55, -0.5}, {-0.005, -0.5, 0.38, -0.5}});
  EXPECT_NEAR(rec.of(DrawCall::FillRect)[0].size, 0.04, 1e-12);
  // Joint 1: white disc, ring 0.06 / 0.055, solid centre; the red tip dot;
  // the elbow: white disc, ring, inner ring 0.042 / 0.037.
  const auto d = rec.of(DrawCall::Disc);
  const double radii[] = {0.06, 0.06, 0.055, 0.042, 0.005, 0.06, 0.06, 0.055, 0.042, 0.037};
  ASSERT_EQ(d.size(), 10u);
  for (size_t k = 0; k < d.size(); ++k) EXPECT_NEAR(d[k].size, radii[k], 1e-12) << k;
  EXPECT_EQ(d[4].colour, colour::red);
  EXPECT_AT(d[4].p, 0.5, -0.5);
  EXPECT_AT(d[9].p, 0.0, -0.5);
  EXPECT_EQ(d[3].colour, colour::blue);
  EXPECT_EQ(d[9].colour, colour::white);
  // Finger bar across the palm front, fingers ending 0.0035 past the tip.
  const auto f = rec.of(DrawCall::ThickLine);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_AT(f[0].p, 0.41, -0.567);
  EXPECT_AT(f[0].q, 0.41, -0.433);
  EXPECT_AT(f[1].p, 0.4065, -0.567);
  EXPECT_AT(f[1].q, 0.5035, -0.567);
  EXPECT_AT(f[2].q, 0.5035, -0.433);
  EXPECT_NEAR(f[2].size, 0.01, 1e-12);
}

TEST(ScaraRobot, ElbowUp) {
  auto w = default_world('b');
  Recorder rec;
  draw_scara_robot(w->pic, {kHalfPi, -kHalfPi}, colour::blue);
  // Link 1 up to the elbow (-0.5, 0); link 2 and the hand along x to the tip (0, 0).
  expect_bodies(rec, {{-0.5, -0.505, -0.5, 0.005}, {-0.12, 0, -0.09, 0},
                      {-0.05, 0, 0.05, 0}, {-0.505, 0, -0.12, 0}});
  EXPECT_AT(rec.of(DrawCall::Disc)[4].p, 0.0, 0.0);
}

TEST(CylindricalRobot, BarAndBlock) {
  auto w = default_world('a');
  Recorder rec;
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::blue);
  // Bar from -0.5 + 0.5 - 1.0 to the wrist -0.12, block -0.6 .. -0.4, tip (0, -0.5).
  expect_bodies(rec, {{-1.0, -0.5, -0.12, -0.5}, {-0.6, -0.5, -0.4, -0.5},
                      {-0.12, -0.5, -0.09, -0.5}, {-0.05, -0.5, 0.05, -0.5}});
  const auto d = rec.of(DrawCall::Disc);
  ASSERT_EQ(d.size(), 4u);  // ring, solid centre, tip dot
  EXPECT_NEAR(d[2].size, 0.042, 1e-12);
  EXPECT_AT(d[3].p, 0.0, -0.5);
  // Arm turned up with r = 0.8: the bar slides, the block turns.
  Recorder up;
  draw_cylindrical_robot(w->pic, {kHalfPi, 0.8}, colour::blue);
  EXPECT_AT(rect_axis_start(up.of(DrawCall::FillRect)[0]), -0.5, -0.7);
  EXPECT_AT(rect_axis_end(up.of(DrawCall::FillRect)[0]), -0.5, 0.18);
  EXPECT_AT(rect_axis_end(up.of(DrawCall::FillRect)[1]), -0.5, -0.4);
}

// Zoom 0.5 halves everything about the window origin, ring widths excepted;
// offsets shift everything.
TEST(Robots, ZoomAndOffsets) {
  auto w = default_world('b');
  w->pic.zoom = 0.5;
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  expect_bodies(rec, {{-0.2525, -0.25, 0.0025, -0.25}, {0.19, -0.25, 0.205, -0.25},
                      {0.225, -0.25, 0.275, -0.25}, {-0.0025, -0.25, 0.19, -0.25}});
  const auto d = rec.of(DrawCall::Disc);
  EXPECT_NEAR(d[1].size, 0.03, 1e-12);
  EXPECT_NEAR(d[2].size, 0.025, 1e-12);  // the ring stays 0.005 wide
  EXPECT_NEAR(d[4].size, 0.0025, 1e-12);
  Recorder a;
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::blue);
  EXPECT_AT(rect_axis_start(a.of(DrawCall::FillRect)[0]), -0.5, -0.25);
  EXPECT_AT(a.of(DrawCall::Disc)[3].p, 0.0, -0.25);
  w->pic.zoom = 1;
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  Recorder shifted;
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  EXPECT_AT(shifted.of(DrawCall::Disc)[4].p, 0.45, -0.45);
}

}  // namespace
