// Precise-position generator: fits piecewise Chebyshev series to the Swiss Ephemeris (its
// JPL-derived data files) and writes them as the table the engine builds in
// (engine/precise_table.bin, laid out as engine/precise_coefficients.h describes), with the
// header that records its size, hash and range (engine/precise_table_digest.h).
//
//   gen_positions <table>.bin [--jobs N] [--sample K] [--plan Name=days,coefficients]...
//
// writes <table>.bin and <table>_digest.h. Built only on request, since it needs the library
// and its data (Debian packages libswe-dev and swe-standard-data):
//   cmake -S . -B build -G Ninja -DSTARLOOM_BUILD_TOOLS=ON
//   cmake --build build --target gen_positions
//   build/bin/gen_positions engine/precise_table.bin --jobs 2
// The same library and data files give the same bytes, whatever the number of jobs.
//
// --sample K fits and checks only every K-th segment and writes nothing; with --plan, which
// sets a series' segment length and number of coefficients, a quick way to try others.
//
// What is fitted, each as a function of universal time (days from J2000.0):
// - the geocentric apparent ecliptic longitude of date of the Sun, the Moon and Mercury to
//   Pluto, as the library gives it by default: light-time, aberration, light deflection,
//   precession and nutation (true equinox of date), with the library's Delta T;
// - the longitude of the Moon's true (osculating) node;
//   each of these less the nutation in longitude, which has periods down to five days that
//   would otherwise be fitted again in every series: the program adds it back;
// - the nutation in longitude and the true obliquity of the ecliptic;
// - Greenwich mean sidereal time less a fixed linear term. The apparent sidereal time is
//   that plus the linear term plus the equation of the equinoxes (nutation in longitude
//   times the cosine of the true obliquity); what the library adds beyond that product
//   (its complementary terms, a few thousandths of an arcsecond) stays in the fitted part.
//
// Each segment is fitted by interpolation at the Chebyshev nodes of the first kind, which
// comes within a hair of the best uniform fit. Longitudes are unwrapped across 0/360 within
// a segment before the fit and are reduced again when evaluated. Every piece is then
// checked against the library at four times as many instants as it has nodes, spread
// evenly from its start to its end (so the joins are checked from both sides), with the
// coefficients as written to the file (the doubles themselves). A piece that is not within
// the tolerance is cut (see FitRange); the run fails when any error is still over it.
#include "engine/chebyshev.h"
#include "engine/hash64.h"
#include "engine/precise_coefficients.h"

#include <swephexp.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kArcsecPerDegree = 3600.0;
constexpr double kJ2000 = 2451545.0; // Julian day of 2000 January 1, 12 h

// The range the table is made for, from 1800-01-01 0h UT up to 2200-01-01 0h UT (the end
// of 2199-12-31), and the span fitted, a month more on each side: the engine takes the
// angles' daily motion from a quarter of an hour on, and may look just past either end.
constexpr double kRangeFirstDay = 2378496.5 - kJ2000; // 1800-01-01 0h UT
constexpr double kRangeEndDay = 2524593.5 - kJ2000;   // 2200-01-01 0h UT
constexpr double kFirstDay = kRangeFirstDay - 31.0;   // 1799-12-01 0h UT
constexpr double kLastDay = kRangeEndDay + 31.0;      // 2200-02-01 0h UT

// Largest error allowed between the table and the library at the check instants. The
// promise is a hundredth of an arcsecond anywhere; a fifth is kept in hand for the
// largest errors, which fall between the check instants.
constexpr double kToleranceArcsec = 0.008;
// Tighter for what the ascendant is made of: near the polar circles the ascendant moves up
// to some fifty times faster than the sidereal time, so these are kept to a thousandth.
constexpr double kAscendantPartToleranceArcsec = 0.001;

// Mean sidereal time's fixed linear term: Greenwich mean sidereal time at J2000.0 UT and
// its daily rate in degrees (IAU 1982, G. H. S. Aoki et al.), the part the fit leaves out.
constexpr double kSiderealAtJ2000 = 280.46061837;   // degrees
constexpr double kSiderealPerDay = 360.98564736629; // degrees per day

enum class Source { Body, NutationLongitude, TrueObliquity, MeanSiderealRest };

struct Plan {
    const char *name; // the series' name in the table
    Source source;
    int planet;         // the library's body number, for Source::Body
    double segmentDays; // a power of two, so that all series share their joins
    int coefficients;   // per segment
    double toleranceArcsec;
    bool scanForJumps = false; // see BreaksWithin
};

