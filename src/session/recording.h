// A recording of a run: how it started (the dialog, or a problem file kept
// whole inside the recording), then every window key and every answer typed
// at the console, in the order they were made. The window program writes one
// as it runs (--record FILE), a line per key, flushed at once, so that a
// window closed or a program ended by a crash leaves every key up to it; both
// programs play one back (--replay FILE), and the runner grades them.
//
// The file is text, one record per line:
//
//   cp_time_optimal recording 1          the first line, always
//   lang ja                              the console's language (ja | en)
//   problem dialog                       the start: the dialog, answered below
//   problem file 342 docs/mine.yaml      or: a problem file of 342 bytes, named
//   <the 342 bytes of the file>          as the run named it, then a line end
//   answer n                             a key typed at a console question
//   line 0.2 0 0.4 0.2                   a line typed at a console prompt
//   key s                                a key pressed in the window
//
// In a key, an answer, a line and a file name, a byte below 0x20, 0x7f and
// the backslash are written \xHH (a key or an answer that is a blank, too).
// Only whole lines count: a recording cut off inside its last line plays up
// to the line before; one cut off before its problem is whole is refused.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/problem.h"
#include "core/texts.h"

namespace cpt {

// The first line of every recording.
inline constexpr const char* kRecordingMagic = "cp_time_optimal recording 1";

enum class RecordedStart { Dialog, ProblemFile };
enum class RecordKind { Key, Answer, Line };

struct Record {
  RecordKind kind = RecordKind::Key;
  std::string text;  // one byte for a key or an answer; a line without its end
  int line = 0;      // where it stands in the file (1-based)
};

struct Recording {
  Lang lang = Lang::Ja;
  RecordedStart start = RecordedStart::Dialog;
  std::string problem_path;  // the problem file as the run named it
  std::string problem_text;  // its bytes
  Problem pb;                // read from them (a problem-file start)
  std::vector<Record> records;
};

// The recording's header: the first line, the language, the start.
std::string recording_header(Lang lang, RecordedStart start, const std::string& problem_path = "",
                             const std::string& problem_text = "");
// One record as its line, line end included.
std::string record_line(RecordKind kind, const std::string& text);

// Reads the text of the recording `name`. False with one line
// "NAME:LINE: what is wrong; accepted: what would do" in `error`.
bool parse_recording(const std::string& text, const std::string& name, Recording& r, std::string& error);
// Reads the file `path` and parses it; "PATH: cannot read: reason" when it
// cannot be read.
bool load_recording(const std::string& path, Recording& r, std::string& error);

// The console input that gives the recorded keys and answers in their order:
// what the runner reads its keys and the dialog its answers from.
std::string replay_input(const Recording& r);

// The number of window keys recorded, ESC not counted.
int recorded_keys(const Recording& r);

// Writes a recording as the run goes, each line flushed as it is written.
class RecordingWriter {
 public:
  RecordingWriter() = default;
  RecordingWriter(const RecordingWriter&) = delete;
  RecordingWriter& operator=(const RecordingWriter&) = delete;
  ~RecordingWriter();

  // Creates (or empties) the file and writes the header. False with one line in `error`.
  bool open(const std::string& path, const std::string& header, std::string& error);
  bool is_open() const { return f_ != nullptr; }
  const std::string& path() const { return path_; }
  void add(RecordKind kind, const std::string& text);

 private:
  FILE* f_ = nullptr;
  std::string path_;
};

}  // namespace cpt
