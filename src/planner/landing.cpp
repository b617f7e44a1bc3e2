#include "planner/landing.h"

#include <cmath>

#include "model/rhs.h"
#include "planner/crossing.h"
#include "planner/integrator.h"
#include "core/console.h"

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

SwitchRecord record(double t, const Vec2& y, const AccRecord& a) {
  return {t, y[0], y[1], {a.acc[0], a.acc[1]}};
}

// Maximum deceleration from step i of d (at time d.t) until sd <= 0, in steps
// of dt0 made of nsub sub-steps; then the end point interpolated to sd = 0.
// Returns 0 when the descent would pass the last step index.
int descend(const Settings& st, RhsState& rs, int i, Descent& d) {
  const double h = dt0 / nsub;
  int ok = 1;
  AccRecord acc = d.A[i];  // a failed sub-step leaves the previous record
  do {
    if (i + 1 >= NTAB) {
      con_printf("\nland_final() ステップ数が上限%dを超える t=%7.4f", NTAB - 1, d.t);
      return 0;
    }
    Vec2 y = d.Y[i];
    for (int j = 0; j < nsub; ++j) {
      const Vec2 y_in = y;
      rkg(st, rs, -1, d.t, h, y_in.data(), y.data(), acc, 2);  // failures are not tested
      d.t += h;
    }
    ++i;
    d.tt[i] = d.t;
    d.Y[i] = y;
    d.A[i] = acc;
  } while (d.Y[i][1] > 0);
  d.nf = i;

  // The last step crossed sd = 0: tau is the time into it at which sd was 0.
  const Vec2 yp = d.Y[i - 1];
  const double drop = yp[1] - d.Y[i][1];
  const double tau = drop > 0 ? dt0 * yp[1] / drop : 0.0;
  d.tf = d.t - dt0 + tau;
  d.tt[i] = d.tf;
  d.Y[i][0] = yp[0] + (d.Y[i][0] - yp[0]) * tau / dt0;
  d.Y[i][1] = yp[1] + (d.Y[i][1] - yp[1]) * tau / dt0;
  f(st, rs, -1, 1, d.t, d.Y[i].data(), d.A[i], ok);
  d.end = record(d.tf, d.Y[i], d.A[i]);
  return 1;
}

// Writes the landing record m at step i, the steps of the descent and the
// end record m + 1.
void commit(const Descent& d, int m, int i, Motion& mo) {
  mo.chn_step[m] = i;
  mo.chn[m] = d.land;
  for (int k = i; k <= d.nf; ++k) {
    mo.tt[k] = d.tt[k];
    mo.Y[k] = d.Y[k];
    mo.A[k] = d.A[k];
  }
  mo.NCHN = m + 1;
  mo.chn_step[m + 1] = d.nf;
  mo.chn[m + 1] = d.end;
  mo.nf = d.nf;
  mo.tf = d.tf;
  mo.t = d.t;
  mo.torque_sel = -1;
}

}  // namespace

int land_final(const Settings& st, RhsState& rs, const Curves& cv, Motion& mo) {
  const int m = mo.NCHN;
  if (m < 0 || m + 1 >= NREC) {
    con_printf("\nland_final() 切り替え記録が上限%dを超える NCHN=%d", NREC - 1, m);
    return 0;
  }
  const int istep = mo.chn_step[m];
  if (istep < 1 || istep >= NTAB) return 0;

  // The first crossing of the built trajectory with the end curve.
  Vec2 X;
  int ia = 0, ib = 0;
  double ra = 0, rb = 0;
  if (!first_crossing(istep, mo.Y.data(), cv.n_curve_end, cv.curve_end.data(), X, ia, ib, ra, rb)) {
    return 0;
  }

  // Landing point: the fraction along the crossed segment, of the current step.
  Descent d;
  const RhsState rs_saved = rs;
  const int i = ia + 1;
  int ok = 1;
  d.t = mo.tt[ia] + ra * mo.dt;
  d.tt[i] = d.t;
  d.Y[i] = X;
  d.A[i] = mo.A[i];
  f(st, rs, -1, 1, d.t, d.Y[i].data(), d.A[i], ok);
  d.land = record(d.t, X, d.A[i]);
  if (!descend(st, rs, i, d)) {
    rs = rs_saved;
    return 0;
  }

  commit(d, m, i, mo);
  return 1;
}

}  // namespace cpt
