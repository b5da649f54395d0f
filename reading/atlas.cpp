// The offline atlas and the zone advice.
#include "reading/atlas.h"

#include "engine/time_scale.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <optional>

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
        place.countryCode = QString::fromUtf8(geonames_city_get_country_code(city));
        geonames_city_free(city);
        places.push_back(std::move(place));
    }
    return places;
}

constexpr double kEarthRadiusKm = 6371.0; // mean radius
// A zone's main city and a city of the list of the same name are one place within this.
constexpr double kSameCityKm = 100.0;
// A city of the list in the same zone this near a zone's main city is that city under
// another name ("New York City" for New York).
constexpr double kNearbyKm = 30.0;

// Zone cities that were renamed, each by the link that keeps its former name and the zone
// named after it now, from the time-zone database's file of backward links. Not every link
// is a former name: many join zones that merely keep the same clocks (America/Montreal to
// Toronto, Asia/Chongqing to Shanghai), so only the renamings are listed.
struct FormerName {
    const char *link;
    const char *zone;
};
constexpr FormerName kFormerNames[] = {
    {"Africa/Asmera", "Africa/Asmara"},
    {"America/Godthab", "America/Nuuk"},
    {"Asia/Ashkhabad", "Asia/Ashgabat"},
    {"Asia/Calcutta", "Asia/Kolkata"},
    {"Asia/Dacca", "Asia/Dhaka"},
    {"Asia/Katmandu", "Asia/Kathmandu"},
    {"Asia/Macao", "Asia/Macau"},
    {"Asia/Rangoon", "Asia/Yangon"},
    {"Asia/Saigon", "Asia/Ho_Chi_Minh"},
    {"Asia/Thimbu", "Asia/Thimphu"},
    {"Asia/Ujung_Pandang", "Asia/Makassar"},
    {"Asia/Ulan_Bator", "Asia/Ulaanbaatar"},
    {"Atlantic/Faeroe", "Atlantic/Faroe"},
    {"Europe/Kiev", "Europe/Kyiv"},
    {"Pacific/Ponape", "Pacific/Pohnpei"},
    {"Pacific/Truk", "Pacific/Chuuk"},
};

// Great-circle distance by the haversine formula (R. W. Sinnott, "Virtues of the
// Haversine", Sky and Telescope 68, 1984).
double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadiansPerDegree = 0.0174532925199433;
    const double dLat = (lat2 - lat1) * kRadiansPerDegree;
    const double dLon = (lon2 - lon1) * kRadiansPerDegree;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * kRadiansPerDegree) * std::cos(lat2 * kRadiansPerDegree) *
                         std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, a)));
}

// One coordinate of ISO 6709 as the zone tables write it: a sign, then degrees of
// `degreeDigits` digits, minutes and, optionally, seconds.
std::optional<double> ParseIso6709(QStringView text, int degreeDigits) {
    const int length = static_cast<int>(text.size());
    if ((length != 1 + degreeDigits + 2 && length != 1 + degreeDigits + 4) ||
        (text[0] != QLatin1Char('+') && text[0] != QLatin1Char('-')))
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        if (!text[i].isDigit())
            return std::nullopt;
    }
    const double degrees = text.mid(1, degreeDigits).toInt();
    const double minutes = text.mid(1 + degreeDigits, 2).toInt();
    const double seconds =
        length > 1 + degreeDigits + 2 ? text.mid(3 + degreeDigits, 2).toInt() : 0;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return text[0] == QLatin1Char('-') ? -value : value;
}

// The folder of the time-zone database's files, as the C library finds it.
QString ZoneInfoFolder() {
    const QString folder = qEnvironmentVariable("TZDIR");
    return folder.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : folder;
}

