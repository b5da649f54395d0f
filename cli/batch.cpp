// The batch: a reader, a pool of workers and an ordered writer.
#include "cli/batch.h"

#include "cli/birth_options.h"
#include "cli/reading_output.h"
#include "reading/driver.h"
#include "reading/form_values.h"
#include "shell/core/file_io.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace starloom::cli {

namespace {

constexpr std::size_t kRowsPerChunk = 512;                  // rows handed to a worker at a time
constexpr std::size_t kChunksPerThread = 4;                 // chunks in flight per worker, at most
constexpr std::size_t kBytesPerChunk = 2 * kCsvRecordLimit; // field bytes in one chunk, about

std::string InputName(const std::string &name) {
    return name == "-" ? std::string("standard input") : name;
}

bool AppendError(std::string &out, long long line, const std::string &message) {
    out += CompactJson(Json{{"line", line}, {"error", message}});
    out += '\n';
    return false;
}

struct Chunk {
    std::vector<CsvRecord> records;
    std::size_t count = 0; // records in use
    std::string output;
    bool anyFailed = false;
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

void Work(Chunk &chunk, BatchRowWriter &writer) {
    chunk.output.clear();
    chunk.anyFailed = false;
    for (std::size_t i = 0; i < chunk.count; ++i) {
        if (!writer.append(chunk.records[i], chunk.output))
            chunk.anyFailed = true;
    }
}

// Standard output, or a file that appears only when everything was written. A device or
// pipe named as the output (/dev/stdout, /dev/null, a FIFO) is written into as it is; it is
// never replaced by a regular file.
class Sink {
public:
    explicit Sink(const std::string &path) {
        if (!path.empty())
            m_file = std::make_unique<WholeFileWriter>(QString::fromStdString(path),
                                                       NodeTarget::WriteInto);
    }
    bool open() { return m_file == nullptr || m_file->open(); }
    bool write(const std::string &bytes) {
        if (m_file != nullptr)
            return m_file->write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size())
            return true;
        m_error = errno;
        return false;
    }
    bool commit() {
        if (m_file != nullptr)
            return m_file->commit();
        errno = 0;
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return true;
        if (m_error == 0)
            m_error = errno;
        return false;
    }
    void cancel() {
        if (m_file != nullptr)
            m_file->cancel();
    }
    std::string reason() const {
        if (m_file != nullptr)
            return m_file->errorString().toStdString();
        return m_error != 0 ? SystemReason(m_error).toStdString() : std::string("write error");
    }

private:
    std::unique_ptr<WholeFileWriter> m_file;
    int m_error = 0; // the first error writing to standard output
};

struct InputFile {
    std::FILE *file = nullptr;
    bool owned = false;
    ~InputFile() {
        if (owned && file != nullptr)
            std::fclose(file);
    }
};

// Opens the batch's input: a file, or standard input for "-". A folder is refused here;
// on Linux it would open and fail only at the first read.
bool OpenInput(const std::string &name, InputFile &input, struct stat &info, std::string &error) {
    if (name == "-") {
        input.file = stdin;
    } else {
        const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = name + ": " + SystemReason(errno).toStdString();
            return false;
        }
        input.file = ::fdopen(fd, "rb");
        if (input.file == nullptr) {
            ::close(fd);
            error = name + ": " + SystemReason(errno).toStdString();
            return false;
        }
        input.owned = true;
    }
    if (::fstat(::fileno(input.file), &info) != 0) {
        error = InputName(name) + ": " + SystemReason(errno).toStdString();
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = InputName(name) + ": " + SystemReason(EISDIR).toStdString();
        return false;
    }
    return true;
}

// Each row starts from a state no reading has touched, so nothing of an earlier row stays
// behind in a field a reading keeps when it cannot set it (and the thread count cannot
// change the output). Copying into the same state reuses its storage. The zone tables are
// left out: the worker builds them once and no reading writes them.
void ResetExceptZones(ReadingState &state, const ReadingState &fresh) {
    // Every member is named: a member added to ReadingState stops the build here until it
    // is reset as well.
    auto &[birth, zones, bodyNames, chart, retro, orbs, fileName, savedFile, method, houses] =
        state;
    const auto &[freshBirth, freshZones, freshBodyNames, freshChart, freshRetro, freshOrbs,
                 freshFileName, freshSavedFile, freshMethod, freshHouses] = fresh;
    birth = freshBirth;
    bodyNames = freshBodyNames;
    chart = freshChart;
    retro = freshRetro;
    orbs = freshOrbs;
    method = freshMethod;
    houses = freshHouses;
    fileName = freshFileName;
    savedFile = freshSavedFile;
    static_cast<void>(zones);
    static_cast<void>(freshZones);
}

} // namespace

BatchRowWriter::BatchRowWriter(ChartChoice choice) {
    // What the birth-data form's load step fills before any reading.
    BuildTimeZoneTables(m_fresh.Zones);
    FillBodyNames(m_fresh.BodyNames);
    m_fresh.Method = choice.Method;
    m_fresh.Houses = choice.Houses;
    m_state = m_fresh;
}

