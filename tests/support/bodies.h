// The kinetic energy of a real robot's bodies, written out body by body from the
// velocities of their points (nothing of the program's mass matrix): the
// physics the dynamics tests check the program against.
#pragma once

#include "core/problem.h"

namespace cpt {

double kinetic_energy(const RobotSpec& r, const Vec2& q, const Vec2& qd);

}  // namespace cpt
