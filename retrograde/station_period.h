// One retrograde period of a planet as the station tables store it.
#pragma once

#include <string_view>

namespace starloom {

// The two stations that bound a retrograde period, each as a row of five whole numbers in
// decimal, each followed by a comma: month, day, year, hour, minute, in Universal Time
// ("3,15,1900,13,19," is 15 March 1900, 13:19 UT).
struct StationPeriod {
    std::string_view Retrograde; // the planet stops and turns backward
    std::string_view Direct;     // the planet stops and turns forward again
};

} // namespace starloom