QByteArray ReadZoneInfoFile(const QString &name) {
    QFile file(ZoneInfoFolder() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool MorePopulous(const std::vector<AtlasPlace> &places, int a, int b) {
    if (places[a].population != places[b].population)
        return places[a].population > places[b].population;
    return a < b;
}

// What the advice needs of each zone-list entry, worked out once.
struct EntryFacts {
    QString name;         // "Central European Time"
    QString abbreviation; // "CET"
    int offsetMinutes;    // east positive, without the tick
    bool seasonal;        // a summer, daylight or war time itself
};

const std::vector<EntryFacts> &Entries() {
    static const std::vector<EntryFacts> entries = [] {
        std::vector<EntryFacts> facts;
        for (const ZoneEntry &entry : kZoneEntries) {
            const QStringList parts =
                QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size()))
                    .split(QLatin1Char(','));
            const QString name = parts.value(0).trimmed();
            const int correction = ParseZoneText(entry.hours).value_or(0) * 60 +
                                   ParseZoneText(entry.minutes).value_or(0);
            facts.push_back({name, parts.value(1).trimmed(), -correction,
                             name.contains(QStringLiteral("Daylight")) ||
                                 name.contains(QStringLiteral("summer"), Qt::CaseInsensitive) ||
                                 name.contains(QStringLiteral("War"))});
        }
        return facts;
    }();
    return entries;
}

// The names the zone list gives its entries, for the translators: a person reads each in the
// program's language (ZoneEntryWord), while machine output keeps the table's own English name.
[[maybe_unused]] constexpr const char *kZoneWords[] = {
    QT_TRANSLATE_NOOP("ZoneNames", "Alaska/Hawaii Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Alaska/Hawaii Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Alaska/Hawaii War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Atlantic Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Atlantic War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Central Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Central Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Eastern Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Western Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Australian Western Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Azores Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Baghdad Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bering Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Brazil Zone 2"),
    QT_TRANSLATE_NOOP("ZoneNames", "British Double Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "British Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "British War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central European Daylight"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central European Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "China Coast Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Eastern European Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Eastern European Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Eastern Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Eastern War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Greenwich Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Guam Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Hawaiian Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Hawaiian Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Hawaiian War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Indian Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Int'l Date Line East"),
    QT_TRANSLATE_NOOP("ZoneNames", "Int'l Date Line West"),
    QT_TRANSLATE_NOOP("ZoneNames", "Iran Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Japan Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Java Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Middle European Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Middle European Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moluccas Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Mountain Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Mountain Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Mountain War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "New Zealand Std Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "New Zealand Std Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "New Zealand Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "New Zealand Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Newfoundland Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Nome Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "North Sumatra Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Pacific Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Pacific Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Pacific War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "South Australia Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "South Australia Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "South Sumatra Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Universal Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "USSR Zone 10"),
    QT_TRANSLATE_NOOP("ZoneNames", "USSR Zone 3"),
    QT_TRANSLATE_NOOP("ZoneNames", "USSR Zone 4"),
    QT_TRANSLATE_NOOP("ZoneNames", "USSR Zone 5"),
    QT_TRANSLATE_NOOP("ZoneNames", "USSR Zone 6"),
    QT_TRANSLATE_NOOP("ZoneNames", "West Africa Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Yukon Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Yukon Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Yukon War Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Addis Ababa Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Afghanistan Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Amsterdam Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Asuncion Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Athens Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Baghdad Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bangkok Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Batavia Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bathurst Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Belize Half Hour Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bermuda Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bermuda Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bogota Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bolivia Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Bucharest Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Caracas Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Central European Midsummer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Chatham Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Chatham Standard Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Chisinau Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Colon Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Cordoba Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Dublin Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "East Africa Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "East Africa Time (+2:30)"),
    QT_TRANSLATE_NOOP("ZoneNames", "East Africa Time (+2:45)"),
    QT_TRANSLATE_NOOP("ZoneNames", "Fort-de-France Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Freetown Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Funchal Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Guyana Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Havana Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Helsinki Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Horta Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Howrah Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Irish Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Irkutsk Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Istanbul Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Jamestown Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Jerusalem Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Kaunas Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Kingston Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Kingstown Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Kyiv Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "La Paz Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Latvian Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Line Islands Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Local Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Madras Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Makassar Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Malaya Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Male Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Managua Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Marquesas Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Minsk Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Monrovia Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Monrovia Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moratuwa Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moscow Double Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moscow Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moscow Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Moscow Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Nepal Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Netherlands Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Newfoundland Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Newfoundland Daylight Time (until 1935)"),
    QT_TRANSLATE_NOOP("ZoneNames", "Newfoundland Double Daylight Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Newfoundland Standard Time (until 1935)"),
    QT_TRANSLATE_NOOP("ZoneNames", "Nigeria and Gold Coast Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "North Borneo Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Paramaribo Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Paris Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Perm Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Pontianak Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Port-au-Prince Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Quito Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Rangoon Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Riga Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Samoa Standard Time (until 1950)"),
    QT_TRANSLATE_NOOP("ZoneNames", "San Jose Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Santiago Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Santo Domingo Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Sierra Leone Summer Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Simferopol Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Singapore Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "South Africa Time (until 1903)"),
    QT_TRANSLATE_NOOP("ZoneNames", "Tallinn Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Tbilisi Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Tehran Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Tonga Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Tonga Time (until 1941)"),
    QT_TRANSLATE_NOOP("ZoneNames", "Venezuela Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Warsaw Mean Time"),
    QT_TRANSLATE_NOOP("ZoneNames", "Western Central Australia Time"),
};

int RoundedMinutes(int seconds) {
    return static_cast<int>(std::lround(seconds / 60.0));
}

QString ClockText(const QDateTime &at) {
    return at.time().toString(QStringLiteral("HH:mm"));
}

} // namespace

QString ZoneTableEntry::cityName() const {
    QString city = zoneId.section(QLatin1Char('/'), -1);
    city.replace(QLatin1Char('_'), QLatin1Char(' '));
    return city;
}

std::vector<ZoneTableEntry> ParseZoneTable(const QByteArray &text) {
    std::vector<ZoneTableEntry> entries;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3)
            continue;
        const QString position = QString::fromLatin1(fields[1]);
        // The longitude starts at the second sign.
        qsizetype split = -1;
        for (qsizetype i = 1; i < position.size() && split < 0; ++i) {
            if (position[i] == QLatin1Char('+') || position[i] == QLatin1Char('-'))
                split = i;
        }
        if (split < 0)
            continue;
        const std::optional<double> latitude = ParseIso6709(QStringView(position).left(split), 2);
        const std::optional<double> longitude = ParseIso6709(QStringView(position).mid(split), 3);
        if (!latitude || !longitude)
            continue;
        ZoneTableEntry entry;
        entry.countryCode = QString::fromLatin1(fields[0].split(',').value(0));
        entry.zoneId = QString::fromUtf8(fields[2].trimmed());
        entry.latitude = *latitude;
        entry.longitude = *longitude;
        entries.push_back(std::move(entry));
    }
    return entries;
}

QHash<QString, QString> ParseCountryNames(const QByteArray &text) {
    QHash<QString, QString> names;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            names.insert(QString::fromLatin1(fields[0]), QString::fromUtf8(fields[1].trimmed()));
    }
    return names;
}

