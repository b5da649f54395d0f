// The facts of a chart that the text tables would give.
#include "cli/row_reading.h"

#include "patterns/classify.h"

namespace starloom::cli {

void DescribeChart(const NatalChart &chart, ChartFacts &facts) {
    std::array<int, kBodyCount> signs{};
    for (int body = 0; body < kBodyCount; ++body) {
        facts.positions[body] = ChartPositionCharsOf(chart.Bodies[body].Longitude);
        signs[body] = facts.positions[body].sign;
    }
    facts.ascendantSign = SignOfZodiacDMS(chart.Bodies[kAscBody].Longitude);
    facts.moonSign = SignOfZodiacDMS(chart.Bodies[kMoonBody].Longitude);
    facts.patterns = ClassifySigns(signs).PatternFlags;
    PlanetLongitudes planets{};
    for (int body = 0; body < kPlanetCount; ++body)
        planets[body] = chart.Bodies[body].Longitude;
    facts.shape = ClassifyByDegrees(planets);
}

} // namespace starloom::cli
