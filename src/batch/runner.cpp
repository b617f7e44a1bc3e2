#include "batch/runner.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "batch/grade.h"
#include "console/dialog.h"
#include "core/console.h"
#include "core/files.h"
#include "core/text.h"
#include "core/units.h"
#include "interaction/frame.h"
#include "interaction/keys.h"
#include "console/input.h"
#include "planner/calcp.h"
#include "plots/frame_svg.h"
#include "problem/problem_file.h"
#include "problem/variant.h"
#include "session/recording.h"

namespace cpt {

namespace {

constexpr int kEsc = 27;

void message(FILE* msg, const char* text) {
  std::fprintf(msg, "%s\n", text);
  std::fflush(msg);
}

int last_index(int n) { return std::clamp(n, 0, NTAB - 1); }

}  // namespace

const char* const kBatchUsage =
    "usage: cp_time_optimal_batch [--keys STRING] [--csv FILE] [--svg FILE]\n"
    "                             [--optimum] [--optimum-csv FILE]\n"
    "                             [--problem FILE] [--print-problem]\n"
    "                             [--replay FILE]\n"
    "       cp_time_optimal_batch --grade [--problem FILE] [--grade-csv FILE]\n"
    "                             RECORDING...\n"
    "       cp_time_optimal_batch --problem FILE --variant N --print-problem\n"
    "\n"
    "Runs the simulator without its window. The settings dialog is answered\n"
    "on standard input as in the simulator; then every window key is read and\n"
    "does exactly what it does in the window ('s' 't' 'r' 'c' 'f' 'l' move the\n"
    "motion on; '0' puts it back at its start, 'o' shows or hides the optimum\n"
    "and 'w' 'W' 'x' 'X' 'y' 'Y' zoom and move the picture, none of them a step;\n"
    "'a' 'b' 'u' 'k' run the dialog again, answered on standard input; 'p'\n"
    "writes the frame as cp_time_optimal-NNN.svg in the working directory).\n"
    "ESC or the end of the keys ends the run.\n"
    "\n"
    "  --keys STRING  the keys, one character each; blanks are skipped, \\e is\n"
    "                 ESC and \\\\ a backslash. Without --keys every further\n"
    "                 non-blank character of standard input is one key.\n"
    "  --csv FILE     when a trajectory was obtained, write it to FILE (step,\n"
    "                 t, s, sd, x, y, both joint values and both joint\n"
    "                 efforts, per unit mass or, for a real robot, in N*m and\n"
    "                 N, steps 0..nf) and the reference motion to\n"
    "                 FILE with \".reference\" before its extension (step, t, s,\n"
    "                 sd, x, y, steps 0..nn); the first line names the columns.\n"
    "  --svg FILE     write the last frame of the run, the one the window would\n"
    "                 show after the last key, to FILE as an SVG picture of the\n"
    "                 window (800 x 800).\n"
    "  --optimum      after the keys, compute the automatic time-optimal motion\n"
    "                 for the last settings and add \" optimal_time=T\" to the\n"
    "                 summary line (0 when there is no feasible motion; the\n"
    "                 reason then goes to standard error).\n"
    "  --optimum-csv FILE\n"
    "                 write that optimal motion to FILE with the columns of\n"
    "                 --csv, on its time grid of 0.01 s and at its end time.\n"
    "  --problem FILE take the settings from the problem file FILE (YAML: robot,\n"
    "                 joint limits, hand speed limit, path; see \"Your own\n"
    "                 problem\" in the README) instead of the dialog. The start\n"
    "                 prints the key help and what the dialog prints once it\n"
    "                 is answered (the settings summary, the preparation).\n"
    "                 'a' 'b' 'u' 'k' still open the dialog, starting from the\n"
    "                 file's settings.\n"
    "  --print-problem\n"
    "                 after the start (the dialog, or --problem) write the\n"
    "                 settings as a problem file on standard output and end;\n"
    "                 the start's console text goes to standard error instead.\n"
    "                 Runs no keys, so it takes none of --keys, --csv, --svg,\n"
    "                 --optimum, --optimum-csv. Read back with --problem, the\n"
    "                 file gives the same run.\n"
    "  --replay FILE  play back a recording that cp_time_optimal --record FILE\n"
    "                 wrote: its start (the dialog's answers or the problem\n"
    "                 file), its language, its keys and console answers. The\n"
    "                 console shows what the recorded window's console showed,\n"
    "                 byte for byte; a recording cut off ends where it was cut\n"
    "                 (inside a dialog: where the input ends). Takes none of\n"
    "                 --keys, --problem, --print-problem, --lang.\n"
    "  --grade RECORDING...\n"
    "                 play each recording back and grade it: one JSON object a\n"
    "                 line on standard output with the problem's name and\n"
    "                 digest, whether a trajectory was obtained (why not), the\n"
    "                 goal time, the exact optimum, the gap in seconds and\n"
    "                 percent, the switchings against the optimum's, each\n"
    "                 switching's distance in s from the optimum's nearest, the\n"
    "                 largest excess over the joint and the speed limits, the\n"
    "                 keys. With --problem FILE a recording of another problem\n"
    "                 (or of another student's variant of it) is flagged\n"
    "                 wrong_problem and not graded. A recording that cannot be\n"
    "                 read is refused with one line (status 2); the others are\n"
    "                 graded all the same.\n"
    "  --grade-csv FILE\n"
    "                 with --grade, also write one CSV row per recording.\n"
    "  --variant N    with --problem and --print-problem: write student N's\n"
    "                 variant of the problem (limits within +-15 %, points\n"
    "                 moved by at most 2 mm in x and y, always feasible; N kept\n"
    "                 in the file's teaching section).\n"
    "  --lang ja|en   the console's language: Japanese or English. Without it\n"
    "                 the environment decides: the first of LC_ALL, LC_MESSAGES\n"
    "                 and LANG that is set (LANGUAGE first, unless that locale\n"
    "                 is C or POSIX); English when it names a language other\n"
    "                 than Japanese, Japanese when it names Japanese, is C,\n"
    "                 POSIX or C.UTF-8, or when none is set.\n"
    "  --help, -h     this text.\n"
    "\n"
    "Standard output is the simulator's console output byte for byte, then\n"
    "\"\\n\" + one summary line + \"\\n\":\n"
    "  batch: obtained=yes goal_time=T normal_cp_time=T NCHN=N NCT=N nf=N keys=N\n"
    "(with --optimum followed by \" optimal_time=T\")\n"
    "(times in seconds; keys = keys pressed before the end, ESC not counted).\n"
    "The window's messages (\"Trajectory obtained!\", the failed-step message,\n"
    "notices) go to standard error, one line each.\n"
    "\n"
    "Exit status: 0 after the run, also when no trajectory was obtained;\n"
    "1 when the input ends inside the dialog or a CSV or SVG file cannot be\n"
    "written; 2 on bad usage, and on a problem file that cannot be read, is\n"
    "not a problem (one line \"FILE:LINE: what is wrong; accepted: ...\" on\n"
    "standard error, nothing run) or gives no motion (after the summary).\n";

bool decode_keys(const std::string& text, std::string& keys, std::string& error) {
  keys.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    if (c != '\\') {
      keys.push_back(c);
      continue;
    }
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (next == 'e') {
      keys.push_back(static_cast<char>(kEsc));
    } else if (next == '\\') {
      keys.push_back('\\');
    } else {
      error = "--keys: a backslash must be followed by 'e' (ESC) or '\\' (at position " +
              std::to_string(i + 1) + ")";
      return false;
    }
    ++i;
  }
  return true;
}

