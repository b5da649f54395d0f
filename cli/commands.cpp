// Command dispatch, help texts and the single-reading commands.
#include "cli/commands.h"

#include "cli/batch.h"
#include "cli/birth_options.h"
#include "cli/cli_text.h"
#include "cli/reading_output.h"
#include "cli/second_chart_output.h"
#include "cli/stats.h"
#include "cli/status_line.h"
#include "engine/precise.h"
#include "engine/tables.h"
#include "reading/atlas.h"
#include "reading/chart_words.h"
#include "reading/name_text.h"
#include "reading/reading_file.h"
#include "shell/core/file_io.h"
#include "shell/core/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#ifndef STARLOOM_VERSION
#error "STARLOOM_VERSION must be defined by the build"
#endif

namespace starloom::cli {

namespace {

constexpr int kMostThreads = 64;

const char kUsage[] = QT_TRANSLATE_NOOP("CliHelp", R"(Usage: starloom-cli <command> [options]

QM Starloom readings from the command line, made by the program's own code.

Commands:
  reading   one reading from birth details, as text or JSON
  open      one reading from a reading file (.act)
  save      write the reading file of a birth
  export    write the text export of a reading
  image     save the result window of a reading as a JPEG image
  pdf       write the printed reading as a PDF document
  batch     the readings of every row of a CSV file, as JSON Lines
  stats     how often each pattern and leading planet occurs in a CSV file
  zones     the time zones and their list positions
  houses    the house systems --houses takes
  transits  the exact transits to a reading over a range of dates, one a line
  progressions
            the secondary progressions of a reading to a date
  directions
            the solar arc directions of a reading to a date
  synastry  two readings compared: their positions and cross aspects

Options:
  --help      show this help, or a command's help after its name
  --version   show the version
  --lang CODE the language of the texts: en, de, fr, es, pt_BR or it (by default
              the one the environment's locale names); JSON, reading files,
              batches and CSV are the same in every language

Exit status: 0 done; 1 a batch ran but some rows were refused; 2 refused (bad
arguments, birth details the birth-data form refuses, a file that cannot be read
or written), with a one-line message on standard error.
)");

const char kBirthHelp[] = QT_TRANSLATE_NOOP("CliHelp", R"(Birth details:
  --date YYYY-MM-DD   date of birth, years 1800 to 2199
  --time HH:MM        local clock time of birth, 0:00 to 23:59
  --zone N            time zone list position, 0 to 163 (see 'starloom-cli zones')
  --dst               the clock time is daylight-saving time
  --lat D:M(N|S)      latitude in degrees and minutes, e.g. 51:30N
  --lon D:M(E|W)      longitude in degrees and minutes, e.g. 0:07W or 0:7W
  --name TEXT         name; "Anonymous" when not given
  --city TEXT         city; "Unknown" when not given
  --state TEXT        state; "Unknown" when not given
  --country TEXT      country; "Unknown" when not given
                      (these four take letters of any script, blanks, hyphens,
                      apostrophes and full stops, as the form's boxes do)
  --place NAME        a place from the offline atlas ("Madrid" or "Madrid, Madrid,
                      Spain"; the most populous match): fills city, state, country,
                      --lat and --lon, and, unless --zone is given, the zone and
                      daylight saving the time-zone database gives for the date
                      and time (a time the clocks skipped is moved forward by the
                      change, a repeated one is taken the first time; a note on
                      standard error says so)
--date and --time are required, and --zone, --lat and --lon unless --place
gives them. The details are checked
as the birth-data form checks them, with its messages: an empty name or place,
30 February or a latitude beyond 90 degrees is refused.
)");

const char kPositionsHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(  --positions METHOD  standard (the default): the built-in formulas, retrograde
                      marks from the station tables; precise: the table fitted
                      to a JPL-based ephemeris, to a hundredth of an arcsecond,
                      retrograde marks from the planets' motion
)");

const char kHousesHelp[] =
    QT_TRANSLATE_NOOP("CliHelp",
                      R"(  --houses SYSTEM     how the sky is divided into houses: whole-sign (the
                      default: whole signs from the ascendant's), equal, porphyry,
                      placidus, koch, regiomontanus, campanus, alcabitius,
                      topocentric or morinus (see 'starloom-cli houses')
)");

const char kReadingHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli reading [--json] [--positions METHOD] [--houses SYSTEM] <birth details>

Prints one reading: the personal details, the universal time with the zone and
offset used (and whether the atlas or the options gave them), the planetary
positions with each body's house, the midheaven and the lunar nodes, the twelve
houses (each with its cusp, the bodies and their retrograde marks), the aspects,
the interpretation and one line on the shape by degrees. Births before 1901 or
after 2050 are computed with the precise table, whatever --positions says, and a
note says so; a house system that is undefined at the place and time (Placidus,
Koch or Topocentric inside the polar circles) gives Porphyry houses, with a note. With --json, one JSON
object instead:
  name            the name as the reading file keeps it
  universal_time  the instant the planets were computed for, e.g. 1990-05-01T12:00Z
  positions       the method: "standard" or "precise"
  positions_note  only when the method is not the one asked for (a birth outside
                  1901..2050 is computed with the precise table)
  zone            the zone used: index (list position), name, offset_minutes (east
                  of Greenwich, daylight saving included) and dst (the tick)
  place           with --place: name, state, country, latitude, longitude and
                  time_zone of the atlas place
  time_note       only when the clocks skipped or repeated the time given
  bodies          Sun, Moon, Mercury .. Pluto and Asc, each with name, position
                  ("15 Tau 30"), sign, longitude (degrees), retrograde and house
                  (1 to 12; the ascendant is in house 1)
  ascendant_sign  the ascendant's sign, full name ("Taurus")
  moon_sign       the Moon's sign, full name
  house_cells     houses 1 to 12 as the wheel's cells read them: CR LF before
                  each body, retrograde marks included
  patterns        the planetary patterns in the report's order
  pattern_by_degrees
                  the shape the ten planets' exact longitudes make: name,
                  leading (the leading planets, empty when none) and empty_arc
                  (from and to, in degrees: the largest gap between planets)
  houses          system (its command-line name), cusps (12 longitudes in degrees,
                  house 1 first) and, only when the system asked for is undefined
                  there, note (why, and that Porphyry houses are given)
  angles          asc and mc: the ascendant's and midheaven's longitudes (degrees)
  nodes           north and south: the Moon's nodes (degrees); kind "mean"
  aspects         each aspect as a (the first point), b, aspect ("conjunction",
                  "opposition", "trine", "square" or "sextile"), orb (degrees
                  from exact) and applying; points are the ten bodies, Asc and
                  MC, with the default orbs 8, 8, 7, 7 and 5 degrees (2 more
                  for the Sun and the Moon). An aspect is applying when the two
                  points' motion at the birth instant brings them towards the
                  exact angle: the Sun's, the Moon's and the planets' daily
                  motion at that instant (the standard formulas differentiated,
                  or the precise table's own rates), the ascendant's and
                  midheaven's over the next quarter of an hour. Where the
                  relative motion is below 0.1 degrees a day the flag is a near
                  tie: judged from the positions a day later instead, it can
                  come out the other way.

)");

const char kOpenHelp[] = QT_TRANSLATE_NOOP("CliHelp", R"(Usage: starloom-cli open FILE.act [--json]

Prints the reading of a reading file, as the program's Open Previously Saved
Reading makes it. The name must end in "act" (lower case). The file's details
are checked as the birth-data form checks them. With --json, one JSON object.
)");

const char kSaveHelp[] = QT_TRANSLATE_NOOP("CliHelp",
                                           R"(Usage: starloom-cli save FILE.act <birth details>

Writes the reading file of the birth, byte for byte as the program's Save As
does. The file is written whole or not at all; an existing file is replaced.

)");

const char kExportHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli export FILE.txt [--positions METHOD] [--houses SYSTEM] (<birth details> | --from FILE.act)

Writes the text export of the reading, byte for byte as the program's Export
Chart As Text does. The file is written whole or not at all; an existing file
is replaced.

  --from FILE.act     take the birth details from a reading file

)");

const char kImageHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli image FILE.jpg [--positions METHOD] [--houses SYSTEM] (<birth details> | --from FILE.act)

Saves the result window of the reading as a JPEG image, as the program's Save As
JPEG does: the name is cut at the first dot of its file part and given ".jpg";
when that file exists, the first free name_001.jpg .. name_999.jpg is taken, so
no file is ever replaced. The window is drawn without a screen.

  --from FILE.act     take the birth details from a reading file

)");

const char kPdfHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli pdf FILE.pdf [--positions METHOD] [--houses SYSTEM] (<birth details> | --from FILE.act)

Writes the reading as the program prints it and as its Export as PDF writes it:
the personal details with the time zone, the universal time and the directions
of latitude and longitude, the wheel, the planetary positions, the ascendant and
Moon signs and the whole interpretation, over as many pages as it needs. The
file is written whole or not at all; an existing file is replaced. No screen is
needed.

  --from FILE.act     take the birth details from a reading file

)");

const char kBatchHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli batch IN.csv [--format jsonl|csv] [--threads N] [--out FILE] [--quiet]
                          [--positions METHOD] [--houses SYSTEM]

Reads a CSV file (RFC 4180: quoted fields may hold commas, quotes and line
breaks) whose first line is the header
  name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,city,state,country
optionally followed by a last column "place", and writes one JSON object per
row, in input order (JSON Lines): the reading's
object as 'reading --json' gives it, or {"line": N, "error": "..."} for a row
that is malformed or that the birth-data form refuses (N is the line of the
input on which the row starts). dst is 0 or 1, lat_dir N or S, lon_dir E or W.
Empty lines are skipped. IN.csv may be "-" for standard input.
A filled place cell works as --place: the atlas place's coordinates, city, state
and country, and the zone and dst of the time-zone database, fill the cells the
row leaves empty; an empty place cell means the row's own fields.

