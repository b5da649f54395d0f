// Placeholder until the generator runs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace starloom {

constexpr std::size_t kPreciseTableBytes = 0;
constexpr std::uint64_t kPreciseTableHash = 0;
constexpr double kPreciseTableFirstDay = -73048.5;
constexpr double kPreciseTableEndDay = 73048.5;

} // namespace starloom
