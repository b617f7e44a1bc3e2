#include "interaction/keys.h"

#include <algorithm>
#include <cstdio>

#include "interaction/frame.h"
#include "core/console.h"
#include "planner/records.h"
#include "planner/landing.h"
#include "planner/optimum.h"
#include "planner/report.h"

namespace cpt {

namespace {

constexpr double kZoomStep = 0.9;

bool constructing(const Motion& mo) { return mo.traj_state != TrajState::Obtained && mo.final_state != FinalState::Walking; }

// The next frame only redraws the current state, with a one-line notice.
KeyAction hold(World& w, const char* notice) {
  w.fr.hold = true;
  w.fr.notice = notice;
  return KeyAction::Frame;
}

// Room for one more switching record, two being kept for the landing.
bool record_room(const Motion& mo) { return mo.NCHN + 1 + kLandingRecords <= NREC - 1; }

// A switching record at the current step: its time and state, and the joint
// accelerations that the switched torque choice gives there.
void switching_record(World& w) {
  Motion& mo = w.mo;
  const int k = mo.istep;
  ++mo.NCHN;
  mo.chn_step[mo.NCHN] = k;
  mo.torque_sel = -mo.torque_sel;
  mo.chn[mo.NCHN] = switch_record(w.st, w.rhs, mo.torque_sel, mo.t, mo.Y[k], mo.A[k]);
  mo.dt = dt0;
}

// A switching only where the motion moves forwards along the path: a state
// at rest would run backwards after it, and a state off the path is no state.
bool can_switch_at(const World& w, int k) {
  const Vec2& y = w.mo.Y[k];
  return on_path(w.st, y) && y[1] > 0;
}

// 's': while constructing, the step index is held to NSTEP; walking and the
// replay go on to their own ends.
KeyAction step_key(Motion& mo) {
  if (constructing(mo) && mo.istep > NSTEP) mo.istep = NSTEP;
  if (mo.istep < 0) mo.istep = 0;
  return KeyAction::Frame;
}

// The console dialog runs next (the caller runs it): the motion starts
// again from rest, and the frame's memory belongs to the old motion.
KeyAction dialog(World& w) {
  w.mo.istep = 0;
  w.fr = Frame{};
  w.opt = OptimumSeen{};
  return KeyAction::Dialog;
}

// 'o': shows or hides the automatic optimum; the first 'o' of a setting
// computes it and prints its switch points. The frame only redraws.
KeyAction optimum_key(World& w) {
  OptimumSeen& os = w.opt;
  if (!os.computed) {
    const Optimum o = compute_optimum(w.st);
    optimum_report(o);
    os.computed = true;
    os.ok = o.ok;
    os.T = o.T;
    std::snprintf(os.reason, sizeof os.reason, "%s", o.reason.c_str());
    // The profile thinned to the table, its ends kept.
    const int m = static_cast<int>(o.profile.size());
    os.n = std::min(m, NTAB) - 1;
    for (int i = 0; o.ok && i <= os.n; ++i) {
      const OptimumPoint& p = o.profile[os.n > 0 ? static_cast<long>(i) * (m - 1) / os.n : 0];
      os.profile[i] = {p.s, p.sd};
    }
  }
  if (!os.ok) return hold(w, os.reason);
  os.shown = !os.shown;
  return hold(w, nullptr);
}

}  // namespace

Landing land_at_current_step(World& w) {
  Motion& mo = w.mo;
  ++mo.NCHN;
  mo.chn_step[mo.NCHN] = mo.istep;
  const Landing result = land_final(w.st, w.rhs, w.cv, mo);
  if (result != Landing::Landed) {
    --mo.NCHN;
    return result;
  }
  mo.final_state = FinalState::Walking;
  mo.istep = mo.chn_step[mo.NCHN - 1];
  return result;
}

KeyAction press_key(World& w, unsigned char key) {
  Motion& mo = w.mo;
  Picture& pic = w.pic;
  diag_scope_begin();  // ended by the key's frame
  switch (key) {
    case 'a':
    case 'b':
      w.st.robottype = robot_of_key(key);
      return dialog(w);
    case 'u':
    case 'k':
      return dialog(w);
    case 's':
      return step_key(mo);
    case 't':
      // Back to the step before the last good state, then on with a
      // twentieth of the step. A failed step was not taken: the current
      // state is the last good one.
      mo.istep = std::clamp(mo.istep - (w.fr.step_failed ? 1 : 2), 0, NTAB - 1);
      mo.t = mo.tt[mo.istep];
      mo.dt = dt0 / NDIV;
      return KeyAction::Frame;
    case 'r':
    case 'c':
      // After a landing the switchings are settled: the key only runs its frame.
      if (!constructing(mo)) return KeyAction::Frame;
      if (!record_room(mo)) return hold(w, kNoticeRecordsFull);
      {
        // 'r' switches at the last good state: the step before the current
        // one, or the current one itself after a failed step.
        const bool back = key == 'r' && !w.fr.step_failed;
        const int k = std::clamp(back ? mo.istep - 1 : mo.istep, 0, NTAB - 1);
        if (!can_switch_at(w, k)) return hold(w, kNoticeNoSwitch);
        if (back) {
          mo.t = std::max(mo.t - mo.dt, 0.0);
          mo.istep = std::max(mo.istep - 1, 0);
        }
      }
      mo.istep = std::min(mo.istep, NTAB - 1);
      switching_record(w);
      return KeyAction::Frame;
    case 'f':
      if (!constructing(mo)) return KeyAction::Frame;
      if (mo.NCHN + kLandingRecords > NREC - 1) return hold(w, kNoticeRecordsFull);
      switch (land_at_current_step(w)) {
        case Landing::Landed: return KeyAction::Frame;
        case Landing::NoCrossing: return step_key(mo);  // not there yet: one more step
        case Landing::Decelerating: return hold(w, kNoticeLandDecelerating);
        case Landing::ShortOfEnd: return hold(w, kNoticeLandShort);
        case Landing::Failed:
        case Landing::TooLong: return hold(w, kNoticeLandFailed);
      }
      return KeyAction::Frame;
    case '0':
      if (mo.traj_state == TrajState::Obtained) {
        mo.istep = 0;  // the replay from its start
      } else if (mo.final_state == FinalState::Walking) {
        // Walking keeps its switching records: they define the landed
        // trajectory that the walk rebuilds at its end.
        mo.istep = 0;
        mo.torque_sel = +1;
        mo.dt = dt0;
        mo.t = 0;
      } else {
        rest_at_start(mo);
      }
      return KeyAction::Frame;
    case 'o':
      return optimum_key(w);
    case 'w':
      pic.zoom *= kZoomStep;
      pic.pp_zoom *= kZoomStep;
      return KeyAction::Frame;
    case 'W':
      pic.zoom /= kZoomStep;
      pic.pp_zoom /= kZoomStep;
      return KeyAction::Frame;
    case 'x': pic.view_x -= view_dx; return KeyAction::Frame;
    case 'X': pic.view_x += view_dx; return KeyAction::Frame;
    case 'y': pic.view_y -= view_dy; return KeyAction::Frame;
    case 'Y': pic.view_y += view_dy; return KeyAction::Frame;
    case 'p':
      return KeyAction::Picture;
    case 27:
      return KeyAction::Quit;
    default:
      return KeyAction::Ignored;
  }
}

}  // namespace cpt
