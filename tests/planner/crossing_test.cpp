#include "planner/crossing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace cpt {

namespace {

// Hand-worked cases: the crossing point and the fractions along A-B and C-D.
TEST(SegmentCross, Table) {
  struct Case { const char* what; Vec2 A, B, C, D; int crosses; Vec2 X; double ra, rb; };
  const Case cases[] = {
      {"diagonals of a square", {0, 0}, {2, 2}, {0, 2}, {2, 0}, 1, {1, 1}, 0.5, 0.5},
      {"shared end B = C", {0, 0}, {1, 1}, {1, 1}, {2, 0}, 1, {1, 1}, 1, 0},
      {"A-B ends short of C-D", {0, 0}, {1, 0}, {2, -1}, {2, 1}, 0, {}, 0, 0},
      {"collinear overlap", {0, 0}, {2, 0}, {1, 0}, {3, 0}, 0, {}, 0, 0},
      {"nearly parallel: |det / dx1| = 1e-5", {0, 0}, {1, 0}, {0, -5e-6}, {1, 5e-6}, 0, {}, 0, 0},
      {"a state that is not a number", {0, 0}, {NAN, NAN}, {0, 2}, {2, 0}, 0, {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Vec2 X;
    double ra, rb;
    ASSERT_EQ(segment_cross(c.A, c.B, c.C, c.D, X, ra, rb), c.crosses);
    if (!c.crosses) continue;
    EXPECT_EQ(X, c.X);
    EXPECT_DOUBLE_EQ(ra, c.ra);
    EXPECT_DOUBLE_EQ(rb, c.rb);
  }
}

// Q crosses P's line at x = 3 (Q's first segment) and x = 1 (its third): the
// earliest segment of P decides first, then the earliest segment of Q.
TEST(FirstCrossing, EarliestSegmentOfPThenOfQ) {
  const Vec2 P[] = {{0, 0}, {2, 0}, {4, 0}}, P1[] = {{0, 0}, {4, 0}};
  const Vec2 Q[] = {{3, 1}, {3, -1}, {1, -1}, {1, 1}};
  Vec2 X;
  int ia, ib;
  double ra, rb;
  for (const auto& [np, p, ib_, x, ra_] : {std::tuple{2, P, 2, 1.0, 0.5}, std::tuple{1, P1, 0, 3.0, 0.75}}) {
    ASSERT_EQ(first_crossing(np, p, 3, Q, X, ia, ib, ra, rb), 1);
    EXPECT_EQ(ia, 0);
    EXPECT_EQ(ib, ib_);
    EXPECT_EQ(X[0], x);
    EXPECT_EQ(ra, ra_);
  }
  EXPECT_EQ(first_crossing(0, P, 3, Q, X, ia, ib, ra, rb), 0);  // P a single point
}

}  // namespace

}  // namespace cpt
