#include "problem/variant.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "core/files.h"
#include "planner/optimum.h"
#include "planner/prepare.h"
#include "problem/params.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// A stream of numbers in [-1, 1] (splitmix64): the same on every machine.
class Draw {
 public:
  Draw(long student, int attempt)
      : x_(static_cast<std::uint64_t>(student) * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(attempt + 1)) {}
  double next() {
    std::uint64_t z = (x_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(1ull << 52) - 1.0;
  }

 private:
  std::uint64_t x_;
};

// A limit scaled by a factor of three decimals within the spread; 0 (no limit) stays 0.
// (Whole thousandths and tenths of a millimetre keep the written file short.)
double scaled(double v, Draw& d) { return v * (1000 + std::round(kVariantLimitSpread * 1000 * d.next())) / 1000; }
// A coordinate moved by whole tenths of a millimetre within the shift.
double moved(double v, Draw& d) { return (v * 1e4 + std::round(kVariantPointShift * 1e4 * d.next())) / 1e4; }

void perturb(Problem& pb, Draw& d) {
  pb.a1max = scaled(pb.a1max, d);
  pb.a2max = scaled(pb.a2max, d);
  for (double& v : pb.vmax) v = scaled(v, d);
  pb.vtool = scaled(pb.vtool, d);
  if (pb.cptype == PathType::Waypoints) {
    for (int i = 0; i < pb.waypoints.n && i < NWAYPOINTS; ++i)
      for (double& c : pb.waypoints.p[i]) c = moved(c, d);
    return;
  }
  int count = 0;
  const PathParam* params = path_params(pb.cptype, count);
  for (int i = 0; i < count; ++i) {
    if (params[i].n != 2) continue;
    double v[2];
    params[i].get(pb, v);
    for (double& c : v) c = moved(c, d);
    params[i].set(pb, v);
  }
}

// The problem as its file reads back, with a motion and an optimum.
bool feasible(Problem& pb, std::string& why) {
  Problem back;
  if (!parse_problem(problem_text(pb), "variant", back, why)) return false;
  pb = back;
  DiscardedOutput sink;
  auto con = std::make_unique<Console>(nullptr, sink.file());
  auto m = std::make_unique<Model>();
  auto cv = std::make_unique<Curves>();
  auto d = std::make_unique<Data>();
  Picture pic;
  if (prepare_motion(*con, pb, *m, *cv, *d, pic) != Prepared::Ready) {
    why = "no motion can be prepared";
    return false;
  }
  const Optimum o = compute_optimum(*m);
  if (!o.ok) why = o.reason;
  return o.ok;
}

}  // namespace

bool draw_variant(const Problem& base, long student, Problem& out, std::string& why) {
  for (int attempt = 0; attempt < kVariantDraws; ++attempt) {
    Draw d(student, attempt);
    out = base;
    perturb(out, d);
    out.teaching.variant = student;
    if (feasible(out, why)) return true;
  }
  why = "no feasible variant for student " + std::to_string(student) + " in " + std::to_string(kVariantDraws) +
        " draws (the last: " + why + ")";
  return false;
}

}  // namespace cpt
