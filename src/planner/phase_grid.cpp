#include "planner/phase_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace cpt {

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

bool finite(const JointCoeffs& D) {
  for (const auto& row : D)
    for (const double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

bool GridSampler::at(double s, Vec2& ref, PointBounds& b) {
  ++evaluations_;
  ModelPoint pt;
  pt.fi = ref;
  if (!pb_.sample(s, ref, pt)) {
    reason_ = no_motion("the path point is out of reach", s);
    return false;
  }
  if (!finite(pt.D)) {
    reason_ = no_motion("the path-to-joint coefficients are not finite", s);
    return false;
  }
  ref = pt.fi;
  b = point_bounds(pt.D, pb_.amax);
  cap_to_ceiling(b, pt.ceiling, pt.by);
  return true;
}

namespace {

struct GridPoint {
  double s;
  bool knot;
};

// The uniform points of n intervals over [0, sf], with each knot in place of
// the points closer to it than a tenth of a step; the ends always stay.
std::vector<GridPoint> grid_points(double sf, int n, const std::vector<double>& knots) {
  const double h = sf / n;
  std::vector<GridPoint> pts;
  size_t next_knot = 0;
  for (int i = 0; i <= n; ++i) {
    const double s = i == n ? sf : sf * i / n;
    while (next_knot < knots.size() && knots[next_knot] < s) {
      const double q = knots[next_knot++];
      if (q > pts.back().s + TOL_GRID_SAME * h) pts.push_back({q, true});
    }
    const bool end = i == 0 || i == n;
    if (!end && (std::fabs(s - pts.back().s) < TOL_GRID_KNOT_GAP * h ||
                 (next_knot < knots.size() && knots[next_knot] - s < TOL_GRID_KNOT_GAP * h))) {
      continue;
    }
    if (end && !pts.empty() && pts.back().knot && s - pts.back().s < TOL_GRID_SAME * h) pts.pop_back();
    pts.push_back({s, false});
  }
  return pts;
}

}  // namespace

bool GridSampler::build(Grid& g) {
  const int n = pb_.intervals < 1 ? 1 : pb_.intervals;
  const std::vector<GridPoint> pts = grid_points(pb_.sf, n, pb_.knots);
  g.nodes.clear();
  g.mids.clear();
  Vec2 ref = pb_.fi_start;
  for (size_t j = 0; j < pts.size(); ++j) {
    const double s = pts[j].s;
    if (j > 0) {
      PointBounds m;
      if (!at(0.5 * (pts[j - 1].s + s), ref, m)) return false;
      g.mids.push_back(m);
    }
    GridNode nd;
    nd.s = s;
    if (pts[j].knot) {
      // Either side of the knot, one rounding step away.
      if (!at(std::nextafter(s, -inf), ref, nd.left) || !at(std::nextafter(s, inf), ref, nd.right))
        return false;
    } else {
      if (!at(s, ref, nd.left)) return false;
      nd.right = nd.left;
    }
    nd.fi = ref;
    g.nodes.push_back(nd);
  }
  return limit_corner_nodes(g) && refine_around(g);
}

bool GridSampler::refine_around(Grid& g) {
  std::vector<double> pts = pb_.refine_at;
  std::sort(pts.begin(), pts.end());
  // Each level cuts the interval of every point and its two neighbours into
  // REFINE_SPLIT: a zoom onto the point.
  for (int level = 0; level < pb_.refine_levels && !pts.empty(); ++level) {
    const size_t M = g.nodes.size() - 1;
    std::vector<char> mark(M, 0);
    for (const double p : pts) {
      auto it = std::upper_bound(g.nodes.begin(), g.nodes.end(), p,
                                 [](double v, const GridNode& n) { return v < n.s; });
      const size_t k = std::min<size_t>(it == g.nodes.begin() ? 0 : (it - g.nodes.begin()) - 1, M - 1);
      for (size_t j = k > 0 ? k - 1 : 0; j <= std::min(k + 1, M - 1); ++j) mark[j] = 1;
    }
    std::vector<std::vector<double>> ins(M);
    size_t cuts = 0;
    for (size_t k = 0; k < M; ++k) {
      const double a = g.nodes[k].s, h = g.nodes[k + 1].s - a;
      if (!mark[k] || h < TOL_REFINE_H * pb_.sf) continue;
      for (int i = 1; i < REFINE_SPLIT; ++i) ins[k].push_back(a + h * i / REFINE_SPLIT);
      cuts += REFINE_SPLIT - 1;
    }
    if (g.nodes.size() + cuts > GRID_NODES_MAX) return true;
    if (!insert(g, ins)) return false;
  }
  return true;
}

bool GridSampler::insert(Grid& g, const std::vector<std::vector<double>>& ins) {
  Grid out;
  const size_t M = g.nodes.size() - 1;
  for (size_t k = 0; k < M; ++k) {
    out.nodes.push_back(g.nodes[k]);
    if (ins[k].empty()) {
      out.mids.push_back(g.mids[k]);
      continue;
    }
    Vec2 ref = g.nodes[k].fi;
    double prev = g.nodes[k].s;
    PointBounds m;
    for (double p : ins[k]) {
      GridNode nd;
      nd.s = p;
      if (!at(0.5 * (prev + p), ref, m) || !at(p, ref, nd.left)) return false;
      out.mids.push_back(m);
      nd.right = nd.left;
      nd.fi = ref;
      out.nodes.push_back(nd);
      prev = p;
    }
    if (!at(0.5 * (prev + g.nodes[k + 1].s), ref, m)) return false;
    out.mids.push_back(m);
  }
  out.nodes.push_back(g.nodes[M]);
  g = std::move(out);
  return true;
}

// A root of joint `joint`'s s-dd coefficient between a and b, where it has
// the values ca and cb of opposite signs (regula falsi, Illinois variant).
double GridSampler::coefficient_root(double a, double b, double ca, double cb, int joint, Vec2 ref) {
  const double tol = TOL_GRID_ROOT * (pb_.sf > 1 ? pb_.sf : 1.0);
  for (int it = 0; it < 80 && b - a > tol; ++it) {
    double c = (a * cb - b * ca) / (cb - ca);
    if (!(c > a && c < b)) c = 0.5 * (a + b);
    Vec2 r = ref;
    PointBounds pc;
    if (!at(c, r, pc)) return NAN;
    const double fc = pc.c0[joint];
    if (fc == 0) return c;
    // Keep [a, b] bracketing; halve the value of an end kept twice.
    if ((fc < 0) == (ca < 0)) {
      a = c;
      ca = fc;
      cb *= 0.5;
    } else {
      b = c;
      cb = fc;
      ca *= 0.5;
    }
  }
  return 0.5 * (a + b);
}

// Where between a and b the limit that sets the velocity limit changes from
// by_a to another (bisection).
double GridSampler::cap_corner(double a, double b, int by_a, Vec2 ref) {
  const double tol = TOL_GRID_ROOT * (pb_.sf > 1 ? pb_.sf : 1.0);
  for (int it = 0; it < 80 && b - a > tol; ++it) {
    const double c = 0.5 * (a + b);
    Vec2 r = ref;
    PointBounds pc;
    if (!at(c, r, pc)) return NAN;
    if (pc.cap_by == by_a) a = c; else b = c;
  }
  return 0.5 * (a + b);
}

// Nodes where the velocity limit has a corner or a dip: where an s-dd
// coefficient changes sign (a zero-inertia point) and where another limit
// takes over setting it.
bool GridSampler::limit_corner_nodes(Grid& g) {
  const size_t M = g.nodes.size() - 1;
  std::vector<std::vector<double>> ins(M);
  bool any = false;
  for (size_t k = 0; k < M; ++k) {
    const double sa = g.nodes[k].s, sb = g.nodes[k + 1].s, sm = 0.5 * (sa + sb);
    for (int j = 0; j < 2; ++j) {
      const double s3[3] = {sa, sm, sb};
      const double c3[3] = {g.nodes[k].right.c0[j], g.mids[k].c0[j], g.nodes[k + 1].left.c0[j]};
      for (int h = 0; h < 2; ++h) {
        if (!(c3[h] * c3[h + 1] < 0)) continue;
        const double r = coefficient_root(s3[h], s3[h + 1], c3[h], c3[h + 1], j, g.nodes[k].fi);
        if (std::isnan(r)) return false;
        const double keep = TOL_GRID_SAME * (sb - sa);
        if (r - sa > keep && sb - r > keep) ins[k].push_back(r);
      }
    }
    // Corners of the velocity limit where another limit takes over setting it.
    const double s3[3] = {sa, sm, sb};
    const int by3[3] = {g.nodes[k].right.cap_by, g.mids[k].cap_by, g.nodes[k + 1].left.cap_by};
    for (int h = 0; h < 2; ++h) {
      if (by3[h] == by3[h + 1]) continue;
      const double r = cap_corner(s3[h], s3[h + 1], by3[h], g.nodes[k].fi);
      if (std::isnan(r)) return false;
      const double keep = TOL_GRID_SAME * (sb - sa);
      if (r - sa > keep && sb - r > keep) ins[k].push_back(r);
    }
    auto& v = ins[k];
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end(), [&](double x, double y) { return y - x < TOL_GRID_SAME * (sb - sa); }),
            v.end());
    any = any || !v.empty();
  }
  return !any || insert(g, ins);
}

}  // namespace cpt
