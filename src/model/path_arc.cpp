// The path kind 1 arc about A, s the angle.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void arc_point(const Model& m, double s, Vec2& CP) {
  CP = {m.pb.arc.Ax + m.pb.arc.R * std::cos(s), m.pb.arc.Ay + m.pb.arc.R * std::sin(s)};
}
PathDeriv arc_deriv(const Model& m, double s) {
  return {-m.pb.arc.R * std::sin(s), m.pb.arc.R * std::cos(s), -m.pb.arc.R * std::cos(s),
          -m.pb.arc.R * std::sin(s)};
}
PathPoint arc_point_deriv(const Model& m, double s) {
  const double c = std::cos(s), sn = std::sin(s), R = m.pb.arc.R;
  return {{m.pb.arc.Ax + R * c, m.pb.arc.Ay + R * sn}, {-R * sn, R * c, -R * c, -R * sn}};
}
void arc_derive(Model& m) {
  m.P0 = {m.pb.arc.Ax + m.pb.arc.R, m.pb.arc.Ay};
  m.sf = m.pb.arc.angle;
}
double arc_radius(const Model& m) { return m.pb.arc.R; }

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"center", 2, kAny, false, "[m]",
     [](const Problem& pb, double* v) { v[0] = pb.arc.Ax; v[1] = pb.arc.Ay; },
     [](Problem& pb, const double* v) { pb.arc.Ax = v[0]; pb.arc.Ay = v[1]; }},
    {"radius", 1, kPos, false, "[m]", get_one<&Problem::arc, &ArcPath::R>, set_one<&Problem::arc, &ArcPath::R>},
    {"angle", 1, kPos, true, "[deg]", get_one<&Problem::arc, &ArcPath::angle>, set_one<&Problem::arc, &ArcPath::angle>},
};

}  // namespace

extern const PathKind kArcPath = {"arc", kParams, 3, arc_point, arc_deriv, arc_point_deriv, arc_derive, nullptr, arc_radius, nullptr};

}  // namespace cpt
