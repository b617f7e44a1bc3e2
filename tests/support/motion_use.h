// The limits of a motion rebuilt on its time grid, read by the test on its own.
#pragma once

#include "core/state.h"

namespace cpt {

// The largest use of the joint limits (acc) and of the speed limits, joint velocities and
// hand speed together (speed), 1 on a limit.
struct RowsUse {
  double acc = 0, speed = 0;
};

// The largest use of each limit by a motion rebuilt on its time grid (rows t, s, sd), by
// the test's own reading of it: between two rows sd^2 linear in s and the path
// acceleration the pair's mean in time, (sd_b - sd_a) / (t_b - t_a). At 16 points of each
// pair and at least every sf / 40000, q' and q'' by differences of the inverse kinematics
// in s give the joint velocities and, through the inverse dynamics, each joint's interval
// of path accelerations; the pair's mean must lie within the widest of them over the pair
// (a mean of admissible values does). Not within a difference step of a knot.
RowsUse rows_use(const Model& md, const Motion& mo);

}  // namespace cpt
