// Shared test set-ups: a World with the start-up defaults, and the path
// presets that have closed-form answers.
#pragma once

#include <memory>

#include "settings/state.h"

// A freshly allocated World after set_defaults, with the given robot and path.
std::unique_ptr<World> default_world(char robottype = 'b', int cptype = 1);

// Arc of radius R centred at the robot base, from angle 0 to `angle`:
// for robot 'a' D is the same at every s, D = ((R^2, 0), (0, -R)).
void use_centred_arc(World& w, double R, double angle);
