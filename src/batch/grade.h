// Grading recordings of window runs (cp_time_optimal_batch --grade FILE...):
// each recording is played back without a window, and its result is set
// against the exact optimum of its problem: the goal time and how far it is
// from the optimum, the switchings against the optimum's, and how far the
// rebuilt motion goes beyond a limit. A recording whose problem is not the
// one the teacher gives (--problem, or that problem's variant for the
// student number the recording's problem names) is flagged and not graded.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/problem.h"

namespace cpt {

enum class GradeStatus {
  Graded,
  WrongProblem,  // the recording's problem is not the teacher's
  Refused,       // the recording cannot be read (one line in `error`)
};

struct Grade {
  std::string file;
  GradeStatus status = GradeStatus::Refused;
  std::string error;         // Refused: "FILE:LINE: what; accepted: ..."
  std::string problem;       // the recorded problem file's name, or "dialog"
  std::string digest;        // of the problem the run ended with (problem_digest)
  std::string expected;      // the teacher's problem's digest; empty: none given
  long variant = Teaching::kNoVariant;
  bool obtained = false;
  std::string why;           // why not obtained
  double goal_time = 0;      // tf [s]
  bool has_optimum = false;
  double optimum = 0;        // T* [s]
  double gap = 0, gap_percent = 0;
  int switchings = 0, optimum_switchings = 0;
  std::vector<double> switch_distance;  // each hand-built switching's |s - s of the nearest optimal switch|
  double joint_excess = 0;   // largest |joint effort| / its limit - 1 of the rebuilt motion, 0 within
  double speed_excess = 0;   // largest sd / the speed limits' ceiling - 1, 0 within
  int keys = 0;
};

// The digest of a problem: FNV-1a (64 bits, 16 hex digits) of its problem
// file text (problem_text), so that the same settings give the same digest
// however their file was written.
std::string problem_digest(const Problem& pb);

// Plays the recording at `path` back and grades it; `teacher` (may be null)
// is the problem the teacher gives.
Grade grade_recording(const std::string& path, const Problem* teacher);

// One JSON object on one line (no line end), and one CSV row with its header.
std::string grade_json(const Grade& g);
extern const char* const kGradeCsvHeader;
std::string grade_csv_row(const Grade& g);

}  // namespace cpt
