// The reference CP motion: a trapezoidal profile of s (constant path
// acceleration a, cruise at rate v, constant deceleration) whose a is the
// largest, in steps of 5 %, at which neither joint exceeds its limit, and
// whose cruise rate v stays below the speed limits' lowest ceiling.
#pragma once

#include "core/state.h"

namespace cpt {

// The profile of the reference motion.
struct Trapezoid {
  double a = 0;   // path acceleration
  double ta = 0;  // acceleration time [s]
  double v = 0;   // cruise rate
  double sa = 0;  // s covered while accelerating
  double tb = 0;  // start of the deceleration [s]
  double Tn = 0;  // duration [s]
};

// Profile for path length sf and acceleration a, starting from acceleration
// time ta (0.5 s at first). Returns 0 when sf or a is not positive.
int trapezoid(double sf, double a, double ta, Trapezoid& p);

// s, sd and sdd of the profile at time t; past Tn at rest at sf.
void trapezoid_at(const Trapezoid& p, double sf, double t, double& s, double& sd, double& sdd);

// Computes Tn, nn and the tables Yn, CPn, fin, An on the time grid tt[0..nf]
// of the optimal motion, continuing tt past nf in steps of dt0 until the
// reference motion has reached the end of the path (index 2000 at most).
// Reads Dmax00/Dmax10 of
// cv for the current robot and path.
void reference_motion(Console& con, const Model& m, const Curves& cv, Motion& mo);

}  // namespace cpt
