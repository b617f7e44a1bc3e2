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

// Waits until ICANON and ECHO are both on (or both off).
bool wait_mode(int slave, bool on) {
  termios t;
  for (int i = 0; i < 500; ++i, usleep(10000))
    if (tcgetattr(slave, &t) == 0 && (t.c_lflag & (ICANON | ECHO)) == (on ? ICANON | ECHO : 0u)) return true;
  return false;
}

// Output is on the terminal as soon as it is printed (the child never exits
// normally, so nothing unflushed would arrive). A key is taken without Enter
// and without echo and the mode is put back after it (the number line after
// it is echoed); Ctrl-D at a key read is the end of input; a fatal signal
// during a key read restores the mode first.
TEST(ConsoleTerminal, FlushKeyModeEndOfFileAndSignals) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (login_tty(slave) != 0) _exit(90);
      // A test run started in the background inherits SIGINT and SIGQUIT
      // ignored; the program's own start in a terminal has them at default.
      signal(SIGINT, SIG_DFL);
      signal(SIGQUIT, SIG_DFL);
      Console con(stdin, stdout);
      con.print("READY");
      con.print("[%c]", con_key(con));
      std::string line;
      con_line(con, line);
      con.print("<%s>%s", line.c_str(), con_key(con) == EOF ? "EOF" : "KEY");
      con_key(con);  // ended by the signal
      _exit(0);
    }
    std::string got;  // what the terminal shows, read until `want` or about 5 s
    const auto read_until = [&](const char* want) {
      char buf[256];
      for (int i = 0; i < 100 && got.find(want) == std::string::npos; ++i) {
        pollfd p{master, POLLIN, 0};
        const ssize_t n = poll(&p, 1, 50) > 0 ? read(master, buf, sizeof buf) : 0;
        if (n > 0) got.append(buf, static_cast<size_t>(n));
      }
    };
    ASSERT_TRUE(wait_mode(slave, false)) << "key mode not entered";
    ASSERT_EQ(write(master, "x", 1), 1);
    ASSERT_TRUE(wait_mode(slave, true)) << "mode not restored";
    read_until("]");  // the key printed before the line is typed (its echo would come first)
    ASSERT_EQ(write(master, "12 34\n", 6), 6);
    ASSERT_TRUE(wait_mode(slave, false));
    ASSERT_EQ(write(master, "\x04", 1), 1);
    read_until("EOF");
    EXPECT_EQ(got, "READY[x]12 34\r\n<12 34>EOF");  // x not echoed, the line echoed
    ASSERT_TRUE(wait_mode(slave, false));
    if (sig == SIGINT) {  // Ctrl-C through the terminal: ISIG stays on
      ASSERT_EQ(write(master, "\x03", 1), 1);
    } else {
      kill(pid, sig);
    }
    int status = 0;
    for (int i = 0; i < 500 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(10000);
    if (waitpid(pid, &status, WNOHANG) == 0) kill(pid, SIGKILL), waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << sig;
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_TRUE(wait_mode(slave, true)) << "mode left raw after " << sig;
    close(master);
    close(slave);
  }
}

}  // namespace

}  // namespace cpt