// Order: the chart's bodies Sun to Pluto first (the engine's series index equals the
// chart's body index), then the true node, then what the ascendant needs.
using Plans = std::array<Plan, 14>;
const Plans kPlans = {{
    // Eight coefficients fill one 64-byte cache line, so that a chart, which takes one piece
    // of each series at random instants, fetches one line per series; the segments are as
    // long as eight allow within the tolerance.
    {"Sun", Source::Body, SE_SUN, 16, 8, kToleranceArcsec},
    {"Moon", Source::Body, SE_MOON, 4, 8, kToleranceArcsec},
    {"Mercury", Source::Body, SE_MERCURY, 8, 8, kToleranceArcsec},
    {"Venus", Source::Body, SE_VENUS, 16, 8, kToleranceArcsec},
    {"Mars", Source::Body, SE_MARS, 16, 8, kToleranceArcsec},
    {"Jupiter", Source::Body, SE_JUPITER, 16, 8, kToleranceArcsec},
    {"Saturn", Source::Body, SE_SATURN, 16, 8, kToleranceArcsec},
    {"Uranus", Source::Body, SE_URANUS, 16, 8, kToleranceArcsec},
    {"Neptune", Source::Body, SE_NEPTUNE, 16, 8, kToleranceArcsec},
    {"Pluto", Source::Body, SE_PLUTO, 16, 8, kToleranceArcsec},
    // The node, which a chart takes once and not in its eleven positions, is cut at every
    // break of the library's values first (BreaksWithin); between them sixteen coefficients
    // (two cache lines) hold sixteen days.
    {"TrueNode", Source::Body, SE_TRUE_NODE, 16, 16, kToleranceArcsec, true},
    {"NutationLongitude", Source::NutationLongitude, 0, 8, 8, kAscendantPartToleranceArcsec},
    {"TrueObliquity", Source::TrueObliquity, 0, 8, 8, kAscendantPartToleranceArcsec},
    {"MeanSiderealRest", Source::MeanSiderealRest, 0, 64, 8, kAscendantPartToleranceArcsec},
}};

[[noreturn]] void Fail(const std::string &message) {
    std::fprintf(stderr, "gen_positions: %s\n", message.c_str());
    std::exit(1);
}

// The library's data files for 1200-1800 and 1800-2400 overlap around 1800 January 1 (the
// Moon's from 1799-12-23 to 1800-01-19, the planets' from 1800-01-01 to 1800-03-21, TT), and
// there the library goes on with whichever of the two it has open, so that its answer
// depends on the calls before: by up to 0.02" for the true node, and by 0.045" for the Moon
// at 1800-01-01 0h UT right after another body. Within that stretch it is asked afresh, with
// no file open, as a program asking about that one instant would ask it.
constexpr double kFilesOverlapFirst = 2378486.5 - kJ2000; // 1799-12-22 0h UT
constexpr double kFilesOverlapLast = 2378577.5 - kJ2000;  // 1800-03-23 0h UT

void AfreshWhereFilesOverlap(double day) {
    if (day >= kFilesOverlapFirst && day <= kFilesOverlapLast) {
        swe_close();
        swe_set_ephe_path(SWE_DATA_DIR);
    }
}

// Nutation in longitude and true obliquity, degrees, at a universal time (days from J2000).
void Nutation(double day, double &dpsi, double &eps) {
    AfreshWhereFilesOverlap(day);
    double x[6];
    char error[AS_MAXCH] = "";
    if (swe_calc_ut(day + kJ2000, SE_ECL_NUT, SEFLG_SWIEPH, x, error) < 0)
        Fail(std::string("nutation: ") + error);
    eps = x[0];
    dpsi = x[2];
}

// The value of a series from the library, degrees, at a universal time (days from J2000).
double LibraryValue(const Plan &plan, double day) {
    switch (plan.source) {
    case Source::Body: {
        double x[6];
        char error[AS_MAXCH] = "";
        AfreshWhereFilesOverlap(day);
        const int flags = swe_calc_ut(day + kJ2000, plan.planet, SEFLG_SWIEPH, x, error);
        // The library falls back to its analytic theory when a data file is missing, and
        // says so by dropping the data-file flag; the table must not be made from that.
        if (flags < 0 || (flags & SEFLG_SWIEPH) == 0)
            Fail(std::string(plan.name) + ": the ephemeris files were not used: " + error);
        // Without the nutation in longitude, which the program adds back from its own
        // series: its short periods (down to five days) would otherwise have to be fitted
        // again in every body's series.
        double dpsi, eps;
        Nutation(day, dpsi, eps);
        return x[0] - dpsi;
    }
    case Source::NutationLongitude: {
        double dpsi, eps;
        Nutation(day, dpsi, eps);
        return dpsi;
    }
    case Source::TrueObliquity: {
        double dpsi, eps;
        Nutation(day, dpsi, eps);
        return eps;
    }
    case Source::MeanSiderealRest: {
        double dpsi, eps;
        Nutation(day, dpsi, eps);
        AfreshWhereFilesOverlap(day);
        const double apparent = swe_sidtime(day + kJ2000) * 15.0;
        const double linear = kSiderealAtJ2000 + kSiderealPerDay * day;
        return std::remainder(apparent - dpsi * std::cos(eps * kDegToRad) - linear, 360.0);
    }
    }
    return 0.0;
}

