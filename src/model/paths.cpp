#include "model/paths.h"

#include <array>
#include <cmath>

#include "model/waypoints.h"

namespace cpt {

namespace {

// Start point of the path (the model's, derived from the kind's parameters).
double x0_of(const Model& m) { return m.P0[0]; }
double y0_of(const Model& m) { return m.P0[1]; }

// ---- 1 arc about A, s the angle ----

void arc_point(const Model& m, double s, Vec2& CP) {
  CP = {m.pb.arc.Ax + m.pb.arc.R * std::cos(s), m.pb.arc.Ay + m.pb.arc.R * std::sin(s)};
}
PathDeriv arc_deriv(const Model& m, double s) {
  return {-m.pb.arc.R * std::sin(s), m.pb.arc.R * std::cos(s), -m.pb.arc.R * std::cos(s),
          -m.pb.arc.R * std::sin(s)};
}
PathPoint arc_point_deriv(const Model& m, double s) {
  const double c = std::cos(s), sn = std::sin(s), R = m.pb.arc.R;
  return {{m.pb.arc.Ax + R * c, m.pb.arc.Ay + R * sn}, {-R * sn, R * c, -R * c, -R * sn}};
}
void arc_derive(Model& m) {
  m.P0 = {m.pb.arc.Ax + m.pb.arc.R, m.pb.arc.Ay};
  m.sf = m.pb.arc.angle;
}
double arc_radius(const Model& m) { return m.pb.arc.R; }

// ---- 2 sine wave, s the advance in x ----

void sine_point(const Model& m, double s, Vec2& CP) {
  CP = {x0_of(m) + s, y0_of(m) + m.pb.sine.A * std::sin(m.sin_k * s)};
}
PathDeriv sine_deriv(const Model& m, double s) {
  const double k = m.sin_k;
  return {1, m.pb.sine.A * k * std::cos(k * s), 0, -m.pb.sine.A * k * k * std::sin(k * s)};
}
void sine_derive(Model& m) {
  m.P0 = m.pb.sine.P0;
  m.sin_k = 2 * PI / m.pb.sine.L;
  m.sf = m.pb.sine.L;
}

// ---- 3 U-shape: up, clockwise half circle over the top, down ----

void u_point(const Model& m, double s, Vec2& CP) {
  const double x0 = x0_of(m), y0 = y0_of(m);
  const double sf = m.sf;
  if (s < 0) {
    CP = {x0, y0};
  } else if (s < m.pb.ushape.L) {
    CP = {x0, y0 + s};
  } else if (s < m.pb.ushape.L + m.u_arc) {
    const double th = (s - m.pb.ushape.L) / m.pb.ushape.R;
    CP = {x0 + m.pb.ushape.R * (1 - std::cos(th)), y0 + m.pb.ushape.L + m.pb.ushape.R * std::sin(th)};
  } else if (s < sf) {
    CP = {x0 + 2 * m.pb.ushape.R, y0 + sf - s};
  } else {
    CP = {x0 + 2 * m.pb.ushape.R, y0};
  }
}
PathDeriv u_deriv(const Model& m, double s) {
  // At the joints the straight parts win (same point and tangent).
  if (s <= m.pb.ushape.L) return {0, 1, 0, 0};
  if (s < m.pb.ushape.L + m.u_arc) {
    const double th = (s - m.pb.ushape.L) / m.pb.ushape.R;
    return {std::sin(th), std::cos(th), std::cos(th) / m.pb.ushape.R, -std::sin(th) / m.pb.ushape.R};
  }
  return {0, -1, 0, 0};
}
void u_derive(Model& m) {
  m.P0 = m.pb.ushape.P0;
  m.u_arc = PI * m.pb.ushape.R;
  m.sf = 2 * m.pb.ushape.L + m.u_arc;
}
void u_knots(const Model& m, std::vector<double>& out) {
  out.push_back(m.pb.ushape.L);
  out.push_back(m.pb.ushape.L + m.u_arc);
}

// ---- 4 slalom: half circles alternately above and below y0, s the angle ----

// Number of half-circle pairs that the slalom's pieces cover, so that
// 0 <= s < (2M + 2) PI contains the whole path 0 <= s <= sl_N PI.
int slalom_pairs(int sl_N) { return static_cast<int>((sl_N + 1 + TOL_SLALOM_PAIRS) / 2); }

// Pair index i and half (0 upper, 1 lower) of the slalom piece that holds s,
// or false when s lies outside the pieces. Found by division, so that the
// cost does not grow with the number of half circles.
bool slalom_piece(const Model& m, double s, int& i, int& lower) {
  const int M = slalom_pairs(m.pb.slalom.N);
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

void slalom_point(const Model& m, double s, Vec2& CP) {
  const double x0 = x0_of(m), y0 = y0_of(m);
  int i = 0, lower = 0;
  if (!slalom_piece(m, s, i, lower)) {
    CP = {x0, y0};  // below s = 0 (and past the pieces) the start point
  } else if (!lower) {
    CP = {x0 + m.pb.slalom.R * (4 * i + 1 - std::cos(s)), y0 + m.pb.slalom.R * std::sin(s)};
  } else {
    const double u = s - PI;
    CP = {x0 + m.pb.slalom.R * (4 * i + 3 - std::cos(u)), y0 - m.pb.slalom.R * std::sin(u)};
  }
}
PathDeriv slalom_deriv(const Model& m, double s) {
  int i = 0, lower = 0;
  // No tangent outside the path: the hand stays at the start.
  if (!slalom_piece(m, s, i, lower)) return {0, 0, 0, 0};
  if (!lower)
    return {m.pb.slalom.R * std::sin(s), m.pb.slalom.R * std::cos(s), m.pb.slalom.R * std::cos(s), -m.pb.slalom.R * std::sin(s)};
  const double u = s - PI;
  return {m.pb.slalom.R * std::sin(u), -m.pb.slalom.R * std::cos(u), m.pb.slalom.R * std::cos(u), m.pb.slalom.R * std::sin(u)};
}
void slalom_derive(Model& m) {
  m.P0 = m.pb.slalom.P0;
  m.sf = m.pb.slalom.N * PI;
}
void slalom_knots(const Model& m, std::vector<double>& out) {
  for (int k = 1; k < m.pb.slalom.N; ++k) out.push_back(k * PI);
}
double slalom_radius(const Model& m) { return m.pb.slalom.R; }

// ---- 5 constant-acceleration cam: two parabolas ----

void cam_point(const Model& m, double s, Vec2& CP) {
  const double x0 = x0_of(m), y0 = y0_of(m);
  double y;
  if (s < 0) {
    y = y0;
  } else if (s < m.pb.cam.L / 2) {
    const double r = s / m.pb.cam.L;
    y = y0 + 2 * m.pb.cam.H * r * r;
  } else if (s <= m.pb.cam.L) {
    const double r = 1 - s / m.pb.cam.L;
    y = y0 + m.pb.cam.H * (1 - 2 * r * r);
  } else {
    y = y0 + m.pb.cam.H;
  }
  CP = {x0 + s, y};
}
PathDeriv cam_deriv(const Model& m, double s) {
  PathDeriv d;
  d.xd = 1;
  d.xdd = 0;
  if (s >= 0 && s < m.pb.cam.L / 2) {
    d.yd = m.cam_a * s;
    d.ydd = m.cam_a;
  } else if (s >= m.pb.cam.L / 2 && s <= m.pb.cam.L) {
    d.yd = m.cam_a * (m.pb.cam.L - s);
    d.ydd = -m.cam_a;
  }
  return d;
}
void cam_derive(Model& m) {
  m.P0 = m.pb.cam.P0;
  m.cam_a = 4 * m.pb.cam.H / (m.pb.cam.L * m.pb.cam.L);
  m.sf = m.pb.cam.L;
}
void cam_knots(const Model& m, std::vector<double>& out) { out.push_back(m.pb.cam.L / 2); }

// ---- 6 cycloid cam ----

void cycloid_point(const Model& m, double s, Vec2& CP) {
  CP = {x0_of(m) + s,
        y0_of(m) + m.pb.cycloid.H * (s / m.pb.cycloid.L - std::sin(2 * PI * s / m.pb.cycloid.L) * (1 / (2 * PI)))};
}
PathDeriv cycloid_deriv(const Model& m, double s) {
  return {1, (m.cyc_c / m.cyc_w) * (1 - std::cos(m.cyc_w * s)), 0, m.cyc_c * std::sin(m.cyc_w * s)};
}
void cycloid_derive(Model& m) {
  m.P0 = m.pb.cycloid.P0;
  m.cyc_c = 2 * PI * m.pb.cycloid.H / (m.pb.cycloid.L * m.pb.cycloid.L);
  m.cyc_w = 2 * PI / m.pb.cycloid.L;
  m.sf = m.pb.cycloid.L;
}

// ---- 7 straight line ----

void line_point(const Model& m, double s, Vec2& CP) {
  CP = {x0_of(m) + s * m.line_cos, y0_of(m) + s * m.line_sin};
}
PathDeriv line_deriv(const Model& m, double) { return {m.line_cos, m.line_sin, 0, 0}; }
void line_derive(Model& m) {
  m.P0 = m.pb.line.P0;
  m.line_cos = std::cos(m.pb.line.beta);
  m.line_sin = std::sin(m.pb.line.beta);
  m.sf = m.pb.line.l;
}

// ---- 8 spline through waypoints (model/waypoints.h) ----

void waypoint_point(const Model& m, double s, Vec2& CP) { CP = waypoint_at(m, s).p; }
PathDeriv waypoint_deriv(const Model& m, double s) { return waypoint_at(m, s).d; }
const char* waypoint_fault_of(const Model& m) { return waypoint_fault(m); }

// The spline's inner points: its third derivative jumps there, so that the
// velocity limit, which follows the curvature, has a corner (a narrow dip
// where the points are noisy).
void waypoint_knots(const Model& m, std::vector<double>& out) {
  for (int i = 1; i + 1 < m.pb.waypoints.n && i < NWAYPOINTS; ++i) out.push_back(m.wp_u[i]);
}

// ---- a type outside the table: the hand at the origin ----

void no_point(const Model&, double, Vec2& CP) { CP = {0, 0}; }
PathDeriv no_deriv(const Model&, double) { return {}; }

// The table, in the order of PathType (1..NPATHTYPES).
constexpr std::array<PathKind, NPATHTYPES> kKinds = {{
    {arc_point, arc_deriv, arc_point_deriv, arc_derive, nullptr, arc_radius, nullptr},
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

void cpcurve(const Model& m, double s, Vec2& CP) { path_kind(m.pb.cptype).point(m, s, CP); }

PathDeriv cpderiv(const Model& m, double s) { return path_kind(m.pb.cptype).deriv(m, s); }

PathPoint cpcurve_deriv(const Model& m, double s) {
  const PathKind& k = path_kind(m.pb.cptype);
  if (k.point_deriv) return k.point_deriv(m, s);
  PathPoint r;
  k.point(m, s, r.p);
  r.d = k.deriv(m, s);
  return r;
}

std::vector<double> path_knots(const Model& m) {
  std::vector<double> knots;
  if (const auto add = path_kind(m.pb.cptype).knots) add(m, knots);
  const double sf = m.sf;
  std::vector<double> inside;
  for (double s : knots)
    if (s > 0 && s < sf) inside.push_back(s);
  return inside;
}

Model build_model(const Problem& pb) {
  Model m;
  m.pb = pb;
  if (const auto derive = path_kind(pb.cptype).derive) derive(m);
  cpcurve(m, m.sf, m.Pf);
  return m;
}

const char* path_fault(const Model& m) {
  const auto fault = path_kind(m.pb.cptype).fault;
  return fault ? fault(m) : nullptr;
}

double hand_sdd(const Model& m, double sdd) {
  const auto per_s = path_kind(m.pb.cptype).hand_per_s;
  return per_s ? sdd * per_s(m) : sdd;
}

}  // namespace cpt
