// Station-table generator: finds every retrograde and direct station of the eight planets
// Mercury to Pluto between 1899 and 2051 and writes them as the program's compiled-in
// station tables (retrograde/station_tables.h).
//
//   gen_stations <output file>
//
// Built only on request, since it needs libnova (Debian package libnova-dev):
//   cmake -S . -B build -G Ninja -DSTARLOOM_BUILD_TOOLS=ON
//   cmake --build build --target gen_stations
//   build/bin/gen_stations retrograde/station_tables.h
//
// The report on standard output lists, for the anchor periods below, how far the computed
// stations fall from the rows the tables keep; the run fails when a table does not come
// out with its expected number of periods or breaks the order of its rows.
//
// What a station is here. The planet's geocentric ecliptic longitude is taken as a
// geometric quantity: the planet's heliocentric position at the instant itself (no
// light-time, no aberration) less the heliocentric position of the Earth-Moon barycentre,
// in the mean ecliptic and equinox of date (no nutation). A station is a moment at which
// the daily rate of that longitude changes sign: from forward to backward at the
// retrograde station, from backward to forward at the direct station. The search runs in
// dynamical time; the stations are written in Universal Time, rounded to the minute.
//
// Frames. libnova (Debian's 0.16 package) returns the VSOP87 planets and Earth, its Pluto
// series and the ELP 2000-82B Moon in the ecliptic and equinox of J2000.0, not of date. The
// program checks this at start against worked examples of J. Meeus, Astronomical
// Algorithms (2nd ed.), and precesses every geocentric vector to the ecliptic and equinox
// of date. The deviations it prints from the anchor rows (a few minutes) are the check on
// the rest of the convention: measured from the Earth's centre instead of the barycentre,
// the deviations grow to 20 to 40 minutes; left in the J2000.0 frame, to an hour or two
// for the outer planets.
#include <libnova/libnova.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;           // radians per degree
constexpr double kArcsecToRad = kDegToRad / 3600.0; // radians per arcsecond
constexpr double kJ2000 = 2451545.0;                // Julian ephemeris day of J2000.0
constexpr double kDaysPerCentury = 36525.0;         // days per Julian century
constexpr double kSecondsPerDay = 86400.0;          // seconds per day
constexpr double kKmPerAu = 149597870.7;            // kilometres per astronomical unit
constexpr double kJdOfUnixEpoch = 2440587.5;        // Julian day of 1970-01-01 0h
constexpr long long kMinutesPerDay = 1440;          // minutes per day

// The Moon's share of the Earth-Moon mass: the barycentre lies this fraction of the way
// from the Earth's centre to the Moon's (mass ratio 81.3006).
constexpr double kMoonMassShare = 0.0121506; // dimensionless

// ELP 2000-82B is evaluated without its smallest terms: the Moon moves by about 2 km,
// 25 m at the barycentre once scaled by its mass share, and the series runs twenty times
// faster. The tables come out the same, row for row, as with the full series.
constexpr double kLunarPrecision = 1e-6; // libnova's term cut-off

// The search: a one-day grid, far finer than the shortest time between two stations (a
// Mercury retrograde period of 19 days), a central difference of a hundredth of a day for
// the daily rate, and bisection down to a hundred-thousandth of a day (under a second).
constexpr double kGridStep = 1.0;        // days
constexpr double kRateHalfStep = 0.01;   // days
constexpr double kRootTolerance = 1e-5;  // days
constexpr double kAnchorWindow = 5.0;    // days: how far a computed station may be from its anchor
constexpr double kFrameTolerance = 0.01; // degrees: well under the 0.1 degree of precession
                                         // between the examples' dates and J2000.0

struct Vec3 {
    double x, y, z;
};

