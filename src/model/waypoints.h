// The path through waypoints: a natural cubic spline through
// m.pb.waypoints.p[0 .. wp_n-1], x(u) and y(u) separately, with u the cumulative chord
// length (u = 0 at the first point). s is u, so it runs over [0, sf] in
// metres, sf the total chord length; |P'| is close to 1 (exactly 1 on a
// straight piece). Two points make a straight line.
//
// Outside [0, sf] the hand moves on along the tangent of the nearer end, as
// on the straight line: the natural spline has P'' = 0 at its ends, so the
// extension keeps the path C2. A NaN s reads as the start.
#pragma once

#include "model/paths.h"

namespace cpt {

// Why m.pb.waypoints.p[0 .. wp_n-1] make no waypoint path (one line, what is wrong and
// what is accepted), or nullptr when they do: fewer than 2 or more than
// NWAYPOINTS points, a coordinate that is not a finite number, two equal
// consecutive points (zero chord). `at`, when given, receives the index of
// the offending point (the second of an equal pair; wp_n for a wrong count).
const char* waypoint_fault(const Model& m, int* at = nullptr);

// Chord lengths wp_u, spline second derivatives wp_m (natural ends), start
// and end points P0, Pf and sf of the waypoint path. Points that
// waypoint_fault refuses leave a path with wp_m = 0 that stays finite as far
// as the points are.
void derive_waypoints(Model& m);

// Hand point and derivatives of the waypoint path at s (calD's hot path:
// a binary search for the segment, no allocation).
PathPoint waypoint_at(const Model& m, double s);

}  // namespace cpt
