// Shared test set-ups: a World with the start-up defaults, and a path with closed-form answers.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "core/state.h"

namespace cpt {

// A freshly allocated World after set_defaults, with the given robot and path.
std::unique_ptr<World> default_world(Robot robottype = Robot::Scara, PathType cptype = PathType::Arc);

// Readable names of the enums in test messages.
inline std::ostream& operator<<(std::ostream& os, Robot r) { return os << robot_key(r); }
inline std::ostream& operator<<(std::ostream& os, PathType c) { return os << type_number(c); }
inline std::ostream& operator<<(std::ostream& os, TrajState s) { return os << (s == TrajState::Obtained ? "Obtained" : "Building"); }

// Arc of radius R centred at the robot base, from angle 0 to `angle`:
// for robot 'a' D is the same at every s, D = ((R^2, 0), (0, -R)).
void use_centred_arc(World& w, double R, double angle);

// The waypoint path through `points` as a problem file sets it: points,
// derived values, start joint values of the current robot.
void use_waypoints(World& w, const std::vector<Vec2>& points);

}  // namespace cpt