void CompleteFromZoneTable(std::vector<AtlasPlace> &places,
                           const std::vector<ZoneTableEntry> &zones,
                           const QHash<QString, QString> &countryNames) {
    QHash<QString, std::vector<int>> byName; // folded name or other name
    QHash<QString, std::vector<int>> byZone;
    QHash<QString, QString> listCountries; // the list's own name of each country code
    const auto index = [&](int i) {
        const AtlasPlace &place = places[i];
        byName[FoldForSearch(place.name)].push_back(i);
        for (const QString &other : place.otherNames)
            byName[FoldForSearch(other)].push_back(i);
        byZone[place.timeZone].push_back(i);
        if (!place.countryCode.isEmpty() && !listCountries.contains(place.countryCode))
            listCountries.insert(place.countryCode, place.country);
    };
    for (int i = 0; i < static_cast<int>(places.size()); ++i)
        index(i);

    QHash<QString, int> cityOfZone;
    for (const ZoneTableEntry &zone : zones) {
        if (cityOfZone.contains(zone.zoneId))
            continue; // both tables list most zones
        const QString name = zone.cityName();
        const QString key = FoldForSearch(name);
        const auto distance = [&](int i) {
            return DistanceKm(zone.latitude, zone.longitude, places[i].latitude,
                              places[i].longitude);
        };
        int found = -1;
        for (const int i : byName.value(key)) {
            if (distance(i) <= kSameCityKm && (found < 0 || distance(i) < distance(found)))
                found = i;
        }
        if (found < 0) {
            for (const int i : byZone.value(zone.zoneId)) {
                if (distance(i) <= kNearbyKm && (found < 0 || MorePopulous(places, i, found)))
                    found = i;
            }
            if (found >= 0) {
                places[found].otherNames.append(name);
                byName[key].push_back(found);
            }
        }
        if (found < 0) {
            AtlasPlace place;
            place.name = name;
            place.country =
                listCountries.value(zone.countryCode, countryNames.value(zone.countryCode));
            place.state = place.country; // as the list writes its cities of city states
            place.timeZone = zone.zoneId;
            place.latitude = zone.latitude;
            place.longitude = zone.longitude;
            place.countryCode = zone.countryCode;
            places.push_back(std::move(place));
            found = static_cast<int>(places.size()) - 1;
            index(found);
        }
        cityOfZone.insert(zone.zoneId, found);
    }

    for (const FormerName &former : kFormerNames) {
        const auto city = cityOfZone.constFind(QString::fromLatin1(former.zone));
        if (city == cityOfZone.constEnd() || !QTimeZone(QByteArray(former.link)).isValid())
            continue;
        const QString name = ZoneTableEntry{{}, QString::fromLatin1(former.link)}.cityName();
        const QString key = FoldForSearch(name);
        if (byName.contains(key))
            continue; // a place of that name is found by it, not the renamed city
        places[*city].otherNames.append(name);
        byName[key].push_back(*city);
    }
}

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
    for (int i = 0; i < size(); ++i) {
        byName_.emplace_back(FoldForSearch(places_[i].name), i);
        for (const QString &other : places_[i].otherNames)
            byName_.emplace_back(FoldForSearch(other), i);
    }
    std::sort(byName_.begin(), byName_.end());
}

