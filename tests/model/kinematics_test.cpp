#include "model/kinematics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/coeffs.h"
#include "model/paths.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

TEST(Inv, CylindricalEdgeCases) {
  auto w = default_world(Robot::Cylindrical);
  Vec2 out{9, 9};
  EXPECT_EQ(inv(w->st, 0, 0, {0, 0}, out), 1);
  EXPECT_EQ(out, (Vec2{0, 0}));
  // atan2 gives the true pi; the candidate minus 2 PI is nearer to 0 by ~6e-15.
  EXPECT_EQ(inv(w->st, -1, 0, {0, 0}, out), 1);
  EXPECT_EQ(out[0], 3.141592653589793 - 2 * PI);
  EXPECT_LT(out[0], 0);
  EXPECT_EQ(out[1], 1);
  // Past PI the angle goes on instead of jumping to -PI.
  EXPECT_EQ(inv(w->st, -1, -0.0001, {3.1, 1.0}, out), 1);
  EXPECT_NEAR(out[0], std::atan2(-0.0001, -1) + 2 * PI, 1e-12);
  EXPECT_GT(out[0], PI);
}

TEST(Inv, ScaraEdgeCases) {
  auto w = default_world(Robot::Scara);
  Vec2 out{9, 9};
  EXPECT_EQ(inv(w->st, 1.0, 0, {0, 0}, out), 1);  // stretched, c = -1 accepted
  EXPECT_EQ(out[0], 0);
  EXPECT_NEAR(out[1], PI - 3.141592653589793, 1e-17);
  EXPECT_EQ(inv(w->st, 0.5, 0.5, {0, 0}, out), 1);
  EXPECT_NEAR(out[0], 0, 1e-12);
  EXPECT_NEAR(out[1], 1.5707963, 1e-7);
  EXPECT_EQ(inv(w->st, 1.0, 0, {6.0, 0}, out), 1);
  EXPECT_EQ(out[0], 2 * PI);
}

TEST(Inv, ScaraOutOfReachPrintsAndLeavesOutputAlone) {
  auto w = default_world(Robot::Scara);
  ConsoleCapture con;
  Vec2 out{9, 8};
  EXPECT_EQ(inv(w->st, 1.0001, 0, {0, 0}, out), 0);
  EXPECT_EQ(out, (Vec2{9, 8}));
  EXPECT_EQ(con.text(),
            "\n!!!逆運動学inv()の解なし．始めからやり直し．"
            "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.000  0.000)");
}

// At the base (l1 = l2) every shoulder angle reaches the point: the result is
// finite, keeps the reference shoulder angle and folds the elbow, and calD
// there gets finite numbers.
TEST(Inv, ScaraAtTheBaseIsFinite) {
  auto w = default_world(Robot::Scara);
  Vec2 out{9, 9};
  ASSERT_EQ(inv(w->st, 0, 0, {0.3, 1.0}, out), 1);
  EXPECT_TRUE(std::isfinite(out[0]) && std::isfinite(out[1]));
  EXPECT_DOUBLE_EQ(out[0], 0.3);
  EXPECT_NEAR(std::fabs(out[1]), PI, 1e-12);
  const Vec2 p = forward(w->st, out);
  EXPECT_NEAR(p[0], 0, 1e-12);
  EXPECT_NEAR(p[1], 0, 1e-12);

  // A straight line through the base: D stays finite at every sample.
  Settings& st = w->st;
  st.cptype = PathType::Line;
  st.P0[PathType::Line] = {-0.4, 0};
  st.line_l = 0.8;
  update_path_derived(st, PathType::Line);
  Vec2 ref{PI, 0}, fi;
  Mat2 J, D;
  for (int i = 0; i <= 80; ++i) {
    ASSERT_EQ(calD(st, i * 0.01, ref, fi, J, D), 1);
    for (auto& row : D)
      for (double v : row) EXPECT_TRUE(std::isfinite(v)) << "s=" << i * 0.01;
    ref = fi;
  }
}

// Forward kinematics of the result returns the point, for both robots.
TEST(Inv, RoundTripThroughForwardKinematics) {
  std::mt19937 rng(12345);
  std::uniform_real_distribution<double> u(-1.2, 1.2);
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    w->st.l1 = 0.6;
    w->st.l2 = 0.45;
    int solved = 0;
    for (int i = 0; i < 2000; ++i) {
      const double x = u(rng), y = u(rng);
      Vec2 q{0, 0};
      if (!inv(w->st, x, y, {u(rng), u(rng)}, q)) {
        const double d = std::hypot(x, y);
        EXPECT_TRUE(d > 1.05 || d < 0.15) << r << " " << x << " " << y;
        continue;
      }
      ++solved;
      const Vec2 p = forward(w->st, q);
      EXPECT_NEAR(p[0], x, 1e-9) << r;
      EXPECT_NEAR(p[1], y, 1e-9) << r;
    }
    EXPECT_GT(solved, 1000) << r;
  }
}

// Along every default path the joint values of consecutive points, each
// taken nearest to the one before, change only a little (no 2 PI jumps).
TEST(Inv, JointValuesAreContinuousAlongEveryPath) {
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    Settings& st = w->st;
    for (const PathType c : kPathTypes) {
      st.cptype = c;
      Vec2 prev = st.fi0();
      const int n = 2000;
      for (int i = 1; i <= n; ++i) {
        Vec2 p, q;
        cpcurve(st, st.sf[c] * i / n, p);
        ASSERT_EQ(inv(st, p[0], p[1], prev, q), 1);
        EXPECT_LT(std::fabs(q[0] - prev[0]), 0.1) << r << c << " i=" << i;
        EXPECT_LT(std::fabs(q[1] - prev[1]), 0.1) << r << c << " i=" << i;
        prev = q;
      }
    }
  }
}

TEST(Selbranch, EqualDistancesKeepTheEarlierCandidate) {
  Vec2 out;
  selbranch({0, 0}, {PI, -PI}, out);  // c and c - 2 PI equally far: c stays
  EXPECT_EQ(out[0], PI);
  EXPECT_EQ(out[1], -PI);
  selbranch({20, -20}, {0.5, 0.5}, out);  // offsets stop at 4 PI
  EXPECT_EQ(out[0], 0.5 + 4 * PI);
  EXPECT_EQ(out[1], 0.5 - 4 * PI);
}

}  // namespace

}  // namespace cpt
