// Landing the hand-built trajectory on the maximum-deceleration curve into
// the end of the path (the 'f' key).
#pragma once

#include "core/state.h"

namespace cpt {

// Precondition (made by the 'f' key): mo.NCHN has just been incremented and
// chn_step[NCHN] holds the current step. Cuts the trajectory back to its first
// crossing with cv.curve_end, records the switch to deceleration there,
// integrates on with maximum deceleration until sd reaches 0 and records the
// end point, with the end time interpolated to sd = 0. Sets nf, tf, t,
// torque_sel = -1 and NCHN + 1.
// Returns 1, or 0 with nothing changed (motion and f's memory) when the
// trajectory does not cross curve_end, or when the descent would pass the
// last step index or the switching record would pass the last record.
int land_final(const Settings& st, RhsState& rs, const Curves& cv, Motion& mo);

}  // namespace cpt