struct Fit {
    std::vector<std::uint32_t> firstPiece; // per segment, as ChebyshevSeries keeps them
    std::vector<double> starts;            // per piece: where it starts in its segment, 0..1
    std::vector<double> coefficients;      // piece after piece
    double worstArcsec = 0.0;
    double worstDay = 0.0;
    int cutSegments = 0; // segments of more than one piece
    int jumps = 0;       // cuts made at a jump of the library's values
};

// The coefficients of one piece, as written to the file, and the piece's largest error
// against the library in arcseconds (with the instant of it).
struct Piece {
    double start = 0.0; // days from J2000
    double days = 0.0;
    std::vector<double> coefficients;
    double worstArcsec = 0.0;
    double worstDay = 0.0;
};

// Fits the piece from `start` for `days`. When `jumpAtEnd`, the library's value jumps at
// the piece's end, which then belongs to the next piece and is not checked here.
Piece FitPiece(const Plan &plan, double start, double days, bool jumpAtEnd) {
    const int n = plan.coefficients;
    const double half = days / 2.0;
    // Values at the nodes x_k = cos(pi (k + 1/2) / n), taken in time order (k from n - 1
    // down to 0) so that each is unwrapped against the one before it.
    std::vector<double> f(n);
    double previous = 0.0;
    for (int k = n - 1; k >= 0; --k) {
        const double x = std::cos(kPi * (k + 0.5) / n);
        double v = LibraryValue(plan, start + half * (x + 1.0));
        if (k != n - 1)
            v = previous + std::remainder(v - previous, 360.0);
        f[k] = v;
        previous = v;
    }
    Piece piece;
    piece.start = start;
    piece.days = days;
    piece.coefficients.resize(n);
    for (int j = 0; j < n; ++j) {
        double sum = 0.0;
        for (int k = 0; k < n; ++k)
            sum += f[k] * std::cos(kPi * j * (k + 0.5) / n);
        piece.coefficients[j] = (j == 0 ? 1.0 : 2.0) * sum / n;
    }
    const int checks = 4 * n;
    for (int i = 0; i < checks || (i == checks && !jumpAtEnd); ++i) {
        const double x = -1.0 + 2.0 * i / checks;
        const double day = start + half * (x + 1.0);
        const double value = starloom::ClenshawSum(piece.coefficients.data(), n, x);
        const double error =
            std::fabs(std::remainder(value - LibraryValue(plan, day), 360.0)) * kArcsecPerDegree;
        if (!(error <= piece.worstArcsec)) { // a NaN is the worst of all
            piece.worstArcsec = error;
            piece.worstDay = day;
        }
    }
    return piece;
}

// A piece that does not fit is cut at a jump of the library's values when there is one
// near its worst error (the library's values jump where its lunar data files join one
// segment to the next, since the true node comes from the Moon's velocity, and where it
// changes from one expression of sidereal time to another), and is halved otherwise, down
// to this length.
constexpr double kShortestHalvedPiece = 1.0 / 1024.0; // days
constexpr double kJumpResolution = 1e-8;              // days, about a millisecond
constexpr double kRateStep = 0.01;                    // days, for the rate beside a jump
constexpr double kSmallestJumpArcsec = 0.002;         // smaller steps are left to the halving

struct Jump {
    double at = 0.0;         // the first instant known to be after the jump, days from J2000
    double sizeArcsec = 0.0; // the step the value makes there, beyond its steady motion
};

// The largest jump of the library's values within start..end, found by halving: of the two
// halves, it lies in the one whose change departs most from the rate seen on either side.
Jump FindJump(const Plan &plan, double start, double end) {
    const auto value = [&plan](double day) { return LibraryValue(plan, day); };
    const double rate = (std::remainder(value(start) - value(start - kRateStep), 360.0) +
                         std::remainder(value(end + kRateStep) - value(end), 360.0)) /
                        (2.0 * kRateStep);
    double low = start;
    double high = end;
    double vLow = value(low);
    double vHigh = value(high);
    while (high - low > kJumpResolution) {
        const double mid = (low + high) / 2.0;
        const double vMid = value(mid);
        const double left = std::fabs(std::remainder(vMid - vLow, 360.0) - rate * (mid - low));
        const double right = std::fabs(std::remainder(vHigh - vMid, 360.0) - rate * (high - mid));
        if (left > right) {
            high = mid;
            vHigh = vMid;
        } else {
            low = mid;
            vLow = vMid;
        }
    }
    const double step = std::remainder(vHigh - vLow, 360.0) - rate * (high - low);
    return {high, std::fabs(step) * kArcsecPerDegree};
}

