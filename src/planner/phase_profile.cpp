#include "planner/phase_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "planner/phase_grid.h"

namespace cpt {

namespace {

// Times the grid is made finer around nodes where the passes stall at rest.
constexpr int STALL_REFINES = 6;
// Deepest halving of the time along a part.
constexpr int TIME_DEPTH = 10;

// Slope dx/ds = 2 sdd of the maximum acceleration (up) or deceleration
// curve at x; above the point's velocity limit the limit's own value.
double slope(const PointBounds& b, double x, bool up) {
  x = std::clamp(x, 0.0, b.xmax);
  return 2 * (up ? sdd_upper(b, x) : sdd_lower(b, x));
}

// One fourth-order Runge-Kutta step over an interval from x0 at its start
// (h > 0, forward) or at its end (h < 0, backward).
double rk4(const PointBounds& first, const PointBounds& mid, const PointBounds& last, double x0,
           double h, bool up) {
  const double k1 = slope(first, x0, up);
  const double k2 = slope(mid, x0 + 0.5 * h * k1, up);
  const double k3 = slope(mid, x0 + 0.5 * h * k2, up);
  const double k4 = slope(last, x0 + h * k3, up);
  return std::max(0.0, x0 + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4));
}

// What the profile does on an interval: one choice, or a switch inside.
enum class Kind { Accel, Decel, Limit, AccelDecel, AccelLimit, LimitDecel };

Choice first_choice(Kind k) {
  switch (k) {
    case Kind::Decel: return Choice::Decel;
    case Kind::Limit: case Kind::LimitDecel: return Choice::Limit;
    default: return Choice::Accel;
  }
}

Choice last_choice(Kind k) {
  switch (k) {
    case Kind::Accel: return Choice::Accel;
    case Kind::Limit: case Kind::AccelLimit: return Choice::Limit;
    default: return Choice::Decel;
  }
}

// The two passes over a grid.
struct Passes {
  std::vector<double> F, Fraw;  // forward: cut to the limit, and before the cut
  std::vector<char> Fcut;       // F was cut to the limit at the node
  std::vector<double> P, Braw;  // profile, and the backward step before the cut to F
  std::vector<char> fromB;      // P came from the backward step
  std::vector<Kind> kind;       // per interval
};

void run_passes(const Grid& g, Passes& p) {
  const size_t n = g.nodes.size(), M = n - 1;
  p.F.assign(n, 0);
  p.Fraw.assign(n, 0);
  p.Fcut.assign(n, 0);
  p.P.assign(n, 0);
  p.Braw.assign(n, 0);
  p.fromB.assign(n, 0);
  for (size_t k = 0; k < M; ++k) {
    const double h = g.nodes[k + 1].s - g.nodes[k].s;
    const double x = rk4(g.nodes[k].right, g.mids[k], g.nodes[k + 1].left, p.F[k], h, true);
    const double cap = g.xcap(k + 1);
    p.Fraw[k + 1] = x;
    p.Fcut[k + 1] = x >= cap;
    p.F[k + 1] = std::min(x, cap);
  }
  p.P[M] = 0;
  p.fromB[M] = p.F[M] > 0;
  for (size_t k = M; k-- > 0;) {
    const double h = g.nodes[k + 1].s - g.nodes[k].s;
    const double x = rk4(g.nodes[k + 1].left, g.mids[k], g.nodes[k].right, p.P[k + 1], -h, false);
    p.Braw[k] = x;
    p.fromB[k] = x < p.F[k];
    p.P[k] = std::min(x, p.F[k]);
  }
  p.kind.assign(M, Kind::Accel);
  for (size_t k = 0; k < M; ++k) {
    Kind& kd = p.kind[k];
    if (p.fromB[k]) kd = Kind::Decel;
    else if (!p.fromB[k + 1]) kd = !p.Fcut[k + 1] ? Kind::Accel : (p.Fcut[k] ? Kind::Limit : Kind::AccelLimit);
    else kd = p.Fcut[k] ? Kind::LimitDecel : Kind::AccelDecel;
  }
}

// A one-line reason when the profile cannot pass some node. Nodes where it
// stalls at rest below a velocity limit that is not zero are listed in
// `stalled`: a step across a steep limit can end there without a true
// reason, and a finer grid tells.
bool check_passes(const Grid& g, const Passes& p, std::string& reason, std::vector<size_t>& stalled) {
  const size_t M = g.nodes.size() - 1;
  stalled.clear();
  for (size_t k = 0; k <= M; ++k) {
    const double s = g.nodes[k].s;
    const char* what = nullptr;
    if (!std::isfinite(p.P[k]) || !std::isfinite(p.F[k])) what = "the computation is not finite";
    else if (k > 0 && k < M && g.xcap(k) <= TOL_X_ZERO) what = "the velocity limit falls to zero";
    if (what) {
      // A true reason: no finer grid helps.
      reason = no_motion(what, s);
      stalled.clear();
      return false;
    }
    if (!(k > 0 && k < M && p.P[k] <= TOL_X_ZERO)) continue;
    if (reason.empty()) reason = no_motion("no admissible acceleration passes", s);
    stalled.push_back(k);
  }
  return stalled.empty();
}

// Intervals to refine: those with a switch inside or at an end, and those
// along which the saturated joint changes.
std::vector<char> to_refine(const Grid& g, const Passes& p, double sf) {
  const size_t M = g.nodes.size() - 1;
  std::vector<char> mark(M, 0);
  for (size_t k = 0; k < M; ++k) {
    const Kind kd = p.kind[k];
    if (first_choice(kd) != last_choice(kd)) mark[k] = 1;
    if (k > 0 && last_choice(p.kind[k - 1]) != first_choice(kd)) mark[k - 1] = mark[k] = 1;
    if (kd == Kind::Accel || kd == Kind::Decel) {
      const bool up = kd == Kind::Accel;
      const PointBounds& a = g.nodes[k].right;
      const PointBounds& b = g.nodes[k + 1].left;
      if (active_joint(a, std::min(p.P[k], a.xmax), up) !=
          active_joint(b, std::min(p.P[k + 1], b.xmax), up))
        mark[k] = 1;
      // The step disagrees with the slopes at its ends (the trapezoid rule):
      // the interval does not resolve the curve.
      const double h = g.nodes[k + 1].s - g.nodes[k].s;
      const double trap = 0.5 * h * (slope(a, p.P[k], up) + slope(b, p.P[k + 1], up));
      if (std::fabs(p.P[k + 1] - p.P[k] - trap) > TOL_STEP_AGREE * (p.P[k] + p.P[k + 1])) mark[k] = 1;
    }
  }
  for (size_t k = 0; k < M; ++k)
    if (g.nodes[k + 1].s - g.nodes[k].s < TOL_REFINE_H * sf) mark[k] = 0;
  return mark;
}

// ---- the parts of the profile on one interval ----

using Poly = std::array<double, 4>;

double eval(const Poly& c, double u) { return c[0] + u * (c[1] + u * (c[2] + u * c[3])); }

// Cubic through (0, x0) and (h, x1) with slopes d0 and d1, or, where a slope
// is not usable (below), the quadratic or straight line without it.
Poly hermite(double h, double x0, double d0, bool use0, double x1, double d1, bool use1) {
  const double m = (x1 - x0) / h;
  if (use0 && use1) return {x0, d0, (3 * m - 2 * d0 - d1) / h, (d0 + d1 - 2 * m) / (h * h)};
  if (use0) return {x0, d0, (m - d0) / h, 0};
  if (use1) return {x0, 2 * m - d1, (d1 - m) / h, 0};
  return {x0, m, 0, 0};
}

// Whether the slope at an end of an interval of length h describes the
// curve: not at a zero-inertia point, nor where the saturated joint's
// interval moves so fast with x (|k| h large) that the curve is held in a
// thin band below the limit, where a fourth-order step cannot follow it.
bool usable(const PointBounds& b, double x, bool up, double h) {
  if (!std::isfinite(b.w[0]) || !std::isfinite(b.w[1])) return false;
  const int j = active_joint(b, std::min(x, b.xmax), up);
  return 2 * bound_slope(b, j, std::min(x, b.xmax)) * h <= 1;
}

// Parabola through the velocity limit at the start, middle and end of
// interval k; a straight line between the node values where it is infinite.
Poly limit_poly(const Grid& g, const Passes& p, size_t k, double h) {
  const double q0 = g.nodes[k].right.xmax, qm = g.mids[k].xmax, q1 = g.nodes[k + 1].left.xmax;
  if (!std::isfinite(q0) || !std::isfinite(qm) || !std::isfinite(q1))
    return {p.P[k], (p.P[k + 1] - p.P[k]) / h, 0, 0};
  return {q0, (-3 * q0 + 4 * qm - q1) / h, (2 * q0 - 4 * qm + 2 * q1) / (h * h), 0};
}

// The root of d = first - second in [0, h] by bisection (d changes sign),
// or the end where |d| is smaller when it does not.
double crossing(const Poly& first, const Poly& second, double h) {
  auto d = [&](double u) { return eval(first, u) - eval(second, u); };
  double a = 0, b = h, da = d(0), db = d(h);
  if (da == 0) return 0;
  if (db == 0) return h;
  if ((da < 0) == (db < 0)) return std::fabs(da) <= std::fabs(db) ? 0 : h;
  for (int it = 0; it < 100 && b - a > TOL_SEARCH * h; ++it) {
    const double m = 0.5 * (a + b), dm = d(m);
    if ((dm < 0) == (da < 0)) { a = m; da = dm; } else { b = m; }
  }
  return 0.5 * (a + b);
}

// The lowest value of a cubic on [u0, u1]: at an end or where its slope
// vanishes.
double lowest(const Poly& c, double u0, double u1) {
  double low = std::min(eval(c, u0), eval(c, u1));
  // c1 + 2 c2 u + 3 c3 u^2 = 0
  const double A = 3 * c[3], B = 2 * c[2], C = c[1];
  double roots[2];
  int n = 0;
  if (A == 0) {
    if (B != 0) roots[n++] = -C / B;
  } else {
    const double disc = B * B - 4 * A * C;
    if (disc >= 0) {
      const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
      if (q != 0) roots[n++] = C / q;
      roots[n++] = q / A;
    }
  }
  for (int i = 0; i < n; ++i)
    if (roots[i] > u0 && roots[i] < u1) low = std::min(low, eval(c, roots[i]));
  return low;
}

void add_part(std::vector<ProfilePart>& parts, double o, double a, double b, Choice c, const Poly& poly) {
  if (!(b - a > TOL_PART_WIDTH * (1 + std::fabs(b)))) return;  // a crossing at the interval's end
  ProfilePart pt;
  pt.a = a;
  pt.b = b;
  pt.o = o;
  pt.choice = c;
  pt.c = poly;
  // A cubic between two positive ends that dips to zero inside (steep
  // slopes over a low velocity limit) would stop the motion there: the
  // straight line between the ends takes its place.
  const double xa = eval(poly, a - o), xb = eval(poly, b - o);
  if (xa > 0 && xb > 0 && !(lowest(poly, a - o, b - o) > 0)) {
    const double m = (xb - xa) / (b - a);
    pt.c = {xa - m * (a - o), m, 0, 0};
  }
  parts.push_back(pt);
}

// Whether a motion can follow the velocity limit `lim` over interval k: its
// path acceleration within the admissible interval at the start, the middle
// and the end (to TOL_LIMIT_FOLLOW of the joints' half-widths). Where the limit
// has a sharp dip, as where an s-dd coefficient vanishes, it cannot: the
// motion brakes into the dip and accelerates out of it.
bool limit_followable(const Grid& g, size_t k, const Poly& lim, double h) {
  const PointBounds* b[3] = {&g.nodes[k].right, &g.mids[k], &g.nodes[k + 1].left};
  for (int i = 0; i < 3; ++i) {
    const double u = h * i / 2, sdd = 0.5 * (lim[1] + u * (2 * lim[2] + 3 * u * lim[3]));
    const double x = std::min(eval(lim, u), b[i]->xmax);
    const double w = std::min(b[i]->w[0], b[i]->w[1]);
    if (!std::isfinite(w)) continue;
    const double tol = TOL_LIMIT_FOLLOW * w;
    if (sdd < sdd_lower(*b[i], x) - tol || sdd > sdd_upper(*b[i], x) + tol) return false;
  }
  return true;
}

void interval_parts(const Grid& g, const Passes& p, size_t k, std::vector<ProfilePart>& parts) {
  const GridNode &n0 = g.nodes[k], &n1 = g.nodes[k + 1];
  const double s0 = n0.s, s1 = n1.s, h = s1 - s0;
  Kind kd = p.kind[k];
  const Poly lim = limit_poly(g, p, k, h);
  // Into or out of a dip of the limit at a zero-inertia node the motion
  // brakes and accelerates rather than following the limit's steep sides.
  const bool dip0 = !std::isfinite(n0.right.w[0]) || !std::isfinite(n0.right.w[1]);
  const bool dip1 = !std::isfinite(n1.left.w[0]) || !std::isfinite(n1.left.w[1]);
  if (((kd == Kind::AccelLimit && dip1) || (kd == Kind::LimitDecel && dip0)) && !limit_followable(g, k, lim, h))
    kd = Kind::AccelDecel;
  // The two extremal curves over the interval; for a crossing of the two
  // (not of one with the limit), a step that ended above the limit is cut to it.
  const bool cut = kd == Kind::AccelDecel;
  const double f1 = cut ? std::min(p.Fraw[k + 1], n1.left.xmax) : p.Fraw[k + 1];
  const double b0 = cut ? std::min(p.Braw[k], n0.right.xmax) : p.Braw[k];
  const Poly up = hermite(h, p.P[k], slope(n0.right, p.P[k], true), usable(n0.right, p.P[k], true, h),
                          f1, slope(n1.left, f1, true),
                          f1 == p.Fraw[k + 1] && usable(n1.left, f1, true, h));
  const Poly down = hermite(h, b0, slope(n0.right, b0, false),
                            b0 == p.Braw[k] && usable(n0.right, b0, false, h), p.P[k + 1],
                            slope(n1.left, p.P[k + 1], false), usable(n1.left, p.P[k + 1], false, h));
  switch (kd) {
    case Kind::Accel: add_part(parts, s0, s0, s1, Choice::Accel, up); return;
    case Kind::Decel: add_part(parts, s0, s0, s1, Choice::Decel, down); return;
    case Kind::Limit: add_part(parts, s0, s0, s1, Choice::Limit, lim); return;
    default: break;
  }
  const Poly& first = kd == Kind::LimitDecel ? lim : up;
  const Poly& second = kd == Kind::AccelLimit ? lim : down;
  const double u = crossing(first, second, h);
  add_part(parts, s0, s0, s0 + u, first_choice(kd), first);
  add_part(parts, s0, s0 + u, s1, last_choice(kd), second);
}

// ---- time along a part ----

// Gauss-Legendre, 5 points on [0, 1].
constexpr double GL_X[5] = {0.04691007703066800, 0.23076534494715845, 0.5, 0.76923465505284155,
                            0.95308992296933200};
constexpr double GL_W[5] = {0.11846344252809454, 0.23931433524968324, 0.28444444444444444,
                            0.23931433524968324, 0.11846344252809454};

// Integral of ds / sqrt(x) over [a, b] by one 5-point rule; where x
// vanishes at an end the substitution s = end + (b - a) tau^2 removes the
// singularity.
double gauss_time(const ProfilePart& p, double a, double b, bool rest_a, bool rest_b) {
  const double H = b - a;
  double sum = 0;
  for (int i = 0; i < 5; ++i) {
    const double tau = GL_X[i];
    if (rest_a || rest_b) {
      const double s = rest_a ? a + H * tau * tau : b - H * tau * tau;
      sum += GL_W[i] * 2 * H * tau / std::sqrt(part_x(p, s));
    } else {
      sum += GL_W[i] * H / std::sqrt(part_x(p, a + H * tau));
    }
  }
  return sum;
}

// The same integral, halved until the rule agrees with its two halves to
// TOL_TIME_AGREE of itself. The time of a part and the time to a point inside it
// must agree (the motion's s(t) is found from the second), or s(t), and its
// rate, jump where one part meets the next.
double time_between(const ProfilePart& p, double a, double b, bool rest_a, bool rest_b, int depth = 0) {
  if (!(b > a)) return 0;
  const double m = 0.5 * (a + b);
  if (rest_a && rest_b) return time_between(p, a, m, true, false) + time_between(p, m, b, false, true);
  const double whole = gauss_time(p, a, b, rest_a, rest_b);
  const double halves = gauss_time(p, a, m, rest_a, false) + gauss_time(p, m, b, false, rest_b);
  if (depth >= TIME_DEPTH || !(std::fabs(whole - halves) > TOL_TIME_AGREE * halves)) return halves;
  return time_between(p, a, m, rest_a, false, depth + 1) + time_between(p, m, b, false, rest_b, depth + 1);
}

std::vector<ProfilePart> build_parts(const Grid& g, const Passes& p) {
  std::vector<ProfilePart> parts;
  const size_t M = g.nodes.size() - 1;
  for (size_t k = 0; k < M; ++k) interval_parts(g, p, k, parts);
  double t = 0;
  for (ProfilePart& pt : parts) {
    pt.rest_a = pt.a == 0 && p.P[0] == 0;
    pt.rest_b = pt.b == g.nodes[M].s && p.P[M] == 0;
    pt.ta = t;
    t += part_time(pt, pt.a, pt.b);
    pt.tb = t;
  }
  return parts;
}

}  // namespace

