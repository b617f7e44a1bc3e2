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

// One key press is one frame: the key changes the motion or the view, and the
// frame it runs is drawn at once.
void keyboard(unsigned char key, int, int) {
  // A blank does nothing in the window, and a recording's keys are read as
  // the console reads keys, blanks passed over.
  if (recording.is_open() && !std::isspace(key)) recording.add(RecordKind::Key, std::string(1, static_cast<char>(key)));
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
      // The input ended inside the dialog: the program ends.
      if (!app_dialog(world, key)) std::exit(1);
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

// --record FILE: the file with its header, and every console answer and
// window key added from now on. False with one line in `error`.
bool start_recording(const std::string& path, const std::string& problem, std::string& error) {
  std::string header;
  if (!app_recording_header(world, problem, header, error) || !recording.open(path, header, error)) return false;
  app_record_answers(world, recording);
  set_session_line("Recording to " + path);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // A problem file replaces the dialog; a bad one ends the program with one
  // line before anything else, the display not even asked for.
  std::string problem, record, error;
  if (!take_problem_option(argc, argv, problem, error) || !take_file_option(argc, argv, "--record", record, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 2;
  }
  if (!choose_language(argc, argv)) return 2;
  // The rest is --help or the window system's options; anything else is
  // refused before the dialog, pointing to --help.
  std::string display_name;
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
  if (!problem.empty() && !app_load_problem(world, problem, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  // Without a display the window cannot open: say so before the dialog asks anything.
  if (!hold_display(display_name)) {
    std::fputs(no_display_message(argv[0], display_name).c_str(), stderr);
    return 1;
  }
  if (!record.empty() && !start_recording(record, problem, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  if (problem.empty()) {
    if (!app_start_up(world)) return 1;  // the input ended inside the dialog
  } else if (!app_start_problem(world, problem, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  open_window(&argc, argv, display, keyboard);
  release_display();
  glutMainLoop();
  return 0;
}
