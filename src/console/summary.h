// The framed block that states the conditions of the time-optimal control
// problem as currently set: robot, path, start and end points, limits.
#pragma once

#include "core/state.h"

namespace cpt {

// The name of the waypoint path (type 8) in the block and in the dialog.
constexpr const char* kWaypointPathName = "経由点を通る3次スプライン";

// Prints the block on the console; changes nothing.
void print_settings(Console& con, const Model& m);

}  // namespace cpt
