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

// The coefficients at a path point with Jacobian J and path derivatives p.
// The unit point mass at the hand on massless links: tau = J^T m p-dd with
// m = 1, so a = J^T p', b = J^T p'' and c = 0.
PhaseCoeffs phase_coeffs(const RobotSpec& robot, const Mat2& J, const PathDeriv& p);

}  // namespace cpt
