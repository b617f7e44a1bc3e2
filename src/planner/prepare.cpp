#include "planner/prepare.h"

#include <cmath>

#include "core/console.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "model/boundary.h"
#include "model/singular.h"
#include "planner/curves.h"

namespace cpt {

namespace {

// View scales and the motion at rest at the start of the path.
void reset_motion(World& w) {
  Motion& mo = w.mo;
  const double sf = w.st.sf_now();
  w.pic.zoom = 1.0;
  w.pic.pp_zoom = 1.0;
  if (sf < 1.01) w.pic.pp_zoom = 2.0;
  if (sf > 1.99) w.pic.pp_zoom = 0.4;

  rest_at_start(mo);
  mo.tt[0] = 0;
  mo.chn_step[0] = 0;
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
  mo.chn[0].t = mo.chn[0].s = mo.chn[0].sd = 0;
  mo.Y[0] = {0, 0};

  // Accelerations of maximum acceleration at rest at the start.
  int ok = 0;
  f(w.st, w.rhs, mo.torque_sel, 1, mo.t, mo.Y[0].data(), mo.A[0], ok);
  mo.chn[0].acc = mo.A[0].acc;
}

}  // namespace

void arm_picture(const Settings& st, Picture& pic) {
  pic.link1_draw = st.l1;
  pic.link2_draw = st.l2 - pic.hand_len;
}

void set_defaults(World& w) {
  // Robot and path parameters take the values their declarations give;
  // the picture likewise, with the sizes derived from the hand length.
  w.pic = Picture{};
  Picture& p = w.pic;
  p.grip_w = 1.2 * p.work_len;
  p.rod_len = w.st.L - p.hand_len;
  p.rod_w = p.rod_len / 20;

  Settings& st = w.st;
  st = Settings{};
  arm_picture(st, p);
  w.mo.dt = dt0;

  // Start points of the paths; the arc's is derived from its centre.
  st.P0[PathType::Sine] = {-0.4, 0.2};
  st.P0[PathType::UShape] = {0.2, 0.0};
  st.P0[PathType::Slalom] = {-0.4, 0.2};
  st.P0[PathType::AccCam] = {-0.2, 0.1};
  st.P0[PathType::CycloidCam] = {0.0, 0.2};
  st.P0[PathType::Line] = {-0.4, 0.1};
  st.sf[PathType::Arc] = PI;
  for (const PathType c : kPathTypes) update_path_derived(st, c);
  st.Pf[PathType::Arc] = {st.arc_Ax - st.arc_R, st.arc_Ay};

  // Start joint values of every path for both robots; all default start
  // points are within reach of both.
  st.fi_ref = {0, 0};
  for (const PathType c : kPathTypes) {
    st.robottype = Robot::Cylindrical;
    inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0a[c]);
    st.robottype = Robot::Scara;
    inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0b[c]);
  }
}

double shortest_time_bound(const Settings& st, const Curves& cv) {
  // Any motion from rest lies under the maximum-acceleration curve from the
  // start, and any motion into rest under the maximum-deceleration curve into
  // the end, as far as each is admissible: it is no faster to the middle of
  // the path, or to where the curve ends, than the curve itself.
  const double half = st.sf_now() / 2;
  int n = 0;
  for (int i = 1; i <= cv.n_curve_start && cv.curve_start[i][0] <= half; ++i) ++n;
  for (int i = 1; i <= cv.n_curve_end && cv.curve_end[i][0] >= half; ++i) ++n;
  return n * dt_curve;
}

namespace {

bool finite(const Vec2& v) { return std::isfinite(v[0]) && std::isfinite(v[1]); }

// The settings and what the path derives from them are numbers, and so are
// the largest joint accelerations they can ask for.
bool settings_finite(const Settings& st) {
  const PathType c = st.cptype;
  // Points that make no path (a problem file's waypoints) give no numbers either.
  if (path_fault(st)) return false;
  for (double v : {st.l1, st.l2, st.a1max * st.a1max, st.a2max * st.a2max, st.sf_now(), st.arc_Ax,
                   st.arc_Ay, st.arc_R, st.sin_k, st.sinA, st.u_arc, st.sl_R, st.cam_a, st.cyc_c,
                   st.cyc_w, st.line_cos, st.line_sin}) {
    if (!std::isfinite(v)) return false;
  }
  if (!finite(st.P0[c]) || !finite(st.Pf[c])) return false;
  // The path's derivatives, which a very short wavelength or stroke blows up.
  for (int i = 0; i <= 4; ++i) {
    const PathDeriv d = cpderiv(st, st.sf_now() * i / 4);
    if (!std::isfinite(d.xd + d.yd + d.xdd + d.ydd)) return false;
  }
  return true;
}

// Every value the preparation made is a number.
bool all_finite(const Settings& st, const Curves& cv) {
  const PathType c = st.cptype;
  if (!std::isfinite(st.sf_now()) || !finite(st.P0[c]) || !finite(st.Pf[c]) || !finite(st.fi0()))
    return false;
  if (!std::isfinite(Dmax00_of(cv, st)) || !std::isfinite(Dmax10_of(cv, st))) return false;
  for (int i = 0; i <= cv.n_curve_start; ++i)
    if (!finite(cv.curve_start[i])) return false;
  for (int i = 0; i <= cv.n_curve_end; ++i)
    if (!finite(cv.curve_end[i])) return false;
  for (int i = 0; i <= cv.nbnd; ++i)
    if (!finite(cv.bnd[i])) return false;
  return true;
}

Prepared prepare(World& w) {
  Settings& st = w.st;
  const PathType c = st.cptype;
  if (!settings_finite(st)) return Prepared::NotFinite;
  if (!inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0())) return Prepared::StartUnreachable;
  calDmax(st, w.cv);
  extremal_curves(st, w.rhs, w.cv);
  if (!calboundary(st, w.cv)) return Prepared::NoBoundary;
  if (!(closest_singularity(st).dist >= SING_DIST)) return Prepared::Singular;
  if (!all_finite(st, w.cv)) return Prepared::NotFinite;
  if (shortest_time_bound(st, w.cv) < kMinSteps * dt0) return Prepared::TooFast;
  reset_motion(w);
  return Prepared::Ready;
}

}  // namespace

Prepared prepare_motion(World& w) {
  diag_scope_begin();
  const Prepared result = prepare(w);
  diag_scope_end();
  return result;
}

}  // namespace cpt
