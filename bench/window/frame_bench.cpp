// Timings of whole drawn frames in a real GLUT window (run under Xvfb):
// a construction frame and a replay frame of the default setting, each with
// its computation, all its drawing and the buffer swap.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/display.h"
#include "app/gl_backend.h"
#include "app/window.h"
#include "core/console.h"
#include "interaction/keys.h"
#include "session/app.h"

using namespace cpt;

namespace {

std::unique_ptr<App> g_world;

void no_display() {}
void no_keys(unsigned char, int, int) {}

// The default setting after the start-up dialog, then these keys.
std::unique_ptr<App> after(const std::string& keys) {
  auto w = std::make_unique<App>();
  static char answers[] = "n\nn\nn\n";
  FILE* in = fmemopen(answers, sizeof answers - 1, "r");
  FILE* out = std::fopen("/dev/null", "w");
  w->con.set_streams(in, out);
  app_start_up(*w);
  for (char c : keys) {
    if (app_press_key(*w, static_cast<unsigned char>(c)) == KeyAction::Frame) app_run_frame(*w);
  }
  w->con.set_streams(nullptr, nullptr);
  std::fclose(in);
  std::fclose(out);
  return w;
}

// A construction frame in the middle of the acceleration: step, look-ahead,
// phase plane, and the swap.
void BM_drawn_construction_frame(benchmark::State& state) {
  auto w = after(std::string(40, 's'));
  Motion& mo = w->d.mo;
  const int at = mo.istep;
  const double t = mo.t;
  GlBackend gl;
  for (auto _ : state) {
    mo.istep = at;
    mo.t = t;
    benchmark::DoNotOptimize(display_frame(gl, *w));
    glFinish();
  }
}
BENCHMARK(BM_drawn_construction_frame)->Unit(benchmark::kMillisecond);

// A replay frame halfway through the motion: robot, trails, markers, graphs.
void BM_drawn_replay_frame(benchmark::State& state) {
  auto w = after(std::string(80, 's') + "f" + std::string(64 + 70, 's'));
  if (w->d.mo.traj_state != TrajState::Obtained) {
    state.SkipWithError("the default trajectory was not obtained");
    return;
  }
  Motion& mo = w->d.mo;
  const int at = mo.istep;
  GlBackend gl;
  for (auto _ : state) {
    mo.istep = at;
    benchmark::DoNotOptimize(display_frame(gl, *w));
    glFinish();
  }
}
BENCHMARK(BM_drawn_replay_frame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  int gargc = 1;
  char* gargv[] = {argv[0], nullptr};
  open_window(&gargc, gargv, no_display, no_keys);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
