// Landing the hand-built trajectory on the maximum-deceleration curve into
// the end of the path (the 'f' key).
#pragma once

#include "core/state.h"

namespace cpt {

// A landed or rebuilt motion must come to rest within TOL_END * sf of the end
// of the path, with a rate of at most TOL_END_SD [1/s] (core/tolerances.h).
// Sound constructions end within 1e-4 * sf and 1e-6 / s (both robots, every
// path type).

enum class Landing {
  Landed,
  NoCrossing,    // the trajectory does not cross the end curve (yet)
  Decelerating,  // the trajectory decelerates where it crosses the end curve
  Failed,        // the deceleration could not be integrated
  ShortOfEnd,    // the deceleration comes to rest away from the end of the path
  TooLong,       // the descent or the records would pass their tables
  AboveCeiling,  // the deceleration passes above a speed limit's ceiling
};

// Lands the trajectory built up to step `upto` (the current step for the 'f'
// key), whose switching records are chn[1..NCHN]; the landing takes the
// records from NCHN + 1 on. Cuts the trajectory back to its first crossing
// with cv.curve_end, drops the switching records made after that point,
// records the switch to deceleration there, integrates on with maximum
// deceleration until sd reaches 0 and records the end point, with the end
// time interpolated to sd = 0; the end point must lie within TOL_END of the
// end of the path. Sets nf, tf, t, torque_sel = -1 and NCHN to the end record
// (commit_landing). Returns Landed, or why not with nothing changed (motion
// and f's memory).
Landing land_final(Console& con, const Model& m, RhsState& rs, const Curves& cv, Motion& mo, int upto);

}  // namespace cpt
