// The batch: the row pipeline's readings as JSON lines, written in input order.
#include "cli/batch.h"

#include "cli/cli_text.h"
#include "cli/reading_output.h"
#include "shell/core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace starloom::cli {

namespace {

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
    bool open() {
        if (m_file == nullptr)
            return true;
        if (!m_file->open().ok())
            return false;
        // Gigabytes written once: past the file cache, which would only be pushed out.
        m_file->bypassCache();
        return true;
    }
    bool write(std::string_view bytes) {
        if (m_file != nullptr)
            return m_file->write(bytes.data(), static_cast<qint64>(bytes.size())).ok();
        // Each chunk goes out at once, so that a failing output (a full disk) is seen at the
        // first chunk rather than at the end.
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
            std::fflush(stdout) == 0)
            return true;
        m_error = errno != 0 ? errno : EIO;
        return false;
    }
    bool commit() {
        if (m_file != nullptr)
            return m_file->commit().ok();
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
            return m_file->status().reason;
        return Utf8(m_error != 0 ? SystemReason(m_error) : CliMessages::tr("write error"));
    }

private:
    std::unique_ptr<WholeFileWriter> m_file;
    int m_error = 0; // the first error writing to standard output
};

// Each worker's JSON lines: the reading's object, or {"line": N, "error": "..."}.
class JsonLines : public RowConsumer {
public:
    void take(const RowReading &row, ChunkResult &out) override {
        m_json.appendLine(row, out.text);
    }
    void refuse(long long line, const std::string &reason, ChunkResult &out) override {
        m_json.appendError(line, reason, out.text);
    }

private:
    ReadingJsonWriter m_json;
};

// Each worker's CSV records.
class CsvRecords : public RowConsumer {
public:
    void take(const RowReading &row, ChunkResult &out) override {
        m_csv.appendRecord(row, out.text);
    }
    void refuse(long long line, const std::string &reason, ChunkResult &out) override {
        m_csv.appendError(line, reason, out.text);
    }

private:
    ReadingCsvWriter m_csv;
};

// Writing the output over the input would replace the rows before they are read.
bool OutputIsTheInput(const std::string &output, const struct stat &inputInfo) {
    struct stat outputInfo {};
    return !output.empty() && S_ISREG(inputInfo.st_mode) &&
           ::stat(output.c_str(), &outputInfo) == 0 && outputInfo.st_dev == inputInfo.st_dev &&
           outputInfo.st_ino == inputInfo.st_ino;
}

} // namespace

Status RunBatch(const BatchOptions &options, bool &rowsFailed) {
    rowsFailed = false;
    RowPipeline rows({options.input, options.threads, options.chart, options.progress});
    if (Status opened = rows.open(); !opened.ok())
        return opened;
    if (OutputIsTheInput(options.output, rows.inputInfo())) {
        return Failure(StatusCode::Refused, options.output,
                       Utf8(CliMessages::tr("%1: is the input file; choose another output file")
                                .arg(QString::fromStdString(options.output))));
    }
    if (Status header = rows.readHeader(); !header.ok())
        return header;
    Sink sink(options.output);
    const std::string outputName =
        options.output.empty() ? Utf8(CliMessages::tr("standard output")) : options.output;
    if (!sink.open())
        return Failure(StatusCode::WriteFailed, options.output, sink.reason());

    if (options.format == BatchFormat::Csv) {
        ByteBuffer header;
        ReadingCsvWriter().appendHeader(header);
        if (!sink.write(header.view())) {
            sink.cancel();
            return Failure(StatusCode::WriteFailed, outputName, sink.reason());
        }
    }
    bool anyFailed = false;
    bool writeFailed = false;
    // The first write that fails ends the run: nothing more is read or worked.
    const auto collect = [&](ChunkResult &chunk) {
        anyFailed = anyFailed || chunk.refused > 0;
        writeFailed = !sink.write(chunk.text.view());
        return !writeFailed;
    };
    const RowPipeline::ConsumerMaker consumer = [&options]() -> std::unique_ptr<RowConsumer> {
        if (options.format == BatchFormat::Csv)
            return std::make_unique<CsvRecords>();
        return std::make_unique<JsonLines>();
    };
    if (Status run = rows.run(consumer, collect); !run.ok()) {
        sink.cancel();
        return run;
    }
    if (writeFailed || !sink.commit()) {
        sink.cancel();
        return Failure(StatusCode::WriteFailed, outputName, sink.reason());
    }
    rowsFailed = anyFailed;
    return Success();
}

} // namespace starloom::cli
