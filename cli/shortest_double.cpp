// The shortest round-trip text of a double.
//
// Every double x is M * 2^E, and every real number closer to x than to its neighbours
// reads back as x: the rounding interval, half a unit of the last place either side (a
// quarter below when x is a power of two, since the doubles below it lie closer
// together). The shortest text is the decimal with the fewest fraction digits k that has a
// point inside the interval, n / 10^k; among those the nearest to x. For the angles and
// orbs of a chart (2^-10 <= |x| < 2^21) x and the interval's ends times 10^k, for every k
// that can be needed, are exact in 128-bit fixed point with 64 fraction bits, so the search
// is done exactly in integer arithmetic. Other values go to std::to_chars, which finds the same
// digits more slowly.
//
// The interval's ends are never such a point here (they hold at most one factor 2, 10^k
// at most twenty-one, and the denominator 2^(2-E) at least 2^34), so whether a reader
// would take an end back to x does not arise.
#include "cli/shortest_double.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace starloom::cli {

namespace {

using u128 = unsigned __int128;

constexpr int kExponentBias = 1075;    // x = M * 2^(biased exponent - 1075)
constexpr int kFirstFastBiased = 1013; // 2^-10
constexpr int kLastFastBiased = 1043;  // below 2^21

constexpr std::uint64_t kPowersOfTen[20] = {1ULL,
                                            10ULL,
                                            100ULL,
                                            1000ULL,
                                            10000ULL,
                                            100000ULL,
                                            1000000ULL,
                                            10000000ULL,
                                            100000000ULL,
                                            1000000000ULL,
                                            10000000000ULL,
                                            100000000000ULL,
                                            1000000000000ULL,
                                            10000000000000ULL,
                                            100000000000000ULL,
                                            1000000000000000ULL,
                                            10000000000000000ULL,
                                            100000000000000000ULL,
                                            1000000000000000000ULL,
                                            10000000000000000000ULL};

// x = 4M / 2^s with s = 54 - p for x in [2^p, 2^(p + 1)), so x * 10^k = 4M * 5^k / 2^(s - k)
// and, with the mantissa at the top of a word (M * 2^11 = 4M * 2^9), x * 10^k * 2^64 is
// M * 2^11 times 5^k * 2^(55 - s + k): an exact product of two words whose high word is
// x * 10^k's whole part and whose low word its fraction. For every exponent of the fast
// range that multiplier is a whole number below 2^64 (checked as the table is built).
struct Scale {
    std::uint64_t multiplier;
    int digits; // k, the fraction digits of seventeen significant digits
};

constexpr std::array<Scale, kLastFastBiased - kFirstFastBiased + 1> MakeScales() {
    std::array<Scale, kLastFastBiased - kFirstFastBiased + 1> scales{};
    for (int biased = kFirstFastBiased; biased <= kLastFastBiased; ++biased) {
        const int powerOfTwo = biased - 1023;
        const int powerOfTen = (powerOfTwo * 78913) >> 18; // log10(2) * p, rounded down
        const int digits = 16 - powerOfTen;
        const int shift = 2 - (biased - kExponentBias);
        std::uint64_t power = 1;
        for (int i = 0; i < digits; ++i)
            power *= 5;
        const int up = 55 - shift + digits;
        if (up < 0 || std::bit_width(power) + up > 64)
            throw "multiplier out of range";
        scales[biased - kFirstFastBiased] = {power << up, digits};
    }
    return scales;
}
constexpr auto kScales = MakeScales();

constexpr char kTwoDigits[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                              "34353637383940414243444546474849505152535455565758596061626364656667"
                              "6869707172737475767778798081828384858687888990919293949596979899";

// The eight digits of value < 10^8 at `out`, leading zeros included; the four pairs are
// worked out side by side.
void EightDigits(char *out, std::uint32_t value) {
    const std::uint32_t pairs[4] = {value / 1000000, value / 10000 % 100, value / 100 % 100,
                                    value % 100};
    for (int i = 0; i < 4; ++i)
        std::memcpy(out + 2 * i, kTwoDigits + 2 * pairs[i], 2);
}

// Writes the decimal digits of `value` (below 10^18) so that they end at `end`, and
// returns where they start.
char *DigitsBefore(char *end, std::uint64_t value) {
    char *start = end;
    while (value >= 100000000) {
        start -= 8;
        EightDigits(start, static_cast<std::uint32_t>(value % 100000000));
        value /= 100000000;
    }
    auto rest = static_cast<std::uint32_t>(value);
    while (rest >= 100) {
        start -= 2;
        std::memcpy(start, kTwoDigits + 2 * (rest % 100), 2);
        rest /= 100;
    }
    if (rest >= 10) {
        start -= 2;
        std::memcpy(start, kTwoDigits + 2 * rest, 2);
    } else {
        *--start = static_cast<char>('0' + rest);
    }
    return start;
}

#if defined(__SSE2__)
// The eight digits of value < 10^8 in the eight 16-bit lanes of a vector, first digit
// first. The value is split into two halves h below 10^4 (the quotient by 10^4 as a
// product and shift), each spread over four lanes, and every lane takes a prefix of its
// half, h's quotient by 1000, 100, 10 or 1, as two products keeping their high sixteen
// bits: 4h times 8389, 5243, 13108 or 2^15, then by 2^7, 2^11, 2^13 or 2^15, which is h
// times 8389 / 2^23, 5243 / 2^19, 13108 / 2^17 or 1, near enough to the reciprocals to be
// exact for every h below 10^4 (the factor four keeps two bits more of the first product).
// A lane's digit is its prefix less ten times the prefix one lane up. Checked against the
// word-lane version below for all 10^8 values.
[[gnu::always_inline]] inline __m128i EightDigitLanes(std::uint32_t value) {
    const __m128i whole = _mm_cvtsi32_si128(static_cast<int>(value));
    const __m128i top = _mm_srli_epi64(
        _mm_mul_epu32(whole, _mm_set1_epi32(static_cast<int>(0xD1B71759))), 45); // / 10^4
    const __m128i bottom = _mm_sub_epi32(whole, _mm_mul_epu32(top, _mm_set1_epi32(10000)));
    const __m128i halves = _mm_slli_epi64(_mm_unpacklo_epi16(top, bottom), 2);
    const __m128i twice = _mm_unpacklo_epi16(halves, halves);
    const __m128i spread = _mm_unpacklo_epi32(twice, twice);
    const __m128i scaled = _mm_mulhi_epu16(
        spread, _mm_setr_epi16(8389, 5243, 13108, -32768, 8389, 5243, 13108, -32768));
    const __m128i prefixes = _mm_mulhi_epu16(
        scaled, _mm_setr_epi16(1 << 7, 1 << 11, 1 << 13, -32768, 1 << 7, 1 << 11, 1 << 13, -32768));
    return _mm_sub_epi16(prefixes,
                         _mm_slli_epi64(_mm_mullo_epi16(prefixes, _mm_set1_epi16(10)), 16));
}

// The sixteen digits of value < 10^16 at `out`, leading zeros included: two vectors of
// eight digits packed to bytes and offset to characters in one step.
void SixteenDigits(char *out, std::uint64_t value) {
    const __m128i digits =
        _mm_packus_epi16(EightDigitLanes(static_cast<std::uint32_t>(value / 100000000)),
                         EightDigitLanes(static_cast<std::uint32_t>(value % 100000000)));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_add_epi8(digits, _mm_set1_epi8('0')));
}
#else
// The eight digits of value < 10^8 at `out`, leading zeros included, worked out in the
// lanes of one 64-bit word: two halves of four digits, then four of two, then eight of one
// (quotients by 100 and 10 as products and shifts, exact in this range), each lane's digit
// then offset to its character.
[[gnu::always_inline]] inline void EightDigitsInLanes(char *out, std::uint32_t value) {
    const std::uint64_t halves =
        (value / 10000) | (static_cast<std::uint64_t>(value % 10000) << 32);
    const std::uint64_t hundreds = ((halves * 10486) >> 20) & 0x0000007F0000007FULL;
    const std::uint64_t quarters = hundreds | ((halves - hundreds * 100) << 16);
    const std::uint64_t tens = ((quarters * 103) >> 10) & 0x000F000F000F000FULL;
    const std::uint64_t digits = (tens | ((quarters - tens * 10) << 8)) | 0x3030303030303030ULL;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &digits, 8);
    } else {
        for (int i = 0; i < 8; ++i)
            out[i] = static_cast<char>(digits >> (8 * i));
    }
}

