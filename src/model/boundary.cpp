#include "model/boundary.h"

#include <cmath>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "core/console.h"

namespace cpt {

int calboundary(const Settings& st, Curves& cv) {
  const double sf = st.sf_now();
  const double ds = sf / 400;
  Vec2 fi = st.fi_ref;
  // The loop normally ends at i = 400; when 400 ds falls just short of sf one
  // more point is taken. The bound keeps a non-finite sf from running away.
  for (int i = 0; i < NTAB; ++i) {
    const double s = i * ds;
    Mat2 J, D;
    const Vec2 ref = fi;
    if (!calD(st, s, ref, fi, J, D)) {
      diag_printf("\ncalboundary() 逆運動学解なし robot=%c 軌道=%d s=%7.4f", robot_key(st.robottype), type_number(st.cptype),
                 s);
      return 0;
    }
    double det = D[0][0] * D[1][1] - D[0][1] * D[1][0];
    if (std::fabs(det) < DET_FLOOR) det = DET_FLOOR;
    double sd =
        std::sqrt(std::fabs((std::fabs(D[1][0]) * st.a1max + std::fabs(D[0][0]) * st.a2max) / det));
    // The speed limits' ceiling where it is the lower.
    cv.bnd_ceiling[i] = false;
    if (has_speed_limits(st)) {
      const double c = ceiling_of(st, J, cpderiv(st, s)).sd;
      cv.bnd_ceiling[i] = c < sd;
      if (c < sd) sd = c;
    }
    cv.bnd[i] = {s, sd};
    if (s >= sf) {
      cv.nbnd = i;
      return 1;
    }
  }
  diag_printf("\ncalboundary() 軌道の長さsf=%7.4f が不正", sf);
  return 0;
}

}  // namespace cpt
