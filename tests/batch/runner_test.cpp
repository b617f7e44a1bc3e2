// The window-less runner: key-string decoding, file naming, the window's
// messages and their order. (Whole runs, their CSV files and their failures:
// tests/programs/runner_golden.sh and bad_states.sh.)
#include "batch/runner.h"

#include <gtest/gtest.h>

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

}  // namespace

}  // namespace cpt
