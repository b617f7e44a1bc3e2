// The path kind 7 straight line.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void line_point(const Model& m, double s, Vec2& CP) {
  CP = {m.P0[0] + s * m.line_cos, m.P0[1] + s * m.line_sin};
}
PathDeriv line_deriv(const Model& m, double) { return {m.line_cos, m.line_sin, 0, 0}; }
void line_derive(Model& m) {
  m.P0 = m.pb.line.P0;
  m.line_cos = std::cos(m.pb.line.beta);
  m.line_sin = std::sin(m.pb.line.beta);
  m.sf = m.pb.line.l;
}

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::line>, set_start<&Problem::line>},
    {"length", 1, kPos, false, "[m]", get_one<&Problem::line, &LinePath::l>, set_one<&Problem::line, &LinePath::l>},
    {"angle", 1, kAny, true, "[deg] inclination", get_one<&Problem::line, &LinePath::beta>, set_one<&Problem::line, &LinePath::beta>},
};

}  // namespace

extern const PathKind kLinePath = {"line", kParams, 3, line_point, line_deriv, nullptr, line_derive, nullptr, nullptr, nullptr};

}  // namespace cpt
