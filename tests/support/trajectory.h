// Building a trajectory as the window's keys do, for tests and benchmarks.
#pragma once

#include <memory>

#include "session/app.h"

namespace cpt {

// Robot 'a' on an arc of radius R about its base from angle 0 to `angle`,
// prepared and at rest at the start. Aborts when the boundary fails.
std::unique_ptr<App> prepared_centred_arc(double R, double angle);

// The 's' key's step; 0 unless it was taken within the joint limits.
int construction_step(App& w);

// The 'f' key; 0 when the landing failed (and was undone).
int press_f(App& w);

// Robot 'b' on the default arc, prepared and at rest at the start; 0 on failure.
int prepared_default(App& w);

// Prepared, accelerated just past curve_end and landed with 'f' (one switch); 0 on failure.
int landed_trajectory(App& w);

// landed_trajectory on robot 'b' on the default arc.
int default_landed_trajectory(App& w);

}  // namespace cpt
