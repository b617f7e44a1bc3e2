// The optimum of real robots (rigid links, friction) against closed forms and
// an integration in time done here, and against the limits at every instant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "planner/optimum.h"
#include "planner/prepare.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "support/bodies.h"
#include "support/console_capture.h"
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

// The power balance along the optimum of the example robots, with and without their
// friction: the work of the program's efforts (its coefficients at each instant, with the
// profile's own s-dd) on joint rates taken by differences in time of the joint values
// equals the change of kinetic energy (of the bodies, written out in the test) plus the
// work of friction (Fv qd^2 + Fc |qd|), at every instant of the motion.
TEST(RigidOptimum, PowerBalanceAlongTheOptimum) {
  for (const char* name : {"scara-industrial", "teaching-arm", "cylindrical-arm"}) {
    for (const bool friction : {true, false}) {
      SCOPED_TRACE(::testing::Message() << name << (friction ? " with friction" : " without friction"));
      auto w = std::make_unique<App>();
      std::string error;
      ASSERT_TRUE(app_load_problem(*w, std::string(CPT_SOURCE_DIR) + "/examples/" + name + ".yaml", error)) << error;
      RigidBodies& b = w->pb.robot.body;
      if (!friction) b.Fv = b.Fc = {0, 0};
      rebuild_model(*w);
      const Model& md = w->m;
      const Optimum o = compute_optimum(md);
      ASSERT_TRUE(o.ok) << o.reason;
      const double h = 2e-5;
      const auto joints_at = [&](double t, Vec2& ref) {
        Vec2 p, q;
        cpcurve(md, optimum_s_at(o, std::clamp(t, 0.0, o.T)), p);
        EXPECT_TRUE(inv_quiet(md.pb.robot, p[0], p[1], ref, q));
        return ref = q;
      };
      Vec2 ref = md.fi0;
      double work = 0, friction_work = 0, prev_power = 0, prev_lost = 0, worst = 0, top = 0;
      for (int k = 0; k * h <= o.T; ++k) {
        const double t = k * h, s = optimum_s_at(o, t);
        Vec2 r0 = ref;
        const Vec2 qa = joints_at(t - h, r0), q = joints_at(t, r0), qb = joints_at(t + h, r0);
        ref = q;
        const Vec2 qd{(qb[0] - qa[0]) / (2 * h), (qb[1] - qa[1]) / (2 * h)};
        // The program's efforts at t.
        const auto part = std::lower_bound(o.parts.begin(), o.parts.end(), s,
                                           [](const ProfilePart& p, double v) { return p.b < v; });
        const double x = part_x(*part, s), sdd = 0.5 * part_dx(*part, s);
        Vec2 fi;
        Mat2 J;
        JointCoeffs D;
        ASSERT_EQ(calD_quiet(md, s, q, fi, J, D), 1);
        double power = 0, lost = 0;
        for (int i = 0; i < 2; ++i) {
          power += joint_effort(D, i, sdd, x, std::sqrt(x)) * qd[i];
          lost += b.Fv[i] * qd[i] * qd[i] + b.Fc[i] * std::fabs(qd[i]);
        }
        if (k > 0) work += 0.5 * h * (power + prev_power), friction_work += 0.5 * h * (lost + prev_lost);
        prev_power = power, prev_lost = lost;
        const double ke = kinetic_energy(md.pb.robot, q, qd);
        top = std::max(top, ke);
        worst = std::max(worst, std::fabs(work - friction_work - ke));
      }
      EXPECT_GT(top, 0.0);
      EXPECT_LE(worst, 2e-3 * top) << "top " << top;
      if (!friction) { EXPECT_EQ(friction_work, 0.0); }
    }
  }
}

}  // namespace
}  // namespace cpt
