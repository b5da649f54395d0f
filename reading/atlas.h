// The offline atlas of birthplaces: about 24,000 cities with their state, country,
// coordinates, population and time zone, and what the time-zone database says about a
// local clock time at one of them.
#pragma once

#include "engine/tables.h"

#include <QDate>
#include <QString>
#include <QTime>

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

    // "Springfield, Missouri, United States of America"
    QString label() const;
};

class Atlas {
public:
    explicit Atlas(std::vector<AtlasPlace> places);

    // The cities shipped with the system's geonames library, read on first use.
    static const Atlas &shared();
    // A fresh copy of the same, read now.
    static Atlas readSystemAtlas();

    int size() const { return static_cast<int>(places_.size()); }
    const AtlasPlace &place(int index) const { return places_[index]; }

    // Places whose name starts with the prefix, letter case and accents ignored, the most
    // populous first; at most `limit` of them.
    std::vector<int> startingWith(const QString &prefix, int limit) const;

    // Places whose name or label equals the text, letter case and accents ignored, the
    // most populous first.
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
// the entry of the program's zone list that matches it.
struct ZoneAdvice {
    enum class LocalTime { Normal, Skipped, Repeated };
    bool valid = false;            // the zone is known to the database
    int standardOffsetMinutes = 0; // east of Greenwich positive
    bool daylightSaving = false;   // summer time in force at that moment
    int zonePosition = -1;         // list entry for the standard offset; -1: none
    LocalTime localTime = LocalTime::Normal;
    QString notice; // one line for the user; empty when all is plain
};

ZoneAdvice AdviseZone(const QString &ianaId, QDate date, QTime time, const TimeZoneTables &zones);

// "UTC+05:45", "UTC-03:30", "UTC".
QString FormatUtcOffset(int minutesEast);

} // namespace starloom
