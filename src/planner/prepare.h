// Start-up defaults and the preparation of a new motion: what the dialog's
// computation stage does once the settings are entered, and what the tests
// and benchmarks call to get the same motion the program gets.
#pragma once

#include "core/state.h"

namespace cpt {

// Fills the settings and the picture with their start-up defaults and
// computes the start joint values of every path for both robots.
void set_defaults(World& w);

// The picture's SCARA links after the arm lengths st.l1, st.l2.
void arm_picture(const Settings& st, Picture& pic);

enum class Prepared {
  Ready,             // curves, boundary and the motion at rest are set
  StartUnreachable,  // the path's start point has no inverse kinematics
  NoBoundary,        // a path point has no inverse kinematics on the boundary
  NotFinite,         // the settings make values that are not finite numbers
  TooFast,           // the motion would take fewer than kMinSteps steps of dt0
  Singular,          // the path passes through or too near a singular configuration
};

// Fewest steps of dt0 that the fastest motion along the path may take: below
// that the step cannot resolve the motion (a path too small or limits too
// large for the time scale of the construction).
constexpr int kMinSteps = 10;

// A lower bound of the time of any motion from rest at the start to rest at
// the end of the path, from the two extremal curves [s].
double shortest_time_bound(const Settings& st, const Curves& cv);

// For the current settings (end point of the path already computed): the
// start joint values, the path maxima of the s-dd coefficients, both
// extremal curves and the velocity-limit boundary, all of them checked; then
// the view scales and the motion at rest at the start of the path. One
// diagnostic scope.
Prepared prepare_motion(World& w);

}  // namespace cpt
