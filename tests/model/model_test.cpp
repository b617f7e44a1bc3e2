// The model against hand-worked values, finite differences and the joint limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "model/boundary.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {
namespace {

Vec2 at(const Model& md, double s) { Vec2 p{NAN, NAN}; return cpcurve(md, s, p), p; }

// Points of the default paths, worked out by hand from each path's geometry.
TEST(Paths, HandWorkedPointsOfEveryType) {
  struct Case { const char* geometry; PathType type; double s, x, y; };
  const Case cases[] = {
      {"arc about (0.2, 0.2), radius 0.5: the far side at angle pi", PathType::Arc, PI, -0.3, 0.2},
      {"sine from (-0.4, 0.2), amplitude 0.5, wavelength 1: crest at 1/4", PathType::Sine, 0.25, -0.15, 0.7},
      {"U from (0.2, 0): up 0.4, then the top of the radius-0.2 turn", PathType::UShape, 0.4 + 0.1 * PI, 0.4, 0.6},
      {"slalom from (-0.4, 0.2), radius 0.1: top of half circle 1", PathType::Slalom, PI / 2, -0.3, 0.3},
      {"slalom before s = 0: its start", PathType::Slalom, -0.5, -0.4, 0.2},
      {"parabolic cam from (-0.2, 0.1), length and rise 0.5: half way", PathType::AccCam, 0.25, 0.05, 0.35},
      {"cycloid cam from (0, 0.2), length and rise 0.5: half way", PathType::CycloidCam, 0.25, 0.25, 0.45},
      {"line from (-0.4, 0.1) along x, length 0.8: its end", PathType::Line, 0.8, 0.4, 0.1},
  };
  auto w = default_world();
  for (const Case& c : cases) {
    w->pb.cptype = c.type, rebuild_model(*w);
    EXPECT_NEAR(at(w->m, c.s)[0], c.x, 1e-12) << c.geometry; EXPECT_NEAR(at(w->m, c.s)[1], c.y, 1e-12) << c.geometry;
  }
}

// Every path starts at its start point with no jump (slalom of 30 half circles: its far pieces too).
TEST(Paths, StartAndNoJumpOnEveryPath) {
  auto w = default_world();
  w->pb.slalom.N = 30;
  for (const PathType c : kPathTypes) {
    w->pb.cptype = c, rebuild_model(*w);
    Vec2 prev = w->m.P0;
    for (int i = 0; i <= 4000; ++i) {
      const Vec2 p = at(w->m, w->m.sf * i / 4000);
      EXPECT_LT(std::hypot(p[0] - prev[0], p[1] - prev[1]), 0.01) << "type " << c << " i=" << i;
      prev = p;
    }
  }
}

// Joint values worked out by hand (SCARA arms 0.5 and 0.5; the cylindrical robot's branches: the sweep below).
TEST(Kinematics, HandWorkedInverses) {
  struct Case { const char* geometry; Robot robot; Vec2 p, ref, q; };
  const Case cases[] = {
      {"SCARA at (0.5, 0.5): link 1 along x, elbow bent counter-clockwise by a right angle",
       Robot::Scara, {0.5, 0.5}, {0, 0}, {0, PI / 2}},
      {"SCARA stretched along x (rounding at the rim accepted)", Robot::Scara, {1, 0}, {0, 0}, {0, 0}},
      {"SCARA at the base: the reference shoulder angle, elbow folded", Robot::Scara, {0, 0}, {0.3, 1}, {0.3, PI}},
  };
  for (const Case& c : cases) {
    auto w = default_world(c.robot);
    Vec2 q{NAN, NAN};
    ASSERT_EQ(inv(w->con, w->pb.robot, c.p[0], c.p[1], c.ref, q), 1) << c.geometry;
    EXPECT_NEAR(q[0], c.q[0], 1e-9) << c.geometry; EXPECT_NEAR(q[1], c.q[1], 1e-9) << c.geometry;
  }
}

// Seeded sweep: inv of forward gives back the joints (SCARA elbow counter-clockwise) on the 2 pi branch
// nearest the reference.
TEST(Kinematics, InverseOfForwardOnTheNearestBranch) {
  std::mt19937 rng(12345);
  std::uniform_real_distribution<double> u(-1, 1);
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    w->pb.robot.l1 = 0.6, w->pb.robot.l2 = 0.45;
    const bool scara = r == Robot::Scara;
    for (int i = 0; i < 2000; ++i) {
      const double turn = 2 * PI * (i % 3 - 1);
      const Vec2 q0{PI * u(rng), scara ? 1.55 + 1.5 * u(rng) : 0.65 + 0.6 * u(rng)};
      const Vec2 want{q0[0] + turn, scara ? q0[1] + turn : q0[1]}, p = forward(w->pb.robot, q0);
      Vec2 q{NAN, NAN};
      ASSERT_EQ(inv(w->con, w->pb.robot, p[0], p[1], {want[0] + 2.5 * u(rng), want[1] + 2.5 * u(rng)}, q), 1);
      SCOPED_TRACE(testing::Message() << r << " q0=" << q0[0] << "," << q0[1]);
      EXPECT_NEAR(q[0], want[0], 1e-9); EXPECT_NEAR(q[1], want[1], 1e-9);
    }
  }
}

