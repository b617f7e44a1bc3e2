// The kinematics of both robots: inverse kinematics with the branch nearest
// to a reference, forward kinematics, the Jacobian and the joint rates that a
// hand velocity asks for.
#pragma once

#include "core/state.h"

namespace cpt {

// Joint values of hand point (x, y) for the current robot, the branch nearest
// to ref. Returns 1 and writes out, or 0 (out untouched) when the SCARA robot
// cannot reach the point.
int inv_quiet(const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out);

// inv_quiet, with a diagnostic on the console when the point is out of reach.
int inv(Console& con, const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out);

// True when the current robot can put its hand at (x, y): always for robot
// 'a', inside the annulus of its arm lengths for robot 'b'. Prints nothing.
bool in_reach(const RobotSpec& robot, double x, double y);

// The angle cand + 2 PI k (k a whole number) nearest to ref; on equal
// distances the smaller |k|, and +2 PI before -2 PI.
double nearest_turn(double ref, double cand);

// For each joint, the angle nearest to ref among cand + 2 PI k, so that joint
// values stay continuous along any number of turns.
void selbranch(const Vec2& ref, const Vec2& cand, Vec2& out);

// The Jacobian J = dp/dq of the robot at joint values q, row by row.
Mat2 jacobian(const RobotSpec& robot, const Vec2& q);

// The joint rates q' = J^-1 p' of a hand velocity p', as adj(J) p' and det J
// (q'_i = adj_p[i] / det): where J is singular det is 0 and adj_p tells which
// joint would have to move infinitely fast.
struct JointRates {
  Vec2 adj_p{0, 0};
  double det = 0;
};
JointRates joint_rates(const Mat2& J, double xd, double yd);

// Hand point of joint values fi for the current robot (forward kinematics).
Vec2 forward(const RobotSpec& robot, const Vec2& fi);

}  // namespace cpt
