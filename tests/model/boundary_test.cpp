#include "model/boundary.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

// On an arc of radius R about the base robot 'a' has D = ((R^2, 0), (0, -R)):
// the boundary is the speed at which the centripetal force per mass R sd^2
// reaches a2max, constant along the arc: sd = sqrt(a2max / R).
TEST(Boundary, CentredArcIsConstant) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.7, PI);
  ASSERT_EQ(calboundary(w->st, w->cv), 1);
  EXPECT_EQ(w->cv.nbnd, 400);
  for (int i = 0; i <= w->cv.nbnd; ++i) {
    EXPECT_NEAR(w->cv.bnd[i][0], i * PI / 400, 1e-15);
    EXPECT_NEAR(w->cv.bnd[i][1], std::sqrt(0.98 / 0.343), 1e-9);
    EXPECT_NEAR(w->cv.bnd[i][1], std::sqrt(2.0 / 0.7), 1e-9);
  }
}

TEST(Boundary, EveryDefaultPathHas401Points) {
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    for (const PathType c : kPathTypes) {
      w->st.cptype = c;
      ASSERT_EQ(calboundary(w->st, w->cv), 1) << r << c;
      EXPECT_GE(w->cv.nbnd, 400) << r << c;
      EXPECT_LE(w->cv.nbnd, 401) << r << c;
      EXPECT_GE(w->cv.bnd[w->cv.nbnd][0], w->st.sf[c]);
      for (int i = 0; i <= w->cv.nbnd; ++i) {
        EXPECT_TRUE(std::isfinite(w->cv.bnd[i][1]) && w->cv.bnd[i][1] >= 0) << r << c << i;
      }
    }
  }
}

TEST(Boundary, UnreachablePointFailsAndKeepsTheCount) {
  auto w = default_world(Robot::Scara, PathType::Line);
  w->cv.nbnd = 123;
  w->st.line_l = 2.0;  // from (-0.4, 0.1) out to x = 1.6: beyond l1 + l2
  w->st.sf[PathType::Line] = 2.0;
  ConsoleCapture con;
  EXPECT_EQ(calboundary(w->st, w->cv), 0);
  EXPECT_EQ(w->cv.nbnd, 123);
  const std::string out = con.text();
  EXPECT_NE(out.find("\ncalboundary() 逆運動学解なし robot=b 軌道=7 s="), std::string::npos) << out;
}

}  // namespace

}  // namespace cpt
