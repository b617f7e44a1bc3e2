#include "interaction/frame.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/console.h"
#include "model/limits.h"
#include "model/paths.h"
#include "planner/calcp.h"
#include "planner/construction.h"
#include "planner/ceiling_run.h"
#include "planner/integrator.h"
#include "planner/report.h"

namespace cpt {

namespace {

// Both look-ahead curves from the current point: the current torque choice
// and the switched one.
void look_ahead_both(Console& con, const Model& m, Data& d, FrameView& v) {
  Motion& mo = d.mo;
  Frame& fr = d.fr;
  const Vec2 y = mo.Y[mo.istep];
  fr.n_keep = look_ahead(con, m, d.rhs, mo.torque_sel, mo.t, y, fr.look_keep.data(), fr.acc_now);
  fr.n_switch = look_ahead(con, m, d.rhs, -mo.torque_sel, mo.t, y, fr.look_switch.data(), fr.acc_now);
  v.look_ahead = true;
}

// Walking: one more step of the landed trajectory; at its end the trajectory
// is rebuilt, obtained and reported, and the replay begins. A rebuild that
// fails obtains nothing: the construction starts again from rest.
void walk(Console& con, const Model& m, const Curves& cv, Data& d, FrameView& v, bool redraw_only, const OnObtained& on_obtained) {
  Motion& mo = d.mo;
  v.mode = FrameMode::Walking;
  if (!redraw_only && mo.istep < mo.nf) go_to_step(mo, mo.istep + 1);
  v.n = mo.istep;
  if (redraw_only || mo.istep != mo.nf || mo.nf == 0) return;

  if (!calcp(con, m, cv, d.rhs, mo)) {  // reports its own failures on the console
    rest_at_start(mo);
    v.mode = FrameMode::Construction;
    v.n = 0;
    v.notice = kNoticeRebuildFailed;
    return;
  }
  v.obtained = true;
  v.n = mo.nf;
  if (on_obtained) on_obtained(v);
  int dropped = 0;
  switching_times(m, mo, mo.nf, dropped);
  v.report += switching_report(con.lang(), mo, dropped);
  v.n = mo.nf;
  mark_obtained(mo);
}

// The message of a step that failed or broke a limit.
const char* step_message(SpeedLimit above) {
  switch (above) {
    case SpeedLimit::Hand: return kMsgOverHandSpeed;
    case SpeedLimit::Joint1: return kMsgOverJoint1Speed;
    case SpeedLimit::Joint2: return kMsgOverJoint2Speed;
    case SpeedLimit::None: break;
  }
  return kMsgStepFailed;
}

void replay(Data& d, FrameView& v, bool redraw_only) {
  Motion& mo = d.mo;
  const int last = std::clamp(mo.nn, 0, NTAB - 1);
  int k = mo.istep;
  if (!redraw_only) {
    if (k >= last && !v.notice) v.notice = kNoticeReplayEnd;
    k = std::min(k + 1, last);
  }
  go_to_step(mo, std::clamp(k, 0, last));
  v.mode = FrameMode::Replay;
  v.reference = mo.istep;
  v.n = std::clamp(std::min(mo.istep, mo.nf), 0, NTAB - 1);
}

}  // namespace

StepOutcome construction_step(Console& con, const Model& m, RhsState& rs, Motion& mo, AccRecord& acc_now,
                              SpeedLimit* above) {
  if (above) *above = SpeedLimit::None;
  if (!step_room(mo)) return StepOutcome::Failed;
  const int k = mo.istep + 1;
  StepRule rule;
  rule.tol = TOL_STEP;
  rule.stop_off_path = true;
  // A deceleration that brings the motion to rest ends the step there.
  rule.stop_at_rest = true;
  const bool along = mo.ceiling != SpeedLimit::None;
  rule.stop_over_limit = along;
  const StepRun r =
      along ? along_ceiling(m, rs, mo.t, mo.dt / nsub, nsub, mo.Y[k - 1], rule)
            : substeps(con, m, rs, mo.torque_sel, mo.t, mo.dt / nsub, nsub, mo.Y[k - 1], acc_now, rule);
  // A failed step or one that leaves the path is not taken: the motion stays
  // where it was; so is a step along the ceiling that breaks a joint limit.
  if (r.failed || r.off_path) return StepOutcome::Failed;
  if (along && r.over_limit) return StepOutcome::Steep;
  acc_now = r.acc;
  take_step(mo, r);
  if (r.over_limit) return StepOutcome::OverLimit;
  const SpeedLimit by = ceiling_above(m, rs, r.y);
  if (above) *above = by;
  return by != SpeedLimit::None ? StepOutcome::OverLimit : StepOutcome::Done;
}

int look_ahead(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, const Vec2& y,
               Vec2* pts, AccRecord& acc_now) {
  const double sf = m.sf;
  // One step per run: the knots are found once for the whole curve.
  const std::vector<double> knots = path_knots(m);
  StepRule rule;
  rule.tol = TOL_CURVE;
  rule.knots = &knots;
  pts[0] = y;
  int n = 0;
  for (int k = 0; k < NSTEP; ++k) {
    const StepRun r = substeps(con, m, rs, torque_sel, t, dt0, 1, pts[k], acc_now, rule);
    if (r.failed) break;
    acc_now = r.acc;
    pts[k + 1] = r.y;
    n = k + 1;
    // Over a joint limit or above a speed limit: the point that shows it ends the curve.
    if (r.over_limit || r.y[1] < 0 || r.y[0] > sf || above_ceiling(m, rs, r.y)) break;
  }
  return n;
}

int limit_marker(const Model& m, const Picture& pic, const Motion& mo, int k, Vec2& at,
                 double& radius) {
  const HandRecord& p = mo.CP[k - 1];
  const HandRecord& c = mo.CP[k];
  const LimitEvents e = limit_events(m, p.acc, c.acc);
  const Vec2 here{c.x, c.y}, before{p.x, p.y};
  radius = 0.012;
  if (e.reach[0]) {
    at = here;
  } else if (e.leave[0]) {
    at = before;
  } else if (e.reach[1]) {
    at = here;
  } else if (e.leave[1]) {
    at = before;
    radius = 0.012 * pic.zoom;
  } else if (e.jump[0] || e.jump[1]) {
    at = before;
  } else {
    return 0;
  }
  return 1;
}

namespace {

// The construction's step of a frame that is not held. Returns false when the
// frame ends with it: the step failed (nothing new to look ahead from; the
// notice says why) or the motion came to rest.
bool construction_frame_step(Console& con, const Model& m, const Curves& cv, Data& d, FrameView& v,
                             const OnObtained& on_obtained) {
  Motion& mo = d.mo;
  Frame& fr = d.fr;
  SpeedLimit above = SpeedLimit::None;
  const StepOutcome out = construction_step(con, m, d.rhs, mo, fr.acc_now, &above);
  if (out != StepOutcome::Done) v.step_failed = step_message(above);
  fr.step_failed = out == StepOutcome::Failed || out == StepOutcome::Steep;
  if (fr.step_failed) {
    v.n = mo.istep;
    if (!v.notice) v.notice = out == StepOutcome::Steep ? kNoticeCeilingSteep : kNoticeStepFailed;
    return false;
  }
  if (!(mo.Y[mo.istep][1] > 0)) {
    // At rest: a landed trajectory would be walked on from here, but without
    // one the motion simply stays at this step.
    walk(con, m, cv, d, v, true, on_obtained);
    if (!v.notice) v.notice = kNoticeAtRest;
    return false;
  }
  return true;
}

// Construction: one step unless held, then both look-ahead curves from the
// current point.
void construction_frame(Console& con, const Model& m, const Curves& cv, Data& d, FrameView& v, bool redraw_only,
                        const OnObtained& on_obtained) {
  Motion& mo = d.mo;
  v.mode = FrameMode::Construction;
  if (!redraw_only && mo.istep >= NTAB - 1) {
    redraw_only = true;
    v.notice = kNoticeStepsFull;
  }
  go_to_step(mo, std::clamp(mo.istep, 0, NTAB - 1));
  if (!redraw_only && !(mo.Y[mo.istep][1] > 0) && mo.torque_sel < 0 && mo.ceiling == SpeedLimit::None) {
    // At rest with maximum deceleration: a step would run backwards.
    redraw_only = true;
    if (!v.notice) v.notice = kNoticeAtRest;
  }
  if (!redraw_only && !construction_frame_step(con, m, cv, d, v, on_obtained)) return;
  v.n = mo.istep;
  look_ahead_both(con, m, d, v);
}

FrameView frame(Console& con, const Model& m, const Curves& cv, Data& d, const OnObtained& on_obtained) {
  Motion& mo = d.mo;
  Frame& fr = d.fr;
  FrameView v;
  v.notice = fr.notice;
  const bool redraw_only = fr.redraw_only;
  fr.notice = nullptr;
  fr.redraw_only = false;

  set_goal_time(mo);  // the goal time of the panel
  if (mo.traj_state == TrajState::Obtained) {
    replay(d, v, redraw_only);
  } else if (mo.final_state == FinalState::Walking) {
    walk(con, m, cv, d, v, redraw_only, on_obtained);
  } else {
    construction_frame(con, m, cv, d, v, redraw_only, on_obtained);
  }
  return v;
}

}  // namespace

FrameView run_frame(Console& con, const Model& m, const Curves& cv, Data& d, const OnObtained& on_obtained) {
  return frame(con, m, cv, d, on_obtained);
}

}  // namespace cpt
