#include "model/coeffs.h"

#include <cmath>

#include "model/dynamics.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "core/console.h"

namespace cpt {

namespace {

// J at joint values q, and D from the phase-plane coefficients: D[i][0] = a_i,
// D[i][1] = b_i (c is 0 for the unit point mass).
void fill_JD(const Model& m, const Vec2& q, const PathDeriv& p, Mat2& J, Mat2& D) {
  J = jacobian(m.pb.robot, q);
  PhaseCoeffs k;
  phase_coeffs(m.pb.robot, q, J, p, k);
  D = {{{k.a[0], k.b[0]}, {k.a[1], k.b[1]}}};
}

}  // namespace

int calD(Console& con, const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, Mat2& D) {
  const PathPoint pt = cpcurve_deriv(m, s);
  const Vec2& CP = pt.p;
  const PathDeriv& p = pt.d;
  Vec2 q = ref;
  if (!inv(con, m.pb.robot, CP[0], CP[1], ref, q)) {
    con.diag_say(Txt::DiagCalDNone, CP[0], CP[1]);
    return 0;
  }
  fill_JD(m, q, p, J, D);
  fi = q;
  return 1;
}

int calD_quiet(const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, Mat2& D) {
  const PathPoint pt = cpcurve_deriv(m, s);
  const Vec2& CP = pt.p;
  const PathDeriv& p = pt.d;
  Vec2 q = ref;
  if (!in_reach(m.pb.robot, CP[0], CP[1]) || !inv_quiet(m.pb.robot, CP[0], CP[1], ref, q)) return 0;
  fill_JD(m, q, p, J, D);
  fi = q;
  return 1;
}

void jointacc(Console& con, const Model& m, double s, double sd, double sdd, Vec2& fi, AccRecord& rec) {
  const Vec2 ref = fi;
  Mat2 J, D;
  if (!calD(con, m, s, ref, fi, J, D)) {
    con.diag_say(Txt::DiagJointaccNone, s);
    return;
  }
  const double sd2 = sd * sd;
  rec.acc[0] = D[0][0] * sdd + D[0][1] * sd2;
  rec.acc[1] = D[1][0] * sdd + D[1][1] * sd2;
  rec.sdd = hand_sdd(m, sdd);
}

void calDmax(Console& con, const Model& m, Curves& cv) {
  double& m00 = cv.Dmax00;
  double& m10 = cv.Dmax10;
  m00 = 0;
  m10 = 0;
  Vec2 ref = m.fi0;
  const double ds = m.sf / 100;
  for (int i = 0; i <= 100; ++i) {
    Vec2 fi;
    Mat2 J, D;
    if (!calD(con, m, i * ds, ref, fi, J, D)) continue;
    ref = fi;
    if (m00 < std::fabs(D[0][0])) m00 = std::fabs(D[0][0]);
    if (m10 < std::fabs(D[1][0])) m10 = std::fabs(D[1][0]);
  }
}

}  // namespace cpt
