// Counting patterns over a batch of births.
#include "cli/stats.h"

#include "cli/birth_options.h"
#include "cli/csv_reader.h"
#include "engine/aspects.h"
#include "patterns/degree_pattern.h"
#include "patterns/pattern_table.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace starloom::cli {

namespace {

constexpr long long kReasonsShown = 10; // refused rows whose reason goes to standard error

std::vector<std::string> Names(auto begin, auto end) {
    std::vector<std::string> names;
    for (auto name = begin; name != end; ++name)
        names.emplace_back(*name);
    return names;
}

std::vector<std::string> SignPatternLabels() {
    std::vector<std::string> labels;
    for (const PatternText &row : PatternTable)
        labels.emplace_back(row.Name);
    return labels;
}

std::vector<std::string> LeadingLabels() {
    std::vector<std::string> labels =
        Names(kPlainBodyNames.begin(), kPlainBodyNames.begin() + kPlanetCount);
    labels.emplace_back("none");
    return labels;
}

void CountSignPatterns(const ReadingState &, const ReadingOutcome &outcome,
                       std::vector<long long> &counts) {
    for (int slot = 0; slot < kPatternCount; ++slot)
        counts[slot] += outcome.Patterns.Work.PatternFlags[slot] ? 1 : 0;
}

void CountDegreePatterns(const ReadingState &, const ReadingOutcome &outcome,
                         std::vector<long long> &counts) {
    ++counts[static_cast<int>(outcome.PatternsByDegrees.Pattern)];
}

void CountLeadingPlanets(const ReadingState &, const ReadingOutcome &outcome,
                         std::vector<long long> &counts) {
    const DegreeShape &shape = outcome.PatternsByDegrees;
    if (shape.LeadingCount == 0)
        ++counts[kPlanetCount];
    for (int i = 0; i < shape.LeadingCount; ++i)
        ++counts[shape.Leading[i]];
}

void CountAspects(const ReadingState &, const ReadingOutcome &outcome,
                  std::vector<long long> &counts) {
    const std::array<int, kAspectKindCount> byKind = CountAspectsByKind(outcome.Aspects);
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        counts[kind] += byKind[kind];
}

// "House 1" .. "House 12".
std::vector<std::string> HouseLabels() {
    std::vector<std::string> labels;
    for (int house = 1; house <= kHouseCount; ++house)
        labels.push_back("House " + std::to_string(house));
    return labels;
}

// The ten planets, Sun to Pluto, each by its house.
void CountBodiesByHouse(const ReadingState &, const ReadingOutcome &outcome,
                        std::vector<long long> &counts) {
    for (int body = kSunBody; body <= kPlutoBody; ++body)
        ++counts[outcome.Chart.Bodies[body].House - 1];
}

struct InputFile {
    std::FILE *file = nullptr;
    bool owned = false;
    ~InputFile() {
        if (owned && file != nullptr)
            std::fclose(file);
    }
};

void NoteRefusal(StatsResult &result, long long line, const std::string &reason) {
    if (++result.refused <= kReasonsShown) {
        const std::string text =
            "starloom-cli: line " + std::to_string(line) + ": " + reason + " (row skipped)\n";
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
}

std::string Padded(const std::string &text, std::size_t width, bool right) {
    if (text.size() >= width)
        return text;
    const std::string fill(width - text.size(), ' ');
    return right ? fill + text : text + fill;
}

} // namespace

const std::vector<StatsCounter> &StatsCounters() {
    static const std::vector<StatsCounter> counters = {
        {"Patterns by signs", "a chart may show several, so the shares add up to more than 100%",
         SignPatternLabels(), CountSignPatterns},
        {"Patterns by degrees", "one per chart",
         Names(kDegreePatternNames.begin(), kDegreePatternNames.end()), CountDegreePatterns},
        {kLeadingPlanetsTitle, "a Bucket's handle of two planets counts for both", LeadingLabels(),
         CountLeadingPlanets},
        {"Aspects", "every aspect counts, so a share above 100% is more than one a chart",
         Names(kAspectNames.begin(), kAspectNames.end()), CountAspects},
        {"Bodies by house",
         "the Sun, the Moon and the planets each count once, so the shares add up to 1000%",
         HouseLabels(), CountBodiesByHouse},
    };
    return counters;
}

bool CountBirths(const StatsOptions &options, StatsResult &result, std::string &error) {
    InputFile input;
    if (options.input == "-") {
        input.file = stdin;
    } else {
        input.file = std::fopen(options.input.c_str(), "rb");
        input.owned = true;
    }
    if (input.file == nullptr) {
        error = options.input + ": cannot be opened for reading";
        return false;
    }
    CsvReader reader(input.file);
    CsvRecord record;
    if (!(reader.next(record) && record.error.empty() && IsBatchHeader(record.fields))) {
        error = options.input + ": the first line must be the header " + std::string(kBatchHeader);
        return false;
    }

    result = StatsResult();
    const std::vector<StatsCounter> &counters = StatsCounters();
    for (const StatsCounter &counter : counters)
        result.tables.push_back({counter.title, counter.note, counter.labels,
                                 std::vector<long long>(counter.labels.size(), 0)});

    // Each row starts from the state the program holds before its first reading, so that
    // nothing of an earlier row stays behind.
    auto fresh = std::make_unique<ReadingState>();
    BuildTimeZoneTables(fresh->Zones);
    FillBodyNames(fresh->BodyNames);
    auto state = std::make_unique<ReadingState>();
    RowTexts texts;
    while (reader.next(record)) {
        FormValues values;
        std::string reason = record.error;
        TimeSource source;
        if (reason.empty() && FormValuesFromRow(record.fields, values, reason, texts, &source)) {
            if (const std::optional<Refusal> refusal = CheckFormValues(values))
                reason = refusal->message.toStdString();
        }
        if (!reason.empty()) {
            NoteRefusal(result, record.line, reason);
            continue;
        }
        *state = *fresh;
        state->Method = options.chart.Method;
        state->Houses = options.chart.Houses;
        const ReadingOutcome outcome = RunReading(values, *state);
        ++result.readings;
        for (std::size_t i = 0; i < counters.size(); ++i)
            counters[i].count(*state, outcome, result.tables[i].counts);
    }
    if (reader.failed()) {
        error = options.input + ": read error";
        return false;
    }
    return true;
}

std::string ShareText(long long count, long long total) {
    if (total <= 0)
        return "-";
    // Tenths of a percent, rounded half up, written by hand: the C library's formatting
    // follows the locale.
    const long long tenths = (count * 2000 + total) / (2 * total);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string StatsText(const StatsResult &result) {
    std::string text = "Readings: " + std::to_string(result.readings) + "\n";
    if (result.refused > 0)
        text += "Rows skipped: " + std::to_string(result.refused) + "\n";
    for (const StatsTable &table : result.tables) {
        std::size_t labelWidth = 8;
        for (const std::string &label : table.labels)
            labelWidth = std::max(labelWidth, label.size());
        std::size_t countWidth = 5;
        for (const long long count : table.counts)
            countWidth = std::max(countWidth, std::to_string(count).size());
        text += "\n" + table.title + (table.note.empty() ? "" : " (" + table.note + ")") + "\n";
        text += "  " + Padded("", labelWidth, false) + "  " + Padded("count", countWidth, true) +
                "   share\n";
        for (std::size_t i = 0; i < table.labels.size(); ++i) {
            text += "  " + Padded(table.labels[i], labelWidth, false) + "  " +
                    Padded(std::to_string(table.counts[i]), countWidth, true) + "  " +
                    Padded(ShareText(table.counts[i], result.readings), 6, true) + "\n";
        }
    }
    return text;
}

} // namespace starloom::cli
