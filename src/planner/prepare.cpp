#include "planner/prepare.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/console.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "model/boundary.h"
#include "model/singular.h"
#include "planner/construction.h"
#include "planner/curves.h"

namespace cpt {

namespace {

// View scales and the motion at rest at the start of the path.
void reset_motion(Console& con, const Model& m, Data& d, Picture& pic) {
  Motion& mo = d.mo;
  const double sf = m.sf;
  pic.zoom = 1.0;
  pic.pp_zoom = 1.0;
  if (sf < 1.01) pic.pp_zoom = 2.0;
  if (sf > 1.99) pic.pp_zoom = 0.4;

  rest_at_start(mo);
  mo.tt[0] = 0;
  // The old reference motion belongs to the old path: the panel shows no
  // normal CP time until the new trajectory is obtained.
  mo.Tn = 0;
  mo.nn = 0;
  mo.NCT = 0;
  for (int i = 0; i < NSTEP; ++i) {
    mo.tt[i] = 0;
    mo.A[i] = AccRecord{};
    mo.Y[i] = {0, 0};
  }
  mo.Y[0] = {0, 0};

  // Accelerations of maximum acceleration at rest at the start, and record 0 there.
  int ok = 0;
  f(con, m, d.rhs, mo.torque_sel, 1, mo.t, mo.Y[0].data(), mo.A[0], ok);
  start_record(mo);
}

}  // namespace

void arm_picture(const RobotSpec& robot, Picture& pic) {
  pic.link1_draw = robot.l1;
  pic.link2_draw = robot.l2 - pic.hand_len;
}

Picture default_picture(const RobotSpec& robot) {
  // The sizes derived from the hand length and the arm lengths.
  Picture p;
  p.grip_w = 1.2 * p.work_len;
  p.rod_len = robot.L - p.hand_len;
  p.rod_w = p.rod_len / 20;
  arm_picture(robot, p);
  return p;
}

namespace {

// A lower bound of the time from a to b (a < b) of any motion below the
// velocity limit: each boundary interval's share at the higher of its two
// samples.
double time_under_boundary(const Curves& cv, double a, double b) {
  double t = 0;
  for (int i = 0; i < cv.nbnd; ++i) {
    const double lo = std::max(a, cv.bnd[i][0]), hi = std::min(b, cv.bnd[i + 1][0]);
    if (!(hi > lo)) continue;
    const double top = std::max(cv.bnd[i][1], cv.bnd[i + 1][1]);
    if (!(top > 0)) return std::numeric_limits<double>::infinity();
    t += (hi - lo) / top;
  }
  return t;
}

}  // namespace

double shortest_time_bound(const Model& m, const Curves& cv) {
  // Any motion from rest lies under the maximum-acceleration curve from the
  // start, and any motion into rest under the maximum-deceleration curve into
  // the end, as far as each is admissible: it is no faster to the middle of
  // the path, or to where the curve ends, than the curve itself. Where a
  // curve ends before the middle (on the velocity limit or a speed limit's
  // ceiling), the rest of the way is no faster than that limit allows.
  const double half = m.sf / 2;
  int n = 0;
  int i = 1;
  for (; i <= cv.n_curve_start && cv.curve_start[i][0] <= half; ++i) ++n;
  double rest = 0;
  if (i > cv.n_curve_start && cv.curve_start[cv.n_curve_start][0] < half)
    rest += time_under_boundary(cv, cv.curve_start[cv.n_curve_start][0], half);
  int j = 1;
  for (; j <= cv.n_curve_end && cv.curve_end[j][0] >= half; ++j) ++n;
  if (j > cv.n_curve_end && cv.curve_end[cv.n_curve_end][0] > half)
    rest += time_under_boundary(cv, half, cv.curve_end[cv.n_curve_end][0]);
  return n * dt_curve + rest;
}

namespace {

bool finite(const Vec2& v) { return std::isfinite(v[0]) && std::isfinite(v[1]); }

// The settings and what the path derives from them are numbers, and so are
// the largest joint accelerations they can ask for.
bool settings_finite(const Model& m) {
  // Points that make no path (a problem file's waypoints) give no numbers either.
  if (path_fault(m)) return false;
  // The path kind's parameters, as its table names them.
  double v[kMaxPathValues] = {};
  const int n = path_values(m.pb, m.pb.cptype, v);
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return false;
  for (double x : {m.pb.robot.l1, m.pb.robot.l2, m.pb.a1max * m.pb.a1max, m.pb.a2max * m.pb.a2max, m.sf, m.sin_k,
                   m.u_arc, m.cam_a, m.cyc_c, m.cyc_w, m.line_cos, m.line_sin}) {
    if (!std::isfinite(x)) return false;
  }
  if (!finite(m.P0) || !finite(m.Pf)) return false;
  // The path's derivatives, which a very short wavelength or stroke blows up.
  for (int i = 0; i <= 4; ++i) {
    const PathDeriv d = cpderiv(m, m.sf * i / 4);
    if (!std::isfinite(d.xd + d.yd + d.xdd + d.ydd)) return false;
  }
  return true;
}

// Every value the preparation made is a number.
bool all_finite(const Model& m, const Curves& cv) {
  if (!std::isfinite(m.sf) || !finite(m.P0) || !finite(m.Pf) || !finite(m.fi0))
    return false;
  if (!std::isfinite(cv.Dmax00) || !std::isfinite(cv.Dmax10)) return false;
  for (int i = 0; i <= cv.n_curve_start; ++i)
    if (!finite(cv.curve_start[i])) return false;
  for (int i = 0; i <= cv.n_curve_end; ++i)
    if (!finite(cv.curve_end[i])) return false;
  for (int i = 0; i <= cv.nbnd; ++i)
    if (!finite(cv.bnd[i])) return false;
  return true;
}

// Coulomb friction at or above a limit: the joint can never be driven.
int coulomb_over_limit(const Model& m) {
  const RobotSpec& r = m.pb.robot;
  if (r.dynamics != Dynamics::RigidLinks) return -1;
  const double amax[2] = {m.pb.a1max, m.pb.a2max};
  for (int i = 0; i < 2; ++i)
    if (r.body.Fc[i] >= amax[i]) return i;
  return -1;
}

// A real robot's path, often short (a 0.3 m stroke), fills about 13 grid
// cells of the phase plane's width, each a round step of s (1, 2, 2.5 or 5
// times a power of ten); a grid cell is 0.2 / pp_zoom of s.
double fitted_zoom(double sf, double keep) {
  if (!(sf > 0) || !std::isfinite(sf)) return keep;
  const double want = sf / 13, decade = std::pow(10.0, std::floor(std::log10(want)));
  for (const double f : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (f * decade >= want) return 0.2 / (f * decade);
  return keep;
}

// The sd axis's scale for the phase plane: a real robot's highest rate on
// its extremal curves (with a third more for the velocity limit above them)
// takes at most the height its path takes in width. The scale is a round
// 1, 0.5, 0.2, 0.1, 0.05, ..., so that the grid lines fall on round values
// of sd. The unit point mass keeps 1.
double sd_scale(const Model& m, const Curves& cv) {
  if (m.pb.robot.dynamics != Dynamics::RigidLinks) return 1.0;
  double top = 0;
  for (int i = 0; i <= cv.n_curve_start; ++i) top = std::max(top, cv.curve_start[i][1]);
  for (int i = 0; i <= cv.n_curve_end; ++i) top = std::max(top, cv.curve_end[i][1]);
  top *= 4.0 / 3.0;
  if (!(top > m.sf) || !std::isfinite(top)) return 1.0;
  double scale = 1.0;
  for (int k = 0; k < 30 && scale * top > m.sf; ++k) scale /= (k % 3 == 1 ? 2.5 : 2.0);  // 0.5, 0.2, 0.1, ...
  return scale;
}

Prepared prepare(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  m = build_model(pb);
  if (!settings_finite(m)) return Prepared::NotFinite;
  if (!inv(con, m.pb.robot, m.P0[0], m.P0[1], m.fi_ref, m.fi0)) return Prepared::StartUnreachable;
  if (coulomb_over_limit(m) >= 0) return Prepared::Stuck;
  calDmax(con, m, cv);
  extremal_curves(con, m, d.rhs, cv);
  if (!calboundary(con, m, cv)) return Prepared::NoBoundary;
  if (!(closest_singularity(m).dist >= TOL_SINGULAR_DIST)) return Prepared::Singular;
  if (friction_stop(m, cv).stuck) return Prepared::Stuck;
  if (!all_finite(m, cv)) return Prepared::NotFinite;
  if (shortest_time_bound(m, cv) < kMinSteps * dt0) return Prepared::TooFast;
  reset_motion(con, m, d, pic);
  pic.pp_sd_scale = sd_scale(m, cv);
  if (m.pb.robot.dynamics == Dynamics::RigidLinks) pic.pp_zoom = fitted_zoom(m.sf, pic.pp_zoom);
  return Prepared::Ready;
}

}  // namespace

Stuck friction_stop(const Model& m, const Curves& cv) {
  Stuck out;
  out.joint = coulomb_over_limit(m);
  out.stuck = out.joint >= 0;
  if (out.stuck || m.pb.robot.dynamics != Dynamics::RigidLinks) return out;
  for (int i = 0; i <= cv.nbnd; ++i) {
    if (cv.bnd[i][1] > 0) continue;
    out.stuck = true;
    out.s = cv.bnd[i][0];
    return out;
  }
  return out;
}

Prepared prepare_motion(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic) {
  con.scope_begin();
  const Prepared result = prepare(con, pb, m, cv, d, pic);
  con.scope_end();
  return result;
}

}  // namespace cpt
