// The CP paths P(s) and their derivatives with respect to s: the seven curves
// of the dialog and the spline through waypoints (model/waypoints.h).
//
// Each path type is one entry (PathKind), defined in a file of its own
// (model/path_*.cpp): its name in a problem file, its parameters (each named
// once, for the dialog, the summary, the problem file and the checks), its
// point, its derivatives, the values it derives from its parameters, its
// knots. The routines below look the entry up once per call, so that a new
// type is one more file, not one more case in every switch.
#pragma once

#include <vector>

#include "core/fields.h"
#include "core/state.h"

namespace cpt {

// First and second derivatives of the path with respect to s.
struct PathDeriv {
  double xd = 0, yd = 0;    // x', y'
  double xdd = 0, ydd = 0;  // x'', y''
};

// A hand point of the path and its derivatives at one s.
struct PathPoint {
  Vec2 p{0, 0};
  PathDeriv d;
};

// One parameter of a built-in path: one value or a point [x, y], of its kind
// (range) and unit. Angles are degrees in the dialog and the file, radians in
// the problem (value * DEG2RAD, as the dialog converts them).
struct PathParam {
  const char* key;    // its name in the problem file
  int n;              // 1, or 2 for a point [x, y]
  Field kind;         // Any, Positive or Count, as the dialog checks it
  bool degrees;       // an angle: degrees in the dialog and the file
  const char* unit;   // "[m]", "[deg]", "" (the comment in written files)
  void (*get)(const Problem&, double*);  // the problem's value(s), radians for angles
  void (*set)(Problem&, const double*);  // the value(s) into the problem, radians for angles
};

// Most values of one kind's parameters together (a point counts two).
constexpr int kMaxPathValues = 4;

// What one path type answers. Every function takes the model that holds the
// type's parameters; a null entry means "nothing to do".
struct PathKind {
  const char* name;         // in the problem file: "arc", ..., "waypoints"
  const PathParam* params;  // in the dialog's order of values
  int n_params;
  void (*point)(const Model& m, double s, Vec2& CP);  // hand point at s
  PathDeriv (*deriv)(const Model& m, double s);       // x', y', x'', y'' at s
  // Point and derivatives in one evaluation; null: point, then deriv.
  PathPoint (*point_deriv)(const Model& m, double s);
  // P0 (where derived), sf and the helper values of the type.
  void (*derive)(Model& m);
  // Appends the values of s where the curvature may jump or bend (any order, any range).
  void (*knots)(const Model& m, std::vector<double>& out);
  // Hand length per unit of s, when s is an angle (arc, slalom); null: s is a length.
  double (*hand_per_s)(const Model& m);
  // Why the type's parameters make no path, or nullptr; null: always usable.
  const char* (*fault)(const Model& m);
};

// The entry of path type c; a type outside 1..NPATHTYPES gets an entry whose
// hand stays at (0, 0).
const PathKind& path_kind(PathType c);

// The values of the parameters of kind c in the dialog's units (degrees for
// angles), in the dialog's order, into v; returns their number.
int path_values(const Problem& pb, PathType c, double* v);
// The values v (as path_values gives them) into the parameters of kind c.
void set_path_values(Problem& pb, PathType c, const double* v);

// Hand point of the current path type at s.
void cpcurve(const Model& m, double s, Vec2& CP);

// x', y', x'', y'' of the current path type at s.
PathDeriv cpderiv(const Model& m, double s);

// Hand point and derivatives of the current path type at s in one
// evaluation (calD's hot path; the arc shares one sine and cosine between
// them).
PathPoint cpcurve_deriv(const Model& m, double s);

// The knots of the current path: the values of s strictly inside (0, sf)
// where its curvature may jump (the U-shape's joints, the slalom's turns, the
// cam's middle) or bend (the inner points of a waypoint spline), in
// increasing order: the velocity limit may jump or have a corner there.
std::vector<double> path_knots(const Model& m);

// The model of a problem: the problem itself, the helper values of its path
// kind, its start point (the arc's is derived from the centre), end value of
// s and end point. The start joint values are the preparation's
// (planner/prepare.h).
Model build_model(const Problem& pb);

// Why the current path's parameters make no usable path (one line), or
// nullptr. Only the waypoint path can be unusable: its points come from a file.
const char* path_fault(const Model& m);

// Path acceleration s-dd as the hand's tangential acceleration: times the
// radius when s is an angle.
double hand_sdd(const Model& m, double sdd);

}  // namespace cpt
