// The switching report printed after a trajectory has been rebuilt.
#pragma once

#include "core/state.h"
#include "planner/optimum.h"

namespace cpt {

// Scans the joint accelerations A[0..n] for joint-torque switchings (a joint
// reaching or leaving its limit, or reversing from one limit to the other)
// into tsw, with tsw[0] the start and tsw[NCT] the end of the motion, and
// prints the switching records chn[0..NCHN] and tsw[0..NCT]. Sets and returns
// NCT. Switchings that do not fit into tsw are not recorded (with a console
// note); the end of the motion is always recorded last.
int switching_report(const Model& m, Motion& mo, int n);

// Prints the automatic optimum's time and its switch points, one line each
// (time, s, sd, and the choices before and after), or its reason when there
// is no feasible motion.
void optimum_report(const Optimum& o);

}  // namespace cpt
