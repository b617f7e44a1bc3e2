#include "model/phase_bounds.h"

#include <algorithm>
#include <vector>

namespace cpt {

namespace {

// The roots y > 0 of A y^2 + B y + C = 0 into out.
void positive_roots(double A, double B, double C, std::vector<double>& out) {
  if (A == 0) {
    if (B != 0 && -C / B > 0) out.push_back(-C / B);
    return;
  }
  const double disc = B * B - 4 * A * C;
  if (disc < 0) return;
  const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
  if (q / A > 0) out.push_back(q / A);
  if (q != 0 && C / q > 0) out.push_back(C / q);
}

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
  std::vector<double> ys;
  if (std::isfinite(ytop)) ys.push_back(ytop);
  ys.push_back(0);
  // Joint i's bound passes u where k y^2 + e y + g + u = +-w.
  for (int i = 0; i < 2; ++i) {
    if (!std::isfinite(b.w[i])) continue;
    for (const double level : {b.w[i], -b.w[i]}) positive_roots(b.k[i], b.e[i], b.g[i] + u - level, ys);
  }
  std::sort(ys.begin(), ys.end(), [](double p, double q) { return p > q; });
  for (const double y : ys) {
    if (y > ytop) continue;
    if (admits(b, u, y)) return y == ytop ? b.xmax : y * y;
  }
  return NAN;
}

}  // namespace cpt
