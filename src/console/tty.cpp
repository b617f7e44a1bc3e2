#include "console/tty.h"

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
struct termios g_key;  // the key mode itself, set again after a stop
struct sigaction g_old[kNumSignals];
bool g_installed[kNumSignals];
struct sigaction g_old_stop;
bool g_stop_installed = false;

// Sets a terminal mode with SIGTTOU ignored meanwhile: a handler may run when
// the shell has already taken the terminal back (the rest of a stopped job
// stopped first), and a mode set from the background would otherwise stop
// the program a second time. Async-signal-safe: sigaction and tcsetattr are
// on the list.
void set_mode(int fd, const struct termios& mode) {
  struct sigaction ign {}, old {};
  ign.sa_handler = SIG_IGN;
  sigemptyset(&ign.sa_mask);
  sigaction(SIGTTOU, &ign, &old);
  tcsetattr(fd, TCSANOW, &mode);
  sigaction(SIGTTOU, &old, nullptr);
}

void restore_mode() {
  const int fd = g_fd;
  if (fd < 0) return;
  set_mode(fd, g_saved);
  g_fd = -1;
}

// Restore the terminal, then die of the signal as if no handler were set.
extern "C" void on_fatal_signal(int sig) {
  restore_mode();
  signal(sig, SIG_DFL);
  raise(sig);
}

extern "C" void on_exit_restore() { restore_mode(); }

// Ctrl-Z while a key is read: the shell gets the terminal back in its own
// mode while the program is stopped, and the read goes on in key mode after
// `fg`. Async-signal-safe calls only.
extern "C" void on_stop(int) {
  const int fd = g_fd;
  if (fd >= 0) set_mode(fd, g_saved);
  struct sigaction dfl {}, self {};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  sigaction(SIGTSTP, &dfl, &self);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  raise(SIGTSTP);  // stops here until SIGCONT
  sigaction(SIGTSTP, &self, nullptr);
  if (fd >= 0) set_mode(fd, g_key);
}

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
  struct sigaction st {};
  st.sa_handler = on_stop;
  sigemptyset(&st.sa_mask);
  g_stop_installed = sigaction(SIGTSTP, nullptr, &g_old_stop) == 0 &&
                     g_old_stop.sa_handler != SIG_IGN && sigaction(SIGTSTP, &st, nullptr) == 0;
}

void remove_handlers() {
  for (int i = 0; i < kNumSignals; ++i)
    if (g_installed[i]) sigaction(kSignals[i], &g_old[i], nullptr);
  if (g_stop_installed) sigaction(SIGTSTP, &g_old_stop, nullptr);
  g_stop_installed = false;
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
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  g_key = mode;
  install_handlers();
  g_fd = fd;
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
