#include "planner/prepare.h"

#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "model/boundary.h"
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

  mo.nf = 0;
  mo.istep = 0;
  mo.tt[0] = 0;
  mo.t = mo.tt[0];
  mo.dt = dt0;
  mo.torque_sel = 1;
  mo.NCHN = 0;
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
  mo.traj_state = TrajState::Building;
  mo.final_state = FinalState::None;
}

}  // namespace

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
  p.link1_draw = st.l1;
  p.link2_draw = st.l2 - p.hand_len;
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

Prepared prepare_motion(World& w) {
  Settings& st = w.st;
  const PathType c = st.cptype;
  if (!inv(st, st.P0[c][0], st.P0[c][1], st.fi_ref, st.fi0())) return Prepared::StartUnreachable;
  calDmax(st, w.cv);
  w.mo.t = 0;
  w.mo.nf = 0;
  w.mo.istep = 0;
  w.mo.torque_sel = 1;
  extremal_curves(st, w.rhs, w.mo, w.cv);
  if (!calboundary(st, w.cv)) return Prepared::NoBoundary;
  reset_motion(w);
  return Prepared::Ready;
}

}  // namespace cpt
