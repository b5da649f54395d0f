// The offline atlas and the zone advice.
#include "reading/atlas.h"

#include "engine/time_scale.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

// GLib names a structure member "signals", which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
extern "C" {
#include <geonames.h>
}
#pragma pop_macro("signals")

namespace starloom {

namespace {

std::vector<AtlasPlace> LoadGeonames() {
    std::vector<AtlasPlace> places;
    const int count = geonames_get_n_cities();
    places.reserve(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) {
        GeonamesCity *city = geonames_get_city(i);
        if (city == nullptr)
            continue;
        AtlasPlace place;
        place.name = QString::fromUtf8(geonames_city_get_name(city));
        place.state = QString::fromUtf8(geonames_city_get_state(city));
        place.country = QString::fromUtf8(geonames_city_get_country(city));
        place.timeZone = QString::fromUtf8(geonames_city_get_timezone(city));
        place.latitude = geonames_city_get_latitude(city);
        place.longitude = geonames_city_get_longitude(city);
        place.population = geonames_city_get_population(city);
        geonames_city_free(city);
        places.push_back(std::move(place));
    }
    return places;
}

bool MorePopulous(const std::vector<AtlasPlace> &places, int a, int b) {
    if (places[a].population != places[b].population)
        return places[a].population > places[b].population;
    return a < b;
}

// The abbreviation inside a zone-list entry: "Central European Time,CET,+1.0" gives "CET".
QString EntryAbbreviation(const std::string &entry) {
    const QStringList parts = QString::fromStdString(entry).split(QLatin1Char(','));
    return parts.size() >= 3 ? parts[1].trimmed() : QString();
}

bool IsSeasonalEntry(const std::string &entry) {
    const QString text = QString::fromStdString(entry);
    return text.contains(QStringLiteral("Daylight")) || text.contains(QStringLiteral("Summer")) ||
           text.contains(QStringLiteral("War"));
}

} // namespace

QString AtlasPlace::label() const {
    QStringList parts = {name};
    if (!state.isEmpty())
        parts << state;
    if (!country.isEmpty())
        parts << country;
    return parts.join(QStringLiteral(", "));
}

QString FoldForSearch(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded.append(c.toCaseFolded());
    }
    return folded;
}

Atlas::Atlas(std::vector<AtlasPlace> places) : places_(std::move(places)) {
    byName_.reserve(places_.size());
    for (int i = 0; i < size(); ++i)
        byName_.emplace_back(FoldForSearch(places_[i].name), i);
    std::sort(byName_.begin(), byName_.end());
}

Atlas Atlas::readSystemAtlas() {
    return Atlas(LoadGeonames());
}

const Atlas &Atlas::shared() {
    static const Atlas atlas = readSystemAtlas();
    return atlas;
}

std::vector<int> Atlas::startingWith(const QString &prefix, int limit) const {
    const QString key = FoldForSearch(prefix);
    std::vector<int> found;
    if (key.isEmpty() || limit <= 0)
        return found;
    auto it = std::lower_bound(byName_.begin(), byName_.end(), std::make_pair(key, -1));
    for (; it != byName_.end() && it->first.startsWith(key); ++it)
        found.push_back(it->second);
    const auto byPopulation = [this](int a, int b) { return MorePopulous(places_, a, b); };
    if (static_cast<int>(found.size()) > limit) {
        std::partial_sort(found.begin(), found.begin() + limit, found.end(), byPopulation);
        found.resize(limit);
    } else {
        std::sort(found.begin(), found.end(), byPopulation);
    }
    return found;
}

std::vector<int> Atlas::named(const QString &text) const {
    const QString key = FoldForSearch(text.trimmed());
    std::vector<int> found;
    for (int i = 0; i < size(); ++i) {
        if (FoldForSearch(places_[i].name) == key || FoldForSearch(places_[i].label()) == key)
            found.push_back(i);
    }
    std::sort(found.begin(), found.end(),
              [this](int a, int b) { return MorePopulous(places_, a, b); });
    return found;
}