Atlas Atlas::readSystemAtlas() {
    std::vector<AtlasPlace> places = LoadGeonames();
    std::vector<ZoneTableEntry> zones =
        ParseZoneTable(ReadZoneInfoFile(QStringLiteral("zone.tab")));
    for (ZoneTableEntry &zone : ParseZoneTable(ReadZoneInfoFile(QStringLiteral("zone1970.tab"))))
        zones.push_back(std::move(zone));
    CompleteFromZoneTable(places, zones,
                          ParseCountryNames(ReadZoneInfoFile(QStringLiteral("iso3166.tab"))));
    return Atlas(std::move(places));
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
    // A place found by two of its names is offered once.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
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
    // Names and other names from the sorted index; only a text with a comma can be a label
    // that is more than the name.
    const auto [first, last] =
        std::equal_range(byName_.begin(), byName_.end(), std::make_pair(key, 0),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto it = first; it != last; ++it)
        found.push_back(it->second);
    if (key.contains(QLatin1Char(','))) {
        for (int i = 0; i < size(); ++i) {
            if (FoldForSearch(places_[i].label()) == key)
                found.push_back(i);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
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

QString ZoneEntryName(int position) {
    if (position < 0 || position >= kZoneCount)
        return {};
    return Entries()[position].name;
}

QString ZoneEntryWord(int position) {
    if (position < 0 || position >= kZoneCount)
        return {};
    return QCoreApplication::translate("ZoneNames", Entries()[position].name.toUtf8().constData());
}

int ZoneEntryOffsetMinutes(int position, bool dst, int lonDegrees, int lonMinutes, bool east) {
    int offset = 0;
    if (position == kLocalMeanTimePosition) {
        std::string hours;
        std::string minutes;
        LocalMeanTimeTexts(lonDegrees, lonMinutes, east, hours, minutes);
        offset = -(ParseZoneText(hours).value_or(0) * 60 + ParseZoneText(minutes).value_or(0));
    } else if (position >= 0 && position < kZoneCount)
        offset = Entries()[position].offsetMinutes;
    return offset + (dst ? 60 : 0);
}

QString ZoneListText(int position) {
    if (position < 0 || position >= kZoneCount)
        return {};
    const EntryFacts &entry = Entries()[position];
    const QString offset = position == kLocalMeanTimePosition
                               ? QCoreApplication::translate("ZoneText", "from the longitude")
                               : FormatUtcOffset(entry.offsetMinutes);
    // French and Spanish write zone names in lower case, as they stand inside a sentence; an
    // entry of a list starts with a capital like every other entry.
    QString name = ZoneEntryWord(position);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return QStringLiteral("%1, %2, %3").arg(name, entry.abbreviation, offset);
}

std::vector<int> ZoneListOrder() {
    // The language's own alphabet (accented letters among their base letters), letter case
    // ignored and a run of digits by the number it writes. The C locale's collation knows
    // only character codes, so there the names, the English ones, go in English order.
    const QLocale language = QLocale().language() == QLocale::C
                                 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                 : QLocale();
    QCollator collator{language};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<QString> words(kZoneCount);
    std::vector<int> positions(kZoneCount);
    for (int i = 0; i < kZoneCount; ++i) {
        positions[i] = i;
        words[i] = ZoneEntryWord(i);
    }
    const std::vector<EntryFacts> &entries = Entries();
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const int byName = collator.compare(words[a], words[b]);
        if (byName != 0)
            return byName < 0;
        return entries[a].offsetMinutes < entries[b].offsetMinutes;
    });
    return positions;
}

bool IsSeasonalZoneEntry(int position) {
    return position >= 0 && position < kZoneCount && Entries()[position].seasonal;
}

QString DescribeZone(int position, bool dst, int offsetMinutes) {
    QString name = ZoneEntryWord(position);
    if (dst)
        name = QCoreApplication::translate("ZoneText", "%1 with daylight saving").arg(name);
    return name + QStringLiteral(", ") + FormatUtcOffset(offsetMinutes);
}

QString UniversalTimeText(const CivilDateTime &universal) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(universal.year, 4, 10, QLatin1Char('0'))
        .arg(universal.month, 2, 10, QLatin1Char('0'))
        .arg(universal.day, 2, 10, QLatin1Char('0'))
        .arg(universal.hour, 2, 10, QLatin1Char('0'))
        .arg(universal.minute, 2, 10, QLatin1Char('0'));
}

