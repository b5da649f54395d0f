// Angle constants and the small angle helpers shared by the engine.
#pragma once

namespace starloom {

// The double nearest pi. It equals std::numbers::pi (checked where the angles are
// computed); <numbers> is kept out of this header because Qt's moc cannot parse it.
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;      // radians in a full turn
constexpr double kDegToRad = kPi / 180.0; // radians per degree
constexpr double kRadToDeg = 180.0 / kPi; // degrees per radian

// An angle in radians brought into 0 <= r < 2 pi by removing whole turns. Any finite x.
double ReduceRadians(double x);

// The angle of the point (x, y) in radians, by quadrant from the arctangent of y / x:
// in (-pi/2, pi/2) for x > 0, +-pi/2 on the y axis, and +-(pi - atan|y/x|) for x < 0.
// Unlike std::atan2 it gives 0 (not pi) for a point on the negative x axis, and 0 at the
// origin; the callers' quadrant corrections rely on both.
double ArcTan2(double y, double x);

// Degrees brought into 0 <= a < 360 by whole turns. Any finite a; NaN or an infinity
// gives NaN.
//
// The remainder of a division by 360 (std::fmod, which is exact) gives the same number
// that removing 360 one turn at a time would, in one step and without looping forever on
// an infinity. Within a turn either side of 0..360, where nearly every angle of a chart
// lies, the remainder is the angle itself or one exact subtraction away (a - 360 is exact
// for 360 <= a < 720), so the division is spared there: every chart reduces hundreds of
// angles.
double ReduceDegreesByRemainder(double a);
inline double ReduceDegrees(double a) {
    if (a >= 0.0 && a < 360.0)
        return a;
    if (a >= 360.0 && a < 720.0)
        return a - 360.0;
    if (a < 0.0 && a > -360.0) {
        const double r = a + 360.0;
        return r >= 360.0 ? 0.0 : r; // a tiny negative angle rounds up to a full turn
    }
    return ReduceDegreesByRemainder(a);
}

// Degrees brought into 0 <= a <= 360 by whole turns, where a positive whole number of
// turns stays exactly 360 rather than 0. The Moon's and the planets' longitudes keep this
// form: a body at exactly 360 has no sign in its zodiac text. Any finite a; NaN or an
// infinity gives NaN.
double ReduceDegreesKeepingFullTurn(double a);

// Degrees above 360 brought below it by whole turns; values below 360, negative ones
// included, are returned as they are. Sidereal time and the ascendant are reduced this
// way. NaN or an infinity gives NaN.
double ReduceDegreesFromAbove(double a);

} // namespace starloom