// Along every path, both robots: D equals J^T p' and J^T p'' with J, p', p'' by finite differences
// of the forward kinematics and of the path; the joint values, each nearest the one before, never jump.
TEST(Kinematics, CoefficientsMatchFiniteDifferencesAlongEveryPath) {
  const double h = 1e-6, hs = 1e-4;
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    for (const PathType c : kPathTypes) {
      w->pb.cptype = c, rebuild_model(*w);
      const Model& md = w->m;
      Vec2 fi = md.fi0, prev = fi, a, b, m;
      for (int i = 1; i < 200; ++i) {
        SCOPED_TRACE(testing::Message() << r << c << " i=" << i);
        const double s = md.sf * (i + 0.37) / 200;
        Mat2 J;
        JointCoeffs D;
        ASSERT_EQ(calD(w->con, md, s, fi, fi, J, D), 1);
        EXPECT_LT(std::fabs(fi[0] - prev[0]) + std::fabs(fi[1] - prev[1]), 0.3);
        prev = fi;
        a = at(md, s - hs), m = at(md, s), b = at(md, s + hs);
        const Vec2 pd{(b[0] - a[0]) / (2 * hs), (b[1] - a[1]) / (2 * hs)};
        const Vec2 pdd{(b[0] - 2 * m[0] + a[0]) / (hs * hs), (b[1] - 2 * m[1] + a[1]) / (hs * hs)};
        for (int j = 0; j < 2; ++j) {
          Vec2 qp = fi, qm = fi;  qp[j] += h, qm[j] -= h;
          const Vec2 pp = forward(md.pb.robot, qp), pm = forward(md.pb.robot, qm);
          const Vec2 Jcol{(pp[0] - pm[0]) / (2 * h), (pp[1] - pm[1]) / (2 * h)};  // column j of J
          EXPECT_NEAR(D[j][0], Jcol[0] * pd[0] + Jcol[1] * pd[1], 1e-5);
          EXPECT_NEAR(D[j][1], Jcol[0] * pdd[0] + Jcol[1] * pdd[1], 1e-3);
        }
      }
    }
  }
}

// Cylindrical robot, radius-0.7 arc about the base, limits 2: D = ((0.49, 0), (0, -0.7)); speed limit where
// 0.7 sd^2 = 2; at sd = 2 both choices take 1e-5 sdd >= 0.7 * 4 - 2 (D[1][0] kept 1e-5 off zero), 80000.
// At t == 0.0 exactly f takes the start joints as the branch reference, otherwise its previous ones.
TEST(Rhs, CylindricalOnACentredArc) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.7, PI);
  Vec2 fi = w->m.fi0;
  AccRecord rec;
  jointacc(w->con, w->m, 0.3, 1, 2, fi, rec);
  EXPECT_NEAR(rec.sdd, 1.4, 1e-12); EXPECT_NEAR(rec.acc[0], 0.98, 1e-12); EXPECT_NEAR(rec.acc[1], -0.7, 1e-12);
  ASSERT_EQ(calboundary(w->con, w->m, w->cv), 1);
  ASSERT_EQ(w->cv.nbnd, 400);
  for (int i = 0; i <= 400; ++i) { EXPECT_NEAR(w->cv.bnd[i][0], i * PI / 400, 1e-15); EXPECT_NEAR(w->cv.bnd[i][1], std::sqrt(2.0 / 0.7), 1e-9); }
  int ok;
  const double y[2] = {0.5, 0.2}, fast[2] = {0, 2};
  for (int sel : {+1, -1}) EXPECT_NEAR(f(w->con, w->m, w->d.rhs, sel, 1, 0.0, fast, rec, ok), 80000, 1e-6) << sel;
  for (double t : {0.0, 1e-9}) {
    w->d.rhs.fi_last = {2 * PI, 0.7};
    f(w->con, w->m, w->d.rhs, 1, 1, t, y, rec, ok);
    EXPECT_NEAR(w->d.rhs.fi_last[0], t == 0 ? 0.5 : 0.5 + 2 * PI, 1e-12) << t;
  }
}

