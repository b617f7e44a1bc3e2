// Colours of the picture: RGBA floats. Alpha is always 0 and has no effect,
// since blending is never enabled.
#pragma once

namespace cpt {

struct Colour {
  float r = 0, g = 0, b = 0, a = 0;
};

inline bool operator==(const Colour& x, const Colour& y) {
  return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a;
}
inline bool operator!=(const Colour& x, const Colour& y) { return !(x == y); }

namespace colour {
inline constexpr Colour red{1, 0, 0, 0};
inline constexpr Colour green{0, 1, 0, 0};
inline constexpr Colour blue{0, 0, 1, 0};
inline constexpr Colour yellow{1, 1, 0, 0};
inline constexpr Colour magenta{1, 0, 1, 0};
inline constexpr Colour white{1, 1, 1, 0};
inline constexpr Colour black{0, 0, 0, 0};
// The colour text comes out in, in the window: text takes the current colour
// under lighting, which the shapes leave enabled with no light source on, so
// only the default ambient light (0.2) on the default material (0.2) is left:
// 0.04 of full intensity, nearly black.
inline constexpr Colour lit_text{0.04f, 0.04f, 0.04f, 0};
}  // namespace colour

}  // namespace cpt
