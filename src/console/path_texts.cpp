#include "console/path_texts.h"

namespace cpt {

namespace {

constexpr PathTexts kTexts[] = {
    {"\n1 円弧運動　旧中心A=(%5.2f %5.2f)[m] 半径=%5.2f[m] 円弧角=%5.2f[deg])",
     "\n  中心[m] 半径[m] 円弧角[deg] 入力　A[X,Y] R θf=",
     "\n  中心A=(%5.2f %5.2f)[m] 半径R=%5.2f[m] 円弧角=%6.2f[deg]", 0,
     " 円弧", "\n  中心A=(%5.1f %5.1f)[m]  半径R=%5.1f[m]  円弧角θ=%5.1f[deg]", 0},
    {"\n2 正弦波運動  旧始点P0=(%5.2f %5.2f)[m], (波長A,振幅L)=(%5.2f %5.2f)[m]",
     "\n  始点A[m], 波長L[m]，振幅A[m] 入力 A[X,Y] L A=",
     "\n  波長A=%5.2f[m] 振幅L=%5.2f[m]", 2,
     " 正弦波", "\n  波長sinL=%5.1f[m] 振幅sinA=%5.1f[m]", 2},
    {"\n3 Ｕ字軌道運動　旧始点A=(%5.2f %5.2f)[m]\n            直線部長さL=%5.2f[m], 円弧部半径R=%5.1f[m]",
     "\n  P0[m]  L[m]  R[m] 入力　P[X,Y] L R=",
     "\n  直線部L=%5.2f[m] 円弧部半径R=%5.2f[m]", 2,
     " Ｕ字軌道", "\n  直線部長さL=%5.1f[m] 湾曲部半径R=%5.1f[m]", 2},
    {"\n4 スラローム　旧始点=(%5.2f %5.2f)[m] 円弧部半径R=%5.2f[m] 円弧数N=%.0f",
     "\n  始点P0[m] 半径R[m] 円個数N 入力　P0[X,Y] R N=",
     "\n  円弧部半径R=%5.2f[m] 円弧数N=%.0f", 2,
     " スラローム(半円の繋がり)", "\n  円弧部半径R=%5.1f[m] 半円の個数N=%.0f", 2},
    {"\n5 等加速度カム曲線　旧始点P0=(%5.2f %5.2f)[m] 移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H[m] 入力 P0[X,Y] L H=",
     "\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", 2,
     " 等加速度カム曲線軌道", "\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", 2},
    {"\n6 サイクロイドカム曲線　旧 始点P0=(%5.2f %5.2f)[m]\n                        移動距離L=%5.2f[m] 立ち上がりH=%5.2f[m]",
     "\n  始点P0[m] 移動量L[m] 立ち上がり量H 入力　P0[X,Y] L H=",
     "\n  移動量L=%5.2f[m] 立ち上がり量H=%5.2f[m]", 2,
     " サイクロイドカム曲線", "\n  X方向行程L=%5.1f[m] Y方向行程H=%5.1f[m]", 2},
    // The straight line shows only its points and sf in the summary.
    {"\n7 直線運動　旧始点P0=(%5.2f %5.2f)[m] 長さl=%5.2f[m] 傾きβ=%5.2f[deg]",
     "\n  始点P0[m] 長さl[m] 傾きβ[deg] 入力　P0[X,Y] l β=",
     "\n  長さl=%5.2f[m] 傾きβ=%5.2f[deg]", 2,
     nullptr, nullptr, 0},
};

}  // namespace

const PathTexts* path_texts(PathType c) {
  const int i = type_number(c) - 1;
  return i >= 0 && i < static_cast<int>(sizeof kTexts / sizeof kTexts[0]) ? &kTexts[i] : nullptr;
}

}  // namespace cpt
