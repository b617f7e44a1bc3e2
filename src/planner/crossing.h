// Crossings of segments and polylines in the phase plane, points (s, sd).
#pragma once

#include "core/state.h"

namespace cpt {

// 2-D cross product u.x v.y - u.y v.x.
double cross2(const Vec2& u, const Vec2& v);

// Crossing X of segment A-B with segment C-D. Returns 1 and fills X, ra (the
// fraction |X - A| / |B - A|) and rb (|X - C| / |D - C|), or returns 0 when
// they do not cross, are (nearly) parallel or have a point that is not
// finite. Touching at an end point counts.
int segment_cross(const Vec2& A, const Vec2& B, const Vec2& C, const Vec2& D, Vec2& X, double& ra,
                  double& rb);

// First crossing of polyline P[0..np] with polyline Q[0..nq]: the crossing on
// the earliest segment of P, and on that segment the earliest of Q. Returns 1
// with X, the first indices ia, ib of the two segments and the fractions
// along them, or 0 when no pair of segments crosses.
int first_crossing(int np, const Vec2* P, int nq, const Vec2* Q, Vec2& X, int& ia, int& ib,
                   double& ra, double& rb);

}  // namespace cpt
