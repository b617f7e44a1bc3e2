#include "session/app.h"

#include "console/dialog.h"
#include "core/files.h"
#include "planner/prepare.h"
#include "problem/problem_file.h"

namespace cpt {

int app_start_up(App& app) { return start_up(app.con, app.pb, app.m, app.cv, app.d, app.pic); }

int app_dialog(App& app, int key) { return settings_dialog(app.con, app.pb, app.m, app.cv, app.d, app.pic, key); }

bool app_load_problem(App& app, const std::string& path, std::string& error) {
  if (!load_problem(path, app.pb, error)) return false;
  app.pic = default_picture(app.pb.robot);
  return true;
}

bool app_start_problem(App& app, const std::string& path, std::string& error) {
  return start_problem(app.con, app.pb, app.m, app.cv, app.d, app.pic, path, error);
}

KeyAction app_press_key(App& app, unsigned char key) {
  app.con.scope_begin();  // ended by the key's frame
  const KeyAction a = press_key(app.con, app.m, app.cv, app.d, app.pic, key);
  if (!app.d.fr.report.empty()) {
    app.con.print("%s", app.d.fr.report.c_str());
    app.d.fr.report.clear();
  }
  return a;
}

FrameView app_run_frame(App& app, const OnObtained& on_obtained) {
  const FrameView v = run_frame(app.con, app.m, app.cv, app.d, on_obtained);
  if (!v.report.empty()) app.con.print("%s", v.report.c_str());
  app.con.scope_end();
  return v;
}

void app_record_answers(App& app, RecordingWriter& rec) {
  app.con.set_input_tap([&rec](InputRead what, const std::string& text) {
    rec.add(what == InputRead::Key ? RecordKind::Answer : RecordKind::Line, text);
  });
}

bool app_recording_header(const App& app, const std::string& problem_path, std::string& header, std::string& error) {
  if (problem_path.empty()) {
    header = recording_header(app.con.lang(), RecordedStart::Dialog);
    return true;
  }
  std::string text;
  // The reader's own limit (1 MiB): a file it read is never cut.
  if (!read_file_text(problem_path, 1u << 20, text, error)) return false;
  header = recording_header(app.con.lang(), RecordedStart::ProblemFile, problem_path, text);
  return true;
}

ReplayStart app_start_replay(App& app, const Recording& r, FILE* input, std::string& error) {
  app.con.set_lang(r.lang);
  app.con.set_streams(input, app.con.out());
  if (r.start == RecordedStart::Dialog) return app_start_up(app) ? ReplayStart::Started : ReplayStart::InputEnded;
  app.pb = r.pb;
  app.pic = default_picture(app.pb.robot);
  return app_start_problem(app, r.problem_path, error) ? ReplayStart::Started : ReplayStart::Refused;
}

}  // namespace cpt