double part_x(const ProfilePart& p, double s) { return std::max(0.0, eval(p.c, s - p.o)); }

double part_dx(const ProfilePart& p, double s) {
  const double u = s - p.o;
  return p.c[1] + u * (2 * p.c[2] + u * 3 * p.c[3]);
}

double part_time(const ProfilePart& p, double a, double b) {
  return time_between(p, a, b, p.rest_a && a == p.a, p.rest_b && b == p.b);
}

double part_s_at(const ProfilePart& p, double t) {
  if (t <= p.ta) return p.a;
  if (t >= p.tb) return p.b;
  // Time measured from the nearer end that is at rest, else from a.
  const bool from_b = p.rest_b && (!p.rest_a || t > 0.5 * (p.ta + p.tb));
  auto G = [&](double s) { return from_b ? p.tb - part_time(p, s, p.b) - t : p.ta + part_time(p, p.a, s) - t; };
  double lo = p.a, hi = p.b;
  double s = p.a + (p.b - p.a) * (t - p.ta) / (p.tb - p.ta);
  for (int it = 0; it < 60; ++it) {
    const double gs = G(s);
    if (gs == 0) return s;
    if (gs < 0) lo = s; else hi = s;
    const double x = part_x(p, s);
    double next = x > 0 ? s - gs * std::sqrt(x) : 0.5 * (lo + hi);
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - s) <= TOL_SEARCH * (p.b - p.a) + TOL_SEARCH_FLOOR) return next;
    s = next;
  }
  return s;
}