// The sixteen digits of value < 10^16 at `out`, leading zeros included.
void SixteenDigits(char *out, std::uint64_t value) {
    EightDigitsInLanes(out, static_cast<std::uint32_t>(value / 100000000));
    EightDigitsInLanes(out + 8, static_cast<std::uint32_t>(value % 100000000));
}
#endif

// The eighteen digits of value < 10^18 at `out`, leading zeros included.
constexpr int kPaddedDigits = 18;
void EighteenDigits(char *out, std::uint64_t value) {
    const std::uint64_t top = value / 10000000000000000ULL; // below 100
    std::memcpy(out, kTwoDigits + 2 * top, 2);
    SixteenDigits(out + 2, value % 10000000000000000ULL);
}

// The number of decimal digits of 0 < value < 10^19.
int DigitCount(std::uint64_t value) {
    const int guess = (std::bit_width(value) * 1233) >> 12; // log10(2) * bits, rounded down
    return guess + 1 - static_cast<int>(value < kPowersOfTen[guess]);
}

// The decimal digits of value < 10^7 at `out`; returns their end. Below 1000 (the degrees
// of every angle and orb) the leading digit and the pair after it are set out in the bytes
// of one word, moved down past the leading zeros and stored at once, so that no branch
// asks how many digits there are.
inline char *WriteWhole(char *out, std::uint64_t value) {
    if (value >= 1000 || std::endian::native != std::endian::little) [[unlikely]] {
        const int count = value == 0 ? 1 : DigitCount(value);
        DigitsBefore(out + count, value);
        return out + count;
    }
    const auto v = static_cast<std::uint32_t>(value);
    const int count = 1 + static_cast<int>(v >= 10) + static_cast<int>(v >= 100);
    const std::uint32_t hundreds = v / 100;
    std::uint16_t pair = 0;
    std::memcpy(&pair, kTwoDigits + 2 * (v - 100 * hundreds), 2);
    const std::uint32_t digits = (('0' + hundreds) | static_cast<std::uint32_t>(pair) << 8);
    const std::uint32_t shown = digits >> (8 * (3 - count));
    std::memcpy(out, &shown, 4);
    return out + count;
}

