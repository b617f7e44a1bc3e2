// The framed block that states the conditions of the time-optimal control
// problem as currently set: robot, path, start and end points, limits.
#pragma once

#include "core/state.h"

namespace cpt {


// Prints the block on the console; changes nothing.
void print_settings(Console& con, const Model& m);

}  // namespace cpt
