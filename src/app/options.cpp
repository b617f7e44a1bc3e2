#include "app/options.h"

#include <cstring>

#include "core/args.h"

namespace cpt {

const char* const kWindowUsage =
    "usage: cp_time_optimal [--problem FILE] [--record FILE | --replay FILE]\n"
    "                       [--lang ja|en] [window system options]\n"
    "\n"
    "Builds the time-optimal motion of a two-joint robot along a path, key by\n"
    "key in the phase plane. The console dialog sets robot, joint acceleration\n"
    "limits and path; then the window opens. It needs an X display; the\n"
    "window-less runner cp_time_optimal_batch (built beside it) takes the same\n"
    "dialog and keys without one.\n"
    "\n"
    "  --problem FILE take the settings from the problem file FILE (YAML: robot,\n"
    "                 joint limits, hand speed limit, path; see \"Your own\n"
    "                 problem\" in the README) instead of the dialog.\n"
    "                 'a' 'b' 'u' 'k' still open the dialog, starting from the\n"
    "                 file's settings.\n"
    "  --record FILE  write the run to FILE as it goes: its start (the dialog's\n"
    "                 answers, or the problem file), then every window key and\n"
    "                 console answer, each flushed at once; the window says so\n"
    "                 under its panel. cp_time_optimal_batch --replay FILE\n"
    "                 plays it back, --grade FILE grades it.\n"
    "  --replay FILE  play a recording back in the window: its start, then its\n"
    "                 keys one every 50 ms with the dialogs answered from it\n"
    "                 ('+' faster, '-' slower, space pauses, ESC quits), up to\n"
    "                 where the recorded run ended; then the window and the\n"
    "                 console are yours. Takes neither --problem nor --record.\n"
    "  --lang ja|en   the console's language: Japanese or English. Without it\n"
    "                 the environment decides: the first of LC_ALL, LC_MESSAGES\n"
    "                 and LANG that is set (LANGUAGE first, unless that locale\n"
    "                 is C or POSIX); English when it names a language other\n"
    "                 than Japanese, Japanese when it names Japanese, is C,\n"
    "                 POSIX or C.UTF-8, or when none is set.\n"
    "  --help, -h     this text.\n"
    "  -display DISPLAY, -geometry WxH+X+Y, -iconic, -direct, -indirect,\n"
    "  -gldebug, -sync\n"
    "                 passed on to the window system (GLUT).\n"
    "\n"
    "Keys in the window:\n"
    "  a b            choose the robot (reopens the console dialog)\n"
    "  u              change the joint acceleration limits (dialog)\n"
    "  k              change the CP path (dialog)\n"
    "  s              one more step with the current torque choice\n"
    "  t              one step back, continue with a twentieth of the step\n"
    "  r              one step back and switch the torque choice\n"
    "  c              switch the torque choice here\n"
    "  f              land on the final deceleration curve (press just past it)\n"
    "  0              restart the construction at rest, or rewind the walk or\n"
    "                 the replay to its start\n"
    "  o              show or hide the automatic optimum\n"
    "  l              follow a speed limit's ceiling from just below it\n"
    "  w W            zoom out / in (the motion stays where it is)\n"
    "  x X y Y        move the picture (the motion stays where it is)\n"
    "  p              save the frame on the screen as cp_time_optimal-NNN.svg\n"
    "                 in the working directory\n"
    "  ESC            quit\n"
    "\n"
    "Exit status: 0 after ESC; 1 without an X display (one line on standard\n"
    "error, before the dialog asks anything) and when the input ends inside the\n"
    "dialog; 2 on bad usage, and on a problem file that cannot be read or gives\n"
    "no motion (one line on standard error, before any window).\n";

namespace {

// An argument as it can be shown within one line: control bytes as '?'.
std::string shown(const char* arg) {
  std::string s(arg);
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return s;
}

}  // namespace

bool take_lang_option(int& argc, char** argv, Lang& lang, bool& given, std::string& error) {
  return take_option(argc, argv, "--lang", given, [&lang](const char* value) -> std::string {
    if (value && lang_named(value, lang)) return "";
    return std::string("--lang: got '") + (value ? shown(value) : "") + "'; accepted: ja, en";
  }, error);
}

bool take_file_option(int& argc, char** argv, const char* name, std::string& path, std::string& error) {
  path.clear();
  bool given = false;
  return take_option(argc, argv, name, given, [&path, name](const char* value) -> std::string {
    if (!value || !*value) return std::string(name) + " needs a file name";
    path = value;
    return "";
  }, error);
}

WindowArgs check_window_args(int argc, char** argv, std::string& display, std::string& error) {
  display.clear();
  bool help = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
      help = true;
    } else if (!std::strcmp(arg, "-display") || !std::strcmp(arg, "-geometry")) {
      if (i + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return WindowArgs::Bad;
      }
      if (arg[1] == 'd') display = argv[i + 1];
      ++i;
    } else if (!std::strcmp(arg, "-iconic") || !std::strcmp(arg, "-direct") || !std::strcmp(arg, "-indirect") ||
               !std::strcmp(arg, "-gldebug") || !std::strcmp(arg, "-sync")) {
    } else if (arg[0] == '-') {
      error = "unknown option " + shown(arg);
      return WindowArgs::Bad;
    } else {
      error = "unexpected argument " + shown(arg);
      return WindowArgs::Bad;
    }
  }
  return help ? WindowArgs::Help : WindowArgs::Run;
}

std::string shell_word(const std::string& word) {
  static const char kPlain[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+=.,:/@%";
  if (!word.empty() && word.find_first_not_of(kPlain) == std::string::npos) return word;
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace cpt