// Fits start..end into one piece, or into more where one does not fit, and appends them to
// `pieces` in time order.
void FitRange(const Plan &plan, double start, double end, bool jumpAtEnd,
              std::vector<Piece> &pieces, int &jumps) {
    Piece piece = FitPiece(plan, start, end - start, jumpAtEnd);
    if (piece.worstArcsec <= plan.toleranceArcsec) {
        pieces.push_back(std::move(piece));
        return;
    }
    // Look for a jump within two check intervals of the worst error.
    const double reach = 2.0 * (end - start) / (4 * plan.coefficients);
    const Jump jump = FindJump(plan, std::max(start, piece.worstDay - reach),
                               std::min(end, piece.worstDay + reach));
    const bool inside =
        jump.at > start + 2 * kJumpResolution && jump.at < end - 2 * kJumpResolution;
    if (jump.sizeArcsec > kSmallestJumpArcsec && inside) {
        ++jumps;
        FitRange(plan, start, jump.at, true, pieces, jumps);
        FitRange(plan, jump.at, end, jumpAtEnd, pieces, jumps);
        return;
    }
    if (end - start > kShortestHalvedPiece) {
        const double mid = (start + end) / 2.0;
        FitRange(plan, start, mid, false, pieces, jumps);
        FitRange(plan, mid, end, jumpAtEnd, pieces, jumps);
        return;
    }
    pieces.push_back(std::move(piece)); // the best there is; the run will fail on it
}

// The true node's breaks, where the library's lunar files join one polynomial to the next
// (about every 27.55 days): the node jumps there by up to a few tenths of an arcsecond and
// its rate changes by up to an arcsecond a day. A fit across one can stay within the
// tolerance at every check instant and be several times over it between them, so the
// node's segments are first scanned for breaks at a close, even step and cut at each one
// before they are fitted. Where the node moves smoothly, the cubic through four samples
// kScanStep apart foretells the next to some hundred-thousandths of an arcsecond; a break
// shows as a sample that departs from it.
constexpr double kScanStep = 1.0 / 32.0; // days, 45 minutes
constexpr int kScanMargin = 5;           // samples beyond either end of the segment
constexpr double kBreakArcsec = 0.002;   // a departure this large is a break

// The library's values from kScanMargin steps before `start` to as many after the segment's
// `steps`, unwrapped across 0/360.
std::vector<double> ScanValues(const Plan &plan, double start, int steps) {
    std::vector<double> values(steps + 2 * kScanMargin + 1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = LibraryValue(plan, start + (static_cast<int>(i) - kScanMargin) * kScanStep);
        if (i > 0)
            values[i] = values[i - 1] + std::remainder(values[i] - values[i - 1], 360.0);
    }
    return values;
}

// The value at `x` of the cubic through (0, v[0]), (1, v[1]), (2, v[2]), (3, v[3])
// (Lagrange's formula).
double CubicThrough(const double *v, double x) {
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        double weight = 1.0;
        for (int j = 0; j < 4; ++j) {
            if (j != i)
                weight *= (x - j) / (i - j);
        }
        sum += weight * v[i];
    }
    return sum;
}

// One side of a bracket around a break: the library's values at `anchor` and four more
// `step` apart going away from the bracket (a negative step for the side before it),
// unwrapped across 0/360.
struct BreakSide {
    double anchor;
    double step;
    double v[5];

    BreakSide(const Plan &plan, double anchorDay, double stepDays)
        : anchor(anchorDay), step(stepDays) {
        for (int k = 0; k < 5; ++k) {
            v[k] = LibraryValue(plan, anchor + k * step);
            if (k > 0)
                v[k] = v[k - 1] + std::remainder(v[k] - v[k - 1], 360.0);
        }
    }
    // The cubic through the four values nearest the bracket, carried on to `day`.
    double At(double day) const { return CubicThrough(v, (day - anchor) / step); }
    // The size of its fourth difference, degrees: how far that cubic may stray.
    double Roughness() const {
        return std::fabs(v[0] - 4.0 * v[1] + 6.0 * v[2] - 4.0 * v[3] + v[4]);
    }
};

// The first instant after a break that lies after `low` and no later than `high`, to
// kJumpResolution, by narrowing the bracket. Each side of it is carried into the bracket by
// a cubic from values close outside it; the two differ there by the break's jump plus its
// change of rate times the time from it, which may pass through zero near the break.
// A probe instant where they differ by well more than either may stray from the truth
// falls on the side whose value it takes: the middle of the bracket, or a quarter in from
// either end where they differ more. When they differ little all across the bracket, it
// matters little where within it the cut falls.
double BreakBetween(const Plan &plan, double low, double high) {
    while (high - low > kJumpResolution) {
        const double quarter = (high - low) / 4.0;
        const BreakSide before(plan, low, -quarter);
        const BreakSide after(plan, high, quarter);
        const double stray =
            20.0 * std::max(before.Roughness(), after.Roughness()) + 1e-5 / kArcsecPerDegree;
        double probe = std::nan("");
        for (const double part : {2.0, 1.0, 3.0}) {
            const double day = low + part * quarter;
            if (std::fabs(after.At(day) - before.At(day)) > stray) {
                probe = day;
                break;
            }
        }
        if (std::isnan(probe))
            return low + 2.0 * quarter;
        const double expected = before.At(probe);
        const double value = expected + std::remainder(LibraryValue(plan, probe) - expected, 360.0);
        if (std::fabs(value - expected) < std::fabs(value - after.At(probe)))
            low = probe;
        else
            high = probe;
    }
    return high;
}

