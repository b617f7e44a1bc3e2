#include "batch/grade.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <memory>

#include "batch/runner.h"
#include "core/files.h"
#include "core/text.h"
#include "model/ceiling.h"
#include "planner/calcp.h"
#include "planner/optimum.h"
#include "problem/problem_file.h"
#include "problem/variant.h"
#include "session/recording.h"

namespace cpt {

namespace {

// Why a run has no trajectory, in the words of its keys.
std::string why_not_obtained(const Played& p, const Motion& mo) {
  if (p.start == ReplayStart::Refused) return "the recorded problem gives no motion: " + p.error;
  if (p.start == ReplayStart::InputEnded) return "the recording ends inside the start's dialog";
  if (mo.final_state == FinalState::Walking) return "landed with 'f', but the walk did not reach the end of the path";
  return "not landed on the final deceleration curve ('f')";
}

// The largest excess over the joint limits and the speed limits along the
// rebuilt motion, as fractions of the limit (0 when every limit is kept).
void limit_excess(const Model& m, const Motion& mo, Grade& g) {
  const double amax[2] = {m.pb.a1max, m.pb.a2max};
  for (int k = 0; k <= std::clamp(mo.nf, 0, NTAB - 1); ++k) {
    for (int i = 0; i < 2; ++i) g.joint_excess = std::max(g.joint_excess, std::fabs(shown_acc(mo, k)[i]) / amax[i] - 1);
    Vec2 fi{};
    Ceiling c;
    if (has_speed_limits(m) && ceiling_at(m, mo.Y[k][0], mo.fi[k], fi, c) && std::isfinite(c.sd) && c.sd > 0)
      g.speed_excess = std::max(g.speed_excess, mo.Y[k][1] / c.sd - 1);
  }
}

// The obtained motion set against the optimum of its problem.
void against_optimum(const Model& m, const Motion& mo, Grade& g) {
  g.goal_time = mo.tf;
  g.switchings = std::max(mo.NCHN - 1, 0);
  limit_excess(m, mo, g);
  const Optimum o = compute_optimum(m);
  if (!o.ok) return;
  g.has_optimum = true;
  g.optimum = o.T;
  g.gap = mo.tf - o.T;
  g.gap_percent = 100 * g.gap / o.T;
  g.optimum_switchings = static_cast<int>(o.switches.size());
  for (int i = 1; i < mo.NCHN && i < NREC && !o.switches.empty(); ++i) {
    double best = INFINITY;
    for (const OptimumSwitch& sw : o.switches) best = std::min(best, std::fabs(mo.chn[i].s - sw.s));
    g.switch_distance.push_back(best);
  }
}

// The problem a recording must have: the teacher's, or its variant for the
// student number the recording's problem names.
std::string expected_digest(const Problem& teacher, const Problem& recorded) {
  if (recorded.teaching.variant == Teaching::kNoVariant) return problem_digest(teacher);
  Problem variant;
  std::string why;
  if (!draw_variant(teacher, recorded.teaching.variant, variant, why)) return "none: " + why;
  return problem_digest(variant);
}

std::string base_name(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string problem_digest(const Problem& pb) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : problem_text(pb)) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  char text[20];
  std::snprintf(text, sizeof text, "%016" PRIx64, h);
  return text;
}

Grade grade_recording(const std::string& path, const Problem* teacher) {
  Grade g;
  g.file = path;
  Recording r;
  if (!load_recording(path, r, g.error)) return g;
  DiscardedOutput sink;
  auto w = std::make_unique<App>();
  w->con.set_streams(nullptr, sink.file());
  Played played;
  play_recording(*w, r, sink.file(), played, false);  // grading writes no pictures
  g.problem = r.start == RecordedStart::ProblemFile ? base_name(r.problem_path) : "dialog";
  g.digest = problem_digest(w->pb);
  g.variant = w->pb.teaching.variant;
  g.keys = played.pressed;
  if (teacher) g.expected = expected_digest(*teacher, w->pb);
  g.status = teacher && g.expected != g.digest ? GradeStatus::WrongProblem : GradeStatus::Graded;
  if (g.status == GradeStatus::WrongProblem) return g;
  g.obtained = played.start == ReplayStart::Started && w->d.mo.traj_state == TrajState::Obtained;
  if (!g.obtained) {
    g.why = why_not_obtained(played, w->d.mo);
    return g;
  }
  against_optimum(w->m, w->d.mo, g);
  return g;
}

namespace {

const char* status_name(GradeStatus s) {
  switch (s) {
    case GradeStatus::Graded: return "graded";
    case GradeStatus::WrongProblem: return "wrong_problem";
    case GradeStatus::Refused: return "refused";
  }
  return "";
}

std::string json_string(const std::string& s) {
  std::string out = "\"";
  for (const char ch : s) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20 || c == 0x7f) {
      appendf(out, "\\u%04x", c);
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

// The values of a grade, in the order of the CSV header; numbers as text,
// "" where a value does not apply.
std::vector<std::string> grade_values(const Grade& g) {
  const bool graded = g.status == GradeStatus::Graded;
  const bool timed = graded && g.obtained;
  const bool vs = timed && g.has_optimum;
  const auto num = [](bool shown, const char* fmt, double v) {
    std::string t;
    if (shown) appendf(t, fmt, v);
    return t;
  };
  std::string dist;
  for (const double d : g.switch_distance) appendf(dist, "%s%.6f", dist.empty() ? "" : ";", d);
  return {g.file, status_name(g.status), g.error, g.problem, g.digest, g.expected,
          g.variant == Teaching::kNoVariant ? "" : std::to_string(g.variant), graded ? (g.obtained ? "yes" : "no") : "",
          g.why, num(timed, "%.6f", g.goal_time), num(vs, "%.6f", g.optimum), num(vs, "%.6f", g.gap),
          num(vs, "%.4f", g.gap_percent), timed ? std::to_string(g.switchings) : "",
          vs ? std::to_string(g.optimum_switchings) : "", vs ? dist : "", num(timed, "%.6g", g.joint_excess),
          num(timed, "%.6g", g.speed_excess), g.status == GradeStatus::Refused ? "" : std::to_string(g.keys)};
}

}  // namespace

const char* const kGradeCsvHeader =
    "file,status,error,problem,digest,expected_digest,variant,obtained,why,goal_time [s],optimum [s],gap [s],"
    "gap [%],switchings,optimum_switchings,switch_distance_s,joint_limit_excess,speed_limit_excess,keys\n";

std::string grade_json(const Grade& g) {
  enum class As { Text, Number, Truth, List };
  struct Key {
    const char* name;
    As as;
  };
  static const Key keys[] = {{"file", As::Text}, {"status", As::Text}, {"error", As::Text}, {"problem", As::Text},
                             {"digest", As::Text}, {"expected_digest", As::Text}, {"variant", As::Number},
                             {"obtained", As::Truth}, {"why", As::Text}, {"goal_time", As::Number},
                             {"optimum", As::Number}, {"gap_s", As::Number}, {"gap_percent", As::Number},
                             {"switchings", As::Number}, {"optimum_switchings", As::Number},
                             {"switch_distance_s", As::List}, {"joint_limit_excess", As::Number},
                             {"speed_limit_excess", As::Number}, {"keys", As::Number}};
  const std::vector<std::string> v = grade_values(g);
  // A value that does not apply is left out.
  std::string out = "{";
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i].empty()) continue;
    std::string value = v[i];
    if (keys[i].as == As::Text) value = json_string(v[i]);
    if (keys[i].as == As::Truth) value = v[i] == "yes" ? "true" : "false";
    if (keys[i].as == As::List) {
      std::replace(value.begin(), value.end(), ';', ',');
      value = "[" + value + "]";
    }
    out += (out.size() > 1 ? "," : "") + json_string(keys[i].name) + ":" + value;
  }
  return out + "}";
}

std::string grade_csv_row(const Grade& g) {
  std::string row;
  for (const std::string& v : grade_values(g)) {
    const bool quote = v.find_first_of(",\"\n\r") != std::string::npos;
    std::string field = v;
    if (quote) {
      field.clear();
      for (const char c : v) field += c == '"' ? std::string("\"\"") : std::string(1, c);
      field = "\"" + field + "\"";
    }
    row += (row.empty() ? "" : ",") + field;
  }
  return row + "\n";
}

}  // namespace cpt
