#include "planner/crossing.h"

#include <cmath>

namespace cpt {

namespace {
Vec2 minus(const Vec2& a, const Vec2& b) { return {a[0] - b[0], a[1] - b[1]}; }
double dist(const Vec2& a, const Vec2& b) { return std::hypot(a[0] - b[0], a[1] - b[1]); }
}  // namespace

double cross2(const Vec2& u, const Vec2& v) { return u[0] * v[1] - u[1] * v[0]; }

int segment_cross(const Vec2& A, const Vec2& B, const Vec2& C, const Vec2& D, Vec2& X, double& ra,
                  double& rb) {
  // Segments with a point that is not finite cross nothing.
  for (const Vec2* p : {&A, &B, &C, &D}) {
    if (!std::isfinite((*p)[0]) || !std::isfinite((*p)[1])) return 0;
  }
  const Vec2 AB = minus(B, A), AC = minus(C, A), AD = minus(D, A);
  const Vec2 CD = minus(D, C), CA = minus(A, C), CB = minus(B, C);
  // C and D strictly on one side of line AB, or A and B on one side of CD.
  if (cross2(AB, AC) * cross2(AB, AD) > 0) return 0;
  if (cross2(CD, CA) * cross2(CD, CB) > 0) return 0;

  const double dx1 = B[0] - A[0], dy1 = B[1] - A[1];
  const double dx2 = D[0] - C[0], dy2 = D[1] - C[1];
  const double det = dx1 * dy2 - dx2 * dy1;
  // Nearly parallel; a vertical A-B is rejected only when det is exactly 0.
  if (dx1 == 0 ? det == 0 : std::fabs(det / dx1) < TOL_PARALLEL) return 0;

  // Solve A + ra (B - A) = C + rb (D - C) for the point itself (Cramer's rule
  // on the two line equations dy (x - x0) = dx (y - y0)).
  X[1] = (dy1 * dy2 * (C[0] - A[0]) + dx1 * dy2 * A[1] - dx2 * dy1 * C[1]) / det;
  X[0] = (dx1 * dx2 * (A[1] - C[1]) - dx2 * dy1 * A[0] + dx1 * dy2 * C[0]) / det;
  ra = dist(X, A) / dist(B, A);
  rb = dist(X, C) / dist(D, C);
  return 1;
}

int first_crossing(int np, const Vec2* P, int nq, const Vec2* Q, Vec2& X, int& ia, int& ib,
                   double& ra, double& rb) {
  for (int a = 1; a <= np; ++a) {
    for (int b = 1; b <= nq; ++b) {
      if (segment_cross(P[a - 1], P[a], Q[b - 1], Q[b], X, ra, rb)) {
        ia = a - 1;
        ib = b - 1;
        return 1;
      }
    }
  }
  return 0;
}

}  // namespace cpt
