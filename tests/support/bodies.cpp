#include "support/bodies.h"

#include <cmath>

namespace cpt {

double kinetic_energy(const RobotSpec& r, const Vec2& q, const Vec2& qd) {
  const RigidBodies& b = r.body;
  // Velocity of the point at distance len, angle ang, turning at angd and sliding at lend.
  const auto vel = [](double len, double ang, double angd, double lend = 0) {
    return Vec2{lend * std::cos(ang) - len * std::sin(ang) * angd, lend * std::sin(ang) + len * std::cos(ang) * angd};
  };
  const auto sq = [](const Vec2& v) { return v[0] * v[0] + v[1] * v[1]; };
  const auto sum = [](const Vec2& a, const Vec2& c) { return Vec2{a[0] + c[0], a[1] + c[1]}; };
  // Each rotor turns n times as fast as its joint.
  const Vec2 rotor_rate{b.gear[0] * qd[0], b.gear[1] * qd[1]};
  double T = 0.5 * (b.Jm[0] * rotor_rate[0] * rotor_rate[0] + b.Jm[1] * rotor_rate[1] * rotor_rate[1]);
  if (r.kind == Robot::Scara) {
    const double w2 = qd[0] + qd[1];
    const Vec2 elbow = vel(r.l1, q[0], qd[0]);
    T += 0.5 * b.m1 * sq(vel(b.lc1, q[0], qd[0])) + 0.5 * b.I1 * qd[0] * qd[0];
    T += 0.5 * b.m2 * sq(sum(elbow, vel(b.lc2, q[0] + q[1], w2))) + 0.5 * b.I2 * w2 * w2;
    T += 0.5 * b.mp * sq(sum(elbow, vel(r.l2, q[0] + q[1], w2)));
  } else {
    T += 0.5 * (b.J0 + b.Ia) * qd[0] * qd[0];
    T += 0.5 * b.ma * sq(vel(q[1] - b.da, q[0], qd[0], qd[1]));
    T += 0.5 * b.mp * sq(vel(q[1], q[0], qd[0], qd[1]));
  }
  return T;
}

}  // namespace cpt
