// Second charts laid over a natal chart, as numbers: the sky at another moment (transits),
// the secondary progressions, the solar arc directions and a second person's natal chart
// (synastry), with the aspects between their points and the natal points.
//
// Transiting and progressed positions always come from the precise table (they are about
// dates the standard formulas were never meant for); the natal chart keeps the method it was
// computed with. A moment outside the table is refused.
#pragma once

#include "engine/aspects.h"
#include "engine/natal_chart.h"
#include "engine/time_scale.h"

#include <vector>

namespace starloom {

enum class SecondChartKind { Transits, Progressions, Directions, Synastry };

// The orbs of transits, progressions and directions: one degree for every kind and none
// extra for the Sun and the Moon. These charts move, and what counts is an aspect close to
// its exact moment. Synastry takes the natal orbs.
constexpr AspectOrbs kMovingChartOrbs = {{1.0, 1.0, 1.0, 1.0, 1.0}, 0.0};

// The length of a year of life in secondary progressions: the tropical year, from one
// return of the Sun to its natal longitude to the next, days.
constexpr double kTropicalYearDays = 365.242190;

struct SecondChart {
    SecondChartKind Kind = SecondChartKind::Transits;
    // The moment the positions are of, universal time in days from J2000.0: the transit's
    // moment, the progressed moment (one day after birth for each year of life; directions
    // take their arc from it) or the second person's birth. UniversalTime is the same to
    // the nearest minute.
    double Day = 0;
    CivilDateTime UniversalTime;
    // The aspect points, Sun .. Pluto, Asc, MC (kAspectPointNames): tropical longitudes of
    // date in degrees 0..360 (NaN where a point does not exist, as the ascendant at a pole),
    // and their motions in degrees per day, of progressed time for progressions and
    // directions (negative: retrograde).
    PointTable Longitude{};
    PointTable DailyMotion{};
    double NorthNode = 0; // the Moon's true node (synastry: the second chart's node), degrees
    // Directions: the solar arc every point has moved, degrees (negative before birth).
    // Progressions: the arc in right ascension the progressed midheaven has moved. Else 0.
    double Arc = 0;
};

// The sky at a moment (universal time, days from J2000.0) for a place (degrees, east and
// north positive, |latitude| < 90): the ten bodies with their motions, and the ascendant and
// midheaven of the place. False, with `chart` untouched, outside the precise table.
bool TransitChartAt(double utDays, double eastLongitude, double latitude, SecondChart &chart);

// The progressed moment for a date: the birth (days from J2000.0) plus one day for each
// tropical year from the birth to the date, negative before birth.
double ProgressedDay(double birthDay, double targetDay);

// The secondary progressions of a natal chart to a date (universal time, days from
// J2000.0): the bodies at the progressed moment with their motions per progressed day. The
// progressed midheaven moves by the solar arc in right ascension: the natal sidereal angle
// (RAMC) grows by the arc the Sun has moved in right ascension since birth, and the
// midheaven and ascendant follow from that angle with the natal obliquity and latitude. The
// midheaven is the meridian's point, and the meridian turns with right ascension, not with
// longitude; the Sun's arc in longitude added to the natal midheaven would give a point
// that is not on the progressed meridian, and an ascendant that does not fit it. At the
// birth itself the arc is 0 and the angles are the natal ones. False, with `chart`
// untouched, when the progressed moment (or the birth) lies outside the precise table.
bool ProgressedChart(const NatalChart &natal, double targetDay, SecondChart &chart);

// The solar arc directions of a natal chart to a date: every natal point moved forwards by
// the solar arc, the progressed Sun's longitude less the Sun's at birth (both from the
// precise table, so that the arc is 0 at birth), whole turns counted. Every point moves at
// the progressed Sun's rate. False, with `chart` untouched, outside the precise table.
bool SolarArcChart(const NatalChart &natal, double targetDay, SecondChart &chart);

// A second person's natal chart as a second chart over the first.
SecondChart SynastryChart(const NatalChart &other);

// The aspects of a second chart to a natal chart, A a natal point and B a point of the
// second chart (FindCrossAspects). The natal chart stands still for transits, progressions
// and directions, and moves as at birth in synastry. A transit chart's ascendant and
// midheaven, which sweep the whole zodiac in a day, make none.
std::vector<Aspect> CrossAspects(const NatalChart &natal, const SecondChart &second,
                                 const AspectOrbs &orbs);

} // namespace starloom
