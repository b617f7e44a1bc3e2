// Reading a problem file: each section a map of known keys, each value
// checked as the dialog checks its answers; the first fault ends the reading
// with its line.
#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "core/units.h"
#include "model/dynamics.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "planner/prepare.h"
#include "problem/params.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// The first fault of a file: its line (1-based) and what is wrong.
struct Fault {
  int line;
  std::string what;
};

int line_of(const YAML::Node& n) { return std::max(n.Mark().line + 1, 1); }

[[noreturn]] void fail(int line, const std::string& what) { throw Fault{line, what}; }

// The largest file read: far above any problem (200 points take a few
// kilobytes), small enough that an endless input (/dev/zero, a pipe that
// never ends) is given up early.
constexpr size_t kMaxFileBytes = 1 << 20;

// What the text that is not YAML would be.
const char* const kYaml = "; accepted: YAML, e.g. key: value, key: [a, b], key: {k: v}";

// Text of the file as it goes into the one line that refuses it: control
// characters and line breaks escaped (a newline as \n), at most `most`
// characters, then "...".
std::string one_line(const std::string& s, size_t most = 40) {
  const auto byte = [&s](size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
  std::string out;
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned c = byte(i);
    if ((c & 0xC0) != 0x80 && chars++ == most) return out + "...";
    unsigned wide = 0;  // U+0080..U+009F (NEL among them), U+2028, U+2029
    if (c == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F) {
      wide = byte(++i);
    } else if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9)) {
      wide = 0x1F80 + byte(i + 2), i += 2;
    }
    char esc[12] = "";
    if (wide) {
      std::snprintf(esc, sizeof esc, "\\u%04x", wide);
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(esc, sizeof esc, c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\r' ? "\\r" : "\\x%02x", c);
    }
    if (esc[0]) {
      out += esc;
    } else {
      out += s[i];
    }
  }
  return out;
}

// How a node looks, for the line that refuses it.
std::string shown(const YAML::Node& n) {
  switch (n.Type()) {
    case YAML::NodeType::Scalar:
      return (n.Tag() == "!" ? "the quoted string '" : "'") + one_line(n.Scalar()) + "'";
    case YAML::NodeType::Sequence: return "a list of " + std::to_string(n.size());
    case YAML::NodeType::Map: return "a map";
    default: return "nothing";
  }
}

// A map's entries: every key known and given once. `key` names the map in
// messages ("path (arc)"; empty for the whole file), `line` is the line of
// its own key.
class Section {
 public:
  Section(const YAML::Node& map, const std::string& key, int line, const std::vector<std::string>& known)
      : name_(key), line_(line) {
    if (!map.IsMap()) fail(line_of(map), key + ": got " + shown(map) + "; accepted: a map of " + list(known));
    const std::string in = key.empty() ? "" : key + ": ";
    for (const auto& kv : map) {
      const std::string k = kv.first.IsScalar() ? kv.first.Scalar() : "";
      if (std::find(known.begin(), known.end(), k) == known.end())
        fail(line_of(kv.first), in + "unknown key '" + one_line(k) + "'; accepted: " + list(known));
      for (const auto& e : entries_)
        if (e.first == k) fail(line_of(kv.first), in + k + " given twice; accepted: each key once");
      entries_.push_back({k, kv.second});
      lines_.push_back(line_of(kv.first));
    }
  }
  // The value of key, or nullptr when it is left out.
  const YAML::Node* get(const std::string& key) const {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].first == key) return &entries_[i].second;
    return nullptr;
  }
  // The line of key; the section's own line when it is left out.
  int line(const std::string& key) const {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].first == key) return lines_[i];
    return line_;
  }
  // The value of a required key; `accepted` tells what would do.
  const YAML::Node& need(const std::string& key, const std::string& accepted) const {
    if (const YAML::Node* n = get(key)) return *n;
    fail(line_, (name_.empty() ? "" : name_ + ": ") + key + " is missing; accepted: " + accepted);
  }

  static std::string list(const std::vector<std::string>& keys) {
    std::string text;
    for (const auto& k : keys) text += (text.empty() ? "" : ", ") + k;
    return text;
  }

 private:
  std::string name_;
  int line_;
  std::vector<std::pair<std::string, YAML::Node>> entries_;
  std::vector<int> lines_;
};

