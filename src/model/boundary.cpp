#include "model/boundary.h"

#include <cmath>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "core/console.h"

namespace cpt {

int calboundary(Console& con, const Model& m, Curves& cv) {
  const double sf = m.sf;
  const double ds = sf / 400;
  Vec2 fi = m.fi_ref;
  // The loop normally ends at i = 400; when 400 ds falls just short of sf one
  // more point is taken. The bound keeps a non-finite sf from running away.
  for (int i = 0; i < NTAB; ++i) {
    const double s = i * ds;
    Mat2 J, D;
    const Vec2 ref = fi;
    if (!calD(con, m, s, ref, fi, J, D)) {
      con.diag_say(Txt::DiagBoundaryNone, robot_key(m.pb.robot.kind), type_number(m.pb.cptype),
                 s);
      return 0;
    }
    double det = D[0][0] * D[1][1] - D[0][1] * D[1][0];
    if (std::fabs(det) < TOL_DET) det = TOL_DET;
    double sd =
        std::sqrt(std::fabs((std::fabs(D[1][0]) * m.pb.a1max + std::fabs(D[0][0]) * m.pb.a2max) / det));
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
