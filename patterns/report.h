// The interpretation report of a chart's planetary patterns, as formatted text runs.
//
// The report is kept as data so that the report window can write it into its rich-text
// box and the command-line tool can print it without formatting.
#pragma once

#include "patterns/pattern_table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace starloom {

// A text colour, each channel 0..255.
struct ReportColour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    friend bool operator==(const ReportColour &, const ReportColour &) = default;
};

constexpr ReportColour kNameColour{0, 0, 255};          // blue: the pattern's name
constexpr ReportColour kDescriptionColour{0, 128, 128}; // dark cyan: "Pattern" and description
constexpr ReportColour kPositiveColour{128, 0, 0};      // dark red: positive attributes
constexpr ReportColour kNegativeColour{128, 0, 128};    // purple: negative attributes

// One piece of the report: text inserted after the previous piece in one colour, bold or
// not. Line ends inside the text are CR LF.
struct ReportRun {
    std::string Text;
    ReportColour Colour;
    bool Bold = false;
    friend bool operator==(const ReportRun &, const ReportRun &) = default;
};

using ReportRuns = std::vector<ReportRun>;

// The report for the given flags: one block per set flag, in slot order. A block is the
// name (bold), then under each of the headings "Pattern", "Positive Attributes" and
// "Negative Attributes" (bold) the matching text (not bold) in the heading's colour, and
// one empty line at its end. No flags give no runs.
ReportRuns BuildPatternReport(const std::array<bool, kPatternCount> &PatternFlags);

// The words of the report in the reader's language: the text to show (UTF-8) for one of
// its English texts, `context` being "Astrology" for a pattern's name and "Patterns" for
// the headings and the texts under them.
using ReportWords = std::string (*)(const char *context, std::string_view english);

// The same report with every text passed through `words`; runs, colours and line ends are
// the same as above.
ReportRuns BuildPatternReport(const std::array<bool, kPatternCount> &PatternFlags,
                              ReportWords words);

// The runs' texts joined, formatting dropped; line ends stay CR LF.
std::string ReportPlainText(const ReportRuns &runs);

} // namespace starloom
