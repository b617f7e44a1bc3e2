// Timings of the numeric hot paths: one evaluation of the right-hand side,
// one integrator step, the computation stage of a new motion, the
// rebuilding of a complete trajectory, and one construction frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "interaction/frame.h"
#include "model/boundary.h"
#include "model/coeffs.h"
#include "model/rhs.h"
#include "planner/calcp.h"
#include "planner/curves.h"
#include "planner/integrator.h"
#include "support/trajectory.h"
#include "support/world.h"

using namespace cpt;

namespace {

// Times one evaluation of f mid-path at sd = 1.5.
void time_f(benchmark::State& state, App& w) {
  AccRecord rec;
  int ok = 1;
  const double y[2] = {1.0, 1.5};
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(w.con, w.m, w.d.rhs, +1, 1, 0.5, y, rec, ok));
    benchmark::ClobberMemory();
  }
}

// One evaluation of f for robot 'b' on the default arc, mid-path.
void BM_f(benchmark::State& state) { time_f(state, *default_world(Robot::Scara, PathType::Arc)); }
BENCHMARK(BM_f);

// The same with rigid links, rotors and friction (the industrial SCARA's
// bodies on arms of 0.5 m): what a real robot costs f.
void BM_f_rigid(benchmark::State& state) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  RobotSpec& r = w->pb.robot;
  r.dynamics = Dynamics::RigidLinks;
  r.body.m1 = 7, r.body.m2 = 5, r.body.lc1 = 0.25, r.body.lc2 = 0.25, r.body.I1 = 0.15, r.body.I2 = 0.1;
  r.body.mp = 3, r.body.Jm = {5e-5, 3e-5}, r.body.gear = {80, 50}, r.body.Fv = {2, 1}, r.body.Fc = {3, 1.5};
  w->pb.a1max = 250, w->pb.a2max = 100;
  rebuild_model(*w);
  time_f(state, *w);
}
BENCHMARK(BM_f_rigid);

// One Runge-Kutta-Gill step (eight evaluations of f).
void BM_rkg(benchmark::State& state) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  AccRecord acc;
  const double y[2] = {1.0, 1.5};
  double yout[2];
  for (auto _ : state) {
    benchmark::DoNotOptimize(rkg(w->con, w->m, w->d.rhs, +1, 0.5, dt0 / nsub, y, yout, acc, 2));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_rkg);

// The numeric work of the dialog's computation stage for the defaults.
void BM_computation_stage(benchmark::State& state) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  for (auto _ : state) {
    calDmax(w->con, w->m, w->cv);
    extremal_curves(w->con, w->m, w->d.rhs, w->cv);
    benchmark::DoNotOptimize(calboundary(w->con, w->m, w->cv));
  }
}
BENCHMARK(BM_computation_stage)->Unit(benchmark::kMillisecond);

// calcp of the default trajectory: accelerate from rest, land on the end curve.
void BM_calcp(benchmark::State& state) {
  auto built = std::make_unique<App>();
  if (!default_landed_trajectory(*built)) {
    state.SkipWithError("the default trajectory could not be built");
    return;
  }
  auto w = std::make_unique<App>();
  for (auto _ : state) {
    state.PauseTiming();
    *w = *built;
    state.ResumeTiming();
    benchmark::DoNotOptimize(calcp(w->con, w->m, w->cv, w->d.rhs, w->d.mo));
  }
}
BENCHMARK(BM_calcp)->Unit(benchmark::kMillisecond);

// The computation of one construction frame of the default setting (the step
// of nsub sub-steps and both look-ahead curves), at step 1, in the middle of
// the acceleration, and just before the end curve is crossed.
void BM_construction_frame(benchmark::State& state) {
  auto w = std::make_unique<App>();
  if (!prepared_default(*w)) {
    state.SkipWithError("the default motion could not be prepared");
    return;
  }
  Motion& mo = w->d.mo;
  const int at = static_cast<int>(state.range(0));
  while (mo.istep < at) app_run_frame(*w);
  const double t = mo.t;
  for (auto _ : state) {
    mo.istep = at;
    mo.t = t;
    benchmark::DoNotOptimize(app_run_frame(*w));
  }
  state.counters["look_ahead_points"] = w->d.fr.n_keep + w->d.fr.n_switch;
}
BENCHMARK(BM_construction_frame)->Arg(0)->Arg(40)->Arg(78)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
