// The problem file: every kind of bad input refused with the line it stands
// on (the line marked "# <-" in the case's own text), hand-written files
// read into the values they state, and print -> parse -> print round trips.
#include "problem/problem_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
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

// Whether the dynamics are rigid, and every value of the bodies.
std::vector<double> body_values(const RobotSpec& r) {
  const RigidBodies& b = r.body;
  return {double(r.dynamics == Dynamics::RigidLinks), b.m1, b.m2, b.lc1, b.lc2, b.I1, b.I2, b.J0, b.ma, b.Ia,
          b.da, b.mp, b.Jm[0], b.Jm[1], b.gear[0], b.gear[1], b.Fv[0], b.Fv[1], b.Fc[0], b.Fc[1]};
}

// Every field of the problem and of its model, in one list (the path derived values too).
std::vector<double> fields(const Model& md) {
  const Problem& s = md.pb;
  std::vector<double> v{s.robot.kind == Robot::Scara ? 1.0 : 0.0, s.robot.l1, s.robot.l2, s.robot.L, s.a1max, s.a2max,
                        double(type_number(s.cptype)), s.arc.Ax, s.arc.Ay, s.arc.R, s.arc.angle, s.sine.L, s.sine.A,
                        md.sin_k, s.ushape.L, s.ushape.R, md.u_arc, s.slalom.R, double(s.slalom.N), s.cam.L, s.cam.H,
                        md.cam_a, s.cycloid.L, s.cycloid.H, md.cyc_c, md.cyc_w, s.line.l, s.line.beta, md.line_cos,
                        md.line_sin, double(s.waypoints.n), s.vmax[0], s.vmax[1], s.vtool, md.fi_ref[0], md.fi_ref[1],
                        md.P0[0], md.P0[1], md.Pf[0], md.Pf[1], md.sf, md.fi0[0], md.fi0[1]};
  const std::vector<double> body = body_values(s.robot);
  v.insert(v.end(), body.begin(), body.end());
  for (int i = 0; i < NWAYPOINTS; ++i)
    v.insert(v.end(), {s.waypoints.p[i][0], s.waypoints.p[i][1], md.wp_u[i], md.wp_m[i][0], md.wp_m[i][1]});
  for (const Vec2& p : {s.sine.P0, s.ushape.P0, s.slalom.P0, s.cam.P0, s.cycloid.P0, s.line.P0}) v.insert(v.end(), {p[0], p[1]});
  return v;
}

