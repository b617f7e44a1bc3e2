// The speed limits as ceilings of the phase plane. A joint velocity limit
// |qd_i| <= vmax[i] with qd = (dq/ds) sd and dq/ds = J^{-1} p'(s) bounds
//   sd <= vmax[i] / |dq_i/ds|,
// and the hand speed limit |p'(s)| sd <= vtool bounds sd <= vtool / |p'(s)|.
// The ceiling at s is the lowest of the set limits (+inf when none is set).
#pragma once

#include "core/state.h"
#include "model/paths.h"
#include "model/phase_bounds.h"

namespace cpt {

struct Ceiling {
  double sd = 0;                     // the ceiling of sd (+inf: none)
  SpeedLimit by = SpeedLimit::None;  // the limit that sets it
};

// A point on the ceiling with what it takes to stay there.
struct CeilingPoint {
  Ceiling c;
  AccRecord acc;   // path acceleration along the ceiling (sd dsd/ds) and the joint accelerations it needs
  Vec2 fi{};       // joint values at s
};

// The console's name of a limit: "関節1", "関節2", "手先" ("" for None).
const char* speed_limit_name(Lang lang, SpeedLimit l);

// The ceiling from the Jacobian J at s and the path's derivatives there.
Ceiling ceiling_of(const Model& m, const Mat2& J, const PathDeriv& p);

// The model's limits at path point s, from one evaluation of it: the joints'
// intervals of s-dd and the velocity limit, lowered to the speed limits'
// ceiling, with the coefficients D and the joint values fi (the branch
// nearest to ref; ref and fi may be the same). False when s is out of reach.
bool model_bounds(const Model& m, double s, const Vec2& ref, Vec2& fi, JointCoeffs& D, PointBounds& b);

// The ceiling at s, with the branch nearest to ref (fi gets the joint values).
// False when s is out of reach. +inf without any work when no limit is set.
bool ceiling_at(const Model& m, double s, const Vec2& ref, Vec2& fi, Ceiling& c);

// The ceiling at s with the path acceleration and joint accelerations of a
// motion along it (its slope by central differences of the ceiling). False
// when a point is out of reach or no limit is set.
bool ceiling_point(const Model& m, double s, const Vec2& ref, CeilingPoint& out);

}  // namespace cpt
