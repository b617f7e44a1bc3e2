#include "model/limits.h"

#include <cmath>

namespace cpt {

bool over_limit(const Model& m, const AccRecord& acc, double tol) {
  // Written so that NaN counts as over.
  return !(std::fabs(acc.acc[0]) <= m.pb.a1max + tol) || !(std::fabs(acc.acc[1]) <= m.pb.a2max + tol);
}

LimitEvents limit_events(const Model& m, const std::array<double, 2>& prev,
                         const std::array<double, 2>& cur) {
  LimitEvents e;
  const double amax[2] = {m.pb.a1max, m.pb.a2max};
  for (int j = 0; j < 2; ++j) {
    const double ep = std::fabs(amax[j] - std::fabs(prev[j]));
    const double ec = std::fabs(amax[j] - std::fabs(cur[j]));
    e.reach[j] = ep > TOL_SWITCH_AWAY && ec < TOL_SWITCH_ON;
    e.leave[j] = ep < TOL_SWITCH_ON && ec > TOL_SWITCH_AWAY;
    // Opposite signs, both at the limit: the product is -amax^2 up to the
    // distances from the limit. Within TOL_SWITCH_AWAY of it, as the report counts;
    // a product further below (both beyond the limit) counts too.
    e.jump[j] = prev[j] * cur[j] < TOL_SWITCH_AWAY - amax[j] * amax[j];
  }
  return e;
}

}  // namespace cpt
