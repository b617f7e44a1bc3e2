// The units of the joints' efforts. With the unit point mass at the hand on
// massless links a joint's "torque" is the torque per unit mass, in m^2/s^2
// (N·m per kg), and the prismatic joint's "force" the force per unit mass,
// in m/s^2 (N per kg). With the rigid links of a real robot they are torques
// in N·m and the prismatic joint's force in N. Every label of an effort (CSV
// headers, the console's summary, the window's panel, the replay's graphs,
// the problem file's comment) comes from this one table.
#pragma once

#include "core/problem.h"

namespace cpt {

struct EffortUnit {
  const char* column;       // name of the CSV column
  const char* unit;         // unit in the CSV header and on the console
  const char* panel;        // unit in the window's panel (ASCII: the window's fonts have no "·")
  const char* graph_title;  // title of the replay's graph
  const char* graph_unit;   // axis label of the replay's graph
  const char* graph_limit;  // label of the limit line
};

// The unit of joint j (0 or 1) of the robot.
inline const EffortUnit& effort_unit(const RobotSpec& robot, int j) {
  static constexpr EffortUnit kPerMass[3] = {
      {"acc1", "m^2/s^2", "m^2/s^2", "Torque(1)", "T[m^2/s^2]", "T1max"},
      {"acc2", "m^2/s^2", "m^2/s^2", "Torque(2)", "T[m^2/s^2]", "T2max"},
      {"acc2", "m/s^2", "m/s^2", "Force(2)", "F[m/s^2]", "Fmax"},
  };
  static constexpr EffortUnit kRigid[3] = {
      {"tau1", "N·m", "Nm", "Torque(1)", "T[Nm]", "T1max"},
      {"tau2", "N·m", "Nm", "Torque(2)", "T[Nm]", "T2max"},
      {"F2", "N", "N", "Force(2)", "F[N]", "Fmax"},
  };
  const EffortUnit* table = robot.dynamics == Dynamics::RigidLinks ? kRigid : kPerMass;
  if (j == 0) return table[0];
  return table[robot.kind == Robot::Cylindrical ? 2 : 1];
}

// What the problem file's comment calls the effort limits.
inline const char* effort_limit_words(const RobotSpec& robot) {
  if (robot.dynamics != Dynamics::RigidLinks) return "torque or force per mass";
  return robot.kind == Robot::Cylindrical ? "torque [N·m], force [N]" : "torques [N·m]";
}

}  // namespace cpt