  --format F    jsonl (the default): the JSON lines above; csv: a table for
                spreadsheets (RFC 4180, CR LF line ends), a header and then one
                record per row: line (of the input), name, universal_time,
                positions, zone_index, zone_name, zone_offset_minutes, zone_dst,
                for each of sun .. pluto its _longitude, _sign, _retrograde and
                _house, asc, asc_sign, mc, north_node, south_node, nodes,
                patterns (by signs, joined by "; "), pattern_by_degrees, leading
                (its leading planets, joined by "; ") and error (a refused row's
                reason, every value column then empty); values as in the JSON
  --threads N   worker threads, 1 to 64 (default: the number of processors)
  --out FILE    write to FILE, whole or not at all, instead of standard output
                (not the input; a device or pipe is written into)
  --quiet       no progress line; without it, when standard error is a
                terminal and the lines do not go to that terminal, one line
                there shows the rows done, the rows a second and, for a file,
                the time left

A field over 64 KiB, a record over 1 MiB or one of more than 1024 fields gives
an error object for that row, as does a name with a control character (which a
reading file cannot keep); the letters-only rule of --name does not apply to
rows, whose names may be codes such as "Person 12". Exit status 1 when any row gave an error object, 2
when the input has no header or a file cannot be read or written: a first line
that is not the header (or runs on longer than one) is refused before anything
else is read, an output that cannot be made before any row is worked, and the
first write that fails ends the batch.
)");

const char kStatsHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli stats IN.csv [--threads N] [--quiet] [--positions METHOD]
                          [--houses SYSTEM] [--plot FILE.svg]

Reads a CSV file with the header and rows of 'starloom-cli batch', makes the
reading of every row and prints, as tables, the count and share of the readings
for each planetary pattern by signs, each pattern by degrees, each leading
planet, each kind of aspect and the bodies in each house. Rows are read and
refused exactly as the batch reads them; refused rows are skipped and counted,
and the reasons of the first ten go to standard error. IN.csv may be "-" for
standard input.

