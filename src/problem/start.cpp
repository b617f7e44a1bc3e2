// The start of a run from a problem file, and the window program's option.
#include <cstdio>
#include <string>

#include "console/dialog.h"
#include "core/args.h"
#include "core/console.h"
#include "model/singular.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// Why the preparation refused the settings, in the words of the file's user.
std::string refusal(const Model& m, const Curves& cv, Prepared p) {
  switch (p) {
    case Prepared::StartUnreachable: return "the start point is out of reach of the robot";
    case Prepared::NoBoundary: return "a point of the path is out of reach of the robot (no velocity limit curve)";
    case Prepared::NotFinite: return "the values are too extreme to compute with";
    case Prepared::TooFast:
      return "the fastest motion takes fewer than 10 steps of 10 ms (the path is too short or the limits too large)";
    case Prepared::Singular: {
      const SingularApproach a = closest_singularity(m);
      const char* what = a.what == Singularity::Axis        ? "the robot's axis"
                         : a.what == Singularity::Stretched ? "the fully stretched arm"
                                                            : "the folded arm";
      char line[200];
      std::snprintf(line, sizeof line,
                    "the path passes %.1e m from %s at s=%.4f (%.4f, %.4f), closer than %.0e m", a.dist,
                    what, a.s, a.p[0], a.p[1], TOL_SINGULAR_DIST);
      return line;
    }
    case Prepared::Stuck: {
      const Stuck st = friction_stop(m, cv);
      char line[200];
      if (st.joint >= 0)
        std::snprintf(line, sizeof line, "the Coulomb friction of joint %d, %g, is at or above its limit %g: the robot cannot move",
                      st.joint + 1, m.pb.robot.body.Fc[st.joint], st.joint == 0 ? m.pb.a1max : m.pb.a2max);
      else
        std::snprintf(line, sizeof line, "the velocity limit falls to 0 at s=%.4f: no motion can pass there", st.s);
      return line;
    }
    case Prepared::Ready: break;
  }
  return "";
}

}  // namespace

bool start_problem(Console& con, const Problem& pb, Model& m, Curves& cv, Data& d, Picture& pic, const std::string& path,
                   std::string& error) {
  // What the dialog prints once it is answered, its questions left out.
  print_key_help(con);
  con.say(Txt::ProblemFile, path.c_str());
  const Prepared p = compute_stage(con, pb, m, cv, d, pic);
  if (p == Prepared::Ready) return true;
  con.print("\n");
  error = path + ": no motion can be prepared: " + refusal(m, cv, p);
  return false;
}

bool take_problem_option(int& argc, char** argv, std::string& path, std::string& error) {
  path.clear();
  bool given = false;
  return take_option(argc, argv, "--problem", given, [&path](const char* value) -> std::string {
    if (!value || !*value) return "--problem needs a file name";
    path = value;
    return "";
  }, error);
}

}  // namespace cpt
