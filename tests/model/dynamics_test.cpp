// The rigid-link dynamics of both robots, checked against physics computed here
// independently: the kinetic energy of the bodies' points and Lagrange's equations
// by finite differences, the unit point mass it must reduce to, and the motion along
// a path from joint values by finite differences in s.
#include "model/dynamics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/kinematics.h"
#include "support/bodies.h"
#include "support/world.h"

namespace cpt {
namespace {

RigidBodies random_bodies(std::mt19937& rng, bool friction) {
  std::uniform_real_distribution<double> u(0.1, 3.0);
  RigidBodies b;
  b.m1 = u(rng), b.m2 = u(rng), b.lc1 = 0.1 * u(rng), b.lc2 = 0.1 * u(rng), b.I1 = 0.05 * u(rng), b.I2 = 0.05 * u(rng);
  b.J0 = 0.1 * u(rng), b.ma = u(rng), b.Ia = 0.05 * u(rng), b.da = 0.1 * u(rng), b.mp = u(rng);
  b.Jm = {1e-4 * u(rng), 1e-4 * u(rng)}, b.gear = {10 * u(rng), 10 * u(rng)};
  if (friction) b.Fv = {u(rng), u(rng)}, b.Fc = {u(rng), u(rng)};
  return b;
}

// Lagrange's equations, d/dt dT/dqd - dT/dq, by central differences along q + qd t + qdd t^2 / 2.
Vec2 lagrange(const RobotSpec& r, const Vec2& q, const Vec2& qd, const Vec2& qdd) {
  // T is quadratic in qd, so that its difference in qd is exact with any step.
  const double h = 1e-4, e = 1e-5, ed = 1.0;
  const auto dT_dqd = [&](const Vec2& x, const Vec2& xd, int i) {
    Vec2 up = xd, dn = xd;
    up[i] += ed, dn[i] -= ed;
    return (kinetic_energy(r, x, up) - kinetic_energy(r, x, dn)) / (2 * ed);
  };
  Vec2 tau;
  for (int i = 0; i < 2; ++i) {
    const auto along = [&](double t) {
      return dT_dqd({q[0] + qd[0] * t + 0.5 * qdd[0] * t * t, q[1] + qd[1] * t + 0.5 * qdd[1] * t * t},
                    {qd[0] + qdd[0] * t, qd[1] + qdd[1] * t}, i);
    };
    Vec2 up = q, dn = q;
    up[i] += e, dn[i] -= e;
    tau[i] = (along(h) - along(-h)) / (2 * h) - (kinetic_energy(r, up, qd) - kinetic_energy(r, dn, qd)) / (2 * e);
  }
  return tau;
}

// Catches a wrong term of M (a missing parallel-axis part, a rotor on the wrong joint, the
// cylindrical arm's centre on the wrong side) or of C (a factor 2, a sign, a swapped joint).
TEST(Dynamics, InverseDynamicsIsLagrangesEquations) {
  std::mt19937 rng(2612);
  std::uniform_real_distribution<double> u(-1, 1);
  for (const Robot kind : {Robot::Scara, Robot::Cylindrical}) {
    for (int n = 0; n < 40; ++n) {
      RobotSpec r;
      r.kind = kind, r.l1 = 0.4, r.l2 = 0.25, r.body = random_bodies(rng, false);
      const Vec2 q{PI * u(rng), kind == Robot::Scara ? PI * u(rng) : 0.6 + 0.3 * u(rng)};
      const Vec2 qd{3 * u(rng), 3 * u(rng)}, qdd{10 * u(rng), 10 * u(rng)};
      const Vec2 got = inverse_dynamics(r, q, qd, qdd), want = lagrange(r, q, qd, qdd);
      for (int i = 0; i < 2; ++i) EXPECT_NEAR(got[i], want[i], 1e-6 * (1 + std::fabs(want[i]))) << kind << " case " << n << " joint " << i;
    }
  }
}

// Massless links with a unit payload and nothing else are today's point mass, to rounding.
TEST(Dynamics, UnitPayloadOnMasslessLinksIsThePointMass) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(-1, 1);
  for (const Robot kind : {Robot::Scara, Robot::Cylindrical}) {
    for (int n = 0; n < 200; ++n) {
      RobotSpec r;
      r.kind = kind, r.l1 = 0.5, r.l2 = 0.5;
      // Away from the singular configurations (the SCARA stretched or folded, the axis).
      const Vec2 q{PI * u(rng), kind == Robot::Scara ? (0.5 + 0.3 * u(rng)) * PI * (u(rng) < 0 ? -1 : 1) : 0.6 + 0.4 * u(rng)};
      const PathDeriv p{u(rng), u(rng), 5 * u(rng), 5 * u(rng)};
      const Mat2 J = jacobian(r, q);
      PhaseCoeffs k;
      ASSERT_TRUE(rigid_phase_coeffs(r, q, J, p, k));
      const PhaseCoeffs want = unit_point_mass(J, p);
      for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(k.a[i], want.a[i], 1e-12 * (1 + std::fabs(want.a[i]))) << kind << n;
        EXPECT_NEAR(k.b[i], want.b[i], 1e-11 * (1 + std::fabs(want.b[i]))) << kind << n;
        EXPECT_EQ(k.v[i], 0); EXPECT_EQ(k.c[i], 0);
      }
    }
  }
}

