// The window-less runner: key-string decoding and file naming. (Whole runs, their
// CSV files and their failures: tests/programs/runner_golden.sh, bad_states.sh,
// usage_and_outcomes.sh and problem_file.sh.)
#include "batch/runner.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace

}  // namespace cpt
