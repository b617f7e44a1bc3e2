// The window's replay of a recording (cp_time_optimal --replay FILE): its
// keys one at a time at a readable pace, the dialogs answered from it, until
// the keys are all run (a recorded ESC is not run: the window stays); then
// the window and the console are the user's again. While it runs, '+' and
// '-' change the pace, space pauses and resumes, ESC quits.
#pragma once

#include <string>

namespace cpt {

struct WindowReplay {
  std::string path;     // the recording's file
  bool active = false;  // keys are still to come
  bool paused = false;
  int delay_ms = 50;    // between two keys
  int done = 0, total = 0;  // keys run, keys recorded (ESC not counted)
};

// The pace between two keys: from kFastestMs to kSlowestMs, halved by '+'
// and doubled by '-'.
constexpr int kFastestMs = 5, kSlowestMs = 1600;

enum class ReplayKey { Faster, Slower, Pause, Quit, Other };
ReplayKey replay_key(unsigned char key);

// What a key pressed by the user during the replay does to it; true when it
// changed the pace or the pause.
bool apply_replay_key(WindowReplay& r, ReplayKey k);

// The line under the panel: where the replay stands, or that it ended.
std::string replay_line(const WindowReplay& r);

}  // namespace cpt
