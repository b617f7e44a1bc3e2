// The robot picture, checked against the forward kinematics worked out
// independently of the drawing code, and following the view; the texts' zero.
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
    const auto draw = [r](Backend& out, const Picture& pic, const Vec2& q) {
      draw_picture_grid(out, pic);
      (r == Robot::Cylindrical ? draw_cylindrical_robot : draw_scara_robot)(out, pic, q, colour::blue);
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
      draw(plain, w->pic, q);  // zoom 1, no offsets
      Recorder rec;
      draw(rec, pic, q);
      SCOPED_TRACE(testing::Message() << "robot " << r << " q=(" << q[0] << ", " << q[1] << ")");
      const auto dot = rec.of(DrawCall::Disc, &colour::red);
      ASSERT_EQ(dot.size(), 1u);
      const Vec2 hand = forward(w->pb.robot, q);
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

// A value that shows as zero shows no sign (0.000, never -0.000); one that does not keeps it.
TEST(Texts, ZeroShowsNoSign) {
  NumberText n;
  const auto text = [&n](auto format, auto... args) { return format(n, args...), std::string(n); };
  EXPECT_EQ(text(format_time, -0.0009), "0.000[s]\n");
  EXPECT_EQ(text(format_time, -0.0011), "-0.001[s]\n");
  EXPECT_EQ(text(format_gap, -0.0002, -0.004), "+0.000[s] (+0.00%)\n");
  EXPECT_EQ(text(format_value, -0.04, 1), "0.0");
  EXPECT_EQ(text(format_value, -0.06, 0), "0");
  ReadoutText a, b;
  format_readout(a, b, {-4e-5, 0.39996, -1e-9, Drive::Decel, SpeedLimit::None, 0.0005, -4.9e-5});
  EXPECT_STREQ(a, "t=0.0000 s  s=0.4000  sd=0.0000  step 0.5 ms");
  EXPECT_STREQ(b, "drive: max dec  below limit 0.0000");
  format_readout(a, b, {1.25, 2, -0.0123, Drive::Ceiling, SpeedLimit::Hand, 0.01, -0.0123});
  EXPECT_STREQ(a, "t=1.2500 s  s=2.0000  sd=-0.0123  step 10 ms");
  EXPECT_STREQ(b, "drive: along the hand speed limit  above limit 0.0123");
}

}  // namespace

}  // namespace cpt
