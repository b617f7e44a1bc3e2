// The tolerances of the numerics (model/, planner/, interaction/), all in one
// place and one style: TOL_<what>. Each value is used exactly as written here.
// Relative ones say what they are relative to.
#pragma once

namespace cpt {

// ---- the phase-plane right-hand side f and the model (model/) ----

// Smallest |D[0][0]|, |D[1][0]| that f divides by (rhs.cpp).
constexpr double TOL_D = 1e-5;
// f traces a point once when both |D[0][0]| and |D[1][0]| are below this (rhs.cpp).
constexpr double TOL_D_TRACE = 0.01;
// Determinant floor of the velocity-limit boundary (boundary.cpp).
constexpr double TOL_DET = 1e-5;
// Switching scan: a joint acceleration this far from its limit is away from it (limits.cpp).
constexpr double TOL_SWITCH_AWAY = 0.001;
// Switching scan: a joint acceleration this close to its limit is on it (limits.cpp).
constexpr double TOL_SWITCH_ON = 0.00001;
// "On the ceiling", relative to the ceiling: closer counts as on it, also the
// construction's test of a step above it (ceiling_run.cpp, keys.cpp).
constexpr double TOL_CEILING = 1e-6;
// Step of the ceiling's central differences, relative to max(1, sf) (ceiling.cpp).
constexpr double TOL_CEILING_DS = 1e-6;
// A path that comes closer than this to a singular configuration is refused [m] (singular.h).
constexpr double TOL_SINGULAR_DIST = 1e-4;
// Slack of the halving that counts a slalom's pairs of turns (paths.cpp).
constexpr double TOL_SLALOM_PAIRS = 0.001;

// ---- joint limits of the construction, calcp and the curves (planner/, interaction/) ----

// Joint limit test of a construction step and of calcp.
constexpr double TOL_STEP = 0.0001;
// Joint limit test of the look-ahead and the extremal curves.
constexpr double TOL_CURVE = 0.001;
// Velocity limit at a knot, relative to it (integrator.cpp).
constexpr double TOL_KNOT = 1e-4;
// |det / dx1| below this takes two segments as parallel (crossing.cpp).
constexpr double TOL_PARALLEL = 0.0001;
// Guard of the truncation that counts the steps of a segment [s] (calcp.cpp).
constexpr double TOL_SPAN = 1e-6;
// A landed or rebuilt motion comes to rest within this part of sf of the end
// of the path (landing.cpp, calcp.cpp, motion_check.cpp).
constexpr double TOL_END = 1e-3;
// ... with a rate of at most this [1/s].
constexpr double TOL_END_SD = 1e-3;

// ---- the check of a motion (planner/motion_check) ----

// A limit is broken where it is used beyond 1 + TOL_CHECK (see motion_check.h).
constexpr double TOL_CHECK = 1e-3;
// A checked motion starts at s = 0 and never runs back along s, to this part of sf.
constexpr double TOL_CHECK_S = 1e-12;
// Floor of the rate-jump test at rows of one s, in x = sd^2.
constexpr double TOL_CHECK_X = 1e-12;
// The time between two rows against the time the check reads from them
// (sd^2 linear in s: 2 h / (sd_a + sd_b)): they may differ by this part of
// it and TOL_PAIR_TIME_ABS [s] more. A 10 ms row pair of a rebuilt motion
// keeps within 2 % (its sd^2 bends a little), and a rebuild's segment starts
// again within some microseconds of where the one before ended; a step lost
// or counted twice is off by its whole length.
constexpr double TOL_PAIR_TIME = 0.05;
constexpr double TOL_PAIR_TIME_ABS = 1e-4;

// ---- the phase-plane solver of the optimum (planner/phase_*, optimum.cpp) ----

// A joint whose q_i' = dq_i/ds is at most this fraction of |q_0'| + |q_1'|,
// and whose q_i'' is as small against |q''| + |q'|^2, counts as at rest along
// the path: no Coulomb friction acts on it (the rounding of J^-1 p' must not
// give a joint that does not move a sign). A joint that reverses has q_i'' not
// zero, so that its Coulomb term jumps right where q_i' changes sign.
constexpr double TOL_JOINT_AT_REST = 1e-12;

// Below this ratio |D[i][0]| / |D[i][1]| a joint counts as bounding x alone (phase_bounds.h).
constexpr double TOL_ZERO_INERTIA = 1e-9;
// Smallest velocity limit (in x = sd^2) that a motion can still pass (phase_profile.cpp).
constexpr double TOL_X_ZERO = 1e-12;
// Largest disagreement, relative to x, of a step with the trapezoid rule on
// the slopes at its ends before its interval is refined (phase_profile.cpp).
constexpr double TOL_STEP_AGREE = 1e-5;
// Intervals narrower than this part of sf are not refined or cut any further
// (phase_profile.cpp, phase_grid.cpp).
constexpr double TOL_REFINE_H = 1e-9;
// How far, in the joints' half-widths of s-dd, a motion along the velocity
// limit may need beyond the admissible path accelerations: half of TOL_CHECK
// (phase_profile.cpp).
constexpr double TOL_LIMIT_FOLLOW = 5e-4;
// Agreement of the halved time along a part with the whole (phase_profile.cpp).
constexpr double TOL_TIME_AGREE = 1e-11;
// Parts narrower than this, relative to 1 + |end|, are dropped (phase_profile.cpp).
constexpr double TOL_PART_WIDTH = 1e-14;
// Width, relative to the interval, at which the one-dimensional searches stop:
// the closest approach to a singularity (singular.cpp), a crossing of two
// cubics and the s of a time along a part (phase_profile.cpp).
constexpr double TOL_SEARCH = 1e-15;
// Absolute floor of the step that ends the search of the s of a time (phase_profile.cpp).
constexpr double TOL_SEARCH_FLOOR = 1e-300;
// Width, relative to max(1, sf), at which the grid's root and corner searches stop (phase_grid.cpp).
constexpr double TOL_GRID_ROOT = 1e-13;
// Grid points closer than this part of the step or interval are one (phase_grid.cpp).
constexpr double TOL_GRID_SAME = 1e-9;
// Grid nodes closer than this part of the step to a knot give way to it (phase_grid.cpp).
constexpr double TOL_GRID_KNOT_GAP = 0.1;
// A stretch along the velocity limit shorter than this part of sf is a touch
// of the limit, not a piece of its own (optimum.cpp).
constexpr double TOL_TOUCH = 1e-5;
// Slack of the count of dt0 steps of the optimum's time grid (optimum.cpp).
constexpr double TOL_TIME_GRID = 1e-9;
// sd^2 between two check rows lies within this part of itself on the part's
// cubic (optimum.cpp).
constexpr double TOL_ROWS_CHORD = 1e-5;
// Floor of sd^2 in that bound (optimum.cpp).
constexpr double TOL_ROWS_X = 1e-12;

}  // namespace cpt
