#include "model/coeffs.h"

#include <cmath>

#include "model/kinematics.h"
#include "model/paths.h"
#include "core/console.h"

namespace cpt {

namespace {

// J at joint values q, and D from J and the path derivatives p.
void fill_JD(const Model& m, const Vec2& q, const PathDeriv& p, Mat2& J, Mat2& D) {
  if (m.pb.robot.kind == Robot::Cylindrical) {
    const double c = std::cos(q[0]), sn = std::sin(q[0]), r = q[1];
    J = {{{-r * sn, c}, {r * c, sn}}};
  } else {
    const double c1 = std::cos(q[0]), s1 = std::sin(q[0]);
    const double c12 = std::cos(q[0] + q[1]), s12 = std::sin(q[0] + q[1]);
    J = {{{-m.pb.robot.l1 * s1 - m.pb.robot.l2 * s12, -m.pb.robot.l2 * s12}, {m.pb.robot.l1 * c1 + m.pb.robot.l2 * c12, m.pb.robot.l2 * c12}}};
  }
  for (int i = 0; i < 2; ++i) {
    D[i][0] = J[0][i] * p.xd + J[1][i] * p.yd;
    D[i][1] = J[0][i] * p.xdd + J[1][i] * p.ydd;
  }
}

}  // namespace

int calD(const Model& m, double s, const Vec2& ref, Vec2& fi, Mat2& J, Mat2& D) {
  const PathPoint pt = cpcurve_deriv(m, s);
  const Vec2& CP = pt.p;
  const PathDeriv& p = pt.d;
  Vec2 q = ref;
  if (!inv(m.pb.robot, CP[0], CP[1], ref, q)) {
    diag_printf("\ncalD() inv()解なし CP[]=(%7.4f %7.4f)", CP[0], CP[1]);
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
  if (!in_reach(m.pb.robot, CP[0], CP[1]) || !inv(m.pb.robot, CP[0], CP[1], ref, q)) return 0;
  fill_JD(m, q, p, J, D);
  fi = q;
  return 1;
}

void jointacc(const Model& m, double s, double sd, double sdd, Vec2& fi, AccRecord& rec) {
  const Vec2 ref = fi;
  Mat2 J, D;
  if (!calD(m, s, ref, fi, J, D)) {
    diag_printf("\njointacc() calD()解なし s=%7.4f", s);
    return;
  }
  const double sd2 = sd * sd;
  rec.acc[0] = D[0][0] * sdd + D[0][1] * sd2;
  rec.acc[1] = D[1][0] * sdd + D[1][1] * sd2;
  rec.sdd = hand_sdd(m, sdd);
}

void calDmax(const Model& m, Curves& cv) {
  double& m00 = cv.Dmax00;
  double& m10 = cv.Dmax10;
  m00 = 0;
  m10 = 0;
  Vec2 ref = m.fi0;
  const double ds = m.sf / 100;
  for (int i = 0; i <= 100; ++i) {
    Vec2 fi;
    Mat2 J, D;
    if (!calD(m, i * ds, ref, fi, J, D)) continue;
    ref = fi;
    if (m00 < std::fabs(D[0][0])) m00 = std::fabs(D[0][0]);
    if (m10 < std::fabs(D[1][0])) m10 = std::fabs(D[1][0]);
  }
}

}  // namespace cpt
