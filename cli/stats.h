// Counts over a batch of births: how often each planetary pattern, each shape by degrees
// and each leading planet occurs, as text tables and as a bar chart.
//
// Every table is one entry of StatsCounters(): a title, its categories and how one reading
// adds to their counts. A new kind of count is one more entry there; the reading of the
// input, the text and the chart follow from it.
#pragma once

#include "cli/row_pipeline.h"
#include "engine/status.h"
#include "reading/driver.h"
#include "reading/reading_state.h"

#include <QCoreApplication>
#include <QString>

#include <span>
#include <string>
#include <vector>

namespace starloom::cli {

// One kind of count.
struct StatsCounter {
    std::string title;
    std::string note; // what a share is of, or how a reading may count more than once
    std::vector<std::string> labels;
    // Adds one reading to `counts` (one slot per label).
    void (*count)(const RowReading &row, std::span<long long> counts);
};

// Titles and notes are the English source texts; StatsTitle and StatsNote give them in the
// chosen language.
inline constexpr const char *kLeadingPlanetsTitle =
    QT_TRANSLATE_NOOP("CliOutput", "Leading planets");

// The counts the stats command makes, in the order it prints them.
const std::vector<StatsCounter> &StatsCounters();

struct StatsTable {
    std::string title;
    std::string note;
    std::vector<std::string> labels;
    std::vector<long long> counts;
};

struct StatsResult {
    long long readings = 0; // rows read and calculated
    long long refused = 0;  // rows malformed or refused by the form
    std::vector<StatsTable> tables;
};

struct StatsOptions {
    std::string input;     // a file, or "-" for standard input
    int threads = 1;       // worker threads, 1 or more
    ChartChoice chart;     // positions method and house system
    bool progress = false; // a progress line on standard error while the rows run
};

// Reads the batch CSV (the batch command's header and rows) through the batch's row
// pipeline and counts its readings. Rows that are malformed or refused are counted and the
// reasons of the first few, in input order, written to standard error. False, with `error`
// set, when the input cannot be read or its first line is not the header.
Status CountBirths(const StatsOptions &options, StatsResult &result);

// A table's title and note in the chosen language.
std::string StatsTitle(const StatsTable &table);
std::string StatsNote(const StatsTable &table);

// The tables as text: count and share of the readings for each category.
std::string StatsText(const StatsResult &result);

// The tables as a bar chart in an SVG file; WriteFailed when the file cannot be written.
// Needs a QGuiApplication.
Status WriteStatsPlot(const StatsResult &result, const QString &path);

// The share of `count` in `total` as a percentage with one decimal ("12.5%", "12,5%" in
// German), "-" when the total is 0; in English the same whatever the system's locale.
std::string ShareText(long long count, long long total);

} // namespace starloom::cli
