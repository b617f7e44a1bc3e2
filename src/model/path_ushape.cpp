// The path kind 3 U-shape: up, clockwise half circle over the top, down.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void u_point(const Model& m, double s, Vec2& CP) {
  const double x0 = m.P0[0], y0 = m.P0[1];
  const double sf = m.sf;
  if (s < 0) {
    CP = {x0, y0};
  } else if (s < m.pb.ushape.L) {
    CP = {x0, y0 + s};
  } else if (s < m.pb.ushape.L + m.u_arc) {
    const double th = (s - m.pb.ushape.L) / m.pb.ushape.R;
    CP = {x0 + m.pb.ushape.R * (1 - std::cos(th)), y0 + m.pb.ushape.L + m.pb.ushape.R * std::sin(th)};
  } else if (s < sf) {
    CP = {x0 + 2 * m.pb.ushape.R, y0 + sf - s};
  } else {
    CP = {x0 + 2 * m.pb.ushape.R, y0};
  }
}
PathDeriv u_deriv(const Model& m, double s) {
  // At the joints the straight parts win (same point and tangent).
  if (s <= m.pb.ushape.L) return {0, 1, 0, 0};
  if (s < m.pb.ushape.L + m.u_arc) {
    const double th = (s - m.pb.ushape.L) / m.pb.ushape.R;
    return {std::sin(th), std::cos(th), std::cos(th) / m.pb.ushape.R, -std::sin(th) / m.pb.ushape.R};
  }
  return {0, -1, 0, 0};
}
void u_derive(Model& m) {
  m.P0 = m.pb.ushape.P0;
  m.u_arc = PI * m.pb.ushape.R;
  m.sf = 2 * m.pb.ushape.L + m.u_arc;
}
void u_knots(const Model& m, std::vector<double>& out) {
  out.push_back(m.pb.ushape.L);
  out.push_back(m.pb.ushape.L + m.u_arc);
}

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::ushape>, set_start<&Problem::ushape>},
    {"length", 1, kPos, false, "[m] straight parts", get_one<&Problem::ushape, &UShapePath::L>, set_one<&Problem::ushape, &UShapePath::L>},
    {"radius", 1, kPos, false, "[m] of the bend", get_one<&Problem::ushape, &UShapePath::R>, set_one<&Problem::ushape, &UShapePath::R>},
};

}  // namespace

extern const PathKind kUShapePath = {"u_shape", kParams, 3, u_point, u_deriv, nullptr, u_derive, u_knots, nullptr, nullptr};

}  // namespace cpt