// Along real paths, with friction: the efforts of a motion (s, sd, sdd) from joint values
// taken by inverse kinematics at s and s +- h (q' and q'' by differences) are
// a sdd + b sd^2 + v sd + c (the arc passes a point where the cylindrical robot's
// radius turns back, with its Coulomb friction's sign open).
TEST(Dynamics, PhaseCoefficientsGiveTheEffortsOfTheMotion) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(0, 1);
  for (const Robot kind : {Robot::Scara, Robot::Cylindrical}) {
    for (const PathType c : {PathType::Arc, PathType::Sine, PathType::CycloidCam}) {
      auto w = default_world(kind, c);
      RobotSpec r = w->m.pb.robot;
      r.body = random_bodies(rng, true);
      for (int n = 1; n < 20; ++n) {
        const double s = w->m.sf * n / 20, h = 1e-4, sd = 3 * u(rng), sdd = 20 * (u(rng) - 0.5);
        Vec2 P[3], Q[3];
        Vec2 ref = w->m.fi0;
        for (int j = 0; j < 3; ++j) {
          cpcurve(w->m, s + (j - 1) * h, P[j]);
          ASSERT_TRUE(inv_quiet(r, P[j][0], P[j][1], j ? Q[0] : ref, Q[j]));
        }
        const Vec2 q1{(Q[2][0] - Q[0][0]) / (2 * h), (Q[2][1] - Q[0][1]) / (2 * h)};
        const Vec2 q2{(Q[2][0] - 2 * Q[1][0] + Q[0][0]) / (h * h), (Q[2][1] - 2 * Q[1][1] + Q[0][1]) / (h * h)};
        // Where a joint turns back (q' = 0) the sign of its Coulomb friction is open.
        if (std::fabs(q1[0]) < 1e-6 || std::fabs(q1[1]) < 1e-6) continue;
        const Vec2 tau = inverse_dynamics(r, Q[1], {q1[0] * sd, q1[1] * sd},
                                          {q1[0] * sdd + q2[0] * sd * sd, q1[1] * sdd + q2[1] * sd * sd});
        PhaseCoeffs k;
        ASSERT_TRUE(rigid_phase_coeffs(r, Q[1], jacobian(r, Q[1]), cpderiv(w->m, s), k));
        for (int i = 0; i < 2; ++i)
          EXPECT_NEAR(k.a[i] * sdd + k.b[i] * sd * sd + k.v[i] * sd + k.c[i], tau[i], 1e-4 * (1 + std::fabs(tau[i])))
              << kind << " path " << c << " s=" << s << " joint " << i;
      }
    }
  }
}

}  // namespace
}  // namespace cpt
