// The path kind 4 slalom: half circles alternately above and below y0, s the angle.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

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
  const double x0 = m.P0[0], y0 = m.P0[1];
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

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::slalom>, set_start<&Problem::slalom>},
    {"radius", 1, kPos, false, "[m] of the half circles", get_one<&Problem::slalom, &SlalomPath::R>, set_one<&Problem::slalom, &SlalomPath::R>},
    {"count", 1, Field::Count, false, "half circles",
     [](const Problem& pb, double* v) { v[0] = pb.slalom.N; },
     [](Problem& pb, const double* v) { pb.slalom.N = static_cast<int>(v[0]); }},
};

}  // namespace

extern const PathKind kSlalomPath = {"slalom", kParams, 3, slalom_point, slalom_deriv, nullptr, slalom_derive, slalom_knots, slalom_radius, nullptr};

}  // namespace cpt
