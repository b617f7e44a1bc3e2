// Where a path comes near a singular configuration of the robot: the
// cylindrical robot's axis (radius 0, where the angle is undefined), the
// SCARA arm fully stretched (hand at l1 + l2) or folded back (hand at
// |l1 - l2|, the base itself when the arms are equal). There a joint must
// turn through a finite angle while the hand moves a vanishing distance, so
// that the joint trace jumps and no limit of the model holds between samples.
#pragma once

#include "core/state.h"

namespace cpt {

enum class Singularity { None, Axis, Stretched, Folded };

struct SingularApproach {
  double s = 0;                       // where the path comes closest
  Vec2 p{0, 0};                       // the hand point there
  double dist = 0;                    // its distance from the singular configuration [m]
  Singularity what = Singularity::None;
};

// The console's name of a singular configuration: "回転軸", "腕が伸びきる姿勢",
// "腕が折りたたまれる姿勢".
const char* singularity_name(Lang lang, Singularity w);

// Distance of hand point p from the current robot's singular configurations,
// and which one is nearest.
double singular_distance(const Model& m, const Vec2& p, Singularity& what);

// The closest approach of the current path to a singular configuration,
// found on a fine scan of s and refined where the path could dip between
// two scan points.
SingularApproach closest_singularity(const Model& m);

}  // namespace cpt
