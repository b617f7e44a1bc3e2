// Numeric constants and table capacities of the simulator; the tolerances of
// the numerics are in core/tolerances.h.
#pragma once

#include "core/tolerances.h"

namespace cpt {

// Model constants, used as exactly these decimal values in every formula.
constexpr double PI = 3.14159265358979;
constexpr double RAD2DEG = 57.2957795;   // radians to degrees, console output only
constexpr double DEG2RAD = 0.0174532925; // degrees to radians, console input only

// Time stepping.
constexpr double dt0 = 0.01;        // nominal step of the construction and of calcp [s]
constexpr int nsub = 200;           // integrator sub-steps per step
constexpr int NSTEP = 800;          // cleared part of the step history; clamp of 's'
constexpr int NDIV = 20;            // 't' steps with dt0 / NDIV
constexpr double dt_curve = 0.002;  // step of the extremal curves [s]
constexpr double view_dx = 0.05;    // picture shift of 'x' 'X'
constexpr double view_dy = 0.05;    // picture shift of 'y' 'Y'

// Table capacities.
constexpr int NTAB = 2001;      // step tables tt, Y, A, CP, fi, CPn: indices 0..2000
constexpr int NREC = 50;        // switching tables chn, chn_step, tsw: indices 0..49
constexpr int NCURVE = 3001;    // extremal curves: point 0 and at most 3000 steps
constexpr int NPATHTYPES = 8;   // path types 1..8 (the dialog offers 1..7; 8 comes from a problem file)
constexpr int NWAYPOINTS = 200; // most points of a waypoint path

// Value f returns when it finds no solution (model/rhs.h).
constexpr double F_NO_SOLUTION = 1.0e10;
// Longest extension of the waypoint path past either end [m].
constexpr double WP_EXTEND_MAX = 1e6;

}  // namespace cpt
