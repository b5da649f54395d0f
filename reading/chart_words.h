// The astrological words and the interpretation texts in the reader's language.
//
// The engine and the pattern classifier keep their names and texts in English, the
// program's source language, and without Qt; the windows, the printed sheet and the
// command-line tool's text output show them through these functions, which look each one
// up in the translators installed (QCoreApplication::translate) at the moment it is shown.
// Names are in the context "Astrology", the interpretation texts in "Patterns". With no
// translator, or in English, every result is the engine's own text byte for byte.
// Machine-readable output (JSON, reading files, batch lines) never comes through here.
#pragma once

#include "engine/aspects.h"
#include "engine/houses.h"
#include "engine/natal_chart.h"
#include "engine/tables.h"
#include "patterns/degree_pattern.h"
#include "patterns/report.h"

#include <QString>

#include <array>
#include <string_view>

namespace starloom {

// An English name of the "Astrology" context in the reader's language: any of the names
// below given as the engine writes it ("Cancer", "Placidus", "Bundle").
QString AstrologyWord(std::string_view english);

// "Aries" .. "Pisces" for 0..11; empty outside.
QString SignWord(int sign);

// The three-letter abbreviation of the positions ("Ari" .. "Pis") for 0..11; empty outside.
QString SignAbbreviationWord(int sign);

// A position in the chart form ("23 Can 49", the sign in characters 4 to 6) or in the
// degree form ("15° 30' 0\" Tau", the sign last) with its sign abbreviation in the reader's
// language; any other text as it is.
QString PositionWords(std::string_view position);

// An aspect point: 0 = Sun .. 9 = Pluto, 10 = "Asc", 11 = "MC" (the chart bodies are the
// first eleven); empty outside.
QString BodyWord(int point);

// A chart body's name as the positions and the wheel show it, its retrograde mark kept
// ("Mercury (R) "): the body's name in the reader's language and what follows it in
// `marked`; a text that does not start with one of the eleven names as it is.
QString MarkedBodyWord(std::string_view marked);

// The wheel's cells (ArrangeWheel: one marked body name, or "Asc", a line each, every line
// begun by CR LF) with each name in the reader's language.
std::array<QString, kSignCount> WheelCellWords(const std::array<QString, kSignCount> &cells);

// The ascendant and the midheaven written out ("Ascendant", "Midheaven"), for texts read
// aloud: 10 and 11 as in BodyWord, the planets as there.
QString SpokenPointWord(int point);

// "North Node" or "South Node".
QString NodeWord(bool north);

// A transiting body: 0..9 as BodyWord, 10 the North Node.
QString TransitBodyWord(int body);

// "conjunction", "opposition", "trine", "square", "sextile", in lower case as the engine
// names them (a window that starts a line with one capitalises it).
QString AspectWord(AspectKind kind);

// "Whole Sign", "Placidus", ...: the title of a house system.
QString HouseSystemWord(HouseSystem system);

// HouseFallbackNote and PositionsNote in the reader's language: why a chart's houses are
// not of the system asked for, and that its positions come from the precise table; empty
// when there is nothing to note.
QString HouseFallbackNoteWords(const HouseCusps &houses, double latitudeDegrees);
QString HousesNoteWords(const NatalChart &chart);
QString PositionsNoteWords(const NatalChart &chart);

// The interpretation report of BuildPatternReport with its texts in the reader's language:
// the same runs, colours and line ends (UTF-8 texts).
ReportRuns PatternReportWords(const std::array<bool, kPatternCount> &PatternFlags);

// DegreePatternName, DegreePatternText, PlanetRoleText, LeadingPlanetNames and
// LeadingPlanetSentence in the reader's language. The sentence is made from a whole
// translatable wording with placeholders for the planets' names and roles, so that a
// language may put them where its grammar wants them.
QString DegreePatternWord(DegreePattern pattern);
QString DegreePatternTextWords(DegreePattern pattern);
QString PlanetRoleWords(int body);
QString LeadingPlanetNamesWords(const DegreeShape &shape);
QString LeadingPlanetSentenceWords(const DegreeShape &shape);

} // namespace starloom
