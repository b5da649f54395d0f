// The interpretation report as text runs.
#include "patterns/report.h"

#include <algorithm>
#include <string_view>

namespace starloom {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kRunsPerBlock = 7; // the name, and a heading and a text three times

void Append(ReportRuns &runs, ReportColour colour, bool bold, std::string_view text,
            std::string_view ending) {
    std::string piece;
    piece.reserve(text.size() + ending.size());
    piece += text;
    piece += ending;
    runs.push_back(ReportRun{std::move(piece), colour, bold});
}

// A bold heading on its own line, then the text under it in the same colour.
void AppendSection(ReportRuns &runs, ReportColour colour, std::string_view heading,
                   std::string_view text, std::string_view ending) {
    Append(runs, colour, true, heading, kLineEnd);
    Append(runs, colour, false, text, ending);
}

} // namespace

ReportRuns BuildPatternReport(const std::array<bool, kPatternCount> &PatternFlags) {
    ReportRuns runs;
    runs.reserve(kRunsPerBlock * static_cast<std::size_t>(
                                     std::count(PatternFlags.begin(), PatternFlags.end(), true)));
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (!PatternFlags[slot])
            continue;
        const PatternText &pattern = PatternTable[slot];
        Append(runs, kNameColour, true, pattern.Name, kLineEnd);
        AppendSection(runs, kDescriptionColour, "Pattern", pattern.Description, kLineEnd);
        AppendSection(runs, kPositiveColour, "Positive Attributes", pattern.Positive, kLineEnd);
        // The empty line after the negative attributes separates one block from the next.
        AppendSection(runs, kNegativeColour, "Negative Attributes", pattern.Negative, "\r\n\r\n");
    }
    return runs;
}

std::string ReportPlainText(const ReportRuns &runs) {
    std::string text;
    for (const ReportRun &run : runs)
        text += run.Text;
    return text;
}

} // namespace starloom
