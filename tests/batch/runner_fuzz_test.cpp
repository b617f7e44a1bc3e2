// Seeded random runs of the whole program without its window: dialog answers
// over both robots and all seven path types with extreme values, then random
// key strings. Whatever happens, a run never shows a wrong result: no value
// that is not finite is printed, and a trajectory is obtained only when it
// runs from rest at s = 0 to rest at the end of the path, with the goal time
// its last time. CPT_FUZZ_RUNS sets the number of runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "batch/runner.h"
#include "console/dialog.h"
#include "core/console.h"
#include "planner/landing.h"
#include "support/console_capture.h"

namespace cpt {

namespace {

#ifdef CPT_SANITIZE
constexpr long kRuns = 12;
#else
constexpr long kRuns = 150;
#endif

// A number of the kind a user might type at the limits of what is accepted.
std::string extreme(std::mt19937& rng, double lo, double hi) {
  std::uniform_real_distribution<double> e(std::log10(lo), std::log10(hi));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3g", std::pow(10.0, e(rng)));
  return buf;
}

std::string coordinate(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(-0.6, 0.6);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", u(rng));
  return buf;
}

// Answers for a robot, limits and one path, then twice the same path block
// again for the dialog's retries (end of input after that ends the dialog).
std::string random_answers(std::mt19937& rng) {
  const char robot = rng() % 2 ? 'a' : 'b';
  std::string in = std::string("y\n") + robot + "\n";
  if (robot == 'b') in += extreme(rng, 0.2, 2) + " " + extreme(rng, 0.2, 2) + "\n";
  in += "y\n" + extreme(rng, 0.01, 100) + " " + extreme(rng, 0.01, 100) + "\n";
  const int type = 1 + static_cast<int>(rng() % 7);
  std::string block = std::to_string(type) + "\n" + coordinate(rng) + " " + coordinate(rng) + " ";
  switch (type) {
    case 1: block += extreme(rng, 1e-4, 2) + " " + extreme(rng, 1, 360); break;
    case 4: block += extreme(rng, 1e-4, 0.5) + " " + std::to_string(1 + rng() % 6); break;
    case 7: block += extreme(rng, 1e-4, 2) + " " + extreme(rng, 1, 90); break;
    default: block += extreme(rng, 1e-4, 2) + " " + extreme(rng, 1e-4, 2); break;
  }
  return in + "y\n" + block + "\n" + block + "\n";
}

// Every other run a construction as a user makes it (some steps, then 'f',
// which steps on until the trajectory meets the end curve and lands there,
// then the walk), else any keys.
std::string random_keys(std::mt19937& rng, bool construction) {
  if (construction) return std::string(rng() % 30, 's') + std::string(300, 'f') + std::string(500, 's');
  static const char kKeys[] = "ssssssssssssssssfftrc0wx";
  std::string keys(rng() % 400, 's');
  for (char& k : keys) k = kKeys[rng() % (sizeof kKeys - 1)];
  return keys;
}

// The obtained motion, checked from the tables alone.
void expect_a_result(const World& w, const std::string& what) {
  const Motion& mo = w.mo;
  const double sf = w.st.sf_now();
  ASSERT_GE(mo.nf, 1) << what;
  EXPECT_EQ(mo.Y[0][0], 0) << what;
  EXPECT_EQ(mo.Y[0][1], 0) << what;
  EXPECT_NEAR(mo.Y[mo.nf][0], sf, END_TOL * sf) << what;
  EXPECT_NEAR(mo.Y[mo.nf][1], 0, END_TOL_SD) << what;
  EXPECT_DOUBLE_EQ(mo.tf, mo.tt[mo.nf]) << what;
  for (int k = 1; k <= mo.nf; ++k) {
    ASSERT_GT(mo.tt[k], mo.tt[k - 1]) << what << " k=" << k;
    ASSERT_GE(mo.Y[k][1], 0) << what << " k=" << k;
  }
}

TEST(RunnerFuzz, NoWrongResultIsEverShown) {
  const char* n = std::getenv("CPT_FUZZ_RUNS");
  const long runs = n ? std::atol(n) : kRuns;
  std::mt19937 rng(20261207u);
  int obtained = 0;
  set_dialog_end_hook([] {});
  for (long i = 0; i < runs; ++i) {
    const std::string answers = random_answers(rng), keys = random_keys(rng, i % 2 == 0);
    const std::string what = "answers=" + answers + " keys=" + keys;
    auto w = std::make_unique<World>();
    ConsoleCapture con(answers);
    start_up(*w);
    size_t next = 0;
    FILE* msg = std::fopen("/dev/null", "w");
    run_batch_keys(*w, [&] { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; },
                   msg);
    std::fclose(msg);
    const std::string out = con.text() + batch_summary(*w, 0);
    EXPECT_EQ(out.find("nan"), std::string::npos) << what;
    EXPECT_EQ(out.find("inf"), std::string::npos) << what;
    EXPECT_LT(out.size(), 200000u) << what;  // no flood
    if (w->mo.traj_state == TrajState::Obtained) {
      ++obtained;
      expect_a_result(*w, what);
    }
  }
  set_dialog_end_hook(nullptr);
  RecordProperty("obtained", obtained);
}

}  // namespace

}  // namespace cpt
