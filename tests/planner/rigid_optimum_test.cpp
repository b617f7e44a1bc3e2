// The optimum of real robots (rigid links, friction) against closed forms and
// an integration in time done here, and against the limits at every instant.
#include <gtest/gtest.h>

#include <cmath>

#include "planner/optimum.h"
#include "planner/prepare.h"
#include "support/world.h"

namespace cpt {
namespace {

// Robot 'a' on an arc of radius R about its base turns at sd with r fixed:
// the rotary joint needs Jr sdd + Fv sd + Fc (Jr = J0 + Ia + ma (R - da)^2 +
// mp R^2) and the prismatic one carries -k sd^2 (k = ma (R - da) + mp R),
// which caps sd at sqrt(Fmax / k). Accelerating from rest at tau,
// Jr sdd = tau - Fc - Fv sd; braking into rest, Jr sdd = -tau - Fc - Fv sd.
struct ArcCase {
  const char* name;
  double R, S, tau, Fmax, Fv, Fc;
};

// The time of the optimum worked out in time: with viscous friction sd(t)
// on the acceleration is V (1 - exp(-t / tc)), V = (tau - Fc) / Fv, tc = Jr / Fv,
// and u before the end of the braking W (exp(u / tc) - 1), W = (tau + Fc) / Fv;
// the switch is where the two rates agree and the distances add up to S.
// Without it both are constant accelerations. A cap at vc adds a cruise.
double arc_time(const ArcCase& c, double Jr, double vc) {
  const double A = (c.tau - c.Fc) / Jr, B = (c.tau + c.Fc) / Jr;
  if (c.Fv == 0) {
    const double s1 = B * c.S / (A + B), v1 = std::sqrt(2 * A * s1);
    if (v1 <= vc) return v1 / A + v1 / B;
    return vc / A + vc / B + (c.S - vc * vc / (2 * A) - vc * vc / (2 * B)) / vc;
  }
  const double tc = Jr / c.Fv, V = (c.tau - c.Fc) / c.Fv, W = (c.tau + c.Fc) / c.Fv;
  double lo = 0, hi = 100 * tc, t1 = 0, u2 = 0;
  for (int it = 0; it < 200; ++it) {
    t1 = 0.5 * (lo + hi);
    const double v1 = V * (1 - std::exp(-t1 / tc));
    u2 = tc * std::log(1 + v1 / W);
    const double s = V * (t1 - tc * (1 - std::exp(-t1 / tc))) + W * (tc * (std::exp(u2 / tc) - 1) - u2);
    (s < c.S ? lo : hi) = t1;
  }
  return t1 + u2;
}

TEST(RigidOptimum, CylindricalOnACentredArcAgainstTheMotionInTime) {
  const ArcCase cases[] = {
      {"no friction", 0.6, 2.0, 30, 500, 0, 0},
      {"Coulomb", 0.6, 2.0, 30, 500, 0, 8},
      {"Coulomb, radial force caps the rate", 0.6, 3.0, 60, 40, 0, 8},
      {"viscous and Coulomb", 0.5, 2.5, 20, 500, 6, 3},
  };
  for (const ArcCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = default_world(Robot::Cylindrical);
    RobotSpec& r = w->pb.robot;
    r.dynamics = Dynamics::RigidLinks;
    r.body.J0 = 0.3, r.body.ma = 4, r.body.Ia = 0.05, r.body.da = 0.2, r.body.mp = 2;
    r.body.Fv = {c.Fv, 1.5}, r.body.Fc = {c.Fc, 2.0};  // the prismatic joint does not move
    w->pb.a1max = c.tau, w->pb.a2max = c.Fmax;
    use_centred_arc(*w, c.R, c.S);
    const RigidBodies& b = r.body;
    const double Jr = b.J0 + b.Ia + b.ma * (c.R - b.da) * (c.R - b.da) + b.mp * c.R * c.R;
    const double k = b.ma * (c.R - b.da) + b.mp * c.R, vc = std::sqrt(c.Fmax / k);
    const double T = arc_time(c, Jr, vc);
    const Optimum o = compute_optimum(w->m);
    ASSERT_TRUE(o.ok) << o.reason;
    EXPECT_NEAR(o.T, T, 1e-6 * T);
    // On the acceleration the rotary joint is at its limit, and its torque is the
    // motion's own: Jr sdd + Fv sd + Fc.
    for (const OptimumSample& m : o.motion) {
      if (m.t == 0 || m.t >= o.T) continue;
      EXPECT_NEAR(m.acc[0], Jr * m.sdd + c.Fv * m.sd + c.Fc, 1e-6 * c.tau) << "t=" << m.t;
      EXPECT_LE(std::fabs(m.acc[0]), c.tau * (1 + 1e-6)) << "t=" << m.t;
      EXPECT_NEAR(m.acc[1], -k * m.sd * m.sd, 1e-6 * c.Fmax) << "t=" << m.t;
    }
  }
}

// Friction that holds the robot is refused before anything is built: Coulomb
// friction at a limit, and a velocity limit that falls to 0 on the way (on the
// arc the rotary joint brakes with tau + Fc but must drive with tau - Fc).
TEST(RigidOptimum, FrictionThatHoldsTheRobotIsRefused) {
  for (const double Fc : {30.0, 31.0}) {
    auto w = default_world(Robot::Cylindrical);
    RobotSpec& r = w->pb.robot;
    r.dynamics = Dynamics::RigidLinks;
    r.body.J0 = 0.3, r.body.mp = 2, r.body.Fc = {Fc, 0};
    w->pb.a1max = 30, w->pb.a2max = 500;
    use_centred_arc(*w, 0.6, 2.0);
    EXPECT_EQ(prepare(*w), Prepared::Stuck);
    const Stuck st = friction_stop(w->m, w->cv);
    EXPECT_TRUE(st.stuck);
    EXPECT_EQ(st.joint, 0);
    const Optimum o = compute_optimum(w->m);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.reason.rfind("no feasible motion", 0), 0u) << o.reason;
  }
}

}  // namespace
}  // namespace cpt
