// Seeded random input for the dialog: random bytes, and random sequences of
// the dialog's own words (keys, numbers good and bad, garbage). Every run
// ends, by completing or at end of input, in bounded time, and whatever it
// accepted is a valid setting. Runs: CPT_FUZZ_RUNS (default 300); seed:
// CPT_FUZZ_SEED (default 20240611).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>

#include "settings/answer.h"
#include "settings/dialog.h"
#include "settings/dialog_texts.h"
#include "support/world.h"

namespace {

long env_or(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Random bytes, with more blanks and line ends than chance would give.
std::string random_bytes(std::mt19937& rng) {
  std::uniform_int_distribution<int> len(0, 80), byte(0, 255), pick(0, 9);
  std::string s;
  for (int i = len(rng); i > 0; --i) {
    const int p = pick(rng);
    s.push_back(p == 0 ? '\n' : p == 1 ? ' ' : static_cast<char>(byte(rng)));
  }
  return s;
}

// Words the dialog understands, and near misses.
std::string random_words(std::mt19937& rng) {
  static const char* const kWords[] = {
      "y", "n", "a", "b", "c", "Y", "N", "u", "k", "1", "2", "3", "4", "5", "6", "7", "0", "8",
      "-1", "0.5", "0.3", "-0.4", "0.2", "1.2", "30", "90", "180", "nan", "inf", "-inf", "1e999",
      "1e-400", "x", "0x1p-2", "2.5", "1001", "-0", "+0.1", "\xe3\x81\x82", "\x04", ""};
  constexpr int kN = sizeof kWords / sizeof kWords[0];
  std::uniform_int_distribution<int> len(0, 40), word(0, kN - 1), sep(0, 3);
  std::string s;
  for (int i = len(rng); i > 0; --i) {
    s += kWords[word(rng)];
    s += sep(rng) == 0 ? "\n" : " ";
  }
  return s;
}

bool positive(double v) { return std::isfinite(v) && v > 0; }
bool finite_point(const Vec2& p) { return std::isfinite(p[0]) && std::isfinite(p[1]); }

// Every setting the dialog may change is valid.
void expect_valid(const Settings& st, const std::string& input) {
  EXPECT_TRUE(st.robottype == 'a' || st.robottype == 'b') << input;
  EXPECT_TRUE(st.cptype >= 1 && st.cptype <= 7) << input;
  for (double v : {st.l1, st.l2, st.a1max, st.a2max, st.arc_R, st.sinL, st.sinA, st.u_L, st.u_R,
                   st.sl_R, st.cam_L, st.cam_H, st.cyc_L, st.cyc_H, st.line_l})
    EXPECT_TRUE(positive(v)) << input;
  EXPECT_TRUE(st.sl_N >= 1 && st.sl_N <= kMaxHalfCircles) << input;
  EXPECT_TRUE(std::isfinite(st.line_beta) && std::isfinite(st.arc_Ax) && std::isfinite(st.arc_Ay));
  for (int c = 1; c <= 7; ++c) {
    EXPECT_TRUE(positive(st.sf[c])) << c << input;
    EXPECT_TRUE(finite_point(st.P0[c])) << c << input;
  }
}

TEST(DialogFuzz, RandomInputEndsAndKeepsSettingsValid) {
  const long runs = env_or("CPT_FUZZ_RUNS", 300);
  std::mt19937 rng(static_cast<unsigned>(env_or("CPT_FUZZ_SEED", 20240611)));
  const char kEntry[] = {'0', 'a', 'b', 'u', 'k'};
  int completed = 0, ended = 0;
  for (long i = 0; i < runs; ++i) {
    const std::string input = (i % 2) ? random_words(rng) : random_bytes(rng);
    auto w = default_world();
    const char key = kEntry[rng() % 5];
    if (key == 'a' || key == 'b') w->st.robottype = key;  // as the keyboard handler does
    const auto t0 = std::chrono::steady_clock::now();
    const DialogRun r = run_dialog(*w, key, input);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_LT(secs, 10.0) << "run " << i;
    // Completed, or ended by the end of input: never both, never neither.
    EXPECT_NE(r.result == 1, r.ended) << "run " << i;
    completed += r.result == 1;
    ended += r.ended;
    expect_valid(w->st, input);
    if (r.result == 1) {
      EXPECT_EQ(w->mo.istep, 0);
      EXPECT_EQ(w->mo.traj_state, '0');
    }
  }
  // Both ways out are exercised.
  if (runs >= 100) {
    EXPECT_GT(completed, 0);
    EXPECT_GT(ended, 0);
  }
  std::printf("fuzz: %ld runs, %d completed, %d ended by end of input\n", runs, completed, ended);
}

}  // namespace
