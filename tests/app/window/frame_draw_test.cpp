// What the window draws for a frame's view, recorded instead of drawn.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "support/recorder.h"
#include "support/world.h"

namespace {

// Catches a construction message drawn before the picture (and so hidden
// under it, or lost at a swap), look-ahead curves drawn when the view has
// none, and a notice that is not shown.
TEST(FrameDraw, MessagesComeLastOverTheConstruction) {
  auto w = default_world('b', 1);
  w->mo.istep = 3;
  for (int k = 0; k <= 3; ++k) w->mo.Y[k] = {0.1 * k, 0.5 * k};
  w->fr.n_keep = 4;
  w->fr.n_switch = 2;
  FrameView v;
  v.n = 3;
  v.step_failed = true;
  v.notice = kNoticeRecordsFull;
  for (bool look : {false, true}) {
    v.look_ahead = look;
    Recorder rec;
    draw_frame(*w, v);
    ASSERT_GE(rec.calls.size(), 2u);
    const DrawCall& msg = rec.calls[rec.calls.size() - 2];
    EXPECT_EQ(msg.text, kMsgStepFailed);
    EXPECT_EQ(rec.calls.back().text, kNoticeRecordsFull);
    EXPECT_EQ(rec.of(DrawCall::ThickLine, &colour::yellow).empty(), !look);
  }
}

// Catches replay trails of the wrong length or colour, the end and start rings
// missing, and graphs drawn before the white panel that clears their area.
TEST(FrameDraw, ReplayTrailsRingsAndGraphArea) {
  auto w = default_world('b', 1);
  Motion& mo = w->mo;
  mo.traj_state = 'e';
  mo.nf = 10;
  mo.nn = 14;
  mo.NCHN = 1;
  mo.chn[1].t = 0.1;
  for (int k = 0; k <= 14; ++k) {
    mo.CP[k] = {0.7 - 0.01 * k, 0.2 + 0.01 * k, {0, 0}};
    mo.CPn[k] = {0.7 - 0.005 * k, 0.2};
    mo.fi[k] = {0.1 * k, 0.5};
    mo.tt[k] = 0.01 * k;
  }
  FrameView v;
  v.mode = FrameMode::Replay;
  v.n = 6;
  v.reference = 8;
  Recorder rec;
  draw_frame(*w, v);
  const auto small = [](double r) { return [r](const DrawCall& d) { return std::fabs(d.size - r) < 1e-12; }; };
  EXPECT_EQ(rec.of(DrawCall::Disc, &colour::red, small(0.008)).size(), 7u);    // CP[0..6]
  const auto on_trail = [](const DrawCall& d) {  // y = 0.2 above the base: not a phase-plane ring
    return std::fabs(d.size - 0.002) < 1e-12 && std::fabs(d.p[1] - (0.2 - 0.5)) < 1e-12;
  };
  EXPECT_EQ(rec.of(DrawCall::Disc, &colour::white, on_trail).size(), 9u);  // CPn[0..8]
  EXPECT_EQ(rec.of(DrawCall::Disc, &colour::black, small(0.006)).size(), 1u);
  EXPECT_EQ(rec.of(DrawCall::Disc, &colour::blue, small(0.008)).size(), 1u);   // CP[nf]
  // The white panel of the graphs, and nothing of the graphs before it.
  size_t panel = rec.calls.size();
  for (size_t k = 0; k < rec.calls.size(); ++k) {
    const DrawCall& d = rec.calls[k];
    if (d.op == DrawCall::FillRect && d.colour == colour::white && std::fabs(d.size - 2.0) < 1e-12) panel = k;
  }
  ASSERT_LT(panel, rec.calls.size());
  EXPECT_AT(rec.calls[panel].p, w->pic.graph_x0 - 0.05, 0.0);
  EXPECT_GT(rec.calls.size() - panel, 20u);  // the graphs come after it
  for (size_t k = panel + 1; k < rec.calls.size(); ++k) {
    const DrawCall& d = rec.calls[k];
    if (d.op == DrawCall::Text) continue;
    const double x = std::min(d.p[0], d.q[0]);
    EXPECT_GE(x, w->pic.graph_x0 - 0.05 - 1e-9) << k;  // everything after it is a graph
  }
}

}  // namespace
