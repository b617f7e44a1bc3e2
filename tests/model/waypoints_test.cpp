// The spline through waypoints against its defining properties: through every point, C2 by finite
// differences and across the knots, natural (straight) ends, straight between collinear points; its
// validation refuses each kind of unusable points.
#include "model/waypoints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "planner/prepare.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {
namespace {

double gap(const PathDeriv& a, const PathDeriv& b) {
  return std::fabs(a.xd - b.xd) + std::fabs(a.yd - b.yd) + std::fabs(a.xdd - b.xdd) + std::fabs(a.ydd - b.ydd);
}

TEST(Waypoints, SplineThroughItsPointsAndC2) {
  struct PointSet { const char* name; std::vector<Vec2> p; bool straight; };
  std::vector<PointSet> sets = {{"two points", {{0.1, 0.2}, {0.4, -0.2}}, true}, {"collinear, uneven", {}, true},
                                {"seeded random walk", {}, false}, {"200 points on a circle", {}, false}};
  for (double u : {0.0, 0.03, 0.2, 0.25, 0.6, 0.61, 0.9}) sets[1].p.push_back({-0.3 + 0.6 * u, 0.1 + 0.8 * u});
  std::mt19937 rng(777);
  std::uniform_real_distribution<double> U(0, 1);
  for (Vec2 q{0.2, -0.1}; sets[2].p.size() < 12; q = {q[0] + (0.05 + 0.25 * U(rng)) * std::cos(7 * U(rng)), q[1] + 0.2 * U(rng) - 0.1})
    sets[2].p.push_back(q);
  for (int k = 0; k < NWAYPOINTS; ++k) sets[3].p.push_back({0.5 * std::cos(0.03 * k), 0.5 * std::sin(0.03 * k)});
  for (const PointSet& set : sets) {
    SCOPED_TRACE(set.name);
    auto w = default_world();  use_waypoints(*w, set.p);
    const Model& md = w->m;  const int n = md.pb.waypoints.n;
    const double sf = md.sf, h = 1e-6;
    ASSERT_EQ(waypoint_fault(md), nullptr);
    // s = u_k gives point k; u is the chord length; the ends are straight (natural spline).
    for (int k = 0; k < n; ++k) {
      if (k) { EXPECT_NEAR(md.wp_u[k] - md.wp_u[k - 1], std::hypot(set.p[k][0] - set.p[k - 1][0], set.p[k][1] - set.p[k - 1][1]), 1e-15); }
      EXPECT_EQ(cpcurve_deriv(md, md.wp_u[k]).p, set.p[k]) << k;
    }
    EXPECT_EQ(md.wp_u[0], 0.0); EXPECT_EQ(sf, md.wp_u[n - 1]);
    EXPECT_EQ(md.P0, set.p[0]); EXPECT_EQ(md.Pf, set.p[n - 1]);
    for (double s : {0.0, sf}) { EXPECT_EQ(cpcurve_deriv(md, s).d.xdd, 0.0); EXPECT_EQ(cpcurve_deriv(md, s).d.ydd, 0.0); }
    // First and second derivatives against central differences, away from the knots (p''' jumps there).
    for (int i = 0; i < 200; ++i) {
      const double s = sf * U(rng);
      if (std::any_of(md.wp_u.begin(), md.wp_u.begin() + n, [&](double u) { return std::fabs(s - u) < 2 * h; })) continue;
      const PathPoint a = cpcurve_deriv(md, s), lo = cpcurve_deriv(md, s - h), hi = cpcurve_deriv(md, s + h);
      const PathDeriv fd = {(hi.p[0] - lo.p[0]) / (2 * h), (hi.p[1] - lo.p[1]) / (2 * h), (hi.d.xd - lo.d.xd) / (2 * h),
                            (hi.d.yd - lo.d.yd) / (2 * h)};
      EXPECT_LT(gap(a.d, fd), 1e-6 * (1 + std::fabs(a.d.xdd) + std::fabs(a.d.ydd))) << "s=" << s;
      if (set.straight) {  // a straight line by chord length: unit tangent, no curvature
        EXPECT_NEAR(std::hypot(a.d.xd, a.d.yd), 1, 1e-12); EXPECT_NEAR(std::fabs(a.d.xdd) + std::fabs(a.d.ydd), 0, 1e-12);
      }
    }
    // The derivatives agree on both sides of every inner knot.
    for (int k = 1; k + 1 < n; ++k)
      EXPECT_LT(gap(cpcurve_deriv(md, md.wp_u[k] - 1e-9).d, cpcurve_deriv(md, md.wp_u[k] + 1e-9).d), 1e-6) << "knot " << k;
    // Past the ends: on along the end tangent, straight; a NaN s is the start; never a NaN.
    for (const double s : {-0.3, sf + 0.3, -HUGE_VAL, HUGE_VAL, std::nan("")}) {
      const double e = s < sf / 2 || std::isnan(s) ? 0 : sf, ds = std::isnan(s) ? 0 : s - e;
      const PathPoint a = cpcurve_deriv(md, s), end = cpcurve_deriv(md, e);
      EXPECT_EQ(gap(a.d, {end.d.xd, end.d.yd, 0, 0}), 0.0) << s;
      if (std::isfinite(ds)) { EXPECT_NEAR(a.p[0], end.p[0] + ds * end.d.xd, 1e-12) << s; EXPECT_NEAR(a.p[1], end.p[1] + ds * end.d.yd, 1e-12) << s; }
      EXPECT_TRUE(std::isfinite(a.p[0]) && std::isfinite(a.p[1])) << s;
    }
  }
}

// Each kind of unusable points is refused with its reason and the point at fault, and the preparation of
// a motion refuses them too; the fault never makes the path itself a NaN.
TEST(Waypoints, UnusablePointsRefused) {
  struct Case { const char* name; int n, bad_point; double x; const char* reason; int at; };
  const Case cases[] = {
      {"good", 4, -1, 0, nullptr, -1},
      {"no point", 0, -1, 0, "fewer than 2 points", 0},
      {"one point", 1, -1, 0, "fewer than 2 points", 1},
      {"one more than the tables hold", NWAYPOINTS + 1, -1, 0, "more than 200 points", NWAYPOINTS + 1},
      {"equal consecutive points", 4, 2, 0.2, "two consecutive points are equal", 2},  // point 2 made point 1
      {"NaN", 4, 3, NAN, "not a finite number", 3},
      {"infinity", 4, 0, HUGE_VAL, "not a finite number", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = default_world(Robot::Scara);
    use_waypoints(*w, {{0.1, 0.5}, {0.2, 0.5}, {0.3, 0.5}, {0.4, 0.6}});
    w->pb.waypoints.n = c.n;
    if (c.bad_point >= 0) w->pb.waypoints.p[c.bad_point][0] = c.x;
    ConsoleCapture quiet(w->con);  // inv's lines for a start point that is not a number
    rebuild_model(*w);
    const Model& md = w->m;
    int at = -2;  const char* why = waypoint_fault(md, &at);
    EXPECT_EQ(at, c.at); EXPECT_EQ(path_fault(md), why);
    EXPECT_EQ(prepare(*w), c.reason ? Prepared::NotFinite : Prepared::Ready);
    if (!c.reason) { EXPECT_EQ(why, nullptr); continue; }
    ASSERT_NE(why, nullptr);  EXPECT_NE(std::string(why).find(c.reason), std::string::npos) << why;
    for (double s = -0.1; s < md.sf + 0.1 && std::isfinite(c.x); s += 0.01) {
      const PathPoint a = cpcurve_deriv(md, s);
      EXPECT_TRUE(std::isfinite(a.p[0] + a.p[1] + a.d.xd + a.d.yd + a.d.xdd + a.d.ydd)) << s;
    }
  }
}

}  // namespace
}  // namespace cpt
