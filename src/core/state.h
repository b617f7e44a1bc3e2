// The program-wide state: one robot, one path, one motion.
//
// Settings   what the user sets in the console dialog, and what is derived from it
// Picture    drawing dimensions, layout and the view (zoom, offsets)
// Motion     the motion under construction and its results
// Curves     what the dialog prepares for a new motion: extremal curves,
//            velocity-limit boundary, path maxima of the s-dd coefficients
// RhsState   the private memory of the phase-plane right-hand side f
// Frame      the frame cycle's own memory: look-ahead curves, pending notice
//
// World bundles them; the single instance lives in the application and is
// reached only from main and the window callbacks. Numeric routines take the
// parts they need as arguments.
#pragma once

#include <array>

#include "core/constants.h"

namespace cpt {

// A pair of doubles: a phase-plane point (s, sd), a hand point (x, y) or joint values.
using Vec2 = std::array<double, 2>;
// 2x2 matrix, row by row: M[row][column].
using Mat2 = std::array<std::array<double, 2>, 2>;

// Path acceleration and the joint accelerations it needs.
struct AccRecord {
  double sdd = 0;                // path acceleration s-dd
  std::array<double, 2> acc{};   // joint 1, joint 2 (torque or force per unit mass)
};

// The speed limit that sets the ceiling of sd at a path point (the lowest of
// the set ones); None where no limit is set.
enum class SpeedLimit { None, Joint1, Joint2, Hand };

// What drives the motion on from a switching: maximum acceleration, maximum
// deceleration, or sliding along a speed limit's ceiling.
enum class Drive { Accel, Decel, Ceiling };

// The state of the motion at a switching and the joint accelerations just after it.
struct SwitchRecord {
  double t = 0, s = 0, sd = 0;
  std::array<double, 2> acc{};
  Drive drive = Drive::Accel;          // from here on
  SpeedLimit limit = SpeedLimit::None;  // the ceiling followed (drive Ceiling)
};

// Hand point of a step and its joint accelerations.
struct HandRecord {
  double x = 0, y = 0;
  std::array<double, 2> acc{};
};

// The two robots. The console and the keys name them 'a' and 'b'.
enum class Robot {
  Cylindrical,  // 'a': a rotary joint and a prismatic joint (angle, radius)
  Scara,        // 'b': two rotary joints, arm lengths l1, l2
};

// The seven path curves, numbered as the dialog asks for them, and the path
// through the waypoints of a problem file.
enum class PathType { Arc = 1, Sine, UShape, Slalom, AccCam, CycloidCam, Line, Waypoints };

// The motion states of the frame cycle.
enum class TrajState {
  Building,  // construction, or walking the landed trajectory
  Obtained,  // rebuilt and reported: every frame is a replay frame
};
enum class FinalState {
  None,     // not landed
  Walking,  // landed with 'f': the frames reveal the final trajectory
};

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

// One value per path type.
template <typename T>
struct PerType {
  std::array<T, NPATHTYPES> v{};
  T& operator[](PathType c) { return v[type_number(c) - 1]; }
  const T& operator[](PathType c) const { return v[type_number(c) - 1]; }
};

struct Settings {
  Robot robottype = Robot::Scara;
  double l1 = 0.5, l2 = 0.5;  // SCARA arm lengths [m]
  double L = 1.0;             // arm length of robot 'a' (summary and picture only)
  double a1max = 2.0;         // joint-1 limit, torque per mass
  double a2max = 2.0;         // joint-2 limit, torque or force per mass

  PathType cptype = PathType::Arc;

