// The console on a real pseudo-terminal.
#include "console/input.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

namespace cpt {

namespace {

// Reads from the master until `want` shows up or about 5 s pass.
std::string read_until(int master, const std::string& want) {
  std::string got;
  char buf[256];
  for (int i = 0; i < 100 && got.find(want) == std::string::npos; ++i) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    const ssize_t n = read(master, buf, sizeof buf);
    if (n <= 0) break;
    got.append(buf, static_cast<size_t>(n));
  }
  return got;
}

// Waits until ICANON and ECHO are both on (or both off).
bool wait_mode(int slave, bool on) {
  termios t;
  for (int i = 0; i < 500; ++i, usleep(10000))
    if (tcgetattr(slave, &t) == 0 && (t.c_lflag & (ICANON | ECHO)) == (on ? ICANON | ECHO : 0u))
      return true;
  return false;
}

// A key is taken without Enter and without echo, and the mode is put back
// after it (the number line after it is echoed); Ctrl-D at a key read is the
// end of input; a fatal signal during a key read restores the mode first.
TEST(ConsoleTerminal, KeyModeEndOfFileAndSignals) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (login_tty(slave) != 0) _exit(90);
      con_set_streams(stdin, stdout);
      con_printf("READY");
      con_printf("[%c]", con_key());
      std::string line;
      con_line(line);
      con_printf("<%s>%s", line.c_str(), con_key() == EOF ? "EOF" : "KEY");
      con_key();  // ended by the signal
      _exit(0);
    }
    ASSERT_TRUE(wait_mode(slave, false)) << "key mode not entered";
    ASSERT_EQ(write(master, "x", 1), 1);
    ASSERT_TRUE(wait_mode(slave, true)) << "mode not restored";
    ASSERT_EQ(write(master, "12 34\n", 6), 6);
    ASSERT_TRUE(wait_mode(slave, false));
    ASSERT_EQ(write(master, "\x04", 1), 1);
    // x not echoed, the line echoed, Ctrl-D seen as the end of input.
    EXPECT_EQ(read_until(master, "EOF"), "READY[x]12 34\r\n<12 34>EOF");
    ASSERT_TRUE(wait_mode(slave, false));
    if (sig == SIGINT)  // Ctrl-C through the terminal: ISIG stays on
      ASSERT_EQ(write(master, "\x03", 1), 1);
    else
      kill(pid, sig);
    int status = 0;
    for (int i = 0; i < 500 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(10000);
    if (waitpid(pid, &status, WNOHANG) == 0) kill(pid, SIGKILL), waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
    EXPECT_TRUE(wait_mode(slave, true)) << "mode left raw after " << sig;
    close(master);
    close(slave);
  }
}

}  // namespace

}  // namespace cpt
