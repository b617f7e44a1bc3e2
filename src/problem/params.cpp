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

}  // namespace cpt
