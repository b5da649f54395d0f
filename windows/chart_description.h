// The chart in words, for a screen reader: each body with its sign, degree and minute, its
// house and whether it moves backwards. The wheel, the positions table and the bi-wheel
// give these texts as their accessible descriptions, so that a listener hears the chart a
// sighted reader takes in from the drawing.
#pragma once

#include "engine/natal_chart.h"
#include "engine/second_chart.h"

#include <QString>

namespace starloom {

// One point: "Mercury 2° Leo 5′", the degree and minute within the sign, both truncated
// as the chart form truncates them. `point` is an aspect point (0 = Sun .. 9 = Pluto,
// 10 = the ascendant, 11 = the midheaven); a longitude that is not finite gives "".
QString DescribePointPlace(int point, double longitude);

// The whole chart in chart order, entries parted by "; ": "Sun 23° Cancer 49′, house 10;
// Mercury 2° Leo 5′, house 11, retrograde; …; Ascendant 12° Libra 3′; Midheaven …".
QString DescribeChartPositions(const NatalChart &chart);

// A second chart's points in the same words, without houses; points that do not exist
// (the ascendant at a pole) are left out.
QString DescribeSecondChartPositions(const SecondChart &chart);

} // namespace starloom