  --threads N         worker threads, 1 to 64 (default: the number of processors)
  --quiet             no progress line; without it, when standard error is a
                      terminal, one line there shows the rows done, the rows a
                      second and, for a file, the time left
  --positions METHOD  how the planets' positions are computed: standard (the
                      program's own formulas; the default) or precise
  --houses SYSTEM     the house system the bodies are counted by (whole-sign, the
                      default; see 'starloom-cli houses')
  --plot FILE.svg     also draw the tables as a bar chart into an SVG file,
                      written whole or not at all

Exit status 1 when any row was skipped, 2 when the input has no header or a
file cannot be read or written.
)");

const char kHousesListHelp[] = QT_TRANSLATE_NOOP("CliHelp", R"(Usage: starloom-cli houses

Lists the house systems --houses takes, with their names as the program shows
them. Where Placidus, Koch or Topocentric houses do not exist (inside the polar
circles at some sidereal times) or at a pole, a chart gives Porphyry houses and
says so.
)");

const char kZonesHelp[] = QT_TRANSLATE_NOOP("CliHelp", R"(Usage: starloom-cli zones

Lists the 164 time zones of the birth-data form by name, as the form shows them,
each after its list position: the number --zone and the batch's zone column
take. "Local Mean Time" takes its offset from the birth's longitude: 4 minutes
per degree, east ahead of Greenwich.
)");

const char kTransitsHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli transits (<birth details> | --from FILE.act) --start DATE --end DATE
                             [--json] [--positions METHOD] [--houses SYSTEM]

Prints every transit event from the start of --start to the end of --end, one
a line in time order, written as it is found: each exact aspect (conjunction,
opposition, trine, square, sextile) of a transiting Sun, Moon, Mercury ..
Pluto or true North Node to a natal point (the ten bodies, Asc and MC), each
station of Mercury .. Pluto (turning retrograde or direct) and each ingress of
a transiting body into a sign or into a natal house (by the reading's cusps).
Moments are universal time to the nearest minute, found as exact roots of the
precise positions; a retrograde pass gives its own events. The natal chart is
computed by --positions and --houses; the transiting bodies always by the
precise table, so the dates must lie within its span.

  --start DATE   YYYY-MM-DD (from its midnight) or YYYY-MM-DDTHH:MM, universal time
  --end DATE     YYYY-MM-DD (to the midnight that ends it) or YYYY-MM-DDTHH:MM
  --json         JSON Lines, one object per event: time ("2024-04-01T22:15Z"),
                 kind ("aspect", "station" or "ingress"), body, and for an aspect
                 aspect and natal (the natal point's name as in the reading's
                 bodies, or "MC"), for a station direction ("retrograde" or
                 "direct"), for an ingress sign (its full name) or house (1 to 12)
  --from FILE.act  take the birth details from a reading file

)");

