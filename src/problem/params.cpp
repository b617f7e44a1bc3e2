#include "problem/params.h"

#include <cstdio>
#include <string>

namespace cpt {

namespace {

constexpr const char* kKindNames[] = {"arc",           "sine",        "u_shape", "slalom",
                                      "cam_const_acc", "cam_cycloid", "line",    "waypoints"};

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

// The dialog's blocks (console/path_blocks.cpp), in their order of values.
const PathParam kArc[] = {
    {"center", 2, kAny, false, "[m]",
     [](const Problem& pb, double* v) { v[0] = pb.arc.Ax; v[1] = pb.arc.Ay; },
     [](Problem& pb, const double* v) { pb.arc.Ax = v[0]; pb.arc.Ay = v[1]; }},
    {"radius", 1, kPos, false, "[m]", get_one<&Problem::arc, &ArcPath::R>, set_one<&Problem::arc, &ArcPath::R>},
    {"angle", 1, kPos, true, "[deg]", get_one<&Problem::arc, &ArcPath::angle>, set_one<&Problem::arc, &ArcPath::angle>},
};
const PathParam kSine[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::sine>, set_start<&Problem::sine>},
    {"length", 1, kPos, false, "[m] wavelength", get_one<&Problem::sine, &SinePath::L>, set_one<&Problem::sine, &SinePath::L>},
    {"amplitude", 1, kPos, false, "[m]", get_one<&Problem::sine, &SinePath::A>, set_one<&Problem::sine, &SinePath::A>},
};
const PathParam kUShape[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::ushape>, set_start<&Problem::ushape>},
    {"length", 1, kPos, false, "[m] straight parts", get_one<&Problem::ushape, &UShapePath::L>, set_one<&Problem::ushape, &UShapePath::L>},
    {"radius", 1, kPos, false, "[m] of the bend", get_one<&Problem::ushape, &UShapePath::R>, set_one<&Problem::ushape, &UShapePath::R>},
};
const PathParam kSlalom[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::slalom>, set_start<&Problem::slalom>},
    {"radius", 1, kPos, false, "[m] of the half circles", get_one<&Problem::slalom, &SlalomPath::R>, set_one<&Problem::slalom, &SlalomPath::R>},
    {"count", 1, Field::Count, false, "half circles",
     [](const Problem& pb, double* v) { v[0] = pb.slalom.N; },
     [](Problem& pb, const double* v) { pb.slalom.N = static_cast<int>(v[0]); }},
};
const PathParam kAccCam[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::cam>, set_start<&Problem::cam>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Problem::cam, &CamPath::L>, set_one<&Problem::cam, &CamPath::L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Problem::cam, &CamPath::H>, set_one<&Problem::cam, &CamPath::H>},
};
const PathParam kCycloid[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::cycloid>, set_start<&Problem::cycloid>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Problem::cycloid, &CamPath::L>, set_one<&Problem::cycloid, &CamPath::L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Problem::cycloid, &CamPath::H>, set_one<&Problem::cycloid, &CamPath::H>},
};
const PathParam kLine[] = {
    {"start", 2, kAny, false, "[m]", get_start<&Problem::line>, set_start<&Problem::line>},
    {"length", 1, kPos, false, "[m]", get_one<&Problem::line, &LinePath::l>, set_one<&Problem::line, &LinePath::l>},
    {"angle", 1, kAny, true, "[deg] inclination", get_one<&Problem::line, &LinePath::beta>, set_one<&Problem::line, &LinePath::beta>},
};

}  // namespace

const char* path_kind_name(PathType c) { return kKindNames[type_number(c) - 1]; }

bool path_kind_of(const std::string& name, PathType& c) {
  for (int i = 1; i <= NPATHTYPES; ++i) {
    if (name == kKindNames[i - 1]) {
      c = path_type(i);
      return true;
    }
  }
  return false;
}

std::string path_kind_names() {
  std::string names;
  for (const char* n : kKindNames) names += (names.empty() ? "" : ", ") + std::string(n);
  return names;
}

const PathParam* path_params(PathType c, int& count) {
  const auto of = [&count](const PathParam* p, int n) {
    count = n;
    return p;
  };
  switch (c) {
    case PathType::Arc: return of(kArc, 3);
    case PathType::Sine: return of(kSine, 3);
    case PathType::UShape: return of(kUShape, 3);
    case PathType::Slalom: return of(kSlalom, 3);
    case PathType::AccCam: return of(kAccCam, 3);
    case PathType::CycloidCam: return of(kCycloid, 3);
    case PathType::Line: return of(kLine, 3);
    case PathType::Waypoints: break;
  }
  return of(nullptr, 0);
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

}  // namespace cpt
