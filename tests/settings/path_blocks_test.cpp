// Every path type's block through the 'k' entry: old values, prompt, new
// values, and the summary of the computation stage with the end point
// worked out by hand from the path formulas.
#include "settings/path_blocks.h"

#include <gtest/gtest.h>

#include "settings/dialog_texts.h"
#include "support/world.h"

using namespace texts;

namespace {

struct TypeCase {
  int c;
  const char* input;     // the type and its line of values
  std::string block;     // old values, prompt, new values
  std::string path;      // the path lines of the second summary
};

// Shown by GoogleTest for a failing case.
void PrintTo(const TypeCase& tc, std::ostream* os) { *os << "type " << tc.c << " input " << tc.input; }

std::string summary_with(const std::string& path) {
  return kSummaryTop + kScaraDefault + path + kLimitsB + kSummaryEnd;
}

class PathBlock : public ::testing::TestWithParam<TypeCase> {};

TEST_P(PathBlock, Transcript) {
  const TypeCase& tc = GetParam();
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', tc.input);
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(w->st.cptype, tc.c);
  EXPECT_EQ(r.out, kKeyHelp + kDefaultSummary + kPathHeader + "\n旧運動＝1  入力 c=" + tc.block +
                       summary_with(tc.path) + kComputing + kDone);
}

// Hand-worked values (DEG2RAD = 0.0174532925, PI = 3.14159265358979):
//  7: 30 deg = 0.5235988 rad; end (0.1 + 0.5 cos 30, 0.2 + 0.5 sin 30) = (0.5330, 0.4500).
//  1: 90 deg = 1.5707963 rad = sf; end (0.6 cos sf, 0.6 sin sf) = (0.0000, 0.6000).
//  2: end (x0 + L, y0 + A sin 2PI) = (0.4000, 0.3000); sf = L.
//  3: sf = 2 0.35 + 0.12 PI = 1.0769911; end (x0 + 2 R, y0) = (0.3400, -0.2000).
//  4: sf = 4 PI = 12.5663706; end (x0 + 2 N R, y0) = (0.1000, 0.1000).
//  5: end (x0 + L, y0 + H) = (0.2000, 0.4000).
//  6: end (x0 + L, y0 + H) = (0.6000, 0.5000).
const TypeCase kCases[] = {
    {7, "7\n0.1 0.2 0.5 30\n",
     "\n7 直線運動　旧始点P0=(-0.40  0.10)[m] 長さl= 0.80[m] 傾きβ= 0.00[deg]"
     "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β="
     "\n  長さl= 0.50[m] 傾きβ=30.00[deg]",
     "\nCP軌道：7"
     "\n  始点(x0,y0)=( 0.1000  0.2000)[m] 終点(xf,yf)=( 0.5330  0.4500)[m]"
     "\n  軌道変数の長さsf= 0.5000"},
    {1, "1\n0 0 0.6 90\n",
     "\n1 円弧運動　旧中心A=( 0.20  0.20)[m] 半径= 0.50[m] 円弧角=180.00[deg])"
     "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf="
     "\n  中心A=( 0.00  0.00)[m] 半径R= 0.60[m] 円弧角= 90.00[deg]",
     "\nCP軌道：1 円弧"
     "\n  中心A=(  0.0   0.0)[m]  半径R=  0.6[m]  円弧角θ= 90.0[deg]"
     "\n  始点(x0,y0)=( 0.6000  0.0000)[m] 終点(xf,yf)=( 0.0000  0.6000)[m]"
     "\n  軌道変数の長さsf= 1.5708"},
    {2, "2\n-0.4 0.3 0.8 0.2\n",
     "\n2 正弦波運動  旧始点P0=(-0.40  0.20)[m], (波長A,振幅L)=( 1.00  0.50)[m]"
     "\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A="
     "\n  波長A= 0.80[m] 振幅L= 0.20[m]",
     "\nCP軌道：2 正弦波"
     "\n  波長sinL=  0.8[m] 振幅sinA=  0.2[m]"
     "\n  始点(x0,y0)=(-0.4000  0.3000)[m] 終点(xf,yf)=( 0.4000  0.3000)[m]"
     "\n  軌道変数の長さsf= 0.8000"},
    {3, "3\n0.1 -0.2 0.35 0.12\n",
     "\n3 Ｕ字軌道運動　旧始点A=( 0.20  0.00)[m]"
     "\n            直線部長さL= 0.40[m], 円弧部半径R=  0.2[m]"
     "\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R="
     "\n  直線部L= 0.35[m] 円弧部半径R= 0.12[m]",
     "\nCP軌道：3 Ｕ字軌道"
     "\n  直線部長さL=  0.3[m] 湾曲部半径R=  0.1[m]"
     "\n  始点(x0,y0)=( 0.1000 -0.2000)[m] 終点(xf,yf)=( 0.3400 -0.2000)[m]"
     "\n  軌道変数の長さsf= 1.0770"},
    {4, "4\n-0.3 0.1 0.05 4\n",
     "\n4 スラローム　旧始点=(-0.40  0.20)[m] 円弧部半径R= 0.10[m] 円弧数N=3"
     "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N="
     "\n  円弧部半径R= 0.05[m] 円弧数N=4",
     "\nCP軌道：4 スラローム(半円の繋がり)"
     "\n  円弧部半径R=  0.1[m] 半円の個数N=4"
     "\n  始点(x0,y0)=(-0.3000  0.1000)[m] 終点(xf,yf)=( 0.1000  0.1000)[m]"
     "\n  軌道変数の長さsf=12.5664"},
    {5, "5\n-0.2 0.1 0.4 0.3\n",
     "\n5 等加速度カム曲線　旧始点P0=(-0.20  0.10)[m] 移動距離L= 0.50[m] 立ち上がりH= 0.50[m]"
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H="
     "\n  移動量L= 0.40[m] 立ち上がり量H= 0.30[m]",
     "\nCP軌道：5 等加速度カム曲線軌道"
     "\n  X方向行程L=  0.4[m] Y方向行程H=  0.3[m]"
     "\n  始点(x0,y0)=(-0.2000  0.1000)[m] 終点(xf,yf)=( 0.2000  0.4000)[m]"
     "\n  軌道変数の長さsf= 0.4000"},
    {6, "6\n0.0 0.2 0.6 0.3\n",
     "\n6 サイクロイドカム曲線　旧 始点P0=( 0.00  0.20)[m]"
     "\n                        移動距離L= 0.50[m] 立ち上がりH= 0.50[m]"
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H="
     "\n  移動量L= 0.60[m] 立ち上がり量H= 0.30[m]",
     "\nCP軌道：6 サイクロイドカム曲線"
     "\n  X方向行程L=  0.6[m] Y方向行程H=  0.3[m]"
     "\n  始点(x0,y0)=( 0.0000  0.2000)[m] 終点(xf,yf)=( 0.6000  0.5000)[m]"
     "\n  軌道変数の長さsf= 0.6000"},
};

std::string type_name(const ::testing::TestParamInfo<TypeCase>& p) {
  return "Type" + std::to_string(p.param.c);
}
INSTANTIATE_TEST_SUITE_P(AllTypes, PathBlock, ::testing::ValuesIn(kCases), type_name);

// The derived values follow the entered parameters.
TEST(PathBlockDerived, RecomputedFromTheNewValues) {
  auto w = default_world();
  run_dialog(*w, 'k', "2\n-0.4 0.3 0.8 0.2\n");
  EXPECT_DOUBLE_EQ(w->st.sin_k, 2 * PI / 0.8);
  EXPECT_EQ(w->st.sf[2], 0.8);
  run_dialog(*w, 'k', "5\n-0.2 0.1 0.4 0.3\n");
  EXPECT_DOUBLE_EQ(w->st.cam_a, 4 * 0.3 / (0.4 * 0.4));
  run_dialog(*w, 'k', "6\n0.0 0.2 0.6 0.3\n");
  EXPECT_DOUBLE_EQ(w->st.cyc_c, 2 * PI * 0.3 / 0.36);
  EXPECT_DOUBLE_EQ(w->st.cyc_w, 2 * PI / 0.6);
  run_dialog(*w, 'k', "7\n0.1 0.2 0.5 30\n");
  EXPECT_DOUBLE_EQ(w->st.line_beta, 30 * DEG2RAD);
  EXPECT_NEAR(w->st.line_sin, 0.5, 1e-8);
  run_dialog(*w, 'k', "3\n0.1 -0.2 0.35 0.12\n");
  EXPECT_DOUBLE_EQ(w->st.u_arc, PI * 0.12);
  run_dialog(*w, 'k', "4\n-0.3 0.1 0.05 4\n");
  EXPECT_EQ(w->st.sl_N, 4);
  EXPECT_DOUBLE_EQ(w->st.sf[4], 4 * PI);
  // The arc's start point is derived from the new centre and radius.
  run_dialog(*w, 'k', "1\n0.1 -0.1 0.3 45\n");
  EXPECT_EQ(w->st.P0[1], (Vec2{0.1 + 0.3, -0.1}));
  EXPECT_EQ(w->st.sf[1], 45 * DEG2RAD);
}

}  // namespace
