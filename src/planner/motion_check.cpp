#include "planner/motion_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/paths.h"
#include "planner/landing.h"
#include "model/phase_bounds.h"

namespace cpt {

namespace {

MotionCheck fails(const char* what, const MotionRow& r) {
  MotionCheck c;
  char line[160];
  std::snprintf(line, sizeof line, "%s at t=%.4f s=%.4f sd=%.4f", what, r.t, r.s, r.sd);
  c.reason = line;
  return c;
}

// The motion's start and end: finite, at rest at the start and the end of
// the path. An empty reason when they are.
std::string ends_fault(const Model& m, const std::vector<MotionRow>& rows) {
  const double sf = m.sf;
  if (rows.size() < 2) return fails("the motion has no steps", rows.empty() ? MotionRow{} : rows[0]).reason;
  for (const MotionRow& r : rows)
    if (!std::isfinite(r.t) || !std::isfinite(r.s) || !std::isfinite(r.sd))
      return fails("a state is not a finite number", r).reason;
  const MotionRow &first = rows.front(), &last = rows.back();
  if (!(first.t == 0 && std::fabs(first.s) <= TOL_CHECK_S * sf && first.sd == 0))
    return fails("the motion does not start at rest at the start of the path", first).reason;
  if (!(std::fabs(last.s - sf) <= TOL_END * sf && std::fabs(last.sd) <= TOL_END_SD))
    return fails("the motion does not end at rest at the end of the path", last).reason;
  return "";
}

// The check of the row pairs, one after the other along the motion.
class PairCheck {
 public:
  PairCheck(const Model& m, double tol, bool all, const std::vector<double>* knots)
      : m_(m), tol_(tol), all_(all), sf_(m.sf), knots_(knots ? *knots : limit_knots(m)), ds_fine_(m.sf / CHECK_POINTS),
        fi_(m.fi0), amax_{m.pb.a1max, m.pb.a2max} {}

  // Checks the pair a, b; false when the check ends there (out then says why).
  bool pair(const MotionRow& a, const MotionRow& b);
  MotionCheck out;

 private:
  // Each joint's interval of s-dd over the points between two rows: its
  // widest extent, and the largest half-width amax_i / |D[i][0]| it has there.
  struct Spread {
    std::array<double, 2> lo{INFINITY, INFINITY}, hi{-INFINITY, -INFINITY}, w{0, 0};
    JointCoeffs D_first, D_last;  // at the first and the last point: a's and b's ends of the pair (set by scan)
  };
  enum class Scan { Within, Over, Stop };

  // A limit broken at `at`: the first one ends the check unless every one is wanted.
  bool broken(const std::string& what, const MotionRow& at) {
    if (out.reason.empty()) out.reason = fails(what.c_str(), at).reason;
    out.bad.push_back(at.s);
    return !all_;
  }
  bool stop(const char* what, const MotionRow& at) {
    out = fails(what, at);
    return false;
  }
  void points_between(const MotionRow& a, const MotionRow& b);
  Scan scan(const MotionRow& a, const MotionRow& b, Spread& sp, bool reuse);
  bool mean_within(const MotionRow& a, double u, const Spread& sp);
  bool ends_within(const MotionRow& a, const MotionRow& b, const Spread& sp);