// A number of the given kind, checked as the dialog checks a typed value (a
// quoted scalar is a string, not a number).
bool as_number(const YAML::Node& n, Field kind, double& v) {
  return n.IsScalar() && n.Tag() != "!" && parse_answer(n.Scalar(), &kind, 1, &v);
}

double number(const YAML::Node& n, const std::string& key, Field kind) {
  double v = 0;
  if (!as_number(n, kind, v)) fail(line_of(n), key + ": got " + shown(n) + "; accepted: " + field_range(kind));
  return v;
}

// A limit: 0 (no limit) up to kMaxValue.
double limit(const YAML::Node& n, const std::string& key) {
  double v = 0;
  if (!as_number(n, Field::Any, v) || v < 0) {
    char range[64];
    std::snprintf(range, sizeof range, "a number from 0 to %g (0: no limit)", kMaxValue);
    fail(line_of(n), key + ": got " + shown(n) + "; accepted: " + range);
  }
  return v;
}

// A list of n values, each read by `one`.
template <typename One>
void values(const YAML::Node& n, const std::string& key, int count, const std::string& what, One one) {
  if (!n.IsSequence() || static_cast<int>(n.size()) != count)
    fail(line_of(n), key + ": got " + shown(n) + "; accepted: " + what);
  for (int i = 0; i < count; ++i) one(i, n[i], key + "[" + std::to_string(i) + "]");
}

// A pair [a, b] of numbers of one kind.
void pair(const YAML::Node& n, const std::string& key, Field kind, const std::string& names, double* out) {
  values(n, key, 2, "[" + names + "], two numbers", [&](int i, const YAML::Node& e, const std::string& k) {
    out[i] = number(e, k, kind);
  });
}

void read_robot(const YAML::Node& n, int line, Problem& pb) {
  const Section robot(n, "robot", line, {"type", "arm"});
  const YAML::Node& type = robot.need("type", "type: scara or cylindrical");
  const std::string t = type.IsScalar() ? type.Scalar() : "";
  if (t != "scara" && t != "cylindrical")
    fail(line_of(type), "robot.type: got " + shown(type) + "; accepted: scara, cylindrical");
  pb.robot.kind = t == "scara" ? Robot::Scara : Robot::Cylindrical;
  if (const YAML::Node* arm = robot.get("arm")) {
    double l[2];
    pair(*arm, "robot.arm", Field::Positive, "l1, l2", l);
    pb.robot.l1 = l[0];
    pb.robot.l2 = l[1];
  }
}

void read_joints(const YAML::Node& n, int line, Problem& pb) {
  const Section joints(n, "joints", line, {"max_effort", "max_velocity"});
  if (const YAML::Node* e = joints.get("max_effort")) {
    double a[2];
    pair(*e, "joints.max_effort", Field::Positive, "a1max, a2max", a);
    pb.a1max = a[0];
    pb.a2max = a[1];
  }
  if (const YAML::Node* v = joints.get("max_velocity")) {
    values(*v, "joints.max_velocity", 2, "[v1, v2], two limits", [&](int i, const YAML::Node& e, const std::string& k) {
      pb.vmax[i] = limit(e, k);
    });
  }
}

// What a value of the dynamics section may be, in words.
std::string body_range(BodyValue kind, int i, const RobotSpec& robot) {
  char text[96];
  switch (kind) {
    case BodyValue::Amount: std::snprintf(text, sizeof text, "a number from 0 to %g", kMaxValue); break;
    case BodyValue::Offset: std::snprintf(text, sizeof text, "a number from %g to %g", -kMaxValue, kMaxValue); break;
    case BodyValue::Ratio: std::snprintf(text, sizeof text, "a number above 0, up to %g", kMaxValue); break;
    case BodyValue::CentreOfMass:
      std::snprintf(text, sizeof text, "a point of the link, from 0 to l%d = %g [m]", i + 1, i == 0 ? robot.l1 : robot.l2);
      break;
  }
  return text;
}

