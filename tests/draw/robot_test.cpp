#include "draw/robot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recorder.h"
#include "support/world.h"

namespace {

constexpr double kEps = 1e-12;
constexpr double kHalfPi = 1.5707963267948966;

#define EXPECT_AT(v, x, y)        \
  do {                            \
    EXPECT_NEAR((v)[0], x, kEps); \
    EXPECT_NEAR((v)[1], y, kEps); \
  } while (0)

// Geometry worked out by hand from the default dimensions: link 1 0.5,
// link 2 0.38, hand 0.12, palm 0.03 x 0.06, workpiece 0.1 x 0.12, joint
// radius 0.06, finger gap 0.007.
TEST(ScaraRobot, StretchedAlongX) {
  auto w = default_world('b');
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  const auto rects = rec.of(DrawCall::FillRect);
  // Order: link 1, palm, workpiece, link 2.
  ASSERT_EQ(rects.size(), 4u);
  // Link 1 body from 0.005 behind the base to 0.005 past the elbow (0, -0.5).
  EXPECT_AT(rects[0].p, -0.505, -0.52);
  EXPECT_AT(rect_axis_start(rects[0]), -0.505, -0.5);
  EXPECT_AT(rect_axis_end(rects[0]), 0.005, -0.5);
  EXPECT_NEAR(rects[0].width, 0.04, kEps);
  // Palm at the wrist (0.38, -0.5), workpiece centred on the tip (0.5, -0.5).
  EXPECT_AT(rect_axis_start(rects[1]), 0.38, -0.5);
  EXPECT_AT(rect_axis_end(rects[1]), 0.41, -0.5);
  EXPECT_AT(rects[2].p, 0.45, -0.56);
  EXPECT_AT(rect_axis_end(rects[2]), 0.55, -0.5);
  // Link 2 from 0.005 behind the elbow to the wrist.
  EXPECT_AT(rect_axis_start(rects[3]), -0.005, -0.5);
  EXPECT_AT(rect_axis_end(rects[3]), 0.38, -0.5);
  for (const auto& r : rects) EXPECT_EQ(r.colour, colour::white);
  // Every body is outlined in the robot colour.
  const auto frames = rec.of(DrawCall::FrameRect);
  ASSERT_EQ(frames.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(frames[k].colour, colour::blue);
    EXPECT_AT(frames[k].p, rects[k].p[0], rects[k].p[1]);
  }
  // Red tip dot on the tip.
  const auto discs = rec.of(DrawCall::Disc);
  const auto tip = std::find_if(discs.begin(), discs.end(), [](const DrawCall& c) { return c.colour == colour::red; });
  ASSERT_NE(tip, discs.end());
  EXPECT_AT(tip->p, 0.5, -0.5);
  EXPECT_NEAR(tip->radius, 0.005, kEps);
}

TEST(ScaraRobot, JointsAndFingers) {
  auto w = default_world('b');
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  const auto discs = rec.of(DrawCall::Disc);
  // Link 1 joint: white disc, ring (0.06 blue, 0.055 white), solid centre;
  // then the tip dot; then the elbow: white disc, ring, inner ring.
  ASSERT_EQ(discs.size(), 4u + 1u + 5u);
  const double radii[] = {0.06, 0.06, 0.055, 0.042, 0.005, 0.06, 0.06, 0.055, 0.042, 0.037};
  for (size_t k = 0; k < discs.size(); ++k) EXPECT_NEAR(discs[k].radius, radii[k], kEps) << k;
  EXPECT_AT(discs[3].p, -0.5, -0.5);
  EXPECT_EQ(discs[3].colour, colour::blue);
  EXPECT_AT(discs[9].p, 0.0, -0.5);
  EXPECT_EQ(discs[9].colour, colour::white);
  // Finger bar across the front of the palm, then two fingers ending 0.0035 past the tip.
  const auto lines = rec.of(DrawCall::ThickLine);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_AT(lines[0].p, 0.41, -0.567);
  EXPECT_AT(lines[0].q, 0.41, -0.433);
  EXPECT_AT(lines[1].p, 0.4065, -0.567);
  EXPECT_AT(lines[1].q, 0.5035, -0.567);
  EXPECT_AT(lines[2].q, 0.5035, -0.433);
  for (const auto& l : lines) EXPECT_NEAR(l.width, 0.01, kEps);
}

TEST(ScaraRobot, ElbowUp) {
  auto w = default_world('b');
  Recorder rec;
  draw_scara_robot(w->pic, {kHalfPi, -kHalfPi}, colour::red);
  const auto rects = rec.of(DrawCall::FillRect);
  ASSERT_EQ(rects.size(), 4u);
  // Link 1 vertical up to the elbow (-0.5, 0); link 2 and hand horizontal to the tip (0, 0).
  EXPECT_AT(rect_axis_end(rects[0]), -0.5, 0.005);
  EXPECT_AT(rect_axis_start(rects[3]), -0.505, 0.0);
  EXPECT_AT(rect_axis_end(rects[3]), -0.12, 0.0);
  EXPECT_AT(rect_axis_end(rects[2]), 0.05, 0.0);
  const auto discs = rec.of(DrawCall::Disc);
  EXPECT_AT(discs[4].p, 0.0, 0.0);  // tip dot
  EXPECT_AT(discs[5].p, -0.5, 0.0); // elbow joint
}

TEST(CylindricalRobot, HalfReachAlongX) {
  auto w = default_world('a');
  Recorder rec;
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::red);
  const auto rects = rec.of(DrawCall::FillRect);
  // Order: bar, block, palm, workpiece.
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_AT(rect_axis_start(rects[0]), -1.0, -0.5);
  EXPECT_AT(rect_axis_end(rects[0]), -0.12, -0.5);
  EXPECT_NEAR(rects[0].width, 0.044, kEps);
  EXPECT_AT(rect_axis_start(rects[1]), -0.6, -0.5);
  EXPECT_AT(rect_axis_end(rects[1]), -0.4, -0.5);
  EXPECT_NEAR(rects[1].width, 0.15, kEps);
  // Base joint ring with a solid centre, then the tip dot at (0, -0.5).
  const auto discs = rec.of(DrawCall::Disc);
  ASSERT_EQ(discs.size(), 4u);
  EXPECT_AT(discs[0].p, -0.5, -0.5);
  EXPECT_NEAR(discs[2].radius, 0.042, kEps);
  EXPECT_EQ(discs[3].colour, colour::red);
  EXPECT_AT(discs[3].p, 0.0, -0.5);
}

