#include "planner/reference.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/kinematics.h"
#include "model/limits.h"
#include "model/paths.h"
#include "core/console.h"

namespace cpt {

namespace {

constexpr double TA0 = 0.5;        // first acceleration time [s]
constexpr double TA_STEP = 0.05;   // shortening of ta when the profile has no room
constexpr int TA_ROUNDS = 100;     // bound of the shortening of ta
constexpr double A_SHRINK = 0.95;  // reduction of a per round that breaks a limit
constexpr int A_ROUNDS = 1000;     // bound of the reduction rounds

// The largest a that the path maxima of the s-dd coefficients allow; a joint
// whose coefficient is 0 everywhere sets no bound. 0 when neither does.
double start_acceleration(const Model& m, const Curves& cv) {
  const double d00 = cv.Dmax00, d10 = cv.Dmax10;
  double a = 0;
  bool bound = false;
  if (d00 > 0) {
    a = m.pb.a1max / d00;
    bound = true;
  }
  if (d10 > 0 && (!bound || m.pb.a2max / d10 < a)) a = m.pb.a2max / d10;
  return a;
}

// Samples of the ceiling along the path for the cruise cap.
constexpr int CEIL_SAMPLES = 2000;

// The lowest speed-limit ceiling along the path (+inf when none is set): the
// cruise rate of the profile stays below it, and so does every rate before.
double lowest_ceiling(const Model& m) {
  double low = std::numeric_limits<double>::infinity();
  if (!has_speed_limits(m)) return low;
  Vec2 ref = m.fi0;
  for (int i = 0; i <= CEIL_SAMPLES; ++i) {
    Ceiling c;
    Vec2 fi;
    if (!ceiling_at(m, m.sf * i / CEIL_SAMPLES, ref, fi, c)) continue;
    ref = fi;
    low = std::min(low, c.sd);
  }
  return low;
}

// Hand point, joint values (following those of step k - 1) and joint
// accelerations of step k with state (s, sd, sdd).
void fill_step(Console& con, const Model& m, Motion& mo, int k, double s, double sd, double sdd) {
  mo.Yn[k] = {s, sd};
  cpcurve(m, s, mo.CPn[k]);
  if (k == 0) {
    mo.fin[0] = m.fi0;
  } else {
    mo.fin[k] = mo.fin[k - 1];  // kept when inv fails
    inv(con, m.pb.robot, mo.CPn[k][0], mo.CPn[k][1], mo.fin[k - 1], mo.fin[k]);
  }
  mo.An[k] = AccRecord{};
  jointacc(con, m, s, sd, sdd, mo.fin[k], mo.An[k]);
}

// First pass over the optimal time grid; returns the first step whose joint
// accelerations break a limit (no tolerance), or -1. Without `check` it
// fills every step.
int first_pass(Console& con, const Model& m, Motion& mo, const Trapezoid& p, bool check) {
  const double sf = m.sf;
  for (int k = 0; k <= mo.nf; ++k) {
    double s, sd, sdd;
    trapezoid_at(p, sf, mo.tt[k], s, sd, sdd);
    fill_step(con, m, mo, k, s, sd, sdd);
    if (check && over_limit(m, mo.An[k], 0)) return k;
  }
  return -1;
}

// The last step k: at time Tn, at rest at the end of the path.
void rest_at_end(Console& con, const Model& m, Motion& mo, const Trapezoid& p, int k) {
  mo.tt[k] = p.Tn;
  mo.Yn[k] = {m.sf, 0};
  mo.An[k] = AccRecord{};
  cpcurve(m, m.sf, mo.CPn[k]);
  mo.fin[k] = mo.fin[k - 1];
  inv(con, m.pb.robot, mo.CPn[k][0], mo.CPn[k][1], mo.fin[k - 1], mo.fin[k]);
  mo.nn = k;
}

// Continues the grid past the optimal motion in steps of dt0 until Tn.
void extend(Console& con, const Model& m, Motion& mo, const Trapezoid& p) {
  const int nf = mo.nf;
  mo.nn = nf;
  // Shorter than the optimal motion: the steps past Tn already hold the rest.
  if (p.Tn < mo.tt[nf]) return;
  if (nf >= NTAB - 1) {
    con.diag_say(Txt::DiagReferenceSteps, NTAB - 1, p.Tn);
    return;
  }
  for (int j = 1;; ++j) {
    const int k = nf + j;
    const double t = mo.tt[nf] + j * dt0;
    if (t > p.Tn) return rest_at_end(con, m, mo, p, k);
    if (k == NTAB - 1) {
      con.diag_say(Txt::DiagReferenceSteps, NTAB - 1, p.Tn);
      return rest_at_end(con, m, mo, p, k);
    }
    double s, sd, sdd;
    mo.tt[k] = t;
    trapezoid_at(p, m.sf, t, s, sd, sdd);
    fill_step(con, m, mo, k, s, sd, sdd);
  }
}

}  // namespace

int trapezoid(double sf, double a, double ta, Trapezoid& p) {
  if (!(sf > 0) || !(a > 0) || !std::isfinite(a) || !(ta > 0)) return 0;
  for (int round = 0;; ++round) {
    p.a = a;
    p.ta = ta;
    p.v = a * ta;
    p.sa = 0.5 * a * ta * ta;
    // Too short to reach v: accelerate over half the path, no cruise.
    if (p.sa > sf / 2) {
      p.sa = sf / 2;
      p.ta = std::sqrt(2 * p.sa / a);
    }
    p.Tn = 2 * p.ta + (sf - 2 * p.sa) / p.v;
    if (2 * p.ta > p.Tn && p.ta > TA_STEP && round < TA_ROUNDS) {
      ta = p.ta - TA_STEP;
      continue;
    }
    p.tb = p.Tn - p.ta;
    return 1;
  }
}

void trapezoid_at(const Trapezoid& p, double sf, double t, double& s, double& sd, double& sdd) {
  if (t <= p.ta) {
    s = 0.5 * p.a * t * t, sd = p.a * t, sdd = p.a;
  } else if (t <= p.tb) {
    s = p.sa + p.v * (t - p.ta), sd = p.v, sdd = 0;
  } else if (t <= p.Tn) {
    const double r = p.Tn - t;
    s = sf - 0.5 * p.a * r * r, sd = p.a * r, sdd = -p.a;
  } else {
    s = sf, sd = 0, sdd = 0;
  }
}

void reference_motion(Console& con, const Model& m, const Curves& cv, Motion& mo) {
  const double sf = m.sf;
  Trapezoid p;
  const double a = start_acceleration(m, cv);
  // The cruise rate a ta is capped by the speed limits.
  const double vcap = lowest_ceiling(m);
  const double ta0 = a > 0 && a * TA0 > vcap ? vcap / a : TA0;
  if (!trapezoid(sf, a, ta0, p)) {
    // No profile: the reference motion stays at rest at the start.
    con.diag_say(Txt::DiagReferenceNoAcc, a, sf);
    for (int k = 0; k <= mo.nf; ++k) fill_step(con, m, mo, k, 0, 0, 0);
    mo.Tn = 0;
    mo.nn = mo.nf;
    return;
  }
  // Reduce a until no step of the grid breaks a joint limit.
  for (int round = 1; first_pass(con, m, mo, p, true) >= 0; ++round) {
    if (round > A_ROUNDS || !trapezoid(sf, A_SHRINK * p.a, p.ta, p)) {
      con.diag_say(Txt::DiagReferenceShrink, A_ROUNDS, p.a);
      first_pass(con, m, mo, p, false);
      break;
    }
  }
  mo.Tn = p.Tn;
  extend(con, m, mo, p);
}

}  // namespace cpt
