#include "app/replay.h"

#include <algorithm>

namespace cpt {

ReplayKey replay_key(unsigned char key) {
  switch (key) {
    case '+': return ReplayKey::Faster;
    case '-': return ReplayKey::Slower;
    case ' ': return ReplayKey::Pause;
    case 27: return ReplayKey::Quit;
    default: return ReplayKey::Other;
  }
}

bool apply_replay_key(WindowReplay& r, ReplayKey k) {
  switch (k) {
    case ReplayKey::Faster: r.delay_ms = std::max(kFastestMs, r.delay_ms / 2); return true;
    case ReplayKey::Slower: r.delay_ms = std::min(kSlowestMs, r.delay_ms * 2); return true;
    case ReplayKey::Pause: r.paused = !r.paused; return true;
    case ReplayKey::Quit:
    case ReplayKey::Other: break;
  }
  return false;
}

std::string replay_line(const WindowReplay& r) {
  if (!r.active)
    return "Replay of " + r.path + " ended after " + std::to_string(r.done) + " keys: the window is yours";
  return "Replay of " + r.path + ": key " + std::to_string(r.done) + " of " + std::to_string(r.total) + ", " +
         (r.paused ? std::string("paused") : std::to_string(r.delay_ms) + " ms a key") +
         "  (+ - pace, space pause)";
}

}  // namespace cpt
