#include "console/path_blocks.h"

#include "model/paths.h"
#include "console/ask.h"
#include "core/console.h"
#include "console/path_texts.h"
#include "console/summary.h"

namespace cpt {

namespace {

// The block of a built-in kind: its old values, the prompt, the values
// entered (into the problem), the new values.
bool kind_block(Console& con, Problem& pb, const PathTexts& t) {
  double v[kPathValueRoom] = {};
  const int n = path_values(pb, pb.cptype, v);
  print_path_values(con, t.old_values, v, 0);
  Field kinds[kMaxPathValues];
  const PathKind& k = path_kind(pb.cptype);
  for (int i = 0, j = 0; i < k.n_params; ++i)
    for (int c = 0; c < k.params[i].n; ++c) kinds[j++] = k.params[i].kind;
  if (!ask_values(con, con.tr(t.prompt), kinds, n, v)) return false;
  set_path_values(pb, pb.cptype, v);
  path_values(pb, pb.cptype, v);
  print_path_values(con, t.new_values, v, t.new_from);
  return true;
}

// The waypoint path comes from a problem file: nothing is asked, the points stay.
bool waypoint_block(Console& con, const Problem& pb) {
  con.say(Txt::WaypointBlock, con.tr(Txt::WaypointPathName), pb.waypoints.n,
             build_model(pb).sf);
  return true;
}

}  // namespace

bool path_block(Console& con, Problem& pb) {
  if (const PathTexts* t = path_texts(pb.cptype)) return kind_block(con, pb, *t);
  return waypoint_block(con, pb);
}

}  // namespace cpt
