#include "model/rhs.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/paths.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

TEST(Rhs, ComponentZeroIsTheRateAndTouchesNothing) {
  auto w = default_world();
  AccRecord rec{7, {8, 9}};
  int ok = 5;
  const double y[2] = {0.3, 1.25};
  EXPECT_EQ(f(w->st, w->rhs, 1, 0, 0.1, y, rec, ok), 1.25);
  EXPECT_EQ(ok, 5);
  EXPECT_EQ(rec.sdd, 7);
}

// Robot 'a' on an arc of radius 0.7 about the base: D = ((0.49, 0), (0, -0.7)),
// D[1][0] is floored to +1e-5.
TEST(Rhs, CylindricalOnACentredArc) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.7, PI);
  AccRecord rec;
  int ok = 0;
  const double y1[2] = {0, 1};
  const double up = f(w->st, w->rhs, +1, 1, 0.0, y1, rec, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_NEAR(up, 2.0 / 0.49, 1e-12);
  EXPECT_NEAR(rec.sdd, 2.0 / 0.49, 1e-12);
  EXPECT_NEAR(rec.acc[0], 2.0, 1e-12);
  EXPECT_NEAR(rec.acc[1], 1e-5 * 2.0 / 0.49 - 0.7, 1e-12);
  EXPECT_NEAR(f(w->st, w->rhs, -1, 1, 0.0, y1, rec, ok), -2.0 / 0.49, 1e-12);

  // Above the velocity limit the joint-2 interval [80000, 480000] lies above
  // the joint-1 interval: both choices take 80000, joint 1 far over its limit.
  const double y2[2] = {0, 2};
  for (int sel : {+1, -1}) {
    EXPECT_NEAR(f(w->st, w->rhs, sel, 1, 0.0, y2, rec, ok), 80000, 1e-6);
    EXPECT_EQ(ok, 1);
    EXPECT_NEAR(rec.acc[1], -2.0, 1e-9);
    EXPECT_NEAR(rec.acc[0], 39200, 1e-6);
  }
}

// The s-dd coefficients are kept D_EPS away from zero: exactly 0 becomes +1e-5,
// -0.5e-5 becomes -1e-5, 2e-5 stays. Shown on a straight line whose direction
// makes D[1][0] (= dr/ds of robot 'a') take the chosen value at the start.
TEST(Rhs, CoefficientFlooring) {
  auto w = default_world(Robot::Cylindrical, PathType::Line);
  Settings& st = w->st;
  st.P0[PathType::Line] = {0.5, 0.0};
  for (double d10 : {0.0, -0.5e-5, 2e-5}) {
    const double beta = std::acos(d10);  // D[1][0] = cos(beta) at the start
    st.line_beta = beta;
    update_path_derived(st, PathType::Line);
    AccRecord rec;
    int ok;
    const double y[2] = {0, 0};
    f(st, w->rhs, 1, 1, 0.0, y, rec, ok);
    const double expected = d10 == 0 ? 1e-5 : (d10 < 0 ? -1e-5 : 2e-5);
    EXPECT_NEAR(w->rhs.D[1][0], expected, 1e-12) << d10;
  }
}

// t == 0.0 exactly takes the start joint values of the path as the branch
// reference; any other time the joint values of the last evaluation.
TEST(Rhs, BranchReferenceRule) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.7, PI);
  AccRecord rec;
  int ok;
  const double y[2] = {0.5, 0.2};
  w->rhs.fi_last = {2 * PI, 0.7};
  f(w->st, w->rhs, 1, 1, 0.0, y, rec, ok);
  EXPECT_NEAR(w->rhs.fi_last[0], 0.5, 1e-12);
  w->rhs.fi_last = {2 * PI, 0.7};
  f(w->st, w->rhs, 1, 1, 1e-9, y, rec, ok);
  EXPECT_NEAR(w->rhs.fi_last[0], 0.5 + 2 * PI, 1e-12);
}

TEST(Rhs, OutOfReachFailsAndLeavesTheRecord) {
  auto w = default_world(Robot::Scara, PathType::Line);
  w->st.P0[PathType::Line] = {1.2, 0};
  ConsoleCapture con;
  AccRecord rec{1, {2, 3}};
  int ok = 1;
  const double y[2] = {0, 0.5};
  EXPECT_EQ(f(w->st, w->rhs, 1, 1, 0.0, y, rec, ok), 1.0e10);
  EXPECT_EQ(ok, 0);
  EXPECT_EQ(rec.sdd, 1);
  EXPECT_EQ(rec.acc[1], 3);
  EXPECT_EQ(con.text(),
            "\n!!!逆運動学inv()の解なし．始めからやり直し．"
            "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)"
            "\ncalD() inv()解なし CP[]=( 1.2000  0.0000)"
            "\nf() calD()解なし s= 0.0000");
}

// Near a singular point both s-dd coefficients are small: f prints its trace
// and waits for one key, which must not block when the console has no input.
TEST(Rhs, NearSingularTracePrintsAndReturns) {
  // A small arc about the base: D[0][0] = R^2 = 0.0025, D[1][0] = 0.
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.05, PI);
  Settings& st = w->st;
  ConsoleCapture con;  // empty input: the key wait sees end of input
  AccRecord rec;
  int ok;
  const double y[2] = {0, 0.1};
  f(st, w->rhs, 1, 1, 0.5, y, rec, ok);
  EXPECT_EQ(ok, 1);
  const std::string out = con.text();
  EXPECT_EQ(out.rfind("\nf() a 1 1 t= 0.5000 y[]=( 0.0000  0.1000) fi[]=(", 0), 0u) << out;
  EXPECT_NE(out.find("\n    D[][]=( 0.0025  0.0000)    J[][]=("), std::string::npos) << out;
}

}  // namespace

}  // namespace cpt