// Both robots, every path, points along the velocity-limit boundary: at 0.9 of the boundary speed the largest
// and the smallest sdd keep both joints within their limits, one at its limit; at 1.1 no sdd does, both choices
// agree and a joint goes over. Where det D = 0 (all along the straight line) there is no speed limit.
TEST(Rhs, LimitsMetBelowTheBoundaryOnly) {
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    auto w = default_world(r);
    ConsoleCapture quiet(w->con);  // the trace near singular points
    for (const PathType c : kPathTypes) {
      w->pb.cptype = c, rebuild_model(*w);
      const Model& md = w->m;
      ASSERT_EQ(calboundary(w->con, md, w->cv), 1) << r << c;
      int checked = 0;
      for (int i = 3; i < w->cv.nbnd; i += 8) {
        const double s = w->cv.bnd[i][0];
        Vec2 fi;
        Mat2 J;
        JointCoeffs D;
        ASSERT_EQ(calD(w->con, md, s, md.fi0, fi, J, D), 1);
        if (std::fabs(D[0][0] * D[1][1] - D[0][1] * D[1][0]) < 1e-3) continue;
        ++checked;
        for (double k : {0.9, 1.1}) {
          SCOPED_TRACE(testing::Message() << r << c << " s=" << s << " sd=" << k << " of the boundary");
          const double y[2] = {s, k * w->cv.bnd[i][1]};
          double sdd[2], worst[2];
          for (int m = 0; m < 2; ++m) {
            AccRecord rec;  int ok = 0;
            sdd[m] = f(w->con, md, w->d.rhs, m ? 1 : -1, 1, 0.0, y, rec, ok);
            ASSERT_EQ(ok, 1);
            worst[m] = std::max(std::fabs(rec.acc[0]) / md.pb.a1max, std::fabs(rec.acc[1]) / md.pb.a2max);
          }
          if (k > 1) { EXPECT_EQ(sdd[0], sdd[1]); EXPECT_GT(worst[0], 1 + 1e-6); continue; }
          EXPECT_LT(sdd[0], sdd[1]); EXPECT_NEAR(worst[0], 1, 1e-9); EXPECT_NEAR(worst[1], 1, 1e-9);
        }
      }
      EXPECT_TRUE(c == PathType::Line || checked > 20) << r << c << ": " << checked << " points checked";
    }
  }
}

// An unreachable point is a failure said on the console: inv, calD and f each add their line, f returns F_NO_SOLUTION
// and leaves the record; calboundary says where and keeps the previous boundary.
TEST(Rhs, OutOfReachIsReportedNotComputed) {
  auto w = default_world(Robot::Scara, PathType::Line);
  ConsoleCapture con(w->con);
  w->pb.line.P0 = {1.2, 0}, rebuild_model(*w), con.take();  // the start point's own failure
  AccRecord rec{1, {2, 3}};
  int ok = 1;
  const double y[2] = {0, 0.5};
  EXPECT_EQ(f(w->con, w->m, w->d.rhs, 1, 1, 0.0, y, rec, ok), F_NO_SOLUTION);
  EXPECT_EQ(ok, 0); EXPECT_EQ(rec.sdd, 1); EXPECT_EQ(rec.acc[1], 3);
  const std::string inv_calD =
      "\n!!!逆運動学inv()の解なし．始めからやり直し．\n    アーム長1,2=( 0.500  0.500) 位置(x,y)=( 1.200  0.000)\ncalD() inv()解なし CP[]=( 1.2000  0.0000)";
  EXPECT_EQ(con.take(), inv_calD + "\nf() calD()解なし s= 0.0000");
  w->cv.nbnd = 123;  EXPECT_EQ(calboundary(w->con, w->m, w->cv), 0);
  EXPECT_EQ(w->cv.nbnd, 123);
  EXPECT_EQ(con.take(), inv_calD + "\ncalboundary() 逆運動学解なし robot=b 軌道=7 s= 0.0000");
}

}  // namespace
}  // namespace cpt
