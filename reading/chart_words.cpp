#include "reading/chart_words.h"

#include "engine/tables.h"
#include "engine/transits.h"

#include <QCoreApplication>

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace starloom {

namespace {

constexpr const char *kAstrology = "Astrology";
constexpr const char *kPatterns = "Patterns";

// The engine's English names, each marked for the translators where it is listed: the
// engine and the classifier are built without Qt, so their tables cannot be read by
// lupdate through QT_TRANSLATE_NOOP. The tests hold these lists equal to the engine's.
constexpr std::array<const char *, kSignCount> kSignWords = {
    QT_TRANSLATE_NOOP("Astrology", "Aries"),       QT_TRANSLATE_NOOP("Astrology", "Taurus"),
    QT_TRANSLATE_NOOP("Astrology", "Gemini"),      QT_TRANSLATE_NOOP("Astrology", "Cancer"),
    QT_TRANSLATE_NOOP("Astrology", "Leo"),         QT_TRANSLATE_NOOP("Astrology", "Virgo"),
    QT_TRANSLATE_NOOP("Astrology", "Libra"),       QT_TRANSLATE_NOOP("Astrology", "Scorpio"),
    QT_TRANSLATE_NOOP("Astrology", "Sagittarius"), QT_TRANSLATE_NOOP("Astrology", "Capricorn"),
    QT_TRANSLATE_NOOP("Astrology", "Aquarius"),    QT_TRANSLATE_NOOP("Astrology", "Pisces")};

// "Leo" is both a sign and its abbreviation: the disambiguation keeps them two messages.
struct Disambiguated {
    const char *source;
    const char *comment;
};
constexpr std::array<Disambiguated, kSignCount> kSignAbbreviationWords = {
    {QT_TRANSLATE_NOOP3("Astrology", "Ari", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Tau", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Gem", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Can", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Leo", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Vir", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Lib", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Sco", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Sag", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Cap", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Aqu", "sign abbreviation"),
     QT_TRANSLATE_NOOP3("Astrology", "Pis", "sign abbreviation")}};

constexpr std::array<const char *, kAspectPointCount> kPointWords = {
    QT_TRANSLATE_NOOP("Astrology", "Sun"),     QT_TRANSLATE_NOOP("Astrology", "Moon"),
    QT_TRANSLATE_NOOP("Astrology", "Mercury"), QT_TRANSLATE_NOOP("Astrology", "Venus"),
    QT_TRANSLATE_NOOP("Astrology", "Mars"),    QT_TRANSLATE_NOOP("Astrology", "Jupiter"),
    QT_TRANSLATE_NOOP("Astrology", "Saturn"),  QT_TRANSLATE_NOOP("Astrology", "Uranus"),
    QT_TRANSLATE_NOOP("Astrology", "Neptune"), QT_TRANSLATE_NOOP("Astrology", "Pluto"),
    QT_TRANSLATE_NOOP("Astrology", "Asc"),     QT_TRANSLATE_NOOP("Astrology", "MC")};

constexpr std::array<const char *, 2> kSpokenAngleWords = {
    QT_TRANSLATE_NOOP("Astrology", "Ascendant"), QT_TRANSLATE_NOOP("Astrology", "Midheaven")};

constexpr std::array<const char *, 2> kNodeWords = {QT_TRANSLATE_NOOP("Astrology", "North Node"),
                                                    QT_TRANSLATE_NOOP("Astrology", "South Node")};

constexpr std::array<const char *, kAspectKindCount> kAspectWords = {
    QT_TRANSLATE_NOOP("Astrology", "conjunction"), QT_TRANSLATE_NOOP("Astrology", "opposition"),
    QT_TRANSLATE_NOOP("Astrology", "trine"), QT_TRANSLATE_NOOP("Astrology", "square"),
    QT_TRANSLATE_NOOP("Astrology", "sextile")};

constexpr std::array<const char *, kHouseSystemCount> kHouseSystemWords = {
    QT_TRANSLATE_NOOP("Astrology", "Whole Sign"),  QT_TRANSLATE_NOOP("Astrology", "Equal"),
    QT_TRANSLATE_NOOP("Astrology", "Porphyry"),    QT_TRANSLATE_NOOP("Astrology", "Placidus"),
    QT_TRANSLATE_NOOP("Astrology", "Koch"),        QT_TRANSLATE_NOOP("Astrology", "Regiomontanus"),
    QT_TRANSLATE_NOOP("Astrology", "Campanus"),    QT_TRANSLATE_NOOP("Astrology", "Alcabitius"),
    QT_TRANSLATE_NOOP("Astrology", "Topocentric"), QT_TRANSLATE_NOOP("Astrology", "Morinus")};

// The leading planet's sentences of LeadingPlanetSentence as whole wordings: %1 and %2 are
// the planets' names, then their roles (PlanetRoleText) follow.
constexpr const char *kLeaderSentence = QT_TRANSLATE_NOOP(
    "Patterns", "%1 leads, rising first out of the empty arc: %2 set the whole chart in motion.");
constexpr const char *kHandleSentence = QT_TRANSLATE_NOOP(
    "Patterns", "%1 stands alone as the handle: the chart's energy flows out through %2.");
constexpr const char *kHandlePairSentence =
    QT_TRANSLATE_NOOP("Patterns", "%1 and %2 stand together as the handle: the chart's energy "
                                  "flows out through %3, and through %4.");

// The notes of HouseFallbackNote and PositionsNote as whole wordings: %1 is the house
// system asked for, %2 the latitude ("70°00′ N").
constexpr const char *kNotes = "ChartNotes";
constexpr const char *kRisingEclipticNote =
    QT_TRANSLATE_NOOP("ChartNotes", "%1 houses are undefined at %2, inside the polar circle, "
                                    "where part of the ecliptic never rises or sets; Porphyry "
                                    "houses are shown instead.");
constexpr const char *kTopocentricNote = QT_TRANSLATE_NOOP(
    "ChartNotes", "%1 houses are undefined at %2 at this time, inside the polar circle, where "
                  "their cusps would not follow each other round the ecliptic; Porphyry houses "
                  "are shown instead.");
constexpr const char *kMidheavenNote = QT_TRANSLATE_NOOP(
    "ChartNotes", "%1 houses are undefined at %2 at this time, while the midheaven is below the "
                  "horizon; Porphyry houses are shown instead.");
constexpr const char *kNorthPoleNote = QT_TRANSLATE_NOOP(
    "ChartNotes", "%1 houses are undefined at the North Pole, where no point of the ecliptic "
                  "rises in the east; Porphyry houses for a point 11 m from the pole are shown "
                  "instead.");
constexpr const char *kSouthPoleNote = QT_TRANSLATE_NOOP(
    "ChartNotes", "%1 houses are undefined at the South Pole, where no point of the ecliptic "
                  "rises in the east; Porphyry houses for a point 11 m from the pole are shown "
                  "instead.");
constexpr const char *kPreciseForDateNote = QT_TRANSLATE_NOOP(
    "ChartNotes", "The built-in formulas cover %1 to %2; this chart's positions come from the "
                  "precise table, and retrograde planets are marked by their motion.");

template <std::size_t N>
QString Listed(const char *context, const std::array<const char *, N> &list, int index) {
    return index >= 0 && index < static_cast<int>(N)
               ? QCoreApplication::translate(context, list[static_cast<std::size_t>(index)])
               : QString();
}

// A text of the engine or the classifier (a literal, a view of it) in `context`.
QString Translated(const char *context, std::string_view english) {
    return QCoreApplication::translate(context, std::string(english).c_str());
}

std::string ReportWord(const char *context, std::string_view english) {
    return Translated(context, english).toStdString();
}

} // namespace

QString AstrologyWord(std::string_view english) {
    return Translated(kAstrology, english);
}

QString SignWord(int sign) {
    return Listed(kAstrology, kSignWords, sign);
}

QString SignAbbreviationWord(int sign) {
    if (sign < 0 || sign >= kSignCount)
        return QString();
    const Disambiguated &word = kSignAbbreviationWords[static_cast<std::size_t>(sign)];
    return QCoreApplication::translate(kAstrology, word.source, word.comment);
}

QString PositionWords(std::string_view position) {
    QString text = QString::fromUtf8(position.data(), static_cast<qsizetype>(position.size()));
    constexpr std::size_t kAbbreviationLength = 3;
    // The chart form has the sign in characters 4 to 6, the degree form at its end.
    for (const std::size_t at : {std::size_t{3}, position.size() - kAbbreviationLength}) {
        if (position.size() < kAbbreviationLength || at > position.size() - kAbbreviationLength)
            continue;
        if (const std::optional<int> sign =
                SignIndexOfAbbreviation(position.substr(at, kAbbreviationLength))) {
            // Characters before the sign are ASCII digits, blanks and marks of UTF-8: count
            // them in the text as it was decoded.
            const qsizetype from =
                QString::fromUtf8(position.data(), static_cast<qsizetype>(at)).size();
            return text.replace(from, kAbbreviationLength, SignAbbreviationWord(*sign));
        }
    }
    return text;
}

QString BodyWord(int point) {
    return Listed(kAstrology, kPointWords, point);
}

QString MarkedBodyWord(std::string_view marked) {
    const QString text = QString::fromUtf8(marked.data(), static_cast<qsizetype>(marked.size()));
    for (int body = 0; body < kBodyCount; ++body) {
        const std::string_view name = kPlainBodyNames[body];
        // The name whole: "Mars" is not the start of a longer word.
        if (marked.starts_with(name) &&
            (marked.size() == name.size() ||
             !std::isalpha(static_cast<unsigned char>(marked[name.size()]))))
            return BodyWord(body) + text.mid(static_cast<qsizetype>(name.size()));
    }
    return text;
}

std::array<QString, kSignCount> WheelCellWords(const std::array<QString, kSignCount> &cells) {
    const QString lineBreak = QStringLiteral("\r\n");
    std::array<QString, kSignCount> shown;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QStringList lines = cells[i].split(lineBreak);
        for (QString &line : lines)
            line = MarkedBodyWord(line.toStdString());
        shown[i] = lines.join(lineBreak);
    }
    return shown;
}

