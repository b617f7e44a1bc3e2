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

}  // namespace

}  // namespace cpt
