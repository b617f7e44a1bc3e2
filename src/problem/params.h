// The names and units of the problem file: the path kinds and, per built-in
// kind, the parameters the dialog asks for, in the dialog's units. The reader
// and the writer both go through these tables, so a name is spelled once.
#pragma once

#include "console/answer.h"
#include "core/state.h"
#include "model/paths.h"

namespace cpt {

// The file's name of a path kind ("arc", ..., "waypoints").
const char* path_kind_name(PathType c);
// The kind of a name; false when there is none.
bool path_kind_of(const std::string& name, PathType& c);
// Every kind name, comma-separated, for the line that refuses a name.
std::string path_kind_names();

// The parameters of built-in kind c and their number (0 for waypoints).
const PathParam* path_params(PathType c, int& count);

// What a value of this kind may be, in words: "a number from 1e-06 to 10000".
std::string field_range(Field kind);

// ---- The dynamics section: the rigid bodies of a real robot ----

// What a value of the dynamics section may be.
enum class BodyValue {
  Amount,        // a mass, an inertia, a friction: 0 to kMaxValue
  Offset,        // the sliding arm's centre behind the hand: -kMaxValue to kMaxValue
  Ratio,         // a gear ratio: above 0, up to kMaxValue
  CentreOfMass,  // on its link: 0 to l1 (or l2)
};

// The robots a key of the dynamics section belongs to.
enum class BodyOf { Both, Scara, Cylindrical };

// One key of the dynamics section: one value, or a pair [joint 1, joint 2]
// (the SCARA's [link 1, link 2]), stored in RigidBodies.
struct BodyParam {
  const char* key;
  int n;  // 1 or 2
  BodyValue kind;
  BodyOf robot;
  const char* names;             // "m1, m2": the values' names
  const char* scara_unit;        // what follows them in written files' comment, for the SCARA
  const char* cylindrical_unit;  // and for the cylindrical robot
  double& (*at)(RigidBodies&, int i);  // value i (0 or 1) of the key
};

// Every key of the dynamics section and their number, in the written order.
const BodyParam* body_params(int& count);
// Whether robot r has the key.
inline bool body_param_of(const BodyParam& p, Robot r) {
  return p.robot == BodyOf::Both || (p.robot == BodyOf::Scara) == (r == Robot::Scara);
}
// What a file's dynamics section leaves out: zero, but each gear ratio 1.
RigidBodies unset_bodies();

}  // namespace cpt
