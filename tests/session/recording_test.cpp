// The recording's text: every byte a key or a line can hold comes back as it
// was written, and each kind of bad file is refused with its line.
#include <gtest/gtest.h>

#include "session/recording.h"

namespace cpt {
namespace {

TEST(Recording, WrittenRecordsReadBackByteForByte) {
  const std::string problem = "robot: {type: scara}\npath: {type: line}\n";
  std::string text = recording_header(Lang::En, RecordedStart::ProblemFile, "dir/my file\\.yaml", problem);
  std::string keys, input;
  for (int c = 1; c < 256; ++c) {
    text += record_line(RecordKind::Key, std::string(1, static_cast<char>(c)));
    keys += static_cast<char>(c);
  }
  const std::string line = " a\\b\tc\x7f\xe3\x81\x82 ";
  text += record_line(RecordKind::Line, line) + record_line(RecordKind::Answer, "y");
  Recording r;
  std::string error;
  ASSERT_TRUE(parse_recording(text, "r.rec", r, error)) << error;
  EXPECT_EQ(r.lang, Lang::En);
  EXPECT_EQ(r.problem_path, "dir/my file\\.yaml");
  EXPECT_EQ(r.problem_text, problem);
  EXPECT_EQ(replay_input(r), keys + line + "\ny");
  EXPECT_EQ(recorded_keys(r), 254);  // ESC not counted
  // Cut inside the last line: the records before it.
  ASSERT_TRUE(parse_recording(text.substr(0, text.size() - 2), "r.rec", r, error)) << error;
  EXPECT_EQ(replay_input(r), keys + line + "\n");
}

TEST(Recording, RefusesBadFilesWithTheirLine) {
  const std::string head = std::string(kRecordingMagic) + "\nlang ja\nproblem dialog\n";
  struct Case {
    std::string text;
    int line;
    std::string why;
  };
  const Case cases[] = {
      {"robot:\n  type: scara\n", 1, "not a recording of cp_time_optimal; accepted: a first line"},
      {"cp_time_opt", 1, "ends before its problem is whole"},
      {std::string(kRecordingMagic) + "\nlang ja\nproblem file 40 p.yaml\nrobot: {type: scara}\n", 4,
       "ends before its problem is whole"},
      {std::string(kRecordingMagic) + "\nlang fr\n", 2, "accepted: ja, en"},
      {std::string(kRecordingMagic) + "\nlang ja\nproblem wizard\n", 3, "accepted: problem dialog"},
      {std::string(kRecordingMagic) + "\nlang ja\nproblem file 12 p.yaml\nrobot: delta\n", 4,
       "the recorded problem: robot: got 'delta'"},
      {head + "key s\nmouse 1 2\n", 5, "unknown record 'mouse'"},
      {head + "key ss\n", 4, "one character"},
      {head + "line a\\q\n", 4, "\\xHH"},
  };
  for (const Case& c : cases) {
    Recording r;
    std::string error;
    EXPECT_FALSE(parse_recording(c.text, "r.rec", r, error)) << c.text;
    EXPECT_EQ(error.rfind("r.rec:" + std::to_string(c.line) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
    EXPECT_NE(error.find("accepted: "), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace cpt
