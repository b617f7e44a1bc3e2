// Timing of a picture to keep: the SVG document of the default replay frame
// halfway through the motion (robot, trails, markers, phase plane, graphs,
// texts), drawn through the SVG backend and written to a file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "console/dialog.h"
#include "core/console.h"
#include "draw/primitives.h"
#include "draw/svg_backend.h"
#include "interaction/keys.h"
#include "plots/frame_picture.h"

using namespace cpt;

namespace {

void BM_svg_replay_frame(benchmark::State& state) {
  // The default setting through the start-up dialog (which also sets the
  // phase-plane scale), 80 steps, 'f', the walk to its end, then 70 replay steps.
  auto w = std::make_unique<World>();
  static char answers[] = "n\nn\nn\n";
  FILE* in = fmemopen(answers, sizeof answers - 1, "r");
  FILE* out = std::fopen("/dev/null", "w");
  con_set_streams(in, out);
  start_up(*w);
  FrameView v;
  for (char c : std::string(80, 's') + "f" + std::string(64 + 70, 's'))
    if (press_key(*w, static_cast<unsigned char>(c)) == KeyAction::Frame) v = run_frame(*w);
  con_set_streams(stdin, stdout);
  std::fclose(in);
  std::fclose(out);
  if (w->mo.traj_state != TrajState::Obtained || v.mode != FrameMode::Replay) {
    state.SkipWithError("the default replay frame was not reached");
    return;
  }
  const std::string path = "/tmp/cpt_svg_bench-" + std::to_string(getpid()) + ".svg";
  SvgBackend svg;
  Backend* previous = set_backend(&svg);
  std::string error;
  for (auto _ : state) {
    svg.clear();
    draw_frame(*w, v);
    if (!write_file_safely(path, svg.document(), true, error)) state.SkipWithError(error.c_str());
  }
  set_backend(previous);
  std::remove(path.c_str());
}
BENCHMARK(BM_svg_replay_frame)->Unit(benchmark::kMillisecond);

}  // namespace
