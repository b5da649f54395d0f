// Geocentric ecliptic longitudes of the Sun, the Moon and the planets Mercury to Pluto.
//
// The Sun and planets come from mean Keplerian elements with linear rates per Julian
// century (E. M. Standish's "Keplerian Elements for Approximate Positions of the Major
// Planets", J2000 table); they are referred to the ecliptic and equinox of J2000. The
// Moon comes from the 25 largest terms of the longitude series of J. Meeus,
// "Astronomical Algorithms" (first edition, chapter 45) and is of the equinox of date.
#pragma once

#include <optional>

namespace starloom {

// Body indexes of the element table.
enum ElementBody : int {
    kMercury = 0,
    kVenus = 1,
    kEarth = 2, // the Earth-Moon barycentre; asking for it yields the Sun
    kMars = 3,
    kJupiter = 4,
    kSaturn = 5,
    kUranus = 6,
    kNeptune = 7,
    kPluto = 8,
};
constexpr int kElementBodies = 9;

// The six elements of one body at one instant.
struct OrbitalElements {
    double a = 0;    // semi-major axis, astronomical units
    double e = 0;    // eccentricity
    double i = 0;    // inclination, radians (not reduced)
    double node = 0; // longitude of the ascending node, radians (not reduced)
    double peri = 0; // longitude of perihelion, radians (not reduced)
    double L = 0;    // mean longitude, radians in 0..2 pi
};

// The elements of body `index` (0..8) at d days of universal time from J2000.0 (the table
// is fitted to 1800-2050; outside that the linear rates drift further from the real
// orbits but the numbers stay finite). Nothing for an index outside 0..8.
std::optional<OrbitalElements> LoadOrbitalElements(int index, double d);

// True anomaly in radians, 0..2 pi, for mean anomaly M (radians, any finite value) and
// eccentricity 0 <= e < 1, by Newton's iteration on Kepler's equation from a second-order
// start. Converges in a handful of steps for the planets (e < 0.25); the iteration is
// bounded so that no input can hang it. An e of 1 or more, or a NaN or infinite M, gives
// NaN or a meaningless angle.
double SolveKepler(double M, double e);

// Geocentric ecliptic longitudes in degrees, 0..360 (a body at exactly a whole turn stays
// 360), of the nine element-table bodies at d days of universal time from J2000.0, on the
// J2000 ecliptic and equinox; index 2 holds the Sun. The Earth's orbit is solved once for
// all of them. Any finite d (see LoadOrbitalElements); NaN or an infinity gives NaN.
void GeocentricLongitudes(double d, double (&longitudes)[kElementBodies]);

// GeocentricLongitudes, the same numbers, and each body's instantaneous rate of change of
// that longitude in degrees per day (negative while it moves backwards), from the motion of
// the body and the Earth in their Keplerian orbits. Any finite d; NaN or an infinity gives
// NaN.
void GeocentricLongitudesAndRates(double d, double (&longitudes)[kElementBodies],
                                  double (&rates)[kElementBodies]);

// The rate of PrecessLongitudeToDate's correction at d days from J2000.0, degrees per day
// (about 0.0000382).
double PrecessionRate(double d);

// General precession in longitude from J2000 to the date (J. H. Lieske et al. 1977,
// IAU 1976 values): the J2000 longitude `lambda` (degrees, any finite value) at d days of
// universal time from J2000.0 turned into a longitude of the equinox of date, in
// 0 <= a < 360. The series is good for some centuries either side of 2000; NaN or an
// infinity in either argument gives NaN.
double PrecessLongitudeToDate(double lambda, double d);

// The Moon's geocentric ecliptic longitude in degrees on the mean equinox of date, T in
// Julian centuries of universal time from J2000.0 (UniversalMoment::CenturiesSinceJ2000).
// In 0..360; exactly 360 is left as it is. The truncated series is good to a few hundredths
// of a degree within a century or two of 2000 and drifts further outside; NaN or an
// infinite T gives NaN.
double MoonLongitude(double T);

// The instantaneous rate of MoonLongitude at T, degrees per day (the series differentiated
// term by term; 11.8 to 15.4 degrees a day).
double MoonLongitudeRate(double T);

} // namespace starloom