  // 1 arc: centre, radius; the arc angle is sf[PathType::Arc].
  double arc_Ax = 0.2, arc_Ay = 0.2, arc_R = 0.5;
  // 2 sine wave
  double sinL = 1.0, sinA = 0.5, sin_k = 0;
  // 3 U-shape
  double u_L = 0.4, u_R = 0.2, u_arc = 0;
  // 4 slalom
  double sl_R = 0.1;
  int sl_N = 3;
  // 5 constant-acceleration cam
  double cam_L = 0.5, cam_H = 0.5, cam_a = 0;
  // 6 cycloid cam
  double cyc_L = 0.5, cyc_H = 0.5, cyc_c = 0, cyc_w = 0;
  // 7 straight line
  double line_l = 0.8, line_beta = 0, line_cos = 1, line_sin = 0;
  // 8 waypoints: a natural cubic spline through wp[0..wp_n-1], x(u) and y(u)
  // separately, u the cumulative chord length (s runs over [0, wp_u[wp_n-1]]).
  int wp_n = 0;
  std::array<Vec2, NWAYPOINTS> wp{};      // the points [m]
  std::array<double, NWAYPOINTS> wp_u{};  // chord length from the first point to each point [m]
  std::array<Vec2, NWAYPOINTS> wp_m{};    // second derivatives x'', y'' of the spline at each point

  // Velocity limits; 0 means no limit.
  std::array<double, 2> vmax{0, 0};  // joint velocities [rad/s, or m/s for the prismatic joint]
  double vtool = 0;                  // hand speed along the path [m/s]

  PerType<Vec2> P0{};    // start point of each path
  PerType<Vec2> Pf{};    // end point of each path
  PerType<double> sf{};  // end value of s
  PerType<Vec2> fi0a{};  // start joint values, robot 'a'
  PerType<Vec2> fi0b{};  // start joint values, robot 'b'

  Vec2 fi_ref{0, 0};  // branch reference of every start-point inverse kinematics

  // Start joint values of the current path for the current robot.
  const Vec2& fi0() const { return robottype == Robot::Cylindrical ? fi0a[cptype] : fi0b[cptype]; }
  Vec2& fi0() { return robottype == Robot::Cylindrical ? fi0a[cptype] : fi0b[cptype]; }
  double sf_now() const { return sf[cptype]; }
};

struct Picture {
  // Hand, workpiece and robot bodies [m].
  double work_len = 0.1, grip_w = 0.12, hand_len = 0.12, palm_len = 0.03, palm_w = 0.06;
  double rod_len = 0.88, rod_w = 0.044;
  double block_len = 0.2, block_w = 0.15;
  double link1_draw = 0.5, link2_draw = 0.38;
  double link1_w = 0.04, link2_w = 0.04;
  double joint_r1 = 0.06, joint_r2 = 0.06;
  // Layout in picture units.
  Vec2 base{-0.5, -0.5};       // robot base
  Vec2 pp_origin{-0.5, -0.5};  // phase-plane origin
  double graph_x0 = 0.4, graph_y0 = 0.5;
  Vec2 tq1_origin{0.4, 0.1}, tq2_origin{0.4, -0.6};
  double graph_w = 0.5, tq1_h = 0.25, tq2_h = 0.25;
  // View.
  double zoom = 1.0, pp_zoom = 1.0;
  double view_x = 0, view_y = 0;
};

struct Motion {
  int istep = 0;           // current step (construction, walking or replay)
  double t = 0;            // time of the current point [s]
  double dt = dt0;         // current step length [s]
  int torque_sel = 1;      // +1 maximum acceleration, -1 maximum deceleration
  // The speed limit whose ceiling the construction follows ('l'); None: the
  // torque choice drives it.
  SpeedLimit ceiling = SpeedLimit::None;
  int NCHN = 0;            // index of the last record in chn
  int nf = 0;              // index of the end step of the trajectory
  double tf = 0;           // end time of the motion [s]
  int NCT = 0;             // index of the last record in tsw
  TrajState traj_state = TrajState::Building;
  FinalState final_state = FinalState::None;
  double Tn = 0;           // duration of the reference CP motion [s]
  int nn = 0;              // index of the last step of the reference motion

  // Step history, index k = 0..2000.
  std::array<double, NTAB> tt{};
  std::array<Vec2, NTAB> Y{};
  std::array<AccRecord, NTAB> A{};
  std::array<HandRecord, NTAB> CP{};
  std::array<Vec2, NTAB> fi{};
  // Reference CP motion on the same time grid.
  std::array<Vec2, NTAB> CPn{};
  std::array<Vec2, NTAB> Yn{};
  std::array<Vec2, NTAB> fin{};
  std::array<AccRecord, NTAB> An{};