namespace {

// Which of the options with a value were given.
struct Given {
  bool csv = false, svg = false, optimum_csv = false, problem = false, replay = false, grade_csv = false,
       variant = false;
};

bool takes_value(const std::string& arg) {
  return arg == "--keys" || arg == "--csv" || arg == "--svg" || arg == "--optimum-csv" || arg == "--problem" ||
         arg == "--lang" || arg == "--replay" || arg == "--grade-csv" || arg == "--variant";
}

// --lang: once, and one of the languages (a refusal is one line).
bool take_lang(const std::string& value, BatchOptions& opt, std::string& error) {
  if (opt.lang_given) {
    error = "--lang given twice";
    return false;
  }
  opt.lang_given = true;
  if (lang_named(value.c_str(), opt.lang)) return true;
  error = "--lang: got '" + value + "'; accepted: ja, en";
  opt.usage_hint = false;
  return false;
}

// An option with its value: once only, a file name not empty, keys decoded.
// --variant: once, a student number.
bool take_variant(const std::string& value, BatchOptions& opt, Given& g, std::string& error) {
  if (g.variant) {
    error = "--variant given twice";
    return false;
  }
  g.variant = true;
  char* end = nullptr;
  const long n = std::strtol(value.c_str(), &end, 10);
  if (!value.empty() && *end == '\0' && std::isdigit(static_cast<unsigned char>(value[0])) && n <= kMaxVariant) {
    opt.variant = n;
    return true;
  }
  error = "--variant: got '" + value + "'; accepted: a student number from 0 to " + std::to_string(kMaxVariant);
  return false;
}

bool take_value(const std::string& arg, const std::string& value, BatchOptions& opt, Given& g, std::string& error) {
  if (arg == "--lang") return take_lang(value, opt, error);
  if (arg == "--variant") return take_variant(value, opt, g, error);
  bool& given = arg == "--keys"      ? opt.keys_given
                : arg == "--csv"     ? g.csv
                : arg == "--svg"     ? g.svg
                : arg == "--problem" ? g.problem
                : arg == "--replay"  ? g.replay
                : arg == "--grade-csv" ? g.grade_csv
                                     : g.optimum_csv;
  if (given) {
    error = arg + " given twice";
    return false;
  }
  given = true;
  if (arg == "--keys") return decode_keys(value, opt.keys, error);
  if (value.empty()) {
    error = arg + " needs a file name";
    return false;
  }
  (arg == "--csv"       ? opt.csv
   : arg == "--svg"     ? opt.svg
   : arg == "--problem" ? opt.problem
   : arg == "--replay"  ? opt.replay
   : arg == "--grade-csv" ? opt.grade_csv
                        : opt.optimum_csv) = value;
  return true;
}

// --print-problem ends after the start: options of the keys' run do not fit.
bool print_problem_alone(const BatchOptions& opt, const Given& g, std::string& error) {
  if (!opt.print_problem) return true;
  const char* run_option = opt.keys_given      ? "--keys"
                           : g.csv             ? "--csv"
                           : g.svg             ? "--svg"
                           : opt.optimum       ? "--optimum"
                           : g.optimum_csv     ? "--optimum-csv"
                                               : nullptr;
  if (!run_option) return true;
  error = std::string("--print-problem runs no keys: ") + run_option + " does not go with it";
  return false;
}

// A recording brings its own start, language and keys.
bool replay_alone(const BatchOptions& opt, std::string& error) {
  if (opt.replay.empty()) return true;
  const char* other = opt.keys_given       ? "--keys"
                      : !opt.problem.empty() ? "--problem"
                      : opt.print_problem    ? "--print-problem"
                      : opt.lang_given       ? "--lang"
                                             : nullptr;
  if (!other) return true;
  error = std::string("--replay takes the recording's start, language and keys: ") + other +
          " does not go with it";
  return false;
}

// --grade takes its files, --problem and --grade-csv; --variant goes with
// --problem and --print-problem.
bool grade_and_variant_fit(const BatchOptions& opt, const Given& g, std::string& error) {
  const bool run = opt.keys_given || g.csv || g.svg || opt.optimum || g.optimum_csv || g.replay || opt.lang_given ||
                   opt.print_problem;
  if (opt.grade && run) error = "--grade takes recordings, --problem and --grade-csv only";
  if (opt.grade && opt.grade_files.empty()) error = "--grade needs at least one recording";
  if (!opt.grade && !opt.grade_files.empty()) error = "unexpected argument " + opt.grade_files[0];
  if (!opt.grade && g.grade_csv) error = "--grade-csv goes with --grade";
  if (g.variant && (opt.problem.empty() || !opt.print_problem)) error = "--variant goes with --problem and --print-problem";
  return error.empty();
}

}  // namespace

