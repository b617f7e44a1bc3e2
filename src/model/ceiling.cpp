#include "model/ceiling.h"

#include <cmath>
#include <limits>

#include "model/coeffs.h"
#include "model/kinematics.h"

namespace cpt {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Lowers c to v when v is lower.
void lower(Ceiling& c, double v, SpeedLimit by) {
  if (v < c.sd) c = {v, by};
}

}  // namespace

const char* speed_limit_name(Lang lang, SpeedLimit l) {
  switch (l) {
    case SpeedLimit::Joint1: return text(lang, Txt::LimitJoint1);
    case SpeedLimit::Joint2: return text(lang, Txt::LimitJoint2);
    case SpeedLimit::Hand: return text(lang, Txt::LimitHand);
    default: return "";
  }
}

Ceiling ceiling_of(const Model& m, const Mat2& J, const PathDeriv& p) {
  Ceiling c{kInf, SpeedLimit::None};
  // dq/ds = J^{-1} p' = adj(J) p' / det J: limit i is vmax[i] |det J| / |adj(J) p'|_i,
  // 0 where J is singular and the path asks for motion across the singularity.
  const JointRates q = joint_rates(J, p.xd, p.yd);
  const SpeedLimit joint[2] = {SpeedLimit::Joint1, SpeedLimit::Joint2};
  for (int i = 0; i < 2; ++i) {
    if (!(m.pb.vmax[i] > 0) || q.adj_p[i] == 0) continue;
    lower(c, m.pb.vmax[i] * std::fabs(q.det) / std::fabs(q.adj_p[i]), joint[i]);
  }
  const double speed = std::hypot(p.xd, p.yd);
  if (m.pb.vtool > 0 && speed > 0) lower(c, m.pb.vtool / speed, SpeedLimit::Hand);
  return c;
}

bool model_bounds(const Model& m, double s, const Vec2& ref, Vec2& fi, JointCoeffs& D, PointBounds& b) {
  Mat2 J;
  PathDeriv d;
  if (!calD_quiet(m, s, ref, fi, J, D, &d)) return false;
  b = point_bounds(D, {m.pb.a1max, m.pb.a2max});
  if (has_speed_limits(m)) cap_to_ceiling(b, ceiling_of(m, J, d).sd);
  return true;
}

bool ceiling_at(const Model& m, double s, const Vec2& ref, Vec2& fi, Ceiling& c) {
  if (!has_speed_limits(m)) {
    c = {kInf, SpeedLimit::None};
    fi = ref;
    return true;
  }
  Mat2 J;
  JointCoeffs D;
  PathDeriv d;
  if (!calD_quiet(m, s, ref, fi, J, D, &d)) return false;
  c = ceiling_of(m, J, d);
  return true;
}

bool ceiling_point(const Model& m, double s, const Vec2& ref, CeilingPoint& out) {
  if (!has_speed_limits(m)) return false;
  Mat2 J;
  JointCoeffs D;
  PathDeriv d;
  if (!calD_quiet(m, s, ref, out.fi, J, D, &d)) return false;
  out.c = ceiling_of(m, J, d);
  if (!std::isfinite(out.c.sd)) return false;
  // dsd/ds by central differences (one-sided at the ends of the path).
  const double sf = m.sf;
  const double h = TOL_CEILING_DS * (sf > 1 ? sf : 1.0);
  const double a = s - h < 0 ? s : s - h, b = s + h > sf ? s : s + h;
  Ceiling ca, cb;
  Vec2 fa, fb;
  if (!(b > a) || !ceiling_at(m, a, out.fi, fa, ca) || !ceiling_at(m, b, out.fi, fb, cb)) return false;
  const double x = out.c.sd * out.c.sd;
  out.acc.sdd = out.c.sd * (cb.sd - ca.sd) / (b - a);
  for (int i = 0; i < 2; ++i) out.acc.acc[i] = joint_effort(D, i, out.acc.sdd, x, std::sqrt(x));
  split_efforts(D, out.acc.sdd, std::sqrt(x), out.acc);
  return true;
}

}  // namespace cpt
