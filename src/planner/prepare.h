// Start-up defaults and the preparation of a new motion: what the dialog's
// computation stage does once the settings are entered, and what the tests
// and benchmarks call to get the same motion the program gets.
#pragma once

#include "core/state.h"

namespace cpt {

// The picture of a robot: its bodies, the layout and the view at start-up.
Picture default_picture(const RobotSpec& robot);

// The picture's SCARA links after the arm lengths l1, l2.
void arm_picture(const RobotSpec& robot, Picture& pic);

enum class Prepared {
  Ready,             // curves, boundary and the motion at rest are set
  StartUnreachable,  // the path's start point has no inverse kinematics
  NoBoundary,        // a path point has no inverse kinematics on the boundary
  NotFinite,         // the problem makes values that are not finite numbers
  TooFast,           // the motion would take fewer than kMinSteps steps of dt0
  Singular,          // the path passes through or too near a singular configuration
  Stuck,             // friction holds the robot: a Coulomb term at or above its limit, or a velocity limit of 0
};

// Where friction holds the robot: the joint whose Coulomb friction is at or
// above its limit (joint 0 or 1), or else the path point where the velocity
// limit falls to 0 (joint -1). None when the robot can move.
struct Stuck {
  bool stuck = false;
  int joint = -1;
  double s = 0;
};
Stuck friction_stop(const Model& m, const Curves& cv);

// Fewest steps of dt0 that the fastest motion along the path may take: below
// that the step cannot resolve the motion (a path too small or limits too
// large for the time scale of the construction).
constexpr int kMinSteps = 10;

// A lower bound of the time of any motion from rest at the start to rest at
// the end of the path, from the two extremal curves [s].
double shortest_time_bound(const Model& m, const Curves& cv);

// For the problem: its model (build_model, then the start joint values), the
// path maxima of the s-dd coefficients, both extremal curves and the
// velocity-limit boundary, all of them checked; then the view scales and the
// motion at rest at the start of the path. One diagnostic scope. The model
// is constant from here until the next preparation.
Prepared prepare_motion(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic);

}  // namespace cpt