// Value i of a key of the dynamics section, in its range.
double body_value(const YAML::Node& n, const std::string& key, const BodyParam& p, int i, const RobotSpec& robot) {
  double v = 0;
  const double top = p.kind == BodyValue::CentreOfMass ? (i == 0 ? robot.l1 : robot.l2) : kMaxValue;
  const double bottom = p.kind == BodyValue::Offset ? -kMaxValue : 0;
  const bool ok = as_number(n, Field::Any, v) && v >= bottom && v <= top && !(p.kind == BodyValue::Ratio && v <= 0);
  if (!ok) fail(line_of(n), key + ": got " + shown(n) + "; accepted: " + body_range(p.kind, i, robot));
  return v;
}

// Coulomb friction at or above a joint's limit: the joint could not start.
void check_friction(const Section& dyn, const Problem& pb) {
  const YAML::Node* fc = dyn.get("coulomb_friction");
  const double limits[2] = {pb.a1max, pb.a2max};
  for (int i = 0; fc && i < 2; ++i) {
    if (pb.robot.body.Fc[i] < limits[i]) continue;
    const char* unit = effort_unit(pb.robot, i).unit;
    char text[200];
    std::snprintf(text, sizeof text,
                  "dynamics.coulomb_friction[%d]: %g [%s] at or above the joint's limit %g [%s]: the joint could not "
                  "move; accepted: a number from 0 to below joints.max_effort[%d] = %g",
                  i, pb.robot.body.Fc[i], unit, limits[i], unit, i, limits[i]);
    fail(line_of((*fc)[i]), text);
  }
}

// The rigid bodies of a real robot: each key of the robot's kind, the rest
// zero (gear ratios 1); refused when some motion of the joints would move no
// inertia, or friction would hold a joint.
void read_dynamics(const YAML::Node& n, int line, Problem& pb) {
  const bool scara = pb.robot.kind == Robot::Scara;
  int count = 0;
  const BodyParam* params = body_params(count);
  std::vector<std::string> known;
  for (int i = 0; i < count; ++i)
    if (body_param_of(params[i], pb.robot.kind)) known.push_back(params[i].key);
  const Section dyn(n, scara ? "dynamics (scara)" : "dynamics (cylindrical)", line, known);
  RigidBodies b = unset_bodies();
  for (int i = 0; i < count; ++i) {
    const BodyParam& p = params[i];
    const YAML::Node* v = dyn.get(p.key);
    if (!v) continue;
    const std::string key = std::string("dynamics.") + p.key;
    if (p.n == 1) {
      p.at(b, 0) = body_value(*v, key, p, 0, pb.robot);
      continue;
    }
    values(*v, key, 2, std::string("[") + p.names + "], two numbers",
           [&](int j, const YAML::Node& e, const std::string& k) { p.at(b, j) = body_value(e, k, p, j, pb.robot); });
  }
  pb.robot.dynamics = Dynamics::RigidLinks;
  pb.robot.body = b;
  if (inertia_vanishes(pb.robot))
    fail(line, "dynamics: some motion of the joints moves no mass or inertia (the mass matrix is singular); "
               "accepted: a payload, links or rotors that each motion accelerates, e.g. payload above 0");
  check_friction(dyn, pb);
}

void read_tool(const YAML::Node& n, int line, Problem& pb) {
  const Section tool(n, "tool", line, {"max_speed"});
  if (const YAML::Node* v = tool.get("max_speed")) pb.vtool = limit(*v, "tool.max_speed");
}

// Why the hand cannot be put at (x, y), for the line that refuses a point.
std::string out_of_reach(const Problem& pb, const char* what, const Vec2& p) {
  char text[256];
  std::snprintf(text, sizeof text,
                "%s (%g, %g) is out of reach of the SCARA robot; accepted: a distance from the base "
                "between |l1 - l2| = %g and l1 + l2 = %g [m]",
                what, p[0], p[1], std::fabs(pb.robot.l1 - pb.robot.l2), pb.robot.l1 + pb.robot.l2);
  return text;
}

