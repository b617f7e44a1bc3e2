// Inverse kinematics of both robots, with the branch nearest to a reference.
#pragma once

#include "core/state.h"

namespace cpt {

// Joint values of hand point (x, y) for the current robot, the branch nearest
// to ref. Returns 1 and writes out, or 0 (with a console message, out
// untouched) when the SCARA robot cannot reach the point.
int inv(const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out);

// True when the current robot can put its hand at (x, y): always for robot
// 'a', inside the annulus of its arm lengths for robot 'b'. Prints nothing.
bool in_reach(const RobotSpec& robot, double x, double y);

// The angle cand + 2 PI k (k a whole number) nearest to ref; on equal
// distances the smaller |k|, and +2 PI before -2 PI.
double nearest_turn(double ref, double cand);

// For each joint, the angle nearest to ref among cand + 2 PI k, so that joint
// values stay continuous along any number of turns.
void selbranch(const Vec2& ref, const Vec2& cand, Vec2& out);

// Hand point of joint values fi for the current robot (forward kinematics).
Vec2 forward(const RobotSpec& robot, const Vec2& fi);

}  // namespace cpt
