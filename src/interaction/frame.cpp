#include "interaction/frame.h"

#include <algorithm>
#include <cmath>

#include "planner/calcp.h"
#include "planner/integrator.h"
#include "planner/report.h"

namespace cpt {

namespace {

bool over_limit(const Settings& st, const AccRecord& acc, double tol) {
  return std::fabs(acc.acc[0]) > st.a1max + tol || std::fabs(acc.acc[1]) > st.a2max + tol;
}

// Both look-ahead curves from the current point: the current torque choice
// and the switched one.
void look_ahead_both(World& w, FrameView& v) {
  Motion& mo = w.mo;
  Frame& fr = w.fr;
  const Vec2 y = mo.Y[mo.istep];
  fr.n_keep = look_ahead(w.st, w.rhs, mo.torque_sel, mo.t, y, fr.look_keep.data(), fr.acc_now);
  fr.n_switch = look_ahead(w.st, w.rhs, -mo.torque_sel, mo.t, y, fr.look_switch.data(), fr.acc_now);
  v.look_ahead = true;
}

// Walking: one more step of the landed trajectory; at its end the trajectory
// is obtained, rebuilt and reported, and the replay begins.
void walk(World& w, FrameView& v, bool hold, const BeforeRebuild& before_rebuild) {
  Motion& mo = w.mo;
  v.mode = FrameMode::Walking;
  if (!hold && mo.istep < mo.nf) ++mo.istep;
  v.n = mo.istep;
  if (hold || mo.istep != mo.nf || mo.nf == 0) return;

  v.obtained = true;
  if (before_rebuild) before_rebuild(v);
  calcp(w.st, w.cv, w.rhs, mo);  // reports its own failures on the console
  mo.NCT = switching_report(w.st, mo, mo.nf);
  mo.tf = motion_time(mo);
  v.n = mo.nf;
  mo.istep = 0;
  mo.traj_state = TrajState::Obtained;
}

void replay(World& w, FrameView& v, bool hold) {
  Motion& mo = w.mo;
  const int last = std::clamp(mo.nn, 0, NTAB - 1);
  if (!hold) {
    if (mo.istep >= last && !v.notice) v.notice = kNoticeReplayEnd;
    mo.istep = std::min(mo.istep + 1, last);
  }
  mo.istep = std::clamp(mo.istep, 0, last);
  v.mode = FrameMode::Replay;
  v.reference = mo.istep;
  v.n = std::clamp(std::min(mo.istep, mo.nf), 0, NTAB - 1);
}

}  // namespace

int construction_step(const Settings& st, RhsState& rs, Motion& mo, AccRecord& acc_now) {
  const int k = ++mo.istep;
  Vec2 y = mo.Y[k - 1];
  const double h = mo.dt / nsub;
  int good = 1;
  for (int j = 0; j < nsub; ++j) {
    const Vec2 y_in = y;
    const int ok = rkg(st, rs, mo.torque_sel, mo.t, h, y_in.data(), y.data(), acc_now, 2);
    if (!ok || over_limit(st, acc_now, TOL_STEP)) good = 0;
    mo.t += h;  // also after a failed sub-step
  }
  mo.Y[k] = y;
  mo.A[k] = acc_now;
  mo.tt[k] = mo.t;
  return good;
}

int look_ahead(const Settings& st, RhsState& rs, int torque_sel, double t, const Vec2& y,
               Vec2* pts, AccRecord& acc_now) {
  const double sf = st.sf_now();
  pts[0] = y;
  int n = 0;
  for (int k = 0; k < NSTEP; ++k) {
    if (!rkg(st, rs, torque_sel, t, dt0, pts[k].data(), pts[k + 1].data(), acc_now, 2)) break;
    n = k + 1;
    if (over_limit(st, acc_now, TOL_CURVE) || pts[k + 1][1] < 0 || pts[k + 1][0] > sf) break;
  }
  return n;
}

int limit_marker(const Settings& st, const Picture& pic, const Motion& mo, int k, Vec2& at,
                 double& radius) {
  const HandRecord& p = mo.CP[k - 1];
  const HandRecord& c = mo.CP[k];
  const auto e1 = [&](const HandRecord& r) { return std::fabs(st.a1max - std::fabs(r.acc[0])); };
  const auto e2 = [&](const HandRecord& r) { return std::fabs(st.a2max - std::fabs(r.acc[1])); };
  const Vec2 here{c.x, c.y}, before{p.x, p.y};
  radius = 0.012;
  if (e1(p) > SW_FAR && e1(c) < SW_AT) {
    at = here;  // joint 1 reaches its limit
  } else if (e1(p) < SW_AT && e1(c) > SW_FAR) {
    at = before;  // joint 1 leaves it
  } else if (e2(p) > SW_FAR && e2(c) < SW_AT) {
    at = here;
  } else if (e2(p) < SW_AT && e2(c) > SW_FAR) {
    at = before;
    radius = 0.012 * pic.zoom;
  } else if (std::fabs(p.acc[0] * c.acc[0] + st.a1max * st.a1max) < SW_AT) {
    at = before;  // joint 1 jumps from one limit to the other
  } else if (std::fabs(p.acc[1] * c.acc[1] + st.a2max * st.a2max) < SW_AT) {
    at = before;
  } else {
    return 0;
  }
  return 1;
}

FrameView run_frame(World& w, const BeforeRebuild& before_rebuild) {
  Motion& mo = w.mo;
  Frame& fr = w.fr;
  FrameView v;
  v.notice = fr.notice;
  bool hold = fr.hold;
  fr.notice = nullptr;
  fr.hold = false;

  mo.tf = motion_time(mo);  // the goal time of the panel
  if (mo.traj_state == TrajState::Obtained) {
    replay(w, v, hold);
    return v;
  }
  if (mo.final_state == FinalState::Walking) {
    walk(w, v, hold, before_rebuild);
    return v;
  }

  // Construction.
  v.mode = FrameMode::Construction;
  if (!hold && mo.istep >= NTAB - 1) {
    hold = true;
    v.notice = kNoticeStepsFull;
  }
  mo.istep = std::clamp(mo.istep, 0, NTAB - 1);
  if (!hold) {
    v.step_failed = !construction_step(w.st, w.rhs, mo, fr.acc_now);
    if (!(mo.Y[mo.istep][1] > 0)) {
      // At rest: a landed trajectory would be walked on from here, but without
      // one the motion simply stays at this step.
      walk(w, v, true, before_rebuild);
      if (!v.notice) v.notice = kNoticeAtRest;
      return v;
    }
  }
  v.n = mo.istep;
  look_ahead_both(w, v);
  return v;
}

}  // namespace cpt