TEST(CylindricalRobot, TurnedArmSlidesTheBar) {
  auto w = default_world('a');
  Recorder rec;
  draw_cylindrical_robot(w->pic, {kHalfPi, 0.8}, colour::red);
  const auto rects = rec.of(DrawCall::FillRect);
  ASSERT_EQ(rects.size(), 4u);
  // Arm straight up: bar from y = -0.5 + 0.8 - 1.0 to -0.5 + 0.8 - 0.12.
  EXPECT_AT(rect_axis_start(rects[0]), -0.5, -0.7);
  EXPECT_AT(rect_axis_end(rects[0]), -0.5, 0.18);
  EXPECT_AT(rect_axis_end(rects[1]), -0.5, -0.4);
  EXPECT_AT(rec.of(DrawCall::Disc)[3].p, -0.5, 0.3);
}

// Zoom 0.5 halves everything about the window origin, ring widths excepted.
TEST(Robots, ZoomHalvesAboutTheOrigin) {
  auto w = default_world('b');
  w->pic.zoom = 0.5;
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::red);
  const auto rects = rec.of(DrawCall::FillRect);
  EXPECT_AT(rect_axis_start(rects[0]), -0.2525, -0.25);
  EXPECT_AT(rect_axis_end(rects[0]), 0.0025, -0.25);
  EXPECT_NEAR(rects[0].width, 0.02, kEps);
  EXPECT_AT(rect_axis_end(rects[3]), 0.19, -0.25);
  const auto discs = rec.of(DrawCall::Disc);
  EXPECT_AT(discs[0].p, -0.25, -0.25);
  EXPECT_NEAR(discs[1].radius, 0.03, kEps);
  EXPECT_NEAR(discs[2].radius, 0.025, kEps);  // the ring stays 0.005 wide
  EXPECT_AT(discs[4].p, 0.25, -0.25);
  EXPECT_NEAR(discs[4].radius, 0.0025, kEps);

  Recorder rec_a;
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::red);
  const auto bar = rec_a.of(DrawCall::FillRect)[0];
  EXPECT_AT(rect_axis_start(bar), -0.5, -0.25);
  EXPECT_AT(rect_axis_end(bar), -0.06, -0.25);
  EXPECT_AT(rec_a.of(DrawCall::Disc)[3].p, 0.0, -0.25);
}

// Offsets move the whole robot.
TEST(Robots, OffsetsShiftTheRobot) {
  auto w = default_world('b');
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  Recorder rec;
  draw_scara_robot(w->pic, {0, 0}, colour::red);
  EXPECT_AT(rec.of(DrawCall::Disc)[0].p, -0.55, -0.45);
  EXPECT_AT(rec.of(DrawCall::Disc)[4].p, 0.45, -0.45);
}

}  // namespace
