// Building a trajectory as the window's keys do, for tests and benchmarks.
#pragma once

#include <memory>

#include "core/state.h"

namespace cpt {

// Robot 'a' on an arc of radius R about its base from angle 0 to `angle`,
// after the dialog's computation stage, at rest at the start. Aborts when the
// boundary cannot be computed.
std::unique_ptr<World> prepared_centred_arc(double R, double angle);

// The 's' key: nsub sub-steps of rkg from Y[istep], stored at istep + 1.
// Returns 0 when a sub-step failed or broke a joint limit by more than
// TOL_STEP (the step is still stored).
int construction_step(World& w);

// The 'f' key: a switching record at the current step, then land_final
// (undone on failure); on success istep is the landing step.
int press_f(World& w);

// Robot 'b' on the default arc (the start-up defaults), prepared and at rest
// at the start. Returns 0 when that fails.
int prepared_default(World& w);

// A prepared motion (robot, limits and path set, start joint values found)
// accelerated from rest until just past curve_end and landed with 'f': the
// hand-built motion with one switch. Returns 0 when the preparation fails or
// a step breaks a joint limit before the end curve is reached.
int landed_trajectory(World& w);

// Robot 'b' on the default arc, prepared, accelerated from rest until just
// past curve_end and landed with 'f'. Returns 0 when that fails.
int default_landed_trajectory(World& w);

}  // namespace cpt
