// The window key 'o': the automatic optimum shown and hidden.
#include <gtest/gtest.h>

#include "console/dialog.h"
#include "interaction/frame.h"
#include "interaction/keys.h"
#include "model/paths.h"
#include "support/console_capture.h"

namespace cpt {
namespace {

// One key as the window handles it: the key, then the frame it runs.
FrameView key(World& w, char c) {
  EXPECT_EQ(press_key(w, static_cast<unsigned char>(c)), KeyAction::Frame);
  return run_frame(w);
}

// The first 'o' computes the optimum and prints its switch point (the
// figures of an independent integration: 1.4427 s, the switch at 0.7984 s,
// s = 1.5957, sd = 3.5564); 'o' shows and hides it without stepping the
// motion or printing again; a dialog forgets it. Without a feasible motion
// (the settings changed behind the dialog's back): one line on the console
// and as the frame's notice, nothing shown, the hand-built motion untouched.
TEST(OptimumKey, ShowHideForgetAndFail) {
  auto w = std::make_unique<World>();
  ConsoleCapture con("n\nn\nn\n");
  start_up(*w);
  key(*w, 's');
  con.take();
  const int step = w->mo.istep;
  EXPECT_EQ(key(*w, 'o').notice, nullptr);
  EXPECT_EQ(con.take(), "\n\n最適軌道(自動計算) T*= 1.4427 切り替え回数=1\nt1= 0.7984 S[]=( 1.5957  3.5564) acc->dec\n");
  EXPECT_TRUE(w->opt.shown);
  EXPECT_NEAR(w->opt.T, 1.442701, 2e-6);
  key(*w, 'o');
  EXPECT_FALSE(w->opt.shown);
  key(*w, 'o');
  EXPECT_TRUE(w->opt.shown);
  EXPECT_EQ(w->mo.istep, step);
  EXPECT_EQ(con.take(), "");
  EXPECT_EQ(press_key(*w, 'u'), KeyAction::Dialog);
  EXPECT_FALSE(w->opt.shown);
  EXPECT_FALSE(w->opt.computed);

  w->st.arc_R = 0.75;  // the arc leaves the SCARA's reach
  update_path_derived(w->st, PathType::Arc);
  const Motion before = w->mo;
  const FrameView v = key(*w, 'o');
  const std::string line = con.take();
  ASSERT_NE(v.notice, nullptr);
  EXPECT_EQ(std::string(v.notice).rfind("no feasible motion: the path point is out of reach at s=", 0), 0u);
  // The frame's look-ahead on the changed path prints its own lines after it.
  EXPECT_EQ(line.substr(0, line.find('\n', 2) + 1), "\n\n最適軌道(自動計算) " + std::string(v.notice) + "\n");
  EXPECT_FALSE(w->opt.shown);
  EXPECT_EQ(w->mo.istep, before.istep);
  EXPECT_EQ(w->mo.Y[1], before.Y[1]);
}

}  // namespace
}  // namespace cpt
