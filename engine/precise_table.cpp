// Reading and checking the table of the precise positions (layout in
// engine/precise_coefficients.h).
#include "engine/hash64.h"
#include "engine/precise.h"
#include "engine/precise_coefficients.h"
#include "engine/precise_table_digest.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace starloom {

// The series point straight into the table's bytes, so that a lookup reads the file's
// numbers where they lie: that needs the file's byte order and sizes.
static_assert(std::endian::native == std::endian::little,
              "the table's numbers are read in place: a little-endian processor is needed");
static_assert(sizeof(unsigned) == 4 && sizeof(double) == 8);

namespace {

// How far beyond its range every series must reach, days: a chart's angles are differenced
// a quarter of an hour on, and the range's last instant then still finds its piece.
constexpr double kReachBeyondRange = 1.0;
// Bounds that keep the counts far from overflowing an int or an offset.
constexpr std::uint32_t kMostCoefficients = 64;
constexpr std::uint32_t kMostPieces = 1u << 28;

std::uint32_t U32(const unsigned char *p) {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

std::uint64_t U64(const unsigned char *p) {
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

double F64(const unsigned char *p) {
    return std::bit_cast<double>(U64(p));
}

// A length of 2^k days, so that 1 / length is exact and segments of all series share joins.
bool IsPowerOfTwo(double days) {
    int exponent = 0;
    return days > 0.0 && std::isfinite(days) && std::frexp(days, &exponent) == 0.5;
}

// True when `count` items of `size` bytes from `offset` lie within `total` bytes, the
// offset a multiple of the table's alignment.
bool ArrayFits(std::uint64_t offset, std::uint64_t count, std::uint64_t size, std::uint64_t total) {
    return offset % kPreciseTableAlignment == 0 && offset <= total &&
           count <= (total - offset) / size;
}

// Checks one series' record and arrays; an empty text when they are sound.
std::string ReadSeries(std::span<const unsigned char> bytes, const unsigned char *record,
                       double firstDay, double endDay, ChebyshevSeries &series) {
    const double start = F64(record);
    const double segmentDays = F64(record + 8);
    const std::uint32_t coefficients = U32(record + 16);
    const std::uint32_t segments = U32(record + 20);
    const std::uint32_t pieces = U32(record + 24);
    if (!IsPowerOfTwo(segmentDays))
        return "its segments' length is not a power of two";
    if (coefficients < 1 || coefficients > kMostCoefficients)
        return "its pieces' number of coefficients is out of bounds";
    if (segments < 1 || segments > pieces || pieces > kMostPieces)
        return "its numbers of segments and pieces are out of bounds";
    if (!(start <= firstDay - kReachBeyondRange &&
          start + segmentDays * segments >= endDay + kReachBeyondRange))
        return "it does not cover the range";
    const std::uint64_t firstPieceAt = U64(record + 32);
    const std::uint64_t pieceStartAt = U64(record + 40);
    const std::uint64_t coefficientsAt = U64(record + 48);
    if (!ArrayFits(firstPieceAt, segments + 1ull, 4, bytes.size()) ||
        !ArrayFits(pieceStartAt, pieces, 8, bytes.size()) ||
        !ArrayFits(coefficientsAt, std::uint64_t{pieces} * coefficients, 8, bytes.size()))
        return "an array lies outside the file or off its alignment";
    const auto *firstPiece = reinterpret_cast<const unsigned *>(bytes.data() + firstPieceAt);
    const auto *pieceStart = reinterpret_cast<const double *>(bytes.data() + pieceStartAt);
    // Each segment has its pieces in order, the first at its start, the others inside it.
    if (firstPiece[0] != 0 || firstPiece[segments] != pieces)
        return "its pieces do not add up";
    for (std::uint32_t s = 0; s < segments; ++s) {
        const unsigned from = firstPiece[s];
        const unsigned to = firstPiece[s + 1];
        if (!(from < to && to <= pieces))
            return "a segment has no piece";
        if (pieceStart[from] != 0.0)
            return "a segment's first piece does not start with it";
        for (unsigned p = from + 1; p < to; ++p) {
            if (!(pieceStart[p] > pieceStart[p - 1] && pieceStart[p] < 1.0))
                return "a segment's pieces are out of order";
        }
    }
    series = {start,
              segmentDays,
              static_cast<int>(coefficients),
              static_cast<int>(segments),
              firstPiece,
              pieceStart,
              reinterpret_cast<const double *>(bytes.data() + coefficientsAt)};
    return {};
}

} // namespace

std::string ReadPreciseTable(std::span<const unsigned char> bytes, PreciseTable &table) {
    if (reinterpret_cast<std::uintptr_t>(bytes.data()) % alignof(double) != 0)
        return "it lies at an address that is not a multiple of 8";
    if (bytes.size() % kPreciseTableAlignment != 0)
        return "its size is not a multiple of 64 bytes";
    // The text: printable lines, closed by a NUL, NULs up to the directory.
    std::size_t textEnd = 0;
    for (; textEnd < bytes.size() && bytes[textEnd] != 0; ++textEnd) {
        const unsigned char c = bytes[textEnd];
        if (c != '\n' && (c < 0x20 || c > 0x7e))
            return "its text holds a byte that is not printable";
    }
    if (textEnd == 0 || textEnd == bytes.size() || bytes[textEnd - 1] != '\n')
        return "its text is not closed";
    const std::size_t directory = (textEnd / kPreciseTableAlignment + 1) * kPreciseTableAlignment;
    const std::size_t records = directory + kPreciseDirectoryBytes;
    if (records + kPreciseSeriesCount * kPreciseRecordBytes > bytes.size())
        return "it ends inside its directory";
    for (std::size_t i = textEnd; i < directory; ++i) {
        if (bytes[i] != 0)
            return "its text is not closed";
    }
    const unsigned char *d = bytes.data() + directory;
    if (std::memcmp(d, kPreciseTableMagic, 8) != 0)
        return "its directory is missing";
    if (U32(d + 8) != kPreciseTableFormat)
        return "it is of format " + std::to_string(U32(d + 8)) + ", not " +
               std::to_string(kPreciseTableFormat);
    if (U32(d + 12) != kPreciseSeriesCount)
        return "it holds " + std::to_string(U32(d + 12)) + " series, not " +
               std::to_string(kPreciseSeriesCount);
    PreciseTable read;
    read.firstDay = F64(d + 16);
    read.endDay = F64(d + 24);
    if (!(std::isfinite(read.firstDay) && std::isfinite(read.endDay) &&
          read.firstDay < read.endDay))
        return "its range is empty";
    for (int i = 0; i < kPreciseSeriesCount; ++i) {
        const std::string problem =
            ReadSeries(bytes, bytes.data() + records + i * kPreciseRecordBytes, read.firstDay,
                       read.endDay, read.series[i]);
        if (!problem.empty())
            return "series " + std::to_string(i) + ": " + problem;
    }
    table = read;
    return {};
}

PreciseTableCheck CheckPreciseTable(std::span<const unsigned char> bytes) {
    if (bytes.size() != kPreciseTableBytes)
        return {false, "it has " + std::to_string(bytes.size()) + " bytes, not " +
                           std::to_string(kPreciseTableBytes)};
    const std::uint64_t hash = Hash64(bytes.data(), bytes.size());
    if (hash != kPreciseTableHash) {
        char text[80];
        std::snprintf(text, sizeof text, "its hash is %016llx, not %016llx",
                      static_cast<unsigned long long>(hash),
                      static_cast<unsigned long long>(kPreciseTableHash));
        return {false, text};
    }
    PreciseTable table;
    std::string problem = ReadPreciseTable(bytes, table);
    if (problem.empty() &&
        (table.firstDay != kPreciseTableFirstDay || table.endDay != kPreciseTableEndDay))
        problem = "its range is not the one the program was built for";
    return {problem.empty(), problem};
}

} // namespace starloom