Vec3 operator-(const Vec3 &a, const Vec3 &b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator+(const Vec3 &a, const Vec3 &b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator*(double s, const Vec3 &a) {
    return {s * a.x, s * a.y, s * a.z};
}

double Wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}
double Wrap360(double degrees) {
    const double w = std::fmod(degrees, 360.0);
    return w < 0 ? w + 360.0 : w;
}

using HelioFunction = void (*)(double, ln_helio_posn *);

Vec3 RectFromHelio(const ln_helio_posn &p) {
    const double l = p.L * kDegToRad;
    const double b = p.B * kDegToRad;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

// Heliocentric position (AU, ecliptic and equinox of J2000.0) at Julian ephemeris day jde.
Vec3 Heliocentric(HelioFunction f, double jde) {
    ln_helio_posn p;
    f(jde, &p);
    return RectFromHelio(p);
}

// Heliocentric position of the Earth-Moon barycentre (AU, J2000.0 ecliptic): the Earth
// plus the Moon's share of its geocentric vector.
Vec3 EarthMoonBarycentre(double jde) {
    ln_rect_posn moon;
    ln_get_lunar_geo_posn(jde, &moon, kLunarPrecision);
    const Vec3 moonAu{moon.X / kKmPerAu, moon.Y / kKmPerAu, moon.Z / kKmPerAu};
    return Heliocentric(ln_get_earth_helio_coords, jde) + kMoonMassShare * moonAu;
}

struct EclipticOfDate {
    double longitude; // degrees, 0..360
    double latitude;  // degrees
};

// Rigorous ecliptic precession from the ecliptic and equinox of J2000.0 to those of the
// date jde: Meeus, Astronomical Algorithms, chapter 21, equations 21.5 (with the starting
// epoch at J2000.0, so T = 0) and 21.7.
EclipticOfDate PrecessFromJ2000(const Vec3 &v, double jde) {
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsecToRad;
    const double node = 174.876384 * kDegToRad + (-869.8089 * t + 0.03536 * t * t) * kArcsecToRad;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsecToRad;
    const double lambda0 = std::atan2(v.y, v.x);
    const double beta0 = std::atan2(v.z, std::hypot(v.x, v.y));
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(node - lambda0) -
                     std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(node - lambda0);
    const double c = std::cos(eta) * std::sin(beta0) +
                     std::sin(eta) * std::cos(beta0) * std::sin(node - lambda0);
    return {Wrap360((p + node - std::atan2(a, b)) / kDegToRad), std::asin(c) / kDegToRad};
}

// Geometric geocentric longitude of a planet, mean ecliptic and equinox of date, degrees.
double GeocentricLongitude(HelioFunction planet, double jde, const Vec3 &barycentre) {
    return PrecessFromJ2000(Heliocentric(planet, jde) - barycentre, jde).longitude;
}

double GeocentricLongitude(HelioFunction planet, double jde) {
    return GeocentricLongitude(planet, jde, EarthMoonBarycentre(jde));
}

// Proof of the frames before anything is computed. Each check compares a libnova result,
// taken as it comes or precessed to the date, with the published value of a worked
// example; a frame mistake shows as about 0.1 degree, the precession between the
// example's date and J2000.0.
bool CheckFrames() {
    struct Check {
        const char *what;
        double got;
        double published;
    };
    // Example 32.a: Venus and the Earth on 1992 December 20, 0h TD, heliocentric, VSOP87
    // of date.
    const double venusDate = 2448976.5;
    ln_helio_posn venus;
    ln_get_venus_helio_coords(venusDate, &venus);
    const EclipticOfDate venusOfDate = PrecessFromJ2000(RectFromHelio(venus), venusDate);
    const EclipticOfDate earthOfDate =
        PrecessFromJ2000(Heliocentric(ln_get_earth_helio_coords, venusDate), venusDate);
    // Example 37.a: Pluto on 1992 October 13, 0h TD, heliocentric, J2000.0.
    ln_helio_posn pluto;
    ln_get_pluto_helio_coords(2448908.5, &pluto);
    // Example 47.a: the Moon on 1992 April 12, 0h TD, geocentric, mean equinox of date.
    const double moonDate = 2448724.5;
    ln_rect_posn moon;
    ln_get_lunar_geo_posn(moonDate, &moon, kLunarPrecision);
    const EclipticOfDate moonOfDate = PrecessFromJ2000({moon.X, moon.Y, moon.Z}, moonDate);

    const std::array<Check, 7> checks = {{
        {"Venus longitude of date, 1992-12-20", venusOfDate.longitude, 26.11428},
        {"Venus latitude of date, 1992-12-20", venusOfDate.latitude, -2.62070},
        {"Earth longitude of date, 1992-12-20", earthOfDate.longitude, 88.35704},
        {"Pluto longitude J2000, 1992-10-13", pluto.L, 232.74009},
        {"Pluto latitude J2000, 1992-10-13", pluto.B, 14.58782},
        {"Moon longitude of date, 1992-04-12", moonOfDate.longitude, 133.162655},
        {"Moon latitude of date, 1992-04-12", moonOfDate.latitude, -3.229126},
    }};
    bool ok = true;
    std::printf("libnova %s\nFrames (libnova against Meeus's worked examples, degrees):\n",
                ln_get_version());
    for (const Check &c : checks) {
        const double diff = Wrap180(c.got - c.published);
        const bool pass = std::fabs(diff) < kFrameTolerance;
        ok = ok && pass;
        std::printf("  %-38s %12.6f %12.6f  %+9.6f %s\n", c.what, c.got, c.published, diff,
                    pass ? "ok" : "WRONG FRAME");
    }
    return ok;
}

// Civil calendar (proleptic Gregorian) to and from a count of days from 1970-01-01:
// H. Hinnant, "chrono-Compatible Low-Level Date Algorithms".
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    long long year;
    int month, day, hour, minute;
};

Civil CivilFromMinutes(long long minutes) {
    long long z = minutes >= 0 ? minutes / kMinutesPerDay
                               : -((-minutes + kMinutesPerDay - 1) / kMinutesPerDay);
    const long long minuteOfDay = minutes - z * kMinutesPerDay;
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = int(doy - (153 * mp + 2) / 5 + 1);
    const int m = int(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d, int(minuteOfDay / 60), int(minuteOfDay % 60)};
}

// A station row: month, day, year, hour and minute, each followed by a comma.
std::string RowText(long long minutes) {
    const Civil c = CivilFromMinutes(minutes);
    char text[40];
    std::snprintf(text, sizeof text, "%d,%d,%lld,%d,%d,", c.month, c.day, c.year, c.hour, c.minute);
    return text;
}

// Minutes from 1970-01-01 0h UT of a row text; exits on a malformed row.
long long MinutesOfRow(std::string_view row) {
    std::array<long long, 5> f{};
    std::size_t field = 0;
    bool digits = false;
    for (char ch : row) {
        if (ch >= '0' && ch <= '9' && field < f.size()) {
            f[field] = f[field] * 10 + (ch - '0');
            digits = true;
        } else if (ch == ',' && digits) {
            ++field;
            digits = false;
        } else {
            std::fprintf(stderr, "malformed row \"%.*s\"\n", int(row.size()), row.data());
            std::exit(2);
        }
    }
    if (field != f.size()) {
        std::fprintf(stderr, "malformed row \"%.*s\"\n", int(row.size()), row.data());
        std::exit(2);
    }
    return DaysFromCivil(f[2], int(f[0]), int(f[1])) * kMinutesPerDay + f[3] * 60 + f[4];
}

double JdeOfCivil(int year, int month, int day) {
    return kJdOfUnixEpoch + double(DaysFromCivil(year, month, day));
}

// A moment in dynamical time to minutes of Universal Time from 1970-01-01, rounded to the
// nearest minute, with libnova's value of Delta T.
long long UtMinutesOfJde(double jde) {
    const double jdUt = jde - ln_get_dynamical_time_diff(jde) / kSecondsPerDay;
    return std::llround((jdUt - kJdOfUnixEpoch) * double(kMinutesPerDay));
}

struct Period {
    std::string retrograde; // row texts
    std::string direct;
    long long retrogradeMinutes; // UT minutes from 1970-01-01
    long long directMinutes;
};

// Periods that the tables have always carried, kept exactly as they are: the first and
// last period of each table, those around 2020, and those that cover 1 May 1990.
struct Anchor {
    const char *retrograde;
    const char *direct;
};

struct PlanetSetup {
    const char *name;
    const char *identifier; // name of the array in the generated file
    HelioFunction helio;
    std::size_t expectedRows;
    std::vector<Anchor> anchors; // first period first, last period second
};

std::vector<PlanetSetup> Planets() {
    return {
        {"Mercury",
         "kMercuryStations",
         ln_get_mercury_helio_coords,
         476,
         {{"3,15,1900,13,19,", "4,7,1900,18,42,"},
          {"12,1,2050,17,17,", "12,21,2050,11,33,"},
          {"2,17,2020,0,41,", "3,10,2020,3,37,"},
          {"6,18,2020,4,47,", "7,12,2020,8,25,"},
          {"10,14,2020,0,56,", "11,3,2020,17,58,"},
          {"4,23,1990,6,40,", "5,17,1990,2,2,"}}},
        {"Venus",
         "kVenusStations",
         ln_get_venus_helio_coords,
         95,
         {{"6,16,1900,22,56,", "7,30,1900,2,44,"},
          {"9,25,2050,22,15,", "11,6,2050,19,4,"},
          {"5,13,2020,7,3,", "6,25,2020,7,5,"}}},
        {"Mars",
         "kMarsStations",
         ln_get_mars_helio_coords,
         71,
         {{"1,13,1901,6,16,", "4,4,1901,7,21,"},
          {"7,15,2050,5,50,", "9,13,2050,9,41,"},
          {"9,9,2020,21,32,", "11,13,2020,23,6,"}}},
        {"Jupiter",
         "kJupiterStations",
         ln_get_jupiter_helio_coords,
         139,
         {{"3,27,1900,20,39,", "7,29,1900,1,35,"},
          {"12,21,2050,13,21,", "4,21,2051,23,46,"},
          {"5,14,2020,13,18,", "9,12,2020,23,37,"}}},
        {"Saturn",
         "kSaturnStations",
         ln_get_saturn_helio_coords,
         146,
         {{"4,14,1900,6,2,", "9,2,1900,14,39,"},
          {"5,18,2050,13,6,", "10,6,2050,11,5,"},
          {"5,11,2020,1,48,", "9,29,2020,3,52,"}}},
        {"Uranus",
         "kUranusStations",
         ln_get_uranus_helio_coords,
         150,
         {{"3,17,1900,17,36,", "8,17,1900,15,27,"},
          {"12,30,2050,15,40,", "5,29,2051,6,22,"},
          {"8,15,2020,10,41,", "1,14,2021,6,29,"},
          {"4,13,1990,18,56,", "9,14,1990,15,27,"}}},
        {"Neptune",
         "kNeptuneStations",
         ln_get_neptune_helio_coords,
         150,
         {{"10,2,1900,13,58,", "3,8,1901,0,45,"},
          {"8,31,2050,13,52,", "2,4,2051,10,41,"},
          {"6,22,2020,23,26,", "11,28,2020,21,16,"},
          {"4,16,1990,7,25,", "9,23,1990,14,50,"}}},
        {"Pluto",
         "kPlutoStations",
         ln_get_pluto_helio_coords,
         151,
         {{"9,16,1899,5,48,", "2,27,1900,7,36,"},
          {"6,10,2050,3,49,", "11,21,2050,16,16,"},
          {"4,25,2020,14,15,", "10,4,2020,7,29,"},
          {"2,19,1990,1,4,", "7,25,1990,20,35,"}}},
    };
}

// Daily rate of the geocentric longitude (degrees per day) by a central difference.
double LongitudeRate(HelioFunction planet, double jde) {
    const double ahead = GeocentricLongitude(planet, jde + kRateHalfStep);
    const double behind = GeocentricLongitude(planet, jde - kRateHalfStep);
    return Wrap180(ahead - behind) / (2 * kRateHalfStep);
}

// The moment in [lo, hi] at which the rate changes sign, by bisection; the rate must have
// opposite signs at the two ends.
double RefineStation(HelioFunction planet, double lo, double hi) {
    const bool forwardAtLo = LongitudeRate(planet, lo) > 0;
    while (hi - lo > kRootTolerance) {
        const double mid = 0.5 * (lo + hi);
        if ((LongitudeRate(planet, mid) > 0) == forwardAtLo)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

struct Station {
    double jde;
    bool retrograde; // true when the planet turns backward here
};

// Every station in the grid's span, in time order.
std::vector<Station> FindStations(HelioFunction planet, const std::vector<double> &grid,
                                  const std::vector<Vec3> &barycentres) {
    std::vector<double> longitudes(grid.size());
    for (std::size_t i = 0; i < grid.size(); ++i)
        longitudes[i] = GeocentricLongitude(planet, grid[i], barycentres[i]);
    std::vector<Station> stations;
    for (std::size_t i = 1; i + 1 < grid.size(); ++i) {
        const bool forwardBefore = Wrap180(longitudes[i] - longitudes[i - 1]) > 0;
        const bool forwardAfter = Wrap180(longitudes[i + 1] - longitudes[i]) > 0;
        if (forwardBefore == forwardAfter)
            continue;
        // The rate changes sign somewhere between the two outer grid points; widen the
        // bracket by a step on each side if the rate at its ends does not show it.
        double lo = grid[i - 1];
        double hi = grid[i + 1];
        if ((LongitudeRate(planet, lo) > 0) == (LongitudeRate(planet, hi) > 0)) {
            lo -= kGridStep;
            hi += kGridStep;
        }
        if ((LongitudeRate(planet, lo) > 0) == (LongitudeRate(planet, hi) > 0)) {
            std::fprintf(stderr, "cannot bracket the station near JDE %.1f\n", grid[i]);
            std::exit(1);
        }
        stations.push_back({RefineStation(planet, lo, hi), forwardBefore});
    }
    return stations;
}

// Pairs each retrograde station with the direct station after it.
std::vector<Period> PairPeriods(const std::vector<Station> &stations) {
    std::vector<Period> periods;
    for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
        if (!stations[i].retrograde)
            continue;
        if (stations[i + 1].retrograde) {
            std::fprintf(stderr, "two retrograde stations in a row near JDE %.1f\n",
                         stations[i].jde);
            std::exit(1);
        }
        const long long r = UtMinutesOfJde(stations[i].jde);
        const long long d = UtMinutesOfJde(stations[i + 1].jde);
        periods.push_back({RowText(r), RowText(d), r, d});
    }
    return periods;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

long long CalendarDayOfMinutes(long long minutes) {
    return minutes >= 0 ? minutes / kMinutesPerDay
                        : -((-minutes + kMinutesPerDay - 1) / kMinutesPerDay);
}

// Puts the anchor rows in place of the computed periods they stand for, cuts the list to
// the span from the first anchor to the second, and reports. False when anything is off.
bool ApplyAnchors(const PlanetSetup &planet, std::vector<Period> &periods) {
    std::vector<std::size_t> matched;
    std::vector<double> deviations;
    std::printf("\n%s\n", planet.name);
    for (const Anchor &anchor : planet.anchors) {
        const long long r = MinutesOfRow(anchor.retrograde);
        const long long d = MinutesOfRow(anchor.direct);
        const auto near = std::find_if(periods.begin(), periods.end(), [&](const Period &p) {
            return std::llabs(p.retrogradeMinutes - r) < kAnchorWindow * kMinutesPerDay;
        });
        if (near == periods.end()) {
            std::printf("  no computed period near %s\n", anchor.retrograde);
            return false;
        }
        const long long devR = near->retrogradeMinutes - r;
        const long long devD = near->directMinutes - d;
        std::printf("  %-18s computed %-18s %+5lld min   %-18s computed %-18s %+5lld min\n",
                    anchor.retrograde, near->retrograde.c_str(), devR, anchor.direct,
                    near->direct.c_str(), devD);
        deviations.push_back(double(std::llabs(devR)));
        deviations.push_back(double(std::llabs(devD)));
        *near = {anchor.retrograde, anchor.direct, r, d};
        matched.push_back(std::size_t(near - periods.begin()));
    }
    std::printf("  deviation from the anchor rows: median %.1f min, largest %.0f min\n",
                Median(deviations), *std::max_element(deviations.begin(), deviations.end()));

    periods = std::vector<Period>(periods.begin() + std::ptrdiff_t(matched[0]),
                                  periods.begin() + std::ptrdiff_t(matched[1]) + 1);
    bool ok = true;
    long long shortest = 1 << 30;
    long long longest = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const Period &p = periods[i];
        if (p.retrogradeMinutes >= p.directMinutes ||
            (i + 1 < periods.size() && p.directMinutes >= periods[i + 1].retrogradeMinutes)) {
            std::printf("  rows out of order at %s\n", p.retrograde.c_str());
            ok = false;
        }
        const long long days =
            CalendarDayOfMinutes(p.directMinutes) - CalendarDayOfMinutes(p.retrogradeMinutes);
        shortest = std::min(shortest, days);
        longest = std::max(longest, days);
    }
    std::printf("  %zu periods (expected %zu), %s to %s, lengths %lld to %lld days\n",
                periods.size(), planet.expectedRows, periods.front().retrograde.c_str(),
                periods.back().direct.c_str(), shortest, longest);
    if (periods.size() != planet.expectedRows) {
        std::printf("  WRONG NUMBER OF PERIODS\n");
        ok = false;
    }
    return ok;
}

constexpr const char *kFileHeader =
    R"(// Retrograde station tables of the eight planets, 1899 to 2051. Each row is a moment in
// Universal Time, to the minute: month, day, year, hour and minute, each followed by a comma.
// A period runs from the moment the planet turns retrograde to the moment it turns direct.
//
// Generated by tools/stations/gen_stations.cpp from libnova's VSOP87 planets, ELP 2000-82B
// Moon and Pluto series: geometric geocentric longitude from the Earth-Moon barycentre, mean
// ecliptic and equinox of date, Delta T from libnova. Do not edit by hand; to make it again,
// from the repository root (libnova-dev installed):
//   cmake -S . -B build -G Ninja -DSTARLOOM_BUILD_TOOLS=ON
//   cmake --build build --target gen_stations
//   build/bin/gen_stations retrograde/station_tables.h
#pragma once

#include "retrograde/station_period.h"

#include <array>

namespace starloom::stations {

// clang-format off
)";

constexpr const char *kFileFooter = R"(// clang-format on

} // namespace starloom::stations
)";

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    if (!CheckFrames())
        return 1;

    // One grid for every planet, long enough on both sides for the first and last periods.
    const double first = JdeOfCivil(1899, 6, 1);
    const double last = JdeOfCivil(2051, 9, 1);
    std::vector<double> grid;
    for (double jde = first; jde <= last; jde += kGridStep)
        grid.push_back(jde);
    std::vector<Vec3> barycentres(grid.size());
    for (std::size_t i = 0; i < grid.size(); ++i)
        barycentres[i] = EarthMoonBarycentre(grid[i]);

    std::string out = kFileHeader;
    bool ok = true;
    for (const PlanetSetup &planet : Planets()) {
        std::vector<Period> periods = PairPeriods(FindStations(planet.helio, grid, barycentres));
        ok = ApplyAnchors(planet, periods) && ok;
        out += "inline constexpr std::array<StationPeriod, " + std::to_string(periods.size()) +
               "> " + planet.identifier + " = {{\n";
        for (const Period &p : periods)
            out += "    {\"" + p.retrograde + "\", \"" + p.direct + "\"},\n";
        out += "}};\n\n";
    }
    out += kFileFooter;
    if (!ok) {
        std::fprintf(stderr, "tables not written: see the report above\n");
        return 1;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << out;
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("\nwrote %s\n", argv[1]);
    return 0;
}
