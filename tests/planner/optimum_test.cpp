// The optimum against closed forms, an independent integration, calcp's rebuild and seeded random settings;
// speed limits in it against closed forms of robot 'a' on a centred arc and on a radial waypoint line, and on
// curved paths against the limits themselves. (Steps along a limit: tests/interaction/interaction_test.cpp;
// the 'l' key: tests/batch/speed_limit_keys_test.cpp.)
#include "planner/optimum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "planner/calcp.h"
#include "support/console_capture.h"
#include "support/trajectory.h"
#include "support/world.h"

namespace cpt {

namespace {

// The optimum checked against calD: profile (0, 0) to (sf, 0) under the limit (|D10| a1max + |D00| a2max) / |det D|;
// samples within the joint limits (1e-6) with their own sdd; rest at sf at T.
void expect_feasible(const Model& md, const Optimum& o) {
  ASSERT_TRUE(o.ok) << o.reason;
  const double sf = md.sf, a[2] = {md.pb.a1max, md.pb.a2max};
  ASSERT_GE(o.profile.size(), 100u);
  ASSERT_GE(o.motion.size(), 2u);
  const OptimumSample &first = o.motion.front(), &last = o.motion.back();
  for (const double v : {o.profile.front().s, o.profile.front().sd, o.profile.back().sd, first.t, first.s, first.sd,
                         last.sd, last.acc[0], last.acc[1]})
    EXPECT_EQ(v, 0.0);
  for (const auto& [got, want] : {std::pair{o.profile.back().s, sf}, {o.profile.back().t, o.T}, {last.s, sf}, {last.t, o.T}})
    EXPECT_NEAR(got, want, 1e-12);
  Vec2 ref = md.fi0, fi;
  Mat2 J;
  JointCoeffs D;
  for (size_t i = 0; i < o.profile.size(); ++i) {
    const OptimumPoint& p = o.profile[i];
    if (i) { ASSERT_GT(p.s, o.profile[i - 1].s) << i; }
    if (i) { ASSERT_GT(p.t, o.profile[i - 1].t) << i; }
    ASSERT_GE(p.sd, 0.0);
    ASSERT_EQ(calD_quiet(md, p.s, ref, fi, J, D), 1);
    ref = fi;
    const double det = std::fabs(D[0][0] * D[1][1] - D[0][1] * D[1][0]);
    const double lim = std::fabs(D[1][0]) * a[0] + std::fabs(D[0][0]) * a[1];
    ASSERT_LE(p.sd * p.sd * det, lim * (1 + 1e-6) + 1e-12) << "profile point " << i << " s=" << p.s;
  }
  ref = md.fi0;
  for (size_t j = 0, i = 0; j < o.motion.size(); ++j) {
    const OptimumSample& m = o.motion[j];
    ASSERT_EQ(calD_quiet(md, m.s, ref, fi, J, D), 1);
    ref = fi;
    EXPECT_NEAR(fi[0], m.fi[0], 1e-12);
    EXPECT_NEAR(fi[1], m.fi[1], 1e-12);
    if (j) { ASSERT_GE(m.s, o.motion[j - 1].s); }
    if (j) { ASSERT_NEAR(m.t - o.motion[j - 1].t, dt0, 1e-12 + (j + 1 == o.motion.size() ? dt0 : 0)); }
    if (j + 1 == o.motion.size()) break;  // the end is at rest
    for (int k = 0; k < 2; ++k) {
      const double acc = D[k][0] * m.sdd + D[k][1] * m.sd * m.sd;
      ASSERT_LE(std::fabs(acc), a[k] * (1 + 1e-6)) << "sample " << j << " joint " << k;
      ASSERT_NEAR(m.acc[k], acc, 1e-9 * a[k]);
    }
    // sdd lies between the mean d(sd^2)/ds / 2 of the profile's intervals around the sample.
    while (i + 2 < o.profile.size() && o.profile[i + 1].s <= m.s) ++i;
    double lo = INFINITY, hi = -INFINITY;
    for (size_t q = i > 0 ? i - 1 : 0; q <= i + 1 && q + 1 < o.profile.size(); ++q) {
      const OptimumPoint &a0 = o.profile[q], &a1 = o.profile[q + 1];
      const double u = (a1.sd * a1.sd - a0.sd * a0.sd) / (2 * (a1.s - a0.s));
      lo = std::min(lo, u), hi = std::max(hi, u);
    }
    const double tol = 0.02 * (1 + std::fabs(m.sdd)) + (hi - lo);
    ASSERT_GE(m.sdd, lo - tol) << "sample " << j;
    ASSERT_LE(m.sdd, hi + tol) << "sample " << j;
  }
}

// Robot 'a' on an arc of radius R about its base: the rotary joint needs
// R^2 sdd, the prismatic one carries R sd^2, so with alpha = a1max / R^2 and
// v = sqrt(a2max / R) the optimum accelerates and decelerates at alpha with
// one switch in the middle, T = 2 sqrt(S / alpha), while S <= v^2 / alpha,
// and otherwise slides along sd = v between them, T = S / v + v / alpha.
TEST(Optimum, CentredArcClosedForms) {
  struct Case { const char* name; double R, S, a1, a2; };
  for (const Case& c : {Case{"bang-bang", 0.8, 1.0, 3, 9}, Case{"slide", 0.3, PI, 5, 0.7}}) {
    SCOPED_TRACE(c.name);
    auto w = default_world(Robot::Cylindrical);
    w->pb.a1max = c.a1, w->pb.a2max = c.a2;
    use_centred_arc(*w, c.R, c.S);
    const double alpha = c.a1 / (c.R * c.R), v = std::sqrt(c.a2 / c.R);
    const bool bang = c.S <= v * v / alpha;
    const double T = bang ? 2 * std::sqrt(c.S / alpha) : c.S / v + v / alpha;
    const Optimum o = compute_optimum(w->m);
    expect_feasible(w->m, o);
    EXPECT_NEAR(o.T, T, 1e-6 * T);
    ASSERT_EQ(o.switches.size(), bang ? 1u : 2u);
    // The first switch ends the acceleration from rest, at sd = min(v, sqrt(alpha S)).
    EXPECT_NEAR(o.switches[0].s, bang ? c.S / 2 : v * v / (2 * alpha), 1e-9);
    EXPECT_NEAR(o.switches[0].sd, bang ? std::sqrt(alpha * c.S) : v, 1e-9);
    EXPECT_NEAR(o.switches.back().t, bang ? T / 2 : T - v / alpha, 1e-6 * T);
    if (!bang) { EXPECT_EQ(o.pieces[1].choice, Choice::Limit); }
  }
}

// Every default, both robots: feasible; an 8x finer grid moves T < 1e-5 (1e-4 at curvature jumps); not longer than
// calcp's hand-built rebuild (its 10 ms step: up to ~2e-4 shorter). The SCARA arc's T and switch: OptimumKey's line.
TEST(Optimum, EveryPathTypeBothRobots) {
  for (Robot robot : {Robot::Cylindrical, Robot::Scara}) {
    for (PathType type : kPathTypes) {
      SCOPED_TRACE(::testing::Message() << "robot " << robot << " path " << type);
      auto w = default_world(robot, type);
      const Optimum o = compute_optimum(w->m);
      expect_feasible(w->m, o);
      ProfileProblem fine = optimum_problem(w->m);
      fine.intervals *= 8;
      const double T_fine = compute_optimum(w->m, &fine).T;
      EXPECT_NEAR(o.T, T_fine, (path_knots(w->m).empty() ? 1e-5 : 1e-4) * T_fine);

      ConsoleCapture con(w->con);  // the hand-built motion's console output
      if (landed_trajectory(*w)) {
        ASSERT_EQ(calcp(w->con, w->m, w->cv, w->d.rhs, w->d.mo), 1);
        EXPECT_LE(o.T, w->d.mo.tf * (1 + 5e-4));
      }
    }
  }
}

// Robot 'a' on straight waypoint paths P0 + s e, the points unevenly spaced (straight only if the spline's
// solve is right). For a unit point mass at the hand the rotary joint needs the torque p x a and the
// prismatic joint the radial force a.p/|p|; on a straight line a = sdd e, so the efforts are (P0 x e) sdd
// and (p.e/|p|) sdd, with no sd^2 term: |sdd| <= A(s) = min(a1 / |P0 x e|, a2 |p| / |p.e|). The optimum
// accelerates at A from rest and brakes at A into rest, switching at s* where F(s) = int_0^s A is F(L)/2,
// and T = int ds / sqrt(2 min(F, F(L) - F)), integrated with s = s* w^2 (and from the end) to stay finite.
double straight_line_time(const Vec2& P0, const Vec2& e, double L, double a1, double a2) {
  const int N = 200000, K = 20000;
  const double h = L / N, c1 = std::fabs(P0[0] * e[1] - P0[1] * e[0]);
  auto A = [&](double s) {
    const double x = P0[0] + s * e[0], y = P0[1] + s * e[1], c2 = std::fabs(x * e[0] + y * e[1]) / std::hypot(x, y);
    return std::min(c1 > 0 ? a1 / c1 : INFINITY, c2 > 0 ? a2 / c2 : INFINITY);
  };
  std::vector<double> F(N + 1, 0.0);
  for (int i = 1; i <= N; ++i) F[i] = F[i - 1] + h * (A((i - 1) * h) + A(i * h)) / 2;
  auto F_at = [&](double s) {  // linear between the nodes
    const double q = std::clamp(s / h, 0.0, double(N));
    const int i = std::min(static_cast<int>(q), N - 1);
    return F[i] + (q - i) * (F[i + 1] - F[i]);
  };
  int i = 0;  while (F[i + 1] < F[N] / 2) ++i;
  const double s_sw = (i + (F[N] / 2 - F[i]) / (F[i + 1] - F[i])) * h, rest = L - s_sw;
  double T = 0;
  for (double w = 0.5 / K; w < 1; w += 1.0 / K)
    T += (2 * s_sw * w / std::sqrt(2 * F_at(s_sw * w * w)) + 2 * rest * w / std::sqrt(2 * (F[N] - F_at(L - rest * w * w)))) / K;
  return T;
}

TEST(Optimum, StraightWaypointPathsAgainstAnIndependentIntegration) {
  struct Case { const char* name; Vec2 P0, e; double L, a1, a2, closed; };
  const Case cases[] = {
      {"radial: the prismatic joint alone, T = 2 sqrt(L / a2)", {0.12, 0.16}, {0.6, 0.8}, 0.6, 1, 2, 2 * std::sqrt(0.3)},
      {"past the base at 0.3, the rotary joint binds throughout: T = 2 sqrt(0.3 L / a1)", {0.3, -0.4}, {0, 1}, 0.8, 0.3, 2, 2 * std::sqrt(0.8)},
      {"the same line, the prismatic joint binds near the ends", {0.3, -0.4}, {0, 1}, 0.8, 1, 1, 0},
      {"oblique and asymmetric", {-0.5, 0.1}, {0.8, 0.6}, 0.9, 1.5, 0.8, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = default_world(Robot::Cylindrical);
    w->pb.a1max = c.a1, w->pb.a2max = c.a2;
    std::vector<Vec2> points;  for (double u : {0.0, 0.07, 0.3, 0.31, 0.55, 0.8, 1.0}) points.push_back({c.P0[0] + u * c.L * c.e[0], c.P0[1] + u * c.L * c.e[1]});
    use_waypoints(*w, points);
    const double T = straight_line_time(c.P0, c.e, c.L, c.a1, c.a2);
    if (c.closed > 0) { EXPECT_NEAR(T, c.closed, 1e-9 * c.closed); }
    const Optimum o = compute_optimum(w->m);
    expect_feasible(w->m, o);
    EXPECT_NEAR(o.T, T, 1e-6 * T);
    ConsoleCapture con(w->con);  // the hand-built motion on the same path: landed, rebuilt, not faster than the optimum
    ASSERT_EQ(landed_trajectory(*w), 1);
    ASSERT_EQ(calcp(w->con, w->m, w->cv, w->d.rhs, w->d.mo), 1);
    EXPECT_LE(o.T, w->d.mo.tf * (1 + 5e-4));
  }
}

// A made-up model whose sd^2 coefficients grow without bound at s = 0.5,
// as at a corner of the path: no motion can pass there.
TEST(Optimum, VelocityLimitFallingToZero) {
  ProfileProblem pb;
  pb.sf = 1, pb.amax = {1, 1};
  pb.sample = [](double s, const Vec2& ref, ModelPoint& out) {
    out.fi = ref;
    out.D = {{{1, 1 / (std::fabs(s - 0.5) + 1e-300)}, {1, -1 / (std::fabs(s - 0.5) + 1e-300)}}};
    return true;
  };
  const Profile p = solve_profile(pb);
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.reason, "no feasible motion: the velocity limit falls to zero at s=0.5000");
}

// Random settings inside the reach: every one ends with a feasible optimum
// (checked as above) or a one-line reason, and none hangs.
TEST(Optimum, RandomSettingsSweep) {
#ifdef CPT_SANITIZE
  const int cases = 40;
#else
  const int cases = 320;
#endif
  std::mt19937 rng(20261207);
  auto U = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  int feasible = 0, draws = 0;
  for (int n = 0; n < cases && draws < 50 * cases; ++n, ++draws) {
    auto w = default_world(n % 2 ? Robot::Scara : Robot::Cylindrical, kPathTypes[(n / 2) % std::size(kPathTypes)]);
    Problem& pb = w->pb;
    const PathType c = pb.cptype;
    pb.a1max = std::exp(U(std::log(0.1), std::log(10))), pb.a2max = std::exp(U(std::log(0.1), std::log(10)));
    pb.sine.P0 = pb.ushape.P0 = pb.slalom.P0 = pb.cam.P0 = pb.cycloid.P0 = pb.line.P0 = {U(-0.6, 0.3), U(-0.3, 0.5)};
    pb.arc.Ax = U(-0.3, 0.3), pb.arc.Ay = U(-0.3, 0.3), pb.arc.R = U(0.05, 0.5), pb.arc.angle = U(0.2, 6);
    pb.sine.L = U(0.3, 1.2), pb.sine.A = U(0.02, 0.4), pb.ushape.L = U(0.05, 0.5), pb.ushape.R = U(0.03, 0.3);
    pb.slalom.R = U(0.03, 0.15), pb.slalom.N = 1 + n % 5;
    pb.cam.L = pb.cycloid.L = U(0.2, 0.8), pb.cam.H = pb.cycloid.H = U(0.05, 0.6);
    pb.line.l = U(0.1, 1), pb.line.beta = U(0, 2 * PI);
    rebuild_model(*w);
    const Model& md = w->m;
    // Keep the whole path inside the SCARA's annulus, with a margin.
    bool inside = true;
    for (int i = 0; i <= 400 && inside && pb.robot.kind == Robot::Scara; ++i) {
      Vec2 p;
      cpcurve(md, md.sf * i / 400, p);
      inside = std::hypot(p[0], p[1]) > 0.05 && std::hypot(p[0], p[1]) < 0.97;
    }
    if (!inside) { --n; continue; }  // drawn again
    SCOPED_TRACE(::testing::Message() << "case " << n << " robot " << pb.robot.kind << " path " << c);
    const Optimum o = compute_optimum(md);  // takes no console: it prints nothing
    if (!o.ok) {
      EXPECT_EQ(o.reason.rfind("no feasible motion: ", 0), 0u) << o.reason;
      EXPECT_EQ(o.reason.find('\n'), std::string::npos) << o.reason;
      continue;
    }
    ++feasible;
    expect_feasible(md, o);
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GE(feasible, cases * 9 / 10);
}

// Rest to rest over length L at path acceleration a under the rate cap v:
// a trapezoid L / v + v / a when the cap is reached (L > v^2 / a), else a triangle.
double capped_time(double L, double a, double v) { return L > v * v / a ? L / v + v / a : 2 * std::sqrt(L / a); }

// Robot 'a', a1max = a2max = 2. Centred arc, R = 0.5, angle pi: s is the angle of joint 1,
// sdd <= a1max / R^2 = 8, the acceleration limit sd <= sqrt(a2max / R) = 2, the hand speed
// R sd; the radial joint does not move. Radial waypoint line from (0.1, 0) along x, length 0.8:
// only joint 2 moves, sdd <= a2max = 2, hand speed = sd, no acceleration limit of sd.
TEST(VelocityLimits, OptimumIsTheCappedTrapezoid) {
  struct Case { const char* what; bool arc; double v1, v2, vtool, L, a, cap; };
  const double R = 0.5;
  const Case cases[] = {
      {"arc, joint 1 at 1 rad/s", true, 1.0, 0, 0, PI, 8, 1.0},
      {"arc, joint 1 above the acceleration limit: slides at 2", true, 3.0, 0, 0, PI, 8, 2.0},
      {"arc, the radial joint's limit never binds", true, 0, 0.01, 0, PI, 8, 2.0},
      {"arc, hand at 0.25 m/s: sd <= 0.5", true, 0, 0, 0.25, PI, 8, 0.5},
      {"line, hand at 0.5 m/s: trapezoid", false, 0, 0, 0.5, 0.8, 2, 0.5},
      {"line, hand at 1.5 m/s: triangle", false, 0, 0, 1.5, 0.8, 2, 1.5},
      {"line, joint 2 at 0.4 m/s", false, 0, 0.4, 0, 0.8, 2, 0.4},
  };
  for (const Case& c : cases) {
    auto w = default_world(Robot::Cylindrical);
    if (c.arc) {
      use_centred_arc(*w, R, PI);
    } else {
      use_waypoints(*w, {{0.1, 0}, {0.13, 0}, {0.45, 0}, {0.5, 0}, {0.1 + c.L, 0}});  // unevenly spaced, straight
    }
    w->pb.vmax = {c.v1, c.v2}, w->pb.vtool = c.vtool, rebuild_model(*w);
    const Optimum o = compute_optimum(w->m);
    ASSERT_TRUE(o.ok) << c.what << ": " << o.reason;
    EXPECT_NEAR(o.T, capped_time(c.L, c.a, c.cap), 1e-6) << c.what;
    for (const OptimumSample& m : o.motion) ASSERT_LE(m.sd, c.cap * (1 + 1e-6)) << c.what << " t=" << m.t;
  }
}

// On curved paths of robot 'b', and on robot 'a''s line past the base (a ceiling of joint 1
// that falls and rises steeper than the joint limits can follow), every sample of the optimum
// keeps the ceiling and the joint limits, and the limits make it slower than without them.
TEST(VelocityLimits, OptimumOnCurvedPathsKeepsEveryLimit) {
  struct Case { Robot robot; PathType type; double v1, v2, vtool; };
  const Case cases[] = {{Robot::Scara, PathType::Arc, 1.2, 1.5, 0}, {Robot::Scara, PathType::Sine, 0, 2.0, 0.6},
                        {Robot::Scara, PathType::CycloidCam, 1.5, 0, 0.5}, {Robot::Scara, PathType::UShape, 0, 0, 0.4},
                        {Robot::Cylindrical, PathType::Line, 1.0, 0, 0}};
  for (const Case& c : cases) {
    auto w = default_world(c.robot, c.type);
    const Optimum free = compute_optimum(w->m);
    w->pb.vmax = {c.v1, c.v2}, w->pb.vtool = c.vtool, rebuild_model(*w);
    const Model& md = w->m;
    const Optimum o = compute_optimum(md);
    ASSERT_TRUE(free.ok && o.ok) << c.type << o.reason;
    EXPECT_GT(o.T, free.T + 1e-3) << c.type;
    Vec2 ref = md.fi0;
    for (const OptimumSample& m : o.motion) {
      Ceiling cl;
      Vec2 fi;
      ASSERT_TRUE(ceiling_at(md, m.s, ref, fi, cl));
      ref = fi;
      ASSERT_LE(m.sd, cl.sd * (1 + 1e-4)) << c.type << " t=" << m.t;
      ASSERT_LE(std::fabs(m.acc[0]), md.pb.a1max * (1 + 1e-3)) << c.type << " t=" << m.t;
      ASSERT_LE(std::fabs(m.acc[1]), md.pb.a2max * (1 + 1e-3)) << c.type << " t=" << m.t;
    }
  }
}

}  // namespace

}  // namespace cpt
