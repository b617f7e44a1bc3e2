// Timings of the automatic optimum: the default setting (robot 'b', arc),
// the default of every path type for both robots, and a waypoint problem
// under speed limits.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/ceiling.h"
#include "planner/optimum.h"
#include "session/app.h"
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

// The example robots (examples/*.yaml): the industrial SCARA's 300 mm stroke
// under its joint speed limits, the teaching arm's half circle with friction
// that reverses, the cylindrical arm's U-shape.
const char* const kExamples[] = {"scara-industrial", "teaching-arm", "cylindrical-arm"};

std::unique_ptr<App> example(int k) {
  auto w = std::make_unique<App>();
  std::string error;
  if (!app_load_problem(*w, std::string(CPT_SOURCE_DIR) + "/examples/" + kExamples[k] + ".yaml", error)) return nullptr;
  rebuild_model(*w);
  return w;
}

void BM_optimum_example(benchmark::State& state) {
  auto w = example(static_cast<int>(state.range(0)));
  if (!w) return state.SkipWithError("the example did not load");
  state.SetLabel(kExamples[state.range(0)]);
  time_optimum(state, w->m);
}
BENCHMARK(BM_optimum_example)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The model evaluations of one optimum alone: the model's limits at a point
// (model_bounds: the coefficients, the joints' intervals, the velocity limit
// and the speed limits' ceiling) at as many points of the path as the
// optimum evaluates the model (o.evaluations: the search for the joints'
// reversals, the profile's samples, its check and its time grid),
// following the branch, for the example robot: the part of the optimum's
// time that is the model's.
void BM_optimum_example_model_only(benchmark::State& state) {
  auto w = example(static_cast<int>(state.range(0)));
  if (!w) return state.SkipWithError("the example did not load");
  state.SetLabel(kExamples[state.range(0)]);
  const Model& m = w->m;
  const int n = compute_optimum(m).evaluations;
  for (auto _ : state) {
    Vec2 fi = m.fi0;
    JointCoeffs D;
    PointBounds b;
    for (int i = 0; i < n; ++i) benchmark::DoNotOptimize(model_bounds(m, m.sf * i / n, fi, fi, D, b));
  }
  state.counters["calD"] = n;
}
BENCHMARK(BM_optimum_example_model_only)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
