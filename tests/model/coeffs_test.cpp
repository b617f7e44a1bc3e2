#include "model/coeffs.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"
#include "model/paths.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

TEST(CalD, ScaraOnAStraightLineThroughTheElbowPoint) {
  auto w = default_world(Robot::Scara, PathType::Line);
  Settings& st = w->st;
  st.P0[PathType::Line] = {0.0, 0.5};  // the line passes (0.5, 0.5) at s = 0.5
  Vec2 fi;
  Mat2 J, D;
  ASSERT_EQ(calD(st, 0.5, {0, 1.5}, fi, J, D), 1);
  EXPECT_NEAR(fi[0], 0, 1e-12);
  EXPECT_NEAR(fi[1], PI / 2, 1e-9);
  EXPECT_NEAR(J[0][0], -0.5, 1e-9);
  EXPECT_NEAR(J[0][1], -0.5, 1e-9);
  EXPECT_NEAR(J[1][0], 0.5, 1e-9);
  EXPECT_NEAR(J[1][1], 0.0, 1e-9);
  EXPECT_NEAR(D[0][0], -0.5, 1e-9);
  EXPECT_NEAR(D[1][0], -0.5, 1e-9);
}

TEST(CalD, CylindricalOnACentredArc) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.7, PI);
  Vec2 fi;
  Mat2 J, D;
  ASSERT_EQ(calD(w->st, 0, {0, 0}, fi, J, D), 1);
  EXPECT_NEAR(J[0][0], 0, 1e-12);
  EXPECT_NEAR(J[0][1], 1, 1e-12);
  EXPECT_NEAR(J[1][0], 0.7, 1e-12);
  EXPECT_NEAR(J[1][1], 0, 1e-12);
  EXPECT_NEAR(D[0][0], 0.49, 1e-12);
  EXPECT_NEAR(D[0][1], 0, 1e-12);
  EXPECT_NEAR(D[1][0], 0, 1e-12);
  EXPECT_NEAR(D[1][1], -0.7, 1e-12);

  calDmax(w->st, w->cv);
  EXPECT_NEAR(Dmax00_of(w->cv, w->st), 0.49, 1e-12);
  EXPECT_NEAR(Dmax10_of(w->cv, w->st), 0, 1e-12);

  // s is an angle: the record carries the tangential acceleration 2 * 0.7.
  AccRecord rec;
  Vec2 q = w->st.fi0();
  jointacc(w->st, 0.3, 1, 2, q, rec);
  EXPECT_NEAR(rec.sdd, 1.4, 1e-12);
  EXPECT_NEAR(rec.acc[0], 0.98, 1e-12);
  EXPECT_NEAR(rec.acc[1], -0.7, 1e-12);
  EXPECT_NEAR(q[0], 0.3, 1e-12);
}

// D equals J^T p' and J^T p'' with J and p', p'' taken independently by finite
// differences of the forward kinematics and of the path.
TEST(CalD, MatchesFiniteDifferencesOfForwardKinematics) {
  const double h = 1e-6;
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    Settings& st = w->st;
    for (const PathType c : kPathTypes) {
      st.cptype = c;
      Vec2 ref = st.fi0();
      for (int i = 1; i < 50; ++i) {
        const double s = st.sf[c] * (i + 0.37) / 50;
        Vec2 fi;
        Mat2 J, D;
        ASSERT_EQ(calD(st, s, ref, fi, J, D), 1);
        ref = fi;
        Mat2 Jn;
        for (int j = 0; j < 2; ++j) {
          Vec2 qp = fi, qm = fi;
          qp[j] += h;
          qm[j] -= h;
          const Vec2 pp = forward(st, qp), pm = forward(st, qm);
          Jn[0][j] = (pp[0] - pm[0]) / (2 * h);
          Jn[1][j] = (pp[1] - pm[1]) / (2 * h);
        }
        const double hs = 1e-4;
        Vec2 a, b, m;
        cpcurve(st, s - hs, a);
        cpcurve(st, s, m);
        cpcurve(st, s + hs, b);
        const double xd = (b[0] - a[0]) / (2 * hs), yd = (b[1] - a[1]) / (2 * hs);
        const double xdd = (b[0] - 2 * m[0] + a[0]) / (hs * hs);
        const double ydd = (b[1] - 2 * m[1] + a[1]) / (hs * hs);
        for (int j = 0; j < 2; ++j) {
          EXPECT_NEAR(D[j][0], Jn[0][j] * xd + Jn[1][j] * yd, 1e-5) << r << c << " s=" << s;
          EXPECT_NEAR(D[j][1], Jn[0][j] * xdd + Jn[1][j] * ydd, 1e-3) << r << c << " s=" << s;
        }
      }
    }
  }
}

TEST(CalD, OutOfReachPrintsThreeLinesAndWritesNothing) {
  auto w = default_world(Robot::Scara, PathType::Line);
  w->st.P0[PathType::Line] = {1.2, 0};
  ConsoleCapture con;
  Vec2 fi{1, 2};
  Mat2 J{{{3, 3}, {3, 3}}}, D{{{4, 4}, {4, 4}}};
  EXPECT_EQ(calD(w->st, 0, {0, 0}, fi, J, D), 0);
  EXPECT_EQ(fi, (Vec2{1, 2}));
  EXPECT_EQ(J[0][0], 3);
  EXPECT_EQ(D[1][1], 4);
  EXPECT_EQ(con.text(),
            "\n!!!逆運動学inv()の解なし．始めからやり直し．"
            "\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)"
            "\ncalD() inv()解なし CP[]=( 1.2000  0.0000)");
}

}  // namespace

}  // namespace cpt
