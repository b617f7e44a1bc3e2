// The problem file: every kind of bad input refused with the line it stands
// on (the line marked "# <-" in the case's own text), hand-written files
// read into the values they state, and print -> parse -> print round trips.
#include "problem/problem_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/paths.h"
#include "problem/params.h"
#include "support/world.h"

namespace cpt {
namespace {

// The 1-based line of the text that holds the marker "# <-".
int marked_line(const std::string& text) {
  const size_t at = text.find("# <-");
  int line = 1;
  for (size_t i = 0; i < at && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

// Every field of the settings, in one list (the path derived values too).
std::vector<double> fields(const Settings& s) {
  std::vector<double> v{double(robot_index(s.robottype)), s.l1, s.l2, s.L, s.a1max, s.a2max,
                        double(type_number(s.cptype)), s.arc_Ax, s.arc_Ay, s.arc_R, s.sinL, s.sinA, s.sin_k,
                        s.u_L, s.u_R, s.u_arc, s.sl_R, double(s.sl_N), s.cam_L, s.cam_H, s.cam_a, s.cyc_L,
                        s.cyc_H, s.cyc_c, s.cyc_w, s.line_l, s.line_beta, s.line_cos, s.line_sin,
                        double(s.wp_n), s.vmax[0], s.vmax[1], s.vtool, s.fi_ref[0], s.fi_ref[1]};
  for (int i = 0; i < NWAYPOINTS; ++i)
    v.insert(v.end(), {s.wp[i][0], s.wp[i][1], s.wp_u[i], s.wp_m[i][0], s.wp_m[i][1]});
  for (int n = 1; n <= NPATHTYPES; ++n) {
    const PathType c = path_type(n);
    v.insert(v.end(), {s.P0[c][0], s.P0[c][1], s.Pf[c][0], s.Pf[c][1], s.sf[c], s.fi0a[c][0], s.fi0a[c][1],
                       s.fi0b[c][0], s.fi0b[c][1]});
  }
  return v;
}

const std::string kRobot = "robot:\n  type: scara\n";
const std::string kArc = "path:\n  type: arc\n";

std::string points(int n) {
  std::string t = "path:\n  type: waypoints\n  points:  # <-\n";
  for (int i = 0; i < n; ++i) t += "    - [" + std::to_string(0.3 + 0.001 * i) + ", 0.1]\n";
  return t;
}

TEST(ProblemFile, RefusesBadInputWithItsLine) {
  struct Case { std::string text, why; };
  const Case cases[] = {
      {"robot:\n  type: scara\n  arm: a: b  # <-\n" + kArc, "not YAML: illegal map value"},
      {"robot:\n  type: scara\n  speed: 1  # <-\n" + kArc, "unknown key 'speed'"},
      {kRobot + "  \"sp\\need\": 1  # <-\n" + kArc, "unknown key 'sp\\need'"},  // a newline shown as \n
      {"robot:\n  type: \"sca\\nra\"  # <-\n" + kArc, "string 'sca\\nra'"},
      {"robot:\n  type: |  # <-\n    sca\n    ra\n" + kArc, "string 'sca\\nra\\n'"},
      {kRobot + kArc + "  radius: " + std::string(1000, '7') + "  # <-\n", "got '" + std::string(40, '7') + "...'"},
      {kRobot + kArc + "colour: red  # <-\n", "unknown key 'colour'"},
      {kRobot + "joints:\n  max_torque: [1, 1]  # <-\n" + kArc, "unknown key 'max_torque'"},
      {kRobot + "tool:\n  speed: 1  # <-\n" + kArc, "unknown key 'speed'"},
      {kRobot + kArc + "  start: [0.1, 0.1]  # <-\n", "unknown key 'start'"},
      {kRobot + kArc + "  radius: abc  # <-\n", "got 'abc'"},
      {kRobot + kArc + "  radius: \"0.5\"  # <-\n", "quoted string"},
      {"robot:\n  type: scara\n  arm: [0.5]  # <-\n" + kArc, "a list of 1"},
      {kRobot + "joints:\n  max_effort: [1, 2, 3]  # <-\n" + kArc, "a list of 3"},
      {kRobot + kArc + "  center: {x: 1}  # <-\n", "a map"},
      {"robot: scara  # <-\n" + kArc, "robot: got 'scara'"},
      {"robot:\n  type: delta  # <-\n" + kArc, "accepted: scara, cylindrical"},
      {"robot:  # <-\n  arm: [0.5, 0.5]\n" + kArc, "type is missing"},
      {"# <-\n" + kRobot, "path is missing"},
      {"# <-\n" + kArc, "robot is missing"},
      {kRobot + "path:  # <-\n  radius: 0.5\n", "needs a map with a type"},
      {kRobot + "path:\n  type: spiral  # <-\n", "accepted: arc, sine"},
      {"robot:\n  type: scara\n  type: scara  # <-\n" + kArc, "given twice"},
      {kRobot + kArc + "---\nrobot:  # <-\n  type: scara\n", "second document"},
      {kRobot + points(1), "2 to 200 points"},
      {kRobot + points(NWAYPOINTS + 1), "a list of 201"},
      {kRobot + "path:\n  type: waypoints\n  points:\n    - [0.6, -0.2]\n    - [0.6, -0.2]  # <-\n", "the same point"},
      {kRobot + "path:\n  type: waypoints\n  points:\n    - [0.6, -0.2]\n    - [1.2, 0]  # <-\n", "out of reach"},
      {kRobot + "path:\n  type: waypoints\n  points:\n    - [0.6, -0.2]\n    - [0.6]  # <-\n", "a list of 1"},
      {kRobot + "path:\n  type: line\n  start: [0.9, 0.9]  # <-\n", "start point (0.9, 0.9) is out of reach"},
      {kRobot + "path:\n  type: arc\n  center: [0.5, 0]  # <-\n  radius: 0.6\n", "start point (1.1, 0)"},
      {kRobot + "joints:\n  max_velocity: [1, -1]  # <-\n" + kArc, "from 0 to 10000"},
      {kRobot + "tool:\n  max_speed: .nan  # <-\n" + kArc, "from 0 to 10000"},
      {kRobot + "joints:\n  max_effort: [0, 1]  # <-\n" + kArc, "from 1e-06 to 10000"},
      {kRobot + "joints:\n  max_effort: [1, 1e999]  # <-\n" + kArc, "got '1e999'"},
      {kRobot + kArc + "  angle: 0  # <-\n", "from 1e-06 to 10000"},
      {kRobot + kArc + "  radius: 2e4  # <-\n", "from 1e-06 to 10000"},
      {kRobot + "path:\n  type: line\n  start: [0.1, 0.1]\n  angle: -1e5  # <-\n", "from -10000 to 10000"},
      {kRobot + "path:\n  type: slalom\n  count: 2.5  # <-\n", "whole number from 1 to 1000"},
      {kRobot + "path:\n  type: slalom\n  count: 1001  # <-\n", "whole number from 1 to 1000"},
  };
  for (const Case& c : cases) {
    auto w = default_world();
    std::string error;
    EXPECT_FALSE(parse_problem(c.text, "p.yaml", *w, error)) << c.text;
    const std::string head = "p.yaml:" + std::to_string(marked_line(c.text)) + ": ";
    EXPECT_EQ(error.rfind(head, 0), 0u) << error << "\n" << c.text;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
    EXPECT_NE(error.find("; accepted: "), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  auto w = default_world();
  std::string error;
  EXPECT_FALSE(load_problem("/nonexistent/p.yaml", *w, error));
  EXPECT_EQ(error, "/nonexistent/p.yaml: cannot read: No such file or directory");
}

TEST(ProblemFile, ReadsWhatTheFileStates) {
  // The example of the README, and an arc and a line in the dialog's degrees.
  auto w = default_world();
  std::string error;
  ASSERT_TRUE(parse_problem("robot:\n  type: scara\n  arm: [0.6, 0.4]\njoints:\n  max_effort: [2.5, 1.5]\n"
                            "  max_velocity: [3.0, 2.5]\ntool:\n  max_speed: 1.0\npath:\n  type: waypoints\n"
                            "  points: [[0.6, -0.2], [0.7, 0.1], [0.5, 0.4], [0.2, 0.5]]\n",
                            "p.yaml", *w, error))
      << error;
  const Settings& s = w->m;
  EXPECT_EQ(s.robottype, Robot::Scara);
  EXPECT_EQ(std::vector<double>({s.l1, s.l2, s.a1max, s.a2max, s.vmax[0], s.vmax[1], s.vtool}),
            std::vector<double>({0.6, 0.4, 2.5, 1.5, 3.0, 2.5, 1.0}));
  EXPECT_EQ(w->pic.link1_draw, 0.6);  // the picture follows the arms, as in the dialog
  ASSERT_EQ(s.cptype, PathType::Waypoints);
  ASSERT_EQ(s.wp_n, 4);
  EXPECT_EQ(s.wp[2], (Vec2{0.5, 0.4}));

  // The arc's start is its centre plus (R, 0); omitted keys keep the defaults.
  ASSERT_TRUE(parse_problem("robot: {type: cylindrical}\npath: {type: arc, center: [0.1, 0.3], angle: 90}\n",
                            "p.yaml", *w, error)) << error;
  auto want = default_world(Robot::Cylindrical, PathType::Arc);
  want->st.arc_Ax = 0.1, want->st.arc_Ay = 0.3, want->st.sf[PathType::Arc] = 90 * DEG2RAD;
  want->st.P0[PathType::Arc] = {0.1 + 0.5, 0.3};
  EXPECT_EQ(fields(w->m), fields(want->st));

  ASSERT_TRUE(parse_problem(kRobot + "path:\n  type: line\n  angle: 30\n  length: 0.25\n", "p.yaml", *w, error));
  EXPECT_EQ(w->st.sf[PathType::Line], 0.25);
  EXPECT_EQ(w->st.line_sin, std::sin(30 * DEG2RAD));
}

TEST(ProblemFile, PrintParsePrintRoundTrips) {
  for (const Robot robot : {Robot::Scara, Robot::Cylindrical}) {
    for (int n = 1; n <= NPATHTYPES; ++n) {
      const PathType c = path_type(n);
      auto w = default_world(robot, c);
      Settings& st = w->m;
      // Every setting off its default: arms, limits, each parameter of the path.
      st.l1 = 0.55, st.l2 = 0.45, st.a1max = 2.5, st.a2max = 1.0 / 3, st.vmax = {0.7, 0.1}, st.vtool = 0.3;
      int count = 0;
      const PathParam* params = path_params(c, count);
      for (int i = 0; i < count; ++i) {
        double v[2];
        params[i].get(st, v);
        if (params[i].degrees) {
          v[0] = 37.5 * DEG2RAD;  // as the dialog converts 37.5
        } else {
          v[0] += params[i].kind == Field::Count ? 2 : params[i].n == 2 ? 0.01 : v[0] / 7;
        }
        params[i].set(st, v);
      }
      if (c == PathType::Waypoints) st.wp_n = 3, st.wp[0] = {0.6, -0.2}, st.wp[1] = {0.7, 0.1}, st.wp[2] = {0.1, 0.5};
      update_path_derived(st, c);

      const std::string text = problem_text(st);
      auto back = default_world();
      std::string error;
      ASSERT_TRUE(parse_problem(text, "p.yaml", *back, error)) << error << "\n" << text;
      EXPECT_EQ(problem_text(back->st), text);
      EXPECT_EQ(fields(back->st), fields(st)) << text;
      if (c == PathType::Arc || c == PathType::Line) {
        EXPECT_NE(text.find("angle: 37.5 "), std::string::npos) << text;
      }
    }
  }
}

}  // namespace
}  // namespace cpt
