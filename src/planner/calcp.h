// Rebuilding the finished trajectory on a clean time grid.
#pragma once

#include "core/state.h"

namespace cpt {

// Integrates every segment between the switching records chn[0..NCHN] again
// (along the ceiling after a ceiling record), each divided evenly into steps
// of about dt0, and stores tt, Y, A, CP, fi for steps 0..nf; rewrites
// chn[i].t with the re-integrated times, sets tf, then computes the reference
// CP motion. Returns 1, or 0 after a console message when a sub-step fails,
// breaks a joint limit or ends above a speed limit's ceiling, when a hand
// point has no inverse kinematics, when the records are out of order, when
// the steps would pass index 2000, or when the rebuilt motion does not end at
// rest at the end of the path. On failure the tables hold the steps built so far.
int calcp(Console& con, const Model& m, const Curves& cv, RhsState& rs, Motion& mo);

// The joint accelerations of step k (0..nf) of the rebuilt trajectory as the
// replay's torque graphs and the runner's CSV show them: those of the torque
// choice that drives the motion on from step k (after a switch, the new
// one's), and zero at the end, where the motion is at rest.
inline const std::array<double, 2>& shown_acc(const Motion& mo, int k) { return mo.A[k].acc; }

}  // namespace cpt