const char kProgressionsUsage[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli progressions (<birth details> | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

)");

const char kDirectionsUsage[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli directions (<birth details> | --from FILE.act) --date DATE
          [--json] [--positions METHOD] [--houses SYSTEM]

)");

// The part of the progressions and directions help after what each chart is.
const char kMovingChartHelp[] = QT_TRANSLATE_NOOP("CliHelp", R"(
Prints the natal chart and the second chart side by side (each point with the
natal house it falls in) and the aspects between them, natal point first, with
an orb of 1 degree for every kind, applying or separating as the second chart
moves. With --json, one object: kind, date, first (the natal chart) and second
(the progressed or directed chart), each with name, universal_time, positions
(the method), bodies (name, position, sign, longitude, retrograde and house, as
the reading's; the second chart's house is the natal house it falls in) and
angles (asc, mc); arc (degrees, as above); aspects (a: the natal point, b: the
second chart's point, aspect, orb, applying).

  --date DATE          the date the chart is made for: YYYY-MM-DD (its
                       midnight) or YYYY-MM-DDTHH:MM, universal time
  --birth-date DATE    the date of birth, YYYY-MM-DD: what --date is among the
                       birth details below
  --from FILE.act      take the birth details from a reading file

)");

const char kProgressionsAbout[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Secondary progressions: the chart of the day N days after birth for N years of
life (tropical years), the bodies by the precise table. The progressed MC moves
by the solar arc in right ascension: the natal sidereal angle (RAMC) grows by
the arc the Sun has moved in right ascension since birth, and the MC and Asc
follow from it with the natal latitude and obliquity. The MC is the meridian's
point and the meridian turns with right ascension, so this keeps the
progressed MC on the progressed meridian and the Asc consistent with it, where
the Sun's arc in longitude added to the MC would not. arc is that arc.
)");

const char kDirectionsAbout[] =
    QT_TRANSLATE_NOOP("CliHelp",
                      R"(Solar arc directions: every natal point (the ten bodies, Asc and MC) moved
forwards by the solar arc, the progressed Sun's longitude (one day after birth
for each year of life, by the precise table) less the Sun's at birth. arc is
that arc, in degrees.
)");

const char kSynastryHelp[] = QT_TRANSLATE_NOOP(
    "CliHelp",
    R"(Usage: starloom-cli synastry A.act B.act [--json] [--positions METHOD] [--houses SYSTEM]

Compares two readings: both charts' positions (each point of B with the house
of A it falls in) and every aspect between a point of A and a point of B (the
ten bodies, Asc and MC), with the natal orbs 8, 8, 7, 7 and 5 degrees (2 more
for the Sun and the Moon), applying or separating as both charts moved at
birth. With --json, one object: kind ("synastry"), first (A) and second (B),
each with name, universal_time, positions, bodies (as the reading's; B's house
is A's house it falls in) and angles (asc, mc), and aspects (a: A's point, b:
B's point, aspect, orb, applying).

)");

// The help made of `parts`, each in the chosen language.
std::string HelpOf(std::initializer_list<const char *> parts) {
    std::string help;
    for (const char *part : parts)
        help += Utf8(QCoreApplication::translate("CliHelp", part));
    return help;
}

void Print(const std::string &text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// Input refused: `message` is the whole sentence, `subject` the option or file it concerns.
Status Refused(std::string message, std::string subject = std::string()) {
    return Failure(StatusCode::Refused, std::move(subject), std::move(message));
}

Status Refused(const QString &message, std::string subject = std::string()) {
    return Refused(Utf8(message), std::move(subject));
}

int Refuse(const QString &message) {
    return Report(Refused(message));
}

// "missing --date": an option or argument that must be given.
QString Missing(const std::string &what) {
    return CliMessages::tr("missing %1").arg(QString::fromStdString(what));
}

const std::vector<OptionRule> kBirthOptions = {
    {"--date", true},  {"--time", true},    {"--zone", true}, {"--dst", false},
    {"--lat", true},   {"--lon", true},     {"--name", true}, {"--city", true},
    {"--state", true}, {"--country", true}, {"--place", true}};

const OptionRule kPositionsOption = {"--positions", true};
const OptionRule kHousesOption = {"--houses", true};

// Every house system's command-line name, "a, b, ... or z".
QString HouseSystemNameList() {
    QStringList names;
    for (const HouseSystem system : kHouseSystems)
        names << QString::fromUtf8(HouseSystemName(system));
    const QString last = names.takeLast();
    return CliMessages::tr("%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

// The method --positions names and the system --houses names; standard and whole signs when
// they are not given. Refused for any other value.
Status ChoiceOfArguments(const Arguments &args, ChartChoice &choice) {
    choice = {};
    if (args.has("--positions")) {
        const std::optional<PositionMethod> named =
            PositionMethodFromName(args.value("--positions"));
        if (!named)
            return Refused(CliMessages::tr("--positions must be standard or precise"),
                           "--positions");
        choice.Method = *named;
    }
    if (args.has("--houses")) {
        const std::optional<HouseSystem> named = HouseSystemFromName(args.value("--houses"));
        if (!named)
            return Refused(CliMessages::tr("--houses must be %1").arg(HouseSystemNameList()),
                           "--houses");
        choice.Houses = *named;
    }
    return Success();
}

std::vector<OptionRule> With(std::vector<OptionRule> rules, std::vector<OptionRule> more) {
    rules.insert(rules.end(), more.begin(), more.end());
    rules.push_back({"--help", false});
    return rules;
}

bool AnyBirthOption(const Arguments &args) {
    return std::any_of(kBirthOptions.begin(), kBirthOptions.end(),
                       [&args](const OptionRule &rule) { return args.has(rule.name); });
}

// Parses the command's arguments; prints the help and returns true with `status` 0 when
// --help is among them.
bool ParseOrHelp(const std::vector<std::string> &args, const std::vector<OptionRule> &rules,
                 const std::string &help, Arguments &parsed, int &status) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        Print(help);
        status = kExitOk;
        return false;
    }
    const Status parsing = ParseArguments(args, rules, parsed);
    status = Report(parsing);
    return parsing.ok();
}

bool ExpectPositionals(const Arguments &args, std::size_t count, const char *what, int &status) {
    if (args.positionals.size() != count) {
        status = Refuse(args.positionals.size() < count
                            ? Missing(what)
                            : CliMessages::tr("unexpected argument '%1'")
                                  .arg(QString::fromStdString(args.positionals[count])));
        return false;
    }
    return true;
}

// The values of the birth options, or of --from's reading file.
Status ValuesFromOptionsOrFile(const Arguments &args, FormValues &values) {
    if (args.has("--from")) {
        if (AnyBirthOption(args))
            return Refused(CliMessages::tr("--from cannot be combined with birth details"),
                           "--from");
        return FormValuesFromReadingFile(args.value("--from"), values);
    }
    return FormValuesFromOptions(args, values);
}

// The command's birth, from its options (or --from's reading file where the command takes
// one), checked and calculated as the form does. Null after the refusal has been printed,
// with its exit status in `status`.
std::unique_ptr<Reading> ReadingOfArguments(const Arguments &args, bool fileAllowed, int &status) {
    FormValues values;
    TimeSource source;
    ChartChoice choice;
    std::unique_ptr<Reading> reading;
    Status read = ChoiceOfArguments(args, choice);
    if (read.ok())
        read = fileAllowed && args.has("--from") ? ValuesFromOptionsOrFile(args, values)
                                                 : FormValuesFromOptions(args, values, &source);
    if (read.ok())
        read = CalculateReading(values, reading, choice);
    if (!read.ok()) {
        status = Report(read);
        return nullptr;
    }
    reading->source = std::move(source);
    // A clock time the clocks skipped or repeated is read by a rule; say which.
    if (!reading->source.timeNote.isEmpty()) {
        const std::string line =
            "starloom-cli: " + Utf8(CliMessages::tr("note: %1").arg(reading->source.timeNote)) +
            "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    return reading;
}

int WriteFile(const std::string &path, const QByteArray &bytes) {
    return Report(WriteWholeFile(QString::fromStdString(path), bytes));
}

int PrintReading(const Reading &reading, bool json) {
    const ZoneUsed zone{reading.values.zonePosition, &reading.source};
    if (json)
        Print(ReadingJson(reading.state, reading.outcome, zone)
                  .dump(2, ' ', false, Json::error_handler_t::replace) +
              "\n");
    else
        Print(ReadingText(reading.state, reading.outcome, zone));
    return kExitOk;
}

int ReadingCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args,
                     With(kBirthOptions, {{"--json", false}, kPositionsOption, kHousesOption}),
                     HelpOf({kReadingHelp, kPositionsHelp, kHousesHelp, "\n", kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 0, "", status))
        return status;
    const std::unique_ptr<Reading> reading = ReadingOfArguments(parsed, false, status);
    if (reading == nullptr)
        return status;
    return PrintReading(*reading, parsed.has("--json"));
}

int OpenCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With({}, {{"--json", false}}), HelpOf({kOpenHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 1, "FILE.act", status))
        return status;
    FormValues values;
    std::unique_ptr<Reading> reading;
    Status read = FormValuesFromReadingFile(parsed.positionals[0], values);
    if (read.ok())
        read = CalculateReading(values, reading);
    if (!read.ok())
        return Report(read);
    return PrintReading(*reading, parsed.has("--json"));
}

int SaveCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With(kBirthOptions, {}), HelpOf({kSaveHelp, kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 1, "FILE.act", status))
        return status;
    const std::unique_ptr<Reading> reading = ReadingOfArguments(parsed, false, status);
    if (reading == nullptr)
        return status;
    // Line 7 is the zone list's position, which the form keeps while the chart is shown.
    return WriteFile(parsed.positionals[0],
                     EncodeReadingFile(reading->state.Birth, reading->values.zonePosition));
}

int ExportCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With(kBirthOptions, {{"--from", true}, kPositionsOption, kHousesOption}),
                     HelpOf({kExportHelp, kPositionsHelp, kHousesHelp, "\n", kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 1, "FILE.txt", status))
        return status;
    const std::unique_ptr<Reading> reading = ReadingOfArguments(parsed, true, status);
    if (reading == nullptr)
        return status;
    return WriteFile(parsed.positionals[0],
                     MakeTextExport(reading->state.Birth, reading->state.Chart));
}

int ImageCommand(const std::vector<std::string> &args, const Drawing &drawing) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With(kBirthOptions, {{"--from", true}, kPositionsOption, kHousesOption}),
                     HelpOf({kImageHelp, kPositionsHelp, kHousesHelp, "\n", kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 1, "FILE.jpg", status))
        return status;
    // The program's own dialog always hands back a file's name; a name that is empty or
    // names a folder would put the image somewhere the user did not ask for.
    const std::string &name = parsed.positionals[0];
    const std::string last = name.substr(name.find_last_of('/') + 1);
    if (name.empty())
        return Refuse(CliMessages::tr("the image's file name is empty"));
    if (last.empty() || last == "." || last == ".." ||
        QFileInfo(QString::fromStdString(name)).isDir())
        return Refuse(CliMessages::tr("%1: names a folder, not an image file")
                          .arg(QString::fromStdString(name)));
    FormValues values;
    ChartChoice choice;
    Status read = ChoiceOfArguments(parsed, choice);
    if (read.ok())
        read = ValuesFromOptionsOrFile(parsed, values);
    if (read.ok())
        read = CheckFormValues(values);
    if (!read.ok())
        return Report(read);
    if (!drawing.saveImage)
        return Refuse(CliMessages::tr("image: this build of the tool draws no images"));
    return Report(drawing.saveImage(values, parsed.positionals[0], choice));
}

int PdfCommand(const std::vector<std::string> &args, const Drawing &drawing) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With(kBirthOptions, {{"--from", true}, kPositionsOption, kHousesOption}),
                     HelpOf({kPdfHelp, kPositionsHelp, kHousesHelp, "\n", kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 1, "FILE.pdf", status))
        return status;
    const std::unique_ptr<Reading> reading = ReadingOfArguments(parsed, true, status);
    if (reading == nullptr)
        return status;
    if (!drawing.writePdf)
        return Refuse(CliMessages::tr("pdf: this build of the tool draws no documents"));
    return Report(drawing.writePdf(*reading, parsed.positionals[0]));
}

// Whether a file can be written at `path`: the file writer is opened there (making its
// unnamed file in the folder, or refusing a folder, device or pipe) and dropped. For an
// output made only after long work, so that a missing or read-only folder is reported
// before the work rather than after it.
Status CanBeWritten(const std::string &path) {
    WholeFileWriter probe(QString::fromStdString(path), NodeTarget::Refuse);
    Status opened = probe.open();
    probe.cancel();
    return opened;
}

// A progress line while rows are worked: on a terminal, unless --quiet.
bool ShowsProgress(const Arguments &parsed) {
    return !parsed.has("--quiet") && ::isatty(STDERR_FILENO);
}

// --threads, or the number of processors.
Status ThreadsOfArguments(const Arguments &parsed, int &threads) {
    threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostThreads);
    if (!parsed.has("--threads"))
        return Success();
    const std::string text = parsed.value("--threads");
    const bool digits =
        !text.empty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    threads = digits ? std::stoi(text) : 0;
    if (threads >= 1 && threads <= kMostThreads)
        return Success();
    return Refused(
        CliMessages::tr("--threads must be a whole number from 1 to %1").arg(kMostThreads),
        "--threads");
}

int BatchCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args,
                     With({}, {{"--threads", true},
                               {"--out", true},
                               {"--format", true},
                               {"--quiet", false},
                               kPositionsOption,
                               kHousesOption}),
                     HelpOf({kBatchHelp, kPositionsHelp, kHousesHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 1, "IN.csv", status))
        return status;
    BatchOptions options;
    if (const Status chosen = ChoiceOfArguments(parsed, options.chart); !chosen.ok())
        return Report(chosen);
    options.input = parsed.positionals[0];
    options.output = parsed.value("--out");
    if (const Status threads = ThreadsOfArguments(parsed, options.threads); !threads.ok())
        return Report(threads);
    if (parsed.has("--out") && options.output.empty())
        return Refuse(CliMessages::tr("--out needs a file name"));
    if (parsed.has("--format")) {
        const std::string format = parsed.value("--format");
        if (format != "jsonl" && format != "csv")
            return Refuse(CliMessages::tr("--format must be jsonl or csv"));
        options.format = format == "csv" ? BatchFormat::Csv : BatchFormat::JsonLines;
    }
    // Lines going to the terminal show the batch's progress themselves.
    options.progress =
        ShowsProgress(parsed) && !(options.output.empty() && ::isatty(STDOUT_FILENO));
    bool rowsFailed = false;
    if (const Status run = RunBatch(options, rowsFailed); !run.ok())
        return Report(run);
    return rowsFailed ? kExitRowsFailed : kExitOk;
}

