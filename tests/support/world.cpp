#include "support/world.h"

#include "model/kinematics.h"
#include "model/paths.h"
#include "planner/prepare.h"

namespace cpt {

std::unique_ptr<World> default_world(Robot robottype, PathType cptype) {
  auto w = std::make_unique<World>();
  set_defaults(*w), w->st.robottype = robottype, w->st.cptype = cptype;
  return w;
}

void use_centred_arc(World& w, double R, double angle) {
  Settings& st = w.st;
  st.cptype = PathType::Arc, st.arc_Ax = st.arc_Ay = 0, st.arc_R = R, st.sf[PathType::Arc] = angle;
  update_path_derived(st, PathType::Arc);
  cpcurve(st, angle, st.Pf[PathType::Arc]);
  inv(st, st.P0[PathType::Arc][0], st.P0[PathType::Arc][1], st.fi_ref, st.fi0());
}

void use_waypoints(World& w, const std::vector<Vec2>& points) {
  Settings& st = w.st;
  st.cptype = PathType::Waypoints, st.wp_n = static_cast<int>(points.size());
  for (size_t k = 0; k < points.size() && k < st.wp.size(); ++k) st.wp[k] = points[k];
  update_path_derived(st, PathType::Waypoints);
  inv(st, st.P0[PathType::Waypoints][0], st.P0[PathType::Waypoints][1], st.fi_ref, st.fi0());
}

}  // namespace cpt
