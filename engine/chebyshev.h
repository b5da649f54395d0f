// Piecewise Chebyshev series: how the precise positions are stored and evaluated.
//
// A quantity is kept over a run of equal segments of time. Within a segment the time is
// mapped onto x in -1..1, and the quantity is the sum of c[k] T_k(x), T_k being the
// Chebyshev polynomials of the first kind (the form in which JPL ships its ephemerides).
// The first coefficient is stored already halved, so the sum runs plainly over all k.
#pragma once

#include <cstring>

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
// polynomials of the second kind, by a run of the recurrence below.
//
// Both are split into their even and odd terms, each summed by Clenshaw's recurrence in
// y = T_2(x) = 2x^2 - 1 (T_2j(x) = T_j(y), and the odd terms and the U follow the same
// three-term recurrence in steps of two). The four recurrences are independent and half as
// long, so that a processor runs them side by side instead of waiting on one long chain;
// they go in two pairs, the even and odd terms of the sum and of the derivative, each pair
// one vector of two lanes, as the coefficients lie side by side.
class ClenshawRun {
public:
    // Two lanes of doubles; without vector registers the compiler does each lane in turn.
    using Pair = double __attribute__((vector_size(2 * sizeof(double))));

    // Starts on the n >= 1 coefficients c at x with the highest pair, where the terms
    // beyond the last coefficient are zero (so that the steps need no tests).
    ClenshawRun(const double *c, int n, double x)
        : c_(c), top_((n - 1) / 2), x_(x), y_(2.0 * x * x - 1.0), twoY_{2.0 * y_, 2.0 * y_} {
        s1_ = Pair{c[2 * top_], 2 * top_ + 1 < n ? c[2 * top_ + 1] : 0.0};
        d1_ = Pair{(2.0 * top_ + 1.0) * s1_[1], 0.0};
    }

    // The steps to take, for j = Top() - 1 down to 0.
    int Top() const { return top_; }

    // The degrees of step j, {2j + 1, 2j + 2}.
    static Pair Degrees(int j) { return Pair{2.0 * j + 1.0, 2.0 * j + 2.0}; }

    // Takes in the coefficients of degrees 2j to 2j + 2; k is Degrees(j).
    void Step(int j, Pair k) {
        const Pair s = (Load(c_ + 2 * j) - s2_) + twoY_ * s1_;
        const Pair d = (k * Load(c_ + 2 * j + 1) - d2_) + twoY_ * d1_;
        s2_ = s1_;
        s1_ = s;
        d2_ = d1_;
        d1_ = d;
    }

    // After the last step. Closing terms of each recurrence, with b0 its last value and b1
    // the one before: sum T_j(y) a_j = b0 - y b1; odd T: x (b0 - b1); U_2j: b0 + b1;
    // U_2j+1: 2x b0.
    void Finish(double &value, double &derivative) const {
        value = (s1_[0] - y_ * s2_[0]) + x_ * (s1_[1] - s2_[1]);
        derivative = (d1_[0] + d2_[0]) + 2.0 * x_ * d1_[1];
    }

private:
    static Pair Load(const double *from) {
        Pair p;
        std::memcpy(&p, from, sizeof p);
        return p;
    }

    const double *c_;
    int top_;
    double x_;
    double y_;
    Pair twoY_;
    // Lanes of s: the even terms c[2j] T_2j and the odd terms c[2j+1] T_2j+1. Lanes of d,
    // the derivative: k c[k] U_2j for odd k = 2j+1 and k c[k] U_2j+1 for even k = 2j+2.
    Pair s1_;
    Pair s2_{0.0, 0.0};
    Pair d1_;
    Pair d2_{0.0, 0.0};
};

inline void ClenshawSumAndDerivative(const double *c, int n, double x, double &value,
                                     double &derivative) {
    ClenshawRun run(c, n, x);
    ClenshawRun::Pair k = ClenshawRun::Degrees(run.Top());
    for (int j = run.Top() - 1; j >= 0; --j) {
        k -= 2.0;
        run.Step(j, k);
    }
    run.Finish(value, derivative);
}