DegreesMinutes ToDegreesMinutes(double angle) {
    DegreesMinutes result;
    result.positive = angle >= 0;
    const long totalMinutes = std::lround(std::fabs(angle) * 60.0);
    result.degrees = static_cast<int>(totalMinutes / 60);
    result.minutes = static_cast<int>(totalMinutes % 60);
    return result;
}

QString FormatUtcOffset(int minutesEast) {
    if (minutesEast == 0)
        return QStringLiteral("UTC");
    const int magnitude = std::abs(minutesEast);
    return QStringLiteral("UTC%1%2:%3")
        .arg(minutesEast > 0 ? QLatin1Char('+') : QLatin1Char('-'))
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

ZoneAdvice AdviseZone(const QString &ianaId, QDate date, QTime time, const TimeZoneTables &zones) {
    ZoneAdvice advice;
    const QTimeZone zone(ianaId.toUtf8());
    if (!zone.isValid() || !date.isValid() || !time.isValid()) {
        advice.notice = QStringLiteral("The time zone %1 is not known on this system.").arg(ianaId);
        return advice;
    }
    advice.valid = true;

    // The local clock reading as if it were UTC; the zone's offsets a day either side tell
    // which instants can show that reading.
    const QDateTime asUtc(date, time, Qt::UTC);
    const qint64 wall = asUtc.toSecsSinceEpoch();
    const int before = zone.offsetFromUtc(asUtc.addDays(-1));
    const int after = zone.offsetFromUtc(asUtc.addDays(1));
    std::vector<qint64> instants;
    for (const int offset : {before, after}) {
        const qint64 candidate = wall - offset;
        const QDateTime at = QDateTime::fromSecsSinceEpoch(candidate, Qt::UTC);
        if (zone.offsetFromUtc(at) == offset &&
            std::find(instants.begin(), instants.end(), candidate) == instants.end())
            instants.push_back(candidate);
    }
    // A clock reading that never happened is taken as the moment just after the change.
    const QDateTime moment =
        QDateTime::fromSecsSinceEpoch(instants.empty() ? wall - before : instants.front(), Qt::UTC);
    if (instants.empty())
        advice.localTime = ZoneAdvice::LocalTime::Skipped;
    else if (instants.size() > 1)
        advice.localTime = ZoneAdvice::LocalTime::Repeated;

    advice.standardOffsetMinutes = zone.standardTimeOffset(moment) / 60;
    advice.daylightSaving = zone.isDaylightTime(moment);

    // The standard time's own abbreviation tells CET from MET and EST from CDT.
    QDateTime standardMoment = moment;
    if (advice.daylightSaving && !zone.isDaylightTime(moment.addMonths(6)))
        standardMoment = moment.addMonths(6);
    const QString abbreviation = zone.abbreviation(standardMoment);

    const int wanted = -advice.standardOffsetMinutes; // minutes to add to local time
    int fallback = -1;
    for (int position = 0; position < kZoneCount; ++position) {
        const int minutes = ParseZoneText(zones.ZoneHoursTable[position]) * 60 +
                            ParseZoneText(zones.ZoneMinutesTable[position]);
        if (minutes != wanted || IsSeasonalEntry(zones.ZoneNames[position]))
            continue;
        if (EntryAbbreviation(zones.ZoneNames[position]) == abbreviation) {
            advice.zonePosition = position;
            break;
        }
        if (fallback < 0)
            fallback = position;
    }
    if (advice.zonePosition < 0)
        advice.zonePosition = fallback;

    QStringList notes;
    if (advice.zonePosition < 0)
        notes << QStringLiteral("No zone in the list has %1, the standard time of %2 on this "
                                "date; choose the zone yourself.")
                     .arg(FormatUtcOffset(advice.standardOffsetMinutes), ianaId);
    if (advice.localTime == ZoneAdvice::LocalTime::Skipped)
        notes << QStringLiteral("The clocks skipped this time when they changed.");
    else if (advice.localTime == ZoneAdvice::LocalTime::Repeated)
        notes << QStringLiteral("This time happened twice when the clocks changed.");
    advice.notice = notes.join(QLatin1Char(' '));
    return advice;
}

} // namespace starloom