void read_points(const Section& path, Problem& pb) {
  const YAML::Node& pts = path.need("points", "points: a list of 2 to " + std::to_string(NWAYPOINTS) + " points [x, y]");
  const std::string key = "path.points";
  if (!pts.IsSequence() || pts.size() < 2 || pts.size() > static_cast<size_t>(NWAYPOINTS))
    fail(path.line("points"), key + ": got " + shown(pts) + "; accepted: a list of 2 to " + std::to_string(NWAYPOINTS) +
                           " points [x, y]");
  pb.waypoints.n = static_cast<int>(pts.size());
  for (int i = 0; i < pb.waypoints.n; ++i) {
    const std::string k = key + "[" + std::to_string(i) + "]";
    double v[2];
    pair(pts[i], k, Field::Any, "x, y", v);
    pb.waypoints.p[i] = {v[0], v[1]};
    if (i > 0 && pb.waypoints.p[i] == pb.waypoints.p[i - 1])
      fail(line_of(pts[i]), k + ": the same point as the one before; accepted: consecutive points that differ");
    if (!in_reach(pb.robot, v[0], v[1])) fail(line_of(pts[i]), k + ": " + out_of_reach(pb, "the point", pb.waypoints.p[i]));
  }
}

void read_path(const YAML::Node& n, int line, Problem& pb) {
  // The type first: it decides which keys the section may hold.
  PathType c = PathType::Arc;
  if (!n.IsMap() || !n["type"])
    fail(n.IsMap() ? line : line_of(n), "path: needs a map with a type; accepted: type: " + path_kind_names());
  const YAML::Node type = n["type"];
  if (!type.IsScalar() || !path_kind_of(type.Scalar(), c))
    fail(line_of(type), "path.type: got " + shown(type) + "; accepted: " + path_kind_names());
  int count = 0;
  const PathParam* params = path_params(c, count);
  std::vector<std::string> known{"type"};
  if (c == PathType::Waypoints) known.push_back("points");
  for (int i = 0; i < count; ++i) known.push_back(params[i].key);
  const Section path(n, std::string("path (") + path_kind_name(c) + ")", line, known);

  pb.cptype = c;
  if (c == PathType::Waypoints) {
    read_points(path, pb);
  } else {
    for (int i = 0; i < count; ++i) {
      const PathParam& p = params[i];
      const YAML::Node* v = path.get(p.key);
      if (!v) continue;
      const std::string key = std::string("path.") + p.key;
      double x[2];
      if (p.n == 2) {
        pair(*v, key, p.kind, "x, y", x);
      } else {
        x[0] = number(*v, key, p.kind);
      }
      if (p.degrees) x[0] *= DEG2RAD;  // as the dialog converts its degrees
      p.set(pb, x);
    }
  }
  // The start point of a built-in path (each waypoint is checked above); the
  // arc's comes from its centre and radius.
  const Vec2 P0 = build_model(pb).P0;
  if (c != PathType::Waypoints && !in_reach(pb.robot, P0[0], P0[1]))
    fail(path.line(c == PathType::Arc ? "center" : "start"), "path: " + out_of_reach(pb, "the start point", P0));
}

// The classroom's section: the optimum hidden for an exam, the student
// number a variant was drawn for.
void read_teaching(const YAML::Node& n, int line, Problem& pb) {
  const Section teaching(n, "teaching", line, {"optimum", "variant"});
  if (const YAML::Node* o = teaching.get("optimum")) {
    const std::string v = o->IsScalar() && o->Tag() != "!" ? o->Scalar() : "";
    if (v != "shown" && v != "hidden") fail(line_of(*o), "teaching.optimum: got " + shown(*o) + "; accepted: shown, hidden");
    pb.teaching.optimum = v == "hidden" ? OptimumView::Hidden : OptimumView::Shown;
  }
  if (const YAML::Node* v = teaching.get("variant")) {
    double k = -1;
    if (!as_number(*v, Field::Any, k) || k < 0 || k > kMaxVariant || k != std::floor(k))
      fail(line_of(*v), "teaching.variant: got " + shown(*v) + "; accepted: a whole number from 0 to " +
                            std::to_string(kMaxVariant));
    pb.teaching.variant = static_cast<long>(k);
  }
}

void read_problem(const YAML::Node& doc, Problem& pb) {
  if (!doc.IsMap())
    fail(line_of(doc), "the file holds " + shown(doc) + "; accepted: a map of robot, dynamics, joints, tool, path, teaching");
  const Section top(doc, "", 1, {"robot", "dynamics", "joints", "tool", "path", "teaching"});
  read_robot(top.need("robot", "robot: {type: scara} or {type: cylindrical}"), top.line("robot"), pb);
  if (const YAML::Node* j = top.get("joints")) read_joints(*j, top.line("joints"), pb);
  // After the robot (its arms bound the centres of mass) and the joints (their limits bound the friction).
  if (const YAML::Node* d = top.get("dynamics")) read_dynamics(*d, top.line("dynamics"), pb);
  if (const YAML::Node* t = top.get("tool")) read_tool(*t, top.line("tool"), pb);
  read_path(top.need("path", "path: {type: KIND}, KIND one of " + path_kind_names()), top.line("path"), pb);
  if (const YAML::Node* t = top.get("teaching")) read_teaching(*t, top.line("teaching"), pb);
}

