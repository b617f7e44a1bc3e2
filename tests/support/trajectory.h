// Building a trajectory as the window's keys do, for tests and benchmarks:
// prepare a new motion, step with maximum acceleration, land with 'f'.
#pragma once

#include <memory>

#include "settings/state.h"

// What the dialog's computation stage does for a new motion: the path maxima
// of the s-dd coefficients, the extremal curves, the velocity-limit boundary,
// and the motion reset to rest at the start. Returns 0 when the boundary
// cannot be computed.
int prepare_motion(World& w);

// Robot 'a' on an arc of radius R about its base, from angle 0 to `angle`
// (use_centred_arc), prepared for a new motion.
std::unique_ptr<World> prepared_centred_arc(double R, double angle);

// One construction step ('s'): nsub sub-steps of rkg of dt / nsub from
// Y[istep], stored at istep + 1. Returns 0 when a sub-step failed or broke a
// joint limit by more than TOL_STEP (the step is still stored).
int construction_step(World& w);

// The 'f' key: a switching record at the current step, then land_final; on
// success istep is the landing step. Returns land_final's result (on failure
// the record count is undone).
int press_f(World& w);

// From rest, maximum acceleration in steps of dt0 until the last step crosses
// curve_end, one step more ("a little past"), then 'f'. Returns 1 when the
// trajectory was landed, 0 when a step failed or it never met the end curve
// within NSTEP steps.
int accelerate_and_land(World& w);

// The default trajectory of the benchmarks and end-to-end tests: robot 'b' on
// the default arc, prepared and landed (the landing is the single switch to
// deceleration, near t = 0.80 s).
int default_landed_trajectory(World& w);