// Two such sums and derivatives at once, (ca, na, xa) into va and da and (cb, nb, xb) into
// vb and db: the two runs go step by step side by side, so that a processor works on both
// while each waits on its own last step.
inline void ClenshawTwoSumsAndDerivatives(const double *ca, int na, double xa, const double *cb,
                                          int nb, double xb, double &va, double &da, double &vb,
                                          double &db) {
    if (na == nb) { // as a table is mostly made: step for step, nothing to choose
        ClenshawRun a(ca, na, xa);
        ClenshawRun b(cb, nb, xb);
        ClenshawRun::Pair k = ClenshawRun::Degrees(a.Top());
        for (int j = a.Top() - 1; j >= 0; --j) {
            k -= 2.0;
            a.Step(j, k);
            b.Step(j, k);
        }
        a.Finish(va, da);
        b.Finish(vb, db);
        return;
    }
    // The longer run takes its first steps alone.
    const bool bLonger = nb > na;
    ClenshawRun longer(bLonger ? cb : ca, bLonger ? nb : na, bLonger ? xb : xa);
    ClenshawRun shorter(bLonger ? ca : cb, bLonger ? na : nb, bLonger ? xa : xb);
    ClenshawRun::Pair k = ClenshawRun::Degrees(longer.Top());
    int j = longer.Top() - 1;
    for (; j >= shorter.Top(); --j) {
        k -= 2.0;
        longer.Step(j, k);
    }
    for (; j >= 0; --j) {
        k -= 2.0;
        longer.Step(j, k);
        shorter.Step(j, k);
    }
    double vl, dl, vs, ds;
    longer.Finish(vl, dl);
    shorter.Finish(vs, ds);
    va = bLonger ? vs : vl;
    da = bLonger ? ds : dl;
    vb = bLonger ? vl : vs;
    db = bLonger ? dl : ds;
}

// Where an instant falls in a series: the piece, x in -1..1 and dx/dt. False when the
// instant lies outside the series (or is not a number).
struct ChebyshevPlace {
    const double *coefficients;
    double x;
    double perDay; // dx/dt: 2 / (the piece's length in days)
};

// `segmentsPerDay` is 1 / series.segmentDays, kept by the caller: the segments' lengths
// are powers of two, so that the product is the exact quotient, without a division.
inline bool LocateInSeries(const ChebyshevSeries &series, double segmentsPerDay, double day,
                           ChebyshevPlace &place) {
    const double offset = (day - series.firstDay) * segmentsPerDay;
    if (!(offset >= 0.0) || !(offset <= series.segmentCount))
        return false;
    int segment = static_cast<int>(offset);
    if (segment == series.segmentCount) // the very end belongs to the last segment
        --segment;
    const double fraction = offset - segment;
    unsigned piece = series.firstPiece[segment];
    const unsigned end = series.firstPiece[segment + 1];
    if (end - piece == 1) { // the common case, an uncut segment
        place.coefficients =
            series.coefficients + static_cast<long>(piece) * series.coefficientCount;
        place.x = 2.0 * fraction - 1.0;
        place.perDay = 2.0 * segmentsPerDay;
        return true;
    }
    // Cut segments are few and hold a handful of pieces: a plain scan.
    while (piece + 1 < end && series.pieceStart[piece + 1] <= fraction)
        ++piece;
    const double low = series.pieceStart[piece];
    const double high = piece + 1 < end ? series.pieceStart[piece + 1] : 1.0;
    const double span = high - low;
    place.coefficients = series.coefficients + static_cast<long>(piece) * series.coefficientCount;
    place.x = 2.0 * (fraction - low) / span - 1.0;
    place.perDay = 2.0 * segmentsPerDay / span;
    return true;
}

} // namespace starloom
