// The seven CP path curves P(s) and their derivatives with respect to s.
#pragma once

#include <vector>

#include "core/state.h"

namespace cpt {

// First and second derivatives of the path with respect to s.
struct PathDeriv {
  double xd = 0, yd = 0;    // x', y'
  double xdd = 0, ydd = 0;  // x'', y''
};

// Hand point of the current path type at s. 
void cpcurve(const Settings& st, double s, Vec2& CP);

// x', y', x'', y'' of the current path type at s.
PathDeriv cpderiv(const Settings& st, double s);

// Hand point and derivatives together (calD's hot path): the arc shares one
// sine and cosine between them; the other types call cpcurve and cpderiv.
void cppoint(const Settings& st, double s, Vec2& CP, PathDeriv& d);

// The knots of the current path: the values of s strictly inside (0, sf)
// where its curvature may jump (the U-shape's joints, the slalom's turns, the
// cam's middle), in increasing order.
std::vector<double> path_knots(const Settings& st);

// Recomputes the derived values and sf of path type c from its parameters
// (the arc's start point too, which is never entered).
void update_path_derived(Settings& st, PathType c);

}  // namespace cpt