// The breaks within start..end, in time order, from the scanned values `v` (ScanValues).
std::vector<double> BreaksWithin(const Plan &plan, double start, double end,
                                 const std::vector<double> &v) {
    const double dayOfFirst = start - kScanMargin * kScanStep;
    std::vector<double> breaks;
    for (int i = 4; i + 3 < static_cast<int>(v.size()); ++i) {
        const double departure = (v[i] - CubicThrough(&v[i - 4], 4.0)) * kArcsecPerDegree;
        if (std::fabs(departure) <= kBreakArcsec)
            continue;
        // Sample i is after the break, and samples up to i - 4 are before it: had it come
        // earlier, the samples would have departed from their cubic sooner.
        const double at =
            BreakBetween(plan, dayOfFirst + (i - 4) * kScanStep, dayOfFirst + i * kScanStep);
        if (at > start + 2 * kJumpResolution && at < end - 2 * kJumpResolution)
            breaks.push_back(at);
        i += 3; // the next cubic starts after the break
    }
    return breaks;
}

// Instants around a break at which a fit is checked besides its own, days from it.
constexpr std::array<double, 8> kAroundBreak = {-1e-3, -1e-4, -1e-6, -2 * kJumpResolution,
                                                0.0,   1e-6,  1e-4,  1e-3};

// Fits segment `s` of a plan and appends it to `fit`.
void FitSegment(const Plan &plan, int s, Fit &fit) {
    const double start = kFirstDay + s * plan.segmentDays;
    const double end = start + plan.segmentDays;
    std::vector<Piece> pieces;
    double from = start;
    std::vector<double> scan;
    std::vector<double> breaks;
    const int steps = static_cast<int>(std::lround(plan.segmentDays / kScanStep));
    if (plan.scanForJumps) {
        scan = ScanValues(plan, start, steps);
        breaks = BreaksWithin(plan, start, end, scan);
        for (const double at : breaks) {
            FitRange(plan, from, at, true, pieces, fit.jumps);
            ++fit.jumps;
            from = at;
        }
    }
    FitRange(plan, from, end, false, pieces, fit.jumps);
    // The scanned samples make a check of their own, at every step through the segment, and
    // so do a few instants close on either side of each break.
    const auto check = [&pieces, &plan](double day, double library) {
        std::size_t p = 0;
        while (p + 1 < pieces.size() && pieces[p + 1].start <= day)
            ++p;
        Piece &piece = pieces[p];
        const double x = 2.0 * (day - piece.start) / piece.days - 1.0;
        const double value = starloom::ClenshawSum(piece.coefficients.data(), plan.coefficients, x);
        const double error = std::fabs(std::remainder(value - library, 360.0)) * kArcsecPerDegree;
        if (!(error <= piece.worstArcsec)) {
            piece.worstArcsec = error;
            piece.worstDay = day;
        }
    };
    for (int i = 0; i <= steps && !scan.empty(); ++i)
        check(start + i * kScanStep, scan[i + kScanMargin]);
    for (const double at : breaks) {
        for (const double offset : kAroundBreak) {
            if (at + offset >= start && at + offset <= end)
                check(at + offset, LibraryValue(plan, at + offset));
        }
    }
    if (pieces.size() > 1)
        ++fit.cutSegments;
    fit.firstPiece.push_back(static_cast<std::uint32_t>(fit.starts.size()));
    for (const Piece &piece : pieces) {
        if (!(piece.worstArcsec <= fit.worstArcsec)) {
            fit.worstArcsec = piece.worstArcsec;
            fit.worstDay = piece.worstDay;
        }
        fit.starts.push_back((piece.start - start) / plan.segmentDays);
        fit.coefficients.insert(fit.coefficients.end(), piece.coefficients.begin(),
                                piece.coefficients.end());
    }
}

int SegmentCount(const Plan &plan) {
    return static_cast<int>(std::ceil((kLastDay - kFirstDay) / plan.segmentDays));
}

// A part file: what one process hands back of one series, as the bytes of its numbers.
template <typename T> void WriteRaw(std::ofstream &out, const std::vector<T> &values) {
    const std::uint64_t count = values.size();
    out.write(reinterpret_cast<const char *>(&count), sizeof count);
    out.write(reinterpret_cast<const char *>(values.data()),
              static_cast<std::streamsize>(values.size() * sizeof(T)));
}

template <typename T> void ReadRaw(std::ifstream &in, std::vector<T> &values) {
    std::uint64_t count = 0;
    in.read(reinterpret_cast<char *>(&count), sizeof count);
    values.resize(in ? count : 0);
    in.read(reinterpret_cast<char *>(values.data()),
            static_cast<std::streamsize>(values.size() * sizeof(T)));
}

