#include "interaction/keys.h"

#include <algorithm>
#include <cstdio>

#include "interaction/frame.h"
#include "core/console.h"
#include "model/ceiling.h"
#include "model/rhs.h"
#include "planner/ceiling_run.h"
#include "planner/construction.h"
#include "planner/landing.h"
#include "planner/optimum.h"
#include "planner/report.h"

namespace cpt {

namespace {

constexpr double kZoomStep = 0.9;

// The next frame only redraws the current state, with a one-line notice.
KeyAction redraw_with_notice(Frame& fr, const char* notice) {
  fr.redraw_only = true;
  fr.notice = notice;
  return KeyAction::Frame;
}

// 's': while constructing, the step index is held to NSTEP; walking and the
// replay go on to their own ends.
KeyAction step_key(Motion& mo) {
  go_to_step(mo, constructing(mo) ? std::min(mo.istep, NSTEP) : mo.istep);
  return KeyAction::Frame;
}

// The console dialog runs next (the caller runs it): the motion starts
// again from rest, and the frame's memory belongs to the old motion.
KeyAction dialog(Data& d) {
  go_to_step(d.mo, 0);
  d.fr = Frame{};
  d.optimum = OptimumSeen{};
  return KeyAction::Dialog;
}

// 'o': shows or hides the automatic optimum; the first 'o' of a setting
// computes it and prints its switch points. The frame only redraws. In an
// exam (the optimum hidden by the problem) it only shows a notice.
KeyAction optimum_key(Lang lang, const Model& m, Data& d) {
  OptimumSeen& os = d.optimum;
  if (m.pb.teaching.optimum == OptimumView::Hidden) return redraw_with_notice(d.fr, kNoticeOptimumHidden);
  if (!os.computed) {
    const Optimum o = compute_optimum(m);
    d.fr.report = optimum_report(lang, o);
    os.computed = true;
    os.ok = o.ok;
    os.T = o.T;
    std::snprintf(os.reason, sizeof os.reason, "%s", o.reason.c_str());
    // The profile thinned to the table, its ends kept.
    const int np = static_cast<int>(o.profile.size());
    os.n = std::min(np, NTAB) - 1;
    for (int i = 0; o.ok && i <= os.n; ++i) {
      const OptimumPoint& p = o.profile[os.n > 0 ? static_cast<long>(i) * (np - 1) / os.n : 0];
      os.profile[i] = {p.s, p.sd};
    }
  }
  if (!os.ok) return redraw_with_notice(d.fr, os.reason);
  os.shown = !os.shown;
  return redraw_with_notice(d.fr, nullptr);
}

// 'l': from an accelerating state at most one step below a ceiling, onto it
// (the rest of the way with maximum acceleration, stored as a step of its
// own), a ceiling record there, and the frame's step along it. While the
// motion follows the ceiling, 'l' only runs the frame.
KeyAction ceiling_key(Console& con, const Model& m, Data& d) {
  Motion& mo = d.mo;
  if (!constructing(mo)) return KeyAction::Frame;
  if (!has_speed_limits(m)) return redraw_with_notice(d.fr, kNoticeNoSpeedLimit);
  if (mo.ceiling != SpeedLimit::None) return KeyAction::Frame;
  if (!record_room(mo)) return redraw_with_notice(d.fr, kNoticeRecordsFull);
  if (mo.torque_sel < 0) return redraw_with_notice(d.fr, kNoticeNotAtCeiling);
  // An over-limit step above the ceiling is not a state to start from: its
  // predecessor is the last good one.
  int k = std::clamp(mo.istep, 0, NTAB - 2);
  if (!d.fr.step_failed && k > 0 && above_ceiling(m, d.rhs, mo.Y[k])) --k;
  if (!can_switch_at(m, mo, k) || above_ceiling(m, d.rhs, mo.Y[k])) return redraw_with_notice(d.fr, kNoticeNotAtCeiling);
  CeilingPoint cp;
  if (!ceiling_point(m, mo.Y[k][0], d.rhs.fi_last, cp)) return redraw_with_notice(d.fr, kNoticeNotAtCeiling);
  const RhsState saved = d.rhs;
  StepRun r;
  const bool below = mo.Y[k][1] < cp.c.sd * (1 - TOL_CEILING);
  // Within one step of maximum acceleration below it: the approach.
  if (below && !onto_ceiling(con, m, d.rhs, mo.tt[k], mo.Y[k], mo.A[k], r)) {
    d.rhs = saved;
    return redraw_with_notice(d.fr, kNoticeNotAtCeiling);
  }
  at_step(mo, k);
  if (below && (!take_step(mo, r) || !ceiling_point(m, r.y[0], d.rhs.fi_last, cp))) {
    return redraw_with_notice(d.fr, kNoticeNotAtCeiling);
  }
  if (!follow_ceiling(mo, cp)) return redraw_with_notice(d.fr, kNoticeRecordsFull);
  d.fr.step_failed = false;
  return KeyAction::Frame;
}

// 't': back to the step before the last good state, then on with a
// twentieth of the step. A failed step was not taken: the current state is
// the last good one.
KeyAction back_key(Data& d) {
  step_back_to(d.mo, d.mo.istep - (d.fr.step_failed ? 1 : 2));
  return KeyAction::Frame;
}

// 'r' and 'c': a switching of the torque choice. 'r' switches at the last
// good state: the step before the current one, or the current one itself
// after a failed step. After a landing the switchings are settled: the key
// only runs its frame.
KeyAction switch_key(Console& con, const Model& m, Data& d, unsigned char key) {
  const bool back = key == 'r' && !d.fr.step_failed;
  switch (switch_torque(con, m, d.rhs, d.mo, back)) {
    case Switching::Recorded:
    case Switching::NotBuilding: return KeyAction::Frame;
    case Switching::RecordsFull: return redraw_with_notice(d.fr, kNoticeRecordsFull);
    case Switching::NoState: return redraw_with_notice(d.fr, kNoticeNoSwitch);
  }
  return KeyAction::Frame;
}

// 'f': the landing at the current step; a trajectory that does not reach
// the end curve yet takes one more step.
KeyAction land_key(Console& con, const Model& m, const Curves& cv, Data& d) {
  if (!constructing(d.mo)) return KeyAction::Frame;
  if (!landing_room(d.mo)) return redraw_with_notice(d.fr, kNoticeRecordsFull);
  switch (land_at_current_step(con, m, cv, d)) {
    case Landing::Landed: return KeyAction::Frame;
    case Landing::NoCrossing: return step_key(d.mo);
    case Landing::Decelerating: return redraw_with_notice(d.fr, kNoticeLandDecelerating);
    case Landing::ShortOfEnd: return redraw_with_notice(d.fr, kNoticeLandShort);
    case Landing::AboveCeiling: return redraw_with_notice(d.fr, kNoticeLandAboveCeiling);
    case Landing::Failed:
    case Landing::TooLong: return redraw_with_notice(d.fr, kNoticeLandFailed);
  }
  return KeyAction::Frame;
}

// '0': the replay from its first frame, the walk from the start of the landed
// trajectory, or the construction at rest at the start. The frame only
// redraws: the next 's' takes the first step.
KeyAction rewind(Data& d) {
  const bool building = constructing(d.mo);
  rewind_motion(d.mo);
  if (building) d.fr.step_failed = false;
  return redraw_with_notice(d.fr, nullptr);
}

// The view keys zoom and move the picture; the frame only redraws it.
KeyAction view_key(Frame& fr, Picture& pic, unsigned char key) {
  switch (key) {
    case 'w':
      pic.zoom *= kZoomStep;
      pic.pp_zoom *= kZoomStep;
      break;
    case 'W':
      pic.zoom /= kZoomStep;
      pic.pp_zoom /= kZoomStep;
      break;
    case 'x': pic.view_x -= view_dx; break;
    case 'X': pic.view_x += view_dx; break;
    case 'y': pic.view_y -= view_dy; break;
    case 'Y': pic.view_y += view_dy; break;
    default: break;
  }
  return redraw_with_notice(fr, nullptr);
}

}  // namespace

Landing land_at_current_step(Console& con, const Model& m, const Curves& cv, Data& d) {
  const Landing result = land_final(con, m, d.rhs, cv, d.mo, d.mo.istep);
  if (result == Landing::Landed) begin_walk(d.mo);
  return result;
}

KeyAction press_key(Console& con, const Model& m, const Curves& cv, Data& d, Picture& pic, unsigned char key) {
  switch (key) {
    case 'a':
    case 'b':
    case 'u':
    case 'k': return dialog(d);
    case 's': return step_key(d.mo);
    case 't': return back_key(d);
    case 'r':
    case 'c': return switch_key(con, m, d, key);
    case 'f': return land_key(con, m, cv, d);
    case '0': return rewind(d);
    case 'o': return optimum_key(con.lang(), m, d);
    case 'l': return ceiling_key(con, m, d);
    case 'w':
    case 'W':
    case 'x':
    case 'X':
    case 'y':
    case 'Y': return view_key(d.fr, pic, key);
    case 'p': return KeyAction::Picture;
    case 27: return KeyAction::Quit;
    default: return KeyAction::Ignored;
  }
}

}  // namespace cpt
