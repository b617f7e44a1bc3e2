// The entries of the built-in path kinds, one file each (model/path_*.cpp),
// gathered into the table of model/paths.cpp.
#pragma once

#include "model/paths.h"

namespace cpt {

// The start point of the kind held in member K of the problem.
template <auto K>
void get_start(const Problem& pb, double* v) {
  v[0] = (pb.*K).P0[0];
  v[1] = (pb.*K).P0[1];
}
template <auto K>
void set_start(Problem& pb, const double* v) {
  (pb.*K).P0 = {v[0], v[1]};
}

// Field F of the kind held in member K, one value.
template <auto K, auto F>
void get_one(const Problem& pb, double* v) {
  v[0] = (pb.*K).*F;
}
template <auto K, auto F>
void set_one(Problem& pb, const double* v) {
  (pb.*K).*F = v[0];
}

constexpr Field kAny = Field::Any, kPos = Field::Positive;

extern const PathKind kArcPath, kSinePath, kUShapePath, kSlalomPath, kCamPath, kCycloidPath, kLinePath;

}  // namespace cpt
