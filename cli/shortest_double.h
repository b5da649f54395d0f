// Doubles as the shortest decimal text that reads back as the same double.
#pragma once

#include <cstddef>

namespace starloom::cli {

// Room a number's text needs at most.
inline constexpr std::size_t kShortestDoubleBytes = 32;

// Writes the finite `value` at `out` as the fewest significant digits that any correct
// reader turns back into exactly `value` (of several such, the nearest to it, ties to the
// even one), with a decimal point or an exponent, so that it reads as a floating-point
// number: "212.57984332203046", "30.0", "-0.0", "1e-05". Returns the end of the text.
char *WriteShortestDouble(char *out, double value);

} // namespace starloom::cli
