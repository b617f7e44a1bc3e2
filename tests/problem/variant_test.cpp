// Variants per student: over 200 student numbers of two problems (a waypoint
// path under joint and hand speed limits, a built-in line), every variant reads back as a
// problem file, prepares and has an optimum, stays within the stated bounds
// of the base problem, names its student, and is drawn again the same.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "planner/optimum.h"
#include "problem/problem_file.h"
#include "problem/variant.h"
#include "support/world.h"

namespace cpt {
namespace {

// The sanitized build runs many times slower: fewer student numbers there.
#ifdef CPT_SANITIZE
constexpr long kStudents = 20;
#else
constexpr long kStudents = 200;
#endif

double ratio_off(double v, double base) { return base == 0 ? std::fabs(v) : std::fabs(v / base - 1); }

TEST(Variant, FeasibleWithinBoundsAndReproducible) {
  Problem wp, line;
  std::string error;
  ASSERT_TRUE(parse_problem("robot: {type: scara}\njoints: {max_effort: [2, 2], max_velocity: [3, 2.5]}\n"
                            "tool: {max_speed: 0.8}\n"
                            "path: {type: waypoints, points: [[0.6, -0.2], [0.7, 0.0], [0.6, 0.2]]}\n",
                            "wp.yaml", wp, error)) << error;
  ASSERT_TRUE(parse_problem("robot: {type: cylindrical}\npath: {type: line, start: [0.2, 0], length: 0.5}\n",
                            "line.yaml", line, error)) << error;
  for (const Problem& base : {wp, line}) {
    std::set<std::string> texts;
    for (long n = 0; n < kStudents; ++n) {
      Problem v;
      ASSERT_TRUE(draw_variant(base, n, v, error)) << n << ": " << error;
      const std::string text = problem_text(v);
      texts.insert(text);
      auto w = default_world();
      ASSERT_TRUE(parse_problem(text, "v.yaml", w->pb, error)) << error << "\n" << text;
      ASSERT_EQ(prepare(*w), Prepared::Ready) << text;
      EXPECT_TRUE(compute_optimum(w->m).ok) << text;
      EXPECT_EQ(w->pb.teaching.variant, n);
      const double spread = kVariantLimitSpread + 1e-12, shift = kVariantPointShift + 1e-12;
      EXPECT_LE(std::max(ratio_off(v.a1max, base.a1max), ratio_off(v.a2max, base.a2max)), spread) << text;
      EXPECT_LE(std::max({ratio_off(v.vmax[0], base.vmax[0]), ratio_off(v.vmax[1], base.vmax[1]),
                          ratio_off(v.vtool, base.vtool)}), spread) << text;
      const int points = base.cptype == PathType::Waypoints ? base.waypoints.n : 1;
      for (int i = 0; i < points; ++i) {
        const Vec2 p = base.cptype == PathType::Waypoints ? v.waypoints.p[i] : v.line.P0;
        const Vec2 q = base.cptype == PathType::Waypoints ? base.waypoints.p[i] : base.line.P0;
        EXPECT_LE(std::max(std::fabs(p[0] - q[0]), std::fabs(p[1] - q[1])), shift) << text;
      }
      EXPECT_EQ(v.line.l, base.line.l);
      if (n % 20 == 0) {
        Problem again;
        ASSERT_TRUE(draw_variant(base, n, again, error));
        EXPECT_EQ(problem_text(again), text);
      }
    }
    // The numbers draw different problems.
    EXPECT_GE(texts.size(), static_cast<size_t>(kStudents) * 39 / 40);
  }
}

}  // namespace
}  // namespace cpt
