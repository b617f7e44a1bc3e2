#include "planner/construction.h"

#include <algorithm>

#include "planner/records.h"

namespace cpt {

namespace {

// Back before the switch onto the ceiling followed: the construction
// accelerates again from there, without the ceiling record.
void leave_ceiling_behind(Motion& mo) {
  if (mo.ceiling == SpeedLimit::None || mo.istep >= mo.chn_step[mo.NCHN]) return;
  --mo.NCHN;
  mo.ceiling = SpeedLimit::None;
  mo.torque_sel = +1;
}

}  // namespace

bool constructing(const Motion& mo) {
  return mo.traj_state != TrajState::Obtained && mo.final_state != FinalState::Walking;
}

bool record_room(const Motion& mo) { return mo.NCHN + 1 + kLandingRecords <= NREC - 1; }

bool landing_room(const Motion& mo) { return mo.NCHN + kLandingRecords <= NREC - 1; }

bool step_room(const Motion& mo) { return mo.istep >= 0 && mo.istep + 1 <= NTAB - 1; }

bool can_switch_at(const Model& m, const Motion& mo, int k) {
  const Vec2& y = mo.Y[k];
  return on_path(m, y) && y[1] > 0;
}

void rest_at_start(Motion& mo) {
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

void start_record(Motion& mo) {
  mo.chn_step[0] = 0;
  mo.chn[0].t = mo.chn[0].s = mo.chn[0].sd = 0;
  mo.chn[0].acc = mo.A[0].acc;
}

void rewind_motion(Motion& mo) {
  if (mo.traj_state == TrajState::Obtained) {
    mo.istep = 0;
  } else if (mo.final_state == FinalState::Walking) {
    mo.istep = 0;
    mo.torque_sel = +1;
    mo.dt = dt0;
    mo.t = 0;
  } else {
    rest_at_start(mo);
  }
}

void begin_walk(Motion& mo) {
  mo.final_state = FinalState::Walking;
  mo.ceiling = SpeedLimit::None;
  mo.istep = mo.chn_step[std::clamp(mo.NCHN - 1, 0, NREC - 1)];
}

void mark_obtained(Motion& mo) {
  mo.tf = motion_time(mo);
  mo.istep = 0;
  mo.traj_state = TrajState::Obtained;
}

void set_goal_time(Motion& mo) { mo.tf = motion_time(mo); }

void go_to_step(Motion& mo, int k) { mo.istep = std::clamp(k, 0, NTAB - 1); }

void at_step(Motion& mo, int k) {
  mo.istep = std::clamp(k, 0, NTAB - 1);
  mo.t = mo.tt[mo.istep];
}

void step_back_to(Motion& mo, int k) {
  at_step(mo, k);
  mo.dt = dt0 / NDIV;
  leave_ceiling_behind(mo);
}

bool take_step(Motion& mo, const StepRun& r) {
  if (!step_room(mo)) return false;
  const int k = mo.istep + 1;
  mo.istep = k;
  mo.t = r.t;
  mo.tt[k] = r.t;
  mo.Y[k] = r.y;
  mo.A[k] = r.acc;
  return true;
}

Switching switch_torque(Console& con, const Model& m, RhsState& rs, Motion& mo, bool back) {
  if (!constructing(mo)) return Switching::NotBuilding;
  if (!record_room(mo)) return Switching::RecordsFull;
  if (!can_switch_at(m, mo, std::clamp(back ? mo.istep - 1 : mo.istep, 0, NTAB - 1))) return Switching::NoState;
  if (back) {
    // Back to the step before, at its own time: the last step may have been
    // shorter than dt (one that came to rest ends there).
    mo.istep = std::max(mo.istep - 1, 0);
    mo.t = mo.tt[mo.istep];
  }
  mo.istep = std::min(mo.istep, NTAB - 1);
  const int k = mo.istep;
  ++mo.NCHN;
  mo.chn_step[mo.NCHN] = k;
  mo.torque_sel = -mo.torque_sel;
  mo.ceiling = SpeedLimit::None;  // from a ceiling: maximum deceleration
  mo.chn[mo.NCHN] = switch_record(con, m, rs, mo.torque_sel, mo.t, mo.Y[k], mo.A[k]);
  mo.dt = dt0;
  return Switching::Recorded;
}

bool follow_ceiling(Motion& mo, const CeilingPoint& cp) {
  if (!record_room(mo) || mo.istep < 0 || mo.istep > NTAB - 1) return false;
  const int j = mo.istep;
  mo.Y[j][1] = cp.c.sd;
  ++mo.NCHN;
  mo.chn_step[mo.NCHN] = j;
  mo.chn[mo.NCHN] = {mo.t, mo.Y[j][0], cp.c.sd, cp.acc.acc, Drive::Ceiling, cp.c.by};
  mo.torque_sel = +1;
  mo.ceiling = cp.c.by;
  mo.dt = dt0;
  return true;
}

bool commit_landing(Motion& mo, const LandingRecords& r) {
  if (r.record < 1 || r.record + 1 > NREC - 1) return false;
  if (r.step < 0 || r.end_step < r.step || r.end_step > NTAB - 1) return false;
  mo.chn_step[r.record] = r.step;
  mo.chn[r.record] = r.land;
  mo.NCHN = r.record + 1;
  mo.chn_step[r.record + 1] = r.end_step;
  mo.chn[r.record + 1] = r.end;
  mo.nf = r.end_step;
  mo.tf = r.tf;
  mo.t = r.t;
  mo.torque_sel = -1;
  return true;
}

void rebuild_begin(Motion& mo) {
  mo.torque_sel = +1;
  mo.t = 0;
  mo.nf = 0;
}

int rebuild_step(Motion& mo, double t) {
  if (mo.nf + 1 > NTAB - 1) return -1;
  mo.t = t;
  return ++mo.nf;
}

void rebuild_drive(Motion& mo, Drive next) { mo.torque_sel = drive_sel(next); }

bool rebuild_switch_time(Motion& mo, int i) {
  if (i < 0 || i > NREC - 1) return false;
  mo.tf = mo.t;
  mo.chn[i].t = mo.tf;
  return true;
}

}  // namespace cpt
