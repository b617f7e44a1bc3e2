#include "planner/motion_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/paths.h"
#include "planner/landing.h"
#include "planner/phase_bounds.h"

namespace cpt {

namespace {

MotionCheck fails(const char* what, const MotionRow& r) {
  MotionCheck c;
  char line[160];
  std::snprintf(line, sizeof line, "%s at t=%.4f s=%.4f sd=%.4f", what, r.t, r.s, r.sd);
  c.reason = line;
  return c;
}

// The admissible bounds at path point s, following the branch from fi, and
// the coefficients D there.
bool bounds_at(const Model& m, double s, Vec2& fi, PointBounds& b, Mat2& D) {
  Mat2 J;
  Vec2 q;
  if (!calD_quiet(m, s, fi, q, J, D)) return false;
  fi = q;
  b = point_bounds(D, {m.pb.a1max, m.pb.a2max});
  if (has_speed_limits(m)) cap_to_ceiling(b, ceiling_of(m, J, cpderiv(m, s)).sd);
  return true;
}

}  // namespace

MotionCheck check_motion(const Model& m, const std::vector<MotionRow>& rows, double tol, bool all) {
  const double sf = m.sf;
  if (rows.size() < 2) return fails("the motion has no steps", rows.empty() ? MotionRow{} : rows[0]);
  for (const MotionRow& r : rows)
    if (!std::isfinite(r.t) || !std::isfinite(r.s) || !std::isfinite(r.sd))
      return fails("a state is not a finite number", r);
  const MotionRow &first = rows.front(), &last = rows.back();
  if (!(first.t == 0 && std::fabs(first.s) <= TOL_CHECK_S * sf && first.sd == 0))
    return fails("the motion does not start at rest at the start of the path", first);
  if (!(std::fabs(last.s - sf) <= TOL_END * sf && std::fabs(last.sd) <= TOL_END_SD))
    return fails("the motion does not end at rest at the end of the path", last);

  const std::vector<double> knots = path_knots(m);
  const double ds_fine = sf / CHECK_POINTS;
  MotionCheck out;
  // A limit broken between rows j and j + 1: the first one ends the check
  // unless every one is wanted.
  auto broken = [&](const std::string& what, const MotionRow& at) {
    if (out.reason.empty()) out.reason = fails(what.c_str(), at).reason;
    out.bad.push_back(at.s);
    return !all;
  };
  Vec2 fi = m.fi0;
  const std::array<double, 2> amax{m.pb.a1max, m.pb.a2max};
  std::vector<double> pts;
  for (size_t j = 0; j + 1 < rows.size(); ++j) {
    const MotionRow &a = rows[j], &b = rows[j + 1];
    if (!(b.t > a.t)) return fails("the time does not increase", b);
    if (b.sd < 0) return fails("the motion runs backwards (sd below 0)", b);
    if (b.s < a.s - TOL_CHECK_S * sf) return fails("the motion runs backwards along the path", b);
    const double h = b.s - a.s;
    const double xa = a.sd * a.sd, xb = b.sd * b.sd;
    if (!(h > 0)) {
      // No way along the path to change the rate on.
      if (std::fabs(xb - xa) > tol * std::max(xa, xb) + TOL_CHECK_X && broken("the rate sd jumps", b)) return out;
      continue;
    }
    const double u = (xb - xa) / (2 * h);  // mean s-dd of the pair
    // The points between the rows: the fine grid, and either side of each knot.
    pts.clear();
    const int n_fine = std::max(1, static_cast<int>(std::ceil(h / ds_fine)));
    // The ends on the pair's side: at a knot the other side belongs to the next pair.
    for (int i = 0; i <= n_fine; ++i)
      pts.push_back(i == 0 ? std::nextafter(a.s, b.s) : i == n_fine ? std::nextafter(b.s, a.s) : a.s + h * i / n_fine);
    for (auto it = std::upper_bound(knots.begin(), knots.end(), a.s); it != knots.end() && *it < b.s; ++it) {
      pts.push_back(std::nextafter(*it, a.s));
      pts.push_back(std::nextafter(*it, b.s));
    }
    std::sort(pts.begin(), pts.end());
    // Each joint's interval of s-dd over the points: its widest extent, and
    // the largest half-width amax_i / |D[i][0]| it has there.
    std::array<double, 2> lo{INFINITY, INFINITY}, hi{-INFINITY, -INFINITY}, w{0, 0};
    bool over = false;
    Mat2 D_first{}, D_last{};  // at the first and the last point: a's and b's ends of the pair
    for (const double s : pts) {
      const double sc = std::clamp(s, 0.0, sf);
      PointBounds pb;
      if (!bounds_at(m, sc, fi, pb, D_last)) return fails("a point of the motion is out of reach", {a.t, s, a.sd});
      if (s == pts.front()) D_first = D_last;
      const double x = xa + (xb - xa) * (s - a.s) / h;
      if (x > 0) {
        const double use = x / pb.xmax;
        out.worst = std::max(out.worst, use);
        if (!(use <= 1 + tol)) {
          char what[96];
          std::snprintf(what, sizeof what, "above the velocity limit (%.6g times sd^2 of the limit)", use);
          if (broken(what, {a.t + (b.t - a.t) * (s - a.s) / h, s, std::sqrt(x)})) return out;
          over = true;
          break;
        }
      }
      const double xc = std::min(x, pb.xmax);
      for (int i = 0; i < 2; ++i) {
        if (!std::isfinite(pb.w[i])) continue;  // a joint at zero inertia bounds sd alone
        lo[i] = std::min(lo[i], -pb.w[i] - pb.k[i] * xc);
        hi[i] = std::max(hi[i], pb.w[i] - pb.k[i] * xc);
        w[i] = std::max(w[i], pb.w[i]);
      }
    }
    if (over) continue;
    // The mean s-dd against each joint's widest interval: what lies outside
    // it, over the half-width, is the part of that joint's limit it goes
    // beyond (a mean of values within the interval lies within it).
    int joint = -1;
    double excess = 0;
    for (int i = 0; i < 2; ++i) {
      if (!(w[i] > 0)) continue;
      const double e = std::max(u - hi[i], lo[i] - u) / w[i];
      if (e > excess) excess = e, joint = i;
    }
    if (excess > 0) out.worst = std::max(out.worst, 1 + excess);
    if (excess > tol) {
      char what[112];
      std::snprintf(what, sizeof what, "joint %d is %.6g times its limit (path acceleration %.6g outside [%.6g, %.6g])",
                    joint + 1, 1 + excess, u, lo[joint], hi[joint]);
      if (broken(what, a)) return out;
      continue;
    }
    // The path acceleration the motion has as it leaves row a and as it
    // arrives at row b, where it is known.
    const struct {
      double sdd, x;
      const Mat2* D;
      const MotionRow* at;
    } ends[2] = {{a.sdd_after, xa, &D_first, &a}, {b.sdd, xb, &D_last, &b}};
    for (const auto& e : ends) {
      if (!std::isfinite(e.sdd) || !(e.at->s <= sf)) continue;
      const Mat2& D = *e.D;
      for (int i = 0; i < 2; ++i) {
        const double use = std::fabs(D[i][0] * e.sdd + D[i][1] * e.x) / amax[i];
        out.worst = std::max(out.worst, use);
        if (use > 1 + tol) {
          char what[96];
          std::snprintf(what, sizeof what, "joint %d is %.6g times its limit", i + 1, use);
          if (broken(what, *e.at)) return out;
          break;
        }
      }
    }
  }
  out.ok = out.bad.empty();
  return out;
}

}  // namespace cpt
