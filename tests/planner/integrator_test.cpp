#include "planner/integrator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include "support/world.h"

// Counts every allocation of the test program (see Rkg.AllocatesNothing).
static long g_allocations = 0;
void* operator new(std::size_t n) {
  if (void* p = (++g_allocations, std::malloc(n ? n : 1))) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace cpt {

// Robot 'a' on an arc about its base, sdd = a1max / R^2 = 8: rkg gives s0 + sd0 h + 4 h^2,
// sd0 + 8 h (h = 0: exactly y). Sub-steps stop at a state that is not a number, and
// decelerating from sd = 0.1 at rest after 0.0125 s, s = 0.1 + 0.000625 (chord sag 8 h^2 / 8).
TEST(Rkg, ClosedFormsOnACentredArc) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.5, PI);
  const double y[2] = {0.1, 0.3};
  for (double h : {0.05, 0.0}) {
    double yout[2]; AccRecord acc;
    ASSERT_EQ(rkg(w->con, w->m, w->d.rhs, +1, 0.2, h, y, yout, acc, 2), 1);
    EXPECT_NEAR(yout[0], y[0] + y[1] * h + 4 * h * h, h > 0 ? 1e-9 : 0.0);
    EXPECT_NEAR(yout[1], y[1] + 8 * h, h > 0 ? 1e-9 : 0.0);
    EXPECT_NEAR(acc.acc[0], 2.0, 1e-9);
  }
  for (const Vec2 y0 : {Vec2{NAN, 1.0}, Vec2{0.1, INFINITY}}) {
    const StepRun r = substeps(w->con, w->m, w->d.rhs, +1, 0.2, 1e-3, 10, y0, AccRecord{}, StepRule{});
    EXPECT_TRUE(r.failed) << y0[0] << " " << y0[1]; EXPECT_EQ(r.done, 0);
  }
  StepRule rest;  rest.stop_at_rest = true;
  const StepRun r = substeps(w->con, w->m, w->d.rhs, -1, 0.2, 1e-3, 100, {0.1, 0.1}, AccRecord{}, rest);
  EXPECT_TRUE(r.at_rest); EXPECT_EQ(r.y[1], 0);
  EXPECT_NEAR(r.t, 0.2 + 0.0125, 1e-9);
  EXPECT_NEAR(r.y[0], 0.1 + 0.000625, 1e-6 + 1e-9);
}

// Fourth order: on robot 'b''s default arc the error against a 1/32-step run falls 16-fold per halving.
TEST(Rkg, ErrorFallsSixteenfoldWhenTheStepHalves) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  const auto run = [&](int n) {
    Vec2 y{0.0, 0.2}, y_in;
    AccRecord acc;
    for (int i = 0; i < n; ++i)
      EXPECT_EQ(rkg(w->con, w->m, w->d.rhs, +1, 0.2 * i / n, 0.2 / n, (y_in = y).data(), y.data(), acc, 2), 1);
    return y;
  };
  const Vec2 ref = run(128), coarse = run(4), fine = run(8);
  const auto err = [&](const Vec2& y) { return std::fabs(y[0] - ref[0]) + std::fabs(y[1] - ref[1]); };
  const double e1 = err(coarse), e2 = err(fine);
  ASSERT_GT(e2, 1e-8);  // well above the rounding of the constants
  EXPECT_NEAR(e1 / e2, 16.0, 1.0);
}

// rkg runs 200 times per step: an allocation in it (or in f, calD) is a fault.
TEST(Rkg, AllocatesNothing) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  const double y[2] = {1.0, 1.5};
  double yout[2];
  AccRecord acc;
  const long before = g_allocations;
  for (int i = 0; i < 100; ++i) rkg(w->con, w->m, w->d.rhs, +1, 0.5, 0.001, y, yout, acc, 2);
  EXPECT_EQ(g_allocations, before);
  std::string heap(100, 'x');  // proves the counter counts
  EXPECT_GT(g_allocations, before);
}

}  // namespace cpt
