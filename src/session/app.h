// One run of either program: the problem, the model built from it, the
// prepared curves, the data of the motion and the picture, held together in
// the one App that the window program and the runner each own. Every layer
// below is handed only the parts it needs; the functions here hand them out
// for what both programs do.
#pragma once

#include <string>

#include "core/state.h"
#include "interaction/frame.h"
#include "interaction/keys.h"
#include "session/recording.h"

namespace cpt {

struct App {
  Problem pb;     // what the user set
  Model m;        // built from pb by the last preparation
  Curves cv;      // the last preparation's curves
  Data d;         // the motion and everything that moves
  Picture pic;    // layout and view
  Console con;    // where the run's console text goes and its answers come from
};

// The start of a run: the start-up problem, then the dialog, which prepares
// the first motion. 1, or 0 when the input ended inside the dialog (the
// program then ends with status 1).
int app_start_up(App& app);

// The settings dialog opened by window key `key` ('a', 'b', 'u', 'k'); 1
// once a motion is prepared, 0 when the input ended.
int app_dialog(App& app, int key);

// The problem file at `path` in place of the dialog's answers, with the
// start-up picture for its robot. False with the one line in `error`.
bool app_load_problem(App& app, const std::string& path, std::string& error);

// The start from the loaded problem file (start_problem).
bool app_start_problem(App& app, const std::string& path, std::string& error);

// A window key, with the report it makes printed: one diagnostic scope that
// the key's frame (app_run_frame) ends.
KeyAction app_press_key(App& app, unsigned char key);
// The key's frame, with the report it makes printed.
FrameView app_run_frame(App& app, const OnObtained& on_obtained = {});

// Every key and line the console reads from here on is added to `rec` as an
// answer (the window's own keys are added by the window program).
void app_record_answers(App& app, RecordingWriter& rec);

// The header of a recording of this run, which starts with the dialog (an
// empty `problem_path`) or with the problem file at `problem_path`. False
// with one line in `error` when the problem file cannot be read again.
bool app_recording_header(const App& app, const std::string& problem_path, std::string& header, std::string& error);

// How the start of a recorded run went.
enum class ReplayStart {
  Started,     // a motion is prepared, the keys follow
  InputEnded,  // the recording ends inside the start's dialog
  Refused,     // the recorded problem gives no motion (one line in `error`)
};

// Starts the run of recording `r`: its language, `input` as the console's
// input (the caller gives it replay_input(r)), then its start: the dialog,
// answered from the input, or the recorded problem file under the name the
// recorded run gave it, so that the console shows the same text.
ReplayStart app_start_replay(App& app, const Recording& r, FILE* input, std::string& error);

}  // namespace cpt
