// The path kind 5 constant-acceleration cam: two parabolas.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void cam_point(const Model& m, double s, Vec2& CP) {
  const double x0 = m.P0[0], y0 = m.P0[1];
  double y;
  if (s < 0) {
    y = y0;
  } else if (s < m.pb.cam.L / 2) {
    const double r = s / m.pb.cam.L;
    y = y0 + 2 * m.pb.cam.H * r * r;
  } else if (s <= m.pb.cam.L) {
    const double r = 1 - s / m.pb.cam.L;
    y = y0 + m.pb.cam.H * (1 - 2 * r * r);
  } else {
    y = y0 + m.pb.cam.H;
  }
  CP = {x0 + s, y};
}
PathDeriv cam_deriv(const Model& m, double s) {
  PathDeriv d;
  d.xd = 1;
  d.xdd = 0;
  if (s >= 0 && s < m.pb.cam.L / 2) {
    d.yd = m.cam_a * s;
    d.ydd = m.cam_a;
  } else if (s >= m.pb.cam.L / 2 && s <= m.pb.cam.L) {
    d.yd = m.cam_a * (m.pb.cam.L - s);
    d.ydd = -m.cam_a;
  }
  return d;
}
void cam_derive(Model& m) {
  m.P0 = m.pb.cam.P0;
  m.cam_a = 4 * m.pb.cam.H / (m.pb.cam.L * m.pb.cam.L);
  m.sf = m.pb.cam.L;
}
void cam_knots(const Model& m, std::vector<double>& out) { out.push_back(m.pb.cam.L / 2); }

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::cam>, set_start<&Problem::cam>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Problem::cam, &CamPath::L>, set_one<&Problem::cam, &CamPath::L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Problem::cam, &CamPath::H>, set_one<&Problem::cam, &CamPath::H>},
};

}  // namespace

extern const PathKind kCamPath = {"cam_const_acc", kParams, 3, cam_point, cam_deriv, nullptr, cam_derive, cam_knots, nullptr, nullptr};

}  // namespace cpt
