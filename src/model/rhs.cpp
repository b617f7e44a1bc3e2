#include "model/rhs.h"

#include <cmath>

#include "model/coeffs.h"
#include "core/console.h"

namespace cpt {

namespace {

// Keeps an s-dd coefficient at least TOL_D away from zero (0 becomes +TOL_D).
inline double floor_coeff(double v) {
  if (v >= 0 && v < TOL_D) return TOL_D;
  if (v > -TOL_D && v <= 0) return -TOL_D;
  return v;
}

void trace(Console& con, const Model& m, const RhsState& rs, int torque_sel, double t, const double* y) {
  const JointCoeffs& D = rs.D;
  const Mat2& J = rs.J;
  con.print("\nf() %c %d %d t=%7.4f y[]=(%7.4f %7.4f) fi[]=(%7.4f %7.4f)", robot_key(m.pb.robot.kind),
             type_number(m.pb.cptype), torque_sel, t, y[0], y[1], rs.fi_last[0], rs.fi_last[1]);
  con.print("\n    D[][]=(%7.4f %7.4f)    J[][]=(%7.4f %7.4f)", D[0][0], D[0][1], J[0][0], J[0][1]);
  con.print("\n          (%7.4f %7.4f)          (%7.4f %7.4f)", D[1][0], D[1][1], J[1][0], J[1][1]);
}

}  // namespace

double f(Console& con, const Model& m, RhsState& rs, int torque_sel, int k, double t, const double* y,
         AccRecord& rec, int& ok) {
  if (k == 0) return y[1];
  const Vec2 ref = (t == 0.0) ? m.fi0 : rs.fi_last;
  if (!calD(con, m, y[0], ref, rs.fi_last, rs.J, rs.D)) {
    con.diag_say(Txt::DiagFNone, y[0]);
    ok = 0;
    return F_NO_SOLUTION;
  }
  ok = 1;
  JointCoeffs& D = rs.D;
  D[0][0] = floor_coeff(D[0][0]);
  D[1][0] = floor_coeff(D[1][0]);
  const double sd2 = y[1] * y[1];
  // What each joint's effort needs besides its s-dd term (with friction its
  // viscous and Coulomb terms; without, exactly D[i][1] sd^2).
  const double n1 = joint_load(D, 0, sd2, y[1]), n2 = joint_load(D, 1, sd2, y[1]);

  // Each joint limit bounds sdd to an interval; intersect the two.
  const double b1 = (m.pb.a1max - n1) / D[0][0];
  const double b2 = (-m.pb.a1max - n1) / D[0][0];
  const double b3 = (m.pb.a2max - n2) / D[1][0];
  const double b4 = (-m.pb.a2max - n2) / D[1][0];
  const double hi1 = b1 > b2 ? b1 : b2, lo1 = b1 > b2 ? b2 : b1;
  const double hi2 = b3 > b4 ? b3 : b4, lo2 = b3 > b4 ? b4 : b3;
  double sdd_max = hi1 < hi2 ? hi1 : hi2;
  const double sdd_min = lo1 < lo2 ? lo2 : lo1;
  // Above the velocity limit the intervals do not meet: both choices take the
  // largest lower bound, and one joint goes over its limit.
  if (sdd_max < sdd_min) sdd_max = sdd_min;

  const double sdd = torque_sel > 0 ? sdd_max : sdd_min;
  rec.sdd = sdd;
  rec.acc[0] = joint_effort(D, 0, sdd, sd2, y[1]);
  rec.acc[1] = joint_effort(D, 1, sdd, sd2, y[1]);
  split_efforts(D, sdd, y[1], rec);

  // Near a point where neither joint's acceleration depends on s-dd: shown
  // once per key or preparation, with where it happened.
  if (std::fabs(D[0][0]) < TOL_D_TRACE && std::fabs(D[1][0]) < TOL_D_TRACE && con.diag_first(DiagOnce::NearSingular))
    trace(con, m, rs, torque_sel, t, y);
  return sdd;
}

}  // namespace cpt
