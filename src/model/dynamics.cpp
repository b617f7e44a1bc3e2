#include "model/dynamics.h"

namespace cpt {

namespace {

// tau = J^T p-dd for a unit mass, with p-dd = p' sdd + p'' sd^2.
PhaseCoeffs unit_point_mass(const Mat2& J, const PathDeriv& p) {
  PhaseCoeffs k;
  for (int i = 0; i < 2; ++i) {
    k.a[i] = J[0][i] * p.xd + J[1][i] * p.yd;
    k.b[i] = J[0][i] * p.xdd + J[1][i] * p.ydd;
  }
  return k;
}

}  // namespace

PhaseCoeffs phase_coeffs(const RobotSpec& robot, const Mat2& J, const PathDeriv& p) {
  switch (robot.dynamics) {
    case Dynamics::UnitPointMass: break;
  }
  return unit_point_mass(J, p);
}

}  // namespace cpt
