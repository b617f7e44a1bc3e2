// The window-less runner: key-string decoding, file naming, the window's
// messages and their order. (Whole runs, their CSV files and their failures:
// tests/programs/runner_golden.sh and bad_states.sh.)
#include "batch/runner.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <cstdio>

#include "interaction/frame.h"
#include "core/console.h"
#include "console/dialog.h"
#include "planner/prepare.h"
#include "planner/prepare.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

// The default construction: 80 steps, the landing, 64 steps of the walk.
const std::string kDefaultKeys = std::string(80, 's') + "f" + std::string(64, 's');

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

// A waypoint path through the runner's keys: built, landed, rebuilt and reported like the seven curves,
// the goal time not below the optimum, the CSV files one line per step (and a header) with the hand on
// the spline's end point at the last step.
TEST(BatchRun, WaypointPathToTheRebuiltTrajectoryAndItsFiles) {
  auto w = default_world(Robot::Scara);
  use_waypoints(*w, {{0.6, -0.2}, {0.7, 0.1}, {0.5, 0.4}, {0.2, 0.5}});
  ConsoleCapture con;
  ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
  const std::string keys = "sssss" + std::string(300, 'f');
  size_t i = 0;
  FILE* msg = std::tmpfile();  // the window's notices ("End of the motion" at every key past the end)
  run_batch_keys(*w, [&] { return i < keys.size() ? keys[i++] : EOF; }, msg);
  std::fclose(msg);
  ASSERT_EQ(w->mo.traj_state, TrajState::Obtained);
  const Optimum o = compute_optimum(w->st);
  ASSERT_TRUE(o.ok) << o.reason;
  EXPECT_LE(o.T, w->mo.tf * (1 + 5e-4));
  EXPECT_GT(w->mo.Tn, w->mo.tf);  // the reference CP motion is slower
  const HandRecord& end = w->mo.CP[w->mo.nf];
  EXPECT_NEAR(end.x, 0.2, 1e-3); EXPECT_NEAR(end.y, 0.5, 1e-3);
  const std::string file = ::testing::TempDir() + "waypoints.csv";
  std::string error;
  ASSERT_TRUE(write_batch_csv(*w, file, error)) << error;
  for (const auto& [name, steps] : {std::pair{file, w->mo.nf}, {reference_csv_path(file), w->mo.nn}}) {
    FILE* f = std::fopen(name.c_str(), "r");
    ASSERT_NE(f, nullptr) << name;
    int lines = 0;
    for (int ch; (ch = std::fgetc(f)) != EOF;) lines += ch == '\n';
    std::fclose(f), std::remove(name.c_str());
    EXPECT_EQ(lines, steps + 2) << name;
  }
}

}  // namespace

}  // namespace cpt
