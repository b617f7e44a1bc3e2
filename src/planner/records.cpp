#include "planner/records.h"

#include <cmath>

#include "model/rhs.h"

namespace cpt {

SwitchRecord switch_record(Console& con, const Model& m, RhsState& rs, int torque_sel, double t,
                           const Vec2& y, AccRecord& acc) {
  int ok = 1;
  f(con, m, rs, torque_sel, 1, t, y.data(), acc, ok);
  return {t, y[0], y[1], acc.acc, torque_sel > 0 ? Drive::Accel : Drive::Decel, SpeedLimit::None};
}

Drive drive_after(const Motion& mo, int i) {
  Drive d = Drive::Accel;
  for (int j = 1; j <= i && j < NREC; ++j) {
    if (mo.chn[j].drive == Drive::Ceiling) d = Drive::Ceiling;
    else d = d == Drive::Decel ? Drive::Accel : Drive::Decel;
  }
  return d;
}

bool on_path(const Model& m, const Vec2& y) {
  return std::isfinite(y[0]) && std::isfinite(y[1]) && y[0] >= 0 && y[0] <= m.sf;
}

}  // namespace cpt
