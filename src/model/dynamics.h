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
  Vec2 c{0, 0};  // independent of the motion
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

// The coefficients at a path point with Jacobian J and path derivatives p,
// for the robot's dynamics (inline: calD's hot path).
inline PhaseCoeffs phase_coeffs(const RobotSpec& robot, const Mat2& J, const PathDeriv& p) {
  switch (robot.dynamics) {
    case Dynamics::UnitPointMass: break;
  }
  return unit_point_mass(J, p);
}

}  // namespace cpt