bool parse_batch_args(int argc, const char* const* argv, BatchOptions& opt, std::string& error) {
  opt = BatchOptions{};
  Given given;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      opt.help = true;
    } else if (arg == "--optimum") {
      opt.optimum = true;
    } else if (arg == "--print-problem") {
      opt.print_problem = true;
    } else if (arg == "--grade") {
      opt.grade = true;
    } else if (!arg.empty() && arg[0] != '-') {
      opt.grade_files.push_back(arg);
    } else if (takes_value(arg)) {
      if (i + 1 >= argc) {
        error = arg + " needs an argument";
        return false;
      }
      if (!take_value(arg, argv[++i], opt, given, error)) return false;
    } else {
      error = (!arg.empty() && arg[0] == '-' ? "unknown option " : "unexpected argument ") + arg;
      return false;
    }
  }
  return print_problem_alone(opt, given, error) && replay_alone(opt, error) &&
         grade_and_variant_fit(opt, given, error);
}

std::string reference_csv_path(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t name = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.find_last_of('.');
  // A dot that starts the file name ("dir/.csv") is not an extension.
  if (dot == std::string::npos || dot <= name) return path + ".reference";
  return path.substr(0, dot) + ".reference" + path.substr(dot);
}

int run_batch_keys(App& w, const std::function<int()>& next_key, FILE* msg, FrameView* shown, bool pictures) {
  int pressed = 0;
  // What the window shows: the first motion from rest, then each key's frame.
  FrameView view;
  int next_picture = 1;
  for (int c = next_key(); c != EOF; c = next_key()) {
    const KeyAction action = app_press_key(w, static_cast<unsigned char>(c));
    if (action == KeyAction::Quit) break;
    ++pressed;
    if (action == KeyAction::Dialog) {
      if (!app_dialog(w, c)) return kInputEnded;
      view = FrameView{};
    }
    if (action == KeyAction::Picture && pictures) save_numbered_svg(w.con, w.m, w.cv, w.d, w.pic, view, next_picture);
    if (action != KeyAction::Frame) continue;
    // "Trajectory obtained!" once the rebuild succeeded, before its report is printed.
    view = app_run_frame(w, [msg](const FrameView&) { message(msg, kMsgObtained); });
    if (view.step_failed) message(msg, view.step_failed);
    if (view.notice) message(msg, view.notice);
  }
  if (shown) *shown = view;
  return pressed;
}

