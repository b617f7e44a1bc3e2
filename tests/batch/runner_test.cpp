// The window-less runner: key-string decoding, file naming, the window's
// messages and their order. (Whole runs, their CSV files and their failures:
// tests/programs/runner_golden.sh and bad_states.sh.)
#include "batch/runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

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

// A waypoint path through the runner's keys: landed and rebuilt like the seven curves, at the spline's end
// point, not faster than the optimum; the CSV files hold a header and one line per step.
TEST(BatchRun, WaypointPathToTheRebuiltTrajectoryAndItsFiles) {
  auto w = default_world(Robot::Scara);
  use_waypoints(*w, {{0.6, -0.2}, {0.7, 0.1}, {0.5, 0.4}, {0.2, 0.5}});
  ConsoleCapture con;
  ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
  const std::string keys = "sssss" + std::string(300, 'f'), file = ::testing::TempDir() + "waypoints.csv";
  size_t i = 0;  FILE* msg = std::tmpfile();  // the window's notices
  run_batch_keys(*w, [&] { return i < keys.size() ? keys[i++] : EOF; }, msg), std::fclose(msg);
  ASSERT_EQ(w->mo.traj_state, TrajState::Obtained);
  EXPECT_LE(compute_optimum(w->st).T, w->mo.tf * (1 + 5e-4));
  EXPECT_NEAR(w->mo.CP[w->mo.nf].x, 0.2, 1e-3); EXPECT_NEAR(w->mo.CP[w->mo.nf].y, 0.5, 1e-3);
  std::string error;  ASSERT_TRUE(write_batch_csv(*w, file, error)) << error;
  for (const auto& [name, steps] : {std::pair{file, w->mo.nf}, {reference_csv_path(file), w->mo.nn}}) {
    std::ifstream in(name);
    EXPECT_EQ(std::count(std::istreambuf_iterator<char>(in), {}, '\n'), steps + 2) << name;
    std::remove(name.c_str());
  }
}

}  // namespace

}  // namespace cpt