  // Switching records, index 0..49.
  std::array<SwitchRecord, NREC> chn{};
  std::array<int, NREC> chn_step{};
  std::array<SwitchRecord, NREC> tsw{};
};

struct Curves {
  // Maximum-acceleration curve from (0, 0) and maximum-deceleration curve into (sf, 0).
  std::array<Vec2, NCURVE> curve_start{}, curve_end{};
  std::array<AccRecord, NCURVE> acc_start{}, acc_end{};
  int n_curve_start = 0, n_curve_end = 0;
  // Velocity-limit boundary (s, sd): the lower of the acceleration limit and
  // the speed limits' ceiling; bnd_ceiling[i] where the ceiling is the lower.
  std::array<Vec2, NTAB> bnd{};
  std::array<bool, NTAB> bnd_ceiling{};
  int nbnd = 0;
  // Largest |D[0][0]| and |D[1][0]| along the path, per robot (robot_index) and type.
  std::array<PerType<double>, 2> Dmax00{}, Dmax10{};
};

// Private memory of f: the branch followed from one evaluation to the next,
// and the matrices of the last evaluation (printed by its trace).
struct RhsState {
  Vec2 fi_last{0, 0};
  Mat2 J{}, D{};
};

// The frame cycle's memory. The look-ahead curves are rewritten by every
// construction frame: from the new point on with the current torque choice
// (keep) and with the switched one (switch), in steps of dt0.
struct Frame {
  AccRecord acc_now;  // record of the last rkg step of the frame
  std::array<Vec2, NTAB> look_keep{}, look_switch{};
  int n_keep = 0, n_switch = 0;
  // Set by a key that could not advance the motion: the next frame only
  // redraws the current state and shows the notice (one line).
  bool hold = false;
  const char* notice = nullptr;
  // The last construction step failed and was not taken: the current step is
  // the last good state, so going back starts one step later.
  bool step_failed = false;
};

// The automatic optimum as the window shows it (key 'o'): computed at the
// first 'o' of a setting, forgotten by the next dialog.
struct OptimumSeen {
  bool shown = false;     // the profile drawn, the time in the information panel
  bool computed = false;  // for the current setting
  bool ok = false;        // a feasible motion exists
  double T = 0;           // the optimal time [s]
  int n = 0;              // index of the last profile point
  std::array<Vec2, NTAB> profile{};  // (s, sd), from (0, 0) to (sf, 0)
  char reason[160] = "";  // why there is none (one line)
};

struct World {
  Settings st;
  Picture pic;
  Motion mo;
  Curves cv;
  RhsState rhs;
  Frame fr;
  OptimumSeen opt;
};

// The motion at rest at the start of the path, with nothing built: the
// construction starts again (the step history itself is kept).
inline void rest_at_start(Motion& mo) {
  mo.istep = 0;
  mo.t = 0;
  mo.dt = dt0;
  mo.torque_sel = +1;
  mo.ceiling = SpeedLimit::None;
  mo.NCHN = 0;
  mo.nf = 0;
  mo.traj_state = TrajState::Building;
  mo.final_state = FinalState::None;
}

// The time of the last switching record: the goal time of the motion, 0 when
// NCHN is outside the table.
inline double motion_time(const Motion& mo) {
  return (mo.NCHN < 0 || mo.NCHN >= NREC) ? 0.0 : mo.chn[mo.NCHN].t;
}

// True when some speed limit (joint velocity or hand speed) is set.
inline bool has_speed_limits(const Settings& st) {
  return st.vmax[0] > 0 || st.vmax[1] > 0 || st.vtool > 0;
}

// Index of the per-robot tables: Cylindrical 0, Scara 1.
inline int robot_index(Robot r) { return r == Robot::Cylindrical ? 0 : 1; }

}  // namespace cpt
