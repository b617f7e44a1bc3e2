// The time-optimal phase-plane profile of a path, from rest at s = 0 to rest
// at s = sf, in the plane of s and x = sd^2 (dx/ds = 2 sdd, T = integral of
// ds / sqrt(x)). This part knows nothing of the program's settings: it sees
// the model only through a sampler that returns D at a path point.
//
// Method. On a grid of s, with the model sampled once at every node and at
// every interval's midpoint:
//  1. forward pass: the maximum-acceleration curve from (0, 0), one
//     fourth-order Runge-Kutta step per interval, cut down to the velocity
//     limit at every node (the largest x reachable from the start);
//  2. backward pass: the maximum-deceleration curve from (sf, 0), backwards,
//     cut down to the result of the forward pass (the largest x from which
//     the end can still be reached). The result is the optimal profile: the
//     pointwise highest feasible one.
// A ceiling of sd (the speed limits), where given, caps the velocity limit:
// both passes are cut to the lower of the two, and the profile slides along
// the ceiling wherever the joint limits admit its slope.
// The profile switches from acceleration to deceleration where the two
// curves cross, touches the velocity limit at tangent, knot and zero-inertia
// points, and follows it where it is admissible. The grid has nodes at the
// path's knots (where D jumps, evaluated on either side) and at every point
// where an s-dd coefficient changes sign (located by root finding), and is
// refined around every switch and every change of the saturated joint; the
// crossings inside an interval are solved on the curves' cubic interpolants.
#pragma once

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/state.h"

namespace cpt {

// The model at one path point, from one evaluation of it.
struct ModelPoint {
  Vec2 fi{};         // joint values (the branch nearest to the reference)
  JointCoeffs D{};   // the coefficients
  // The speed limits' ceiling of sd (+inf: none), and in `by` which of them
  // sets it (a number of its own for each, so that a change of it along the
  // path marks a corner of the ceiling).
  double ceiling = std::numeric_limits<double>::infinity();
  int by = 1;
};
// The model at path point s, following the branch from ref. False when the
// point is out of reach.
using ModelSampler = std::function<bool(double s, const Vec2& ref, ModelPoint& out)>;

// What the profile does on a piece: maximum acceleration, maximum
// deceleration, or along the velocity limit.
enum class Choice { Accel, Decel, Limit };

struct ProfileProblem {
  double sf = 0;                  // path length (end value of s)
  std::array<double, 2> amax{};   // joint limits
  Vec2 fi_start{};                // joint values at s = 0 (the branch followed)
  std::vector<double> knots;      // points inside (0, sf) where D may jump
  ModelSampler sample;
  int intervals = 600;            // initial uniform grid
  int refine_levels = 3;          // times a switch's intervals are cut into REFINE_SPLIT
  // Points around which the grid is made finer from the start, by a zoom of
  // refine_levels levels onto each: where a check of an earlier profile found
  // a limit broken between its nodes.
  std::vector<double> refine_at;
};

constexpr int REFINE_SPLIT = 8;

// One stretch of the profile with one choice, on which
// x(s) = c[0] + c[1] u + c[2] u^2 + c[3] u^3, u = s - o.
struct ProfilePart {
  double a = 0, b = 0;    // s range
  double ta = 0, tb = 0;  // times at a and b [s]
  Choice choice = Choice::Accel;
  double o = 0;
  std::array<double, 4> c{};
  bool rest_a = false, rest_b = false;  // x = 0 at a / at b (the path's ends)
};

struct Profile {
  bool ok = false;
  std::string reason;  // one line, when not ok
  double T = 0;        // total time [s]
  std::vector<ProfilePart> parts;  // in order of s, covering [0, sf]
  int evaluations = 0;             // samples of the model taken
};

Profile solve_profile(const ProfileProblem& pb);

// The one-line reason for a setting without a feasible motion: "no feasible
// motion: " and what is wrong, at s when it is given.
std::string no_motion(const char* what);
std::string no_motion(const char* what, double s);

// x = sd^2 and dx/ds on a part.
double part_x(const ProfilePart& p, double s);
double part_dx(const ProfilePart& p, double s);
// The time needed from a to b (a <= b inside the part).
double part_time(const ProfilePart& p, double a, double b);
// The point s of the part reached at time t (ta <= t <= tb).
double part_s_at(const ProfilePart& p, double t);

}  // namespace cpt
