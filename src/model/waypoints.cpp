#include "model/waypoints.h"

#include <algorithm>
#include <cmath>

namespace cpt {

namespace {

// Number of points the tables can hold of those m.pb.waypoints.n claims.
int point_count(const Model& m) { return std::clamp(m.pb.waypoints.n, 0, NWAYPOINTS); }

double chord(const Vec2& a, const Vec2& b) { return std::hypot(b[0] - a[0], b[1] - a[1]); }

// The spline on segment k (u_k <= s <= u_k+1, h = u_k+1 - u_k), per coordinate
// with values y0, y1 and second derivatives m0, m1 at its ends:
//   b = (s - u_k) / h, a = 1 - b
//   y   = a y0 + b y1 + ((a^3 - a) m0 + (b^3 - b) m1) h^2 / 6
//   y'  = (y1 - y0) / h + ((1 - 3 a^2) m0 + (3 b^2 - 1) m1) h / 6
//   y'' = a m0 + b m1
// At s = u_k (b = 0) and s = u_k+1 (a = 0) y is the point itself, exactly.
PathPoint on_segment(const Model& m, int k, double s) {
  PathPoint r;
  const double h = m.wp_u[k + 1] - m.wp_u[k];
  if (!(h > 0)) {  // refused points: a still hand
    r.p = m.pb.waypoints.p[k];
    return r;
  }
  const double b = (s - m.wp_u[k]) / h, a = 1 - b;
  double y[2], yd[2], ydd[2];
  for (int i = 0; i < 2; ++i) {
    const double y0 = m.pb.waypoints.p[k][i], y1 = m.pb.waypoints.p[k + 1][i];
    const double m0 = m.wp_m[k][i], m1 = m.wp_m[k + 1][i];
    y[i] = a * y0 + b * y1 + ((a * a * a - a) * m0 + (b * b * b - b) * m1) * (h * h / 6);
    yd[i] = (y1 - y0) / h + ((1 - 3 * a * a) * m0 + (3 * b * b - 1) * m1) * (h / 6);
    ydd[i] = a * m0 + b * m1;
  }
  r.p = {y[0], y[1]};
  r.d = {yd[0], yd[1], ydd[0], ydd[1]};
  return r;
}

// The segment k with u_k <= s < u_k+1 (the last one for s = sf), by
// bisection; always 0 .. n-2, whatever s is.
int segment_of(const Model& m, int n, double s) {
  int lo = 0, hi = n - 1;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    if (s < m.wp_u[mid]) hi = mid;
    else lo = mid;
  }
  return lo;
}

}  // namespace

const char* waypoint_fault(const Model& m, int* at) {
  static_assert(NWAYPOINTS == 200, "the texts below name the largest number of points");
  const int n = m.pb.waypoints.n;
  if (at) *at = n;
  if (n < 2) return "fewer than 2 points (a waypoint path takes 2 to 200 points)";
  if (n > NWAYPOINTS) return "more than 200 points (a waypoint path takes 2 to 200 points)";
  for (int k = 0; k < n; ++k) {
    if (at) *at = k;
    if (!std::isfinite(m.pb.waypoints.p[k][0]) || !std::isfinite(m.pb.waypoints.p[k][1]))
      return "a coordinate is not a finite number (points take finite x, y in metres)";
    if (k > 0 && !(chord(m.pb.waypoints.p[k - 1], m.pb.waypoints.p[k]) > 0))
      return "two consecutive points are equal (consecutive points must differ)";
  }
  if (at) *at = -1;
  return nullptr;
}

void derive_waypoints(Model& m) {
  const int n = point_count(m);
  m.wp_u[0] = 0;
  for (int k = 1; k < n; ++k) m.wp_u[k] = m.wp_u[k - 1] + chord(m.pb.waypoints.p[k - 1], m.pb.waypoints.p[k]);
  for (int k = 0; k < n; ++k) m.wp_m[k] = {0, 0};
  m.P0 = n > 0 ? m.pb.waypoints.p[0] : Vec2{0, 0};
  m.Pf = n > 0 ? m.pb.waypoints.p[n - 1] : Vec2{0, 0};
  m.sf = n > 0 ? m.wp_u[n - 1] : 0;
  if (n < 3 || waypoint_fault(m)) return;  // two points: the straight line, m = 0

  // Natural spline: m_0 = m_n-1 = 0 and, for i = 1 .. n-2, continuity of y'
  // at u_i gives, with h_i = u_i+1 - u_i,
  //   h_i-1 m_i-1 + 2 (h_i-1 + h_i) m_i + h_i m_i+1
  //     = 6 ((y_i+1 - y_i) / h_i - (y_i - y_i-1) / h_i-1),
  // a diagonally dominant tridiagonal system, solved by elimination
  // downwards (upper coefficients in `up`, right-hand sides in wp_m) and
  // substitution upwards; x and y share the matrix.
  std::array<double, NWAYPOINTS> up{};
  for (int i = 1; i <= n - 2; ++i) {
    const double hl = m.wp_u[i] - m.wp_u[i - 1], hr = m.wp_u[i + 1] - m.wp_u[i];
    const double pivot = 2 * (hl + hr) - hl * up[i - 1];
    up[i] = hr / pivot;
    for (int j = 0; j < 2; ++j) {
      const double rhs = 6 * ((m.pb.waypoints.p[i + 1][j] - m.pb.waypoints.p[i][j]) / hr - (m.pb.waypoints.p[i][j] - m.pb.waypoints.p[i - 1][j]) / hl);
      m.wp_m[i][j] = (rhs - hl * m.wp_m[i - 1][j]) / pivot;
    }
  }
  for (int i = n - 3; i >= 1; --i)
    for (int j = 0; j < 2; ++j) m.wp_m[i][j] -= up[i] * m.wp_m[i + 1][j];
}

PathPoint waypoint_at(const Model& m, double s) {
  const int n = point_count(m);
  if (n < 2) {  // no path: the hand stays at the only point, or the origin
    PathPoint r;
    if (n == 1) r.p = m.pb.waypoints.p[0];
    return r;
  }
  if (std::isnan(s)) s = 0;
  const double sf = m.wp_u[n - 1];
  if (s >= 0 && s <= sf) return on_segment(m, segment_of(m, n, s), s);
  // Past an end: on along the end's tangent, P'' = 0 as at the end itself.
  const bool before = s < 0;
  const double s_end = before ? 0 : sf;
  const PathPoint e = on_segment(m, before ? 0 : n - 2, s_end);
  const double ds = std::clamp(s - s_end, -WP_EXTEND_MAX, WP_EXTEND_MAX);
  PathPoint r;
  r.p = {e.p[0] + ds * e.d.xd, e.p[1] + ds * e.d.yd};
  r.d = {e.d.xd, e.d.yd, 0, 0};
  return r;
}

}  // namespace cpt
