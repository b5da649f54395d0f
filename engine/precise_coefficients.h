// The Chebyshev table of the precise positions: engine/precise_table.bin, written by
// tools/positions from the Swiss Ephemeris (its first lines say how to make it again) and
// built into the engine library byte for byte; engine/precise_table_digest.h, written with
// it, records its size, its hash and the range it is made for.
//
// The file's layout, every number little-endian (u32, u64: unsigned integers of 4 and 8
// bytes; f64: IEEE 754 double):
// - Text: lines of printable ASCII, each ended by a line feed, that say what the file holds
//   and how to make it again; then a NUL, and NULs up to a multiple of 64 bytes.
// - The directory, 64 bytes: the 8 characters of kPreciseTableMagic, the format number
//   (u32, kPreciseTableFormat) and the number of series (u32, kPreciseSeriesCount), the
//   first day and the end of the range the table is made for (f64, days of universal time
//   from J2000.0), zeros.
// - One record of 64 bytes per series, in PreciseSeries order: its firstDay and segmentDays
//   (f64), coefficientCount, segmentCount, pieceCount and a zero (u32), the offsets from the
//   file's start of its firstPiece (u32 x (segmentCount + 1)), pieceStart (f64 x pieceCount)
//   and coefficients (f64 x pieceCount x coefficientCount) arrays (u64), a zero (u64); see
//   ChebyshevSeries for what they mean.
// - The arrays, each at a multiple of 64 bytes, NULs between them and after the last up to
//   the end of the file, itself a multiple of 64 bytes. Each piece of eight coefficients
//   then fills one cache line of the processor.
#pragma once

#include "engine/chebyshev.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace starloom {

// The series of the table. The first ten are the chart's bodies Sun to Pluto in chart order,
// so that a chart body's index is its series' index. All in degrees, as functions of
// universal time in days from J2000.0.
enum PreciseSeries : int {
    kSunSeries = 0,
    kMoonSeries = 1,
    kMercurySeries = 2,
    kVenusSeries = 3,
    kMarsSeries = 4,
    kJupiterSeries = 5,
    kSaturnSeries = 6,
    kUranusSeries = 7,
    kNeptuneSeries = 8,
    kPlutoSeries = 9,
    kTrueNodeSeries = 10,          // longitude of the Moon's true (osculating) node
    kNutationLongitudeSeries = 11, // nutation in longitude
    kTrueObliquitySeries = 12,     // true obliquity of the ecliptic
    kMeanSiderealRestSeries = 13,  // Greenwich mean sidereal time less its linear term
};
constexpr int kPreciseSeriesCount = 14;

constexpr char kPreciseTableMagic[] = "SLPRECIS";  // the directory's first 8 bytes
constexpr std::uint32_t kPreciseTableFormat = 1;   // the layout above
constexpr std::size_t kPreciseTableAlignment = 64; // bytes: a cache line
constexpr std::size_t kPreciseDirectoryBytes = 64;
constexpr std::size_t kPreciseRecordBytes = 64;

// A table read from its bytes: the series, which point into those bytes, and the range
// the table is made for (its series reach a little beyond it on both sides).
struct PreciseTable {
    std::array<ChebyshevSeries, kPreciseSeriesCount> series{};
    double firstDay = 0.0; // days of universal time from J2000.0, included
    double endDay = 0.0;   // excluded
};

// Reads `bytes`, which must start at an address that is a multiple of 8, as a table of the
// layout above and checks everything a lookup relies on: the text, the directory, every
// array within the bytes and aligned, the segments' lengths powers of two and together
// covering the range, the pieces of each segment in order within it. An empty text when
// the table is sound (`table` then filled); otherwise what is wrong, in a few words, and
// `table` left as it was. The hash is not this function's business (CheckPreciseTable in
// engine/precise.h).
std::string ReadPreciseTable(std::span<const unsigned char> bytes, PreciseTable &table);

// The table built into the engine (engine/precise_table.bin), at an address that is a
// multiple of kPreciseTableAlignment.
std::span<const unsigned char> EmbeddedPreciseTable();

} // namespace starloom