int StatsCommand(const std::vector<std::string> &args, const Drawing &drawing) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(
            args,
            With({}, {{"--threads", true}, kPositionsOption, kHousesOption, {"--plot", true}}),
            HelpOf({kStatsHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 1, "IN.csv", status))
        return status;
    StatsOptions options;
    options.input = parsed.positionals[0];
    Status chosen = ChoiceOfArguments(parsed, options.chart);
    if (chosen.ok())
        chosen = ThreadsOfArguments(parsed, options.threads);
    if (!chosen.ok())
        return Report(chosen);
    options.progress = ShowsProgress(parsed);
    if (parsed.has("--plot") && parsed.value("--plot").empty())
        return Refuse(CliMessages::tr("--plot needs a file name"));
    if (parsed.has("--plot") && !drawing.writeStatsPlot)
        return Refuse(CliMessages::tr("--plot: this build of the tool draws no charts"));
    if (parsed.has("--plot")) {
        if (const Status writable = CanBeWritten(parsed.value("--plot")); !writable.ok())
            return Report(writable);
    }
    StatsResult result;
    if (const Status counted = CountBirths(options, result); !counted.ok())
        return Report(counted);
    if (parsed.has("--plot")) {
        if (const Status plotted = drawing.writeStatsPlot(result, parsed.value("--plot"));
            !plotted.ok())
            return Report(plotted);
    }
    Print(StatsText(result));
    return result.refused > 0 ? kExitRowsFailed : kExitOk;
}

int ZonesCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With({}, {}), HelpOf({kZonesHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 0, "", status))
        return status;
    std::string text;
    for (const int position : ZoneListOrder()) {
        char number[8];
        std::snprintf(number, sizeof number, "%3d  ", position);
        text += number + ZoneListText(position).toStdString() + '\n';
    }
    Print(text);
    return kExitOk;
}

int HousesCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With({}, {}), HelpOf({kHousesListHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 0, "", status))
        return status;
    std::string text;
    for (const HouseSystem system : kHouseSystems) {
        std::string name(HouseSystemName(system));
        name.resize(15, ' ');
        text += name + HouseSystemWord(system).toStdString() + '\n';
    }
    Print(text);
    return kExitOk;
}

// The moment an option names (a date alone: its midnight, or with `endOfDay` the one that
// ends it), refused when missing or malformed.
Status MomentOption(const Arguments &args, const char *name, bool endOfDay, double &day) {
    if (!args.has(name))
        return Refused(Missing(name), name);
    if (std::string reason; !ParseUniversalMoment(args.value(name), endOfDay, day, reason))
        return Refused(std::string(name) + ": " + reason, name);
    return Success();
}

// Two charts and their cross aspects, as text or as the JSON object (indented as the
// reading's).
int PrintSecondChart(const ChartPair &pair, bool json) {
    Print(json ? SecondChartJson(pair).dump(2, ' ', false, Json::error_handler_t::replace) + "\n"
               : SecondChartText(pair));
    return kExitOk;
}

int TransitsCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args,
                     With(kBirthOptions, {{"--from", true},
                                          {"--start", true},
                                          {"--end", true},
                                          {"--json", false},
                                          kPositionsOption,
                                          kHousesOption}),
                     HelpOf({kTransitsHelp, kPositionsHelp, kHousesHelp, "\n", kBirthHelp}), parsed,
                     status) ||
        !ExpectPositionals(parsed, 0, "", status))
        return status;
    double from = 0;
    double to = 0;
    Status moments = MomentOption(parsed, "--start", false, from);
    if (moments.ok())
        moments = MomentOption(parsed, "--end", true, to);
    if (!moments.ok())
        return Report(moments);
    if (to < from)
        return Refuse(CliMessages::tr("--end lies before --start"));
    if (from < PreciseFirstDay() || to > PreciseLastDay())
        return Refuse(CliMessages::tr("transits are computed from the precise table: --start and "
                                      "--end must lie within %1")
                          .arg(QString::fromStdString(PreciseSpanText())));
    const std::unique_ptr<Reading> reading = ReadingOfArguments(parsed, true, status);
    if (reading == nullptr)
        return status;
    PrintTransitEvents(reading->outcome.Chart, from, to, parsed.has("--json"));
    return kExitOk; // a failed write is reported with the output's final flush
}

// The progressions and directions commands: the date of birth is --birth-date, since --date
// names the date the chart is made for.
int MovingChartCommand(const std::vector<std::string> &args, SecondChartKind kind) {
    const bool progressions = kind == SecondChartKind::Progressions;
    std::vector<OptionRule> birthOptions;
    for (const OptionRule &rule : kBirthOptions)
        birthOptions.push_back(std::string(rule.name) == "--date" ? OptionRule{"--birth-date", true}
                                                                  : rule);
    const std::string help =
        HelpOf({progressions ? kProgressionsUsage : kDirectionsUsage,
                progressions ? kProgressionsAbout : kDirectionsAbout, kMovingChartHelp,
                kPositionsHelp, kHousesHelp, "\n", kBirthHelp});
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args,
                     With(birthOptions, {{"--from", true},
                                         {"--date", true},
                                         {"--json", false},
                                         kPositionsOption,
                                         kHousesOption}),
                     help, parsed, status) ||
        !ExpectPositionals(parsed, 0, "", status))
        return status;
    double target = 0;
    if (const Status moment = MomentOption(parsed, "--date", false, target); !moment.ok())
        return Report(moment);
    // The birth's options as the other commands take them.
    Arguments birth = parsed;
    birth.values.erase("--date");
    if (parsed.has("--birth-date")) {
        birth.values["--date"] = parsed.value("--birth-date");
        birth.values.erase("--birth-date");
    } else if (!parsed.has("--from")) {
        return Refuse(Missing("--birth-date"));
    }
    const std::unique_ptr<Reading> reading = ReadingOfArguments(birth, true, status);
    if (reading == nullptr)
        return status;
    ChartPair pair;
    pair.kind = kind;
    pair.first = &reading->outcome.Chart;
    pair.firstName = reading->state.Birth.BirthName;
    pair.secondName = pair.firstName;
    pair.targetDay = target;
    const bool made = progressions ? ProgressedChart(*pair.first, target, pair.second)
                                   : SolarArcChart(*pair.first, target, pair.second);
    if (!made)
        return Refuse(
            CliMessages::tr("--date: the progressed moment must lie within the precise table, %1")
                .arg(QString::fromStdString(PreciseSpanText())));
    pair.aspects = CrossAspects(*pair.first, pair.second, kMovingChartOrbs);
    return PrintSecondChart(pair, parsed.has("--json"));
}

