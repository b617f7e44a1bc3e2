// The window-less runner: key-string decoding, file naming and the units of its efforts. (Whole runs, their
// CSV files and their failures: tests/programs/runner_golden.sh, bad_states.sh,
// usage_and_outcomes.sh and problem_file.sh.)
#include "batch/runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "console/summary.h"
#include "draw/texts.h"
#include "problem/problem_file.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

// Catches blanks taken as keys, "\e" left as two keys, and a stray backslash
// (a typo) or one at the very end accepted silently.
TEST(BatchKeys, DecodesEscapesAndSkipsBlanks) {
  std::string keys, error;
  ASSERT_TRUE(decode_keys(" s s\n\\e\\\\f\t", keys, error));
  EXPECT_EQ(keys, std::string("ss\x1b\\f"));
  EXPECT_FALSE(decode_keys("s\\n", keys, error));
  EXPECT_NE(error.find("position 2"), std::string::npos) << error;
  EXPECT_FALSE(decode_keys("s\\", keys, error));
}

// Catches a dot in a directory name taken for the extension and a hidden
// file name cut at its leading dot.
TEST(BatchCsv, ReferenceFileName) {
  EXPECT_EQ(reference_csv_path("out.csv"), "out.reference.csv");
  EXPECT_EQ(reference_csv_path("run.v2/out"), "run.v2/out.reference");
  EXPECT_EQ(reference_csv_path("dir/.csv"), "dir/.csv.reference");
}

// Every label of the joints' efforts, typed here from their units: per unit mass for the point
// mass (the texts as they always were), N·m and N for a real robot's rigid links. Catches a label
// that stays per unit mass for a real robot, a prismatic joint shown in N·m, and the panel's old
// "[m/s^2]" for rotary joints.
TEST(EffortUnits, EveryLabelInTheUnitsOfTheDynamics) {
  struct Case {
    std::string file, csv, ja, en, panel, comment;
  };
  const std::string rigid_scara = "robot: {type: scara}\njoints: {max_effort: [120, 40.5]}\ndynamics: {payload: 2}\n";
  const std::string rigid_cyl = "robot: {type: cylindrical}\njoints: {max_effort: [60, 400]}\ndynamics: {payload: 2}\n";
  const Case cases[] = {
      {"robot: {type: scara}\n", "joint2 [rad],acc1 [m^2/s^2],acc2 [m^2/s^2]",
       "\n関節最大加速度(τ1/m,τ2/m)=(a1max,a2max)=(  2.0   2.0)[m^2/s^2])\n",
       "\njoint limits (tau1/m,tau2/m)=(a1max,a2max)=(  2.0   2.0)[m^2/s^2]\n", "(2.0, 2.0)[m^2/s^2]\n",
       "# a1max, a2max: torque or force per mass\n"},
      {"robot: {type: cylindrical}\n", "joint2 [m],acc1 [m^2/s^2],acc2 [m/s^2]",
       "\n関節最大加速度(T/m,F/m)=(a1max,a2max)=(  2.0[m^2/s^2]   2.0[m/s^2])\n",
       "\njoint limits (T/m,F/m)=(a1max,a2max)=(  2.0[m^2/s^2]   2.0[m/s^2])\n", "(2.0[m^2/s^2], 2.0[m/s^2])\n",
       "# a1max, a2max: torque or force per mass\n"},
      {rigid_scara, "joint2 [rad],tau1 [N·m],tau2 [N·m]",
       "\n剛体リンクの動力学　関節最大トルク(τ1,τ2)=(a1max,a2max)=(120.0  40.5)[N·m]\n",
       "\nrigid-link dynamics  joint limits (tau1,tau2)=(a1max,a2max)=(120.0  40.5)[N·m]\n", "(120.0, 40.5)[Nm]\n",
       "# a1max, a2max: torques [N·m]\n"},
      {rigid_cyl, "joint2 [m],tau1 [N·m],F2 [N]",
       "\n剛体リンクの動力学　関節最大トルク・力(τ1,F2)=(a1max,a2max)=( 60.0[N·m] 400.0[N])\n",
       "\nrigid-link dynamics  joint limits (tau1,F2)=(a1max,a2max)=( 60.0[N·m] 400.0[N])\n", "(60.0[Nm], 400.0[N])\n",
       "# a1max, a2max: torque [N·m], force [N]\n"},
  };
  const std::string csv = testing::TempDir() + "effort_units.csv";
  for (const Case& c : cases) {
    auto w = default_world();
    std::string error;
    ASSERT_TRUE(parse_problem(c.file + "path: {type: line, start: [0.3, 0.1], length: 0.2}\n", "p.yaml", w->pb, error))
        << error;
    rebuild_model(*w);
    ASSERT_TRUE(write_optimum_csv(*w, Optimum{}, csv, error)) << error;
    std::string header;
    std::getline(std::ifstream(csv), header);
    std::remove(csv.c_str());
    EXPECT_EQ(header, "step,t [s],s,sd [1/s],x [m],y [m],joint1 [rad]," + c.csv) << c.file;
    for (const Lang lang : {Lang::Ja, Lang::En}) {
      ConsoleCapture cap(w->con);
      w->con.set_lang(lang);
      print_settings(w->con, w->m);
      const std::string out = cap.text(), want = lang == Lang::Ja ? c.ja : c.en;
      EXPECT_NE(out.find(want), std::string::npos) << out << "\nwanted:" << want;
    }
    NumberText panel;
    format_limits(panel, w->pb.robot, w->pb.a1max, w->pb.a2max);
    EXPECT_STREQ(panel, c.panel.c_str());
    EXPECT_NE(problem_text(w->pb).find(c.comment), std::string::npos) << problem_text(w->pb);
  }
}

}  // namespace

}  // namespace cpt
