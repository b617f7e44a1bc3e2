#include "model/kinematics.h"

#include <algorithm>
#include <cmath>

#include "core/console.h"

namespace cpt {

namespace {

// Cosine of the SCARA elbow's interior angle for a hand point at distance d
// from the base.
double elbow_cosine(const RobotSpec& robot, double d) {
  return (robot.l1 * robot.l1 + robot.l2 * robot.l2 - d * d) / (2 * robot.l1 * robot.l2);
}

bool cosine_in_range(double c) { return !(std::fabs(c) > 1 || std::isnan(c)); }

}  // namespace

bool in_reach(const RobotSpec& robot, double x, double y) {
  return robot.kind != Robot::Scara || cosine_in_range(elbow_cosine(robot, std::sqrt(x * x + y * y)));
}

double nearest_turn(double ref, double cand) {
  // Within half a turn nothing is nearer (and a tie keeps cand).
  if (std::fabs(cand - ref) <= PI) return cand;
  // The whole turn nearest to ref - cand, give or take one for rounding.
  const double turns = std::nearbyint((ref - cand) / (2 * PI));
  if (!std::isfinite(turns)) return cand;
  // Candidates in the order cand, +2pi, -2pi, +4pi, -4pi, ... (smaller |k|
  // first, + before -); on equal distances the earlier one wins.
  double ks[3] = {turns - 1, turns, turns + 1};
  std::sort(ks, ks + 3, [](double p, double q) {
    return std::fabs(p) != std::fabs(q) ? std::fabs(p) < std::fabs(q) : p > q;
  });
  double best = cand;
  for (double k : ks) {
    const double o = cand + k * (2 * PI);
    if (k != 0 && std::fabs(best - ref) > std::fabs(o - ref)) best = o;
  }
  return best;
}

void selbranch(const Vec2& ref, const Vec2& cand, Vec2& out) {
  for (int i = 0; i < 2; ++i) out[i] = nearest_turn(ref[i], cand[i]);
}

int inv_quiet(const RobotSpec& robot, double x, double y, const Vec2& ref, Vec2& out) {
  if (robot.kind == Robot::Cylindrical) {
    // Angle and radius; the base itself has angle 0.
    // The angle follows the reference by whole turns; the radius is a
    // length and is never turned.
    if (x == 0 && y == 0) {
      out = {nearest_turn(ref[0], 0.0), 0.0};
    } else {
      out = {nearest_turn(ref[0], std::atan2(y, x)), std::sqrt(x * x + y * y)};
    }
    return 1;
  }
  if (robot.kind != Robot::Scara) return 1;

  // SCARA by the law of cosines, elbow bent counter-clockwise.
  const double l1 = robot.l1, l2 = robot.l2;
  const double d = std::sqrt(x * x + y * y);
  const double c = elbow_cosine(robot, d);
  if (!cosine_in_range(c)) return 0;
  const double gamma = std::acos(c);  // interior angle at the elbow
  Vec2 raw;
  if (d == 0) {
    // At the base (l1 = l2) every shoulder angle works: keep the reference
    // shoulder angle with the elbow folded back onto link 1.
    raw = {ref[0], PI - gamma};
  } else {
    const double theta = std::atan2(y, x);
    double ca = (l1 * l1 + d * d - l2 * l2) / (2 * l1 * d);
    ca = ca > 1 ? 1 : (ca < -1 ? -1 : ca);  // rounding at the rim of the annulus
    const double alpha = std::acos(ca);
    raw = {theta - alpha, PI - gamma};
  }
  selbranch(ref, raw, out);
  return 1;
}

void say_out_of_reach(Console& con, const RobotSpec& robot, double x, double y) {
  con.diag_say(Txt::DiagInvNone, robot.l1, robot.l2, x, y);
}

Vec2 forward(const RobotSpec& robot, const Vec2& fi) {
  if (robot.kind == Robot::Cylindrical) return {fi[1] * std::cos(fi[0]), fi[1] * std::sin(fi[0])};
  return {robot.l1 * std::cos(fi[0]) + robot.l2 * std::cos(fi[0] + fi[1]),
          robot.l1 * std::sin(fi[0]) + robot.l2 * std::sin(fi[0] + fi[1])};
}

}  // namespace cpt