void WriteFit(const Fit &fit, const std::string &path) {
    std::ofstream out(path, std::ios::binary);
    WriteRaw(out, std::vector<double>{fit.worstArcsec, fit.worstDay, double(fit.cutSegments),
                                      double(fit.jumps)});
    WriteRaw(out, fit.firstPiece);
    WriteRaw(out, fit.starts);
    WriteRaw(out, fit.coefficients);
    if (!out)
        Fail("cannot write the part file " + path);
}

Fit ReadFit(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    Fit fit;
    std::vector<double> facts;
    ReadRaw(in, facts);
    ReadRaw(in, fit.firstPiece);
    ReadRaw(in, fit.starts);
    ReadRaw(in, fit.coefficients);
    if (!in || facts.size() != 4)
        Fail("cannot read the part file " + path);
    fit.worstArcsec = facts[0];
    fit.worstDay = facts[1];
    fit.cutSegments = static_cast<int>(facts[2]);
    fit.jumps = static_cast<int>(facts[3]);
    return fit;
}

// Runs the plans numbered job, job + jobs, ... and writes the fit of each into
// `folder`/<index>.
void RunJob(const Plans &plans, int job, int jobs, int sample, const std::string &folder) {
    swe_set_ephe_path(SWE_DATA_DIR);
    for (std::size_t p = job; p < plans.size(); p += jobs) {
        const Plan &plan = plans[p];
        Fit fit;
        const int segments = SegmentCount(plan);
        for (int s = 0; s < segments; s += sample)
            FitSegment(plan, s, fit);
        fit.firstPiece.push_back(static_cast<std::uint32_t>(fit.starts.size()));
        WriteFit(fit, folder + "/" + std::to_string(p));
    }
    swe_close();
}

std::string DateOfDay(double day) {
    int year, month, dayOfMonth;
    double hour;
    swe_revjul(day + kJ2000, SE_GREG_CAL, &year, &month, &dayOfMonth, &hour);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %05.2fh", year, month, dayOfMonth, hour);
    return text;
}

// The calendar date of a day that starts at 0h UT, "1800-01-01".
std::string DateAtMidnight(double day) {
    return DateOfDay(day).substr(0, 10);
}

// The bytes of the table file (its layout is described in engine/precise_coefficients.h),
// every number written little-endian whatever the processor.
class TableWriter {
public:
    std::vector<unsigned char> bytes;

