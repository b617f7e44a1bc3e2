#include "model/phase_bounds.h"

namespace cpt {

namespace {

// Whether every joint admits sdd = u at y = sd, to rounding.
bool admits(const PointBounds& b, double u, double y) {
  const double x = y * y;
  for (int i = 0; i < 2; ++i) {
    if (!std::isfinite(b.w[i])) continue;
    const double tol = 1e-10 * (b.w[i] + std::fabs(u));
    if (u > joint_upper(b, i, x) + tol || u < joint_lower(b, i, x) - tol) return false;
  }
  return true;
}

}  // namespace

double slide_x_friction(const PointBounds& b, double u) {
  const double ytop = std::sqrt(b.xmax);
  // The candidates: the top, 0, and where joint i's bound passes u
  // (k y^2 + e y + g + u = +-w): at most 2 + 2 joints x 2 levels x 2 roots.
  double ys[10];
  int n = 0;
  if (std::isfinite(ytop)) ys[n++] = ytop;
  ys[n++] = 0;
  for (int i = 0; i < 2; ++i) {
    if (!std::isfinite(b.w[i])) continue;
    for (const double level : {b.w[i], -b.w[i]}) n += positive_roots(b.k[i], b.e[i], b.g[i] + u - level, ys + n);
  }
  // The highest candidate not above the top that every joint admits.
  double best = -1;
  for (int j = 0; j < n; ++j)
    if (ys[j] <= ytop && ys[j] > best && admits(b, u, ys[j])) best = ys[j];
  if (best < 0) return NAN;
  return best == ytop ? b.xmax : best * best;
}

}  // namespace cpt
