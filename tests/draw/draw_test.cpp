// The robot picture, checked against the forward kinematics worked out
// independently of the drawing code, and following the view.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "model/kinematics.h"
#include "support/recorder.h"
#include "support/world.h"

namespace cpt {

namespace {

// Seeded random poses of both robots under random zooms and offsets: the red
// tool-centre dot sits on the hand point of the forward kinematics, and every
// point of the grid and the robot is its unzoomed place W seen through the
// view, zoom * W + offsets.
TEST(Draw, RobotTipOnTheForwardKinematicsAndPictureFollowsTheView) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(-1, 1);
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    const auto draw = [r](const Picture& pic, const Vec2& q) {
      draw_picture_grid(pic);
      (r == Robot::Cylindrical ? draw_cylindrical_robot : draw_scara_robot)(pic, q, colour::blue);
    };
    for (int i = 0; i < 20; ++i) {
      const Vec2 q{PI * u(rng), r == Robot::Scara ? PI * u(rng) : 0.6 + 0.4 * u(rng)};
      Picture pic = w->pic;
      pic.zoom = 0.6 + 0.3 * u(rng);
      pic.view_x = 0.2 * u(rng);
      pic.view_y = 0.2 * u(rng);
      const auto expect_viewed = [&](const Vec2& got, const Vec2& W) {
        EXPECT_NEAR(got[0], pic.zoom * W[0] + pic.view_x, 1e-9);
        EXPECT_NEAR(got[1], pic.zoom * W[1] + pic.view_y, 1e-9);
      };
      Recorder plain;
      draw(w->pic, q);  // zoom 1, no offsets
      Recorder rec;
      draw(pic, q);
      SCOPED_TRACE(testing::Message() << "robot " << r << " q=(" << q[0] << ", " << q[1] << ")");
      const auto dot = rec.of(DrawCall::Disc, &colour::red);
      ASSERT_EQ(dot.size(), 1u);
      const Vec2 hand = forward(w->st, q);
      expect_viewed(dot[0].p, {pic.base[0] + hand[0], pic.base[1] + hand[1]});
      ASSERT_EQ(rec.calls.size(), plain.calls.size());
      for (size_t k = 0; k < rec.calls.size(); ++k) {
        const DrawCall &a = plain.calls[k], &b = rec.calls[k];
        expect_viewed(b.p, a.p);
        if (a.op == DrawCall::FillRect || a.op == DrawCall::FrameRect || a.op == DrawCall::ThickLine) {
          expect_viewed(b.q, a.q);
        }
      }
    }
  }
}

}  // namespace

}  // namespace cpt
