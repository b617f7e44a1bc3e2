// The phase-plane coefficients at a path point: joint i's effort is
// D[i][0] sdd + D[i][1] sd^2 + D[i][2] sd + D[i][3] (model/dynamics.h). For a
// unit point mass at the hand D[i][0] = (J^T p')_i, D[i][1] = (J^T p'')_i and
// there is no friction.
#pragma once

#include <vector>

#include "core/state.h"
#include "model/paths.h"

namespace cpt {

// Joint values fi (branch nearest to ref), Jacobian J and coefficients D at s.
// Returns 0, with a console message and nothing written, when the hand point
// is out of reach (or the rigid links have no joint rates there).
int calD(Console& con, const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, JointCoeffs& D);

// calD without console messages, for callers that report an unreachable
// point themselves (the automatic optimum). `deriv`, when given, receives
// the path's derivatives at s (cpderiv), which the evaluation has anyway.
int calD_quiet(const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, JointCoeffs& D,
               PathDeriv* deriv = nullptr);

// Joint efforts of the prescribed motion (s, sd, sdd). fi holds the
// reference on entry and the joint values at s on return. rec.sdd is the
// hand's tangential acceleration (hand_sdd): for the arc and the slalom,
// whose s is an angle, sdd times the radius.
void jointacc(Console& con, const Model& m, double s, double sd, double sdd, Vec2& fi, AccRecord& rec);

// The points where the coefficients jump: the path's knots and, with
// Coulomb friction, where a joint reverses (q_i' changes sign, and with it
// the sign of D[i][3]), located to rounding; sorted, inside (0, sf).
// `evaluations`, when given, grows by the model evaluations this took.
std::vector<double> limit_knots(const Model& m, int* evaluations = nullptr);

// Largest |D[0][0]| and |D[1][0]| over 101 samples of the current path, for
// the current robot and path, into cv.Dmax00 / cv.Dmax10.
void calDmax(Console& con, const Model& m, Curves& cv);

}  // namespace cpt
