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
// the series is extrapolated).
inline double ClenshawSum(const double *c, int n, double x) {
    const double twoX = 2.0 * x;
    double b1 = 0.0; // b[k+1]
    double b2 = 0.0; // b[k+2]
    for (int k = n - 1; k >= 1; --k) {
        const double b = twoX * b1 - b2 + c[k];
        b2 = b1;
        b1 = b;
    }
    return x * b1 - b2 + c[0];
}

// The derivative with respect to x of the same sum: T_k'(x) = k U_{k-1}(x), and the sum of
// k c[k] U_{k-1}(x) by the same recurrence on the second-kind polynomials U.
inline double ClenshawDerivative(const double *c, int n, double x) {
    const double twoX = 2.0 * x;
    double b1 = 0.0;
    double b2 = 0.0;
    for (int k = n - 1; k >= 1; --k) {
        const double b = twoX * b1 - b2 + k * c[k];
        b2 = b1;
        b1 = b;
    }
    return b1; // U_0 = 1, so the last step needs no final term
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
