// The rows of a batch file on their way through `batch` and `stats`: read, checked as the
// birth-data form checks them, calculated on several threads and handed back in input
// order. Rows are read, worked and handed back in bounded chunks, so the memory used does
// not grow with the file; the same row gives the same reading or the same refusal whichever
// command reads it and however many threads work.
#pragma once

#include "engine/status.h"

#include "cli/birth_options.h"
#include "cli/byte_buffer.h"
#include "cli/csv_reader.h"
#include "cli/row_reading.h"
#include "reading/reading_state.h"

#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace starloom::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRowsFailed = 1; // a batch ran, but some rows were refused
inline constexpr int kExitRefused = 2;    // bad arguments or input, or a file not written

// What the workers made of one chunk of rows, handed to the collector in input order.
struct ChunkResult {
    ByteBuffer text;               // bytes for the output, in row order
    long long readings = 0;        // rows calculated
    long long refused = 0;         // rows malformed or refused
    std::vector<long long> counts; // the consumer's tallies, as it keeps them
};

// What a worker does with the rows of a chunk: one consumer per worker thread, used by
// that thread alone.
class RowConsumer {
public:
    virtual ~RowConsumer() = default;
    // Called once before the rows of each chunk, with the chunk's result emptied.
    virtual void start(ChunkResult &) {}
    virtual void take(const RowReading &row, ChunkResult &out) = 0;
    // A row that is malformed or that the form refuses, with the reason.
    virtual void refuse(long long line, const std::string &reason, ChunkResult &out) = 0;
};

// One worker's way from a record to a reading: the record's fields into the form's values,
// the form's checks, the values into the birth-data record, then the chart of numbers and
// its facts. Nothing is allocated for a row once the first rows have been read.
class RowCalculator {
public:
    // A refused row's reason is worded as `wording` says (a batch row or a stats row).
    explicit RowCalculator(ChartChoice choice, Wording wording = Wording::BatchRow);
    RowCalculator(const RowCalculator &) = delete;
    RowCalculator &operator=(const RowCalculator &) = delete;

    // The reading of the record, valid until the next call; null, with `reason` set, when
    // the record is malformed or the form refuses it.
    const RowReading *calculate(const CsvRecord &record, std::string &reason);

private:
    const Wording m_wording;
    RowTexts m_texts;
    FormValues m_values;
    TimeSource m_source;
    std::unique_ptr<ReadingState> m_state; // its zone tables built once, its record per row
    const BirthData m_freshBirth;          // the record before any row
    ChartRequest m_request;
    NatalChart m_chart;
    ChartFacts m_facts;
    RowReading m_reading;
};

struct RowSource {
    std::string input;     // a file, or "-" for standard input
    int threads = 1;       // worker threads, 1 or more
    ChartChoice chart;     // positions method and house system
    bool progress = false; // a progress line on standard error (a terminal) while rows run
    Wording reasons = Wording::BatchRow; // who reads the reasons of refused rows
};

class RowPipeline {
public:
    explicit RowPipeline(RowSource source);
    ~RowPipeline();
    RowPipeline(const RowPipeline &) = delete;
    RowPipeline &operator=(const RowPipeline &) = delete;

    // Opens the input: ReadFailed when it cannot be opened or is a folder.
    Status open();
    // What the system says of the opened input.
    const struct stat &inputInfo() const { return m_info; }
    // Reads the first record, which must be the header: BadContents when it is not,
    // ReadFailed when the input cannot be read.
    Status readHeader();

    // Every data row, worked by the worker threads: `makeConsumer` gives each worker its
    // consumer; `collect` is called on this thread with each chunk's result in input order,
    // and stops the run by returning false (no row is read or handed on after that).
    // ReadFailed when the input could not be read to its end.
    using ConsumerMaker = std::function<std::unique_ptr<RowConsumer>()>;
    using Collector = std::function<bool(ChunkResult &)>;
    Status run(const ConsumerMaker &makeConsumer, const Collector &collect);

    // "standard input" for "-", else the input's name.
    std::string inputName() const;

private:
    RowSource m_source;
    std::FILE *m_file = nullptr;
    bool m_owned = false;
    struct stat m_info {};
    std::unique_ptr<CsvReader> m_reader;
};

} // namespace starloom::cli
