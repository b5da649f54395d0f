// The retrograde lookup. The station rows are the data; at compile time every row is read
// into a count of days, so that a lookup is a binary search over whole numbers instead of a
// scan that reads texts, with the same answer.
#include "retrograde/retrograde.h"

#include "engine/civil_days.h"
#include "retrograde/station_period.h"
#include "retrograde/station_tables.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>
#include <stdexcept>

namespace starloom {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440; // minutes per day

// Minutes from 1970-01-01 0h of a station row "month,day,year,hour,minute,". The rows are
// read only while compiling, so a malformed row or an impossible date or time stops the
// build here.
constexpr std::int64_t MinutesOfRow(std::string_view row) {
    std::int64_t fields[5] = {};
    std::size_t field = 0;
    bool digits = false;
    for (const char c : row) {
        if (c >= '0' && c <= '9' && field < 5) {
            fields[field] = fields[field] * 10 + (c - '0');
            digits = true;
        } else if (c == ',' && digits) {
            ++field;
            digits = false;
        } else {
            throw std::invalid_argument("station row: not five numbers each followed by a comma");
        }
    }
    const auto [month, day, year, hour, minute] = fields;
    if (field != 5 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59)
        throw std::invalid_argument("station row: no such date or time");
    return DaysFromCivil(year, month, day) * kMinutesPerDay + hour * 60 + minute;
}

constexpr std::int64_t DayOfMinutes(std::int64_t minutes) {
    return minutes >= 0 ? minutes / kMinutesPerDay : -((-minutes - 1) / kMinutesPerDay) - 1;
}

// The calendar dates of a period's two stations, in days from 1970-01-01.
struct StationDays {
    std::int32_t Retrograde;
    std::int32_t Direct;
};

// Reads every row of a table and checks, while compiling, what the lookup relies on: each
// period starts before it ends and ends before the next one starts.
template <std::size_t N>
constexpr std::array<StationDays, N> DaysOf(const std::array<StationPeriod, N> &periods) {
    std::array<StationDays, N> days{};
    std::int64_t previousDirect = std::numeric_limits<std::int64_t>::min();
    for (std::size_t r = 0; r < N; ++r) {
        const std::int64_t retrograde = MinutesOfRow(periods[r].Retrograde);
        const std::int64_t direct = MinutesOfRow(periods[r].Direct);
        if (!(previousDirect < retrograde && retrograde < direct))
            throw std::invalid_argument("station table: rows out of time order");
        previousDirect = direct;
        days[r] = {std::int32_t(DayOfMinutes(retrograde)), std::int32_t(DayOfMinutes(direct))};
    }
    return days;
}

constexpr auto kMercuryDays = DaysOf(stations::kMercuryStations);
constexpr auto kVenusDays = DaysOf(stations::kVenusStations);
constexpr auto kMarsDays = DaysOf(stations::kMarsStations);
constexpr auto kJupiterDays = DaysOf(stations::kJupiterStations);
constexpr auto kSaturnDays = DaysOf(stations::kSaturnStations);
constexpr auto kUranusDays = DaysOf(stations::kUranusStations);
constexpr auto kNeptuneDays = DaysOf(stations::kNeptuneStations);
constexpr auto kPlutoDays = DaysOf(stations::kPlutoStations);

struct PlanetTable {
    std::span<const StationDays> Days;
};

// In the order of kRetroPlanetNames.
constexpr std::array<PlanetTable, kRetroPlanetCount> kTables = {{
    {kMercuryDays},
    {kVenusDays},
    {kMarsDays},
    {kJupiterDays},
    {kSaturnDays},
    {kUranusDays},
    {kNeptuneDays},
    {kPlutoDays},
}};

const PlanetTable *TableOf(std::string_view planet) {
    for (std::size_t p = 0; p < kRetroPlanetNames.size(); ++p) {
        if (kRetroPlanetNames[p] == planet)
            return &kTables[p];
    }
    return nullptr;
}

// Days from 1970-01-01 of a moment's date. Months outside 1..12 carry into the year, as
// days beyond a month's end carry into the next month.
std::int64_t DayOfMoment(const CivilDateTime &moment) {
    const std::int64_t monthsFromYearZero = std::int64_t(moment.year) * 12 + (moment.month - 1);
    const std::int64_t year =
        monthsFromYearZero >= 0 ? monthsFromYearZero / 12 : -((-monthsFromYearZero - 1) / 12) - 1;
    return DaysFromCivil(year, monthsFromYearZero - year * 12 + 1, moment.day);
}

} // namespace

bool IsRetrograde(const CivilDateTime &moment, std::string_view planet) {
    const PlanetTable *table = TableOf(planet);
    if (table == nullptr)
        return false;
    const std::int64_t day = DayOfMoment(moment);
    // Only the last period that turned retrograde before this day can hold it: every
    // earlier period ended on or before the date on which that one began. It is found by
    // halving the periods that can be it, the half taken by a selection rather than a
    // branch (which way a date goes cannot be foreseen): `base` starts the n periods the
    // first that began on or after the day is among, or is just past.
    const StationDays *base = table->Days.data();
    std::size_t n = table->Days.size();
    if (n == 0)
        return false;
    while (n > 1) {
        const std::size_t half = n / 2;
        base = base[half].Retrograde < day ? base + half : base;
        n -= half;
    }
    const StationDays *later = base + (base->Retrograde < day ? 1 : 0);
    return later != table->Days.data() && day < later[-1].Direct;
}

namespace {

// The plain names, with the mark appended to each planet flagged retrograde.
void MarkBodyNames(const RetrogradeState &state, BodyNameTable &BodyNames) {
    FillBodyNames(BodyNames);
    for (int p = 0; p < kRetroPlanetCount; ++p) {
        if (state.RetroFlags[p])
            BodyNames[p + kFirstPlanetBody] += kRetrogradeMark;
    }
}

} // namespace

void MarkRetrogradePlanets(const BirthData &birth, RetrogradeState &state,
                           BodyNameTable &BodyNames) {
    const CivilDateTime birthMoment{birth.BirthYear, birth.BirthMonth, birth.BirthDay,
                                    birth.BirthHour, birth.BirthMinute};
    for (int p = 0; p < kRetroPlanetCount; ++p)
        state.RetroFlags[p] = IsRetrograde(birthMoment, kRetroPlanetNames[p]);
    MarkBodyNames(state, BodyNames);
}

void MarkRetrogradeFromMotion(const PointTable &dailyMotion, RetrogradeState &state,
                              BodyNameTable &BodyNames) {
    for (int p = 0; p < kRetroPlanetCount; ++p)
        state.RetroFlags[p] = dailyMotion[p + kFirstPlanetBody] < 0.0;
    MarkBodyNames(state, BodyNames);
}

void MarkRetrogradeFromChart(const NatalChart &chart, RetrogradeState &state,
                             BodyNameTable &BodyNames) {
    for (int p = 0; p < kRetroPlanetCount; ++p)
        state.RetroFlags[p] = IsRetrogradePlanet(chart, p);
    MarkBodyNames(state, BodyNames);
}

} // namespace starloom
