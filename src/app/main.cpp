// cp_time_optimal: interactive time-optimal control of a two-joint robot
// along a continuous path, by phase-plane analysis.
#include <GL/freeglut.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/display.h"
#include "app/display_check.h"
#include "console/dialog.h"
#include "interaction/keys.h"
#include "app/gl_backend.h"
#include "app/options.h"
#include "app/replay.h"
#include "console/input.h"
#include "app/window.h"
#include "core/state.h"
#include "session/app.h"
#include "session/recording.h"
#include "plots/frame_svg.h"
#include "problem/problem_file.h"

using namespace cpt;

namespace {

// The one run; only main and the window callbacks reach it.
App world;
// What every frame of the window is drawn on.
GlBackend gl;
// What the window shows: the view of the last frame.
FrameView shown;
// The number of the next picture file that 'p' writes.
int next_picture = 1;
// The recording of the run (--record FILE); not open: none.
RecordingWriter recording;

// The window system asks for the picture again: it is redrawn as it was. Only
// keys move the motion on, so uncovering or moving the window changes nothing.
void display() { redraw_frame(gl, world, shown); }

// The replay of a recording (--replay FILE), and the file its keys and
// answers are read from while it runs.
WindowReplay replay;
FILE* replay_input_file = nullptr;

void end_replay();

// What a key does in the window: the frame it runs is drawn at once.
void press(unsigned char key) {
  switch (app_press_key(world, key)) {
    case KeyAction::Frame:
      shown = display_frame(gl, world);
      break;
    case KeyAction::Dialog: {
      // The window cannot be serviced while the dialog reads the terminal:
      // its last picture says where the answers go.
      FrameView waiting = shown;
      waiting.notice = kNoticeAnswerInTerminal;
      redraw_frame(gl, world, waiting);
      // The input ended inside the dialog: the program ends; a replay cut
      // off inside it ends there, and the user answers the dialog.
      if (!app_dialog(world, key) && (!replay.active || (end_replay(), !app_dialog(world, key)))) std::exit(1);
      // A new motion: its curves and boundary, from rest.
      shown = FrameView{};
      glutPostRedisplay();
      break;
    }
    case KeyAction::Picture:
      save_numbered_svg(world.con, world.m, world.cv, world.d, world.pic, shown, next_picture);
      break;
    case KeyAction::Quit:
      std::exit(0);
    case KeyAction::Ignored:
      break;
  }
}

// The user's key. While a replay runs it only paces the replay (or quits).
void keyboard(unsigned char key, int, int) {
  if (replay.active) {
    const ReplayKey k = replay_key(key);
    if (k == ReplayKey::Quit) std::exit(0);
    if (apply_replay_key(replay, k)) {
      set_session_line(replay_line(replay));
      glutPostRedisplay();
    }
    return;
  }
  // A blank does nothing in the window, and a recording's keys are read as
  // the console reads keys, blanks passed over.
  if (recording.is_open() && !std::isspace(key)) recording.add(RecordKind::Key, std::string(1, static_cast<char>(key)));
  press(key);
}

// The replay has run its keys: the console reads the user's input again.
void end_replay() {
  replay.active = false;
  world.con.set_streams(nullptr, world.con.out());
  std::fclose(replay_input_file);
  replay_input_file = nullptr;
  set_session_line(replay_line(replay));
  glutPostRedisplay();
}

// One recorded key per tick, each with its frame; a dialog it opens reads
// its answers from the recording.
void replay_tick(int) {
  if (!replay.active) return;
  if (!replay.paused) {
    const int c = con_key(world.con);
    // The recorded run ended here (ESC, the window closed, the recording cut off).
    if (c == EOF || c == 27) return end_replay();
    ++replay.done;
    set_session_line(replay_line(replay));
    press(static_cast<unsigned char>(c));
  }
  glutTimerFunc(static_cast<unsigned>(replay.delay_ms), replay_tick, 0);
}

// The console's language: --lang, else the environment. False, with one
// line on standard error, for an unknown --lang.
bool choose_language(int& argc, char** argv) {
  Lang lang = Lang::Ja;
  bool given = false;
  std::string error;
  if (!take_lang_option(argc, argv, lang, given, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return false;
  }
  world.con.set_lang(given ? lang : lang_from_environment([](const char* name) -> const char* {
    return std::getenv(name);
  }));
  return true;
}

// --replay FILE: the recording read and its start run, the console's input
// the recording's until its keys are run. The exit status when it cannot
// start (one line on standard error), else -1.
int start_replay(const std::string& path, const Recording& r) {
  std::string error;
  replay_input_file = std::tmpfile();
  const std::string input = replay_input(r);
  if (!replay_input_file || std::fwrite(input.data(), 1, input.size(), replay_input_file) != input.size() ||
      std::fseek(replay_input_file, 0, SEEK_SET) != 0) {
    std::fprintf(stderr, "%s: cannot hold the recorded input\n", path.c_str());
    return 1;
  }
  switch (app_start_replay(world, r, replay_input_file, error)) {
    case ReplayStart::Refused: std::fprintf(stderr, "%s\n", error.c_str()); return 2;
    case ReplayStart::InputEnded: return 1;
    case ReplayStart::Started: break;
  }
  replay.path = path;
  replay.active = true;
  replay.total = recorded_keys(r);
  set_session_line(replay_line(replay));
  return -1;
}

// --record FILE: the file with its header, and every console answer and
// window key added from now on. False with one line in `error`.
bool start_recording(const std::string& path, const std::string& problem, std::string& error) {
  std::string header;
  if (!app_recording_header(world, problem, header, error) || !recording.open(path, header, error)) return false;
  app_record_answers(world, recording);
  set_session_line("Recording to " + path);
  return true;
}

// The files of the command line, taken out of it before the window system sees it.
struct Files {
  std::string problem, record, replay;
};

// The command line: the exit status when the program ends here (--help, bad
// usage with one line on standard error), else -1.
int read_command_line(int& argc, char** argv, Files& files, std::string& display_name) {
  std::string error;
  if (!take_problem_option(argc, argv, files.problem, error) ||
      !take_file_option(argc, argv, "--record", files.record, error) ||
      !take_file_option(argc, argv, "--replay", files.replay, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 2;
  }
  if (!files.replay.empty() && (!files.problem.empty() || !files.record.empty())) {
    std::fprintf(stderr, "%s: --replay takes the recording's start: --problem and --record do not go with it\n",
                 argv[0]);
    return 2;
  }
  if (!choose_language(argc, argv)) return 2;
  // The rest is --help or the window system's options; anything else is
  // refused before the dialog, pointing to --help.
  switch (check_window_args(argc, argv, display_name, error)) {
    case WindowArgs::Bad:
      std::fprintf(stderr, "%s: %s (%s --help lists the options)\n", argv[0], error.c_str(),
                   shell_word(argv[0]).c_str());
      return 2;
    case WindowArgs::Help:
      std::fputs(kWindowUsage, stdout);
      return 0;
    case WindowArgs::Run:
      break;
  }
  return -1;
}

// The start of the run: the dialog, the problem file or the recording, with
// the recording of this run begun first. The exit status when the program
// ends here, else -1.
int start_run(const Files& files, const Recording& r) {
  std::string error;
  if (!files.record.empty() && !start_recording(files.record, files.problem, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  if (!files.replay.empty()) return start_replay(files.replay, r);
  if (files.problem.empty()) return app_start_up(world) ? -1 : 1;  // 1: the input ended inside the dialog
  if (app_start_problem(world, files.problem, error)) return -1;
  std::fprintf(stderr, "%s\n", error.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Files files;
  std::string display_name, error;
  if (const int status = read_command_line(argc, argv, files, display_name); status >= 0) return status;
  // A bad problem file or recording ends the program with one line before
  // anything else, the display not even asked for.
  Recording r;
  if ((!files.problem.empty() && !app_load_problem(world, files.problem, error)) ||
      (!files.replay.empty() && !load_recording(files.replay, r, error))) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  // Without a display the window cannot open: say so before the dialog asks anything.
  if (!hold_display(display_name)) {
    std::fputs(no_display_message(argv[0], display_name).c_str(), stderr);
    return 1;
  }
  if (const int status = start_run(files, r); status >= 0) return status;
  open_window(&argc, argv, display, keyboard);
  release_display();
  if (replay.active) glutTimerFunc(static_cast<unsigned>(replay.delay_ms), replay_tick, 0);
  glutMainLoop();
  return 0;
}
