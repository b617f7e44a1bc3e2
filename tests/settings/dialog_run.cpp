#include "settings/dialog.h"
#include "settings/dialog_texts.h"

namespace {
bool g_ended = false;
void note_end() { g_ended = true; }
}  // namespace

DialogRun run_dialog(World& w, char key, const std::string& input) {
  DialogRun r;
  ConsoleCapture cap(input);
  g_ended = false;
  set_dialog_end_hook(note_end);
  w.mo.key = key;
  r.result = settings_dialog(w);
  set_dialog_end_hook(nullptr);
  r.ended = g_ended;
  r.out = cap.text();
  return r;
}
