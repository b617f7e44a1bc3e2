#include "planner/calcp.h"

#include <cmath>

#include "model/kinematics.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "planner/integrator.h"
#include "planner/reference.h"
#include "core/console.h"

namespace cpt {

namespace {

// Guard of the truncation that counts the steps of a segment.
constexpr double SPAN_EPS = 1e-6;

// Reports a sub-step that failed or broke a joint limit, then waits for a key.
void report_failed_substep(const Settings& st, double tau, const Vec2& y, const AccRecord& acc) {
  con_printf("\ncalcp() t1=%7.5f s=%7.4f acc[]=(%7.4f %7.4f)", tau, y[0], acc.acc[0], acc.acc[1]);
  Vec2 P{0, 0};
  cpcurve(st, y[0], P);
  con_printf(" P[]=(%7.4f %7.4f)", P[0], P[1]);
  con_key();
}

// One trajectory step of nsub sub-steps of h from (t, Y[nf]), stored at nf + 1.
// A step in which sd crosses 0 ends at rest at the crossing.
int one_step(const Settings& st, RhsState& rs, Motion& mo, double h) {
  double tau = mo.t;
  Vec2 y = mo.Y[mo.nf];
  AccRecord acc;
  for (int j = 0; j < nsub; ++j) {
    const Vec2 y_prev = y;
    const int ok = rkg(st, rs, mo.torque_sel, tau, h, y_prev.data(), y.data(), acc, 2);
    if (!ok || std::fabs(acc.acc[0]) > st.a1max + TOL_STEP ||
        std::fabs(acc.acc[1]) > st.a2max + TOL_STEP) {
      report_failed_substep(st, tau, y, acc);
      return 0;
    }
    tau += h;
    if (y[1] < 0) {
      // sd was 0 a fraction phi / h into the sub-step: stop there, at rest.
      const double phi = y_prev[1] > 0 ? h * y_prev[1] / (y_prev[1] - y[1]) : 0.0;
      tau = tau - h + phi;
      y[0] = y_prev[0] + (y[0] - y_prev[0]) * phi / h;
      y[1] = 0;
      break;
    }
  }
  mo.t = tau;
  const int k = ++mo.nf;
  mo.tt[k] = tau;
  mo.Y[k] = y;
  // Joint accelerations at the new state, its hand point and joint values.
  int ok = 1;
  AccRecord rec = acc;
  f(st, rs, mo.torque_sel, 1, tau, y.data(), rec, ok);
  mo.A[k] = rec;
  HandRecord& cp = mo.CP[k];
  cp.acc = rec.acc;
  Vec2 xy{0, 0};
  cpcurve(st, y[0], xy);
  cp.x = xy[0];
  cp.y = xy[1];
  if (!inv(st, cp.x, cp.y, mo.fi[k - 1], mo.fi[k])) {
    con_printf("\n逆運動学解なし robottype=%c CP[]=(%7.4f %7.4f)", robot_key(st.robottype), cp.x, cp.y);
    return 0;
  }
  return 1;
}

// Segment i, from switching record i - 1 to record i, then the switch itself.
int segment(const Settings& st, RhsState& rs, Motion& mo, int i) {
  const double span = mo.chn[i].t - mo.chn[i - 1].t;
  const double steps = (span + SPAN_EPS) / dt0;
  const int d = (steps >= 1 && steps < NTAB) ? static_cast<int>(steps) : 0;
  if (!(steps < NTAB) || mo.nf + d > NTAB - 1) {
    con_printf("\ncalcp() ステップ数が上限%dを超える i=%d t=%7.5f", NTAB - 1, i, mo.chn[i].t);
    return 0;
  }
  double h = 0;
  if (d > 0) {
    mo.dt = span / d;
    h = mo.dt / nsub;
  }
  // Every segment restarts from its own recorded state.
  mo.Y[mo.nf] = {mo.chn[i - 1].s, mo.chn[i - 1].sd};
  for (int j = 1; j <= d; ++j) {
    if (!one_step(st, rs, mo, h)) return 0;
  }
  // The switch: accelerations just after it, and the re-integrated time.
  mo.torque_sel = -mo.torque_sel;
  const int k = mo.nf;
  int ok = 1;
  f(st, rs, mo.torque_sel, 1, mo.t, mo.Y[k].data(), mo.A[k], ok);
  mo.CP[k].acc = mo.A[k].acc;
  mo.tf = mo.t;
  mo.chn[i].t = mo.tf;
  // The motion ends at rest.
  if (i == mo.NCHN) mo.A[k].acc = {0, 0};
  return 1;
}

}  // namespace

int calcp(const Settings& st, const Curves& cv, RhsState& rs, Motion& mo) {
  if (mo.NCHN < 0 || mo.NCHN > NREC - 1) {
    con_printf("\ncalcp() 切り替え記録の数が上限%dを超える NCHN=%d", NREC - 1, mo.NCHN);
    return 0;
  }
  // Step 0: at rest at the start of the path.
  mo.torque_sel = +1;
  mo.t = 0;
  mo.tt[0] = 0;
  mo.Y[0] = {0, 0};
  HandRecord& cp0 = mo.CP[0];
  cp0.x = st.P0[st.cptype][0];
  cp0.y = st.P0[st.cptype][1];
  AccRecord rec;
  int ok = 1;
  f(st, rs, mo.torque_sel, 1, 0.0, mo.Y[0].data(), rec, ok);
  cp0.acc = rec.acc;
  inv(st, cp0.x, cp0.y, Vec2{0, 0}, mo.fi[0]);  // a failure here is ignored
  mo.t = 0;
  mo.nf = 0;

  for (int i = 1; i <= mo.NCHN; ++i) {
    if (!segment(st, rs, mo, i)) return 0;
  }
  reference_motion(st, cv, mo);
  return 1;
}

}  // namespace cpt