int ProgressionsCommand(const std::vector<std::string> &args) {
    return MovingChartCommand(args, SecondChartKind::Progressions);
}

int DirectionsCommand(const std::vector<std::string> &args) {
    return MovingChartCommand(args, SecondChartKind::Directions);
}

int SynastryCommand(const std::vector<std::string> &args) {
    Arguments parsed;
    int status = kExitOk;
    if (!ParseOrHelp(args, With({}, {{"--json", false}, kPositionsOption, kHousesOption}),
                     HelpOf({kSynastryHelp, kPositionsHelp, kHousesHelp}), parsed, status) ||
        !ExpectPositionals(parsed, 2, "A.act and B.act", status))
        return status;
    ChartChoice choice;
    if (const Status chosen = ChoiceOfArguments(parsed, choice); !chosen.ok())
        return Report(chosen);
    std::unique_ptr<Reading> readings[2];
    for (int i = 0; i < 2; ++i) {
        const std::string &path = parsed.positionals[i];
        FormValues values;
        if (const Status read = FormValuesFromReadingFile(path, values); !read.ok())
            return Report(read);
        // Two files: the form's refusal says which one it is about.
        if (const Status read = CalculateReading(values, readings[i], choice); !read.ok())
            return Refuse(QString::fromStdString(path + ": " + StatusLine(read)));
    }
    ChartPair pair;
    pair.kind = SecondChartKind::Synastry;
    pair.first = &readings[0]->outcome.Chart;
    pair.firstName = readings[0]->state.Birth.BirthName;
    pair.secondNatal = &readings[1]->outcome.Chart;
    pair.secondName = readings[1]->state.Birth.BirthName;
    pair.second = SynastryChart(*pair.secondNatal);
    pair.aspects = CrossAspects(*pair.first, pair.second, readings[0]->state.Orbs);
    return PrintSecondChart(pair, parsed.has("--json"));
}

struct Command {
    const char *name;
    std::function<int(const std::vector<std::string> &)> run;
};

} // namespace

bool Arguments::has(const std::string &name) const {
    return values.count(name) > 0 || std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::string Arguments::value(const std::string &name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

Status ParseArguments(const std::vector<std::string> &args, const std::vector<OptionRule> &rules,
                      Arguments &parsed) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&name](const OptionRule &s) { return name == s.name; });
        if (rule == rules.end())
            return Refused(CliMessages::tr("unknown option '%1'").arg(QString::fromStdString(name)),
                           name);
        if (parsed.has(name))
            return Refused(CliMessages::tr("%1 given twice").arg(QString::fromStdString(name)),
                           name);
        if (!rule->takesValue) {
            if (equals != std::string::npos)
                return Refused(
                    CliMessages::tr("%1 takes no value").arg(QString::fromStdString(name)), name);
            parsed.flags.push_back(name);
            continue;
        }
        if (equals != std::string::npos) {
            parsed.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            return Refused(CliMessages::tr("%1 needs a value").arg(QString::fromStdString(name)),
                           name);
        }
    }
    return Success();
}

Status FormValuesFromOptions(const Arguments &args, FormValues &values, TimeSource *source) {
    FormValues result;
    TimeSource given;
    const AtlasPlace *place = nullptr;
    std::string error;
    if (args.has("--place")) {
        place = FindPlace(args.value("--place"), error);
        if (place == nullptr)
            return Refused(error, "--place");
        SetPlaceCoordinates(*place, result);
        given.place = *place;
    }
    const struct {
        const char *name;
        bool (*set)(std::string_view, FormValues &, std::string &);
        bool fromPlace; // a --place option gives it
    } options[] = {{"--date", SetDate, false},
                   {"--time", SetTime, false},
                   {"--zone", SetZone, true},
                   {"--lat", SetLatitude, true},
                   {"--lon", SetLongitude, true}};
    for (const auto &option : options) {
        if (!args.has(option.name)) {
            if (place != nullptr && option.fromPlace)
                continue;
            return Refused(Missing(option.name), option.name);
        }
        std::string reason;
        if (!option.set(args.value(option.name), result, reason))
            return Refused(std::string(option.name) + ": " + reason, option.name);
    }
    result.dst = args.has("--dst");
    if (place != nullptr && !args.has("--zone") && !SetPlaceZone(*place, result, given, error))
        return Refused(error, "--place");
    // The letters-only boxes' rule, with the form's message for a refused key; a place the
    // atlas gives is taken as the atlas writes it.
    for (const char *name : {"--name", "--city", "--state", "--country"}) {
        if (args.has(name) && !IsNameText(QString::fromStdString(args.value(name))))
            return Refused(
                CliMessages::tr("%1: Please enter only letters").arg(QLatin1String(name)), name);
    }
    const auto text = [&args](const char *name, std::string_view fallback) {
        const std::string given = args.has(name) ? args.value(name) : std::string(fallback);
        return QString::fromStdString(given);
    };
    result.name = text("--name", kDefaultName);
    result.city =
        args.has("--city") || place == nullptr ? text("--city", kDefaultPlace) : place->name;
    result.state =
        args.has("--state") || place == nullptr ? text("--state", kDefaultPlace) : place->state;
    result.country = args.has("--country") || place == nullptr ? text("--country", kDefaultPlace)
                                                               : place->country;
    values = std::move(result);
    if (source != nullptr)
        *source = std::move(given);
    return Success();
}

