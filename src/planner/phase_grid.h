// The grid of the phase-plane profile: nodes in s with the admissible
// accelerations sampled on either side (they differ only at the path's
// knots) and at the midpoint of every interval. Part of the optimum's
// numeric core; see phase_profile.h.
#pragma once

#include <string>
#include <vector>

#include "model/phase_bounds.h"
#include "planner/phase_profile.h"

namespace cpt {

// Most nodes a refinement may grow the grid to. Stalls at many nodes are not
// steps across a steep limit but a stretch where nothing can move (friction
// holding the robot), and switches or broken limits marked everywhere are a
// model the grid cannot resolve: refining them all would only multiply the
// grid. Past it the profile stands as it is, and the check decides.
constexpr size_t GRID_NODES_MAX = 100000;

struct GridNode {
  double s = 0;
  PointBounds left, right;  // the limits of the intervals to the left and to the right
  Vec2 fi{};                // joint values (branch reference of the next samples)
};

struct Grid {
  std::vector<GridNode> nodes;     // s strictly increasing, 0 first, sf last
  std::vector<PointBounds> mids;   // mids[k]: midpoint of nodes k and k + 1
  // The velocity limit at node k: the lower of its two sides.
  double xcap(size_t k) const { return std::min(nodes[k].left.xmax, nodes[k].right.xmax); }
};

// Samples the model for the grid, counting evaluations and keeping the
// first failure's one-line reason.
class GridSampler {
 public:
  explicit GridSampler(const ProfileProblem& pb) : pb_(pb) {}
  // Bounds at s, following the branch from ref (updated to the joint values at s).
  bool at(double s, Vec2& ref, PointBounds& b);
  // The uniform grid of pb.intervals intervals with the knots as nodes, and
  // nodes where an s-dd coefficient changes sign and where another limit
  // takes over setting the velocity limit (its corners).
  bool build(Grid& g);
  // Inserts the points ins[k] (increasing, inside interval k) into every interval k.
  bool insert(Grid& g, const std::vector<std::vector<double>>& ins);
  int evaluations() const { return evaluations_; }
  const std::string& reason() const { return reason_; }

 private:
  bool limit_corner_nodes(Grid& g);
  bool refine_around(Grid& g);
  double coefficient_root(double a, double b, double ca, double cb, int joint, Vec2 ref);
  double cap_corner(double a, double b, int by_a, Vec2 ref);
  const ProfileProblem& pb_;
  int evaluations_ = 0;
  std::string reason_;
};

}  // namespace cpt