QString SpokenPointWord(int point) {
    if (point == kAscBody || point == kMidheavenPoint)
        return Listed(kAstrology, kSpokenAngleWords, point - kAscBody);
    return BodyWord(point);
}

QString NodeWord(bool north) {
    return Listed(kAstrology, kNodeWords, north ? 0 : 1);
}

QString TransitBodyWord(int body) {
    return body == kTransitNodeBody  ? NodeWord(true)
           : body < kTransitNodeBody ? BodyWord(body)
                                     : QString();
}

QString AspectWord(AspectKind kind) {
    return Listed(kAstrology, kAspectWords, static_cast<int>(kind));
}

QString HouseSystemWord(HouseSystem system) {
    return Listed(kAstrology, kHouseSystemWords, static_cast<int>(system));
}

QString HouseFallbackNoteWords(const HouseCusps &houses, double latitudeDegrees) {
    const QString system = HouseSystemWord(houses.requested);
    const bool north = !(latitudeDegrees < 0.0);
    switch (houses.fallback) {
    case HouseFallback::None:
        return QString();
    case HouseFallback::PolarCircle: {
        // Degrees and minutes of arc, rounded to the minute, as the engine writes them.
        const long minutes =
            std::lround(std::fabs(std::isfinite(latitudeDegrees) ? latitudeDegrees : 0.0) * 60.0);
        const QString where = QStringLiteral("%1\u00B0%2\u2032 %3")
                                  .arg(minutes / 60)
                                  .arg(minutes % 60, 2, 10, QLatin1Char('0'))
                                  .arg(north ? QLatin1Char('N') : QLatin1Char('S'));
        // The engine's reasons: Placidus and Koch need the ecliptic to rise, Topocentric
        // cusps to follow each other, the others the midheaven above the horizon.
        const char *note =
            houses.requested == HouseSystem::Placidus || houses.requested == HouseSystem::Koch
                ? kRisingEclipticNote
            : houses.requested == HouseSystem::Topocentric ? kTopocentricNote
                                                           : kMidheavenNote;
        return QCoreApplication::translate(kNotes, note).arg(system, where);
    }
    case HouseFallback::Pole:
        return QCoreApplication::translate(kNotes, north ? kNorthPoleNote : kSouthPoleNote)
            .arg(system);
    }
    return QString();
}

