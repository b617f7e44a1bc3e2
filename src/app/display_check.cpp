#include "app/display_check.h"

#include <X11/Xlib.h>

#include <cstdlib>

#include "app/options.h"

namespace cpt {

namespace {
Display* g_held = nullptr;
}  // namespace

bool hold_display(const std::string& name) {
  if (!g_held) g_held = XOpenDisplay(name.empty() ? nullptr : name.c_str());
  return g_held != nullptr;
}

void release_display() {
  if (g_held) XCloseDisplay(g_held);
  g_held = nullptr;
}

std::string no_display_message(const char* argv0, const std::string& name) {
  const char* env = std::getenv("DISPLAY");
  const std::string what = !name.empty()          ? "cannot open -display " + name
                           : env && *env ? std::string("cannot open DISPLAY=") + env
                                         : "DISPLAY is not set";
  // The runner is built beside the simulator (`make run` builds both); `make
  // run` installs no Xvfb, `make deps` does.
  const std::string self = argv0 ? argv0 : "";
  const size_t slash = self.find_last_of('/');
  const std::string runner = (slash == std::string::npos ? "" : self.substr(0, slash + 1)) + "cp_time_optimal_batch";
  return "cp_time_optimal: no X display for the window (" + what +
         "): run it on a virtual display with `make deps && xvfb-run -a make run`, or use the window-less runner: `" +
         shell_word(runner) + " --help`\n";
}

}  // namespace cpt
