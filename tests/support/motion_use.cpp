#include "support/motion_use.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/tolerances.h"
#include "model/coeffs.h"
#include "model/dynamics.h"
#include "model/kinematics.h"
#include "model/paths.h"

namespace cpt {

RowsUse rows_use(const Model& md, const Motion& mo) {
  RowsUse use;
  const double sf = md.sf, d = 1e-4 * sf, amax[2] = {md.pb.a1max, md.pb.a2max};
  const RobotSpec& robot = md.pb.robot;
  const std::vector<double> jumps = limit_knots(md);
  Vec2 ref = md.fi0;
  for (int k = 0; k < mo.nf; ++k) {
    const double sa = mo.Y[k][0], sb = mo.Y[k + 1][0], xa = mo.Y[k][1] * mo.Y[k][1], xb = mo.Y[k + 1][1] * mo.Y[k + 1][1];
    const double u = (mo.Y[k + 1][1] - mo.Y[k][1]) / (mo.tt[k + 1] - mo.tt[k]);
    const int n = std::max(16, static_cast<int>(std::ceil((sb - sa) / sf * 40000)));
    double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY}, w[2] = {0, 0};
    double speed[3] = {0, 0, 0};  // at the first row, between the rows, at the second row
    for (int j = 0; j <= n && sb > sa; ++j) {
      const double s = sa + (sb - sa) * j / n, x = xa + (xb - xa) * j / n, sd = std::sqrt(x);
      const auto jump = std::upper_bound(jumps.begin(), jumps.end(), s - 2 * d);
      if (jump != jumps.end() && *jump <= s + 2 * d) continue;
      // (At the ends of the path the differences are taken a step inside.)
      const double c = std::clamp(s, d, sf - d);
      double& v = speed[j == 0 ? 0 : j == n ? 2 : 1];
      Vec2 p[3], q[3];
      for (int e = 0; e < 3; ++e) cpcurve(md, c + (e - 1) * d, p[e]), inv_quiet(robot, p[e][0], p[e][1], ref, q[e]);
      ref = q[1];
      Vec2 qs, qss;
      for (int i = 0; i < 2; ++i) qs[i] = (q[2][i] - q[0][i]) / (2 * d), qss[i] = (q[2][i] - 2 * q[1][i] + q[0][i]) / (d * d);
      const Vec2 tau0 = inverse_dynamics(robot, q[1], {qs[0] * sd, qs[1] * sd}, {qss[0] * x, qss[1] * x});
      const Vec2 tau1 = inverse_dynamics(robot, q[1], {qs[0] * sd, qs[1] * sd}, {qss[0] * x + qs[0], qss[1] * x + qs[1]});
      for (int i = 0; i < 2; ++i) {
        if (md.pb.vmax[i] > 0) v = std::max(v, std::fabs(qs[i]) * sd / md.pb.vmax[i]);
        const double a = tau1[i] - tau0[i], e1 = (amax[i] - tau0[i]) / a, e2 = (-amax[i] - tau0[i]) / a;
        if (std::fabs(a) < 1e-9 * amax[i]) {
          use.acc = std::max(use.acc, std::fabs(tau0[i]) / amax[i]);
          continue;
        }
        lo[i] = std::min(lo[i], std::min(e1, e2)), hi[i] = std::max(hi[i], std::max(e1, e2));
        w[i] = std::max(w[i], amax[i] / std::fabs(a));
      }
      if (md.pb.vtool > 0) v = std::max(v, std::hypot(p[2][0] - p[0][0], p[2][1] - p[0][1]) / (2 * d) * sd / md.pb.vtool);
    }
    for (int i = 0; i < 2; ++i)
      if (w[i] > 0) use.acc = std::max(use.acc, 1 + std::max(u - hi[i], lo[i] - u) / w[i]);
    // A pair with both rows on a speed limit follows it between them (the rows are
    // samples of that), where sd^2 is not linear: its rows' use is the pair's.
    use.speed = std::max(use.speed, std::min(speed[0], speed[2]) > 1 - TOL_CHECK ? std::max(speed[0], speed[2]) : speed[1]);
  }
  return use;
}

}  // namespace cpt
