#include "session/app.h"

#include "console/dialog.h"
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

}  // namespace cpt
