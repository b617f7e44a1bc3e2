// Seeded random input (random bytes, or the dialog's words and near misses):
// every run ends, completed or by the end of input but never both, and what
// it accepted is valid. CPT_FUZZ_RUNS overrides the 300 runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "console/answer.h"
#include "console/dialog_texts.h"
#include "support/world.h"

namespace cpt {

namespace {

std::string random_input(std::mt19937& rng, bool words) {
  static const char* const kWords[] = {
      "y", "n", "a", "b", "c", "Y", "N", "u", "k", "1", "2", "3", "4", "5", "6", "7", "0", "8",
      "-1", "0.5", "0.3", "-0.4", "0.2", "1.2", "30", "90", "180", "nan", "inf", "-inf", "1e999",
      "1e-400", "x", "0x1p-2", "2.5", "1001", "-0", "+0.1", "\xe3\x81\x82", "\x04", ""};
  std::string s;
  for (int i = static_cast<int>(rng() % 60); i > 0; --i) {
    const unsigned p = rng() % 10;
    if (words)
      s += std::string(kWords[rng() % (sizeof kWords / sizeof *kWords)]) + (p < 3 ? "\n" : " ");
    else
      s.push_back(p == 0 ? '\n' : p == 1 ? ' ' : static_cast<char>(rng() % 256));
  }
  return s;
}

TEST(DialogFuzz, RandomInputEndsAndKeepsSettingsValid) {
  const char* n = std::getenv("CPT_FUZZ_RUNS");
  const long runs = n ? std::atol(n) : 300;
  std::mt19937 rng(20240611u);
  int completed = 0, ended = 0;
  for (long i = 0; i < runs; ++i) {
    const std::string input = random_input(rng, i % 2);
    auto w = default_world();
    const char key = "0abuk"[rng() % 5];
    if (key == 'a' || key == 'b') w->st.robottype = robot_of_key(key);  // as the keyboard handler does
    const DialogRun r = run_dialog(*w, key, input);
    EXPECT_NE(r.result == 1, r.ended) << input;
    completed += r.result == 1;
    ended += r.ended;
    const Settings& st = w->st;
    EXPECT_TRUE(type_number(st.cptype) >= 1 && type_number(st.cptype) <= 7 && st.sl_N >= 1 && st.sl_N <= kMaxHalfCircles)
        << input;
    for (double v : {st.l1, st.l2, st.a1max, st.a2max, st.arc_R, st.sinL, st.sinA, st.u_L, st.u_R,
                     st.sl_R, st.cam_L, st.cam_H, st.cyc_L, st.cyc_H, st.line_l, st.sf[PathType::Arc], st.sf[PathType::Sine],
                     st.sf[PathType::UShape], st.sf[PathType::Slalom], st.sf[PathType::AccCam], st.sf[PathType::CycloidCam], st.sf[PathType::Line]})
      EXPECT_TRUE(std::isfinite(v) && v > 0) << input;
    for (const PathType c : kPathTypes)
      EXPECT_TRUE(std::isfinite(st.P0[c][0] + st.P0[c][1])) << c << input;
    EXPECT_TRUE(std::isfinite(st.line_beta + st.arc_Ax + st.arc_Ay)) << input;
  }
  EXPECT_TRUE(runs < 100 || (completed > 0 && ended > 0));  // both ways out exercised
}

}  // namespace

}  // namespace cpt
