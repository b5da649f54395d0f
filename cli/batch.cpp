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
            std::lock_guard lock(mutex_);
            jobs_.push_back(chunk);
        }
        wake_.notify_one();
    }
    // The next chunk, or null once the queue is closed and empty.
    Chunk *pop() {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return closed_ || !jobs_.empty(); });
        if (jobs_.empty())
            return nullptr;
        Chunk *chunk = jobs_.front();
        jobs_.pop_front();
        return chunk;
    }
    void close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        wake_.notify_all();
    }
    void finish(Chunk *chunk) {
        {
            std::lock_guard lock(mutex_);
            chunk->done = true;
        }
        finished_.notify_all();
    }
    bool isDone(const Chunk *chunk) {
        std::lock_guard lock(mutex_);
        return chunk->done;
    }
    void waitFor(const Chunk *chunk) {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [chunk] { return chunk->done; });
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    std::deque<Chunk *> jobs_;
    bool closed_ = false;
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
            file_ = std::make_unique<WholeFileWriter>(QString::fromStdString(path),
                                                      NodeTarget::WriteInto);
    }
    bool open() { return file_ == nullptr || file_->open(); }
    bool write(const std::string &bytes) {
        if (file_ != nullptr)
            return file_->write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size())
            return true;
        error_ = errno;
        return false;
    }
    bool commit() {
        if (file_ != nullptr)
            return file_->commit();
        errno = 0;
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return true;
        if (error_ == 0)
            error_ = errno;
        return false;
    }
    void cancel() {
        if (file_ != nullptr)
            file_->cancel();
    }
    std::string reason() const {
        if (file_ != nullptr)
            return file_->errorString().toStdString();
        return error_ != 0 ? SystemReason(error_).toStdString() : std::string("write error");
    }

private:
    std::unique_ptr<WholeFileWriter> file_;
    int error_ = 0; // the first error writing to standard output
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
// left out: every reading rebuilds them whole before it reads them.
void ResetExceptZones(ReadingState &state, const ReadingState &fresh) {
    // Every member is named: a member added to ReadingState stops the build here until it
    // is reset as well.
    auto &[birth, zones, bodyNames, chart, retro, orbs, cells, ascSign, fileName, savedFile,
           method] = state;
    const auto &[freshBirth, freshZones, freshBodyNames, freshChart, freshRetro, freshOrbs,
                 freshCells, freshAscSign, freshFileName, freshSavedFile, freshMethod] = fresh;
    birth = freshBirth;
    bodyNames = freshBodyNames;
    chart = freshChart;
    retro = freshRetro;
    orbs = freshOrbs;
    method = freshMethod;
    cells = freshCells;
    ascSign = freshAscSign;
    fileName = freshFileName;
    savedFile = freshSavedFile;
    static_cast<void>(zones);
    static_cast<void>(freshZones);
}

} // namespace

BatchRowWriter::BatchRowWriter(PositionMethod method) {
    // What the birth-data form's load step fills before any reading.
    BuildTimeZoneTables(fresh_.Zones);
    FillBodyNames(fresh_.BodyNames);
    fresh_.Method = method;
    state_ = fresh_;
}

bool BatchRowWriter::append(const CsvRecord &record, std::string &out) {
    if (!record.error.empty())
        return AppendError(out, record.line, record.error);
    FormValues values;
    TimeSource source;
    std::string error;
    if (!FormValuesFromRow(record.fields, values, error, texts_, &source))
        return AppendError(out, record.line, error);
    if (const std::optional<Refusal> refusal = CheckFormValues(values))
        return AppendError(out, record.line, refusal->message.toStdString());
    ResetExceptZones(state_, fresh_);
    const ReadingOutcome outcome = RunReading(values, state_);
    json_.fillForLine(state_, outcome, ZoneUsed{values.zonePosition, &source});
    json_.appendLine(out);
    return true;
}

int RunBatch(const BatchOptions &options, std::string &error) {
    InputFile input;
    struct stat inputInfo {};
    if (!OpenInput(options.input, input, inputInfo, error))
        return kExitRefused;
    // Writing the output over the input would replace the rows before they are read.
    struct stat outputInfo {};
    if (!options.output.empty() && S_ISREG(inputInfo.st_mode) &&
        ::stat(options.output.c_str(), &outputInfo) == 0 && outputInfo.st_dev == inputInfo.st_dev &&
        outputInfo.st_ino == inputInfo.st_ino) {
        error = options.output + ": is the input file; choose another output file";
        return kExitRefused;
    }
    CsvReader reader(input.file);
    CsvRecord header;
    const bool isHeader =
        reader.next(header) && header.error.empty() && IsBatchHeader(header.fields);
    if (reader.failed()) {
        error = InputName(options.input) + ": " + SystemReason(reader.errorNumber()).toStdString();
        return kExitRefused;
    }
    if (!isHeader) {
        error = options.input + ": the first line must be the header " + std::string(kBatchHeader);
        return kExitRefused;
    }

    Sink sink(options.output);
    if (!sink.open()) {
        error = options.output + ": " + sink.reason();
        return kExitRefused;
    }

    ChunkQueue queue;
    std::vector<std::thread> workers;
    for (int i = 0; i < options.threads; ++i) {
        workers.emplace_back([&queue, &options] {
            BatchRowWriter writer(options.method);
            while (Chunk *chunk = queue.pop()) {
                Work(*chunk, writer);
                queue.finish(chunk);
            }
        });
    }

    std::deque<std::unique_ptr<Chunk>> pending; // in input order
    std::vector<std::unique_ptr<Chunk>> spare;
    bool anyFailed = false;
    bool writeFailed = false;
    auto writeFront = [&] {
        Chunk &front = *pending.front();
        queue.waitFor(&front);
        anyFailed = anyFailed || front.anyFailed;
        if (!writeFailed && !sink.write(front.output))
            writeFailed = true;
        spare.push_back(std::move(pending.front()));
        pending.pop_front();
    };
    const std::size_t inFlight = kChunksPerThread * static_cast<std::size_t>(options.threads);
    for (;;) {
        std::unique_ptr<Chunk> chunk;
        if (spare.empty()) {
            chunk = std::make_unique<Chunk>();
            chunk->records.resize(kRowsPerChunk);
        } else {
            chunk = std::move(spare.back());
            spare.pop_back();
        }
        chunk->count = 0;
        chunk->done = false;
        // A chunk also ends once its rows hold a few records' worth of bytes, so that long
        // rows cannot multiply the memory by the rows in flight.
        std::size_t bytes = 0;
        while (chunk->count < kRowsPerChunk && bytes < kBytesPerChunk &&
               reader.next(chunk->records[chunk->count])) {
            for (const std::string &field : chunk->records[chunk->count].fields)
                bytes += field.size();
            ++chunk->count;
        }
        if (chunk->count == 0)
            break;
        pending.push_back(std::move(chunk));
        queue.push(pending.back().get());
        while (pending.size() >= inFlight ||
               (!pending.empty() && queue.isDone(pending.front().get())))
            writeFront();
    }
    while (!pending.empty())
        writeFront();
    queue.close();
    for (std::thread &worker : workers)
        worker.join();

    if (reader.failed()) {
        sink.cancel();
        error = InputName(options.input) + ": " + SystemReason(reader.errorNumber()).toStdString();
        return kExitRefused;
    }
    if (writeFailed || !sink.commit()) {
        error = (options.output.empty() ? std::string("standard output") : options.output) + ": " +
                sink.reason();
        sink.cancel();
        return kExitRefused;
    }
    return anyFailed ? kExitRowsFailed : kExitOk;
}

} // namespace starloom::cli
