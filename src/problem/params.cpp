#include "problem/params.h"

#include <cstdio>
#include <string>

namespace cpt {

namespace {

constexpr const char* kKindNames[] = {"arc",           "sine",        "u_shape", "slalom",
                                      "cam_const_acc", "cam_cycloid", "line",    "waypoints"};

// The start point of kind C.
template <PathType C>
void get_start(const Settings& st, double* v) {
  v[0] = st.P0[C][0];
  v[1] = st.P0[C][1];
}
template <PathType C>
void set_start(Settings& st, const double* v) {
  st.P0[C] = {v[0], v[1]};
}

// A double field of the settings, one value.
template <double Settings::*F>
void get_one(const Settings& st, double* v) {
  v[0] = st.*F;
}
template <double Settings::*F>
void set_one(Settings& st, const double* v) {
  st.*F = v[0];
}

// The end value of s of kind C (the arc angle).
template <PathType C>
void get_sf(const Settings& st, double* v) {
  v[0] = st.sf[C];
}
template <PathType C>
void set_sf(Settings& st, const double* v) {
  st.sf[C] = v[0];
}

constexpr Field kAny = Field::Any, kPos = Field::Positive;

// The dialog's blocks (console/path_blocks.cpp), in their order of values.
const PathParam kArc[] = {
    {"center", 2, kAny, false, "[m]",
     [](const Settings& st, double* v) { v[0] = st.arc_Ax; v[1] = st.arc_Ay; },
     [](Settings& st, const double* v) { st.arc_Ax = v[0]; st.arc_Ay = v[1]; }},
    {"radius", 1, kPos, false, "[m]", get_one<&Settings::arc_R>, set_one<&Settings::arc_R>},
    {"angle", 1, kPos, true, "[deg]", get_sf<PathType::Arc>, set_sf<PathType::Arc>},
};
const PathParam kSine[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::Sine>, set_start<PathType::Sine>},
    {"length", 1, kPos, false, "[m] wavelength", get_one<&Settings::sinL>, set_one<&Settings::sinL>},
    {"amplitude", 1, kPos, false, "[m]", get_one<&Settings::sinA>, set_one<&Settings::sinA>},
};
const PathParam kUShape[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::UShape>, set_start<PathType::UShape>},
    {"length", 1, kPos, false, "[m] straight parts", get_one<&Settings::u_L>, set_one<&Settings::u_L>},
    {"radius", 1, kPos, false, "[m] of the bend", get_one<&Settings::u_R>, set_one<&Settings::u_R>},
};
const PathParam kSlalom[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::Slalom>, set_start<PathType::Slalom>},
    {"radius", 1, kPos, false, "[m] of the half circles", get_one<&Settings::sl_R>, set_one<&Settings::sl_R>},
    {"count", 1, Field::Count, false, "half circles",
     [](const Settings& st, double* v) { v[0] = st.sl_N; },
     [](Settings& st, const double* v) { st.sl_N = static_cast<int>(v[0]); }},
};
const PathParam kAccCam[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::AccCam>, set_start<PathType::AccCam>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Settings::cam_L>, set_one<&Settings::cam_L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Settings::cam_H>, set_one<&Settings::cam_H>},
};
const PathParam kCycloid[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::CycloidCam>, set_start<PathType::CycloidCam>},
    {"length", 1, kPos, false, "[m] stroke along x", get_one<&Settings::cyc_L>, set_one<&Settings::cyc_L>},
    {"height", 1, kPos, false, "[m] rise along y", get_one<&Settings::cyc_H>, set_one<&Settings::cyc_H>},
};
const PathParam kLine[] = {
    {"start", 2, kAny, false, "[m]", get_start<PathType::Line>, set_start<PathType::Line>},
    {"length", 1, kPos, false, "[m]", get_one<&Settings::line_l>, set_one<&Settings::line_l>},
    {"angle", 1, kAny, true, "[deg] inclination", get_one<&Settings::line_beta>, set_one<&Settings::line_beta>},
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
