// The row pipeline: a reader, a pool of workers and an in-order collector.
#include "cli/row_pipeline.h"

#include "cli/cli_text.h"
#include "retrograde/retrograde.h"
#include "shell/core/file_io.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace starloom::cli {

namespace {

constexpr std::size_t kRowsPerChunk = 256;                  // rows handed to a worker at a time
constexpr std::size_t kChunksPerThread = 3;                 // chunks in flight per worker, at most
constexpr std::size_t kBytesPerChunk = 2 * kCsvRecordLimit; // field bytes in one chunk, about
// More than the header can take with every field quoted, a byte-order mark and CR LF: a
// first line that runs on past this is refused without reading the rest of it.
constexpr std::size_t kMostHeaderBytes = 512;

struct Chunk {
    std::vector<CsvRecord> records;
    std::size_t count = 0; // records in use
    ChunkResult result;
    bool done = false;
};

// Chunks waiting for a worker.
class ChunkQueue {
public:
    void push(Chunk *chunk) {
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(chunk);
        }
        m_wake.notify_one();
    }
    // The next chunk, or null once the queue is closed and empty.
    Chunk *pop() {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_closed || !m_jobs.empty(); });
        if (m_jobs.empty())
            return nullptr;
        Chunk *chunk = m_jobs.front();
        m_jobs.pop_front();
        return chunk;
    }
    void close() {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_wake.notify_all();
    }
    void finish(Chunk *chunk) {
        {
            std::lock_guard lock(m_mutex);
            chunk->done = true;
        }
        m_finished.notify_all();
    }
    bool isDone(const Chunk *chunk) {
        std::lock_guard lock(m_mutex);
        return chunk->done;
    }
    void waitFor(const Chunk *chunk) {
        std::unique_lock lock(m_mutex);
        m_finished.wait(lock, [chunk] { return chunk->done; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_finished;
    std::deque<Chunk *> m_jobs;
    bool m_closed = false;
};

void Work(Chunk &chunk, RowCalculator &calculator, RowConsumer &consumer) {
    ChunkResult &result = chunk.result;
    result.text.clear();
    result.readings = 0;
    result.refused = 0;
    consumer.start(result);
    std::string reason;
    for (std::size_t i = 0; i < chunk.count; ++i) {
        const CsvRecord &record = chunk.records[i];
        if (const RowReading *reading = calculator.calculate(record, reason)) {
            ++result.readings;
            consumer.take(*reading, result);
        } else {
            ++result.refused;
            consumer.refuse(record.line, reason, result);
        }
    }
}

// Fills the chunk with the next rows; false when the input has none left. A chunk also
// ends once its rows hold a few records' worth of bytes, so that long rows cannot
// multiply the memory by the rows in flight.
bool ReadChunk(CsvReader &reader, Chunk &chunk) {
    chunk.count = 0;
    chunk.done = false;
    std::size_t bytes = 0;
    while (chunk.count < kRowsPerChunk && bytes < kBytesPerChunk &&
           reader.next(chunk.records[chunk.count])) {
        for (const std::string &field : chunk.records[chunk.count].fields)
            bytes += field.size();
        ++chunk.count;
    }
    return chunk.count > 0;
}

// The chunks handed to the workers, collected in input order as they finish; collected
// chunks are kept for reuse.
class InputOrder {
public:
    InputOrder(ChunkQueue &queue, const RowPipeline::Collector &collect, std::size_t inFlight)
        : m_queue(queue), m_collect(collect), m_inFlight(inFlight) {}

    Chunk &freeChunk() {
        if (m_spare.empty()) {
            m_spare.push_back(std::make_unique<Chunk>());
            m_spare.back()->records.resize(kRowsPerChunk);
        }
        return *m_spare.back();
    }
    // Hands the chunk freeChunk() gave to the workers, then collects every chunk at the
    // front that is finished, waiting for the first while too many are in flight.
    void send() {
        m_pending.push_back(std::move(m_spare.back()));
        m_spare.pop_back();
        m_queue.push(m_pending.back().get());
        while (m_pending.size() >= m_inFlight ||
               (!m_pending.empty() && m_queue.isDone(m_pending.front().get())))
            collectFront();
    }
    // Waits for every chunk still in flight; collects them unless the run was stopped.
    void collectAll() {
        while (!m_pending.empty())
            collectFront();
    }
    bool stopped() const { return m_stopped; }

private:
    void collectFront() {
        Chunk &front = *m_pending.front();
        m_queue.waitFor(&front);
        if (!m_stopped && !m_collect(front.result))
            m_stopped = true;
        m_spare.push_back(std::move(m_pending.front()));
        m_pending.pop_front();
    }

    ChunkQueue &m_queue;
    const RowPipeline::Collector &m_collect;
    const std::size_t m_inFlight;
    std::deque<std::unique_ptr<Chunk>> m_pending; // in input order
    std::vector<std::unique_ptr<Chunk>> m_spare;
    bool m_stopped = false;
};

// One line on standard error, rewritten a few times a second: the rows done, how many a
// second, and, when the input's size is known, the time left. Cleared at the end, so that
// nothing of it stays on the terminal.
class ProgressLine {
public:
    ProgressLine(bool shown, unsigned long long inputBytes)
        : m_shown(shown), m_inputBytes(inputBytes), m_start(Clock::now()), m_last(m_start) {}

    void update(long long rows, unsigned long long bytesRead) {
        if (!m_shown)
            return;
        const Clock::time_point now = Clock::now();
        if (m_written && now - m_last < kInterval)
            return;
        m_last = now;
        m_written = true;
        const double seconds = std::chrono::duration<double>(now - m_start).count();
        QString line = CliMessages::tr("%1 rows").arg(rows);
        if (seconds > 0.0) {
            line =
                CliMessages::tr("%1, %2 rows a second").arg(line).arg(std::llround(rows / seconds));
            if (m_inputBytes > 0 && bytesRead > 0 && bytesRead <= m_inputBytes) {
                const auto left = static_cast<long long>(
                    std::ceil(seconds * static_cast<double>(m_inputBytes - bytesRead) /
                              static_cast<double>(bytesRead)));
                line = CliMessages::tr("%1, %2 left")
                           .arg(line, QString::fromStdString(Duration(left)));
            }
        }
        std::string text = "\r" + Utf8(line);
        text += "\x1b[K"; // the rest of the earlier line cleared
        Write(text);
    }
    void finish() {
        if (m_written)
            Write("\r\x1b[K");
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kInterval{250};

    // "0:42", "12:05", "1:02:03".
    static std::string Duration(long long seconds) {
        const auto two = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        if (seconds >= 3600)
            return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" +
                   two(seconds % 60);
        return std::to_string(seconds / 60) + ":" + two(seconds % 60);
    }
    static void Write(const std::string &text) {
        // Unbuffered and unchecked: a line that cannot be shown is no reason to stop.
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
    }

    const bool m_shown;
    const unsigned long long m_inputBytes;
    const Clock::time_point m_start;
    Clock::time_point m_last;
    bool m_written = false;
};

} // namespace

RowCalculator::RowCalculator(ChartChoice choice, Wording wording)
    : m_wording(wording), m_state(std::make_unique<ReadingState>()) {
    BuildTimeZoneTables(m_state->Zones);
    m_request.Method = choice.Method;
    m_request.Houses = choice.Houses;
    m_request.Orbs = m_state->Orbs;
    m_request.Stations = &IsRetrograde;
}

const RowReading *RowCalculator::calculate(const CsvRecord &record, std::string &reason) {
    if (!record.error.empty()) {
        reason = m_wording == Wording::BatchRow
                     ? record.error
                     : Utf8(QCoreApplication::translate("CliMessages", record.error.c_str()));
        return nullptr;
    }
    // The last row's texts let go first, so that the row texts can reuse their storage.
    m_values = FormValues();
    if (!FormValuesFromRow(record.fields, m_values, reason, m_texts, &m_source, m_wording))
        return nullptr;
    if (Status refused = CheckFormValues(m_values); !refused.ok()) {
        // The form's checks word their refusals in English.
        reason = m_wording == Wording::BatchRow
                     ? std::move(refused.reason)
                     : Utf8(QCoreApplication::translate("FormValues", refused.reason.c_str()));
        return nullptr;
    }
    // Each row starts from a record no reading has touched, so nothing of an earlier row
    // stays behind in a field the values cannot set (and the thread count cannot change
    // the output).
    m_state->Birth = m_freshBirth; // a copy keeps the record's string storage
    ReadValuesIntoRecord(m_values, *m_state);
    CalculateNatalChart(m_state->Birth, m_request, m_chart);
    DescribeChart(m_chart, m_facts);
    m_reading.line = record.line;
    m_reading.birth = &m_state->Birth;
    m_reading.chart = &m_chart;
    m_reading.facts = &m_facts;
    m_reading.zone = ZoneUsed{m_values.zonePosition, &m_source};
    return &m_reading;
}

RowPipeline::RowPipeline(RowSource source) : m_source(std::move(source)) {}

RowPipeline::~RowPipeline() {
    if (m_owned && m_file != nullptr)
        std::fclose(m_file);
}

std::string RowPipeline::inputName() const {
    return m_source.input == "-" ? Utf8(CliMessages::tr("standard input")) : m_source.input;
}

namespace {

// The input `name` could not be read, for the system's reason `error`.
Status ReadFailure(const std::string &name, int error) {
    return Failure(StatusCode::ReadFailed, name, SystemReason(error).toStdString());
}

} // namespace

// A folder is refused here; on Linux it would open and fail only at the first read.
Status RowPipeline::open() {
    const std::string &name = m_source.input;
    if (name == "-") {
        m_file = stdin;
    } else {
        const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return ReadFailure(name, errno);
        m_file = ::fdopen(fd, "rb");
        if (m_file == nullptr) {
            const int failed = errno;
            ::close(fd);
            return ReadFailure(name, failed);
        }
        m_owned = true;
    }
    if (::fstat(::fileno(m_file), &m_info) != 0)
        return ReadFailure(inputName(), errno);
    if (S_ISDIR(m_info.st_mode))
        return ReadFailure(inputName(), EISDIR);
    m_reader = std::make_unique<CsvReader>(m_file);
    return Success();
}

Status RowPipeline::readHeader() {
    CsvRecord header;
    const bool isHeader = m_reader->next(header, kMostHeaderBytes) && header.error.empty() &&
                          IsBatchHeader(header.fields);
    if (m_reader->failed())
        return ReadFailure(inputName(), m_reader->errorNumber());
    if (!isHeader) {
        return Failure(StatusCode::BadContents, m_source.input,
                       Utf8(CliMessages::tr("the first line must be the header %1")
                                .arg(QLatin1String(kBatchHeader.data(),
                                                   static_cast<qsizetype>(kBatchHeader.size())))));
    }
    return Success();
}

Status RowPipeline::run(const ConsumerMaker &makeConsumer, const Collector &collect) {
    ChunkQueue queue;
    const auto threads = static_cast<std::size_t>(m_source.threads);
    ProgressLine progress(m_source.progress, S_ISREG(m_info.st_mode)
                                                 ? static_cast<unsigned long long>(m_info.st_size)
                                                 : 0ULL);
    long long rowsDone = 0;
    const Collector collectShowing = [&](ChunkResult &chunk) {
        rowsDone += chunk.readings + chunk.refused;
        progress.update(rowsDone, m_reader->bytesRead());
        return collect(chunk);
    };
    InputOrder order(queue, collectShowing, kChunksPerThread * threads);
    std::vector<std::unique_ptr<RowConsumer>> consumers;
    for (std::size_t i = 0; i < threads; ++i)
        consumers.push_back(makeConsumer());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < threads; ++i) {
        workers.emplace_back([&queue, consumer = consumers[i].get(), this] {
            RowCalculator calculator(m_source.chart, m_source.reasons);
            while (Chunk *chunk = queue.pop()) {
                Work(*chunk, calculator, *consumer);
                queue.finish(chunk);
            }
        });
    }
    while (!order.stopped() && ReadChunk(*m_reader, order.freeChunk()))
        order.send();
    order.collectAll();
    queue.close();
    for (std::thread &worker : workers)
        worker.join();
    progress.finish();
    if (m_reader->failed() && !order.stopped())
        return ReadFailure(inputName(), m_reader->errorNumber());
    return Success();
}

} // namespace starloom::cli
