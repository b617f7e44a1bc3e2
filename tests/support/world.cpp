#include "support/world.h"

#include "model/kinematics.h"
#include "support/console_capture.h"
#include "model/paths.h"

namespace cpt {

std::unique_ptr<App> default_world(Robot robottype, PathType cptype) {
  auto w = std::make_unique<App>();
  w->con.set_streams(no_input(), nullptr);
  w->pb = default_problem(), w->pb.robot.kind = robottype, w->pb.cptype = cptype;
  w->pic = default_picture(w->pb.robot);
  rebuild_model(*w);
  return w;
}

void rebuild_model(App& w) {
  w.m = build_model(w.pb);
  inv(w.con, w.m.pb.robot, w.m.P0[0], w.m.P0[1], w.m.fi_ref, w.m.fi0);
}

Prepared prepare(App& w) { return prepare_motion(w.con, w.pb, w.m, w.cv, w.d, w.pic); }

void use_centred_arc(App& w, double R, double angle) {
  Problem& pb = w.pb;
  pb.cptype = PathType::Arc, pb.arc.Ax = pb.arc.Ay = 0, pb.arc.R = R, pb.arc.angle = angle;
  rebuild_model(w);
}

void use_waypoints(App& w, const std::vector<Vec2>& points) {
  Problem& pb = w.pb;
  pb.cptype = PathType::Waypoints, pb.waypoints.n = static_cast<int>(points.size());
  for (size_t k = 0; k < points.size() && k < pb.waypoints.p.size(); ++k) pb.waypoints.p[k] = points[k];
  rebuild_model(w);
}

}  // namespace cpt
