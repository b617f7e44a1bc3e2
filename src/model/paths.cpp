#include "model/paths.h"

#include <array>
#include <cmath>

#include "model/path_kinds.h"
#include "model/waypoints.h"

namespace cpt {

namespace {

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

// The waypoint path has no parameters of its own: its points come from a
// problem file.
constexpr PathKind kWaypointPath = {"waypoints", nullptr, 0, waypoint_point, waypoint_deriv, waypoint_at,
                                    derive_waypoints, waypoint_knots, nullptr, waypoint_fault_of};
constexpr PathKind kNoKind = {"", nullptr, 0, no_point, no_deriv, nullptr, nullptr, nullptr, nullptr, nullptr};

// The table, in the order of PathType (1..NPATHTYPES).
const PathKind* const kKinds[NPATHTYPES] = {&kArcPath,  &kSinePath,    &kUShapePath, &kSlalomPath,
                                            &kCamPath,  &kCycloidPath, &kLinePath,   &kWaypointPath};

}  // namespace

const PathKind& path_kind(PathType c) {
  const int i = type_number(c) - 1;
  return (i >= 0 && i < NPATHTYPES) ? *kKinds[i] : kNoKind;
}

int path_values(const Problem& pb, PathType c, double* v) {
  const PathKind& k = path_kind(c);
  int n = 0;
  for (int i = 0; i < k.n_params; ++i) {
    const PathParam& p = k.params[i];
    p.get(pb, v + n);
    if (p.degrees) v[n] *= RAD2DEG;
    n += p.n;
  }
  return n;
}

void set_path_values(Problem& pb, PathType c, const double* v) {
  const PathKind& k = path_kind(c);
  for (int i = 0, n = 0; i < k.n_params; n += k.params[i].n, ++i) {
    const PathParam& p = k.params[i];
    double x[2] = {v[n], p.n == 2 ? v[n + 1] : 0};
    if (p.degrees) x[0] *= DEG2RAD;
    p.set(pb, x);
  }
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
