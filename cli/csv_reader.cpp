// Comma-separated records, one byte at a time over a fixed buffer.
#include "cli/csv_reader.h"

#include <cerrno>

namespace starloom::cli {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16; // bytes read from the input at a time
constexpr std::size_t kKeptCapacity = 256;   // bytes a reused field may keep reserved
constexpr std::size_t kKeptFields = 64;      // fields a reused record may keep reserved

enum class State {
    FieldStart,  // nothing of the field read yet
    Unquoted,    // inside a field without quotes
    Quoted,      // inside a quoted field
    QuoteInside, // a quote inside a quoted field: the end, or the first of a doubled one
};

void Fail(CsvRecord &record, const char *why) {
    if (record.error.empty())
        record.error = why;
}

} // namespace

CsvReader::CsvReader(std::FILE *input) : input_(input), buffer_(kBlockBytes) {}

bool CsvReader::fill() {
    if (failed_)
        return false;
    pos_ = 0;
    errno = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
    if (end_ == 0 && std::ferror(input_)) {
        failed_ = true;
        errorNumber_ = errno != 0 ? errno : EIO;
    }
    if (atStart_ && end_ >= 3 && static_cast<unsigned char>(buffer_[0]) == 0xEF &&
        static_cast<unsigned char>(buffer_[1]) == 0xBB &&
        static_cast<unsigned char>(buffer_[2]) == 0xBF)
        pos_ = 3;
    atStart_ = false;
    // An input of a byte-order mark alone holds nothing after it.
    return pos_ < end_;
}

bool CsvReader::next(CsvRecord &record) {
    for (;;) {
        record.error.clear();
        record.line = line_;
        std::size_t fieldCount = 0;
        std::size_t recordBytes = 0;
        bool tooLong = false; // past a limit: the rest of the record is read but not kept
        // A record past a limit keeps one empty field and its error.
        auto giveUp = [&](const char *why) {
            Fail(record, why);
            tooLong = true;
            fieldCount = 1;
            std::string().swap(record.fields[0]);
        };
        // Starts the next field, emptied; the vector keeps its strings' capacity, except
        // the large capacity a long field left behind.
        auto openField = [&] {
            if (tooLong)
                return;
            if (fieldCount == kCsvFieldCountLimit) {
                giveUp("more than 1024 fields in the record");
                return;
            }
            if (fieldCount == record.fields.size())
                record.fields.emplace_back();
            std::string &field = record.fields[fieldCount];
            if (field.capacity() > kKeptCapacity)
                std::string().swap(field);
            else
                field.clear();
            ++fieldCount;
        };
        // Appends to the current field within the limits.
        auto keep = [&](char c) {
            if (tooLong)
                return;
            std::string &current = record.fields[fieldCount - 1];
            if (++recordBytes > kCsvRecordLimit)
                giveUp("the record is longer than 1 MiB");
            else if (current.size() >= kCsvFieldLimit)
                giveUp("a field is longer than 64 KiB");
            else
                current += c;
        };
        openField();
        State state = State::FieldStart;
        bool anything = false; // the record holds at least one byte besides its line end
        bool ended = false;
        bool pendingCr = false; // a CR ended the record: an LF right after belongs to it
        char previous = 0;      // the byte before this one inside a quoted field

        while (!ended) {
            if (pos_ == end_ && !fill())
                break;
            const char c = buffer_[pos_];
            ++pos_;
            switch (state) {
            case State::Quoted:
                if (c == '"') {
                    state = State::QuoteInside;
                } else {
                    keep(c);
                    if (c == '\n' || c == '\r') {
                        // A CR LF inside a quoted field counts as one line.
                        if (c == '\r' || previous != '\r')
                            ++line_;
                    }
                }
                previous = c;
                continue;
            case State::QuoteInside:
                if (c == '"') {
                    keep('"');
                    previous = c;
                    state = State::Quoted;
                    continue;
                }
                if (c != ',' && c != '\r' && c != '\n') {
                    Fail(record, "text after a closing quote");
                    keep(c);
                    state = State::Unquoted;
                    continue;
                }
                break; // a separator or line end, handled below
            case State::FieldStart:
                if (c == '"') {
                    anything = true;
                    previous = 0;
                    state = State::Quoted;
                    continue;
                }
                break;
            case State::Unquoted:
                break;
            }
            // Outside quotes.
            if (c == ',') {
                anything = true;
                openField();
                state = State::FieldStart;
            } else if (c == '\r' || c == '\n') {
                ++line_;
                ended = true;
                pendingCr = c == '\r';
            } else {
                anything = true;
                if (c == '"')
                    Fail(record, "a quote inside a field that does not start with one");
                keep(c);
                state = State::Unquoted;
            }
        }
        if (pendingCr) {
            if (pos_ == end_)
                fill();
            if (pos_ < end_ && buffer_[pos_] == '\n')
                ++pos_;
        }
        if (state == State::Quoted)
            Fail(record, "a quoted field is not closed at the end of the input");
        record.fields.resize(fieldCount);
        if (record.fields.capacity() > kKeptFields)
            record.fields.shrink_to_fit();
        if (anything)
            return true;
        if (!ended)
            return false; // end of the input
        // A completely empty line: no record.
    }
}

} // namespace starloom::cli
