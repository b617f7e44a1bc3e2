// Shared test set-ups: an App with the start-up defaults, and a path with closed-form answers.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "planner/prepare.h"
#include "session/app.h"

namespace cpt {

// A freshly allocated App with the start-up problem, the given robot and
// path, the start-up picture and the model of that problem (rebuild_model).
std::unique_ptr<App> default_world(Robot robottype = Robot::Scara, PathType cptype = PathType::Arc);

// The model of w.pb, start joint values included, for numeric calls made
// without a preparation; call it after changing w.pb.
void rebuild_model(App& w);

// The product's preparation of w.pb (prepare_motion).
Prepared prepare(App& w);

// Readable names of the enums in test messages.
inline std::ostream& operator<<(std::ostream& os, Robot r) { return os << robot_key(r); }
inline std::ostream& operator<<(std::ostream& os, PathType c) { return os << type_number(c); }
inline std::ostream& operator<<(std::ostream& os, TrajState s) { return os << (s == TrajState::Obtained ? "Obtained" : "Building"); }

// Arc of radius R centred at the robot base, from angle 0 to `angle`:
// for robot 'a' D is the same at every s, D = ((R^2, 0), (0, -R)).
void use_centred_arc(App& w, double R, double angle);

// The waypoint path through `points` as a problem file sets it: points,
// derived values, start joint values of the current robot.
void use_waypoints(App& w, const std::vector<Vec2>& points);

}  // namespace cpt