std::string batch_summary(const App& w, int keys) {
  const Motion& mo = w.d.mo;
  char line[256];
  std::snprintf(line, sizeof line,
                "batch: obtained=%s goal_time=%.6f normal_cp_time=%.6f NCHN=%d NCT=%d nf=%d keys=%d",
                mo.traj_state == TrajState::Obtained ? "yes" : "no", mo.tf, mo.Tn, mo.NCHN, mo.NCT, mo.nf, keys);
  return line;
}

// The first line of a motion's CSV file. Robot 'a' has a rotary and a
// prismatic joint, robot 'b' two rotary joints; the joint efforts in their
// units (core/units.h).
void motion_header(std::string& text, const RobotSpec& robot) {
  const bool prismatic = robot.kind == Robot::Cylindrical;
  const EffortUnit &e1 = effort_unit(robot, 0), &e2 = effort_unit(robot, 1);
  appendf(text, "step,t [s],s,sd [1/s],x [m],y [m],joint1 [rad],joint2 [%s],%s [%s],%s [%s]\n",
         prismatic ? "m" : "rad", e1.column, e1.unit, e2.column, e2.unit);
}

bool write_batch_csv(const App& w, const std::string& path, std::string& error) {
  const Motion& mo = w.d.mo;
  std::string traj;
  motion_header(traj, w.pb.robot);
  for (int k = 0; k <= last_index(mo.nf); ++k) {
    const HandRecord& p = mo.CP[k];
    const auto& acc = shown_acc(mo, k);
    appendf(traj, "%d,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g\n", k, mo.tt[k], mo.Y[k][0], mo.Y[k][1], p.x,
           p.y, mo.fi[k][0], mo.fi[k][1], acc[0], acc[1]);
  }
  std::string ref = "step,t [s],s,sd [1/s],x [m],y [m]\n";
  for (int k = 0; k <= last_index(mo.nn); ++k) {
    appendf(ref, "%d,%.9g,%.9g,%.9g,%.9g,%.9g\n", k, mo.tt[k], mo.Yn[k][0], mo.Yn[k][1], mo.CPn[k][0],
           mo.CPn[k][1]);
  }
  // Both files or neither.
  if (!write_file_safely(path, traj, true, error)) return false;
  if (write_file_safely(reference_csv_path(path), ref, true, error)) return true;
  remove_written_file(path);
  return false;
}

bool write_optimum_csv(const App& w, const Optimum& o, const std::string& path, std::string& error) {
  std::string text;
  motion_header(text, w.pb.robot);
  for (size_t k = 0; k < o.motion.size(); ++k) {
    const OptimumSample& m = o.motion[k];
    appendf(text, "%zu,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g\n", k, m.t, m.s, m.sd, m.hand[0], m.hand[1],
           m.fi[0], m.fi[1], m.acc[0], m.acc[1]);
  }
  return write_file_safely(path, text, true, error);
}

