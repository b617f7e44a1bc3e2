// The path kind 2 sine wave, s the advance in x.
#include <cmath>
#include <vector>

#include "model/path_kinds.h"

namespace cpt {

namespace {

void sine_point(const Model& m, double s, Vec2& CP) {
  CP = {m.P0[0] + s, m.P0[1] + m.pb.sine.A * std::sin(m.sin_k * s)};
}
PathDeriv sine_deriv(const Model& m, double s) {
  const double k = m.sin_k;
  return {1, m.pb.sine.A * k * std::cos(k * s), 0, -m.pb.sine.A * k * k * std::sin(k * s)};
}
void sine_derive(Model& m) {
  m.P0 = m.pb.sine.P0;
  m.sin_k = 2 * PI / m.pb.sine.L;
  m.sf = m.pb.sine.L;
}

// The parameters as the dialog asks for them and the problem file names them.
const PathParam kParams[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::sine>, set_start<&Problem::sine>},
    {"length", 1, kPos, false, "[m] wavelength", get_one<&Problem::sine, &SinePath::L>, set_one<&Problem::sine, &SinePath::L>},
    {"amplitude", 1, kPos, false, "[m]", get_one<&Problem::sine, &SinePath::A>, set_one<&Problem::sine, &SinePath::A>},
};

}  // namespace

extern const PathKind kSinePath = {"sine", kParams, 3, sine_point, sine_deriv, nullptr, sine_derive, nullptr, nullptr, nullptr};

}  // namespace cpt
