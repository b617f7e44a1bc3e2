// The OpenGL backend in a real 800 x 800 GLUT window (run under Xvfb): each
// test draws one frame into the back buffer and reads pixels back before any
// swap. Pixel (x, y) is counted from the top-left corner; the picture point
// (px, py) lies at x = 400 (px + 1), y = 400 (1 - py).
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "draw/primitives.h"
#include "draw/robot.h"
#include "draw/texts.h"
#include "draw/view.h"
#include "plots/time_graphs.h"
#include "support/world.h"

namespace {

using Rgb = std::array<int, 3>;
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};
constexpr int kSize = 800;

class Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static char name[] = "cpt_window_tests";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    glutInitWindowSize(kSize, kSize);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("cpt_window_tests");
    glutDisplayFunc([] {});
    glutMainLoopEvent();
  }

  // The frame start of the program: white, identity projection.
  void SetUp() override {
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  static Rgb pixel(int x, int y) {
    unsigned char px[3];
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, kSize - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
    return {px[0], px[1], px[2]};
  }

  // Whether a pixel within `r` of (x, y) has colour c (lines on pixel edges
  // may fall on either side).
  static bool near(int x, int y, const Rgb& c, int r = 1) {
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (pixel(x + dx, y + dy) == c) return true;
    return false;
  }
};

TEST_F(Window, ScaraOverTheGrid) {
  auto w = default_world('b');
  draw_picture_grid(w->pic);
  draw_scara_robot(w->pic, {0, 0}, colour::blue);
  // Bold grid centre lines through the base (200, 600), far from the robot.
  EXPECT_EQ(pixel(199, 100), kBlack);
  EXPECT_EQ(pixel(200, 100), kBlack);
  EXPECT_EQ(pixel(40, 599), kBlack);
  EXPECT_EQ(pixel(40, 600), kBlack);
  // Middle of a grid cell (lines every 40 pixels).
  EXPECT_EQ(pixel(220, 100), kWhite);
  // The white body of link 1 hides the grid line; its outline is blue.
  EXPECT_EQ(pixel(300, 600), kWhite);
  EXPECT_EQ(pixel(300, 599), kWhite);
  EXPECT_TRUE(near(300, 608, kBlue));
  EXPECT_TRUE(near(300, 592, kBlue));
  // Red tool-centre dot at the tip (0.5, -0.5) inside the white workpiece.
  EXPECT_EQ(pixel(600, 600), kRed);
  EXPECT_EQ(pixel(599, 599), kRed);
  EXPECT_EQ(pixel(590, 610), kWhite);
}

TEST_F(Window, CylindricalRobot) {
  auto w = default_world('a');
  draw_cylindrical_robot(w->pic, {0, 0.5}, colour::blue);
  EXPECT_EQ(pixel(400, 600), kRed);  // tip at (0, -0.5)
  EXPECT_EQ(pixel(200, 600), kBlue); // solid centre of the base joint
  // The bar ends at x = -0.12 (352); its outline lies 0.022 (9 px) off the axis.
  EXPECT_TRUE(near(300, 609, kBlue));
  EXPECT_EQ(pixel(300, 600), kWhite);
  EXPECT_EQ(pixel(100, 100), kWhite);
}

TEST_F(Window, GraphsAndTitle) {
  auto w = default_world('b');
  Motion& mo = w->mo;
  mo.NCHN = 1;
  mo.chn[1].t = 2.0;
  mo.nf = 2;
  mo.tt[1] = 1.0;
  mo.tt[2] = 2.0;
  // A shape first, as in every frame: the text is then lit nearly black.
  draw_picture_grid(w->pic);
  draw_title();
  fill_rect({0.35, -1.0}, 1.0, 2.0, 0, colour::white);
  plot_joint_displacement(w->pic, w->st, mo, 2);
  plot_joint_torque(w->pic, w->st, mo, 2);
  // Time axis of torque graph 1 at y = 0.1 (row 360), limit line at 0.35 (row 260).
  EXPECT_TRUE(near(600, 360, kRed));
  EXPECT_TRUE(near(600, 260, kRed));
  EXPECT_EQ(pixel(600, 300), kWhite);
  // All joint values 0: both curves flat in the middle of the displacement
  // graph, y = 0.7 (row 120), joint 2 in black over joint 1.
  EXPECT_TRUE(near(700, 120, kBlack));
  EXPECT_EQ(pixel(700, 140), kWhite);
  // The title: dark grey glyphs in its first letters.
  int dark = 0;
  for (int y = 4; y < 22; ++y)
    for (int x = 2; x < 200; ++x) {
      const Rgb p = pixel(x, y);
      dark += p[0] < 40 && p[0] == p[1] && p[1] == p[2];
    }
  EXPECT_GT(dark, 50);
}

}  // namespace
