#include "draw/texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/recorder.h"
#include "support/world.h"

namespace {

std::string limits(double a1, double a2) {
  NumberText out;
  format_limits(out, a1, a2);
  return out;
}

std::string time_text(double v) {
  NumberText out;
  format_time(out, v);
  return out;
}

TEST(PanelFormats, CutNotRounded) {
  EXPECT_EQ(limits(2.0, 6.75), "(2.0, 6.7)[m/s^2]\n");
  EXPECT_EQ(limits(12.5, 0.99), "(12.5, 0.9)[m/s^2]\n");
  EXPECT_EQ(time_text(0.4567), "0.456[s]\n");
  EXPECT_EQ(time_text(3.0), "3.000[s]\n");
  EXPECT_EQ(time_text(1.2399), "1.239[s]\n");
  // Ten seconds and more: every integer digit.
  EXPECT_EQ(time_text(12.345), "12.345[s]\n");
  EXPECT_EQ(time_text(10.5), "10.500[s]\n");
  // Outside the range: a sign, or '?' for what cannot be shown.
  EXPECT_EQ(time_text(-0.25), "-0.250[s]\n");
  EXPECT_EQ(time_text(std::nan("")), "?.???[s]\n");
  EXPECT_EQ(limits(INFINITY, 2), "(?.?, 2.0)[m/s^2]\n");
}

// Digit by digit, 0.29 (stored as 0.28999...) gives 2, 8, then
// trunc(289.99999999999994 - 280) = 10, which is the table's 's'. Every
// thousandth up to 20 s must show its own digits.
TEST(PanelFormats, EveryThousandthShowsItsDigits) {
  char expect[32];
  for (int k = 0; k < 20000; ++k) {
    std::snprintf(expect, sizeof expect, "%d.%03d[s]\n", k / 1000, k % 1000);
    ASSERT_EQ(time_text(k / 1000.0), expect) << k;
  }
}

TEST(InfoPanel, TextsPlacesAndGoalTime) {
  auto w = default_world('b');
  w->st.a2max = 6.75;
  w->mo.NCHN = 2;
  w->mo.chn[2].t = 0.4567;
  w->mo.Tn = 12.345;
  Recorder rec;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(w->mo.tf, 0.4567);
  const std::vector<std::string> texts{"(b) SCARA robot", "ACCmax(x,y)=", "(2.0, 6.7)[m/s^2]\n",
                                       "Goal time=", "0.456[s]\n", "Normal CP time=", "12.345[s]\n",
                                       "1 grid=(0.1[m], 0.1[m])"};
  EXPECT_EQ(rec.texts(), texts);
  const float xy[][2] = {{-0.95f, 0.9f}, {-0.9f, 0.85f}, {-0.6f, 0.85f}, {-0.9f, 0.8f},
                         {-0.65f, 0.8f}, {-0.4f, 0.8f}, {-0.05f, 0.8f}, {-0.9f, 0.75f}};
  for (size_t k = 0; k < rec.calls.size(); ++k) {
    EXPECT_FLOAT_EQ(float(rec.calls[k].p[0]), xy[k][0]) << k;
    EXPECT_FLOAT_EQ(float(rec.calls[k].p[1]), xy[k][1]) << k;
    EXPECT_EQ(rec.calls[k].font, Font::HELVETICA_18);
  }
  // Robot 'a', no switching yet: chn[0].t = 0 is the goal time.
  w->st.robottype = 'a';
  w->mo.NCHN = 0;
  Recorder a;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(a.texts()[0], "(a) Cylindrical coordinate robot");
  EXPECT_EQ(a.texts()[4], "0.000[s]\n");
  EXPECT_EQ(w->mo.tf, 0.0);
  // An index past the table reads nothing.
  w->mo.NCHN = NREC;
  EXPECT_EQ(motion_time(w->mo), 0.0);
}

TEST(FrameTexts, TitleAndMessage) {
  Recorder rec;
  draw_title();
  draw_message(kMsgObtained);
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[0].text, "CP Time optimal control : Phase Plane Analysis");
  EXPECT_FLOAT_EQ(float(rec.calls[0].p[0]), -0.99f);
  EXPECT_EQ(rec.calls[1].text, "Trajectory obtained!");
  EXPECT_EQ(rec.calls[1].font, Font::TIMES_ROMAN_24);
  EXPECT_FLOAT_EQ(float(rec.calls[1].p[1]), 0.1f);
}

}  // namespace
