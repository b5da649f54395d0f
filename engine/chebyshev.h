// Piecewise Chebyshev series: how the precise positions are stored and evaluated.
//
// A quantity is kept over a run of equal segments of time. Within a segment the time is
// mapped onto x in -1..1, and the quantity is the sum of c[k] T_k(x), T_k being the
// Chebyshev polynomials of the first kind (the form in which JPL ships its ephemerides).
// The first coefficient is stored already halved, so the sum runs plainly over all k.
#pragma once

namespace starloom {

// One piecewise series: `segmentCount` segments of `segmentDays` days from `firstDay`
// (days of universal time from J2000.0). Where the quantity changes too sharply for one
// polynomial, or jumps, a segment is cut into pieces. Segment s holds the pieces
// firstPiece[s] up to but excluding firstPiece[s + 1] (so firstPiece has segmentCount + 1
// entries); piece p starts pieceStart[p] of the way through its segment (0 for the first
// piece) and ends where the next one starts, or at the segment's end. Each piece has
// `coefficientCount` coefficients, piece after piece in `coefficients`.
struct ChebyshevSeries {
    double firstDay;
    double segmentDays;
    int coefficientCount;
    int segmentCount;
    const unsigned *firstPiece;
    const double *pieceStart;
    const double *coefficients;
};

// The sum of c[k] T_k(x) for k = 0..n-1 by Clenshaw's recurrence (W. H. Press et al.,
// Numerical Recipes, 3rd ed., section 5.8), which needs no powers of x and keeps the
// rounding error of the order of the largest coefficient's. n >= 1; x in -1..1 (outside it
// the series is extrapolated). Each step is written (c[k] - b[k+2]) + 2x b[k+1], so that
// only a multiplication and an addition wait on the step before.
inline double ClenshawSum(const double *c, int n, double x) {
    const double twoX = 2.0 * x;
    double b1 = 0.0; // b[k+1]
    double b2 = 0.0; // b[k+2]
    for (int k = n - 1; k >= 1; --k) {
        const double b = (c[k] - b2) + twoX * b1;
        b2 = b1;
        b1 = b;
    }
    return (c[0] - b2) + x * b1;
}

// The same sum and its derivative with respect to x, T_k'(x) = k U_{k-1}(x), U being the
// polynomials of the second kind. Both are split into their even and odd terms, each summed
// by Clenshaw's recurrence in y = T_2(x) = 2x^2 - 1 (T_2j(x) = T_j(y), and the odd terms and
// the U follow the same three-term recurrence in steps of two). The four recurrences are
// independent and half as long, so that a processor runs them side by side instead of
// waiting on one long chain.
inline void ClenshawSumAndDerivative(const double *c, int n, double x, double &value,
                                     double &derivative) {
    const double y = 2.0 * x * x - 1.0;
    const double twoY = 2.0 * y;
    // The highest pair first, where the terms beyond the last coefficient are zero: the
    // loop below then needs no tests.
    const int top = (n - 1) / 2; // the last j with 2j <= n - 1
    double oddK = 2.0 * top + 1.0;
    double e1 = c[2 * top], e2 = 0.0;                             // even terms c[2j] T_2j
    double o1 = 2 * top + 1 < n ? c[2 * top + 1] : 0.0, o2 = 0.0; // odd terms c[2j+1] T_2j+1
    double p1 = oddK * o1, p2 = 0.0; // derivative, odd k = 2j+1: k c[k] U_2j
    double q1 = 0.0, q2 = 0.0;       // derivative, even k = 2j+2: k c[k] U_2j+1
    for (int j = top - 1; j >= 0; --j) {
        oddK -= 2.0;
        const double *cj = c + 2 * j;
        const double e = (cj[0] - e2) + twoY * e1;
        const double o = (cj[1] - o2) + twoY * o1;
        const double pj = (oddK * cj[1] - p2) + twoY * p1;
        const double qj = ((oddK + 1.0) * cj[2] - q2) + twoY * q1;
        e2 = e1;
        e1 = e;
        o2 = o1;
        o1 = o;
        p2 = p1;
        p1 = pj;
        q2 = q1;
        q1 = qj;
    }
    // Closing terms of each recurrence: with b0 its last value and b1 the one before,
    // sum T_j(y) a_j = b0 - y b1; odd T: x (b0 - b1); U_2j: b0 + b1; U_2j+1: 2x b0.
    value = (e1 - y * e2) + x * (o1 - o2);
    derivative = (p1 + p2) + 2.0 * x * q1;
}

// Where an instant falls in a series: the piece and x in -1..1. False when the instant
// lies outside the series (or is not a number).
struct ChebyshevPlace {
    const double *coefficients = nullptr;
    double x = 0.0;
    double span = 1.0; // the piece's length as a share of its segment's
};

inline bool LocateInSeries(const ChebyshevSeries &series, double day, ChebyshevPlace &place) {
    const double offset = (day - series.firstDay) / series.segmentDays;
    if (!(offset >= 0.0) || !(offset <= series.segmentCount))
        return false;
    int segment = static_cast<int>(offset);
    if (segment == series.segmentCount) // the very end belongs to the last segment
        --segment;
    const double fraction = offset - segment;
    unsigned piece = series.firstPiece[segment];
    const unsigned end = series.firstPiece[segment + 1];
    double low = 0.0;
    double high = 1.0;
    if (end - piece > 1) {
        // Cut segments are few and hold a handful of pieces: a plain scan.
        while (piece + 1 < end && series.pieceStart[piece + 1] <= fraction)
            ++piece;
        low = series.pieceStart[piece];
        if (piece + 1 < end)
            high = series.pieceStart[piece + 1];
    }
    place.coefficients = series.coefficients + static_cast<long>(piece) * series.coefficientCount;
    place.span = high - low;
    place.x = 2.0 * (fraction - low) / place.span - 1.0;
    return true;
}

} // namespace starloom
