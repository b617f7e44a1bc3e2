// The 'l' key and a speed limit through the runner: construction, report, panel, summary, picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "batch/runner.h"
#include "console/summary.h"
#include "draw/texts.h"
#include "interaction/frame.h"
#include "planner/prepare.h"
#include "plots/phase_plane.h"
#include "support/console_capture.h"
#include "support/recorder.h"
#include "support/trajectory.h"
#include "support/world.h"

namespace cpt {
namespace {

// The window's keys through the runner on the arc with joint 1 limited to 1 rad/s: ceiling
// reached at t = 1 / 8, i.e. after 12.5 steps. The 13th step ends above it; 'l' from step 12
// follows it, 'f' steps on along it and lands; the goal time is pi + 1/8 like the optimum's.
TEST(VelocityLimits, KeyLFollowsTheCeilingAndTheReportSaysSo) {
  struct Case { const char* what; double v1; std::string keys; const char* notice, *failed; bool obtained; };
  // The obtained motion is replayed to its end, which the last frame notes.
  const std::string s12(12, 's');
  const Case cases[] = {
      {"the 13th step ends above the ceiling", 1.0, s12 + "s", nullptr, kMsgOverJoint1Speed, false},
      {"no limit: 'l' only tells", 0, s12 + "l", kNoticeNoSpeedLimit, nullptr, false},
      {"far below the ceiling", 1.0, "sss" "l", kNoticeNotAtCeiling, nullptr, false},
      {"along the ceiling, landed", 1.0, s12 + "l" + std::string(400, 'f') + std::string(400, 's'), kNoticeReplayEnd, nullptr, true},
  };
  FILE* msg = std::fopen("/dev/null", "w");
  for (const Case& c : cases) {
    auto w = prepared_centred_arc(0.5, PI);
    w->pb.vmax = {c.v1, 0};
    ASSERT_EQ(prepare(*w), Prepared::Ready);
    ConsoleCapture con(w->con);
    size_t next = 0;
    FrameView shown;
    const std::string keys = c.keys;
    run_batch_keys(*w, [&] { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; }, msg, &shown);
    const Motion& mo = w->d.mo;
    EXPECT_EQ(shown.notice == nullptr ? std::string() : std::string(shown.notice),
              c.notice == nullptr ? std::string() : std::string(c.notice)) << c.what;
    EXPECT_STREQ(shown.step_failed, c.failed) << c.what;
    EXPECT_EQ(mo.traj_state == TrajState::Obtained, c.obtained) << c.what;
    if (c.notice && !c.obtained) {  // nothing changed by the refused 'l'
      EXPECT_EQ(mo.NCHN, 0) << c.what; EXPECT_EQ(mo.istep, static_cast<int>(keys.size()) - 1) << c.what;
    }
    // The look-ahead of full acceleration ends at its first point above the ceiling.
    for (int k = 1; c.v1 > 0 && k < w->d.fr.n_keep; ++k) ASSERT_LE(w->d.fr.look_keep[k - 1][1], 1 + 1e-6) << c.what << k;
    {  // the ceiling, lower than the acceleration limit (2) all along, is drawn in magenta
      Recorder rec;
      plot_boundary(rec, w->pic, mo, w->cv, colour::black);
      EXPECT_EQ(rec.of(DrawCall::ThickLine, &colour::magenta).size(), c.v1 > 0 ? size_t(w->cv.nbnd) : 0u);
    }
    if (!c.obtained) continue;
    print_settings(w->con, w->m);
    const std::string out = con.text();
    EXPECT_NE(out.find("\nt1 から関節1の速度上限に沿う"), std::string::npos) << out;
    EXPECT_NE(out.find("(v1max,v2max)=( 1.00  0.00)"), std::string::npos) << out;
    NumberText panel;
    format_speed_limits(panel, w->m);
    EXPECT_STREQ(panel, "(1.00, -) Vhand=-[m/s]\n");
    EXPECT_NEAR(mo.tf, PI + 0.125, 1e-4);
    int on = 0;
    for (int k = 0; k <= mo.nf; ++k) {
      ASSERT_LE(mo.Y[k][1], 1 + 1e-6) << "k=" << k;
      on += std::fabs(mo.Y[k][1] - 1) < 1e-9;
    }
    EXPECT_GT(on, 290);  // (pi - 1/8) s along the ceiling, in steps of dt0
    for (int k = 0; k <= mo.nn; ++k) ASSERT_LE(mo.Yn[k][1], 1 + 1e-9) << "reference, k=" << k;
    for (int i = 0; i <= w->cv.nbnd; ++i) {
      EXPECT_NEAR(w->cv.bnd[i][1], 1, 1e-9); EXPECT_TRUE(w->cv.bnd_ceiling[i]);
    }
  }
  std::fclose(msg);
}

}  // namespace
}  // namespace cpt
