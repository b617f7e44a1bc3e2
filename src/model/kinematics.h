// The kinematics of both robots: inverse kinematics with the branch nearest
// to a reference, forward kinematics, the Jacobian and the joint rates that a
// hand velocity asks for.
#pragma once

#include <cmath>

#include "core/state.h"

namespace cpt {

// Joint values of hand point (x, y) for the current robot, the branch nearest
// to ref. Returns 1 and writes out, or 0 (out untouched) when the SCARA robot
// cannot reach the point.
int inv_quiet(const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out);

// The diagnostic of a hand point out of the robot's reach.
void say_out_of_reach(Console& con, const RobotSpec& robot, double x, double y);

// inv_quiet, with a diagnostic on the console when the point is out of reach.
inline int inv(Console& con, const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out) {
  if (inv_quiet(robot, x, y, ref, out)) return 1;
  say_out_of_reach(con, robot, x, y);
  return 0;
}

// True when the current robot can put its hand at (x, y): always for robot
// 'a', inside the annulus of its arm lengths for robot 'b'. Prints nothing.
bool in_reach(const RobotSpec& robot, double x, double y);

// The angle cand + 2 PI k (k a whole number) nearest to ref; on equal
// distances the smaller |k|, and +2 PI before -2 PI.
double nearest_turn(double ref, double cand);

// For each joint, the angle nearest to ref among cand + 2 PI k, so that joint
// values stay continuous along any number of turns.
void selbranch(const Vec2& ref, const Vec2& cand, Vec2& out);

// The Jacobian J = dp/dq of the robot at joint values q, row by row (inline:
// calD's hot path).
inline Mat2 jacobian(const RobotSpec& robot, const Vec2& q) {
  if (robot.kind == Robot::Cylindrical) {
    const double c = std::cos(q[0]), sn = std::sin(q[0]), r = q[1];
    return {{{-r * sn, c}, {r * c, sn}}};
  }
  const double c1 = std::cos(q[0]), s1 = std::sin(q[0]);
  const double c12 = std::cos(q[0] + q[1]), s12 = std::sin(q[0] + q[1]);
  return {{{-robot.l1 * s1 - robot.l2 * s12, -robot.l2 * s12}, {robot.l1 * c1 + robot.l2 * c12, robot.l2 * c12}}};
}

// The joint rates q' = J^-1 p' of a hand velocity p', as adj(J) p' and det J
// (q'_i = adj_p[i] / det): where J is singular det is 0 and adj_p tells which
// joint would have to move infinitely fast.
struct JointRates {
  Vec2 adj_p{0, 0};
  double det = 0;
};
inline JointRates joint_rates(const Mat2& J, double xd, double yd) {
  JointRates r;
  r.det = J[0][0] * J[1][1] - J[0][1] * J[1][0];
  r.adj_p = {J[1][1] * xd - J[0][1] * yd, -J[1][0] * xd + J[0][0] * yd};
  return r;
}

// Hand point of joint values fi for the current robot (forward kinematics).
Vec2 forward(const RobotSpec& robot, const Vec2& fi);

}  // namespace cpt