std::string no_motion(const char* what) { return std::string("no feasible motion: ") + what; }

std::string no_motion(const char* what, double s) {
  char at[32];
  std::snprintf(at, sizeof at, " at s=%.4f", s);
  return no_motion(what) + at;
}

namespace {

// The cuts that split the intervals around each stalled node (two before it,
// one after) into REFINE_SPLIT parts, down to TOL_REFINE_H of sf.
std::vector<std::vector<double>> stall_cuts(const Grid& g, const std::vector<size_t>& stalled, double sf) {
  const size_t M = g.nodes.size() - 1;
  std::vector<std::vector<double>> ins(M);
  for (const size_t k : stalled) {
    for (size_t j = k >= 2 ? k - 2 : 0; j <= std::min(k + 1, M - 1); ++j) {
      const double a = g.nodes[j].s, h = g.nodes[j + 1].s - a;
      if (!ins[j].empty() || h < TOL_REFINE_H * sf) continue;
      for (int i = 1; i < REFINE_SPLIT; ++i) ins[j].push_back(a + h * i / REFINE_SPLIT);
    }
  }
  return ins;
}

// The cuts that split each marked interval into REFINE_SPLIT parts; `any`
// says whether there is one (none when they would grow the grid past
// GRID_NODES_MAX).
std::vector<std::vector<double>> marked_cuts(const Grid& g, const std::vector<char>& mark, bool& any) {
  std::vector<std::vector<double>> ins(mark.size());
  any = false;
  const size_t marked = static_cast<size_t>(std::count(mark.begin(), mark.end(), 1));
  if (g.nodes.size() + marked * (REFINE_SPLIT - 1) > GRID_NODES_MAX) return ins;
  for (size_t k = 0; k < mark.size(); ++k) {
    if (!mark[k]) continue;
    const double a = g.nodes[k].s, h = g.nodes[k + 1].s - a;
    for (int i = 1; i < REFINE_SPLIT; ++i) ins[k].push_back(a + h * i / REFINE_SPLIT);
    any = true;
  }
  return ins;
}

// Why the problem has no motion before any sampling, or "".
std::string hopeless(const ProfileProblem& pb) {
  if (!(std::isfinite(pb.sf) && pb.sf > 0)) return no_motion("the path has no length");
  if (!(pb.amax[0] > 0 && pb.amax[1] > 0 && std::isfinite(pb.amax[0]) && std::isfinite(pb.amax[1])))
    return no_motion("the joint limits leave no admissible acceleration");
  return "";
}

}  // namespace

