// Second charts: transits, progressions, solar arc directions and synastry.
#include "engine/second_chart.h"

#include "engine/angles.h"
#include "engine/precise.h"
#include "engine/transits.h"

#include <cmath>

namespace starloom {

namespace {

constexpr double kAngleStepDays = 1.0 / 96.0; // a quarter of an hour: the angles' motion
constexpr double kSunMeanMotion = 0.9856474;  // degrees per day, for counting whole turns

// A difference of two angles (degrees, any turn) made whole: the value of `difference`
// plus the whole turns that bring it nearest `estimate`.
double WithTurns(double difference, double estimate) {
    return difference + 360.0 * std::round((estimate - difference) / 360.0);
}

// The change from `from` to `to` the short way round, degrees per `days`.
double PerDay(double from, double to, double days) {
    return std::remainder(to - from, 360.0) / days;
}

// The right ascension of a point of the ecliptic (latitude 0) at `longitude` for the
// obliquity `obliquity`, degrees 0..360: tan a = tan l cos e, in the longitude's quadrant.
double RightAscension(double longitude, double obliquity) {
    const double l = longitude * kDegToRad;
    return ReduceDegrees(std::atan2(std::sin(l) * std::cos(obliquity * kDegToRad), std::cos(l)) *
                         kRadToDeg);
}

double SunRightAscension(double utDays) {
    return RightAscension(PreciseLongitude(kSunBody, utDays), TrueObliquity(utDays));
}

double BirthDay(const NatalChart &natal) {
    return JulianDaysSinceJ2000(natal.UniversalTime);
}

// The sidereal angle of the progressed meridian at the progressed moment `day`: the natal one
// moved by the Sun's arc in right ascension since birth.
double ProgressedSidereal(const NatalChart &natal, double birth, double day) {
    const double arc = WithTurns(SunRightAscension(day) - SunRightAscension(birth),
                                 (day - birth) * kSunMeanMotion);
    return natal.LocalSidereal + arc;
}

void SetMoment(SecondChartKind kind, double day, SecondChart &chart) {
    chart.Kind = kind;
    chart.Day = day;
    chart.UniversalTime = NearestMinute(day);
}

} // namespace

bool TransitChartAt(double utDays, double eastLongitude, double latitude, SecondChart &chart) {
    PreciseChartValues values;
    if (!PreciseChartAt(utDays, eastLongitude, latitude, values))
        return false;
    const auto midheavenAt = [eastLongitude](double day) {
        return MidheavenFromSiderealTime(ApparentSiderealDegrees(day) + eastLongitude,
                                         TrueObliquity(day));
    };
    SecondChart result;
    SetMoment(SecondChartKind::Transits, utDays, result);
    for (int body = 0; body < kBodyCount; ++body) {
        result.Longitude[body] = values.longitude[body];
        result.DailyMotion[body] = values.dailyMotion[body];
    }
    result.Longitude[kMidheavenPoint] = midheavenAt(utDays);
    // The angles' motion from a quarter of an hour on, or before at the table's end.
    const double step =
        utDays + kAngleStepDays <= PreciseLastDay() ? kAngleStepDays : -kAngleStepDays;
    result.DailyMotion[kAscBody] = PerDay(
        result.Longitude[kAscBody], PreciseAscendant(utDays + step, eastLongitude, latitude), step);
    result.DailyMotion[kMidheavenPoint] =
        PerDay(result.Longitude[kMidheavenPoint], midheavenAt(utDays + step), step);
    result.NorthNode = TrueNodeLongitude(utDays);
    chart = result;
    return true;
}

double ProgressedDay(double birthDay, double targetDay) {
    return birthDay + (targetDay - birthDay) / kTropicalYearDays;
}

bool ProgressedChart(const NatalChart &natal, double targetDay, SecondChart &chart) {
    const double birth = BirthDay(natal);
    const double day = ProgressedDay(birth, targetDay);
    PreciseChartValues values;
    // The angles' motion is taken a quarter of an hour of progressed time away, inside the
    // table.
    const double step = day + kAngleStepDays <= PreciseLastDay() ? kAngleStepDays : -kAngleStepDays;
    if (!(birth >= PreciseFirstDay() && birth <= PreciseLastDay()) ||
        !(day + step >= PreciseFirstDay()) || !PreciseChartAt(day, 0.0, 0.0, values))
        return false;
    SecondChart result;
    SetMoment(SecondChartKind::Progressions, day, result);
    for (int body = 0; body <= kPlutoBody; ++body) {
        result.Longitude[body] = values.longitude[body];
        result.DailyMotion[body] = values.dailyMotion[body];
    }
    const auto angles = [&natal, birth](double at, double &asc, double &mc) {
        const double sidereal = ProgressedSidereal(natal, birth, at);
        mc = MidheavenFromSiderealTime(sidereal, natal.Obliquity);
        asc = AscendantFromSiderealTime(sidereal, natal.Obliquity, natal.Latitude);
        return sidereal;
    };
    const double sidereal =
        angles(day, result.Longitude[kAscBody], result.Longitude[kMidheavenPoint]);
    double ascLater = 0;
    double mcLater = 0;
    angles(day + step, ascLater, mcLater);
    result.DailyMotion[kAscBody] = PerDay(result.Longitude[kAscBody], ascLater, step);
    result.DailyMotion[kMidheavenPoint] = PerDay(result.Longitude[kMidheavenPoint], mcLater, step);
    result.NorthNode = TrueNodeLongitude(day);
    result.Arc = sidereal - natal.LocalSidereal;
    chart = result;
    return true;
}

bool SolarArcChart(const NatalChart &natal, double targetDay, SecondChart &chart) {
    const double birth = BirthDay(natal);
    const double day = ProgressedDay(birth, targetDay);
    const double sunAtBirth = PreciseLongitude(kSunBody, birth);
    const LongitudeAndRate sun = PreciseLongitudeAndRate(kSunBody, day);
    if (!std::isfinite(sunAtBirth) || !std::isfinite(sun.longitude))
        return false;
    SecondChart result;
    SetMoment(SecondChartKind::Directions, day, result);
    result.Arc = WithTurns(sun.longitude - sunAtBirth, (day - birth) * kSunMeanMotion);
    const PointTable natalPoints = AspectPointLongitudes(natal);
    for (int point = 0; point < kAspectPointCount; ++point) {
        result.Longitude[point] = ReduceDegrees(natalPoints[point] + result.Arc);
        result.DailyMotion[point] = sun.rate;
    }
    result.NorthNode = ReduceDegrees(natal.NorthNode + result.Arc);
    chart = result;
    return true;
}

SecondChart SynastryChart(const NatalChart &other) {
    SecondChart chart;
    SetMoment(SecondChartKind::Synastry, BirthDay(other), chart);
    chart.Longitude = AspectPointLongitudes(other);
    chart.DailyMotion = AspectPointMotions(other);
    chart.NorthNode = other.NorthNode;
    return chart;
}

std::vector<Aspect> CrossAspects(const NatalChart &natal, const SecondChart &second,
                                 const AspectOrbs &orbs) {
    const PointTable still{};
    PointTable longitude = second.Longitude;
    if (second.Kind == SecondChartKind::Transits)
        longitude[kAscBody] = longitude[kMidheavenPoint] = std::nan("");
    return FindCrossAspects(AspectPointLongitudes(natal),
                            second.Kind == SecondChartKind::Synastry ? AspectPointMotions(natal)
                                                                     : still,
                            longitude, second.DailyMotion, orbs);
}

} // namespace starloom
