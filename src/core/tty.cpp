#include "core/tty.h"

#include <csignal>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace cpt {

namespace {

// The signals that end the program and must not leave the terminal in key mode.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kNumSignals = sizeof kSignals / sizeof kSignals[0];

// Saved mode; g_fd >= 0 while the terminal is in key mode.
volatile sig_atomic_t g_fd = -1;
struct termios g_saved;
struct sigaction g_old[kNumSignals];
bool g_installed[kNumSignals];

// Async-signal-safe: tcsetattr is on the list.
void restore_mode() {
  const int fd = g_fd;
  if (fd < 0) return;
  tcsetattr(fd, TCSANOW, &g_saved);
  g_fd = -1;
}

// Restore the terminal, then die of the signal as if no handler were set.
extern "C" void on_fatal_signal(int sig) {
  restore_mode();
  signal(sig, SIG_DFL);
  raise(sig);
}

extern "C" void on_exit_restore() { restore_mode(); }

// Handlers for the time of one read; a signal the process ignores stays ignored.
void install_handlers() {
  for (int i = 0; i < kNumSignals; ++i) {
    struct sigaction sa {};
    sa.sa_handler = on_fatal_signal;
    sigemptyset(&sa.sa_mask);
    g_installed[i] = false;
    if (sigaction(kSignals[i], nullptr, &g_old[i]) != 0) continue;
    if (g_old[i].sa_handler == SIG_IGN) continue;
    g_installed[i] = sigaction(kSignals[i], &sa, nullptr) == 0;
  }
}

void remove_handlers() {
  for (int i = 0; i < kNumSignals; ++i)
    if (g_installed[i]) sigaction(kSignals[i], &g_old[i], nullptr);
}

}  // namespace

bool tty_key_mode_begin(FILE* in) {
  const int fd = fileno(in);
  struct termios mode;
  if (fd < 0 || !isatty(fd) || tcgetattr(fd, &mode) != 0) return false;

  // Register the exit-time restore once.
  static const bool registered = std::atexit(on_exit_restore) == 0;
  (void)registered;

  g_saved = mode;
  install_handlers();
  g_fd = fd;
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &mode) != 0) {
    g_fd = -1;
    remove_handlers();
    return false;
  }
  return true;
}

void tty_key_mode_end() {
  if (g_fd < 0) return;
  restore_mode();
  remove_handlers();
}

int tty_eof_char() { return g_fd >= 0 ? static_cast<unsigned char>(g_saved.c_cc[VEOF]) : -1; }

}  // namespace cpt
