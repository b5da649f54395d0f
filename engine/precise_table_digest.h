// The size, hash and range of engine/precise_table.bin, written with it by
// tools/positions/gen_positions.cpp (see the table's first lines). Do not edit by hand.
#pragma once

#include <cstddef>
#include <cstdint>

namespace starloom {

constexpr std::size_t kPreciseTableBytes = 15201856;
// XXH64 of the whole file, seed 0 (engine/hash64.h).
constexpr std::uint64_t kPreciseTableHash = 0x78e36fe816126510ULL;
// The range the table is made for, days of universal time from J2000.0: 1800-01-01 0h
// included up to 2200-01-01 0h excluded.
constexpr double kPreciseTableFirstDay = -73048.5;
constexpr double kPreciseTableEndDay = 73048.5;

} // namespace starloom
