// The problem: what the user sets, in the dialog or in a problem file. Plain
// values only; what follows from them (the path's constants, its start and
// end, the end value of s, the start joint values) is the model's
// (core/state.h, built by build_model in model/paths.h).
#pragma once

#include <array>

#include "core/constants.h"

namespace cpt {

// A pair of doubles: a phase-plane point (s, sd), a hand point (x, y) or joint values.
using Vec2 = std::array<double, 2>;

// The two robots. The console and the keys name them 'a' and 'b'.
enum class Robot {
  Cylindrical,  // 'a': a rotary joint and a prismatic joint (angle, radius)
  Scara,        // 'b': two rotary joints, arm lengths l1, l2
};

// The seven path curves, numbered as the dialog asks for them, and the path
// through the waypoints of a problem file.
enum class PathType { Arc = 1, Sine, UShape, Slalom, AccCam, CycloidCam, Line, Waypoints };

// How the robot's efforts follow from the motion (model/dynamics.h).
enum class Dynamics {
  UnitPointMass,  // a unit point mass at the hand on massless links: efforts per unit mass
  RigidLinks,     // the rigid bodies of `RobotSpec::body`, rotors and friction: N·m and N
};

// The rigid bodies of a real robot in the horizontal plane (SI units), for
// the rigid-link dynamics of model/dynamics.h.
struct RigidBodies {
  // SCARA: link masses [kg], distances of their centres of mass from their
  // joints [m], inertias about those centres [kg m^2].
  double m1 = 0, m2 = 0, lc1 = 0, lc2 = 0, I1 = 0, I2 = 0;
  // Cylindrical: the inertia of what turns but does not slide [kg m^2]; the
  // sliding arm's mass [kg] and inertia about its centre [kg m^2], the centre
  // at r - da [m].
  double J0 = 0, ma = 0, Ia = 0, da = 0;
  double mp = 1;  // payload, a point mass at the hand [kg]
  // Each joint's motor: its rotor's inertia Jm [kg m^2] behind a gear of
  // ratio n (rotor turns per joint turn; for the prismatic joint's ball screw
  // 2 pi / lead, in rad/m). The joint sees n^2 Jm (model/dynamics.h).
  std::array<double, 2> Jm{0, 0};
  std::array<double, 2> gear{1, 1};
  std::array<double, 2> Fv{0, 0};  // viscous friction [N m s/rad, or N s/m]
  std::array<double, 2> Fc{0, 0};  // Coulomb friction [N m, or N]
};

// The robot as a value: its kind, its dimensions and its dynamics. With the
// unit point mass a joint limit is an effort per unit mass (core/units.h).
struct RobotSpec {
  Robot kind = Robot::Scara;
  double l1 = 0.5, l2 = 0.5;  // SCARA arm lengths [m]
  double L = 1.0;             // arm length of robot 'a' (summary and picture only)
  Dynamics dynamics = Dynamics::UnitPointMass;
  RigidBodies body;           // the bodies of a real robot (used with Dynamics::RigidLinks)
};

// Chooses the robot's kind (the dialog's 'a' or 'b'). The bodies of a real
// robot belong to its kind: choosing the other kind leaves the unit point mass.
inline void choose_robot(RobotSpec& robot, Robot kind) {
  if (kind != robot.kind) robot.dynamics = Dynamics::UnitPointMass, robot.body = RigidBodies{};
  robot.kind = kind;
}

// The parameters of each path kind, as the user enters them (angles in radians).
struct ArcPath {  // 1: about the centre A, s the angle from A + (R, 0)
  double Ax = 0.2, Ay = 0.2, R = 0.5;
  double angle = PI;  // the arc angle: the end value of s
};
struct SinePath {  // 2: s the advance in x
  Vec2 P0{-0.4, 0.2};
  double L = 1.0, A = 0.5;  // wavelength, amplitude
};
struct UShapePath {  // 3: up, clockwise half circle over the top, down
  Vec2 P0{0.2, 0.0};
  double L = 0.4, R = 0.2;  // straight parts, radius of the bend
};
struct SlalomPath {  // 4: half circles alternately above and below, s the angle
  Vec2 P0{-0.4, 0.2};
  double R = 0.1;
  int N = 3;  // half circles
};
struct CamPath {  // 5 and 6: a rise H over a stroke L
  Vec2 P0{-0.2, 0.1};
  double L = 0.5, H = 0.5;
};
struct LinePath {  // 7
  Vec2 P0{-0.4, 0.1};
  double l = 0.8, beta = 0;  // length, inclination
};
struct WaypointPath {  // 8: a natural cubic spline through p[0..n-1]
  int n = 0;
  std::array<Vec2, NWAYPOINTS> p{};
};

// What a problem file says for the classroom (its `teaching` section).
enum class OptimumView {
  Shown,   // 'o' shows the automatic optimum
  Hidden,  // an exam: 'o' only says that it is hidden
};
// Student numbers of variants: 0 .. kMaxVariant.
constexpr long kMaxVariant = 999999999;
struct Teaching {
  OptimumView optimum = OptimumView::Shown;
  long variant = kNoVariant;  // the student number this problem was drawn for
  static constexpr long kNoVariant = -1;
};

struct Problem {
  RobotSpec robot;
  double a1max = 2.0;  // joint-1 limit (effort per unit mass)
  double a2max = 2.0;  // joint-2 limit (effort per unit mass)

  PathType cptype = PathType::Arc;
  // Every kind's parameters at once: the dialog shows the old values of each.
  ArcPath arc;
  SinePath sine;
  UShapePath ushape;
  SlalomPath slalom;
  CamPath cam;
  CamPath cycloid{{0.0, 0.2}, 0.5, 0.5};
  LinePath line;
  WaypointPath waypoints;

  // Velocity limits; 0 means no limit.
  std::array<double, 2> vmax{0, 0};  // joint velocities [rad/s, or m/s for the prismatic joint]
  double vtool = 0;                  // hand speed along the path [m/s]

  Teaching teaching;
};

// The start-up problem: the SCARA robot on the arc, no speed limits.
inline Problem default_problem() { return Problem{}; }

// True when some speed limit (joint velocity or hand speed) is set.
inline bool has_speed_limits(const Problem& pb) {
  return pb.vmax[0] > 0 || pb.vmax[1] > 0 || pb.vtool > 0;
}

// The console's letter of a robot, and the robot of a letter ('a' or 'b').
constexpr char robot_key(Robot r) { return r == Robot::Cylindrical ? 'a' : 'b'; }
constexpr Robot robot_of_key(int key) { return key == 'a' ? Robot::Cylindrical : Robot::Scara; }
// The number of a path type (the dialog's 1..7, 8 for the waypoints), and the type of a number.
constexpr int type_number(PathType c) { return static_cast<int>(c); }
constexpr PathType path_type(int number) { return static_cast<PathType>(number); }
// The seven path types of the dialog, in its order (the waypoint path has no
// parameters of its own to default: its points come from a problem file).
constexpr PathType kPathTypes[] = {PathType::Arc,    PathType::Sine,       PathType::UShape,
                                   PathType::Slalom, PathType::AccCam,     PathType::CycloidCam,
                                   PathType::Line};

}  // namespace cpt
