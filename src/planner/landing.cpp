#include "planner/landing.h"

#include <cmath>

#include "model/rhs.h"
#include "planner/ceiling_run.h"
#include "planner/crossing.h"
#include "planner/integrator.h"
#include "core/console.h"
#include "planner/construction.h"
#include "planner/records.h"

namespace cpt {

namespace {

// The steps of the descent, computed before anything in the motion changes.
struct Descent {
  std::array<double, NTAB> tt;
  std::array<Vec2, NTAB> Y;
  std::array<AccRecord, NTAB> A;
  SwitchRecord land, end;
  int nf = 0;
  double t = 0, tf = 0;
};

// Maximum deceleration from step i of d (at time d.t) until sd <= 0, in steps
// of dt0 made of nsub sub-steps; then the end point interpolated to sd = 0.
Landing descend(Console& con, const Model& m, RhsState& rs, int i, Descent& d) {
  AccRecord acc = d.A[i];
  StepRule rule;  // the descent may graze the limits; it must not fail
  // A real robot's motion is fast against the 10 ms step (a 300 mm stroke in
  // 0.15 s): its rest point is taken in the sub-step where sd falls to 0,
  // not on the straight line across the whole last step (the unit point
  // mass keeps the line, and with it the times it always had).
  rule.stop_at_rest = m.pb.robot.dynamics == Dynamics::RigidLinks;
  do {
    if (i + 1 >= NTAB) {
      con.diag_say(Txt::DiagLandTooLong, NTAB - 1, d.t);
      return Landing::TooLong;
    }
    const StepRun r = substeps(con, m, rs, -1, d.t, dt0 / nsub, nsub, d.Y[i], acc, rule);
    if (r.failed) {
      con.diag_say(Txt::DiagLandFailed, r.t, r.y[0]);
      return Landing::Failed;
    }
    if (above_ceiling(m, rs, r.y)) {
      con.diag_say(Txt::DiagLandAboveCeiling, r.t, r.y[0]);
      return Landing::AboveCeiling;
    }
    d.t = r.t;
    acc = r.acc;
    ++i;
    d.tt[i] = d.t;
    d.Y[i] = r.y;
    d.A[i] = acc;
  } while (d.Y[i][1] > 0);
  d.nf = i;

  // The last step crossed sd = 0: the end is where in it sd was 0.
  const double tau = rest_time(d.Y[i - 1][1], d.Y[i][1], dt0);
  d.tf = d.t - dt0 + tau;
  d.tt[i] = d.tf;
  d.Y[i] = lerp(d.Y[i - 1], d.Y[i], tau, dt0);
  d.end = switch_record(con, m, rs, -1, d.tf, d.Y[i], d.A[i]);

  // The deceleration must come to rest at the end of the path.
  const double sf = m.sf;
  if (!(std::fabs(d.Y[i][0] - sf) <= TOL_END * sf)) {
    con.diag_say(Txt::DiagLandShort, d.Y[i][0], sf);
    return Landing::ShortOfEnd;
  }
  return Landing::Landed;
}

// Writes the landing record `record` at step i, the end record after it and
// the steps of the descent; false, with nothing written, when the records or
// the steps would pass their tables.
bool commit(const Descent& d, int record, int i, Motion& mo) {
  if (!commit_landing(mo, {record, i, d.land, d.nf, d.end, d.t, d.tf})) return false;
  for (int k = i; k <= d.nf; ++k) {
    mo.tt[k] = d.tt[k];
    mo.Y[k] = d.Y[k];
    mo.A[k] = d.A[k];
  }
  return true;
}

}  // namespace

Landing land_final(Console& con, const Model& m, RhsState& rs, const Curves& cv, Motion& mo, int upto) {
  // The landing record's own place, after the records made so far.
  const int last = mo.NCHN + 1;
  if (last < 1 || last + 1 >= NREC) {
    // The count printed is the one the landing record would make.
    con.diag_say(Txt::DiagLandRecords, NREC - 1, last);
    return Landing::TooLong;
  }
  if (upto < 1 || upto >= NTAB) return Landing::NoCrossing;

  // The first crossing of the built trajectory with the end curve.
  Vec2 X;
  int ia = 0, ib = 0;
  double ra = 0, rb = 0;
  if (!first_crossing(upto, mo.Y.data(), cv.n_curve_end, cv.curve_end.data(), X, ia, ib, ra, rb)) {
    return Landing::NoCrossing;
  }
  // The landing cuts the trajectory back to the crossing: switchings made
  // after it are not part of the landed trajectory.
  int land = last;
  while (land > 1 && mo.chn_step[land - 1] > ia) --land;
  // The trajectory must accelerate (or slide along a ceiling) where it
  // crosses: landing from a deceleration is no switch.
  if (drive_after(mo, land - 1) == Drive::Decel) return Landing::Decelerating;

  // Landing point: the fraction along the crossed step, of that step's own
  // length, which need not be the current one: steps are dt0, or dt0 / NDIV
  // after 't' (the nominal length, not the difference of summed times).
  Descent d;
  const RhsState rs_saved = rs;
  const int i = ia + 1;
  const double span = mo.tt[i] - mo.tt[ia];
  const double step = std::fabs(span - dt0) <= std::fabs(span - dt0 / NDIV) ? dt0 : dt0 / NDIV;
  d.t = mo.tt[ia] + ra * step;
  d.tt[i] = d.t;
  d.Y[i] = X;
  d.A[i] = mo.A[i];
  d.land = switch_record(con, m, rs, -1, d.t, X, d.A[i]);
  const Landing result = descend(con, m, rs, i, d);
  if (result != Landing::Landed) {
    rs = rs_saved;
    return result;
  }
  if (!commit(d, land, i, mo)) {
    rs = rs_saved;
    return Landing::TooLong;
  }
  return Landing::Landed;
}

}  // namespace cpt
