// Numeric constants, table capacities and tolerances of the simulator.
#pragma once

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

// Tolerances.
constexpr double D_EPS = 1e-5;        // smallest |D[0][0]|, |D[1][0]| that f divides by
constexpr double TOL_STEP = 0.0001;   // joint limit test of a construction step and of calcp
constexpr double TOL_CURVE = 0.001;   // joint limit test of look-ahead and extremal curves
constexpr double SW_FAR = 0.001;      // switching scan: "away from the limit"
constexpr double SW_AT = 0.00001;     // switching scan: "on the limit"
constexpr double DET_FLOOR = 1e-5;    // determinant floor of the velocity-limit boundary
constexpr double F_FAIL = 1.0e10;     // value f returns when it finds no solution
constexpr double WP_EXTEND_MAX = 1e6; // longest extension of the waypoint path past either end [m]

}  // namespace cpt
