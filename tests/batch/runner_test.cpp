// The window-less runner: key-string decoding, file naming, the window's
// messages and their order, and the CSV files of the default run.
#include "batch/runner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

#include "interaction/frame.h"
#include "core/console.h"
#include "console/dialog.h"
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
  EXPECT_EQ(reference_csv_path("a/b.c/x.y.csv"), "a/b.c/x.y.reference.csv");
  EXPECT_EQ(reference_csv_path("dir/.csv"), "dir/.csv.reference");
}

// The window's messages on their own lines, with "Trajectory obtained!"
// before the switching report that the rebuild prints (here both go to the
// same stream, so their order shows); a new construction of 110 steps
// without a switching breaks a joint limit.
TEST(BatchKeys, WindowMessagesAndTheirOrder) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  ConsoleCapture con("n\nn\nn\nn\nn\nn\n");
  ASSERT_EQ(settings_dialog(*w), 1);
  std::string keys;
  size_t next = 0;
  const auto from = [&]() { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; };
  keys = kDefaultKeys;
  EXPECT_EQ(run_batch_keys(*w, from, con_out()), 145);
  ASSERT_EQ(settings_dialog(*w), 1);  // a new construction
  keys = std::string(110, 's');
  next = 0;
  EXPECT_EQ(run_batch_keys(*w, from, con_out()), 110);
  const std::string out = con.text();
  const size_t msg = out.find(std::string(kMsgObtained) + "\n");
  ASSERT_NE(msg, std::string::npos) << out;
  EXPECT_LT(msg, out.find("新しい軌道に沿う加減速の切り替え回数と状態"));
  EXPECT_EQ(out.find(kMsgObtained, msg + 1), std::string::npos);
  EXPECT_GT(out.find(std::string("\n") + kMsgStepFailed + "\n"), msg);
}

std::vector<std::vector<double>> read_rows(const std::string& path, std::string& header) {
  std::ifstream in(path);
  std::getline(in, header);
  std::vector<std::vector<double>> rows;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<double> row;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) row.push_back(std::stod(cell));
    rows.push_back(row);
  }
  return rows;
}

// The whole default run in-process: the summary is the last line, after a
// line end, and the CSV files hold the motion from the start point at rest
// to the end of the arc (-0.3, 0.2) at rest, rising in time, with the joint
// accelerations inside their limits.
TEST(BatchCsv, DefaultRunRoundTrip) {
  const std::string path = testing::TempDir() + "batch_default.csv";
  std::remove(path.c_str());
  std::remove(reference_csv_path(path).c_str());
  const std::string keys = kDefaultKeys;
  const char* argv[] = {"batch", "--keys", keys.c_str(), "--csv", path.c_str()};
  ConsoleCapture con("n\nn\nn\n");
  FILE* msg = std::tmpfile();
  ASSERT_EQ(batch_main(5, argv, msg), 0);
  std::fclose(msg);
  const std::string out = con.text();
  const std::string tail = "\n\nbatch: obtained=yes goal_time=1.442697 normal_cp_time=1.862533 "
                           "NCHN=2 NCT=4 nf=143 keys=145\n";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);

  std::string header;
  const auto rows = read_rows(path, header);
  EXPECT_EQ(header,
            "step,t [s],s,sd [1/s],x [m],y [m],joint1 [rad],joint2 [rad],acc1 [m^2/s^2],acc2 [m^2/s^2]");
  ASSERT_EQ(rows.size(), 144u);  // steps 0..nf
  for (size_t k = 0; k < rows.size(); ++k) {
    ASSERT_EQ(rows[k].size(), 10u);
    EXPECT_EQ(rows[k][0], static_cast<double>(k));
    if (k > 0) {
      EXPECT_GT(rows[k][1], rows[k - 1][1]) << k;
    }
    EXPECT_LE(std::fabs(rows[k][8]), 2.0 + TOL_STEP) << k;
    EXPECT_LE(std::fabs(rows[k][9]), 2.0 + TOL_STEP) << k;
  }
  const auto& last = rows.back();
  EXPECT_NEAR(last[1], 1.442697, 1e-6);
  EXPECT_NEAR(last[2], PI * (180.0 / 180.0), 1e-5);
  EXPECT_NEAR(last[3], 0.0, 1e-5);
  EXPECT_NEAR(last[4], -0.3, 1e-5);
  EXPECT_NEAR(last[5], 0.2, 1e-5);
  EXPECT_EQ(last[8], 0.0);  // at rest at the end
  EXPECT_EQ(last[9], 0.0);
  EXPECT_EQ(std::vector<double>(rows[0].begin(), rows[0].begin() + 6),
            (std::vector<double>{0, 0, 0, 0, 0.7, 0.2}));

  // The reference motion: slower, from the same start to the same end at rest.
  const auto ref = read_rows(reference_csv_path(path), header);
  EXPECT_EQ(header, "step,t [s],s,sd [1/s],x [m],y [m]");
  ASSERT_GT(ref.size(), rows.size());
  const std::vector<double> end{static_cast<double>(ref.size() - 1), 1.862533, PI, 0, -0.3, 0.2};
  for (size_t i = 0; i < end.size(); ++i) EXPECT_NEAR(ref.back()[i], end[i], 1e-6) << i;
  std::remove(path.c_str());
  std::remove(reference_csv_path(path).c_str());
}

}  // namespace

}  // namespace cpt
