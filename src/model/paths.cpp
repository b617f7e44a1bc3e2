#include "model/paths.h"

#include <array>
#include <cmath>

#include "model/waypoints.h"

namespace cpt {

namespace {

// Start point of the type's own entry in P0.
double x0_of(const Settings& st, PathType c) { return st.P0[c][0]; }
double y0_of(const Settings& st, PathType c) { return st.P0[c][1]; }

// ---- 1 arc about A, s the angle ----

void arc_point(const Settings& st, double s, Vec2& CP) {
  CP = {st.arc_Ax + st.arc_R * std::cos(s), st.arc_Ay + st.arc_R * std::sin(s)};
}
PathDeriv arc_deriv(const Settings& st, double s) {
  return {-st.arc_R * std::sin(s), st.arc_R * std::cos(s), -st.arc_R * std::cos(s),
          -st.arc_R * std::sin(s)};
}
PathPoint arc_both(const Settings& st, double s) {
  const double c = std::cos(s), sn = std::sin(s), R = st.arc_R;
  return {{st.arc_Ax + R * c, st.arc_Ay + R * sn}, {-R * sn, R * c, -R * c, -R * sn}};
}
void arc_derive(Settings& st) { st.P0[PathType::Arc] = {st.arc_Ax + st.arc_R, st.arc_Ay}; }
double arc_radius(const Settings& st) { return st.arc_R; }

// ---- 2 sine wave, s the advance in x ----

void sine_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::Sine;
  CP = {x0_of(st, c) + s, y0_of(st, c) + st.sinA * std::sin(st.sin_k * s)};
}
PathDeriv sine_deriv(const Settings& st, double s) {
  const double k = st.sin_k;
  return {1, st.sinA * k * std::cos(k * s), 0, -st.sinA * k * k * std::sin(k * s)};
}
void sine_derive(Settings& st) {
  st.sin_k = 2 * PI / st.sinL;
  st.sf[PathType::Sine] = st.sinL;
}

// ---- 3 U-shape: up, clockwise half circle over the top, down ----

void u_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::UShape;
  const double x0 = x0_of(st, c), y0 = y0_of(st, c);
  const double sf = st.sf[c];
  if (s < 0) {
    CP = {x0, y0};
  } else if (s < st.u_L) {
    CP = {x0, y0 + s};
  } else if (s < st.u_L + st.u_arc) {
    const double th = (s - st.u_L) / st.u_R;
    CP = {x0 + st.u_R * (1 - std::cos(th)), y0 + st.u_L + st.u_R * std::sin(th)};
  } else if (s < sf) {
    CP = {x0 + 2 * st.u_R, y0 + sf - s};
  } else {
    CP = {x0 + 2 * st.u_R, y0};
  }
}
PathDeriv u_deriv(const Settings& st, double s) {
  // At the joints the straight parts win (same point and tangent).
  if (s <= st.u_L) return {0, 1, 0, 0};
  if (s < st.u_L + st.u_arc) {
    const double th = (s - st.u_L) / st.u_R;
    return {std::sin(th), std::cos(th), std::cos(th) / st.u_R, -std::sin(th) / st.u_R};
  }
  return {0, -1, 0, 0};
}
void u_derive(Settings& st) {
  st.u_arc = PI * st.u_R;
  st.sf[PathType::UShape] = 2 * st.u_L + st.u_arc;
}
void u_knots(const Settings& st, std::vector<double>& out) {
  out.push_back(st.u_L);
  out.push_back(st.u_L + st.u_arc);
}

// ---- 4 slalom: half circles alternately above and below y0, s the angle ----

// Number of half-circle pairs that the slalom's pieces cover, so that
// 0 <= s < (2M + 2) PI contains the whole path 0 <= s <= sl_N PI.
int slalom_pairs(int sl_N) { return static_cast<int>((sl_N + 1 + 0.001) / 2); }

// Pair index i and half (0 upper, 1 lower) of the slalom piece that holds s,
// or false when s lies outside the pieces. Found by division, so that the
// cost does not grow with the number of half circles.
bool slalom_piece(const Settings& st, double s, int& i, int& lower) {
  const int M = slalom_pairs(st.sl_N);
  // Also false for NaN, and before the division for any s too large for an int.
  if (!(s >= 0 && s < (2 * M + 2) * PI)) return false;
  for (int k = static_cast<int>(s / (2 * PI)) - 1; k <= M; ++k) {
    if (k < 0) continue;
    if (2 * k * PI <= s && s < (2 * k + 1) * PI) { i = k; lower = 0; return true; }
    if ((2 * k + 1) * PI <= s && s < (2 * k + 2) * PI) { i = k; lower = 1; return true; }
    if (s < 2 * k * PI) break;
  }
  return false;
}

