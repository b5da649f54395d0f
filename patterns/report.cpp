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

} // namespace

ReportRuns BuildPatternReport(const std::array<bool, kPatternCount> &PatternFlags) {
    return BuildPatternReport(PatternFlags, nullptr);
}

ReportRuns BuildPatternReport(const std::array<bool, kPatternCount> &PatternFlags,
                              ReportWords words) {
    // Without `words` the table's own texts are used as they stand, copied once.
    std::string translated;
    const auto say = [&translated, words](const char *context,
                                          std::string_view english) -> std::string_view {
        if (words == nullptr)
            return english;
        translated = words(context, english);
        return translated;
    };
    ReportRuns runs;
    runs.reserve(kRunsPerBlock * static_cast<std::size_t>(
                                     std::count(PatternFlags.begin(), PatternFlags.end(), true)));
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (!PatternFlags[slot])
            continue;
        const PatternText &pattern = PatternTable[slot];
        Append(runs, kNameColour, true, say("Astrology", pattern.Name), kLineEnd);
        const auto section = [&](ReportColour colour, std::string_view heading,
                                 std::string_view text, std::string_view ending) {
            Append(runs, colour, true, say("Patterns", heading), kLineEnd);
            Append(runs, colour, false, say("Patterns", text), ending);
        };
        section(kDescriptionColour, STARLOOM_TEXT_NOOP("Patterns", "Pattern"), pattern.Description,
                kLineEnd);
        section(kPositiveColour, STARLOOM_TEXT_NOOP("Patterns", "Positive Attributes"),
                pattern.Positive, kLineEnd);
        // The empty line after the negative attributes separates one block from the next.
        section(kNegativeColour, STARLOOM_TEXT_NOOP("Patterns", "Negative Attributes"),
                pattern.Negative, "\r\n\r\n");
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