QString TimeUsedLine(const CivilDateTime &universal, int position, bool dst, int offsetMinutes,
                     const ZoneSource &source) {
    // A line for people (the status bar, the tool's text), so in the reader's language; the
    // zone's own name stays as the zone list gives it.
    QString from = QCoreApplication::translate("ZoneText", "by hand");
    if (source.kind == ZoneSource::Kind::Atlas)
        from = QCoreApplication::translate("ZoneText", "from the atlas (%1)").arg(source.name);
    else if (source.kind == ZoneSource::Kind::ReadingFile)
        from = QCoreApplication::translate("ZoneText", "from the reading file %1").arg(source.name);
    return QCoreApplication::translate("ZoneText", "Universal time %1 · %2 · %3")
        .arg(UniversalTimeText(universal), DescribeZone(position, dst, offsetMinutes), from);
}

ZoneAdvice AdviseZone(const QString &ianaId, QDate date, QTime time) {
    const QTimeZone zone(ianaId.toUtf8());
    if (!zone.isValid()) {
        ZoneAdvice advice;
        advice.notice = QStringLiteral("The time zone %1 is not known on this system.").arg(ianaId);
        return advice;
    }
    return AdviseZone(zone, date, time);
}

ZoneAdvice AdviseZone(const QTimeZone &zone, QDate date, QTime time) {
    ZoneAdvice advice;
    const QString ianaId = QString::fromUtf8(zone.id());
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
    std::sort(instants.begin(), instants.end());
    // The moment whose offset, abbreviation and summer time decide the entry. A reading the
    // clocks skipped is taken with the offset in force before the change, as the database
    // reads it: the birth falls that much after the change (02:30 becomes 03:30). Of a
    // reading shown twice, the first.
    QDateTime moment;
    if (instants.empty()) {
        advice.localTime = ZoneAdvice::LocalTime::Skipped;
        // wall - after lies before the change, in the offset that was then in force.
        moment = QDateTime::fromSecsSinceEpoch(wall - after, Qt::UTC);
    } else {
        moment = QDateTime::fromSecsSinceEpoch(instants.front(), Qt::UTC);
        if (instants.size() > 1)
            advice.localTime = ZoneAdvice::LocalTime::Repeated;
    }
    const int offsetSeconds = zone.offsetFromUtc(moment);
    advice.offsetMinutes = RoundedMinutes(offsetSeconds);
    advice.standardOffsetMinutes = RoundedMinutes(zone.standardTimeOffset(moment));
    advice.daylightSaving = zone.isDaylightTime(moment);
    advice.abbreviation = zone.abbreviation(moment);
    advice.localMeanTime = advice.abbreviation == QStringLiteral("LMT");

    const std::vector<EntryFacts> &entries = Entries();
    const auto choose = [&advice](int position, bool tick) {
        advice.zonePosition = position;
        advice.dstTick = tick;
    };
    const auto find = [&entries](auto &&fits) {
        for (int position = 0; position < kZoneCount; ++position) {
            if (position != kLocalMeanTimePosition && fits(entries[position]))
                return position;
        }
        return -1;
    };
    if (advice.localMeanTime) {
        choose(kLocalMeanTimePosition, false);
    } else if (const int named = find([&advice](const EntryFacts &e) {
                   return e.offsetMinutes == advice.offsetMinutes &&
                          e.abbreviation == advice.abbreviation;
               });
               named >= 0) {
        choose(named, false);
    } else {
        int position = -1;
        if (advice.daylightSaving && advice.offsetMinutes - advice.standardOffsetMinutes == 60) {
            // The standard time's own abbreviation tells CET from MET and EST from CDT.
            QDateTime standardMoment = moment.addMonths(6);
            const QString standardName =
                zone.isDaylightTime(standardMoment) ? QString() : zone.abbreviation(standardMoment);
            const auto standard = [&advice](const EntryFacts &e) {
                return !e.seasonal && e.offsetMinutes == advice.standardOffsetMinutes;
            };
            position = find(
                [&](const EntryFacts &e) { return standard(e) && e.abbreviation == standardName; });
            if (position < 0)
                position = find(standard);
            if (position >= 0)
                choose(position, true);
        }
        if (position < 0) {
            // The whole offset without the tick: a summer entry for summer time, a standard
            // one otherwise, where the list has one of the kind.
            const auto whole = [&advice](const EntryFacts &e) {
                return e.offsetMinutes == advice.offsetMinutes;
            };
            position = find([&](const EntryFacts &e) {
                return whole(e) && e.seasonal == advice.daylightSaving;
            });
            if (position < 0)
                position = find(whole);
            choose(position, false);
        }
    }

    QStringList notes;
    if (advice.zonePosition < 0)
        notes << QStringLiteral("No zone in the list has %1, the time of %2 on this date; "
                                "choose the zone yourself.")
                     .arg(FormatUtcOffset(advice.offsetMinutes), ianaId);
    const QString clock = time.toString(QStringLiteral("HH:mm"));
    if (advice.localTime == ZoneAdvice::LocalTime::Skipped) {
        const QDateTime shifted =
            QDateTime::fromSecsSinceEpoch(wall - offsetSeconds, Qt::UTC).toTimeZone(zone);
        advice.timeNote = QStringLiteral("The clocks skipped %1 on this date in %2: read as %3, "
                                         "shifted forward by the change.")
                              .arg(clock, ianaId, ClockText(shifted));
    } else if (advice.localTime == ZoneAdvice::LocalTime::Repeated) {
        advice.timeNote = QStringLiteral("The clocks showed %1 twice on this date in %2: the first "
                                         "(daylight-saving) time is used.")
                              .arg(clock, ianaId);
    }
    if (!advice.timeNote.isEmpty())
        notes << advice.timeNote;
    advice.notice = notes.join(QLatin1Char(' '));
    return advice;
}

} // namespace starloom
