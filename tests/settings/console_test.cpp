// The console input layer: keys and number lines from one stream, from
// memory, and on a real pseudo-terminal (key mode without echo and without
// Enter, the terminal mode put back after the read and on fatal signals).
#include "settings/console.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "support/console_capture.h"

namespace {

TEST(ConsoleStream, KeysSkipBlanksAndLineEnds) {
  ConsoleCapture cap(" n\n\n\t y\r\nN");
  EXPECT_FALSE(con_is_tty());
  EXPECT_EQ(con_key(), 'n');
  EXPECT_EQ(con_key(), 'y');
  EXPECT_EQ(con_key(), 'N');
  EXPECT_EQ(con_key(), EOF);
  con_wait_key();  // returns at end of input
}

// The Enter after a number line is not the next key; a key leaves the rest
// of its line for the next line read.
TEST(ConsoleStream, NumberLineThenKey) {
  ConsoleCapture cap("0.5 0.6\ny b rest\nlast");
  std::string line;
  ASSERT_TRUE(con_line(line));
  EXPECT_EQ(line, "0.5 0.6");
  EXPECT_EQ(con_key(), 'y');
  EXPECT_EQ(con_key(), 'b');
  ASSERT_TRUE(con_line(line));
  EXPECT_EQ(line, " rest");
  ASSERT_TRUE(con_line(line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(con_line(line));
}

// ---- on a pseudo-terminal ----

// Child side: the slave is its controlling terminal and standard streams.
[[noreturn]] void child_on(int slave, void (*body)()) {
  if (login_tty(slave) != 0) _exit(90);
  con_set_streams(stdin, stdout);
  body();
  std::fflush(stdout);
  _exit(0);
}

// Reads what the master has within `ms` until `want` shows up.
std::string read_until(int master, const std::string& want, int ms = 5000) {
  std::string got;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (got.find(want) == std::string::npos && std::chrono::steady_clock::now() < end) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    char buf[256];
    const ssize_t n = read(master, buf, sizeof buf);
    if (n <= 0) break;
    got.append(buf, static_cast<size_t>(n));
  }
  return got;
}

// Waits until the terminal's local modes have (or lack) the given flags.
bool wait_mode(int slave, tcflag_t flags, bool on) {
  for (int i = 0; i < 500; ++i) {
    termios t;
    if (tcgetattr(slave, &t) == 0 && ((t.c_lflag & flags) == flags) == on &&
        (on || (t.c_lflag & flags) == 0))
      return true;
    usleep(10000);
  }
  return false;
}

struct Pty {
  int master = -1, slave = -1;
  Pty() {
    EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  }
  ~Pty() {
    close(master);
    close(slave);
  }
};

int finish(pid_t pid) {
  int status = 0;
  for (int i = 0; i < 500 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(10000);
  if (waitpid(pid, &status, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  return status;
}

void key_then_line() {
  con_printf("READY");
  const int k = con_key();
  con_printf("[%c]", k);
  std::string line;
  con_line(line);
  con_printf("<%s>", line.c_str());
}

// A key is taken without Enter and not echoed; the mode is put back at once,
// so the number line after it is typed with echo as usual.
TEST(ConsoleTerminal, KeyWithoutEchoThenEchoedLine) {
  Pty pty;
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) child_on(pty.slave, key_then_line);

  std::string out = read_until(pty.master, "READY");
  ASSERT_TRUE(wait_mode(pty.slave, ICANON | ECHO, false)) << "key mode not entered";
  termios t;
  ASSERT_EQ(tcgetattr(pty.slave, &t), 0);
  EXPECT_TRUE(t.c_lflag & ISIG);
  EXPECT_EQ(t.c_cc[VMIN], 1);
  EXPECT_EQ(t.c_cc[VTIME], 0);
  ASSERT_EQ(write(pty.master, "x", 1), 1);
  out += read_until(pty.master, "[x]");
  EXPECT_EQ(out, "READY[x]");  // no echo of x before the child's report

  ASSERT_TRUE(wait_mode(pty.slave, ICANON | ECHO, true)) << "mode not restored";
  ASSERT_EQ(write(pty.master, "12 34\n", 6), 6);
  out += read_until(pty.master, "<12 34>");
  EXPECT_EQ(out, "READY[x]12 34\r\n<12 34>");
  const int status = finish(pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

void wait_for_key() {
  con_printf("READY");
  con_key();
  con_printf("RETURNED");
}

// A signal that ends the program during a key read puts the mode back first:
// Ctrl-C through the terminal (ISIG is on), and SIGTERM, SIGHUP, SIGQUIT sent.
TEST(ConsoleTerminal, FatalSignalsRestoreTheMode) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    Pty pty;
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) child_on(pty.slave, wait_for_key);
    read_until(pty.master, "READY");
    ASSERT_TRUE(wait_mode(pty.slave, ICANON | ECHO, false)) << sig;
    if (sig == SIGINT)
      ASSERT_EQ(write(pty.master, "\x03", 1), 1);
    else
      kill(pid, sig);
    const int status = finish(pid);
    EXPECT_TRUE(WIFSIGNALED(status)) << sig;
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_TRUE(wait_mode(pty.slave, ICANON | ECHO, true)) << "mode left raw after " << sig;
  }
}

void report_eof() {
  con_printf("READY");
  con_printf(con_key() == EOF ? "EOF" : "KEY");
}

// Ctrl-D at a key read is the end of input.
TEST(ConsoleTerminal, EndOfFileKey) {
  Pty pty;
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) child_on(pty.slave, report_eof);
  std::string out = read_until(pty.master, "READY");
  ASSERT_TRUE(wait_mode(pty.slave, ICANON | ECHO, false));
  ASSERT_EQ(write(pty.master, "\x04", 1), 1);
  out += read_until(pty.master, "EOF");
  EXPECT_EQ(out, "READYEOF");
  finish(pid);
}

}  // namespace
