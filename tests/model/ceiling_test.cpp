// The speed limits' ceiling against finite differences of the inverse kinematics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/ceiling.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "support/world.h"

namespace cpt {
namespace {

// dq/ds by central differences of inv along the path, |dp/ds| by those of the
// path itself: the ceiling is min(vmax_i / |dq_i/ds|, vtool / |dp/ds|) over the set limits.
TEST(Ceiling, MatchesFiniteDifferencesOfTheInverseKinematics) {
  struct Case { Robot robot; PathType type; double v1, v2, vtool; };
  const Case cases[] = {
      {Robot::Cylindrical, PathType::Sine, 1.0, 0.5, 0},   {Robot::Scara, PathType::Arc, 1.5, 2.0, 0.3},
      {Robot::Scara, PathType::CycloidCam, 0, 0.8, 0},     {Robot::Cylindrical, PathType::Line, 0, 0, 0.4},
      {Robot::Scara, PathType::UShape, 2.0, 0, 0.5},       {Robot::Scara, PathType::Sine, 0.7, 0.9, 0.6},
  };
  for (const Case& c : cases) {
    auto w = default_world(c.robot, c.type);
    w->pb.vmax = {c.v1, c.v2}, w->pb.vtool = c.vtool, rebuild_model(*w);
    const Model& md = w->m;
    Vec2 ref = md.fi0;
    int by_count[4] = {0, 0, 0, 0};
    for (int i = 1; i < 20; ++i) {
      const double s = md.sf * i / 20, h = 1e-6;
      Vec2 p, pa, pb, q, qa, qb;
      cpcurve(md, s, p), cpcurve(md, s - h, pa), cpcurve(md, s + h, pb);
      const RobotSpec& robot = md.pb.robot;
      ASSERT_TRUE(inv_quiet(robot, p[0], p[1], ref, q) && inv_quiet(robot, pa[0], pa[1], q, qa) && inv_quiet(robot, pb[0], pb[1], q, qb));
      double want = std::numeric_limits<double>::infinity();
      SpeedLimit by = SpeedLimit::None;
      const double lim[3] = {c.v1, c.v2, c.vtool};
      const double rate[3] = {std::fabs(qb[0] - qa[0]) / (2 * h), std::fabs(qb[1] - qa[1]) / (2 * h),
                              std::hypot(pb[0] - pa[0], pb[1] - pa[1]) / (2 * h)};
      for (int j = 0; j < 3; ++j)
        if (lim[j] > 0 && lim[j] / rate[j] < want) want = lim[j] / rate[j], by = static_cast<SpeedLimit>(j + 1);
      Ceiling got;
      Vec2 fi;
      ASSERT_TRUE(ceiling_at(md, s, ref, fi, got));
      EXPECT_NEAR(got.sd, want, 1e-6 * want) << c.robot << c.type << " s=" << s;
      EXPECT_EQ(got.by, by) << c.robot << c.type << " s=" << s;
      ++by_count[static_cast<int>(got.by)];
      ref = fi;
    }
    EXPECT_EQ(by_count[0], 0);
  }
}

}  // namespace
}  // namespace cpt
