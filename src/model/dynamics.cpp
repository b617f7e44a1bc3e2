#include "model/dynamics.h"

#include <cmath>

#include "model/kinematics.h"

namespace cpt {

namespace {

// alpha, beta and delta of the SCARA's mass matrix.
struct ScaraInertia {
  double alpha, beta, delta;
};
ScaraInertia scara_inertia(const RobotSpec& robot) {
  const RigidBodies& b = robot.body;
  const double l1 = robot.l1, l2 = robot.l2;
  return {b.I1 + b.I2 + b.m1 * b.lc1 * b.lc1 + b.m2 * (l1 * l1 + b.lc2 * b.lc2) + b.mp * (l1 * l1 + l2 * l2),
          l1 * (b.m2 * b.lc2 + b.mp * l2), b.I2 + b.m2 * b.lc2 * b.lc2 + b.mp * l2 * l2};
}

// The cylindrical robot's turning inertia Jr and k = Jr'(r) / 2 at radius r.
void cylindrical_inertia(const RigidBodies& b, double r, double& Jr, double& k) {
  const double ra = r - b.da;
  Jr = b.J0 + b.Ia + b.ma * ra * ra + b.mp * r * r;
  k = b.ma * ra + b.mp * r;
}

// The hand's acceleration at joint values with Jacobian J, moving at qd with
// qdd = 0. J's entries are the arms' projections, so no angle is taken again:
// cylindrical J = [[-r s, c], [r c, s]]; SCARA J = [[-l1 s1 - l2 s12, -l2 s12],
// [l1 c1 + l2 c12, l2 c12]].
Vec2 hand_acceleration_of_rates(const RobotSpec& robot, const Mat2& J, const Vec2& qd) {
  if (robot.kind == Robot::Cylindrical) {
    const double w = qd[0], rd = qd[1];
    return {-J[1][0] * w * w - 2 * J[1][1] * w * rd, J[0][0] * w * w + 2 * J[0][1] * w * rd};
  }
  const double w1 = qd[0], w12 = qd[0] + qd[1];
  const double l1c1 = J[1][0] - J[1][1], l1s1 = J[0][1] - J[0][0], l2c12 = J[1][1], l2s12 = -J[0][1];
  return {-l1c1 * w1 * w1 - l2c12 * w12 * w12, -l1s1 * w1 * w1 - l2s12 * w12 * w12};
}

double sign(double x) { return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0; }

Vec2 times(const Mat2& M, const Vec2& x) {
  return {M[0][0] * x[0] + M[0][1] * x[1], M[1][0] * x[0] + M[1][1] * x[1]};
}

}  // namespace

Mat2 mass_matrix(const RobotSpec& robot, const Vec2& q) {
  const RigidBodies& b = robot.body;
  Mat2 M{};
  if (robot.kind == Robot::Cylindrical) {
    double Jr = 0, k = 0;
    cylindrical_inertia(b, q[1], Jr, k);
    M = {{{Jr, 0}, {0, b.ma + b.mp}}};
  } else {
    const ScaraInertia in = scara_inertia(robot);
    const double c2 = std::cos(q[1]);
    M = {{{in.alpha + 2 * in.beta * c2, in.delta + in.beta * c2}, {in.delta + in.beta * c2, in.delta}}};
  }
  M[0][0] += reflected_inertia(b, 0);
  M[1][1] += reflected_inertia(b, 1);
  return M;
}

bool inertia_vanishes(const RobotSpec& robot) {
  // det M is a quadratic in cos q2 (SCARA) or in r (cylindrical): zero at
  // three values of it, it is zero everywhere. q2 = x gives cos q2 = 1, 0,
  // -1, or r = x.
  for (const double x : {0.0, 0.5 * PI, PI}) {
    const Mat2 M = mass_matrix(robot, {0, x});
    const double scale = M[0][0] * M[1][1];
    if (scale > 0 && M[0][0] * M[1][1] - M[0][1] * M[1][0] > 1e-12 * scale) return false;
  }
  return true;
}

Vec2 velocity_efforts(const RobotSpec& robot, const Vec2& q, const Vec2& qd) {
  if (robot.kind == Robot::Cylindrical) {
    double Jr = 0, k = 0;
    cylindrical_inertia(robot.body, q[1], Jr, k);
    return {2 * k * qd[1] * qd[0], -k * qd[0] * qd[0]};
  }
  const double bs = scara_inertia(robot).beta * std::sin(q[1]);
  return {-bs * (2 * qd[0] * qd[1] + qd[1] * qd[1]), bs * qd[0] * qd[0]};
}

Vec2 inverse_dynamics(const RobotSpec& robot, const Vec2& q, const Vec2& qd, const Vec2& qdd) {
  const Vec2 inertial = times(mass_matrix(robot, q), qdd), moving = velocity_efforts(robot, q, qd);
  const RigidBodies& b = robot.body;
  Vec2 tau;
  for (int i = 0; i < 2; ++i) tau[i] = inertial[i] + moving[i] + b.Fv[i] * qd[i] + b.Fc[i] * sign(qd[i]);
  return tau;
}

bool rigid_phase_coeffs(const RobotSpec& robot, const Vec2& q, const Mat2& J, const PathDeriv& p,
                        PhaseCoeffs& out) {
  const JointRates r = joint_rates(J, p.xd, p.yd);
  if (r.det == 0) return false;
  const Vec2 qs{r.adj_p[0] / r.det, r.adj_p[1] / r.det};  // q'
  const Vec2 h = hand_acceleration_of_rates(robot, J, qs);
  const JointRates r2 = joint_rates(J, p.xdd - h[0], p.ydd - h[1]);
  const Vec2 qss{r2.adj_p[0] / r2.det, r2.adj_p[1] / r2.det};  // q''
  const Mat2 M = mass_matrix(robot, q);
  out.a = times(M, qs);
  const Vec2 Mq2 = times(M, qss), Cq = velocity_efforts(robot, q, qs);
  const RigidBodies& b = robot.body;
  // The direction of each joint for Coulomb friction. Where q_i' is zero to
  // rounding the joint is either at rest along the path (q_i'' zero too: no
  // friction) or reversing, and then it moves the way of q_i'' right after:
  // the term jumps once, from the old direction to the new, at the reversal.
  const double q1n = std::fabs(qs[0]) + std::fabs(qs[1]), q2n = std::fabs(qss[0]) + std::fabs(qss[1]);
  for (int i = 0; i < 2; ++i) {
    out.b[i] = Mq2[i] + Cq[i];
    out.v[i] = b.Fv[i] * qs[i];
    const bool still = std::fabs(qs[i]) <= TOL_JOINT_AT_REST * q1n;
    const bool at_rest = still && std::fabs(qss[i]) <= TOL_JOINT_AT_REST * (q2n + q1n * q1n);
    out.c[i] = at_rest ? 0.0 : b.Fc[i] * sign(still ? qss[i] : qs[i]);
  }
  return true;
}

}  // namespace cpt
