// The reports of a rebuilt motion and of the automatic optimum, as text for
// the programs to print.
#pragma once

#include <string>

#include "core/state.h"
#include "planner/optimum.h"

namespace cpt {

// Scans the joint accelerations A[0..n] for joint-torque switchings (a joint
// reaching or leaving its limit, or reversing from one limit to the other)
// into tsw, with tsw[0] the start and tsw[NCT] the end of the motion. Sets
// and returns NCT. Switchings that do not fit into tsw are not recorded
// (their number in `dropped`); the end of the motion is always recorded last.
int switching_times(const Model& m, Motion& mo, int n, int& dropped);

// The report of a rebuilt motion, in the language lang: the switching records chn[0..NCHN] and
// tsw[0..NCT], after a note of the dropped switchings, if any.
std::string switching_report(Lang lang, const Motion& mo, int dropped);

// The automatic optimum's time and its switch points, one line each (time,
// s, sd, and the choices before and after), or its reason when there is no
// feasible motion.
std::string optimum_report(Lang lang, const Optimum& o);

}  // namespace cpt