// std::to_chars, with ".0" after a whole number.
char *WriteByLibrary(char *out, double value) {
    char *const start = out;
    out = std::to_chars(out, out + kShortestDoubleBytes, value).ptr;
    for (const char *c = start; c < out; ++c) {
        if (*c == '.' || *c == 'e')
            return out;
    }
    *out++ = '.';
    *out++ = '0';
    return out;
}

} // namespace

char *WriteShortestDouble(char *out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased < kFirstFastBiased || biased > kLastFastBiased)
        return WriteByLibrary(out, value);
    if (bits >> 63)
        *out++ = '-';
    const double x = std::fabs(value);
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    const std::uint64_t mantissa = fraction | (1ULL << 52);
    const int shift = 2 - (biased - kExponentBias); // 34 .. 64: x = 4M / 2^shift

    // A whole number (a cusp of whole-sign houses) is its digits.
    if (shift <= 54 && (mantissa & ((1ULL << (shift - 2)) - 1)) == 0) {
        out = WriteWhole(out, mantissa >> (shift - 2));
        *out++ = '.';
        *out++ = '0';
        return out;
    }

    // x * 10^k, k giving x seventeen significant digits (eighteen when the estimate of x's
    // power of ten from its power of two comes out one low), is the product of the
    // mantissa at the top of a word and the exponent's multiplier, the point between the
    // product's words (see kScales). The interval's ends, 4M - 2 (4M - 1 below a power of
    // two) and 4M + 2 in units of 2^(E - 2), are 2^10 (2^9) units of the top-aligned
    // mantissa away, so the same multiplier moves them: their products lie that many
    // multipliers below and above x's.
    const Scale &scale = kScales[biased - kFirstFastBiased];
    const u128 exact = static_cast<u128>(mantissa << 11) * scale.multiplier;
    const u128 above = static_cast<u128>(scale.multiplier) << 10;
    const u128 below = fraction == 0 ? above >> 1 : above;
    auto first = static_cast<std::uint64_t>((exact - below) >> 64) + 1;
    auto last = static_cast<std::uint64_t>((exact + above) >> 64);

    // Digits are taken off the end for as long as a point of the interval still ends
    // there.
    int k = scale.digits;
    while (k > 0) {
        const std::uint64_t shorterFirst = (first + 9) / 10;
        const std::uint64_t shorterLast = last / 10;
        if (shorterFirst > shorterLast)
            break;
        first = shorterFirst;
        last = shorterLast;
        --k;
    }

    // The point nearest to x, a tie to the even one, kept inside the interval. The
    // interval is 2^E wide, times 10^k below 10^17 / 2^52 < 23 units of the last digit of
    // seventeen: with two digits or more taken off it holds at most one point, the one
    // found. With none taken off, x * 10^k is the product's high word `units` and a
    // fraction `rest` / 2^64 in its low word; with one, x * 10^k is a tenth of that: the
    // units without their last digit `dropped`, and above a half past them when that digit
    // is above 5, or 5 with anything after it.
    std::uint64_t n = first;
    if (first != last) {
        const auto units = static_cast<std::uint64_t>(exact >> 64);
        const auto rest = static_cast<std::uint64_t>(exact);
        constexpr std::uint64_t kHalf = 1ULL << 63;
        if (k == scale.digits) {
            n = units +
                static_cast<std::uint64_t>(rest > kHalf || (rest == kHalf && (units & 1) != 0));
        } else {
            const std::uint64_t kept = units / 10;
            const std::uint64_t dropped = units - 10 * kept;
            n = kept + static_cast<std::uint64_t>(dropped > 5 ||
                                                  (dropped == 5 && (rest != 0 || (kept & 1) != 0)));
        }
        n = n < first ? first : n > last ? last : n;
    }

    // n / 10^k in fixed notation: the whole part, the point, then k fraction digits (a 0
    // when k is 0).
    //
    // The whole part is x's own, cut off: for k > 0, n / 10^k is no whole number and no
    // whole number lies between it and x. Either would be a point of the interval with
    // no fraction digits at all; points with fewer digits are also points with more
    // (m = 10m / 10), so the search above would have gone on down to k = 0. (x itself
    // whole took the way above.) For k = 0 the whole part is n.
    const std::uint64_t whole = k == 0 ? n : static_cast<std::uint64_t>(x);
    out = WriteWhole(out, whole);
    *out++ = '.';
    if (k == 0) {
        *out++ = '0';
        return out;
    }
    // The fraction n - whole * 10^k, zero-padded to k digits: scaled to sixteen digits (k
    // is at most 16 from 1 up), its digits first and zeros after them, of which the text
    // keeps the first k. Below 1 (k up to 20), the zeros past the eighteenth digit first,
    // then the fraction scaled to eighteen digits. Within kShortestDoubleBytes: a sign, at
    // most seven whole digits (x < 2^21) or "0", the point and four zeros, and eighteen
    // digits.
    constexpr int kWholeFractionDigits = 16;
    if (whole != 0) {
        SixteenDigits(out, (n - whole * kPowersOfTen[k]) * kPowersOfTen[kWholeFractionDigits - k]);
        return out + k;
    }
    const std::uint64_t fractionDigits = n;
    const int padded = k < kPaddedDigits ? k : kPaddedDigits;
    std::memcpy(out, "0000", 4);
    out += k - padded;
    EighteenDigits(out, fractionDigits * kPowersOfTen[kPaddedDigits - padded]);
    return out + padded;
}

} // namespace starloom::cli