QString HousesNoteWords(const NatalChart &chart) {
    return HouseFallbackNoteWords(chart.Houses, chart.Latitude);
}

QString PositionsNoteWords(const NatalChart &chart) {
    if (!chart.PreciseForDate)
        return QString();
    return QCoreApplication::translate(kNotes, kPreciseForDateNote)
        .arg(kStandardFirstYear)
        .arg(kStandardLastYear);
}

ReportRuns PatternReportWords(const std::array<bool, kPatternCount> &PatternFlags) {
    return BuildPatternReport(PatternFlags, ReportWord);
}

QString DegreePatternWord(DegreePattern pattern) {
    return Translated(kAstrology, DegreePatternName(pattern));
}

QString DegreePatternTextWords(DegreePattern pattern) {
    return Translated(kPatterns, DegreePatternText(pattern));
}

QString PlanetRoleWords(int body) {
    return body >= 0 && body < kPlanetCount ? Translated(kPatterns, PlanetRoleText(body))
                                            : QString();
}

QString LeadingPlanetNamesWords(const DegreeShape &shape) {
    if (shape.LeadingCount == 0)
        return Translated(kPatterns, LeadingPlanetNames(shape));
    QString names = BodyWord(shape.Leading[0]);
    if (shape.LeadingCount == 2)
        names += QStringLiteral(", ") + BodyWord(shape.Leading[1]);
    return names;
}

QString LeadingPlanetSentenceWords(const DegreeShape &shape) {
    if (shape.LeadingCount == 0)
        return Translated(kPatterns, LeadingPlanetSentence(shape));
    const int first = shape.Leading[0];
    if (shape.Pattern != DegreePattern::Bucket) {
        return QCoreApplication::translate(kPatterns, kLeaderSentence)
            .arg(BodyWord(first), PlanetRoleWords(first));
    }
    if (shape.LeadingCount == 1) {
        return QCoreApplication::translate(kPatterns, kHandleSentence)
            .arg(BodyWord(first), PlanetRoleWords(first));
    }
    const int second = shape.Leading[1];
    return QCoreApplication::translate(kPatterns, kHandlePairSentence)
        .arg(BodyWord(first), BodyWord(second), PlanetRoleWords(first), PlanetRoleWords(second));
}

} // namespace starloom