    void Text(const std::string &text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
    void Align() {
        while (bytes.size() % starloom::kPreciseTableAlignment != 0)
            bytes.push_back(0);
    }
    static void PutAt(std::vector<unsigned char> &to, std::size_t at, std::uint64_t value,
                      int size) {
        for (int i = 0; i < size; ++i)
            to[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
    void U32At(std::size_t at, std::uint32_t value) { PutAt(bytes, at, value, 4); }
    void U64At(std::size_t at, std::uint64_t value) { PutAt(bytes, at, value, 8); }
    void F64At(std::size_t at, double value) { U64At(at, std::bit_cast<std::uint64_t>(value)); }
    // Appends an array at the next multiple of 64 bytes; its offset.
    template <typename T> std::uint64_t Array(const std::vector<T> &values) {
        Align();
        const std::size_t at = bytes.size();
        bytes.resize(at + values.size() * sizeof(T));
        for (std::size_t i = 0; i < values.size(); ++i) {
            if constexpr (sizeof(T) == 8)
                F64At(at + 8 * i, values[i]);
            else
                U32At(at + 4 * i, values[i]);
        }
        return at;
    }
};

// The table's first lines: what it holds, for which range, and how to make it again.
std::string TableText(const Plans &plans, const std::vector<Fit> &fits) {
    char version[AS_MAXCH] = "";
    swe_version(version);
    std::ostringstream text;
    text
        << "QM Starloom precise-position table, format " << starloom::kPreciseTableFormat
        << " (engine/precise_table.bin).\n"
           "\n"
           "Chebyshev coefficients of the precise positions, in degrees: the apparent longitudes\n"
           "of the Sun, the Moon and Mercury to Pluto and of the true lunar node (each less the\n"
           "nutation in longitude, which the engine adds back), the nutation in longitude, the\n"
           "true obliquity and the rest of mean sidereal time, fitted to the Swiss Ephemeris\n"
           "(version "
        << version
        << ") with its JPL-derived data files.\n"
           "\n"
           "Range: "
        << DateAtMidnight(kRangeFirstDay) << " 0h UT up to " << DateAtMidnight(kRangeEndDay)
        << " 0h UT, the end excluded (days " << kRangeFirstDay << " to\n"
        << kRangeEndDay << " from J2000.0); fitted from " << DateAtMidnight(kFirstDay) << " to "
        << DateAtMidnight(kLastDay)
        << " 0h UT.\n"
           "\n"
           "Generated by tools/positions/gen_positions.cpp, with engine/precise_table_digest.h\n"
           "(the size and hash the program checks at start-up). Do not edit by hand; to make both\n"
           "again, from the repository root (libswe-dev and swe-standard-data installed):\n"
           "  cmake -S . -B build -G Ninja -DSTARLOOM_BUILD_TOOLS=ON\n"
           "  cmake --build build --target gen_positions\n"
           "  build/bin/gen_positions engine/precise_table.bin --jobs 2\n"
           "\n"
           "Series: days per segment, coefficients per piece, segments, pieces, and the largest\n"
           "error against the library at the check instants, arcseconds:\n";
    for (std::size_t p = 0; p < plans.size(); ++p) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-18s %4.0f %3d %7d %7zu %9.6f\n", plans[p].name,
                      plans[p].segmentDays, plans[p].coefficients, SegmentCount(plans[p]),
                      fits[p].starts.size(), fits[p].worstArcsec);
        text << line;
    }
    text << "\n"
            "The numbers follow from the next multiple of 64 bytes after this text's closing NUL,\n"
            "laid out as engine/precise_coefficients.h describes.\n";
    return text.str();
}

// The whole table file.
std::vector<unsigned char> TableBytes(const Plans &plans, const std::vector<Fit> &fits) {
    using namespace starloom;
    TableWriter file;
    file.Text(TableText(plans, fits));
    file.bytes.push_back(0);
    file.Align();
    const std::size_t directory = file.bytes.size();
    file.bytes.resize(directory + kPreciseDirectoryBytes + plans.size() * kPreciseRecordBytes);
    std::memcpy(&file.bytes[directory], kPreciseTableMagic, 8);
    file.U32At(directory + 8, kPreciseTableFormat);
    file.U32At(directory + 12, static_cast<std::uint32_t>(plans.size()));
    file.F64At(directory + 16, kRangeFirstDay);
    file.F64At(directory + 24, kRangeEndDay);
    for (std::size_t p = 0; p < plans.size(); ++p) {
        const Fit &fit = fits[p];
        const std::size_t record = directory + kPreciseDirectoryBytes + p * kPreciseRecordBytes;
        file.F64At(record, kFirstDay);
        file.F64At(record + 8, plans[p].segmentDays);
        file.U32At(record + 16, static_cast<std::uint32_t>(plans[p].coefficients));
        file.U32At(record + 20, static_cast<std::uint32_t>(SegmentCount(plans[p])));
        file.U32At(record + 24, static_cast<std::uint32_t>(fit.starts.size()));
        file.U64At(record + 32, file.Array(fit.firstPiece));
        file.U64At(record + 40, file.Array(fit.starts));
        file.U64At(record + 48, file.Array(fit.coefficients));
    }
    file.Align();
    return std::move(file.bytes);
}

// The header that records the table's size, hash and range.
std::string DigestHeader(const std::vector<unsigned char> &table) {
    char hash[40];
    std::snprintf(hash, sizeof hash, "0x%016llxULL",
                  static_cast<unsigned long long>(starloom::Hash64(table.data(), table.size())));
    std::ostringstream text;
    text << "// The size, hash and range of engine/precise_table.bin, written with it by\n"
            "// tools/positions/gen_positions.cpp (see the table's first lines). Do not edit by "
            "hand.\n"
            "#pragma once\n\n"
            "#include <cstddef>\n"
            "#include <cstdint>\n\n"
            "namespace starloom {\n\n"
            "constexpr std::size_t kPreciseTableBytes = "
         << table.size()
         << ";\n"
            "// XXH64 of the whole file, seed 0 (engine/hash64.h).\n"
            "constexpr std::uint64_t kPreciseTableHash = "
         << hash
         << ";\n"
            "// The range the table is made for, days of universal time from J2000.0: "
         << DateAtMidnight(kRangeFirstDay)
         << " 0h\n"
            "// included up to "
         << DateAtMidnight(kRangeEndDay)
         << " 0h excluded.\n"
            "constexpr double kPreciseTableFirstDay = "
         << kRangeFirstDay
         << ";\n"
            "constexpr double kPreciseTableEndDay = "
         << kRangeEndDay << ";\n\n"
         << "} // namespace starloom\n";
    return text.str();
}

void WriteFile(const std::string &path, const void *data, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char *>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        Fail("cannot write " + path);
}

} // namespace

// Prints, for the segment of `plan` that holds `day`, the error at many instants.
void Trace(const Plan &plan, double day) {
    swe_set_ephe_path(SWE_DATA_DIR);
    const int s = static_cast<int>((day - kFirstDay) / plan.segmentDays);
    const double start = kFirstDay + s * plan.segmentDays;
    const Piece piece = FitPiece(plan, start, plan.segmentDays, false);
    for (int i = 0; i <= 64; ++i) {
        const double x = -1.0 + 2.0 * i / 64;
        const double t = start + plan.segmentDays / 2.0 * (x + 1.0);
        const double value = starloom::ClenshawSum(piece.coefficients.data(), plan.coefficients, x);
        std::printf("%s %+.4f %+.6f\n", DateOfDay(t).c_str(), x,
                    std::remainder(value - LibraryValue(plan, t), 360.0) * kArcsecPerDegree);
    }
}

