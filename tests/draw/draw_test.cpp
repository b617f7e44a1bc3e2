// Robot picture, view and texts. Expected values worked out by hand from the
// defaults: base (-0.5, -0.5), link 1 0.5, link 2 0.38, hand 0.12, palm 0.03,
// workpiece 0.1 x 0.12, bar 0.88, block 0.2, joint radius 0.06, grid cell 0.1.
#include <gtest/gtest.h>

#include <string>

#include "draw/primitives.h"
#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "support/recorder.h"
#include "support/world.h"

namespace cpt {

namespace {

constexpr double kHalfPi = 1.5707963267948966;

// Catches a grid off the base or with unzoomed cells after 'w', 'x' and 'Y'.
TEST(View, GridAfterZoomAndOffsets) {
  auto w = default_world();
  w->pic.zoom = 0.9;
  w->pic.view_x = -0.05;
  w->pic.view_y = 0.05;
  Recorder rec;
  draw_picture_grid(w->pic);
  EXPECT_AT(rec.calls.at(0).p, -0.5, -0.4);
  EXPECT_AT(rec.calls[0].q, 0.09, 0.09);
  EXPECT_EQ(rec.calls[0].size, 40);
}

// Expected: red tip dot, last joint mark (SCARA elbow, cylindrical base), end of the left finger, and the centre
// lines of the bodies (SCARA link 1, palm, workpiece, link 2; cylindrical bar, block, palm, workpiece).
struct Pose { const char* name; Robot robot; Vec2 q; double zoom; Vec2 tip, joint, finger; double bodies[4][4]; };

const Pose kPoses[] = {
    {"scara_stretched", Robot::Scara, {0, 0}, 1, {0.5, -0.5}, {0, -0.5}, {0.5035, -0.433},
     {{-0.505, -0.5, 0.005, -0.5}, {0.38, -0.5, 0.41, -0.5}, {0.45, -0.5, 0.55, -0.5}, {-0.005, -0.5, 0.38, -0.5}}},
    {"scara_elbow_up", Robot::Scara, {kHalfPi, -kHalfPi}, 1, {0, 0}, {-0.5, 0}, {0.0035, 0.067},
     {{-0.5, -0.505, -0.5, 0.005}, {-0.12, 0, -0.09, 0}, {-0.05, 0, 0.05, 0}, {-0.505, 0, -0.12, 0}}},
    {"scara_zoom_half", Robot::Scara, {0, 0}, 0.5, {0.25, -0.25}, {0, -0.25}, {0.25175, -0.2165},
     {{-0.2525, -0.25, 0.0025, -0.25}, {0.19, -0.25, 0.205, -0.25}, {0.225, -0.25, 0.275, -0.25},
      {-0.0025, -0.25, 0.19, -0.25}}},
    {"cylindrical_along_x", Robot::Cylindrical, {0, 0.5}, 1, {0, -0.5}, {-0.5, -0.5}, {0.0035, -0.433},
     {{-1.0, -0.5, -0.12, -0.5}, {-0.6, -0.5, -0.4, -0.5}, {-0.12, -0.5, -0.09, -0.5}, {-0.05, -0.5, 0.05, -0.5}}},
    {"cylindrical_up_zoom_half", Robot::Cylindrical, {kHalfPi, 0.8}, 0.5, {-0.25, 0.15}, {-0.25, -0.25}, {-0.2835, 0.15175},
     {{-0.25, -0.35, -0.25, 0.09}, {-0.25, -0.3, -0.25, -0.2}, {-0.25, 0.09, -0.25, 0.105},
      {-0.25, 0.125, -0.25, 0.175}}},
};

class Robots : public ::testing::TestWithParam<Pose> {};

// Catches misplaced links, bar, block, hand or fingers, a missed zoom, bodies
// not white or not outlined, and a tip dot or joint of the wrong place or size.
TEST_P(Robots, BodiesJointsAndTip) {
  const Pose& c = GetParam();
  auto w = default_world(c.robot);
  w->pic.zoom = c.zoom;
  Recorder rec;
  (c.robot == Robot::Cylindrical ? draw_cylindrical_robot : draw_scara_robot)(w->pic, c.q, colour::blue);
  const auto rects = rec.of(DrawCall::FillRect, &colour::white), frames = rec.of(DrawCall::FrameRect, &colour::blue);
  ASSERT_EQ(rects.size(), 4u);
  ASSERT_EQ(frames.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_AT(rects[k].p, c.bodies[k][0], c.bodies[k][1]);
    EXPECT_AT(rects[k].q, c.bodies[k][2], c.bodies[k][3]);
    EXPECT_EQ(frames[k].p, rects[k].p);
  }
  const auto fingers = rec.of(DrawCall::ThickLine, &colour::blue);  // bar across the palm front, two fingers
  ASSERT_EQ(fingers.size(), 3u);
  EXPECT_AT(fingers[2].q, c.finger[0], c.finger[1]);
  const auto dot = rec.of(DrawCall::Disc, &colour::red), joints = rec.of(DrawCall::Disc, &colour::blue);
  ASSERT_EQ(dot.size(), 1u);
  EXPECT_AT(dot[0].p, c.tip[0], c.tip[1]);
  EXPECT_NEAR(dot[0].size, 0.005 * c.zoom, 1e-12);
  EXPECT_NEAR(joints[0].size, 0.06 * c.zoom, 1e-12);
  EXPECT_NEAR(joints[1].size, 0.042 * c.zoom, 1e-12);  // inner mark: 0.7 of the joint radius
  EXPECT_AT(joints.back().p, c.joint[0], c.joint[1]);
}

INSTANTIATE_TEST_SUITE_P(Poses, Robots, ::testing::ValuesIn(kPoses),
                         [](const auto& i) { return std::string(i.param.name); });

// Catches wrong texts, places or fonts of the title, panel and message; and
// values rounded instead of cut, or digits lost or shown through the table's 's'.
TEST(InfoPanel, TextsPlacesAndDigits) {
  auto w = default_world(Robot::Scara);
  w->st.a1max = 12.5;
  w->st.a2max = 6.75;
  w->mo.tf = 0.4567;
  w->mo.Tn = 3.0;
  Recorder rec;
  draw_title();
  draw_info_panel(w->st, w->mo);
  draw_message("Trajectory obtained!");
  const std::pair<const char*, Vec2> expect[] = {
      {"CP Time optimal control : Phase Plane Analysis", {-0.99, 0.95}}, {"(b) SCARA robot", {-0.95, 0.9}},
      {"ACCmax(x,y)=", {-0.9, 0.85}}, {"(12.5, 6.7)[m/s^2]\n", {-0.6, 0.85}}, {"Goal time=", {-0.9, 0.8}},
      {"0.456[s]\n", {-0.65, 0.8}}, {"Normal CP time=", {-0.4, 0.8}}, {"3.000[s]\n", {-0.05, 0.8}},
      {"1 grid=(0.1[m], 0.1[m])", {-0.9, 0.75}}, {"Trajectory obtained!", {-0.5, 0.1}}};
  ASSERT_EQ(rec.calls.size(), 10u);
  for (size_t k = 0; k < 10; ++k) {
    EXPECT_EQ(rec.calls[k].text, expect[k].first);
    EXPECT_AT(rec.calls[k].p, float(expect[k].second[0]), float(expect[k].second[1]));
    EXPECT_EQ(rec.calls[k].font, k < 9 ? Font::HELVETICA_18 : Font::TIMES_ROMAN_24) << k;
  }
  // Digits taken one by one from the double give "0.28" and digit ten (the table's
  // 's') for 0.29 and 0.57, and a thousandth short for 1.001 and 2.006.
  const std::pair<double, const char*> times[] = {{0.29, "0.290"}, {0.57, "0.570"}, {1.001, "1.001"},
      {2.006, "2.006"}, {9.999, "9.999"}, {10.0, "10.000"}, {19.999, "19.999"}, {-0.25, "-0.250"}};
  for (const auto& [v, s] : times) {
    w->mo.Tn = v;
    Recorder r;
    draw_info_panel(w->st, w->mo);
    EXPECT_EQ(r.calls[6].text, std::string(s) + "[s]\n");
  }
  w->st.robottype = Robot::Cylindrical;
  w->mo.tf = 0;
  Recorder a;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(a.calls[0].text, "(a) Cylindrical coordinate robot");
  EXPECT_EQ(a.calls[4].text, "0.000[s]\n");
}

}  // namespace

}  // namespace cpt
