// Geocentric ecliptic longitudes of the Sun, the Moon and the planets Mercury to Pluto.
//
// The Sun and planets come from mean Keplerian elements with linear rates per Julian
// century (E. M. Standish's "Keplerian Elements for Approximate Positions of the Major
// Planets", J2000 table); they are referred to the ecliptic and equinox of J2000. The
// Moon comes from the 25 largest terms of the longitude series of J. Meeus,
// "Astronomical Algorithms" (first edition, chapter 45) and is of the equinox of date.
#pragma once

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

// Sets `current` to the elements of body `index` (0..8) at d days from J2000.0.
// Returns false and leaves `current` unchanged for an index outside 0..8.
bool LoadOrbitalElements(int index, double d, OrbitalElements &current);

// True anomaly in radians, 0..2 pi, for mean anomaly M (radians) and eccentricity
// 0 <= e < 1, by Newton's iteration on Kepler's equation from a second-order start.
// Converges in a handful of steps for the planets (e < 0.25); the iteration is bounded
// so that no input can hang it.
double SolveKepler(double M, double e);

// Geocentric ecliptic longitude in degrees, 0..360, of body `index` (0..8) at d days
// from J2000.0, on the J2000 ecliptic and equinox; index 2 yields the Sun. Returns NaN
// for an index outside 0..8.
double GeocentricLongitude(int index, double d);

// Geocentric longitudes of all nine element-table bodies at once (index 2 holding the
// Sun), each as GeocentricLongitude would give it; the Earth's orbit is solved only once.
void GeocentricLongitudes(double d, double (&longitudes)[kElementBodies]);

// General precession in longitude from J2000 to the date (J. H. Lieske et al. 1977,
// IAU 1976 values): the J2000 longitude `lambda` (degrees) at d days from J2000.0 turned
// into a longitude of the equinox of date, in 0..360.
double PrecessLongitudeToDate(double lambda, double d);

// The Moon's geocentric ecliptic longitude in degrees on the mean equinox of date, T in
// Julian centuries from J2000.0. In 0..360; exactly 360 is left as it is.
double MoonLongitude(double T);

} // namespace starloom
