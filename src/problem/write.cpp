// Writing a problem file from the problem: every key, each number in the
// shortest decimal form that reads back to the same double.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/units.h"
#include "problem/params.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// The shortest "%.Ng" of v whose value, read back and mapped by `back`, is
// `want` (zero or minus zero alike); empty when no precision gives it.
template <typename Back>
std::string shortest(double v, double want, Back back) {
  // Zero is written "0", never "-0".
  if (v == 0) v = 0;
  char text[40];
  for (int p = 1; p <= 17; ++p) {
    std::snprintf(text, sizeof text, "%.*g", p, v);
    if (back(std::strtod(text, nullptr)) == want) return text;
  }
  return "";
}

std::string num(double v) {
  return shortest(v, v, [](double x) { return x; });
}

// An angle of `rad` radians in degrees that the reader's conversion
// (degrees * DEG2RAD, the dialog's) turns back into `rad` exactly. The
// nearest degrees are rad / DEG2RAD; a few doubles around it are tried, and
// the shortest text among those that convert back wins.
std::string degrees(double rad) {
  const auto back = [](double deg) { return deg * DEG2RAD; };
  double cand = rad / DEG2RAD;
  for (int i = 0; i < 4; ++i) cand = std::nextafter(cand, -INFINITY);
  std::string best;
  for (int i = 0; i <= 8; ++i, cand = std::nextafter(cand, INFINITY)) {
    const std::string text = shortest(cand, rad, back);
    if (!text.empty() && (best.empty() || text.size() < best.size())) best = text;
  }
  // No double converts back exactly (not the case for angles the dialog or a
  // file gave): the nearest degrees.
  return best.empty() ? num(rad / DEG2RAD) : best;
}

std::string pair(double a, double b) { return "[" + num(a) + ", " + num(b) + "]"; }

// One "  key: value  # comment" line.
void line(std::string& text, const std::string& key, const std::string& value, const std::string& comment) {
  std::string l = "  " + key + ": " + value;
  if (!comment.empty()) l += std::string(l.size() < 30 ? 30 - l.size() : 1, ' ') + "# " + comment;
  text += l + "\n";
}

// The dynamics section of a real robot: every key of its kind.
void dynamics_section(std::string& t, const RobotSpec& robot) {
  const bool scara = robot.kind == Robot::Scara;
  RigidBodies b = robot.body;
  int count = 0;
  const BodyParam* params = body_params(count);
  t += "dynamics:\n";
  for (int i = 0; i < count; ++i) {
    const BodyParam& p = params[i];
    if (!body_param_of(p, robot.kind)) continue;
    const std::string unit = scara ? p.scara_unit : p.cylindrical_unit;
    const std::string value = p.n == 2 ? pair(p.at(b, 0), p.at(b, 1)) : num(p.at(b, 0));
    line(t, p.key, value, p.names + (unit.empty() ? "" : " " + unit));
  }
}

// The classroom's section, when it says anything.
std::string teaching_text(const Teaching& t) {
  if (t.optimum == OptimumView::Shown && t.variant == Teaching::kNoVariant) return "";
  std::string text = "teaching:\n";
  if (t.optimum == OptimumView::Hidden) line(text, "optimum", "hidden", "shown | hidden: an exam, 'o' shows nothing");
  if (t.variant != Teaching::kNoVariant)
    line(text, "variant", std::to_string(t.variant), "the student number this variant was drawn for");
  return text;
}

}  // namespace

std::string problem_text(const Problem& pb) {
  const bool scara = pb.robot.kind == Robot::Scara;
  std::string t = "# cp_time_optimal problem file\n";
  t += "robot:\n";
  line(t, "type", scara ? "scara" : "cylindrical", "scara | cylindrical");
  line(t, "arm", pair(pb.robot.l1, pb.robot.l2), "l1, l2 [m] (the SCARA robot's)");
  if (pb.robot.dynamics == Dynamics::RigidLinks) dynamics_section(t, pb.robot);
  t += "joints:\n";
  line(t, "max_effort", pair(pb.a1max, pb.a2max), std::string("a1max, a2max: ") + effort_limit_words(pb.robot));
  line(t, "max_velocity", pair(pb.vmax[0], pb.vmax[1]),
       scara ? "[rad/s, rad/s]; 0: no limit" : "[rad/s, m/s]; 0: no limit");
  t += "tool:\n";
  line(t, "max_speed", num(pb.vtool), "hand speed [m/s]; 0: no limit");
  t += "path:\n";
  const PathType c = pb.cptype;
  line(t, "type", path_kind_name(c), "");
  if (c == PathType::Waypoints) {
    line(t, "points", "", "[x, y] [m]");
    for (int i = 0; i < pb.waypoints.n && i < NWAYPOINTS; ++i) t += "    - " + pair(pb.waypoints.p[i][0], pb.waypoints.p[i][1]) + "\n";
    return t + teaching_text(pb.teaching);
  }
  int count = 0;
  const PathParam* params = path_params(c, count);
  for (int i = 0; i < count; ++i) {
    const PathParam& p = params[i];
    double v[2];
    p.get(pb, v);
    const std::string value = p.n == 2 ? pair(v[0], v[1]) : p.degrees ? degrees(v[0]) : num(v[0]);
    line(t, p.key, value, p.unit);
  }
  return t + teaching_text(pb.teaching);
}

}  // namespace cpt
