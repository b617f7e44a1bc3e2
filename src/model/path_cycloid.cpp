// The path kind 6 cycloid cam.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void cycloid_point(const Model& m, double s, Vec2& CP) {
  CP = {m.P0[0] + s,
        m.P0[1] + m.pb.cycloid.H * (s / m.pb.cycloid.L - std::sin(2 * PI * s / m.pb.cycloid.L) * (1 / (2 * PI)))};
}
PathDeriv cycloid_deriv(const Model& m, double s) {
  return {1, (m.cyc_c / m.cyc_w) * (1 - std::cos(m.cyc_w * s)), 0, m.cyc_c * std::sin(m.cyc_w * s)};
}
void cycloid_derive(Model& m) {
  m.P0 = m.pb.cycloid.P0;
  m.cyc_c = 2 * PI * m.pb.cycloid.H / (m.pb.cycloid.L * m.pb.cycloid.L);
  m.cyc_w = 2 * PI / m.pb.cycloid.L;
  m.sf = m.pb.cycloid.L;
}

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::cycloid>, set_start<&Problem::cycloid>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Problem::cycloid, &CamPath::L>, set_one<&Problem::cycloid, &CamPath::L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Problem::cycloid, &CamPath::H>, set_one<&Problem::cycloid, &CamPath::H>},
};

}  // namespace

extern const PathKind kCycloidPath = {"cam_cycloid", kParams, 3, cycloid_point, cycloid_deriv, nullptr, cycloid_derive, nullptr, nullptr, nullptr};

}  // namespace cpt
