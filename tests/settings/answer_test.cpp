#include "settings/answer.h"

#include <gtest/gtest.h>

namespace {

constexpr Field kPair[] = {Field::Any, Field::Positive};

TEST(Answer, TakesExactlyTheValuesAskedFor) {
  double v[2] = {9, 9};
  EXPECT_TRUE(parse_answer("  -0.25\t 1e-3 \r", kPair, 2, v));
  EXPECT_EQ(v[0], -0.25);
  EXPECT_EQ(v[1], 1e-3);
  EXPECT_TRUE(parse_answer("0 +2", kPair, 2, v));
  EXPECT_EQ(v[0], 0.0);
  EXPECT_EQ(v[1], 2.0);
}

// A refused line leaves the values untouched.
TEST(Answer, RefusesAndKeepsNothing) {
  for (const char* line : {"", "1", "1 2 3", "1 x", "1 2x", "x 1", "nan 1", "1 nan", "inf 1",
                           "1 -inf", "1e999 1", "1 0", "1 -0", "1 -2", "1 1e-400", "1,5 2"}) {
    double v[2] = {9, 9};
    EXPECT_FALSE(parse_answer(line, kPair, 2, v)) << line;
    EXPECT_EQ(v[0], 9) << line;
    EXPECT_EQ(v[1], 9) << line;
  }
}

TEST(Answer, WholeNumbersInTheirRange) {
  constexpr Field type[] = {Field::PathType};
  constexpr Field count[] = {Field::Count};
  double v = 0;
  for (int c = 1; c <= 7; ++c) {
    EXPECT_TRUE(parse_answer(std::to_string(c), type, 1, &v));
    EXPECT_EQ(v, c);
  }
  for (const char* bad : {"0", "8", "-1", "1.0", "2.5", "1e0", "x", "99999999999999999999"})
    EXPECT_FALSE(parse_answer(bad, type, 1, &v)) << bad;
  EXPECT_TRUE(parse_answer("1000", count, 1, &v));
  EXPECT_EQ(v, 1000);
  EXPECT_FALSE(parse_answer("1001", count, 1, &v));
  EXPECT_FALSE(parse_answer("0", count, 1, &v));
}

TEST(Answer, BlankLines) {
  EXPECT_TRUE(blank_line(""));
  EXPECT_TRUE(blank_line(" \t\r"));
  EXPECT_FALSE(blank_line(" 0 "));
}

}  // namespace
