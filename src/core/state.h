// The state of one run: one robot, one path, one motion.
//
// Problem     what the user sets (core/problem.h)
// Model       built from the problem once per preparation, constant after it:
//             the problem itself and what follows from it (path constants,
//             start and end points, sf, start joint values)
// Curves      what the preparation computes for the model: extremal curves,
//             velocity-limit boundary, path maxima of the s-dd coefficients
// Data        everything that moves: the motion under construction and its
//             results, f's branch memory, the frame's memory, the optimum shown
// Picture     drawing dimensions, layout and the view (zoom, offsets)
//
// The numeric routines take a constant Model and the parts of the Data they
// change, as arguments; the programs hold the one instance of each.
//
// Glossary of the phase-plane vocabulary (short names kept from the method):
//   s, sd, sdd   path parameter, its rate and its acceleration
//   sf           end value of s          a1max, a2max  joint effort limits
//   f            the phase-plane right-hand side (model/rhs.h)
//   calD         joint values, Jacobian J and the phase-plane coefficients D at s
//   calcp        the rebuild of a landed motion on the time grid of dt0
//   cpcurve      hand point of the path at s;  cpderiv  its derivatives;
//                cpcurve_deriv  the point and its derivatives in one evaluation
//   NCHN, chn    index of the last switching record, the switching records
//   chn_step     the step index of each switching record
//   tsw, NCT     the switching times of the rebuilt motion, index of the last
//   nf, tf       end step and end time of the motion
//   nn, Tn       last step and duration of the reference (trapezoidal) motion
//   istep        the current step (construction, walking or replay)
#pragma once

#include <array>
#include <string>

#include "core/console.h"
#include "core/constants.h"
#include "core/problem.h"

namespace cpt {

// 2x2 matrix, row by row: M[row][column].
using Mat2 = std::array<std::array<double, 2>, 2>;

// The phase-plane coefficients of both joints at a path point, row i for
// joint i: its effort is D[i][0] sdd + D[i][1] sd^2 + D[i][2] sd + D[i][3]
// (inertia; Coriolis, centrifugal and path curvature; viscous friction;
// Coulomb friction). The unit point mass has D[i][2] = D[i][3] = 0.
using JointCoeffs = std::array<std::array<double, 4>, 2>;

// Joint i's effort at sdd = 0 and rate sd (x = sd^2): what it needs besides
// its s-dd term. Without friction exactly D[i][1] x.
inline double joint_load(const JointCoeffs& D, int i, double x, double sd) {
  if (D[i][2] == 0 && D[i][3] == 0) return D[i][1] * x;
  return D[i][1] * x + (D[i][2] * sd + D[i][3]);
}

// Joint i's effort at path acceleration sdd and rate sd (x = sd^2). Without
// friction exactly D[i][0] sdd + D[i][1] x.
inline double joint_effort(const JointCoeffs& D, int i, double sdd, double x, double sd) {
  return D[i][0] * sdd + joint_load(D, i, x, sd);
}

// True when a joint has friction at this point (the bounds of s-dd then depend on sd, not only sd^2).
inline bool has_friction(const JointCoeffs& D) {
  return D[0][2] != 0 || D[0][3] != 0 || D[1][2] != 0 || D[1][3] != 0;
}

// Path acceleration and the joint efforts it needs.
struct AccRecord {
  double sdd = 0;                // path acceleration s-dd
  std::array<double, 2> acc{};   // joint 1, joint 2 (torque or force; per unit mass for the point mass)
  // The parts of each effort that the replay's graphs show beside it: what
  // accelerates the robot along the path (D[i][0] sdd) and what overcomes
  // friction (D[i][2] sd + D[i][3]); the rest is the Coriolis, centrifugal
  // and curvature part (D[i][1] sd^2).
  std::array<double, 2> inertial{}, friction{};
};

// The parts of the efforts of rec at path acceleration sdd and rate sd.
inline void split_efforts(const JointCoeffs& D, double sdd, double sd, AccRecord& rec) {
  for (int i = 0; i < 2; ++i) {
    rec.inertial[i] = D[i][0] * sdd;
    rec.friction[i] = D[i][2] * sd + D[i][3];
  }
}

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

// The motion states of the frame cycle.
enum class TrajState {
  Building,  // construction, or walking the landed trajectory
  Obtained,  // rebuilt and reported: every frame is a replay frame
};
enum class FinalState {
  None,     // not landed
  Walking,  // landed with 'f': the frames reveal the final trajectory
};

// The model: the problem it was built from and what follows from it for the
// current robot and path. Built by build_model (model/paths.h); the start
// joint values by the preparation (planner/prepare.h).
struct Model {
  Problem pb;

  // Helper values of the path kinds, from their parameters.
  double sin_k = 0;                   // sine: wave number 2 PI / L
  double u_arc = 0;                   // U-shape: length of the bend
  double cam_a = 0;                   // constant-acceleration cam: acceleration of y in x
  double cyc_c = 0, cyc_w = 0;        // cycloid cam: rise per stroke, angular rate
  double line_cos = 1, line_sin = 0;  // line: direction
  // Waypoints: chord length from the first point to each point [m], and the
  // second derivatives x'', y'' of the spline at each point.
  std::array<double, NWAYPOINTS> wp_u{};
  std::array<Vec2, NWAYPOINTS> wp_m{};

  Vec2 P0{0, 0};      // start point of the path
  Vec2 Pf{0, 0};      // end point of the path
  double sf = 0;      // end value of s
  Vec2 fi0{0, 0};     // start joint values
  Vec2 fi_ref{0, 0};  // branch reference of the start point's inverse kinematics
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
  // The sd axis's scale against the s axis's: 1 (the same), or less where a
  // real robot's motion is fast against its path (a 0.3 m stroke at up to
  // 3.5 1/s), so that the phase plane takes in both.
  double pp_sd_scale = 1.0;
  double view_x = 0, view_y = 0;
};

// The cursor, the torque choice, the ceiling followed, the switching records,
// the end and the two states are written only by the operations of
// planner/construction.h.
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
  // Largest |D[0][0]| and |D[1][0]| along the path.
  double Dmax00 = 0, Dmax10 = 0;
};

// Private memory of f: the branch followed from one evaluation to the next,
// and the matrices of the last evaluation (printed by its trace).
struct RhsState {
  Vec2 fi_last{0, 0};
  Mat2 J{};
  JointCoeffs D{};
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
  bool redraw_only = false;
  const char* notice = nullptr;
  // The report a key made (the optimum's of 'o'), for the program to print
  // before the key's frame.
  std::string report;
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

// Everything that moves in one run.
struct Data {
  Motion mo;
  RhsState rhs;
  Frame fr;
  OptimumSeen optimum;
};

// True when the model's problem sets some speed limit.
inline bool has_speed_limits(const Model& m) { return has_speed_limits(m.pb); }

// The time of the last switching record: the goal time of the motion, 0 when
// NCHN is outside the table.
inline double motion_time(const Motion& mo) {
  return (mo.NCHN < 0 || mo.NCHN >= NREC) ? 0.0 : mo.chn[mo.NCHN].t;
}

}  // namespace cpt
