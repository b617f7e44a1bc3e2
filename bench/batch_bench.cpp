// Timing of the runner's whole default run in-process: the start-up dialog
// with its computation stage, the 145 keys of the default construction
// (80 steps, the landing, the walk) and the rebuild with its report. The
// console output and the window's messages go to /dev/null.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "batch/runner.h"
#include "core/console.h"

namespace cpt {

namespace {

void BM_batch_default_run(benchmark::State& state) {
  const std::string keys = std::string(80, 's') + "f" + std::string(64, 's');
  const char* argv[] = {"batch", "--keys", keys.c_str()};
  char answers[] = "n\nn\nn\n";
  FILE* null_out = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    FILE* in = fmemopen(answers, sizeof answers - 1, "r");
    const int status = batch_main(3, argv, null_out, Console(in, null_out));
    std::fclose(in);
    if (status != 0) state.SkipWithError("the default run failed");
  }
  std::fclose(null_out);
}
BENCHMARK(BM_batch_default_run)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace cpt
