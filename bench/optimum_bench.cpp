// Timings of the automatic optimum: the default setting (robot 'b', arc),
// the default of every path type for both robots, and a waypoint problem
// under speed limits.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "planner/optimum.h"
#include "support/world.h"

using namespace cpt;

namespace {

// Times compute_optimum on the model; the counters give its calD evaluations and its time T.
void time_optimum(benchmark::State& state, const Model& m) {
  Optimum o;
  for (auto _ : state) {
    o = compute_optimum(m);
    benchmark::DoNotOptimize(o);
  }
  if (!o.ok) state.SkipWithError(o.reason.c_str());
  state.counters["calD"] = o.evaluations;
  state.counters["T"] = o.T;
}

void BM_optimum(benchmark::State& state) {
  const Robot robot = state.range(0) ? Robot::Scara : Robot::Cylindrical;
  time_optimum(state, default_world(robot, path_type(static_cast<int>(state.range(1))))->m);
}

// The default setting.
BENCHMARK(BM_optimum)->Name("BM_optimum_default")->Args({1, 1})->Unit(benchmark::kMillisecond);
// Robot 'a' (0) and 'b' (1), path types 1 to 7.
BENCHMARK(BM_optimum)
    ->ArgsProduct({{0, 1}, {1, 2, 3, 4, 5, 6, 7}})
    ->ArgNames({"robot_b", "path"})
    ->Unit(benchmark::kMillisecond);

// A problem of one's own: robot 'b' on a 20-point waypoint path (a wavy arc
// round the base) under both joint velocity limits and the hand speed limit.
void BM_optimum_waypoints_limits(benchmark::State& state) {
  auto w = default_world(Robot::Scara);
  std::vector<Vec2> points;
  for (int k = 0; k < 20; ++k) {
    const double a = -0.6 + 1.8 * k / 19, r = 0.7 + 0.08 * std::sin(3 * a);
    points.push_back({r * std::cos(a), r * std::sin(a)});
  }
  use_waypoints(*w, points);
  w->pb.vmax = {1.5, 2.5}, w->pb.vtool = 0.8, rebuild_model(*w);
  time_optimum(state, w->m);
}
BENCHMARK(BM_optimum_waypoints_limits)->Unit(benchmark::kMillisecond);

}  // namespace
