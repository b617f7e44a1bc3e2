#include "problem/params.h"

#include <cstdio>
#include <string>

namespace cpt {

const char* path_kind_name(PathType c) { return path_kind(c).name; }

bool path_kind_of(const std::string& name, PathType& c) {
  for (int i = 1; i <= NPATHTYPES; ++i) {
    if (name == path_kind(path_type(i)).name) {
      c = path_type(i);
      return true;
    }
  }
  return false;
}

std::string path_kind_names() {
  std::string names;
  for (int i = 1; i <= NPATHTYPES; ++i) names += (names.empty() ? "" : ", ") + std::string(path_kind(path_type(i)).name);
  return names;
}

const PathParam* path_params(PathType c, int& count) {
  count = path_kind(c).n_params;
  return path_kind(c).params;
}

std::string field_range(Field kind) {
  char text[96];
  switch (kind) {
    case Field::Any: std::snprintf(text, sizeof text, "a number from %g to %g", -kMaxValue, kMaxValue); break;
    case Field::Positive:
      std::snprintf(text, sizeof text, "a number from %g to %g", kMinPositive, kMaxValue);
      break;
    case Field::Count: std::snprintf(text, sizeof text, "a whole number from 1 to %d", kMaxHalfCircles); break;
    case Field::PathType: std::snprintf(text, sizeof text, "a whole number from 1 to 7"); break;
  }
  return text;
}

namespace {

constexpr BodyValue kAmount = BodyValue::Amount;
const BodyParam kBodyParams[] = {
    {"link_masses", 2, kAmount, BodyOf::Scara, "m1, m2", "[kg]", "",
     [](RigidBodies& b, int i) -> double& { return i == 0 ? b.m1 : b.m2; }},
    {"centres_of_mass", 2, BodyValue::CentreOfMass, BodyOf::Scara, "lc1, lc2", "from the joints [m]", "",
     [](RigidBodies& b, int i) -> double& { return i == 0 ? b.lc1 : b.lc2; }},
    {"link_inertias", 2, kAmount, BodyOf::Scara, "I1, I2", "about the centres [kg m^2]", "",
     [](RigidBodies& b, int i) -> double& { return i == 0 ? b.I1 : b.I2; }},
    {"turning_inertia", 1, kAmount, BodyOf::Cylindrical, "J0", "", "what turns but does not slide [kg m^2]",
     [](RigidBodies& b, int) -> double& { return b.J0; }},
    {"arm_mass", 1, kAmount, BodyOf::Cylindrical, "ma", "", "the sliding arm [kg]",
     [](RigidBodies& b, int) -> double& { return b.ma; }},
    {"arm_inertia", 1, kAmount, BodyOf::Cylindrical, "Ia", "", "about the arm's centre [kg m^2]",
     [](RigidBodies& b, int) -> double& { return b.Ia; }},
    {"arm_offset", 1, BodyValue::Offset, BodyOf::Cylindrical, "da", "", "the arm's centre at r - da [m]",
     [](RigidBodies& b, int) -> double& { return b.da; }},
    {"payload", 1, kAmount, BodyOf::Both, "mp", "at the hand [kg]", "at the hand [kg]",
     [](RigidBodies& b, int) -> double& { return b.mp; }},
    {"rotor_inertias", 2, kAmount, BodyOf::Both, "Jm1, Jm2", "[kg m^2]", "[kg m^2]",
     [](RigidBodies& b, int i) -> double& { return b.Jm[i]; }},
    {"gear_ratios", 2, BodyValue::Ratio, BodyOf::Both, "n1, n2", "", "(n2 = 2 pi / screw lead [rad/m])",
     [](RigidBodies& b, int i) -> double& { return b.gear[i]; }},
    {"viscous_friction", 2, kAmount, BodyOf::Both, "Fv1, Fv2", "[N·m s/rad]", "[N·m s/rad, N s/m]",
     [](RigidBodies& b, int i) -> double& { return b.Fv[i]; }},
    {"coulomb_friction", 2, kAmount, BodyOf::Both, "Fc1, Fc2", "[N·m]", "[N·m, N]",
     [](RigidBodies& b, int i) -> double& { return b.Fc[i]; }},
};

}  // namespace

const BodyParam* body_params(int& count) {
  count = static_cast<int>(sizeof kBodyParams / sizeof kBodyParams[0]);
  return kBodyParams;
}

RigidBodies unset_bodies() {
  RigidBodies b;
  b.mp = 0;
  return b;
}

}  // namespace cpt
