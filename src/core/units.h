// The units of the joints' efforts. The hand carries a unit point mass on
// massless links, so a joint's "torque" is the torque per unit mass, in
// m^2/s^2 (N·m per kg), and the prismatic joint's "force" the force per unit
// mass, in m/s^2 (N per kg). Every label of an effort (CSV headers, the
// replay's graphs, the problem file's comment) comes from this one table.
#pragma once

#include "core/problem.h"

namespace cpt {

struct EffortUnit {
  const char* csv;          // unit in the CSV header
  const char* graph_title;  // title of the replay's graph
  const char* graph_unit;   // axis label of the replay's graph
  const char* graph_limit;  // label of the limit line
};

// The unit of joint j (0 or 1) of robot r.
inline const EffortUnit& effort_unit(Robot r, int j) {
  static constexpr EffortUnit kRotary1{"m^2/s^2", "Torque(1)", "T[Nm]", "T1max"};
  static constexpr EffortUnit kRotary2{"m^2/s^2", "Torque(2)", "T[Nm]", "T2max"};
  static constexpr EffortUnit kPrismatic{"m/s^2", "Force(2)", "F[N]", "Fmax"};
  if (j == 0) return kRotary1;
  return r == Robot::Cylindrical ? kPrismatic : kRotary2;
}

// What the problem file's comment calls the effort limits.
constexpr const char* kEffortLimitWords = "torque or force per mass";

}  // namespace cpt
