// Timing of a picture to keep: the SVG document of the default replay frame
// halfway through the motion (robot, trails, markers, phase plane, graphs,
// texts), drawn through the SVG backend and written to a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "draw/primitives.h"
#include "core/files.h"
#include "draw/svg_backend.h"
#include "interaction/keys.h"
#include "plots/frame_picture.h"
#include "support/trajectory.h"

using namespace cpt;

namespace {

void BM_svg_replay_frame(benchmark::State& state) {
  // The default trajectory landed with 'f', walked to its end with 's', then
  // 70 replay steps: the window's frame after 80 's', 'f' and 134 's'.
  auto w = std::make_unique<App>();
  FrameView v;
  const bool landed = default_landed_trajectory(*w);
  for (int k = 0; landed && k < NSTEP && !v.obtained; ++k) {
    app_press_key(*w, 's');
    v = app_run_frame(*w);
  }
  for (int k = 0; v.obtained && k < 70; ++k) {
    app_press_key(*w, 's');
    v = app_run_frame(*w);
  }
  if (w->d.mo.traj_state != TrajState::Obtained || v.mode != FrameMode::Replay) {
    state.SkipWithError("the default replay frame was not reached");
    return;
  }
  const std::string path = "/tmp/cpt_svg_bench-" + std::to_string(getpid()) + ".svg";
  SvgBackend svg;
  std::string error;
  for (auto _ : state) {
    svg.clear();
    draw_frame(svg, w->m, w->cv, w->d, w->pic, v);
    if (!write_file_safely(path, svg.document(), true, error)) state.SkipWithError(error.c_str());
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_svg_replay_frame)->Unit(benchmark::kMillisecond);

}  // namespace
