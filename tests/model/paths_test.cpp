#include "model/paths.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/world.h"

namespace cpt {

namespace {

Vec2 at(const Settings& st, double s) {
  Vec2 p{NAN, NAN};
  cpcurve(st, s, p);
  return p;
}

void expect_point(const Settings& st, double s, double x, double y) {
  const Vec2 p = at(st, s);
  EXPECT_NEAR(p[0], x, 1e-12) << "type " << st.cptype << " s=" << s;
  EXPECT_NEAR(p[1], y, 1e-12) << "type " << st.cptype << " s=" << s;
}

// Points of the default paths worked out by hand from their geometry.
TEST(Paths, DefaultPointsOfEveryType) {
  struct Case { PathType type; double s, x, y; };
  const Case cases[] = {
      {PathType::Arc, 0, 0.7, 0.2},         {PathType::Arc, PI, -0.3, 0.2},          {PathType::Sine, 0.25, -0.15, 0.7},
      {PathType::UShape, 0.4, 0.2, 0.4},       {PathType::UShape, 0.4 + 0.1 * PI, 0.4, 0.6}, {PathType::UShape, 0.8 + 0.2 * PI, 0.6, 0.0},
      {PathType::UShape, -1, 0.2, 0.0},        {PathType::UShape, 5, 0.6, 0.0},            {PathType::Slalom, PI / 2, -0.3, 0.3},
      {PathType::Slalom, 1.5 * PI, -0.1, 0.1}, {PathType::Slalom, 3 * PI, 0.2, 0.2},       {PathType::AccCam, 0.25, 0.05, 0.35},
      {PathType::AccCam, 0.5, 0.3, 0.6},       {PathType::AccCam, 0.6, 0.4, 0.6},          {PathType::AccCam, -0.1, -0.3, 0.1},
      {PathType::CycloidCam, 0.25, 0.25, 0.45},    {PathType::CycloidCam, 0.5, 0.5, 0.7},          {PathType::Line, 0.8, 0.4, 0.1},
  };
  auto w = default_world();
  for (const Case& c : cases) {
    w->st.cptype = c.type;
    expect_point(w->st, c.s, c.x, c.y);
  }
}

TEST(Paths, DerivativesAtTheJointsAndPieces) {
  auto w = default_world();
  Settings& st = w->st;
  st.cptype = PathType::UShape;
  PathDeriv d = cpderiv(st, 0.4);
  EXPECT_EQ(d.xd, 0); EXPECT_EQ(d.yd, 1); EXPECT_EQ(d.xdd, 0); EXPECT_EQ(d.ydd, 0);
  d = cpderiv(st, 0.4 + 0.2 * PI);
  EXPECT_EQ(d.xd, 0); EXPECT_EQ(d.yd, -1);
  d = cpderiv(st, 9.0);  // beyond sf: still the descending straight part
  EXPECT_EQ(d.yd, -1);

  st.cptype = PathType::AccCam;
  EXPECT_DOUBLE_EQ(cpderiv(st, 0.2499999).ydd, 8.0);
  EXPECT_DOUBLE_EQ(cpderiv(st, 0.25).ydd, -8.0);
  EXPECT_DOUBLE_EQ(cpderiv(st, 0.5).ydd, -8.0);
  d = cpderiv(st, 0.5000001);
  EXPECT_EQ(d.yd, 0); EXPECT_EQ(d.ydd, 0);
  d = cpderiv(st, -0.1);
  EXPECT_EQ(d.xd, 1); EXPECT_EQ(d.yd, 0);

  st.cptype = PathType::CycloidCam;
  d = cpderiv(st, 0.25);
  EXPECT_NEAR(d.yd, 2.0, 1e-12);
  EXPECT_NEAR(d.ydd, 0.0, 1e-12);
}

// The analytic derivatives agree with central differences of the curve on
// every path type, away from the joints of the piecewise curves.
TEST(Paths, DerivativesMatchFiniteDifferences) {
  auto w = default_world();
  Settings& st = w->st;
  const double h = 1e-5;
  for (const PathType c : kPathTypes) {
    st.cptype = c;
    const double sf = st.sf[c];
    for (int i = 1; i < 200; ++i) {
      const double s = sf * i / 200.0 + 0.001;
      if (c == PathType::UShape && (std::fabs(s - st.u_L) < 1e-3 || std::fabs(s - st.u_L - st.u_arc) < 1e-3)) continue;
      if (c == PathType::Slalom && std::fabs(std::remainder(s, PI)) < 1e-3) continue;
      if (c == PathType::AccCam && (std::fabs(s - st.cam_L / 2) < 1e-3 || std::fabs(s - st.cam_L) < 1e-3)) continue;
      const Vec2 p0 = at(st, s - h), p1 = at(st, s), p2 = at(st, s + h);
      const PathDeriv d = cpderiv(st, s);
      EXPECT_NEAR(d.xd, (p2[0] - p0[0]) / (2 * h), 1e-6) << "type " << c << " s=" << s;
      EXPECT_NEAR(d.yd, (p2[1] - p0[1]) / (2 * h), 1e-6) << "type " << c << " s=" << s;
      EXPECT_NEAR(d.xdd, (p2[0] - 2 * p1[0] + p0[0]) / (h * h), 2e-3) << "type " << c << " s=" << s;
      EXPECT_NEAR(d.ydd, (p2[1] - 2 * p1[1] + p0[1]) / (h * h), 2e-3) << "type " << c << " s=" << s;
    }
  }
}

// Consecutive points along every path are close: no piece jumps.
TEST(Paths, EveryPathIsContinuous) {
  auto w = default_world();
  Settings& st = w->st;
  for (const PathType c : kPathTypes) {
    st.cptype = c;
    Vec2 prev = at(st, 0);
    EXPECT_NEAR(prev[0], st.P0[c][0], 1e-12);
    EXPECT_NEAR(prev[1], st.P0[c][1], 1e-12);
    const int n = 4000;
    for (int i = 1; i <= n; ++i) {
      const Vec2 p = at(st, st.sf[c] * i / n);
      EXPECT_LT(std::hypot(p[0] - prev[0], p[1] - prev[1]), 0.01) << "type " << c << " i=" << i;
      prev = p;
    }
  }
}

TEST(Paths, LongSlalomIsDefinedEverywhereAndEndsOnTheLine) {
  auto w = default_world();
  Settings& st = w->st;
  st.cptype = PathType::Slalom;
  st.sl_N = 30;
  update_path_derived(st, PathType::Slalom);
  EXPECT_DOUBLE_EQ(st.sf[PathType::Slalom], 30 * PI);
  const Vec2 end = at(st, st.sf[PathType::Slalom] - 1e-12);
  EXPECT_NEAR(end[0], st.P0[PathType::Slalom][0] + 2 * 30 * st.sl_R, 1e-9);
  EXPECT_NEAR(end[1], st.P0[PathType::Slalom][1], 1e-9);
  // Every point on the path lies on one of the half circles.
  for (int i = 0; i <= 3000; ++i) {
    const double s = st.sf[PathType::Slalom] * i / 3000.0;
    const Vec2 p = at(st, s);
    const int k = static_cast<int>(s / PI + 1e-12);
    const double cx = st.P0[PathType::Slalom][0] + st.sl_R * (2 * k + 1);
    EXPECT_NEAR(std::hypot(p[0] - cx, p[1] - st.P0[PathType::Slalom][1]), st.sl_R, 1e-9) << "s=" << s;
  }
}

// Below s = 0 the slalom has no piece: it answers with its start point and
// no tangent, a safe place for a caller that asks.
TEST(Paths, SlalomBelowZeroIsTheStartPoint) {
  auto w = default_world();
  Settings& st = w->st;
  st.cptype = PathType::Slalom;
  expect_point(st, -0.5, st.P0[PathType::Slalom][0], st.P0[PathType::Slalom][1]);
  const PathDeriv d = cpderiv(st, -0.5);
  EXPECT_EQ(d.xd, 0);
  EXPECT_EQ(d.yd, 0);
}

}  // namespace

}  // namespace cpt
