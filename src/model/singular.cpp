#include "model/singular.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/paths.h"

namespace cpt {

namespace {

// Scan points along the path.
constexpr int SCAN = 4000;

// The closest approach in [a, b] by golden-section search: the distance is
// smooth and single-dipped over so short a piece of a smooth path.
SingularApproach refine(const Model& m, double a, double b) {
  constexpr double g = 0.6180339887498949;
  auto at = [&](double s) {
    SingularApproach r;
    r.s = s;
    cpcurve(m, s, r.p);
    r.dist = singular_distance(m, r.p, r.what);
    return r;
  };
  SingularApproach c = at(b - g * (b - a)), d = at(a + g * (b - a));
  for (int it = 0; it < 80 && b - a > TOL_SEARCH * (1 + std::fabs(b)); ++it) {
    if (c.dist <= d.dist) {
      b = d.s;
      d = c;
      c = at(b - g * (b - a));
    } else {
      a = c.s;
      c = d;
      d = at(a + g * (b - a));
    }
  }
  return c.dist <= d.dist ? c : d;
}

}  // namespace

const char* singularity_name(Lang lang, Singularity w) {
  switch (w) {
    case Singularity::Axis: return text(lang, Txt::SingularAxis);
    case Singularity::Stretched: return text(lang, Txt::SingularStretched);
    case Singularity::Folded: return text(lang, Txt::SingularFolded);
    default: return "";
  }
}

double singular_distance(const Model& m, const Vec2& p, Singularity& what) {
  const double d = std::hypot(p[0], p[1]);
  if (m.pb.robot.kind == Robot::Cylindrical) {
    what = Singularity::Axis;
    return d;
  }
  const double outer = std::fabs(m.pb.robot.l1 + m.pb.robot.l2 - d), inner = std::fabs(d - std::fabs(m.pb.robot.l1 - m.pb.robot.l2));
  what = outer <= inner ? Singularity::Stretched : Singularity::Folded;
  return std::min(outer, inner);
}

SingularApproach closest_singularity(const Model& m) {
  const double sf = m.sf;
  // The scan, with the knots among its points (the path turns there).
  std::vector<double> ss;
  ss.reserve(SCAN + 1);
  const std::vector<double> knots = path_knots(m);
  size_t kn = 0;
  for (int i = 0; i <= SCAN; ++i) {
    const double s = i == SCAN ? sf : sf * i / SCAN;
    while (kn < knots.size() && knots[kn] < s) ss.push_back(knots[kn++]);
    ss.push_back(s);
  }
  std::vector<double> dist(ss.size()), speed(ss.size());
  SingularApproach best;
  best.dist = INFINITY;
  for (size_t i = 0; i < ss.size(); ++i) {
    const PathPoint pt = cpcurve_deriv(m, ss[i]);
    const Vec2& p = pt.p;
    const PathDeriv& d = pt.d;
    Singularity w;
    dist[i] = singular_distance(m, p, w);
    speed[i] = std::hypot(d.xd, d.yd);
    if (!(dist[i] >= best.dist)) best = {ss[i], p, dist[i], w};
  }
  // Between two scan points the hand moves at most about |p'| ds, so the
  // distance can dip by at most half of that: refine where that could reach
  // near the refusal distance.
  for (size_t i = 0; i + 1 < ss.size(); ++i) {
    const double h = ss[i + 1] - ss[i];
    const double reach = 0.5 * h * std::max(speed[i], speed[i + 1]) * 1.5;
    const double low = std::min(dist[i], dist[i + 1]) - reach;
    if (!(h > 0) || !(low < 2 * TOL_SINGULAR_DIST)) continue;
    const SingularApproach r = refine(m, ss[i], ss[i + 1]);
    if (r.dist < best.dist) best = r;
  }
  return best;
}

}  // namespace cpt
