// Files written under a temporary name and renamed: never half-written, never left behind.
#include "core/files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace cpt {
namespace {

namespace fs = std::filesystem;

// A scratch folder, removed with what is left in it.
struct Scratch {
  char name[24] = "/tmp/files_test.XXXXXX";
  const std::string dir = mkdtemp(name);
  ~Scratch() { fs::remove_all(dir); }
};

std::string read_file(const std::string& path) {
  std::ifstream f(path);
  return {std::istreambuf_iterator<char>(f), {}};
}

// Catches a temporary file left behind, a partly written or replaced file, a reason missing.
TEST(Files, WrittenWholeOrNotAtAll) {
  Scratch s;
  std::string error;
  const std::string path = s.dir + "/frame.svg";
  ASSERT_TRUE(write_file_safely(path, "first", false, error));
  EXPECT_FALSE(write_file_safely(path, "second", false, error));  // not replaced unless asked
  EXPECT_EQ(error, "cannot write " + path + ": File exists");
  EXPECT_EQ(read_file(path), "first");
  ASSERT_TRUE(write_file_safely(path, "third", true, error));
  EXPECT_EQ(read_file(path), "third");
  // A file as the folder, a folder as the target: no temporary file left in either.
  EXPECT_FALSE(write_file_safely(path + "/x.svg", "x", true, error));
  EXPECT_EQ(error, "cannot write " + path + "/x.svg: Not a directory");
  ASSERT_TRUE(fs::create_directory(s.dir + "/sub"));
  EXPECT_FALSE(write_file_safely(s.dir + "/sub", "x", true, error));
  EXPECT_EQ(error.find('\n'), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(s.dir), fs::directory_iterator()), 2);
  // Replaced by a rename, never written over in place: another name of the old file keeps it.
  fs::create_hard_link(path, s.dir + "/old.svg");
  ASSERT_TRUE(write_file_safely(path, "fourth", true, error));
  EXPECT_EQ(read_file(path), "fourth"); EXPECT_EQ(read_file(s.dir + "/old.svg"), "third");
  // A pipe (as /dev/null or /dev/stdout) is written into, not replaced by a file.
  const std::string pipe = s.dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int rd = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(rd, 0);
  EXPECT_TRUE(write_file_safely(pipe, "fifth", true, error)) << error;
  char got[8] = {};
  EXPECT_EQ(read(rd, got, sizeof got), 5);
  close(rd);
  EXPECT_STREQ(got, "fifth");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

}  // namespace
}  // namespace cpt
