// Counting patterns over a batch of births.
#include "cli/stats.h"

#include "cli/cli_text.h"

#include "engine/aspects.h"
#include "patterns/degree_pattern.h"
#include "patterns/pattern_table.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

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
    labels.push_back(Utf8(CliOutput::tr("none", "no leading planet")));
    return labels;
}

void CountSignPatterns(const RowReading &row, std::span<long long> counts) {
    for (int slot = 0; slot < kPatternCount; ++slot)
        counts[slot] += row.facts->patterns[slot] ? 1 : 0;
}

void CountDegreePatterns(const RowReading &row, std::span<long long> counts) {
    ++counts[static_cast<int>(row.facts->shape.Pattern)];
}

void CountLeadingPlanets(const RowReading &row, std::span<long long> counts) {
    const DegreeShape &shape = row.facts->shape;
    if (shape.LeadingCount == 0)
        ++counts[kPlanetCount];
    for (int i = 0; i < shape.LeadingCount; ++i)
        ++counts[shape.Leading[i]];
}

void CountAspects(const RowReading &row, std::span<long long> counts) {
    const std::array<int, kAspectKindCount> byKind = CountAspectsByKind(row.chart->Aspects);
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        counts[kind] += byKind[kind];
}

// "House 1" .. "House 12".
std::vector<std::string> HouseLabels() {
    std::vector<std::string> labels;
    for (int house = 1; house <= kHouseCount; ++house)
        labels.push_back(Utf8(CliOutput::tr("House %1").arg(house)));
    return labels;
}

// The ten planets, Sun to Pluto, each by its house.
void CountBodiesByHouse(const RowReading &row, std::span<long long> counts) {
    for (int body = kSunBody; body <= kPlutoBody; ++body)
        ++counts[row.chart->Bodies[body].House - 1];
}

// Each worker's tallies, every table's slots one after the other in a chunk's counts; and
// the reasons of a chunk's first refused rows, each on a line of the chunk's text.
class Tally : public RowConsumer {
public:
    explicit Tally(std::size_t slotCount) : m_slots(slotCount) {}
    void start(ChunkResult &out) override { out.counts.assign(m_slots, 0); }
    void take(const RowReading &row, ChunkResult &out) override {
        std::size_t first = 0;
        for (const StatsCounter &counter : StatsCounters()) {
            counter.count(row, std::span(out.counts).subspan(first, counter.labels.size()));
            first += counter.labels.size();
        }
    }
    void refuse(long long line, const std::string &reason, ChunkResult &out) override {
        if (out.refused <= kReasonsShown)
            out.text.append("starloom-cli: " +
                            Utf8(CliMessages::tr("line %1: %2 (row skipped)")
                                     .arg(line)
                                     .arg(QString::fromStdString(reason))) +
                            "\n");
    }

private:
    std::size_t m_slots;
};

// Characters, not bytes: a label in the chosen language may hold letters of several bytes.
qsizetype Width(const std::string &text) {
    return QString::fromStdString(text).size();
}

std::string Padded(const std::string &text, qsizetype width, bool right) {
    const qsizetype size = Width(text);
    if (size >= width)
        return text;
    const std::string fill(static_cast<std::size_t>(width - size), ' ');
    return right ? fill + text : text + fill;
}

} // namespace

const std::vector<StatsCounter> &StatsCounters() {
    static const std::vector<StatsCounter> counters = {
        {QT_TRANSLATE_NOOP("CliOutput", "Patterns by signs"),
         QT_TRANSLATE_NOOP("CliOutput",
                           "a chart may show several, so the shares add up to more than 100%"),
         SignPatternLabels(), CountSignPatterns},
        {QT_TRANSLATE_NOOP("CliOutput", "Patterns by degrees"),
         QT_TRANSLATE_NOOP("CliOutput", "one per chart"),
         Names(kDegreePatternNames.begin(), kDegreePatternNames.end()), CountDegreePatterns},
        {kLeadingPlanetsTitle,
         QT_TRANSLATE_NOOP("CliOutput", "a Bucket's handle of two planets counts for both"),
         LeadingLabels(), CountLeadingPlanets},
        {QT_TRANSLATE_NOOP("CliOutput", "Aspects"),
         QT_TRANSLATE_NOOP("CliOutput",
                           "every aspect counts, so a share above 100% is more than one a chart"),
         Names(kAspectNames.begin(), kAspectNames.end()), CountAspects},
        {QT_TRANSLATE_NOOP("CliOutput", "Bodies by house"),
         QT_TRANSLATE_NOOP(
             "CliOutput",
             "the Sun, the Moon and the planets each count once, so the shares add up to 1000%"),
         HouseLabels(), CountBodiesByHouse},
    };
    return counters;
}