void slalom_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::Slalom;
  const double x0 = x0_of(st, c), y0 = y0_of(st, c);
  int i = 0, lower = 0;
  if (!slalom_piece(st, s, i, lower)) {
    CP = {x0, y0};  // below s = 0 (and past the pieces) the start point
  } else if (!lower) {
    CP = {x0 + st.sl_R * (4 * i + 1 - std::cos(s)), y0 + st.sl_R * std::sin(s)};
  } else {
    const double u = s - PI;
    CP = {x0 + st.sl_R * (4 * i + 3 - std::cos(u)), y0 - st.sl_R * std::sin(u)};
  }
}
PathDeriv slalom_deriv(const Settings& st, double s) {
  int i = 0, lower = 0;
  // No tangent outside the path: the hand stays at the start.
  if (!slalom_piece(st, s, i, lower)) return {0, 0, 0, 0};
  if (!lower)
    return {st.sl_R * std::sin(s), st.sl_R * std::cos(s), st.sl_R * std::cos(s), -st.sl_R * std::sin(s)};
  const double u = s - PI;
  return {st.sl_R * std::sin(u), -st.sl_R * std::cos(u), st.sl_R * std::cos(u), st.sl_R * std::sin(u)};
}
void slalom_derive(Settings& st) { st.sf[PathType::Slalom] = st.sl_N * PI; }
void slalom_knots(const Settings& st, std::vector<double>& out) {
  for (int k = 1; k < st.sl_N; ++k) out.push_back(k * PI);
}
double slalom_radius(const Settings& st) { return st.sl_R; }

// ---- 5 constant-acceleration cam: two parabolas ----

void cam_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::AccCam;
  const double x0 = x0_of(st, c), y0 = y0_of(st, c);
  double y;
  if (s < 0) {
    y = y0;
  } else if (s < st.cam_L / 2) {
    const double r = s / st.cam_L;
    y = y0 + 2 * st.cam_H * r * r;
  } else if (s <= st.cam_L) {
    const double r = 1 - s / st.cam_L;
    y = y0 + st.cam_H * (1 - 2 * r * r);
  } else {
    y = y0 + st.cam_H;
  }
  CP = {x0 + s, y};
}
PathDeriv cam_deriv(const Settings& st, double s) {
  PathDeriv d;
  d.xd = 1;
  d.xdd = 0;
  if (s >= 0 && s < st.cam_L / 2) {
    d.yd = st.cam_a * s;
    d.ydd = st.cam_a;
  } else if (s >= st.cam_L / 2 && s <= st.cam_L) {
    d.yd = st.cam_a * (st.cam_L - s);
    d.ydd = -st.cam_a;
  }
  return d;
}
void cam_derive(Settings& st) {
  st.cam_a = 4 * st.cam_H / (st.cam_L * st.cam_L);
  st.sf[PathType::AccCam] = st.cam_L;
}
void cam_knots(const Settings& st, std::vector<double>& out) { out.push_back(st.cam_L / 2); }

// ---- 6 cycloid cam ----

void cycloid_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::CycloidCam;
  CP = {x0_of(st, c) + s,
        y0_of(st, c) + st.cyc_H * (s / st.cyc_L - std::sin(2 * PI * s / st.cyc_L) * (1 / (2 * PI)))};
}
PathDeriv cycloid_deriv(const Settings& st, double s) {
  return {1, (st.cyc_c / st.cyc_w) * (1 - std::cos(st.cyc_w * s)), 0, st.cyc_c * std::sin(st.cyc_w * s)};
}
void cycloid_derive(Settings& st) {
  st.cyc_c = 2 * PI * st.cyc_H / (st.cyc_L * st.cyc_L);
  st.cyc_w = 2 * PI / st.cyc_L;
  st.sf[PathType::CycloidCam] = st.cyc_L;
}

// ---- 7 straight line ----

