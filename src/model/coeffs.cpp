#include "model/coeffs.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/dynamics.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "core/console.h"

namespace cpt {

namespace {

// J at joint values q, and D from the phase-plane coefficients a, b, v, c.
// False where the rigid links have no joint rates (J singular).
bool fill_JD(const Model& m, const Vec2& q, const PathDeriv& p, Mat2& J, JointCoeffs& D) {
  J = jacobian(m.pb.robot, q);
  PhaseCoeffs k;
  if (!phase_coeffs(m.pb.robot, q, J, p, k)) return false;
  D = {{{k.a[0], k.b[0], k.v[0], k.c[0]}, {k.a[1], k.b[1], k.v[1], k.c[1]}}};
  return true;
}

}  // namespace

int calD(Console& con, const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, JointCoeffs& D) {
  const PathPoint pt = cpcurve_deriv(m, s);
  const Vec2& CP = pt.p;
  const PathDeriv& p = pt.d;
  Vec2 q = ref;
  if (!inv(con, m.pb.robot, CP[0], CP[1], ref, q)) {
    con.diag_say(Txt::DiagCalDNone, CP[0], CP[1]);
    return 0;
  }
  if (!fill_JD(m, q, p, J, D)) {
    con.diag_say(Txt::DiagCalDNone, CP[0], CP[1]);
    return 0;
  }
  fi = q;
  return 1;
}

int calD_quiet(const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, JointCoeffs& D, PathDeriv* deriv) {
  const PathPoint pt = cpcurve_deriv(m, s);
  if (deriv) *deriv = pt.d;
  const Vec2& CP = pt.p;
  const PathDeriv& p = pt.d;
  Vec2 q = ref;
  if (!in_reach(m.pb.robot, CP[0], CP[1]) || !inv_quiet(m.pb.robot, CP[0], CP[1], ref, q)) return 0;
  if (!fill_JD(m, q, p, J, D)) return 0;
  fi = q;
  return 1;
}

void jointacc(Console& con, const Model& m, double s, double sd, double sdd, Vec2& fi, AccRecord& rec) {
  const Vec2 ref = fi;
  Mat2 J;
  JointCoeffs D;
  if (!calD(con, m, s, ref, fi, J, D)) {
    con.diag_say(Txt::DiagJointaccNone, s);
    return;
  }
  const double sd2 = sd * sd;
  rec.acc[0] = joint_effort(D, 0, sdd, sd2, sd);
  rec.acc[1] = joint_effort(D, 1, sdd, sd2, sd);
  split_efforts(D, sdd, sd, rec);
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
    Mat2 J;
    JointCoeffs D;
    if (!calD(con, m, i * ds, ref, fi, J, D)) continue;
    ref = fi;
    if (m00 < std::fabs(D[0][0])) m00 = std::fabs(D[0][0]);
    if (m10 < std::fabs(D[1][0])) m10 = std::fabs(D[1][0]);
  }
}

namespace {

// Samples of the scan for joint reversals along the path.
constexpr int REVERSAL_SCAN = 1000;

// The signs of the joints' Coulomb terms at s (0 where out of reach), with
// the branch followed from ref.
std::array<int, 2> coulomb_signs(const Model& m, double s, Vec2& ref, int& evaluations) {
  ++evaluations;
  Vec2 fi;
  Mat2 J;
  JointCoeffs D;
  if (!calD_quiet(m, s, ref, fi, J, D)) return {0, 0};
  ref = fi;
  return {(D[0][3] > 0) - (D[0][3] < 0), (D[1][3] > 0) - (D[1][3] < 0)};
}

// The reversal of joint i between a (sign sa) and b, by bisection down to
// two neighbouring doubles: the first one past it is the knot, so that the
// points one rounding step either side of the knot, where the coefficients
// are taken, lie on either side of the jump.
double reversal(const Model& m, double a, double b, int sa, const Vec2& ref_a, int i, int& evaluations) {
  for (int it = 0; it < 200; ++it) {
    const double c = 0.5 * (a + b);
    if (!(c > a && c < b)) break;
    Vec2 ref = ref_a;
    if (coulomb_signs(m, c, ref, evaluations)[i] == sa) a = c; else b = c;
  }
  return b;
}

}  // namespace

std::vector<double> limit_knots(const Model& m, int* evaluations) {
  int count = 0;
  std::vector<double> out = path_knots(m);
  const RobotSpec& r = m.pb.robot;
  if (r.dynamics != Dynamics::RigidLinks || (r.body.Fc[0] == 0 && r.body.Fc[1] == 0)) return out;
  // One scan for both joints: each keeps its last sign, where it was taken
  // and the branch reference before it.
  Vec2 ref = m.fi0;
  std::array<int, 2> prev = coulomb_signs(m, 0, ref, count);
  std::array<double, 2> prev_s{0, 0};
  std::array<Vec2, 2> prev_ref{m.fi0, m.fi0};
  for (int k = 1; k <= REVERSAL_SCAN; ++k) {
    const double s = m.sf * k / REVERSAL_SCAN;
    const Vec2 ref_before = ref;
    const std::array<int, 2> sg = coulomb_signs(m, s, ref, count);
    for (int i = 0; i < 2; ++i) {
      if (r.body.Fc[i] == 0) continue;
      if (sg[i] != 0 && prev[i] != 0 && sg[i] != prev[i])
        out.push_back(reversal(m, prev_s[i], s, prev[i], prev_ref[i], i, count));
      if (sg[i] != 0) prev[i] = sg[i], prev_s[i] = s, prev_ref[i] = ref_before;
    }
  }
  if (evaluations) *evaluations += count;
  std::sort(out.begin(), out.end());
  out.erase(std::remove_if(out.begin(), out.end(), [&m](double s) { return !(s > 0 && s < m.sf); }), out.end());
  return out;
}

}  // namespace cpt