bool BatchRowWriter::append(const CsvRecord &record, std::string &out) {
    if (!record.error.empty())
        return AppendError(out, record.line, record.error);
    FormValues values;
    TimeSource source;
    std::string error;
    if (!FormValuesFromRow(record.fields, values, error, m_texts, &source))
        return AppendError(out, record.line, error);
    if (const std::optional<Refusal> refusal = CheckFormValues(values))
        return AppendError(out, record.line, refusal->message.toStdString());
    ResetExceptZones(m_state, m_fresh);
    const ReadingOutcome outcome = RunReadingOnBuiltZones(values, m_state);
    m_json.appendLine(m_state, outcome, ZoneUsed{values.zonePosition, &source}, out);
    return true;
}

namespace {

// Writing the output over the input would replace the rows before they are read.
bool OutputIsTheInput(const std::string &output, const struct stat &inputInfo) {
    struct stat outputInfo {};
    return !output.empty() && S_ISREG(inputInfo.st_mode) &&
           ::stat(output.c_str(), &outputInfo) == 0 && outputInfo.st_dev == inputInfo.st_dev &&
           outputInfo.st_ino == inputInfo.st_ino;
}

// Reads the first record, which must be the header.
bool ReadHeader(CsvReader &reader, const std::string &input, std::string &error) {
    CsvRecord header;
    const bool isHeader =
        reader.next(header) && header.error.empty() && IsBatchHeader(header.fields);
    if (reader.failed()) {
        error = InputName(input) + ": " + SystemReason(reader.errorNumber()).toStdString();
        return false;
    }
    if (!isHeader) {
        error = input + ": the first line must be the header " + std::string(kBatchHeader);
        return false;
    }
    return true;
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

// The chunks handed to the workers, written out in input order as they finish; written
// chunks are kept for reuse.
class InputOrder {
public:
    InputOrder(ChunkQueue &queue, Sink &sink, std::size_t inFlight)
        : m_queue(queue), m_sink(sink), m_inFlight(inFlight) {}

    Chunk &freeChunk() {
        if (m_spare.empty()) {
            m_spare.push_back(std::make_unique<Chunk>());
            m_spare.back()->records.resize(kRowsPerChunk);
        }
        return *m_spare.back();
    }
    // Hands the chunk freeChunk() gave to the workers, then writes every chunk at the
    // front that is finished, waiting for the first while too many are in flight.
    void send() {
        m_pending.push_back(std::move(m_spare.back()));
        m_spare.pop_back();
        m_queue.push(m_pending.back().get());
        while (m_pending.size() >= m_inFlight ||
               (!m_pending.empty() && m_queue.isDone(m_pending.front().get())))
            writeFront();
    }
    void writeAll() {
        while (!m_pending.empty())
            writeFront();
    }
    bool anyFailed() const { return m_anyFailed; }
    bool writeFailed() const { return m_writeFailed; }

private:
    void writeFront() {
        Chunk &front = *m_pending.front();
        m_queue.waitFor(&front);
        m_anyFailed = m_anyFailed || front.anyFailed;
        if (!m_writeFailed && !m_sink.write(front.output))
            m_writeFailed = true;
        m_spare.push_back(std::move(m_pending.front()));
        m_pending.pop_front();
    }

    ChunkQueue &m_queue;
    Sink &m_sink;
    const std::size_t m_inFlight;
    std::deque<std::unique_ptr<Chunk>> m_pending; // in input order
    std::vector<std::unique_ptr<Chunk>> m_spare;
    bool m_anyFailed = false;
    bool m_writeFailed = false;
};

// Every data row read, worked by the worker threads and written in input order.
void ProcessRows(CsvReader &reader, ChunkQueue &queue, InputOrder &order,
                 const BatchOptions &options) {
    std::vector<std::thread> workers;
    for (int i = 0; i < options.threads; ++i) {
        workers.emplace_back([&queue, &options] {
            BatchRowWriter writer(options.chart);
            while (Chunk *chunk = queue.pop()) {
                Work(*chunk, writer);
                queue.finish(chunk);
            }
        });
    }
    while (ReadChunk(reader, order.freeChunk()))
        order.send();
    order.writeAll();
    queue.close();
    for (std::thread &worker : workers)
        worker.join();
}

} // namespace

int RunBatch(const BatchOptions &options, std::string &error) {
    InputFile input;
    struct stat inputInfo {};
    if (!OpenInput(options.input, input, inputInfo, error))
        return kExitRefused;
    if (OutputIsTheInput(options.output, inputInfo)) {
        error = options.output + ": is the input file; choose another output file";
        return kExitRefused;
    }
    CsvReader reader(input.file);
    if (!ReadHeader(reader, options.input, error))
        return kExitRefused;
    Sink sink(options.output);
    if (!sink.open()) {
        error = options.output + ": " + sink.reason();
        return kExitRefused;
    }

    ChunkQueue queue;
    InputOrder order(queue, sink, kChunksPerThread * static_cast<std::size_t>(options.threads));
    ProcessRows(reader, queue, order, options);

    if (reader.failed()) {
        sink.cancel();
        error = InputName(options.input) + ": " + SystemReason(reader.errorNumber()).toStdString();
        return kExitRefused;
    }
    if (order.writeFailed() || !sink.commit()) {
        error = (options.output.empty() ? std::string("standard output") : options.output) + ": " +
                sink.reason();
        sink.cancel();
        return kExitRefused;
    }
    return order.anyFailed() ? kExitRowsFailed : kExitOk;
}

} // namespace starloom::cli
