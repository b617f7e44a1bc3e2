// Variants of a problem, one per student: the joint limits and the speed
// limits scaled by a factor within 1 +- kVariantLimitSpread, and the path's
// points (the waypoints, or a built-in path's start point or centre) moved
// by at most kVariantPointShift in x and in y. The student number seeds the
// draw, so the teacher regenerates any variant from the problem and the
// number, which the variant's teaching section keeps. A draw whose problem
// file would be refused, or whose motion cannot be prepared or has no
// optimum, is drawn again.
#pragma once

#include <string>

#include "core/problem.h"

namespace cpt {

constexpr double kVariantLimitSpread = 0.15;  // of each limit that is set
constexpr double kVariantPointShift = 0.002;  // [m], in x and in y
// Draws tried before a problem is said to have no variant for a number.
constexpr int kVariantDraws = 40;

// Variant `student` (0..kMaxVariant) of `base` into `out`. False, with why
// in one line, when none of the draws gives a feasible problem.
bool draw_variant(const Problem& base, long student, Problem& out, std::string& why);

}  // namespace cpt
