// Start-up defaults and the preparation of a new motion: what the dialog's
// computation stage does once the settings are entered, and what the tests
// and benchmarks call to get the same motion the program gets.
#pragma once

#include "core/state.h"

namespace cpt {

// Fills the settings and the picture with their start-up defaults and
// computes the start joint values of every path for both robots.
void set_defaults(World& w);

enum class Prepared {
  Ready,             // curves, boundary and the motion at rest are set
  StartUnreachable,  // the path's start point has no inverse kinematics
  NoBoundary,        // a path point has no inverse kinematics on the boundary
};

// For the current settings (end point of the path already computed): the
// start joint values, the path maxima of the s-dd coefficients, both
// extremal curves and the velocity-limit boundary; then the view scales and
// the motion at rest at the start of the path.
Prepared prepare_motion(World& w);

}  // namespace cpt