Status CountBirths(const StatsOptions &options, StatsResult &result) {
    // The reasons of skipped rows are read by the user, in the chosen language.
    RowPipeline rows(
        {options.input, options.threads, options.chart, options.progress, Wording::StatsRow});
    if (Status opened = rows.open(); !opened.ok())
        return opened;
    if (Status header = rows.readHeader(); !header.ok())
        return header;

    result = StatsResult();
    std::size_t slotCount = 0;
    for (const StatsCounter &counter : StatsCounters()) {
        result.tables.push_back({counter.title, counter.note, counter.labels,
                                 std::vector<long long>(counter.labels.size(), 0)});
        slotCount += counter.labels.size();
    }
    long long shown = 0; // reasons written
    const auto collect = [&result, &shown](ChunkResult &chunk) {
        // The reasons come in input order; only the first few of the whole file are shown.
        const std::string_view reasons = chunk.text.view();
        for (std::size_t from = 0; from < reasons.size() && shown < kReasonsShown; ++shown) {
            const std::size_t end = reasons.find('\n', from) + 1;
            std::fwrite(reasons.data() + from, 1, end - from, stderr);
            from = end;
        }
        result.refused += chunk.refused;
        result.readings += chunk.readings;
        std::size_t slot = 0;
        for (StatsTable &table : result.tables) {
            for (long long &count : table.counts)
                count += chunk.counts[slot++];
        }
        return true;
    };
    return rows.run([slotCount] { return std::make_unique<Tally>(slotCount); }, collect);
}

std::string ShareText(long long count, long long total) {
    if (total <= 0)
        return "-";
    // Tenths of a percent, rounded half up, worked in 128 bits, so that no count overflows;
    // the decimal sign is the chosen language's.
    const auto tenths = static_cast<long long>((static_cast<__int128>(count) * 2000 + total) /
                                               (static_cast<__int128>(total) * 2));
    return std::to_string(tenths / 10) + Utf8(NumberLocale().decimalPoint()) +
           std::to_string(tenths % 10) + "%";
}

std::string StatsTitle(const StatsTable &table) {
    return Utf8(QCoreApplication::translate("CliOutput", table.title.c_str()));
}

std::string StatsNote(const StatsTable &table) {
    return table.note.empty() ? std::string()
                              : Utf8(QCoreApplication::translate("CliOutput", table.note.c_str()));
}

std::string StatsText(const StatsResult &result) {
    std::string text = Utf8(CliOutput::tr("Readings: %1").arg(result.readings)) + "\n";
    if (result.refused > 0)
        text += Utf8(CliOutput::tr("Rows skipped: %1").arg(result.refused)) + "\n";
    const std::string countHeading = Utf8(CliOutput::tr("count", "the stats column"));
    const std::string shareHeading = Utf8(CliOutput::tr("share", "the stats column"));
    for (const StatsTable &table : result.tables) {
        qsizetype labelWidth = 8;
        for (const std::string &label : table.labels)
            labelWidth = std::max(labelWidth, Width(label));
        qsizetype countWidth = std::max<qsizetype>(5, Width(countHeading));
        for (const long long count : table.counts)
            countWidth = std::max(countWidth, Width(std::to_string(count)));
        const std::string note = StatsNote(table);
        text += "\n" + StatsTitle(table) + (note.empty() ? "" : " (" + note + ")") + "\n";
        text += "  " + Padded("", labelWidth, false) + "  " +
                Padded(countHeading, countWidth, true) + "  " + Padded(shareHeading, 6, true) +
                "\n";
        for (std::size_t i = 0; i < table.labels.size(); ++i) {
            text += "  " + Padded(table.labels[i], labelWidth, false) + "  " +
                    Padded(std::to_string(table.counts[i]), countWidth, true) + "  " +
                    Padded(ShareText(table.counts[i], result.readings), 6, true) + "\n";
        }
    }
    return text;
}

} // namespace starloom::cli