// Where each document of a text starts, and the mark of its first node.
class Documents : public YAML::EventHandler {
 public:
  std::vector<YAML::Mark> starts, nodes;

  void OnDocumentStart(const YAML::Mark& m) override { starts.push_back(m); }
  void OnDocumentEnd() override {}
  void OnNull(const YAML::Mark& m, YAML::anchor_t) override { node(m); }
  void OnAlias(const YAML::Mark& m, YAML::anchor_t) override { node(m); }
  void OnScalar(const YAML::Mark& m, const std::string&, YAML::anchor_t, const std::string&) override { node(m); }
  void OnSequenceStart(const YAML::Mark& m, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {
    node(m);
  }
  void OnSequenceEnd() override {}
  void OnMapStart(const YAML::Mark& m, const std::string&, YAML::anchor_t, YAML::EmitterStyle::value) override {
    node(m);
  }
  void OnMapEnd() override {}

 private:
  void node(const YAML::Mark& m) {
    if (nodes.size() < starts.size()) nodes.push_back(m);
  }
};

// Refuses a text of more than one document. The parser is asked for three
// documents at most: a token that starts no node (a stray ',') gives an empty
// document that consumes nothing, again and again without end, so a document
// starting where the one before started marks that token.
void one_document(const std::string& text) {
  std::istringstream in(text);
  YAML::Parser parser(in);
  Documents docs;
  for (int i = 0; i < 3 && parser.HandleNextDocument(docs); ++i) {
  }
  const std::vector<YAML::Mark>& at = docs.starts;
  for (size_t i = 1; i < at.size(); ++i) {
    if (at[i].pos != at[i - 1].pos) continue;
    const size_t pos = static_cast<size_t>(std::max(at[i].pos, 0));
    fail(at[i].line + 1, "not YAML: unexpected '" + one_line(text.substr(std::min(pos, text.size()), 1)) + "'" + kYaml);
  }
  if (at.size() > 1)
    fail((docs.nodes.size() > 1 ? docs.nodes[1] : at[1]).line + 1, "a second document; accepted: one document");
}

}  // namespace

bool parse_problem(const std::string& text, const std::string& name, Problem& pb, std::string& error) {
  pb = default_problem();
  try {
    one_document(text);
    read_problem(YAML::Load(text), pb);
  } catch (const Fault& f) {
    error = name + ":" + std::to_string(f.line) + ": " + f.what;
    return false;
  } catch (const YAML::Exception& e) {
    error = name + ":" + std::to_string(std::max(e.mark.line + 1, 1)) + ": not YAML: " + one_line(e.msg, 80) + kYaml;
    return false;
  }
  return true;
}

bool load_problem(const std::string& path, Problem& pb, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::string text;
  int err = f ? 0 : errno;
  if (f) {
    char buf[4096];
    size_t n;
    // One byte past the largest file tells a file that goes on.
    while (text.size() <= kMaxFileBytes &&
           (n = std::fread(buf, 1, std::min(sizeof buf, kMaxFileBytes + 1 - text.size()), f)) > 0)
      text.append(buf, n);
    if (std::ferror(f)) err = errno ? errno : EIO;
    std::fclose(f);
  }
  if (err) {
    error = path + ": cannot read: " + std::strerror(err);
    return false;
  }
  if (text.size() > kMaxFileBytes) {
    // The line on which the first byte past the limit stands.
    const long line = 1 + std::count(text.begin(), text.end() - 1, '\n');
    error = path + ":" + std::to_string(line) + ": the file goes on past 1 MiB (" + std::to_string(kMaxFileBytes) +
            " bytes) on this line; accepted: a file of at most 1 MiB";
    return false;
  }
  return parse_problem(text, path, pb, error);
}

}  // namespace cpt
