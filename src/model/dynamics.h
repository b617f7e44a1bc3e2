// The robot's dynamics along the path, in the form of the phase plane: the
// effort of joint i at a path point is
//   tau_i = a_i(s) sdd + b_i(s) sd^2 + c_i(s),
// with the joint limits |tau_i| <= a1max, a2max. The robot's kinematics give
// J at the joint values; the path gives p' and p''.
#pragma once

#include "core/state.h"
#include "model/paths.h"

namespace cpt {

struct PhaseCoeffs {
  Vec2 a{0, 0};  // per unit sdd
  Vec2 b{0, 0};  // per unit sd^2
  Vec2 v{0, 0};  // per unit sd (viscous friction)
  Vec2 c{0, 0};  // independent of the motion (Coulomb friction, by the sign of q')
};

// The unit point mass at the hand on massless links: tau = J^T m p-dd with
// m = 1 and p-dd = p' sdd + p'' sd^2, so a = J^T p', b = J^T p'' and c = 0.
inline PhaseCoeffs unit_point_mass(const Mat2& J, const PathDeriv& p) {
  PhaseCoeffs k;
  for (int i = 0; i < 2; ++i) {
    k.a[i] = J[0][i] * p.xd + J[1][i] * p.yd;
    k.b[i] = J[0][i] * p.xdd + J[1][i] * p.ydd;
  }
  return k;
}

bool rigid_phase_coeffs(const RobotSpec& robot, const Vec2& q, const Mat2& J, const PathDeriv& p,
                        PhaseCoeffs& out);

// The coefficients at joint values q with Jacobian J and path derivatives p,
// for the robot's dynamics (inline: calD's hot path). False where the rigid
// links have no q' (J singular).
inline bool phase_coeffs(const RobotSpec& robot, const Vec2& q, const Mat2& J, const PathDeriv& p,
                         PhaseCoeffs& out) {
  if (robot.dynamics == Dynamics::RigidLinks) return rigid_phase_coeffs(robot, q, J, p, out);
  out = unit_point_mass(J, p);
  return true;
}

// ---- Rigid links ----
//
// SCARA, links of masses m1, m2 with centres at lc1, lc2 and inertias I1, I2,
// a payload mp at the hand:
//   alpha = I1 + I2 + m1 lc1^2 + m2 (l1^2 + lc2^2) + mp (l1^2 + l2^2)
//   beta  = l1 (m2 lc2 + mp l2),  delta = I2 + m2 lc2^2 + mp l2^2
//   M = [[alpha + 2 beta cos q2, delta + beta cos q2], [delta + beta cos q2, delta]]
//   C(q, qd) qd = [-beta sin q2 (2 q1d q2d + q2d^2), beta sin q2 q1d^2]
// Cylindrical, q = (theta, r), with Jr = J0 + Ia + ma (r - da)^2 + mp r^2 and
// k = ma (r - da) + mp r:
//   M = diag(Jr, ma + mp),  C(q, qd) qd = [2 k rd thetad, -k thetad^2]
// Both: each rotor's inertia on its joint's diagonal of M, viscous friction
// Fv qd and Coulomb friction Fc sign(qd).

// The inertia that motor j's rotor adds to joint j: n^2 Jm [kg m^2, or kg
// for the prismatic joint].
inline double reflected_inertia(const RigidBodies& b, int j) { return b.gear[j] * b.gear[j] * b.Jm[j]; }

// The mass matrix at q, rotors included.
Mat2 mass_matrix(const RobotSpec& robot, const Vec2& q);

// True when the mass matrix is singular at every joint value: some motion of
// the joints moves nothing that has mass or inertia (no payload, links or
// rotors to accelerate), so that no effort limit bounds it. (Singular at some
// joint values only is the kinematics' singularity, as for the point mass.)
bool inertia_vanishes(const RobotSpec& robot);

// The Coriolis and centrifugal efforts C(q, qd) qd.
Vec2 velocity_efforts(const RobotSpec& robot, const Vec2& q, const Vec2& qd);

// The joint efforts of the motion (q, qd, qdd): M qdd + C qd + Fv qd + Fc sign(qd).
Vec2 inverse_dynamics(const RobotSpec& robot, const Vec2& q, const Vec2& qd, const Vec2& qdd);

// The phase-plane coefficients of the rigid links at joint values q with
// Jacobian J and path derivatives p: q' = J^-1 p', q'' = J^-1 (p'' - Jd q')
// (Jd q' the hand's acceleration at q' with q'' = 0), then a = M q',
// b = M q'' + C(q, q') q', v = Fv q', c = Fc sign(q'). False where J is
// singular (no q').
bool rigid_phase_coeffs(const RobotSpec& robot, const Vec2& q, const Mat2& J, const PathDeriv& p,
                        PhaseCoeffs& out);

}  // namespace cpt