void line_point(const Settings& st, double s, Vec2& CP) {
  const PathType c = PathType::Line;
  CP = {x0_of(st, c) + s * st.line_cos, y0_of(st, c) + s * st.line_sin};
}
PathDeriv line_deriv(const Settings& st, double) { return {st.line_cos, st.line_sin, 0, 0}; }
void line_derive(Settings& st) {
  st.line_cos = std::cos(st.line_beta);
  st.line_sin = std::sin(st.line_beta);
  st.sf[PathType::Line] = st.line_l;
}

// ---- 8 spline through waypoints (model/waypoints.h) ----

void waypoint_point(const Settings& st, double s, Vec2& CP) { CP = waypoint_at(st, s).p; }
PathDeriv waypoint_deriv(const Settings& st, double s) { return waypoint_at(st, s).d; }
const char* waypoint_fault_of(const Settings& st) { return waypoint_fault(st); }

// The spline's inner points: its third derivative jumps there, so that the
// velocity limit, which follows the curvature, has a corner (a narrow dip
// where the points are noisy).
void waypoint_knots(const Settings& st, std::vector<double>& out) {
  for (int i = 1; i + 1 < st.wp_n && i < NWAYPOINTS; ++i) out.push_back(st.wp_u[i]);
}

// ---- a type outside the table: the hand at the origin ----

void no_point(const Settings&, double, Vec2& CP) { CP = {0, 0}; }
PathDeriv no_deriv(const Settings&, double) { return {}; }

// The table, in the order of PathType (1..NPATHTYPES).
constexpr std::array<PathKind, NPATHTYPES> kKinds = {{
    {arc_point, arc_deriv, arc_both, arc_derive, nullptr, arc_radius, nullptr},
    {sine_point, sine_deriv, nullptr, sine_derive, nullptr, nullptr, nullptr},
    {u_point, u_deriv, nullptr, u_derive, u_knots, nullptr, nullptr},
    {slalom_point, slalom_deriv, nullptr, slalom_derive, slalom_knots, slalom_radius, nullptr},
    {cam_point, cam_deriv, nullptr, cam_derive, cam_knots, nullptr, nullptr},
    {cycloid_point, cycloid_deriv, nullptr, cycloid_derive, nullptr, nullptr, nullptr},
    {line_point, line_deriv, nullptr, line_derive, nullptr, nullptr, nullptr},
    {waypoint_point, waypoint_deriv, waypoint_at, derive_waypoints, waypoint_knots, nullptr, waypoint_fault_of},
}};
constexpr PathKind kNoKind = {no_point, no_deriv, nullptr, nullptr, nullptr, nullptr, nullptr};

}  // namespace

const PathKind& path_kind(PathType c) {
  const int i = type_number(c) - 1;
  return (i >= 0 && i < NPATHTYPES) ? kKinds[i] : kNoKind;
}

PathPoint path_at(const Settings& st, double s) {
  const PathKind& k = path_kind(st.cptype);
  if (k.both) return k.both(st, s);
  PathPoint r;
  k.point(st, s, r.p);
  r.d = k.deriv(st, s);
  return r;
}

void cpcurve(const Settings& st, double s, Vec2& CP) { path_kind(st.cptype).point(st, s, CP); }

PathDeriv cpderiv(const Settings& st, double s) { return path_kind(st.cptype).deriv(st, s); }

void cppoint(const Settings& st, double s, Vec2& CP, PathDeriv& d) {
  const PathPoint r = path_at(st, s);
  CP = r.p;
  d = r.d;
}

std::vector<double> path_knots(const Settings& st) {
  std::vector<double> knots;
  if (const auto add = path_kind(st.cptype).knots) add(st, knots);
  const double sf = st.sf_now();
  std::vector<double> inside;
  for (double s : knots)
    if (s > 0 && s < sf) inside.push_back(s);
  return inside;
}

void update_path_derived(Settings& st, PathType c) {
  if (const auto derive = path_kind(c).derive) derive(st);
}

const char* path_fault(const Settings& st) {
  const auto fault = path_kind(st.cptype).fault;
  return fault ? fault(st) : nullptr;
}

double hand_sdd(const Settings& st, double sdd) {
  const auto per_s = path_kind(st.cptype).hand_per_s;
  return per_s ? sdd * per_s(st) : sdd;
}

}  // namespace cpt