  const Model& m_;
  const double tol_;
  const bool all_;
  const double sf_;
  const std::vector<double> knots_;
  const double ds_fine_;
  Vec2 fi_;
  const std::array<double, 2> amax_;
  std::vector<double> pts_;
  // The last point of the pair before, one rounding step short of its row:
  // the next pair's first point lies one step past the same row, and where
  // no knot is there it takes these bounds instead of sampling the model again.
  bool cached_ = false;
  double cached_s_ = 0;
  PointBounds cached_pb_;
  JointCoeffs cached_D_{};
};

// The points between the rows: the fine grid, and either side of each knot.
void PairCheck::points_between(const MotionRow& a, const MotionRow& b) {
  const double h = b.s - a.s;
  pts_.clear();
  const int n_fine = std::max(1, static_cast<int>(std::ceil(h / ds_fine_)));
  // The ends on the pair's side: at a knot the other side belongs to the next pair.
  for (int i = 0; i <= n_fine; ++i)
    pts_.push_back(i == 0 ? std::nextafter(a.s, b.s) : i == n_fine ? std::nextafter(b.s, a.s) : a.s + h * i / n_fine);
  auto it = std::upper_bound(knots_.begin(), knots_.end(), a.s);
  if (it == knots_.end() || !(*it < b.s)) return;  // no knot inside: the grid is in order
  for (; it != knots_.end() && *it < b.s; ++it) {
    pts_.push_back(std::nextafter(*it, a.s));
    pts_.push_back(std::nextafter(*it, b.s));
  }
  std::sort(pts_.begin(), pts_.end());
}

// sd^2 against the velocity limit at every point, and the joints' intervals there.
PairCheck::Scan PairCheck::scan(const MotionRow& a, const MotionRow& b, Spread& sp, bool reuse) {
  const double h = b.s - a.s;
  const double xa = a.sd * a.sd, xb = b.sd * b.sd;
  PointBounds pb;
  for (const double s : pts_) {
    const double sc = std::clamp(s, 0.0, sf_);
    if (reuse && s == pts_.front()) {
      pb = cached_pb_;
      sp.D_last = cached_D_;
    } else if (++out.evaluations, !model_bounds(m_, sc, fi_, fi_, sp.D_last, pb)) {
      stop("a point of the motion is out of reach", {a.t, s, a.sd});
      return Scan::Stop;
    }
    if (s == pts_.front()) sp.D_first = sp.D_last;
    const double x = xa + (xb - xa) * (s - a.s) / h;
    if (x > 0) {
      const double use = x / pb.xmax;
      out.worst = std::max(out.worst, use);
      if (!(use <= 1 + tol_)) {
        char what[96];
        std::snprintf(what, sizeof what, "above the velocity limit (%.6g times sd^2 of the limit)", use);
        return broken(what, {a.t + (b.t - a.t) * (s - a.s) / h, s, std::sqrt(x)}) ? Scan::Stop : Scan::Over;
      }
    }
    const double xc = std::min(x, pb.xmax);
    for (int i = 0; i < 2; ++i) {
      if (!std::isfinite(pb.w[i])) continue;  // a joint at zero inertia bounds sd alone
      const double shift = friction_shift(pb, i, xc);
      sp.lo[i] = std::min(sp.lo[i], joint_lower(pb, i, xc, shift));
      sp.hi[i] = std::max(sp.hi[i], joint_upper(pb, i, xc, shift));
      sp.w[i] = std::max(sp.w[i], pb.w[i]);
    }
  }
  cached_ = true;
  cached_s_ = b.s;
  cached_pb_ = pb;
  cached_D_ = sp.D_last;
  return Scan::Within;
}

// The mean s-dd u against each joint's widest interval: what lies outside it,
// over the half-width, is the part of that joint's limit it goes beyond (a
// mean of values within the interval lies within it). False when the check
// ends; true otherwise (also when this pair broke a limit and all are wanted:
// out.bad then grew).
bool PairCheck::mean_within(const MotionRow& a, double u, const Spread& sp) {
  int joint = -1;
  double excess = 0;
  for (int i = 0; i < 2; ++i) {
    if (!(sp.w[i] > 0)) continue;
    const double e = std::max(u - sp.hi[i], sp.lo[i] - u) / sp.w[i];
    if (e > excess) excess = e, joint = i;
  }
  if (excess > 0) out.worst = std::max(out.worst, 1 + excess);
  if (!(excess > tol_)) return true;
  char what[128];
  std::snprintf(what, sizeof what, "joint %d is %.6g times its limit (path acceleration %.6g outside [%.6g, %.6g])",
                joint + 1, 1 + excess, u, sp.lo[joint], sp.hi[joint]);
  return !broken(what, a);
}

// The path acceleration the motion has as it leaves row a and as it arrives
// at row b, where it is known. False when the check ends.
bool PairCheck::ends_within(const MotionRow& a, const MotionRow& b, const Spread& sp) {
  const struct {
    double sdd, x;
    const JointCoeffs* D;
    const MotionRow* at;
  } ends[2] = {{a.sdd_after, a.sd * a.sd, &sp.D_first, &a}, {b.sdd, b.sd * b.sd, &sp.D_last, &b}};
  for (const auto& e : ends) {
    if (!std::isfinite(e.sdd) || !(e.at->s <= sf_)) continue;
    const JointCoeffs& D = *e.D;
    for (int i = 0; i < 2; ++i) {
      const double use = std::fabs(joint_effort(D, i, e.sdd, e.x, std::sqrt(e.x))) / amax_[i];
      out.worst = std::max(out.worst, use);
      if (use > 1 + tol_) {
        char what[96];
        std::snprintf(what, sizeof what, "joint %d is %.6g times its limit", i + 1, use);
        if (broken(what, *e.at)) return false;
        break;
      }
    }
  }
  return true;
}

bool PairCheck::pair(const MotionRow& a, const MotionRow& b) {
  if (!(b.t > a.t)) return stop("the time does not increase", b);
  if (b.sd < 0) return stop("the motion runs backwards (sd below 0)", b);
  if (b.s < a.s - TOL_CHECK_S * sf_) return stop("the motion runs backwards along the path", b);
  const double h = b.s - a.s;
  const double xa = a.sd * a.sd, xb = b.sd * b.sd;
  if (!(h > 0)) {
    // No way along the path to change the rate on.
    return !(std::fabs(xb - xa) > tol_ * std::max(xa, xb) + TOL_CHECK_X && broken("the rate sd jumps", b));
  }
  const bool reuse = cached_ && cached_s_ == a.s && !std::binary_search(knots_.begin(), knots_.end(), a.s);
  cached_ = false;
  points_between(a, b);
  Spread sp;
  switch (scan(a, b, sp, reuse)) {
    case Scan::Stop: return false;
    case Scan::Over: return true;
    case Scan::Within: break;
  }
  const double u = (xb - xa) / (2 * h);  // mean s-dd of the pair
  const size_t bad = out.bad.size();
  if (!mean_within(a, u, sp)) return false;
  if (out.bad.size() > bad) return true;  // broken here, and every pair is wanted
  if (!ends_within(a, b, sp)) return false;
  // The rows' times must follow from their path and rates: a motion whose
  // table lost a step, or counted one twice, reaches its states in a time it
  // cannot have, and its accelerations in time are not the ones checked.
  const double dt = b.t - a.t, dt_read = 2 * h / (a.sd + b.sd);
  if (!(std::fabs(dt - dt_read) <= TOL_PAIR_TIME * dt_read + TOL_PAIR_TIME_ABS))
    return stop("the time between two rows does not follow from their path and rates", b);
  return true;
}

}  // namespace

MotionCheck check_motion(const Model& m, const std::vector<MotionRow>& rows, double tol, bool all,
                         const std::vector<double>* knots) {
  const std::string fault = ends_fault(m, rows);
  if (!fault.empty()) {
    MotionCheck c;
    c.reason = fault;
    return c;
  }
  PairCheck check(m, tol, all, knots);
  for (size_t j = 0; j + 1 < rows.size(); ++j)
    if (!check.pair(rows[j], rows[j + 1])) return check.out;
  check.out.ok = check.out.bad.empty();
  return check.out;
}

}  // namespace cpt
