// The offline atlas of birthplaces: about 24,000 cities with their state, country,
// coordinates, population and time zone, completed with the main city of every zone of the
// time-zone database, and what that database says about a local clock time at one of them.
#pragma once

#include "engine/tables.h"
#include "engine/time_scale.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <vector>

namespace starloom {

struct AtlasPlace {
    QString name;
    QString state;
    QString country;
    QString timeZone;     // IANA name, e.g. "Europe/Madrid"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    quint32 population = 0;
    QString countryCode{};    // ISO 3166 alpha-2, e.g. "ES"; empty when not known
    QStringList otherNames{}; // further names the place is found by, e.g. "Calcutta"

    // "Springfield, Missouri, United States of America"
    QString label() const;
};

// One line of the time-zone database's zone table (zone1970.tab or zone.tab): a zone, the
// country it serves first and the position of its main city.
struct ZoneTableEntry {
    QString countryCode;  // ISO 3166 alpha-2
    QString zoneId;       // "Asia/Singapore"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive

    // The main city as the zone's name gives it: its last part with blanks for
    // underscores ("America/Argentina/Buenos_Aires" gives "Buenos Aires").
    QString cityName() const;
};

// The lines of a zone table, in file order; comment lines and lines whose coordinates do
// not read as ISO 6709 degrees and minutes (with or without seconds) are left out.
std::vector<ZoneTableEntry> ParseZoneTable(const QByteArray &text);

// Country names by ISO 3166 code from the database's iso3166.tab.
QHash<QString, QString> ParseCountryNames(const QByteArray &text);

// Makes every zone's main city findable among `places`: a city the list already has under
// that name near the zone's position is left as it is; one the list has under another name
// in the same zone nearby ("New York City" for America/New_York) is also found by the
// zone's name; any other is added with the zone's position, its country as its state and
// its country's name as the list writes it (else `countryNames`'). Then the former names
// of renamed zone cities that the database still carries as links ("Calcutta" for
// Kolkata) find the present city, where no place of the list has that name itself.
void CompleteFromZoneTable(std::vector<AtlasPlace> &places,
                           const std::vector<ZoneTableEntry> &zones,
                           const QHash<QString, QString> &countryNames);

class Atlas {
public:
    explicit Atlas(std::vector<AtlasPlace> places);

    // The cities shipped with the system's geonames library, completed from the system's
    // zone table (CompleteFromZoneTable), read on first use.
    static const Atlas &shared();
    // A fresh copy of the same, read now.
    static Atlas readSystemAtlas();

    int size() const { return static_cast<int>(places_.size()); }
    const AtlasPlace &place(int index) const { return places_[index]; }

    // Places whose name or one of their other names starts with the prefix, letter case
    // and accents ignored, the most populous first, each once; at most `limit` of them.
    std::vector<int> startingWith(const QString &prefix, int limit) const;

    // Places whose name, label or one of their other names equals the text, letter case
    // and accents ignored, the most populous first.
    std::vector<int> named(const QString &text) const;

private:
    std::vector<AtlasPlace> places_;
    std::vector<std::pair<QString, int>> byName_; // folded name, index; sorted
};

// Lower case with accents removed: "Zürich" and "zurich" search alike.
QString FoldForSearch(const QString &text);

// Degrees and whole minutes of an angle, rounded to the nearest minute (59.7' carries into
// the next degree), and whether it is north or east.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool positive = true;
};
DegreesMinutes ToDegreesMinutes(double angle);

// What the zone database says about a local date and clock time in one time zone, and
// the entry of the program's zone list and the daylight-saving tick that reproduce it.
struct ZoneAdvice {
    enum class LocalTime { Normal, Skipped, Repeated };
    bool valid = false;            // the zone is known to the database
    int offsetMinutes = 0;         // the clock's whole offset, east positive, to the minute
    int standardOffsetMinutes = 0; // the zone's standard offset then, east positive
    bool daylightSaving = false;   // the database counts summer time at that moment
    bool localMeanTime = false;    // the place kept its own mean time then
    QString abbreviation;          // the database's, e.g. "BDST", "+0545", "LMT"
    int zonePosition = -1;         // list entry to choose; -1: none fits
    bool dstTick = false;          // tick "Daylight Saving Time" with that entry
    LocalTime localTime = LocalTime::Normal;
    QString timeNote; // a skipped or repeated clock time, said in one line; else empty
    QString notice;   // everything the user should read (the time note included)
};

// The database's offset for a local date and time, and the entry and tick that give the
// same total offset: the entry with the database's own abbreviation first, then the
// standard time's entry with the tick, then any entry of the whole offset without it;
// "Local Mean Time" while the place kept local mean time. A clock time skipped by a change
// is read with the offset before it (so shifted forward by the gap), a repeated one as its
// first, daylight-saving occurrence.
ZoneAdvice AdviseZone(const QTimeZone &zone, QDate date, QTime time);
ZoneAdvice AdviseZone(const QString &ianaId, QDate date, QTime time);

// The name part of a zone-list entry ("British Double Summer Time" of
// "British Double Summer Time,BDST,+2.0"), in English as machine output writes it; empty
// outside the list.
QString ZoneEntryName(int position);
// The entry's name as a person reads it, in the program's language ("Britische Doppelte
// Sommerzeit" in German); empty outside the list.
QString ZoneEntryWord(int position);
// The whole offset, east positive in minutes, of an entry with or without the tick; the
// longitude (degrees and minutes, east or west) gives "Local Mean Time" its offset.
int ZoneEntryOffsetMinutes(int position, bool dst, int lonDegrees, int lonMinutes, bool east);
// True for an entry that is itself a summer, daylight or war time.
bool IsSeasonalZoneEntry(int position);
// An entry as the zone lists show it, in the program's language, its offset written the one
// way: "Indian Time, IST, UTC+05:30" (the table's own text says "+5.3"), "Local Mean Time,
// LMT, from the longitude"; empty outside the list.
QString ZoneListText(int position);
// The list positions in the order the lists show them: by the name in the program's
// language, as its locale sorts words, letter case ignored and numbers within a name by
// their value ("USSR Zone 3" before "USSR Zone 10"), then by offset. Reading files keep
// storing the positions themselves.
std::vector<int> ZoneListOrder();
// "Central European Time with daylight saving, UTC+02:00", the name in the program's
// language.
QString DescribeZone(int position, bool dst, int offsetMinutes);

// A universal date and time as the program writes them: "1944-07-16 12:45".
QString UniversalTimeText(const CivilDateTime &universal);

// Where the zone of a reading came from.
struct ZoneSource {
    enum class Kind { ByHand, Atlas, ReadingFile };
    Kind kind = Kind::ByHand;
    QString name; // the atlas's zone ("Europe/London") or the reading file's name
};

// The line that says which instant a reading is for and how it was found: "Universal time
// 1944-07-16 12:45 · British Double Summer Time, UTC+02:00 · from the atlas
// (Europe/London)", "· from the reading file anna.act" or "· by hand".
QString TimeUsedLine(const CivilDateTime &universal, int position, bool dst, int offsetMinutes,
                     const ZoneSource &source);

// "UTC+05:45", "UTC-03:30", "UTC".
QString FormatUtcOffset(int minutesEast);

} // namespace starloom
