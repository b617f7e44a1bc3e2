// cp_time_optimal_batch: the simulator without its window.
//
// The run starts like the simulator (defaults, the console dialog on standard
// input, or a problem file), then takes window keys from a string or from standard input and
// makes each one do what it does in the window: press_key, and run_frame when
// the key runs a frame. Standard output is the simulator's console output
// byte for byte, followed by one summary line; what the window would show as
// a message goes to standard error. Optionally the rebuilt trajectory and the
// reference motion are written as CSV files, and the last frame as SVG.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/state.h"
#include "session/app.h"
#include "session/recording.h"
#include "interaction/frame.h"
#include "planner/optimum.h"

namespace cpt {

// The command line.
struct BatchOptions {
  bool help = false;
  bool keys_given = false;  // --keys: keys from `keys`, else from standard input
  std::string keys;         // decoded: one byte per key
  std::string csv;          // --csv FILE; empty: no file
  std::string svg;          // --svg FILE; empty: no file
  bool optimum = false;     // --optimum: the optimal time on the summary line
  std::string optimum_csv;  // --optimum-csv FILE; empty: no file
  std::string problem;      // --problem FILE: the settings from FILE, no dialog; empty: the dialog
  bool print_problem = false;  // --print-problem: the settings after the start as a problem file
  bool lang_given = false;     // --lang ja|en: the console's language; else the environment's
  Lang lang = Lang::Ja;
  std::string replay;          // --replay FILE: the start, answers and keys of a recording
  bool grade = false;          // --grade FILE...: grade the recordings
  std::vector<std::string> grade_files;
  std::string grade_csv;       // --grade-csv FILE; empty: no file
  long variant = Teaching::kNoVariant;  // --variant N: student N's variant of --problem
  bool usage_hint = true;      // a refusal is followed by the line that points to --help
};

// Parses argv[1..argc-1]. On bad usage returns false with a one-line reason.
bool parse_batch_args(int argc, const char* const* argv, BatchOptions& opt, std::string& error);

// Decodes a --keys string: every non-blank character is one key; "\e" is ESC
// and "\\" a backslash. Any other backslash sequence is an error.
bool decode_keys(const std::string& text, std::string& keys, std::string& error);

// The file of the reference motion beside the trajectory file FILE:
// ".reference" inserted before the extension of the file name, or appended
// when it has none ("out.csv" -> "out.reference.csv", "out" -> "out.reference").
std::string reference_csv_path(const std::string& path);

// The --help text.
extern const char* const kBatchUsage;

// Runs keys until ESC or until next_key returns EOF. Each message the window
// would show is one line on `msg`; 'p' writes numbered SVG files as in the
// window. Returns the number of keys pressed, ESC not counted, or
// kInputEnded when the input ended inside a dialog that a key opened (the
// runner then ends with status 1, as the window program does); `shown`, if
// given, gets the view the window would show after the last key.
constexpr int kInputEnded = -1;
// `pictures` false: 'p' writes no file (grading).
int run_batch_keys(App& w, const std::function<int()>& next_key, FILE* msg,
                   FrameView* shown = nullptr, bool pictures = true);

// A recording played back on `w`: how its start went, the keys pressed
// (ESC not counted; all of them when the recording ends inside a dialog),
// the view the window would show after the last key, and the line that
// says why it could not be played.
struct Played {
  ReplayStart start = ReplayStart::InputEnded;
  int pressed = 0;
  FrameView shown;
  std::string error;
};
// Plays `r` on a fresh `w`: its console prints through w.con, its messages
// go to msg, and 'p' writes its pictures when `pictures` is set. False when
// the recorded problem gives no motion, or the input cannot be held (the
// line in out.error).
bool play_recording(App& w, const Recording& r, FILE* msg, Played& out, bool pictures = true);

// The summary line, without line ends:
// "batch: obtained=yes goal_time=1.442697 normal_cp_time=1.862533 NCHN=2 NCT=4 nf=143 keys=145"
std::string batch_summary(const App& w, int keys);

// Writes the rebuilt trajectory (steps 0..nf) to `path` and the reference
// motion (steps 0..nn) to reference_csv_path(path). On failure returns false
// with the reason.
bool write_batch_csv(const App& w, const std::string& path, std::string& error);

// Writes the automatic optimum's motion (its time grid) to `path`, with the
// columns of write_batch_csv. On failure returns false with the reason.
bool write_optimum_csv(const App& w, const Optimum& o, const std::string& path, std::string& error);

// The whole program: returns its exit status. The console (dialog, keys from
// its input, output) is `console`, standard input and output by default;
// usage errors and the window's messages go to `msg`.
int batch_main(int argc, const char* const* argv, FILE* msg, const Console& console = Console());

}  // namespace cpt
