// The start of a run from a problem file, and the window program's option.
#include <cstring>
#include <string>

#include "console/dialog.h"
#include "core/console.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// Why the preparation refused the settings, in the words of the file's user.
const char* refusal(Prepared p) {
  switch (p) {
    case Prepared::StartUnreachable: return "the start point is out of reach of the robot";
    case Prepared::NoBoundary: return "a point of the path is out of reach of the robot (no velocity limit curve)";
    case Prepared::NotFinite: return "the values are too extreme to compute with";
    case Prepared::TooFast:
      return "the fastest motion takes fewer than 10 steps of 10 ms (the path is too short or the limits too large)";
    case Prepared::Ready: break;
  }
  return "";
}

}  // namespace

bool start_problem(World& w, const std::string& path, std::string& error) {
  // What the dialog prints once it is answered, its questions left out.
  print_key_help();
  con_printf("\n\n問題ファイル：%s", path.c_str());
  const Prepared p = compute_stage(w);
  if (p == Prepared::Ready) return true;
  con_printf("\n");
  error = path + ": no motion can be prepared: " + refusal(p);
  return false;
}

bool take_problem_option(int& argc, char** argv, std::string& path, std::string& error) {
  path.clear();
  int out = 1;
  bool given = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--problem") != 0) {
      argv[out++] = argv[i];
      continue;
    }
    if (given) {
      error = "--problem given twice";
      return false;
    }
    if (i + 1 >= argc || argv[i + 1][0] == '\0') {
      error = "--problem needs a file name";
      return false;
    }
    given = true;
    path = argv[++i];
  }
  argc = out;
  argv[argc] = nullptr;
  return true;
}

}  // namespace cpt