const std::string kRobot = "robot:\n  type: scara\n";
const std::string kArc = "path:\n  type: arc\n";
const std::string kCyl = "robot:\n  type: cylindrical\n";
const std::string kDyn = "dynamics:\n  payload: 1\n";

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
      // The dynamics section: each bad value on its own line, the whole section where nothing has inertia.
      {kRobot + kDyn + "  link_masses: [-1, 5]  # <-\n" + kArc, "link_masses[0]: got '-1'; accepted: a number from 0 to 10000"},
      {kRobot + kDyn + "  centres_of_mass: [0.2, 0.51]  # <-\n" + kArc, "[1]: got '0.51'; accepted: a point of the link, from 0 to l2 = 0.5 [m]"},
      {"robot:\n  type: scara\n  arm: [0.4, 0.3]\n" + kDyn + "  centres_of_mass:\n    - 0.2\n    - 0.35  # <-\n" + kArc, "from 0 to l2 = 0.3"},
      {kRobot + kDyn + "  centres_of_mass: [-0.01, 0.2]  # <-\n" + kArc, "from 0 to l1 = 0.5"},
      {kRobot + kDyn + "  link_inertias: [.inf, 0]  # <-\n" + kArc, "got '.inf'"},
      {kRobot + "dynamics:\n  payload: .nan  # <-\n" + kArc, "payload: got '.nan'"},
      {kRobot + kDyn + "  rotor_inertias: [1e-5]  # <-\n" + kArc, "a list of 1; accepted: [Jm1, Jm2], two numbers"},
      {kRobot + kDyn + "  rotor_inertias: [1e-5, -1e-9]  # <-\n" + kArc, "[1]: got '-1e-9'"},
      {kRobot + kDyn + "  gear_ratios: [0, 50]  # <-\n" + kArc, "got '0'; accepted: a number above 0"},
      {kCyl + kDyn + "  gear_ratios: [80, -1257]  # <-\n" + kArc, "got '-1257'; accepted: a number above 0"},
      {kRobot + kDyn + "  viscous_friction: [0.5, -0.1]  # <-\n" + kArc, "got '-0.1'"},
      {kCyl + kDyn + "  arm_offset: -2e4  # <-\n" + kArc, "from -10000 to 10000"},
      {kCyl + kDyn + "  turning_inertia: \"1\"  # <-\n" + kArc, "quoted string"},
      // Coulomb friction that holds a joint at its limit (the default 2, or the file's, written before or after).
      {kRobot + kDyn + "  coulomb_friction: [2, 0]  # <-\n" + kArc, "at or above the joint's limit 2 [N·m]"},
      {kCyl + kDyn + "  coulomb_friction:\n    - 1\n    - 4.5  # <-\njoints:\n  max_effort: [10, 4.5]\n" + kArc,
       "4.5 [N] at or above the joint's limit 4.5 [N]: the joint could not move"},
      // Keys the robot does not have, or nobody has.
      {kRobot + kDyn + "  arm_mass: 3  # <-\n" + kArc, "dynamics (scara): unknown key 'arm_mass'; accepted: link_masses,"},
      {kCyl + kDyn + "  link_masses: [1, 1]  # <-\n" + kArc, "dynamics (cylindrical): unknown key 'link_masses'"},
      {kRobot + kDyn + "  rotor_inertia: [0, 0]  # <-\n" + kArc, "unknown key 'rotor_inertia'"},
      {kRobot + "dynamics: 3  # <-\n" + kArc, "dynamics (scara): got '3'; accepted: a map of link_masses"},
      // Nothing to accelerate for some motion of the joints: no payload, links or rotors; link 2's
      // inertia alone (it turns with q1 + q2: q1 = -q2 moves nothing); link 1 alone (joint 2 moves nothing).
      {kRobot + "dynamics: {}  # <-\n" + kArc, "the mass matrix is singular"},
      {kRobot + "dynamics:  # <-\n  link_inertias: [0, 0.1]\n" + kArc, "the mass matrix is singular"},
      {kRobot + "dynamics:  # <-\n  link_masses: [7, 0]\n  centres_of_mass: [0.2, 0.2]\n  rotor_inertias: [1e-4, 0]\n" + kArc, "singular"},
      {kCyl + "dynamics:  # <-\n  turning_inertia: 2\n  rotor_inertias: [1e-4, 0]\n" + kArc, "singular"},
      {kCyl + "dynamics:  # <-\n  arm_inertia: 0.5\n" + kArc, "singular"},
      {kRobot + kArc + "teaching:\n  optimum: secret  # <-\n", "accepted: shown, hidden"},
      {kRobot + kArc + "teaching:\n  variant: 2.5  # <-\n", "whole number from 0 to 999999999"},
  };
  for (const Case& c : cases) {
    auto w = default_world();
    std::string error;
    EXPECT_FALSE(parse_problem(c.text, "p.yaml", w->pb, error)) << c.text;
    const std::string head = "p.yaml:" + std::to_string(marked_line(c.text)) + ": ";
    EXPECT_EQ(error.rfind(head, 0), 0u) << error << "\n" << c.text;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
    EXPECT_NE(error.find("; accepted: "), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  auto w = default_world();
  std::string error;
  EXPECT_FALSE(load_problem("/nonexistent/p.yaml", w->pb, error));
  EXPECT_EQ(error, "/nonexistent/p.yaml: cannot read: No such file or directory");
}

TEST(ProblemFile, ReadsWhatTheFileStates) {
  // The README's example read from a file as the programs read it, and an arc and a line in the dialog's degrees.
  auto w = default_world();
  std::string error;
  const std::string file = testing::TempDir() + "problem_test_readme.yaml";
  std::ofstream(file) << "robot:\n  type: scara\n  arm: [0.6, 0.4]\njoints:\n  max_effort: [2.5, 1.5]\n"
                         "  max_velocity: [3.0, 2.5]\ntool:\n  max_speed: 1.0\npath:\n  type: waypoints\n"
                         "  points: [[0.6, -0.2], [0.7, 0.1], [0.5, 0.4], [0.2, 0.5]]\n";
  const bool loaded = app_load_problem(*w, file, error);  std::remove(file.c_str());
  ASSERT_TRUE(loaded) << error;
  const Problem& s = w->pb;
  EXPECT_EQ(s.robot.kind, Robot::Scara);
  EXPECT_EQ(std::vector<double>({s.robot.l1, s.robot.l2, s.a1max, s.a2max, s.vmax[0], s.vmax[1], s.vtool}),
            std::vector<double>({0.6, 0.4, 2.5, 1.5, 3.0, 2.5, 1.0}));
  EXPECT_EQ(w->pic.link1_draw, 0.6);  // the picture follows the arms, as in the dialog
  ASSERT_EQ(s.cptype, PathType::Waypoints);
  ASSERT_EQ(s.waypoints.n, 4);
  EXPECT_EQ(s.waypoints.p[2], (Vec2{0.5, 0.4}));

  // The arc's start is its centre plus (R, 0); omitted keys keep the defaults.
  ASSERT_TRUE(parse_problem("robot: {type: cylindrical}\npath: {type: arc, center: [0.1, 0.3], angle: 90}\n",
                            "p.yaml", w->pb, error)) << error;
  rebuild_model(*w);
  auto want = default_world(Robot::Cylindrical, PathType::Arc);
  want->pb.arc.Ax = 0.1, want->pb.arc.Ay = 0.3, want->pb.arc.angle = 90 * DEG2RAD, rebuild_model(*want);
  EXPECT_EQ(w->m.P0, (Vec2{0.1 + 0.5, 0.3}));
  EXPECT_EQ(fields(w->m), fields(want->m));

  ASSERT_TRUE(parse_problem(kRobot + "path:\n  type: line\n  angle: 30\n  length: 0.25\n", "p.yaml", w->pb, error));
  rebuild_model(*w);
  EXPECT_EQ(w->m.sf, 0.25);
  EXPECT_EQ(w->m.line_sin, std::sin(30 * DEG2RAD));
}

TEST(ProblemFile, PrintParsePrintRoundTrips) {
  for (const Robot robot : {Robot::Scara, Robot::Cylindrical}) {
    for (int n = 1; n <= NPATHTYPES; ++n) {
      const PathType c = path_type(n);
      auto w = default_world(robot, c);
      Problem& pb = w->pb;
      // Every setting off its default: arms, limits, each parameter of the path.
      pb.robot.l1 = 0.55, pb.robot.l2 = 0.45, pb.a1max = 2.5, pb.a2max = 1.0 / 3, pb.vmax = {0.7, 0.1}, pb.vtool = 0.3;
      int count = 0;
      const PathParam* params = path_params(c, count);
      for (int i = 0; i < count; ++i) {
        double v[2];
        params[i].get(pb, v);
        if (params[i].degrees) {
          v[0] = 37.5 * DEG2RAD;  // as the dialog converts 37.5
        } else {
          v[0] += params[i].kind == Field::Count ? 2 : params[i].n == 2 ? 0.01 : v[0] / 7;
        }
        params[i].set(pb, v);
      }
      pb.teaching = {n % 2 ? OptimumView::Hidden : OptimumView::Shown, 17L * n};
      if (c == PathType::Waypoints) pb.waypoints.n = 3, pb.waypoints.p[0] = {0.6, -0.2}, pb.waypoints.p[1] = {0.7, 0.1}, pb.waypoints.p[2] = {0.1, 0.5};
      rebuild_model(*w);

      const std::string text = problem_text(pb);
      auto back = default_world();
      std::string error;
      ASSERT_TRUE(parse_problem(text, "p.yaml", back->pb, error)) << error << "\n" << text;
      rebuild_model(*back);
      EXPECT_EQ(problem_text(back->pb), text);
      EXPECT_EQ(back->pb.teaching.variant, 17L * n) << text;
      EXPECT_EQ(back->pb.teaching.optimum, pb.teaching.optimum) << text;
      EXPECT_EQ(fields(back->m), fields(w->m)) << text;
      if (c == PathType::Arc || c == PathType::Line) {
        EXPECT_NE(text.find("angle: 37.5 "), std::string::npos) << text;
      }
    }
  }
}

// A real robot of each kind with every key of its dynamics section: read into the values the file
// states (the keys it leaves out zero, gear ratios 1), then written and read back to the same bits,
// also with values that have no short decimal form; a file without the section stays the unit point mass.
TEST(ProblemFile, DynamicsReadAndWrittenBackBitForBit) {
  struct Case { std::string text; std::vector<double> body; };
  //                                 rigid m1 m2  lc1  lc2   I1    I2  J0 ma Ia da mp  Jm1     Jm2    n1  n2   Fv1  Fv2  Fc1  Fc2
  const Case cases[] = {
      {"robot: {type: scara, arm: [0.4, 0.25]}\njoints: {max_effort: [120, 40]}\ndynamics:\n  link_masses: [7, 5]\n"
       "  centres_of_mass: [0.2, 0.125]\n  link_inertias: [0.09, 0.03]\n  payload: 2\n  rotor_inertias: [2.5e-5, 1.2e-5]\n"
       "  gear_ratios: [80, 50]\n  viscous_friction: [0.5, 0.3]\n  coulomb_friction: [1.5, 0.8]\n"
       "path: {type: line, start: [0.3, 0.1], length: 0.2}\n",
       {1, 7, 5, 0.2, 0.125, 0.09, 0.03, 0, 0, 0, 0, 2, 2.5e-5, 1.2e-5, 80, 50, 0.5, 0.3, 1.5, 0.8}},
      {kCyl + "joints: {max_effort: [60, 400]}\ndynamics:\n  turning_inertia: 0.4\n  arm_mass: 6\n  arm_inertia: 0.2\n"
       "  arm_offset: 0.35\n  payload: 1.5\n  rotor_inertias: [3e-5, 2e-5]\n  gear_ratios: [100, 314.159]\n"
       "  viscous_friction: [0.4, 20]\n  coulomb_friction: [2, 30]\n" + kArc,
       {1, 0, 0, 0, 0, 0, 0, 0.4, 6, 0.2, 0.35, 1.5, 3e-5, 2e-5, 100, 314.159, 0.4, 20, 2, 30}},
      {kRobot + "dynamics:\n  link_masses: [3, 2]\n  centres_of_mass: [0.25, 0.25]\n" + kArc,
       {1, 3, 2, 0.25, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
      {kRobot + kArc, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    auto w = default_world();
    std::string error;
    ASSERT_TRUE(parse_problem(c.text, "p.yaml", w->pb, error)) << error << "\n" << c.text;
    rebuild_model(*w);
    EXPECT_EQ(body_values(w->pb.robot), c.body) << c.text;
    // Every value off any short decimal: the shortest text that reads back to the same double.
    RigidBodies& b = w->pb.robot.body;
    if (w->pb.robot.dynamics == Dynamics::RigidLinks) {
      for (double* x : {&b.m1, &b.lc2, &b.I1, &b.J0, &b.ma, &b.da, &b.mp, &b.Jm[0], &b.Fv[0], &b.Fc[1]}) *x *= 1 - 1.0 / 3e3;
      b.gear[1] = 2 * PI / 0.02;  // a ball screw of lead 20 mm
    }
    rebuild_model(*w);
    for (int pass = 0; pass < 2; ++pass) {
      const std::string text = problem_text(w->pb);
      EXPECT_EQ(text.find("dynamics:") != std::string::npos, c.body[0] == 1) << text;
      auto back = default_world();
      ASSERT_TRUE(parse_problem(text, "p.yaml", back->pb, error)) << error << "\n" << text;
      rebuild_model(*back);
      EXPECT_EQ(fields(back->m), fields(w->m)) << text;
      EXPECT_EQ(problem_text(back->pb), text);
      if (pass == 0) w = std::move(back);
    }
  }
}

}  // namespace
}  // namespace cpt
