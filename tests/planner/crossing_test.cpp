#include "planner/crossing.h"

#include <gtest/gtest.h>

namespace {

TEST(Cross2, IsTheZComponentOfTheCrossProduct) {
  EXPECT_EQ(cross2({1, 0}, {0, 1}), 1);
  EXPECT_EQ(cross2({0, 1}, {1, 0}), -1);
  EXPECT_EQ(cross2({2, 3}, {4, 6}), 0);  // parallel
  EXPECT_EQ(cross2({1, 2}, {3, 5}), 1 * 5 - 2 * 3);
}

TEST(SegmentCross, CrossingDiagonals) {
  // Diagonals of the square (0,0)-(2,2): they cross at (1, 1), halfway along both.
  Vec2 X;
  double ra, rb;
  ASSERT_EQ(segment_cross({0, 0}, {2, 2}, {0, 2}, {2, 0}, X, ra, rb), 1);
  EXPECT_DOUBLE_EQ(X[0], 1);
  EXPECT_DOUBLE_EQ(X[1], 1);
  EXPECT_DOUBLE_EQ(ra, 0.5);
  EXPECT_DOUBLE_EQ(rb, 0.5);
}

TEST(SegmentCross, FractionsAlongUnevenSegments) {
  // A-B from (0,0) to (4,0); C-D from (1,-1) to (1,3): X = (1, 0),
  // a quarter along A-B and a quarter along C-D.
  Vec2 X;
  double ra, rb;
  ASSERT_EQ(segment_cross({0, 0}, {4, 0}, {1, -1}, {1, 3}, X, ra, rb), 1);
  EXPECT_DOUBLE_EQ(X[0], 1);
  EXPECT_DOUBLE_EQ(X[1], 0);
  EXPECT_DOUBLE_EQ(ra, 0.25);
  EXPECT_DOUBLE_EQ(rb, 0.25);
}

TEST(SegmentCross, TouchingAtAnEndPointCounts) {
  // C lies on A-B: the side product is exactly 0 and passes.
  Vec2 X;
  double ra, rb;
  ASSERT_EQ(segment_cross({0, 0}, {2, 0}, {1, 0}, {1, 1}, X, ra, rb), 1);
  EXPECT_DOUBLE_EQ(X[0], 1);
  EXPECT_DOUBLE_EQ(X[1], 0);
  EXPECT_DOUBLE_EQ(rb, 0);
  // Two segments sharing the end point B = C.
  ASSERT_EQ(segment_cross({0, 0}, {1, 1}, {1, 1}, {2, 0}, X, ra, rb), 1);
  EXPECT_DOUBLE_EQ(ra, 1);
  EXPECT_DOUBLE_EQ(rb, 0);
}

TEST(SegmentCross, SeparateSegmentsDoNotCross) {
  Vec2 X{7, 7};
  double ra = 7, rb = 7;
  // C-D wholly above A-B.
  EXPECT_EQ(segment_cross({0, 0}, {2, 0}, {0, 1}, {2, 3}, X, ra, rb), 0);
  // The lines cross, but beyond the end of C-D.
  EXPECT_EQ(segment_cross({0, 0}, {2, 2}, {3, 0}, {2, 1}, X, ra, rb), 0);
  EXPECT_EQ(X[0], 7);  // untouched
}

TEST(SegmentCross, CollinearOverlapIsRejectedAsParallel) {
  Vec2 X;
  double ra, rb;
  EXPECT_EQ(segment_cross({0, 0}, {2, 0}, {1, 0}, {3, 0}, X, ra, rb), 0);
  // Collinear and vertical (dx1 = 0, det = 0).
  EXPECT_EQ(segment_cross({0, 0}, {0, 2}, {0, 1}, {0, 3}, X, ra, rb), 0);
}

TEST(SegmentCross, VerticalSegmentWithANonZeroDeterminantCrosses) {
  // dx1 = 0: the parallel test divides by nothing and accepts det != 0.
  Vec2 X;
  double ra, rb;
  ASSERT_EQ(segment_cross({1, -1}, {1, 1}, {0, 0}, {2, 0}, X, ra, rb), 1);
  EXPECT_DOUBLE_EQ(X[0], 1);
  EXPECT_DOUBLE_EQ(X[1], 0);
}

TEST(SegmentCross, NearlyParallelIsRejected) {
  // |det / dx1| = 1e-5 / 1 < 1e-4, although the segments do cross.
  Vec2 X;
  double ra, rb;
  EXPECT_EQ(segment_cross({0, 0}, {1, 0}, {0, -5e-6}, {1, 5e-6}, X, ra, rb), 0);
}

TEST(FirstCrossing, PicksTheEarliestSegmentOfP) {
  // P runs along y = 0 from x = 0 to 4; Q is a zigzag that crosses y = 0 at
  // x = 3 (its first segment) and x = 1 (its third): the crossing on the
  // earliest segment of P, x = 1, wins although Q reaches x = 3 first.
  const Vec2 P[] = {{0, 0}, {2, 0}, {4, 0}};
  const Vec2 Q[] = {{3, 1}, {3, -1}, {1, -1}, {1, 1}};
  Vec2 X;
  int ia = -1, ib = -1;
  double ra, rb;
  ASSERT_EQ(first_crossing(2, P, 3, Q, X, ia, ib, ra, rb), 1);
  EXPECT_EQ(ia, 0);
  EXPECT_EQ(ib, 2);
  EXPECT_DOUBLE_EQ(X[0], 1);
  EXPECT_DOUBLE_EQ(ra, 0.5);
  EXPECT_DOUBLE_EQ(rb, 0.5);
}

TEST(FirstCrossing, OnOneSegmentOfPTheEarliestSegmentOfQWins) {
  // Both crossings lie on P's only segment; Q's first segment (x = 3) wins.
  const Vec2 P[] = {{0, 0}, {4, 0}};
  const Vec2 Q[] = {{3, 1}, {3, -1}, {1, -1}, {1, 1}};
  Vec2 X;
  int ia = -1, ib = -1;
  double ra, rb;
  ASSERT_EQ(first_crossing(1, P, 3, Q, X, ia, ib, ra, rb), 1);
  EXPECT_EQ(ia, 0);
  EXPECT_EQ(ib, 0);
  EXPECT_DOUBLE_EQ(X[0], 3);
  EXPECT_DOUBLE_EQ(ra, 0.75);
}

TEST(FirstCrossing, NoCrossingAndEmptyPolylines) {
  const Vec2 P[] = {{0, 0}, {1, 0}, {2, 0}};
  const Vec2 Q[] = {{0, 1}, {2, 1}};
  Vec2 X;
  int ia = -1, ib = -1;
  double ra, rb;
  EXPECT_EQ(first_crossing(2, P, 1, Q, X, ia, ib, ra, rb), 0);
  EXPECT_EQ(first_crossing(0, P, 1, Q, X, ia, ib, ra, rb), 0);  // a single point
  EXPECT_EQ(ia, -1);
}

}  // namespace
