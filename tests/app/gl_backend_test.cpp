// The OpenGL backend in a real 800 x 800 GLUT window (run under Xvfb), read
// back from the back buffer. Picture point (px, py) is pixel x = 400 (px + 1),
// y = 400 (1 - py) from the top-left, so the robot base (-0.5, -0.5) is (200, 600).
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/gl_backend.h"

#include <array>

#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "support/world.h"

namespace cpt {

namespace {

using Rgb = std::array<int, 3>;
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

Rgb pixel(int x, int y) {
  unsigned char px[3];
  glReadPixels(x, 799 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
  return {px[0], px[1], px[2]};
}

// SCARA at q = (pi/2, -pi/2): link 1 straight up from the base to the elbow
// at (-0.5, 0) = pixel (200, 400), link 2 and the hand along x to the tip at
// (0, 0) = pixel (400, 400). Catches a grid not through the base, bodies not
// turned, not filled white or not outlined, a misplaced tip dot, and text
// not lit nearly black when drawn after a shape.
TEST(Window, RobotGridAndTitle) {
  int argc = 1;
  char name[] = "cpt_window_tests", *argv[] = {name, nullptr};
  glutInitWindowSize(800, 800);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  glutCreateWindow(name);
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  set_backend(&gl_backend());
  auto w = default_world(Robot::Scara);
  draw_picture_grid(w->pic);
  draw_scara_robot(w->pic, {PI / 2, -PI / 2}, colour::blue);
  draw_title();
  EXPECT_EQ(pixel(199, 100), kBlack);  // bold (2-pixel) vertical centre line above the robot
  EXPECT_EQ(pixel(200, 100), kBlack);
  EXPECT_EQ(pixel(40, 600), kBlack);   // horizontal centre line
  EXPECT_EQ(pixel(200, 500), kWhite);  // link 1 hides the vertical centre line ...
  // ... and is outlined on both sides, 0.04 (16 pixels) wide; an edge on a
  // pixel border may light either pixel.
  const auto blue_near = [](int x) { return pixel(x - 1, 500) == kBlue || pixel(x, 500) == kBlue; };
  EXPECT_TRUE(blue_near(192)) << "left outline";
  EXPECT_TRUE(blue_near(208)) << "right outline";
  EXPECT_EQ(pixel(400, 400), kRed);    // tip dot in the white workpiece
  EXPECT_EQ(pixel(700, 300), kWhite);  // background inside a grid cell
  int dark = 0;  // dark grey title glyphs, not the black grid
  for (int y = 2; y < 19; ++y)
    for (int x = 2; x < 179; ++x) dark += pixel(x, y)[0] > 0 && pixel(x, y)[0] < 40;
  EXPECT_GT(dark, 50);
}

}  // namespace

}  // namespace cpt
