#include "model/boundary.h"

#include <cmath>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/phase_bounds.h"
#include "core/console.h"

namespace cpt {

namespace {

// sd of the velocity limit at a point with coefficients D. With friction the
// lowest sd at which the joints' intervals stop overlapping (phase_bounds.h),
// where there is one.
double velocity_limit(const Model& m, const JointCoeffs& D) {
  if (has_friction(D)) {
    const double x = point_bounds(D, {m.pb.a1max, m.pb.a2max}).xmax;
    if (std::isfinite(x)) return std::sqrt(x);
  }
  double det = D[0][0] * D[1][1] - D[0][1] * D[1][0];
  if (std::fabs(det) < TOL_DET) det = TOL_DET;
  return std::sqrt(std::fabs((std::fabs(D[1][0]) * m.pb.a1max + std::fabs(D[0][0]) * m.pb.a2max) / det));
}

}  // namespace

int calboundary(Console& con, const Model& m, Curves& cv) {
  const double sf = m.sf;
  const double ds = sf / 400;
  Vec2 fi = m.fi_ref;
  // The loop normally ends at i = 400; when 400 ds falls just short of sf one
  // more point is taken. The bound keeps a non-finite sf from running away.
  for (int i = 0; i < NTAB; ++i) {
    const double s = i * ds;
    Mat2 J;
    JointCoeffs D;
    const Vec2 ref = fi;
    if (!calD(con, m, s, ref, fi, J, D)) {
      con.diag_say(Txt::DiagBoundaryNone, robot_key(m.pb.robot.kind), type_number(m.pb.cptype),
                 s);
      return 0;
    }
    double sd = velocity_limit(m, D);
    // The speed limits' ceiling where it is the lower.
    cv.bnd_ceiling[i] = false;
    if (has_speed_limits(m)) {
      const double c = ceiling_of(m, J, cpderiv(m, s)).sd;
      cv.bnd_ceiling[i] = c < sd;
      if (c < sd) sd = c;
    }
    cv.bnd[i] = {s, sd};
    if (s >= sf) {
      cv.nbnd = i;
      return 1;
    }
  }
  con.diag_say(Txt::DiagBoundarySf, sf);
  return 0;
}

}  // namespace cpt
