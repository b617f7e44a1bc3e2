#include "planner/calcp.h"

#include <cmath>

#include "model/ceiling.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "planner/ceiling_run.h"
#include "planner/construction.h"
#include "planner/integrator.h"
#include "planner/landing.h"
#include "planner/motion_check.h"
#include "planner/records.h"
#include "planner/reference.h"
#include "core/console.h"

namespace cpt {

namespace {

// Reports a sub-step that failed or broke a joint limit.
void report_failed_substep(Console& con, const Model& m, double tau, const Vec2& y, const AccRecord& acc) {
  Vec2 P{0, 0};
  cpcurve(m, y[0], P);
  con.diag("\ncalcp() t1=%7.5f s=%7.4f acc[]=(%7.4f %7.4f) P[]=(%7.4f %7.4f)", tau, y[0],
              acc.acc[0], acc.acc[1], P[0], P[1]);
}

// The hand point of step k (k >= 1) at its s and the joint values nearest to
// step k - 1's.
int place_step(Console& con, const Model& m, Motion& mo, int k) {
  Vec2 xy{0, 0};
  cpcurve(m, mo.Y[k][0], xy);
  HandRecord& cp = mo.CP[k];
  cp.x = xy[0];
  cp.y = xy[1];
  if (!inv(con, m.pb.robot, cp.x, cp.y, mo.fi[k - 1], mo.fi[k])) {
    con.diag_say(Txt::DiagCalcpInv, robot_key(m.pb.robot.kind), cp.x, cp.y);
    return 0;
  }
  return 1;
}

// One trajectory step of nsub sub-steps of h from (t, Y[nf]), stored at nf + 1,
// along the ceiling when `along`. A step in which sd crosses 0 ends at rest
// at the crossing.
int one_step(Console& con, const Model& m, RhsState& rs, Motion& mo, double h, bool along,
             std::vector<TrailPoint>* trail) {
  StepRule rule;
  rule.trail = along ? trail : nullptr;
  rule.tol = TOL_STEP;
  rule.stop_over_limit = true;
  rule.stop_at_rest = true;
  const StepRun r = along ? along_ceiling(m, rs, mo.t, h, nsub, mo.Y[mo.nf], rule)
                          : substeps(con, m, rs, mo.torque_sel, mo.t, h, nsub, mo.Y[mo.nf], AccRecord{}, rule);
  // A step above the speed limits' ceiling breaks a limit too.
  if (r.failed || r.over_limit || (!along && above_ceiling(m, rs, r.y))) {
    report_failed_substep(con, m, r.t, r.y, r.acc);
    return 0;
  }
  const double tau = r.t;
  const Vec2 y = r.y;
  const int k = rebuild_step(mo, tau);
  if (k < 0) return 0;  // the segment counted its steps into the tables
  mo.tt[k] = tau;
  mo.Y[k] = y;
  // Joint accelerations at the new state, its hand point and joint values.
  int ok = 1;
  AccRecord rec = r.acc;
  if (!along) f(con, m, rs, mo.torque_sel, 1, tau, y.data(), rec, ok);
  mo.A[k] = rec;
  mo.CP[k].acc = rec.acc;
  return place_step(con, m, mo, k);
}

// Segment i, from switching record i - 1 to record i, then the switch itself.
int segment(Console& con, const Model& m, RhsState& rs, Motion& mo, int i, std::vector<TrailPoint>* trail) {
  const double span = mo.chn[i].t - mo.chn[i - 1].t;
  const double steps = (span + TOL_SPAN) / dt0;
  // A segment shorter than dt0 (a switch soon after another) is one short
  // step: skipping it would drop its time while the state jumps on.
  const int d = !(steps < NTAB) ? 0 : steps >= 1 ? static_cast<int>(steps) : span > TOL_SPAN ? 1 : 0;
  if (!(steps < NTAB) || mo.nf + d > NTAB - 1) {
    con.diag_say(Txt::DiagCalcpSteps, NTAB - 1, i, mo.chn[i].t);
    return 0;
  }
  if (!(span >= 0)) {
    con.diag_say(Txt::DiagCalcpOrder, i, mo.chn[i].t);
    return 0;
  }
  // The segment is divided evenly into d steps of about dt0.
  const double h = d > 0 ? span / d / nsub : 0.0;
  // Every segment restarts from its own recorded state, and the step where
  // it does shows the hand and the joints at that state.
  mo.Y[mo.nf] = {mo.chn[i - 1].s, mo.chn[i - 1].sd};
  if (mo.nf > 0 && !place_step(con, m, mo, mo.nf)) return 0;
  const bool along = drive_after(mo, i - 1) == Drive::Ceiling;
  for (int j = 1; j <= d; ++j) {
    if (!one_step(con, m, rs, mo, h, along, trail)) return 0;
  }
  // The switch: accelerations just after it, and the re-integrated time.
  const Drive next = drive_after(mo, i);
  rebuild_drive(mo, next);
  const int k = mo.nf;
  int ok = 1;
  CeilingPoint cp;
  if (next == Drive::Ceiling && ceiling_point(m, mo.Y[k][0], rs.fi_last, cp)) {
    mo.A[k] = cp.acc;
  } else {
    f(con, m, rs, mo.torque_sel, 1, mo.t, mo.Y[k].data(), mo.A[k], ok);
  }
  mo.CP[k].acc = mo.A[k].acc;
  if (!rebuild_switch_time(mo, i)) return 0;
  // The motion ends at rest (CP[nf].acc keeps the switched choice's values).
  if (i == mo.NCHN) mo.A[k].acc = {0, 0};
  return 1;
}

// The rebuilt motion is a result only when every step is finite and it ends
// at rest at the end of the path.
int reaches_end(Console& con, const Model& m, const Motion& mo) {
  for (int k = 0; k <= mo.nf; ++k) {
    if (!std::isfinite(mo.tt[k]) || !std::isfinite(mo.Y[k][0]) || !std::isfinite(mo.Y[k][1])) {
      con.diag_say(Txt::DiagCalcpNotFinite, k);
      return 0;
    }
  }
  const Vec2& end = mo.Y[mo.nf];
  const double sf = m.sf;
  if (mo.nf < 1 || !(std::fabs(end[0] - sf) <= TOL_END * sf) || !(std::fabs(end[1]) <= TOL_END_SD)) {
    con.diag_say(Txt::DiagCalcpNotAtRest, end[0], end[1], sf);
    return 0;
  }
  return 1;
}

// The rows of the rebuilt motion for its check: its steps, and between them
// the sub-steps of the trail (each step's own end is a step).
std::vector<MotionRow> motion_rows(const Motion& mo, const std::vector<TrailPoint>& trail) {
  std::vector<MotionRow> rows;
  size_t j = 0;
  for (int k = 0; k <= mo.nf; ++k) {
    for (; j < trail.size() && trail[j][0] <= mo.tt[k]; ++j)
      if (trail[j][0] < mo.tt[k] && (rows.empty() || trail[j][0] > rows.back().t))
        rows.push_back({trail[j][0], trail[j][1], trail[j][2]});
    rows.push_back({mo.tt[k], mo.Y[k][0], mo.Y[k][1]});
  }
  return rows;
}

}  // namespace

int calcp(Console& con, const Model& m, const Curves& cv, RhsState& rs, Motion& mo) {
  if (mo.NCHN < 0 || mo.NCHN > NREC - 1) {
    con.diag_say(Txt::DiagCalcpRecords, NREC - 1, mo.NCHN);
    return 0;
  }
  // Step 0: at rest at the start of the path.
  rebuild_begin(mo);
  mo.tt[0] = 0;
  mo.Y[0] = {0, 0};
  HandRecord& cp0 = mo.CP[0];
  cp0.x = m.P0[0];
  cp0.y = m.P0[1];
  AccRecord rec;
  int ok = 1;
  f(con, m, rs, mo.torque_sel, 1, 0.0, mo.Y[0].data(), rec, ok);
  cp0.acc = rec.acc;
  mo.A[0].acc = rec.acc;  // not the construction's: a switch at rest there may have changed it
  inv(con, m.pb.robot, cp0.x, cp0.y, Vec2{0, 0}, mo.fi[0]);  // a failure here is ignored

  // A real robot's motion is fast against the 10 ms steps (a stroke of
  // 0.15 s): along a speed limit's ceiling, which bends, the check also takes
  // the sub-steps, so that the straight line of sd^2 between two of its rows
  // stays on the motion. The unit point mass keeps its 10 ms rows.
  std::vector<TrailPoint> trail;
  std::vector<TrailPoint>* along_rows = m.pb.robot.dynamics == Dynamics::RigidLinks ? &trail : nullptr;
  for (int i = 1; i <= mo.NCHN; ++i) {
    if (!segment(con, m, rs, mo, i, along_rows)) return 0;
  }
  if (!reaches_end(con, m, mo)) return 0;
  // Nothing is obtained that breaks a limit between its steps.
  const MotionCheck check = check_motion(m, motion_rows(mo, trail));
  if (!check.ok) {
    con.diag_say(Txt::DiagCalcpBreaksLimit, check.reason.c_str());
    return 0;
  }
  reference_motion(con, m, cv, mo);
  return 1;
}

}  // namespace cpt
