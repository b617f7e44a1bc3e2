// What a value the user enters may be: its kind and the ranges the dialog
// and the problem file both take.
#pragma once

namespace cpt {

// Kind of one value the user enters.
enum class Field {
  Any,       // a number within +-kMaxValue (coordinates, inclination)
  Positive,  // kMinPositive .. kMaxValue (lengths, radii, strokes, angles, limits)
  Count,     // whole number 1 .. kMaxHalfCircles (number of half circles)
  PathType,  // whole number 1 .. last_type (see kLastEnteredType)
};

// The path types the dialog enters: 1..7. Where a waypoint path (type 8, from
// a problem file) is held, the path type question also takes 8, to keep it.
constexpr int kLastEnteredType = 7;

// The range of the numbers the dialog takes: beyond it the motion's own
// values overflow or the 10 ms step cannot resolve the motion.
constexpr double kMaxValue = 1e4;
constexpr double kMinPositive = 1e-6;

// Largest number of half circles of the slalom; keeps its integer piece
// arithmetic far from overflow.
constexpr int kMaxHalfCircles = 1000;

}  // namespace cpt