int main(int argc, char **argv) {
    if (argc == 4 && std::strcmp(argv[1], "--trace") == 0) {
        for (const Plan &plan : kPlans) {
            if (plan.name == std::string(argv[2]))
                Trace(plan, std::atof(argv[3]) - kJ2000);
        }
        return 0;
    }
    const std::string output = argc >= 2 ? argv[1] : "";
    constexpr std::string_view kBin = ".bin";
    if (output.size() <= kBin.size() || !output.ends_with(kBin))
        Fail("usage: gen_positions <table>.bin [--jobs N] [--sample K] [--plan Name=days,n]");
    const std::string digestPath = output.substr(0, output.size() - kBin.size()) + "_digest.h";
    int jobs = 1;
    int sample = 1;
    Plans plans = kPlans;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--jobs") == 0) {
            jobs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--sample") == 0) {
            sample = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--plan") == 0) {
            const std::string text = argv[i + 1];
            const std::size_t equals = text.find('=');
            bool found = false;
            for (Plan &plan : plans) {
                if (text.compare(0, equals, plan.name) == 0 && equals == std::strlen(plan.name)) {
                    plan.segmentDays = std::atof(text.c_str() + equals + 1);
                    plan.coefficients = std::atoi(text.c_str() + text.find(',') + 1);
                    found = true;
                }
            }
            if (!found || text.find(',') == std::string::npos)
                Fail("--plan takes Name=days,coefficients");
        } else
            Fail(std::string("unknown option ") + argv[i]);
    }

    char folderTemplate[] = "/tmp/gen_positions.XXXXXX";
    if (mkdtemp(folderTemplate) == nullptr)
        Fail("cannot make a working folder");
    const std::string folder = folderTemplate;
    // The library keeps its state in globals, so the work is shared out to processes.
    std::vector<pid_t> children;
    for (int job = 0; job < jobs; ++job) {
        const pid_t pid = fork();
        if (pid < 0)
            Fail("fork failed");
        if (pid == 0) {
            RunJob(plans, job, jobs, sample, folder);
            std::_Exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            Fail("a fitting process failed");
    }

    bool allWithin = true;
    std::vector<Fit> fits;
    std::size_t totalCoefficients = 0;
    std::size_t totalPieces = 0;
    std::size_t totalSegments = 0;
    std::printf("%-18s %5s %4s %6s %6s %5s %5s %12s  %s\n", "series", "days", "coef", "segs",
                "pieces", "cut", "jumps", "worst (\")", "at");
    for (std::size_t p = 0; p < plans.size(); ++p) {
        const Plan &plan = plans[p];
        const std::string part = folder + "/" + std::to_string(p);
        fits.push_back(ReadFit(part));
        const Fit &fit = fits.back();
        std::remove(part.c_str());
        const int segments = SegmentCount(plan);
        const std::size_t pieceCount = fit.starts.size();
        std::printf("%-18s %5.0f %4d %6d %6zu %5d %5d %12.6f  %s\n", plan.name, plan.segmentDays,
                    plan.coefficients, segments, pieceCount, fit.cutSegments, fit.jumps,
                    fit.worstArcsec, DateOfDay(fit.worstDay).c_str());
        if (!(fit.worstArcsec <= plan.toleranceArcsec)) {
            std::printf("  over the tolerance of %g\"\n", plan.toleranceArcsec);
            allWithin = false;
        }
        totalCoefficients += fit.coefficients.size();
        totalPieces += pieceCount;
        totalSegments += fit.firstPiece.size();
        if (sample == 1 && (fit.firstPiece.size() != static_cast<std::size_t>(segments) + 1 ||
                            fit.coefficients.size() != pieceCount * plan.coefficients))
            Fail(std::string(plan.name) + ": the part file is incomplete");
    }
    rmdir(folder.c_str());
    std::printf("%zu coefficients, %zu pieces, %zu segments: %.2f MB\n", totalCoefficients,
                totalPieces, totalSegments,
                (totalCoefficients * 8.0 + totalPieces * 8.0 + totalSegments * 4.0) / 1e6);
    if (!allWithin)
        Fail("the fit is not within the tolerance");
    if (sample != 1)
        return 0;

    const std::vector<unsigned char> table = TableBytes(plans, fits);
    // Read back as the engine reads it, from an address aligned as the built-in table is.
    std::vector<std::uint64_t> aligned(table.size() / 8);
    std::memcpy(aligned.data(), table.data(), table.size());
    starloom::PreciseTable check;
    const std::string problem = starloom::ReadPreciseTable(
        {reinterpret_cast<const unsigned char *>(aligned.data()), table.size()}, check);
    if (!problem.empty())
        Fail("the table as written does not read back: " + problem);
    const std::string digest = DigestHeader(table);
    WriteFile(output, table.data(), table.size());
    WriteFile(digestPath, digest.data(), digest.size());
    std::printf("%s: %zu bytes\n", output.c_str(), table.size());
    return 0;
}