Status FormValuesFromReadingFile(const std::string &path, FormValues &values) {
    QStringList lines;
    if (Status read = ReadReadingFile(QString::fromStdString(path), lines); !read.ok())
        return read;
    FormValues result;
    ApplyReadingFile(lines, result);
    values = std::move(result);
    return Success();
}

Status CalculateReading(const FormValues &values, std::unique_ptr<Reading> &reading,
                        ChartChoice choice) {
    if (Status refused = CheckFormValues(values); !refused.ok())
        return refused;
    auto made = std::make_unique<Reading>();
    made->values = values;
    made->state.Method = choice.Method;
    made->state.Houses = choice.Houses;
    made->outcome = RunReading(made->values, made->state);
    reading = std::move(made);
    return Success();
}

namespace {

int Dispatch(const std::vector<std::string> &args, const Drawing &drawing) {
    auto drawn = [&drawing](int (*command)(const std::vector<std::string> &, const Drawing &)) {
        return [&drawing, command](const std::vector<std::string> &rest) {
            return command(rest, drawing);
        };
    };
    const Command commands[] = {
        {"reading", ReadingCommand}, {"open", OpenCommand},          {"save", SaveCommand},
        {"export", ExportCommand},   {"image", drawn(ImageCommand)}, {"pdf", drawn(PdfCommand)},
        {"batch", BatchCommand},     {"zones", ZonesCommand},        {"stats", drawn(StatsCommand)},
        {"houses", HousesCommand},
    };
    // The second charts over a reading.
    const Command secondCharts[] = {{"transits", TransitsCommand},
                                    {"progressions", ProgressionsCommand},
                                    {"directions", DirectionsCommand},
                                    {"synastry", SynastryCommand}};
    if (args.empty())
        return Refuse(CliMessages::tr("missing command (see 'starloom-cli --help')"));
    if (args[0] == "--help") {
        Print(HelpOf({kUsage}));
        return kExitOk;
    }
    if (args[0] == "--version") {
        Print("starloom-cli " STARLOOM_VERSION "\n");
        return kExitOk;
    }
    for (const Command &command : commands) {
        if (args[0] == command.name)
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    for (const Command &command : secondCharts) {
        if (args[0] == command.name)
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    return Refuse(CliMessages::tr("unknown command '%1' (see 'starloom-cli --help')")
                      .arg(QString::fromStdString(args[0])));
}

} // namespace

int RunCommand(const std::vector<std::string> &args, const Drawing &drawing) {
    // Every command but batch (which checks its own writes) prints far less than this, so
    // its whole output is written by the final flush below, whose error is then the
    // system's real reason rather than a failure left over from an earlier write.
    // The C library sizes a buffer it allocates itself by the device, so the stream is
    // given one; it must outlive every write, the one at exit included.
    constexpr std::size_t kOutputBuffer = 1 << 20; // bytes
    static char outputBuffer[kOutputBuffer];
    std::setvbuf(stdout, outputBuffer, _IOFBF, kOutputBuffer);
    const int status = Dispatch(args, drawing);
    // Output that did not reach its reader is a failure, whatever the command made of it: a
    // full disk behind a redirection, a closed pipe or terminal. The buffered rest is
    // written here, and its error is the one to report.
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if ((!flushed || std::ferror(stdout)) && status != kExitRefused) {
        std::clearerr(stdout);
        return Refuse(
            CliMessages::tr("standard output: %1")
                .arg(reason != 0 ? SystemReason(reason) : CliMessages::tr("write error")));
    }
    return status;
}

namespace {

// Takes `--lang CODE` (or `--lang=CODE`) out of the arguments, wherever it stands, and says
// what it gave: nothing when absent; an empty code when it lacks its value.
std::optional<std::string> TakeLanguageOption(std::vector<std::string> &args) {
    const std::string option = "--lang";
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == option) {
            const bool valued = it + 1 != args.end();
            std::string code = valued ? *(it + 1) : std::string();
            args.erase(it, valued ? it + 2 : it + 1);
            return code;
        }
        if (it->rfind(option + "=", 0) == 0) {
            std::string code = it->substr(option.size() + 1);
            args.erase(it);
            return code;
        }
    }
    return std::nullopt;
}

} // namespace

int Main(int argc, char *argv[], const Drawing &drawing) {
    ReportFileSizeLimitAsError();
    // A standard stream started closed keeps its number taken, by the null device opened
    // the wrong way round: using the stream then fails with a clear error, and no file the
    // tool opens later can take its number and receive its output by mistake.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (opened >= 0 && opened != fd) {
                ::dup2(opened, fd);
                ::close(opened);
            }
        }
    }
    // Every reading may need the built-in table of precise positions: the tool does not run
    // on a damaged one.
    if (const Status table = StatusOf(PreciseTableStatus()); !table.ok())
        return Report(table);
    // The tool reports its own errors, one line each; Qt's notes about the offscreen
    // platform and the environment are not for its users.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "starloom-cli: %s\n", qPrintable(text));
    });
    // The arguments are taken before the application object exists, so that none of them
    // is read as an option of Qt's own.
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<std::string> language = TakeLanguageOption(args);
    // The commands that draw bring their own GUI application; the others need no display
    // and none of Qt's GUI modules.
    std::unique_ptr<QCoreApplication> app;
    if (drawing.application)
        app = drawing.application(argc, argv, args);
    if (app == nullptr)
        app = std::make_unique<QCoreApplication>(argc, argv);
    // Without --lang the tool speaks the system's language, as the desktop program does; a
    // code that does not ship is refused in that language.
    const QString code = language ? QString::fromStdString(*language) : SystemLanguage();
    if (!UseLanguage(code)) {
        UseLanguage(SystemLanguage());
        return Refuse(CliMessages::tr("unknown language '%1' for --lang (shipped: %2)")
                          .arg(code, ShippedLanguageCodes().join(QStringLiteral(", "))));
    }
    return RunCommand(args, drawing);
}

} // namespace starloom::cli