namespace {

// The start: the dialog, or the problem file. 0 when a motion is prepared;
// 2 for a bad problem file (one line on msg); 1 when the input ended inside
// the dialog. With --print-problem the start's console text goes to msg, so
// that standard output holds the problem file alone.
int start_run(App& w, const BatchOptions& opt, FILE* msg) {
  std::string error;
  if (!opt.problem.empty() && !app_load_problem(w, opt.problem, error)) {
    std::fprintf(msg, "%s\n", error.c_str());
    std::fflush(msg);
    return 2;
  }
  if (opt.variant != Teaching::kNoVariant && !draw_variant(Problem(w.pb), opt.variant, w.pb, error)) {
    std::fprintf(msg, "%s: %s\n", opt.problem.c_str(), error.c_str());
    std::fflush(msg);
    return 2;
  }
  Console& con = w.con;
  FILE* const in = con.in();
  FILE* const out = con.out();
  if (opt.print_problem) con.set_streams(in, msg);
  int status = 0;
  if (opt.problem.empty()) {
    if (!app_start_up(w)) status = 1;
  } else if (!app_start_problem(w, opt.problem, error)) {
    std::fprintf(msg, "%s\n", error.c_str());
    std::fflush(msg);
    status = 2;
  }
  con.set_streams(in, out);
  return status;
}

}  // namespace

namespace {

// The optimum of the last settings, only when asked for.
Optimum optimum_if_asked(const App& w, const BatchOptions& opt, FILE* msg) {
  Optimum best;
  if (opt.optimum || !opt.optimum_csv.empty()) {
    best = compute_optimum(w.m);
    if (!best.ok) std::fprintf(msg, "cp_time_optimal_batch: %s\n", best.reason.c_str());
    std::fflush(msg);
  }
  return best;
}

// A line on msg; the status 1 of a file that could not be written.
int failed(FILE* msg, const std::string& why) {
  std::fprintf(msg, "cp_time_optimal_batch: %s\n", why.c_str());
  std::fflush(msg);
  return 1;
}

// The files asked for: the motion's CSV, the last frame's SVG, the optimum's CSV.
int write_outputs(const App& w, const BatchOptions& opt, const FrameView& shown, const Optimum& best, FILE* msg) {
  std::string error;
  if (!opt.csv.empty()) {
    if (w.d.mo.traj_state != TrajState::Obtained) {
      std::fprintf(msg, "cp_time_optimal_batch: no trajectory obtained, %s not written\n", opt.csv.c_str());
      std::fflush(msg);
    } else if (!write_batch_csv(w, opt.csv, error)) {
      return failed(msg, error);
    }
  }
  if (!opt.svg.empty() && !write_frame_svg(w.m, w.cv, w.d, w.pic, shown, opt.svg, error)) return failed(msg, error);
  if (!opt.optimum_csv.empty()) {
    if (!best.ok) {
      std::fprintf(msg, "cp_time_optimal_batch: no optimal motion, %s not written\n", opt.optimum_csv.c_str());
      std::fflush(msg);
    } else if (!write_optimum_csv(w, best, opt.optimum_csv, error)) {
      return failed(msg, error);
    }
  }
  return 0;
}

}  // namespace

namespace {

// A file holding `text`, read from its start; nullptr when none can be made.
FILE* input_file(const std::string& text) {
  FILE* f = std::tmpfile();
  if (!f) return nullptr;
  if (std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fseek(f, 0, SEEK_SET) != 0) {
    std::fclose(f);
    return nullptr;
  }
  return f;
}

}  // namespace

bool play_recording(App& w, const Recording& r, FILE* msg, Played& out, bool pictures) {
  std::unique_ptr<FILE, int (*)(FILE*)> in(input_file(replay_input(r)), std::fclose);
  if (!in) {
    out.error = "cannot hold the recorded input: " + std::string(std::strerror(errno));
    return false;
  }
  out.start = app_start_replay(w, r, in.get(), out.error);
  if (out.start == ReplayStart::Started) {
    out.pressed = run_batch_keys(w, [&w] { return con_key(w.con); }, msg, &out.shown, pictures);
    // The recording ends inside a dialog: the run ends there, its keys all pressed.
    if (out.pressed == kInputEnded) out.pressed = recorded_keys(r);
  }
  w.con.set_streams(nullptr, w.con.out());
  return out.start != ReplayStart::Refused;
}

