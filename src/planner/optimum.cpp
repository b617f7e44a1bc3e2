#include "planner/optimum.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/ceiling.h"
#include "model/coeffs.h"
#include "model/paths.h"
#include "planner/motion_check.h"
#include "model/phase_bounds.h"

namespace cpt {

namespace {

// Fewest and most rows of the check on a part of the profile.
constexpr int PART_ROWS = 4;
constexpr int PART_ROWS_MAX = 256;

// Times the profile is solved again on a grid made finer where the check
// of the one before found a limit broken.
constexpr int CHECK_PASSES = 5;

// The longest motion put on the time grid [s] (a million steps of dt0).
constexpr double T_GRID_MAX = 1e4;

// The model of f at one path point, without console output: one evaluation
// gives the coefficients and, from the same Jacobian, the speed limits' ceiling.
ModelSampler model_sampler(const Model& m) {
  const bool capped = has_speed_limits(m);
  return [&m, capped](double s, const Vec2& ref, ModelPoint& out) {
    Mat2 J;
    PathDeriv d;
    if (calD_quiet(m, s, ref, out.fi, J, out.D, &d) != 1) return false;
    if (capped) {
      const Ceiling c = ceiling_of(m, J, d);
      out.ceiling = c.sd;
      out.by = 1 + static_cast<int>(c.by);
    }
    return true;
  };
}

// sd of the profile at s.
double profile_sd(const Profile& pr, double s) {
  auto it = std::upper_bound(pr.parts.begin(), pr.parts.end(), s,
                             [](double v, const ProfilePart& p) { return v < p.b; });
  if (it == pr.parts.end()) return 0;
  return std::sqrt(part_x(*it, s));
}

void collect_pieces(const Profile& pr, double sf, Optimum& out) {
  for (const ProfilePart& p : pr.parts) out.profile.push_back({p.ta, p.a, std::sqrt(part_x(p, p.a))});
  out.profile.push_back({pr.parts.back().tb, pr.parts.back().b, 0.0});
  std::vector<OptimumPiece> raw;
  for (const ProfilePart& p : pr.parts) {
    if (!raw.empty() && raw.back().choice == p.choice) {
      raw.back().t1 = p.tb;
      raw.back().s1 = p.b;
    } else {
      raw.push_back({p.ta, p.tb, p.a, p.b, p.choice});
    }
  }
  for (size_t i = 0; i < raw.size(); ++i) {
    OptimumPiece q = raw[i];
    const bool inner = i > 0 && i + 1 < raw.size();
    if (inner && q.choice == Choice::Limit && q.s1 - q.s0 < TOL_TOUCH * sf) {
      // A touch: the next piece takes its place.
      raw[i + 1].t0 = q.t0;
      raw[i + 1].s0 = q.s0;
      continue;
    }
    if (!out.pieces.empty() && out.pieces.back().choice == q.choice) {
      out.pieces.back().t1 = q.t1;
      out.pieces.back().s1 = q.s1;
      continue;
    }
    out.pieces.push_back(q);
  }
  for (size_t i = 1; i < out.pieces.size(); ++i) {
    const OptimumPiece &a = out.pieces[i - 1], &b = out.pieces[i];
    out.switches.push_back({b.t0, b.s0, profile_sd(pr, b.s0), a.choice, b.choice});
  }
}

// The path acceleration at (s, x) of a part and x itself: the profile's own
// slope, kept inside the admissible interval at x (the cubic between the
// nodes is only as exact as its own small error, and may pass the velocity
// limit by that much). Along the limit, x is the highest that admits the
// limit's own slope.
double sample_sdd(const ProfilePart& p, const PointBounds& b, double s, double& x) {
  const double u = 0.5 * part_dx(p, s);
  if (p.choice == Choice::Limit) {
    const double xs = slide_x(b, u);
    if (!std::isnan(xs)) {
      x = std::min(x, xs);
      return u;
    }
  }
  x = std::min(x, b.xmax);
  return std::clamp(u, sdd_lower(b, x), sdd_upper(b, x));
}

// The motion at t = 0, dt0, 2 dt0, ... and at T. False (with a reason) when
// a point of the grid is out of reach.
bool time_grid(const Model& m, const Profile& pr, Optimum& out) {
  const int n = static_cast<int>(std::ceil(pr.T / dt0 - TOL_TIME_GRID));
  Vec2 ref = m.fi0;
  size_t part = 0;
  out.motion.reserve(n + 1);
  for (int j = 0; j <= n; ++j) {
    OptimumSample smp;
    const bool end = j == n;
    smp.t = end ? pr.T : j * dt0;
    while (part + 1 < pr.parts.size() && pr.parts[part].tb < smp.t) ++part;
    const ProfilePart& p = pr.parts[part];
    smp.s = end ? m.sf : part_s_at(p, smp.t);
    double x = end ? 0 : part_x(p, smp.s);
    JointCoeffs D;
    PointBounds b;
    ++out.evaluations;
    if (!model_bounds(m, smp.s, ref, smp.fi, D, b)) {
      out.reason = no_motion("the path point is out of reach", smp.s);
      return false;
    }
    ref = smp.fi;
    if (!end) {
      smp.sdd = sample_sdd(p, b, smp.s, x);
      for (int i = 0; i < 2; ++i) smp.acc[i] = joint_effort(D, i, smp.sdd, x, std::sqrt(x));
    }
    smp.sd = std::sqrt(x);
    cpcurve(m, smp.s, smp.hand);
    out.motion.push_back(smp);
  }
  return true;
}

// Rows on a part: at most ds apart, at least PART_ROWS, and so many that
// sd^2 between two of them, which the check takes as a straight line, stays
// within TOL_ROWS_CHORD of itself on the part's own cubic (a chord of a curve x with
// |x''| <= c over h lies within c h^2 / 8 of it).
int part_rows(const ProfilePart& p, double ds) {
  const double h = p.b - p.a;
  int m = std::max(PART_ROWS, static_cast<int>(std::ceil(h / ds)));
  const double c = std::max(std::fabs(2 * p.c[2] + 6 * p.c[3] * (p.a - p.o)),
                            std::fabs(2 * p.c[2] + 6 * p.c[3] * (p.b - p.o)));
  const double x = std::max({part_x(p, p.a), part_x(p, p.b), TOL_ROWS_X});
  const double need = h * std::sqrt(c / (8 * TOL_ROWS_CHORD * x));
  if (need > m) m = static_cast<int>(std::min(need + 1, static_cast<double>(PART_ROWS_MAX)));
  return m;
}

// The times of a part's rows after its first (`first` is the index of the
// row at its start): the time of each row pair as the check takes it, sd^2
// linear in s (2 h / (sd_a + sd_b)), scaled so that the part ends at its own
// time. The rows are close enough for that chord to lie within
// TOL_ROWS_CHORD of the part, so the times are as close to the part's own.
void part_row_times(const ProfilePart& p, std::vector<MotionRow>& rows, size_t first) {
  double sum = 0;
  for (size_t j = first + 1; j < rows.size(); ++j) {
    const MotionRow &a = rows[j - 1], &b = rows[j];
    double dt = 2 * (b.s - a.s) / (a.sd + b.sd);
    if (!(std::isfinite(dt) && dt > 0)) dt = part_time(p, a.s, b.s);
    rows[j].t = sum += dt;
  }
  for (size_t j = first + 1; j < rows.size(); ++j) rows[j].t = p.ta + (p.tb - p.ta) * (rows[j].t / sum);
  rows.back().t = p.tb;
}

// The profile as rows for the motion check: every part's ends and points
// between them at most sf / CHECK_POINTS apart, with their times.
std::vector<MotionRow> profile_rows(const Profile& pr, double sf) {
  std::vector<MotionRow> rows;
  rows.reserve(CHECK_POINTS + PART_ROWS * pr.parts.size() + 1);
  const double ds = sf / CHECK_POINTS;
  rows.push_back({0, 0, 0});
  for (const ProfilePart& p : pr.parts) {
    // The part's own path acceleration as it leaves its first point.
    rows.back().sdd_after = 0.5 * part_dx(p, p.a);
    const size_t first = rows.size() - 1;
    const int m = part_rows(p, ds);
    for (int i = 1; i <= m; ++i) {
      const double s = i == m ? p.b : p.a + (p.b - p.a) * i / m;
      const bool end = &p == &pr.parts.back() && i == m;
      const double sdd = end ? NAN : 0.5 * part_dx(p, s);
      rows.push_back({0, s, end ? 0.0 : std::sqrt(part_x(p, s)), sdd, sdd});
    }
    part_row_times(p, rows, first);
    if (&p == &pr.parts.back()) rows.back().s = sf;
  }
  return rows;
}

}  // namespace

double optimum_s_at(const Optimum& o, double t) {
  if (o.parts.empty()) return 0;
  auto it = std::lower_bound(o.parts.begin(), o.parts.end(), t,
                             [](const ProfilePart& p, double v) { return p.tb < v; });
  if (it == o.parts.end()) return o.parts.back().b;
  return part_s_at(*it, t);
}

const char* choice_name(Choice c) {
  switch (c) {
    case Choice::Accel: return "acc";
    case Choice::Decel: return "dec";
    default: return "limit";
  }
}

ProfileProblem optimum_problem(const Model& m, int* evaluations) {
  ProfileProblem pb;
  pb.sf = m.sf;
  pb.amax = {m.pb.a1max, m.pb.a2max};
  pb.fi_start = m.fi0;
  pb.knots = limit_knots(m, evaluations);
  pb.sample = model_sampler(m);
  return pb;
}

Optimum compute_optimum(const Model& m, const ProfileProblem* problem) {
  Optimum out;
  if (type_number(m.pb.cptype) < 1 || type_number(m.pb.cptype) > NPATHTYPES) {
    out.reason = no_motion("unknown path type");
    return out;
  }
  // The profile is checked against every limit between its nodes; where it
  // breaks one the grid is made finer there and the profile solved again.
  ProfileProblem pb = problem ? *problem : optimum_problem(m, &out.evaluations);
  Profile pr;
  MotionCheck check;
  for (int pass = 0;; ++pass) {
    pr = solve_profile(pb);
    out.evaluations += pr.evaluations;
    if (!pr.ok) {
      out.reason = pr.reason;
      return out;
    }
    if (!(pr.T < T_GRID_MAX)) {
      out.reason = no_motion("the optimal time is too long for the time grid");
      return out;
    }
    check = check_motion(m, profile_rows(pr, m.sf), TOL_CHECK, true, &pb.knots);
    out.evaluations += check.evaluations;
    if (check.ok || pass == CHECK_PASSES) break;
    pb.refine_at.insert(pb.refine_at.end(), check.bad.begin(), check.bad.end());
    if (pass > 0) ++pb.refine_levels;
  }
  out.limit_use = check.worst;
  // Nothing is called optimal that breaks a limit anywhere along it.
  if (!check.ok) {
    out.reason = "the computed motion breaks a limit: " + check.reason;
    return out;
  }
  collect_pieces(pr, m.sf, out);
  if (!time_grid(m, pr, out)) {
    out.profile.clear();
    out.pieces.clear();
    out.switches.clear();
    out.motion.clear();
    return out;
  }
  out.parts = pr.parts;
  out.T = pr.T;
  out.ok = true;
  return out;
}

}  // namespace cpt
