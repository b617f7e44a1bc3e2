// cp_time_optimal_batch: the simulator's dialog and window keys without a
// window; see batch/runner.h and `cp_time_optimal_batch --help`.
#include <cstdio>

#include "batch/runner.h"

using namespace cpt;

int main(int argc, char** argv) { return batch_main(argc, argv, stderr); }
