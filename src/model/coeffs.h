// Path-to-joint coefficients: joint accelerations of a unit point mass at the
// hand are acc[i] = D[i][0] sdd + D[i][1] sd^2, with D[i][0] = (J^T p')_i and
// D[i][1] = (J^T p'')_i for the path point p(s).
#pragma once

#include "core/state.h"

namespace cpt {

// Joint values fi (branch nearest to ref), Jacobian J and coefficients D at s.
// Returns 0, with a console message and nothing written, when the hand point
// is out of reach.
int calD(Console& con, const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, Mat2& D);

// calD without console messages, for callers that report an unreachable
// point themselves (the automatic optimum).
int calD_quiet(const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, Mat2& D);

// Joint accelerations of the prescribed motion (s, sd, sdd). fi holds the
// reference on entry and the joint values at s on return. rec.sdd is the
// hand's tangential acceleration (hand_sdd): for the arc and the slalom,
// whose s is an angle, sdd times the radius.
void jointacc(Console& con, const Model& m, double s, double sd, double sdd, Vec2& fi, AccRecord& rec);

// Largest |D[0][0]| and |D[1][0]| over 101 samples of the current path, for
// the current robot and path, into cv.Dmax00 / cv.Dmax10.
void calDmax(Console& con, const Model& m, Curves& cv);

}  // namespace cpt