namespace {

// After the keys: the optimum when asked for, the summary line, the files.
int finish_run(App& w, const BatchOptions& opt, FILE* msg, int pressed, const FrameView& shown) {
  const Optimum best = optimum_if_asked(w, opt, msg);
  std::string summary = batch_summary(w, pressed);
  if (opt.optimum) {
    char extra[64];
    std::snprintf(extra, sizeof extra, " optimal_time=%.6f", best.ok ? best.T : 0.0);
    summary += extra;
  }
  w.con.print("\n%s\n", summary.c_str());
  return write_outputs(w, opt, shown, best, msg);
}

// --replay: the recording played back, then what the keys' run ends with.
int replay_run(App& w, const BatchOptions& opt, FILE* msg) {
  Recording r;
  Played played;
  if (!load_recording(opt.replay, r, played.error)) {
    std::fprintf(msg, "%s\n", played.error.c_str());
    std::fflush(msg);
    return 2;
  }
  if (!play_recording(w, r, msg, played)) {
    const bool refused = played.start == ReplayStart::Refused;
    std::fprintf(msg, "%s%s\n", refused ? "" : "cp_time_optimal_batch: ", played.error.c_str());
    std::fflush(msg);
    return refused ? 2 : 1;
  }
  return finish_run(w, opt, msg, played.pressed, played.shown);
}

// --grade: each recording graded, one JSON line each on `out`, the CSV file
// at the end. 2 when a recording (or the teacher's problem) is refused, the
// others graded all the same; 1 when the CSV file cannot be written.
int grade_run(const BatchOptions& opt, FILE* out, FILE* msg) {
  Problem teacher;
  std::string error;
  if (!opt.problem.empty() && !load_problem(opt.problem, teacher, error)) {
    std::fprintf(msg, "%s\n", error.c_str());
    std::fflush(msg);
    return 2;
  }
  std::string csv = kGradeCsvHeader;
  int status = 0;
  for (const std::string& file : opt.grade_files) {
    const Grade g = grade_recording(file, opt.problem.empty() ? nullptr : &teacher);
    if (g.status == GradeStatus::Refused) {
      std::fprintf(msg, "%s\n", g.error.c_str());
      std::fflush(msg);
      status = 2;
    }
    std::fprintf(out, "%s\n", grade_json(g).c_str());
    std::fflush(out);
    csv += grade_csv_row(g);
  }
  if (!opt.grade_csv.empty() && !write_file_safely(opt.grade_csv, csv, true, error)) return failed(msg, error);
  return status;
}

}  // namespace

int batch_main(int argc, const char* const* argv, FILE* msg, const Console& console) {
  BatchOptions opt;
  std::string error;
  if (!parse_batch_args(argc, argv, opt, error)) {
    std::fprintf(msg, "cp_time_optimal_batch: %s\n", error.c_str());
    if (opt.usage_hint) std::fprintf(msg, "Try 'cp_time_optimal_batch --help'.\n");
    std::fflush(msg);
    return 2;
  }
  if (opt.help) {
    std::fputs(kBatchUsage, stdout);
    std::fflush(stdout);
    return 0;
  }

  if (opt.grade) return grade_run(opt, console.out(), msg);
  // The state of one run is too large for the stack.
  auto w = std::make_unique<App>();
  w->con = console;
  w->con.set_lang(opt.lang_given ? opt.lang : lang_from_environment([](const char* name) -> const char* {
    return std::getenv(name);
  }));
  if (!opt.replay.empty()) return replay_run(*w, opt, msg);
  if (const int status = start_run(*w, opt, msg)) return status;
  if (opt.print_problem) {
    std::fputs(problem_text(w->pb).c_str(), stdout);
    std::fflush(stdout);
    return 0;
  }

  size_t next = 0;
  const std::function<int()> from_string = [&]() {
    return next < opt.keys.size() ? static_cast<unsigned char>(opt.keys[next++]) : EOF;
  };
  FrameView shown;
  const int pressed =
      run_batch_keys(*w, opt.keys_given ? from_string : std::function<int()>([&w] { return con_key(w->con); }), msg, &shown);
  if (pressed == kInputEnded) return 1;
  return finish_run(*w, opt, msg, pressed, shown);
}

}  // namespace cpt