Profile solve_profile(const ProfileProblem& pb) {
  Profile out;
  out.reason = hopeless(pb);
  if (!out.reason.empty()) return out;
  GridSampler sampler(pb);
  Grid g;
  Passes p;
  bool ok = sampler.build(g);
  if (ok && !(sdd_upper(g.nodes[0].right, 0) > 0)) {
    out.reason = no_motion("the robot cannot leave rest (friction at or above a limit)", 0);
    out.evaluations = sampler.evaluations();
    return out;
  }
  std::vector<size_t> stalled;
  for (int level = 0, stalls = 0; ok; ++level) {
    run_passes(g, p);
    out.reason.clear();
    if (!check_passes(g, p, out.reason, stalled)) {
      const size_t grown = g.nodes.size() + stalled.size() * 4 * (REFINE_SPLIT - 1);
      if (stalled.empty() || ++stalls > STALL_REFINES || grown > GRID_NODES_MAX) {
        out.evaluations = sampler.evaluations();
        return out;
      }
      // Cut the intervals around each stall and run the passes again.
      ok = sampler.insert(g, stall_cuts(g, stalled, pb.sf));
      --level;
      continue;
    }
    if (level >= pb.refine_levels) break;
    bool any = false;
    const std::vector<std::vector<double>> ins = marked_cuts(g, to_refine(g, p, pb.sf), any);
    if (!any) break;
    ok = sampler.insert(g, ins);
  }
  out.evaluations = sampler.evaluations();
  if (!ok) {
    out.reason = sampler.reason();
    return out;
  }
  out.parts = build_parts(g, p);
  out.T = out.parts.empty() ? 0 : out.parts.back().tb;
  if (!std::isfinite(out.T) || out.parts.empty()) {
    out.reason = no_motion("the time along the path is not finite");
    return out;
  }
  out.ok = true;
  return out;
}

}  // namespace cpt
