#include "planner/integrator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include "model/paths.h"
#include "support/world.h"

// Counts every allocation of the test program, so that a test can show that
// a call allocates nothing.
static long g_allocations = 0;
void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Robot 'a' on a straight line along the x axis, away from the base, starting
// at (x0, y0). On the axis itself (y0 = 0) the hand moves along the arm:
// D = ((0, 0), (1, 0)), D[0][0] is floored to 1e-5, and the largest
// admissible sdd is a2max whatever the state.
std::unique_ptr<World> radial_line(double x0, double y0) {
  auto w = default_world('a', 7);
  Settings& st = w->st;
  st.P0[7] = {x0, y0};
  st.line_beta = 0;
  st.line_l = 0.5;
  update_path_derived(st, 7);
  return w;
}

// Integrates (s, sd) from `y0` over time T in n steps of rkg.
Vec2 integrate(World& w, Vec2 y, double T, int n) {
  AccRecord acc;
  const double h = T / n;
  for (int i = 0; i < n; ++i) {
    const Vec2 y_in = y;
    EXPECT_EQ(rkg(w.st, w.rhs, +1, 0.1 + i * h, h, y_in.data(), y.data(), acc, 2), 1);
  }
  return y;
}

TEST(Rkg, ExactForAConstantPathAcceleration) {
  auto w = radial_line(0.3, 0.0);
  const double a = w->st.a2max;  // sdd = a2max on the radial line
  const double y[2] = {0.1, 0.3};
  const double h = 0.05;
  double yout[2];
  AccRecord acc;
  ASSERT_EQ(rkg(w->st, w->rhs, +1, 0.2, h, y, yout, acc, 2), 1);
  // s = s0 + sd0 h + a h^2 / 2, sd = sd0 + a h; the method is exact for a
  // constant right-hand side apart from its 8-9 digit constants.
  EXPECT_NEAR(yout[0], 0.1 + 0.3 * h + 0.5 * a * h * h, 1e-9);
  EXPECT_NEAR(yout[1], 0.3 + a * h, 1e-9);
  EXPECT_NEAR(acc.sdd, a, 1e-12);
  EXPECT_NEAR(acc.acc[1], a, 1e-12);
}

TEST(Rkg, ZeroStepLeavesTheStateAndRefreshesTheRecord) {
  auto w = radial_line(0.3, 0.0);
  const double y[2] = {0.2, 0.7};
  double yout[2] = {-1, -1};
  AccRecord acc{-9, {-9, -9}};
  ASSERT_EQ(rkg(w->st, w->rhs, +1, 0.2, 0.0, y, yout, acc, 2), 1);
  EXPECT_EQ(yout[0], y[0]);
  EXPECT_EQ(yout[1], y[1]);
  EXPECT_NEAR(acc.sdd, w->st.a2max, 1e-12);  // evaluated at the starting state
}

TEST(Rkg, RejectsAnOversizedState) {
  auto w = radial_line(0.3, 0.0);
  double y[RKG_MAXN + 1] = {}, yout[RKG_MAXN + 1] = {};
  AccRecord acc;
  EXPECT_EQ(rkg(w->st, w->rhs, +1, 0.1, 0.01, y, yout, acc, RKG_MAXN + 1), 0);
}

// Fourth order: the error falls about 2^4 = 16 times when the step halves.
// Off the axis (y0 = 0.3) joint 2 binds with sdd = a2max r / x, which varies
// along the line (joint 1 is given room enough never to bind). The reference
// is the same integration with 1/32 of the coarse step.
TEST(Rkg, ErrorFallsSixteenfoldWhenTheStepHalves) {
  auto w = radial_line(0.05, 0.3);
  w->st.a1max = 100;
  const Vec2 y0{0.0, 0.2};
  const double T = 0.4;
  const Vec2 ref = integrate(*w, y0, T, 128);
  const Vec2 coarse = integrate(*w, y0, T, 4);
  const Vec2 fine = integrate(*w, y0, T, 8);
  const double e1 = std::fabs(coarse[0] - ref[0]) + std::fabs(coarse[1] - ref[1]);
  const double e2 = std::fabs(fine[0] - ref[0]) + std::fabs(fine[1] - ref[1]);
  ASSERT_GT(e2, 1e-7);  // well above the rounding of the method's constants
  EXPECT_GT(e1 / e2, 12.0);
  EXPECT_LT(e1 / e2, 20.0);
}

// Calls are independent: no accumulator is carried from one step to the next.
TEST(Rkg, ConsecutiveCallsAreIndependent) {
  auto w = radial_line(0.05, 0.3);
  const double y[2] = {0.1, 0.5};
  double first[2], again[2], other[2];
  AccRecord acc;
  rkg(w->st, w->rhs, +1, 0.3, 0.01, y, first, acc, 2);
  const double z[2] = {0.3, 0.1};
  rkg(w->st, w->rhs, -1, 0.3, 0.02, z, other, acc, 2);
  rkg(w->st, w->rhs, +1, 0.3, 0.01, y, again, acc, 2);
  EXPECT_EQ(first[0], again[0]);
  EXPECT_EQ(first[1], again[1]);
}

// rkg, and through it f and calD, allocate nothing (robot 'b', default arc).
TEST(Rkg, AllocatesNothing) {
  auto w = default_world('b', 1);
  const double y[2] = {1.0, 1.5};
  double yout[2];
  AccRecord acc;
  const long before = g_allocations;
  for (int i = 0; i < 100; ++i) rkg(w->st, w->rhs, +1, 0.5, 0.001, y, yout, acc, 2);
  EXPECT_EQ(g_allocations, before);
  // The counter does count: a std::string of this length lives on the heap.
  std::string heap(100, 'x');
  EXPECT_GT(g_allocations, before);
}

}  // namespace
