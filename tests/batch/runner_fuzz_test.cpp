// Seeded random dialog answers (both robots, all path types, extreme values) and keys,
// run without a window: no non-finite value printed, and an obtained trajectory runs
// from rest at s = 0 to rest at the end, ending at the goal time. CPT_FUZZ_RUNS: runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "batch/runner.h"
#include "console/dialog.h"
#include "core/console.h"
#include "planner/landing.h"
#include "planner/optimum.h"
#include "problem/problem_file.h"
#include "support/console_capture.h"
#include "support/motion_use.h"

namespace cpt {

#ifdef CPT_SANITIZE
constexpr long kRuns = 12, kTails = 3;
#else
constexpr long kRuns = 150, kTails = 24;
#endif

// A typed number spread evenly in its logarithm, or (lo < 0) a coordinate spread evenly.
static std::string number(std::mt19937& rng, double lo, double hi) {
  std::uniform_real_distribution<double> e(lo < 0 ? lo : std::log10(lo), lo < 0 ? hi : std::log10(hi));
  char buf[32];
  std::snprintf(buf, sizeof buf, lo < 0 ? "%.3f" : "%.3g", lo < 0 ? e(rng) : std::pow(10.0, e(rng)));
  return buf;
}

// A robot, limits and one path, the path block twice for the dialog's retries.
static std::string random_answers(std::mt19937& rng) {
  const char robot = rng() % 2 ? 'a' : 'b';
  std::string in = std::string("y\n") + robot + "\n";
  if (robot == 'b') in += number(rng, 0.2, 2) + " " + number(rng, 0.2, 2) + "\n";
  in += "y\n" + number(rng, 0.01, 100) + " " + number(rng, 0.01, 100) + "\n";
  const int type = 1 + static_cast<int>(rng() % 7);
  std::string block = std::to_string(type) + "\n" + number(rng, -0.6, 0.6) + " " + number(rng, -0.6, 0.6) + " ";
  block += number(rng, 1e-4, type == 4 ? 0.5 : 2) + " ";
  const double hi = type == 1 ? 360 : type == 7 ? 90 : 2;  // degrees of an arc or a line
  block += type == 4 ? std::to_string(1 + rng() % 6) : number(rng, hi > 2 ? 1 : 1e-4, hi);
  return in + "y\n" + block + "\n" + block + "\n";
}

// Every other run a user's construction (steps, 'f' until it lands, the walk), else any keys.
static std::string random_keys(std::mt19937& rng, bool construction) {
  if (construction) return std::string(rng() % 30, 's') + std::string(300, 'f') + std::string(500, 's');
  static const char kKeys[] = "ssssssssssssssssfftrc0wx";
  std::string keys(rng() % 400, 's');
  for (char& k : keys) k = kKeys[rng() % (sizeof kKeys - 1)];
  return keys;
}

TEST(RunnerFuzz, NoWrongResultIsEverShown) {
  const long runs = std::getenv("CPT_FUZZ_RUNS") ? std::atol(std::getenv("CPT_FUZZ_RUNS")) : kRuns;
  std::mt19937 rng(20261207u);
  int obtained = 0;
  // A dialog that ends at the end of its input ends the runner: its keys are skipped.
  FILE* msg = std::fopen("/dev/null", "w");
  for (long i = 0; i < runs; ++i) {
    const std::string answers = random_answers(rng), keys = random_keys(rng, i % 2 == 0);
    SCOPED_TRACE("answers=" + answers + " keys=" + keys);
    auto w = std::make_unique<App>();
    ConsoleCapture con(w->con, answers);
    const bool started = app_start_up(*w);
    size_t next = 0;
    if (started)
      run_batch_keys(*w, [&] { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; }, msg);
    const std::string out = con.text() + batch_summary(*w, 0);
    EXPECT_EQ(out.find("nan"), std::string::npos); EXPECT_EQ(out.find("inf"), std::string::npos);
    EXPECT_LT(out.size(), 200000u);  // no flood
    const Motion& mo = w->d.mo;
    if (mo.traj_state != TrajState::Obtained) continue;
    ++obtained;  // checked from the tables alone
    const double sf = w->m.sf;
    EXPECT_EQ(mo.Y[0], (Vec2{0, 0}));
    EXPECT_NEAR(mo.Y[mo.nf][0], sf, TOL_END * sf);
    EXPECT_NEAR(mo.Y[mo.nf][1], 0, TOL_END_SD);
    EXPECT_DOUBLE_EQ(mo.tf, mo.tt[mo.nf]);
    for (int k = 1; k <= mo.nf && !HasFailure(); ++k) {
      EXPECT_GT(mo.tt[k], mo.tt[k - 1]) << "k=" << k; EXPECT_GE(mo.Y[k][1], 0) << "k=" << k;
    }
    const RowsUse use = rows_use(w->m, mo);
    EXPECT_LE(std::max(use.acc, use.speed), 1 + 2 * TOL_CHECK) << use.acc << " " << use.speed;
  }
  std::fclose(msg);
  RecordProperty("obtained", obtained);
}

// No motion within the limits is faster than the exact optimum: hand constructions that
// switch near the optimum's first switch, with tails of 't', 's', 'r', 'c' and 'l', then
// steps along a speed limit before landing, never obtain a goal time below it by more than
// the rebuild's own error (about 2e-4 s). Settings from dialog answers or a problem file.
TEST(RunnerFuzz, NoHandBuiltMotionBeatsTheOptimum) {
  const char* settings[] = {
      "n\nn\nn\n", "n\nn\ny\n7\n-0.4 0.1 0.8 0\n", "y\na\nn\ny\n6\n0.0 0.2 0.5 0.5\n", "y\na\nn\ny\n7\n-0.4 0.1 0.8 0\n",
      "robot: {type: scara}\ntool: {max_speed: 1.0}\njoints: {max_velocity: [3.0, 2.5]}\n"
      "path: {type: waypoints, points: [[0.6, -0.2], [0.7, 0.1], [0.5, 0.4], [0.2, 0.5]]}\n",
      "robot: {type: cylindrical}\njoints: {max_velocity: [1.2, 0]}\npath: {type: arc}\n"};
  std::mt19937 rng(7u);
  FILE* msg = std::fopen("/dev/null", "w");
  for (const char* answers : settings) {
    auto base = std::make_unique<App>();
    std::string error;
    if (std::strncmp(answers, "robot:", 6) == 0) {
      ConsoleCapture con(base->con);
      ASSERT_TRUE(parse_problem(answers, "fuzz.yaml", base->pb, error) && app_start_problem(*base, "fuzz.yaml", error)) << error;
    } else {
      ConsoleCapture con(base->con, answers);
      app_start_up(*base);
    }
    const Optimum best = compute_optimum(base->m);
    ASSERT_TRUE(best.ok) << answers;
    ASSERT_FALSE(best.switches.empty());
    const int n_switch = static_cast<int>(best.switches[0].t / dt0);
    int obtained = 0;
    for (long i = 0; i < kTails; ++i) {
      // The first: up to the optimum's first switch, 'l' there (a notice without a speed limit).
      std::string keys(i ? n_switch - 2 + rng() % 6 : n_switch, 's');
      for (unsigned k = i ? rng() % 5 : 0; k > 0; --k) keys += "tsrcl"[rng() % 5];
      if (i == 0) keys += 'l';
      keys += std::string(rng() % 90, 'l') + std::string(200, 'f') + std::string(300, 's');
      auto w = std::make_unique<App>(*base);
      ConsoleCapture con(w->con);
      size_t next = 0;
      run_batch_keys(*w, [&] { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; }, msg);
      if (w->d.mo.traj_state != TrajState::Obtained) continue;
      ++obtained;
      EXPECT_GE(w->d.mo.tf, best.T - 5e-4) << answers << " keys=" << keys;
      const RowsUse use = rows_use(w->m, w->d.mo);
      EXPECT_LE(std::max(use.acc, use.speed), 1 + 2 * TOL_CHECK) << use.acc << " " << use.speed;
    }
    // Along a speed limit most random tails end stuck above it or decelerating: the first lands.
    EXPECT_GE(3 * obtained, has_speed_limits(base->m) ? 3 : kTails) << answers;
  }
  std::fclose(msg);
}

}  // namespace cpt
