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

TEST(PanelFormats, LimitsAreCutToOneDecimal) {
  EXPECT_EQ(limits(2.0, 6.75), "(2.0, 6.7)[m/s^2]\n");
  EXPECT_EQ(limits(2.0, 2.0).size(), 17u + 1u);  // 17 characters and the line feed
  EXPECT_EQ(limits(0.99, 10.0), "(0.9, 10.0)[m/s^2]\n");
  EXPECT_EQ(limits(12.5, 123.45), "(12.5, 123.4)[m/s^2]\n");
}

TEST(PanelFormats, TimesAreCutToThreeDecimals) {
  EXPECT_EQ(time_text(0.4567), "0.456[s]\n");
  EXPECT_EQ(time_text(3.0), "3.000[s]\n");
  EXPECT_EQ(time_text(1.2399), "1.239[s]\n");
  EXPECT_EQ(time_text(0.0), "0.000[s]\n");
  EXPECT_EQ(time_text(9.9999), "9.999[s]\n");
}

TEST(PanelFormats, TimesOfTenAndMoreShowEveryDigit) {
  EXPECT_EQ(time_text(12.345), "12.345[s]\n");
  EXPECT_EQ(time_text(10.0), "10.000[s]\n");
  EXPECT_EQ(time_text(10.5), "10.500[s]\n");
  EXPECT_EQ(time_text(123.4), "123.400[s]\n");
}

// Digit by digit, 0.29 (stored as 0.28999...) gives 2, 8 and then
// trunc(289.99999999999994 - 280) = 10: the table's 's'. Cut as one integer
// the digits agree with each other.
TEST(PanelFormats, NoDigitOfTen) {
  EXPECT_EQ(time_text(0.29), "0.290[s]\n");
  EXPECT_EQ(time_text(0.57), "0.570[s]\n");
  EXPECT_EQ(time_text(0.58), "0.580[s]\n");
  // A sweep over every thousandth up to 20 s: always digits, always the value.
  for (int k = 0; k < 20000; ++k) {
    const std::string s = time_text(k / 1000.0);
    char expect[32];
    std::snprintf(expect, sizeof expect, "%d.%03d[s]\n", k / 1000, k % 1000);
    ASSERT_EQ(s, expect) << k;
  }
}

TEST(PanelFormats, ValuesOutsideTheRange) {
  EXPECT_EQ(time_text(-0.25), "-0.250[s]\n");
  EXPECT_EQ(time_text(std::nan("")), "?.???[s]\n");
  EXPECT_EQ(time_text(INFINITY), "?.???[s]\n");
  EXPECT_EQ(time_text(1e12), "?.???[s]\n");
  EXPECT_EQ(limits(std::nan(""), 2), "(?.?, 2.0)[m/s^2]\n");
}

TEST(InfoPanel, TextsAndPlaces) {
  auto w = default_world('b');
  w->st.a1max = 2.0;
  w->st.a2max = 6.75;
  w->mo.NCHN = 2;
  w->mo.chn[2].t = 0.4567;
  w->mo.Tn = 12.345;
  Recorder rec;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(w->mo.tf, 0.4567);
  const std::vector<std::string> expect{
      "(b) SCARA robot", "ACCmax(x,y)=",    "(2.0, 6.7)[m/s^2]\n",     "Goal time=", "0.456[s]\n",
      "Normal CP time=", "12.345[s]\n", "1 grid=(0.1[m], 0.1[m])"};
  EXPECT_EQ(rec.texts(), expect);
  const float xs[] = {-0.95f, -0.9f, -0.6f, -0.9f, -0.65f, -0.4f, -0.05f, -0.9f};
  const float ys[] = {0.9f, 0.85f, 0.85f, 0.8f, 0.8f, 0.8f, 0.8f, 0.75f};
  const auto calls = rec.of(DrawCall::Text);
  for (size_t k = 0; k < calls.size(); ++k) {
    EXPECT_FLOAT_EQ(static_cast<float>(calls[k].p[0]), xs[k]) << k;
    EXPECT_FLOAT_EQ(static_cast<float>(calls[k].p[1]), ys[k]) << k;
    EXPECT_EQ(calls[k].font, Font::HELVETICA_18);
  }
}

TEST(InfoPanel, CylindricalAndNoSwitchingYet) {
  auto w = default_world('a');
  w->mo.tf = 5;
  Recorder rec;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(w->mo.tf, 0.0);  // chn[0].t
  EXPECT_EQ(rec.texts()[0], "(a) Cylindrical coordinate robot");
  EXPECT_EQ(rec.texts()[4], "0.000[s]\n");

  w->st.robottype = 'x';
  Recorder none;
  draw_info_panel(w->st, w->mo);
  EXPECT_EQ(none.texts()[0], "ACCmax(x,y)=");
}

TEST(FrameTexts, TitleAndMessage) {
  Recorder rec;
  draw_title();
  draw_message(kMsgObtained);
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[0].text, "CP Time optimal control : Phase Plane Analysis");
  EXPECT_FLOAT_EQ(static_cast<float>(rec.calls[0].p[0]), -0.99f);
  EXPECT_FLOAT_EQ(static_cast<float>(rec.calls[0].p[1]), 0.95f);
  EXPECT_EQ(rec.calls[1].text, "Trajectory obtained!");
  EXPECT_EQ(rec.calls[1].font, Font::TIMES_ROMAN_24);
  EXPECT_FLOAT_EQ(static_cast<float>(rec.calls[1].p[0]), -0.5f);
}

TEST(WriteDigits, Counts) {
  char buf[24];
  EXPECT_EQ(write_digits(buf, 0), 1);
  EXPECT_STREQ(buf, "0");
  EXPECT_EQ(write_digits(buf, 1207), 4);
  EXPECT_STREQ(buf, "1207");
}

TEST(MotionTime, OutsideTheTableIsZero) {
  auto w = default_world();
  w->mo.chn[3].t = 1.5;
  w->mo.NCHN = 3;
  EXPECT_EQ(motion_time(w->mo), 1.5);
  w->mo.NCHN = NREC;
  EXPECT_EQ(motion_time(w->mo), 0.0);
  w->mo.NCHN = -1;
  EXPECT_EQ(motion_time(w->mo), 0.0);
}

}  // namespace
