// The OpenGL backend in a real 800 x 800 GLUT window (run under Xvfb): each
// test draws one frame into the back buffer and reads it back before any
// swap. Pixel (x, y) counts from the top-left: picture point (px, py) is at
// x = 400 (px + 1), y = 400 (1 - py).
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>

#include "draw/primitives.h"
#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "plots/time_graphs.h"
#include "support/world.h"

namespace {

using Rgb = std::array<int, 3>;
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

class Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static char name[] = "cpt_window_tests";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    glutInitWindowSize(800, 800);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(name);
    glutDisplayFunc([] {});
    glutMainLoopEvent();
  }
  // A new frame as the program starts it: white, identity projection.
  void SetUp() override {
    glViewport(0, 0, 800, 800);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
  static Rgb pixel(int x, int y) {
    unsigned char px[3];
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 799 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
    return {px[0], px[1], px[2]};
  }
  // Colour c within one pixel of (x, y): lines on pixel edges fall either side.
  static bool near(int x, int y, const Rgb& c) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (pixel(x + dx, y + dy) == c) return true;
    return false;
  }
};

TEST_F(Window, RobotsOverTheGrid) {
  auto w = default_world('b');
  draw_picture_grid(w->pic);
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  // Bold centre lines through the base (200, 600), a white cell middle.
  EXPECT_EQ(pixel(199, 100), kBlack);
  EXPECT_EQ(pixel(200, 100), kBlack);
  EXPECT_EQ(pixel(40, 600), kBlack);
  EXPECT_EQ(pixel(220, 100), kWhite);
  // Link 1's white body hides the grid line; its outline is blue.
  EXPECT_EQ(pixel(300, 600), kWhite);
  EXPECT_TRUE(near(300, 608, kBlue));
  // The red tip dot at (0.5, -0.5) inside the white workpiece.
  EXPECT_EQ(pixel(600, 600), kRed);
  EXPECT_EQ(pixel(590, 610), kWhite);

  SetUp();
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::blue);
  EXPECT_EQ(pixel(400, 600), kRed);   // tip at (0, -0.5)
  EXPECT_EQ(pixel(200, 600), kBlue);  // solid centre of the base joint
  EXPECT_TRUE(near(300, 609, kBlue)); // bar outline 0.022 below its axis
  EXPECT_EQ(pixel(300, 600), kWhite);
}

TEST_F(Window, GraphsAndTitle) {
  auto w = default_world('b');
  w->mo.NCHN = 1;
  w->mo.chn[1].t = 2.0;
  w->mo.nf = 2;
  w->mo.tt[1] = 1.0;
  w->mo.tt[2] = 2.0;
  // A shape first, as in every frame after the first: the text is lit nearly black.
  fill_rect({0.35, -1.0}, 1.0, 2.0, 0, colour::white);
  draw_title();
  plot_joint_displacement(w->pic, w->st, w->mo, 2);
  plot_joint_torque(w->pic, w->st, w->mo, 2);
  // Torque graph 1: time axis at y = 0.1 (row 360), limit line at 0.35 (row 260).
  EXPECT_TRUE(near(600, 360, kRed));
  EXPECT_TRUE(near(600, 260, kRed));
  EXPECT_EQ(pixel(600, 300), kWhite);
  // All joint values 0: flat curves in the middle of the displacement graph (row 120).
  EXPECT_TRUE(near(700, 120, kBlack));
  EXPECT_EQ(pixel(700, 140), kWhite);
  // Dark grey glyphs of the title.
  int dark = 0;
  for (int y = 4; y < 22; ++y)
    for (int x = 2; x < 200; ++x) {
      const Rgb p = pixel(x, y);
      dark += p[0] < 40 && p[0] == p[1] && p[1] == p[2];
    }
  EXPECT_GT(dark, 50);
}

}  // namespace
