// Comma-separated records, one byte at a time over a fixed buffer.
#include "cli/csv_reader.h"

#include <QtGlobal>

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

struct CsvProgress {
    explicit CsvProgress(CsvRecord &r) : record(r) {}
    CsvRecord &record;
    std::size_t bytesRead = 0; // of the input, line ends and quotes included
    std::size_t fieldCount = 0;
    std::size_t recordBytes = 0;
    bool tooLong = false;  // past a limit: the rest of the record is read but not kept
    bool anything = false; // the record holds at least one byte besides its line end
    State state = State::FieldStart;
    char previous = 0; // the byte before this one inside a quoted field
};

namespace {

// A record past a limit keeps one empty field and its error.
void GiveUp(CsvProgress &p, const char *why) {
    Fail(p.record, why);
    p.tooLong = true;
    p.fieldCount = 1;
    std::string().swap(p.record.fields[0]);
}

// Starts the next field, emptied; the vector keeps its strings' capacity, except the
// large capacity a long field left behind.
void OpenField(CsvProgress &p) {
    if (p.tooLong)
        return;
    if (p.fieldCount == kCsvFieldCountLimit) {
        GiveUp(p, QT_TRANSLATE_NOOP("CliMessages", "more than 1024 fields in the record"));
        return;
    }
    std::vector<std::string> &fields = p.record.fields;
    if (p.fieldCount == fields.size())
        fields.emplace_back();
    std::string &field = fields[p.fieldCount];
    if (field.capacity() > kKeptCapacity)
        std::string().swap(field);
    else
        field.clear();
    ++p.fieldCount;
}

// Appends to the current field within the limits.
void Keep(CsvProgress &p, char c) {
    if (p.tooLong)
        return;
    std::string &current = p.record.fields[p.fieldCount - 1];
    if (++p.recordBytes > kCsvRecordLimit)
        GiveUp(p, QT_TRANSLATE_NOOP("CliMessages", "the record is longer than 1 MiB"));
    else if (current.size() >= kCsvFieldLimit)
        GiveUp(p, QT_TRANSLATE_NOOP("CliMessages", "a field is longer than 64 KiB"));
    else
        current += c;
}

// A byte inside quotes, or right after a quote that may close them. False when the byte
// is a separator or line end after the closing quote, which is read as outside quotes.
bool TakeQuoted(CsvProgress &p, char c, long long &line) {
    if (p.state == State::Quoted) {
        if (c == '"') {
            p.state = State::QuoteInside;
        } else {
            Keep(p, c);
            // A CR LF inside a quoted field counts as one line.
            if (c == '\r' || (c == '\n' && p.previous != '\r'))
                ++line;
        }
        p.previous = c;
        return true;
    }
    // QuoteInside: a doubled quote, or the end of the quoted text.
    if (c == '"') {
        Keep(p, '"');
        p.previous = c;
        p.state = State::Quoted;
        return true;
    }
    if (c != ',' && c != '\r' && c != '\n') {
        Fail(p.record, QT_TRANSLATE_NOOP("CliMessages", "text after a closing quote"));
        Keep(p, c);
        p.state = State::Unquoted;
        return true;
    }
    return false;
}

// A byte outside quotes. True when it ends the record (a line end).
bool TakeUnquoted(CsvProgress &p, char c, long long &line) {
    if (p.state == State::FieldStart && c == '"') {
        p.anything = true;
        p.previous = 0;
        p.state = State::Quoted;
        return false;
    }
    if (c == ',') {
        p.anything = true;
        OpenField(p);
        p.state = State::FieldStart;
        return false;
    }
    if (c == '\r' || c == '\n') {
        ++line;
        return true;
    }
    p.anything = true;
    if (c == '"')
        Fail(p.record, QT_TRANSLATE_NOOP("CliMessages",
                                         "a quote inside a field that does not start with one"));
    Keep(p, c);
    p.state = State::Unquoted;
    return false;
}

} // namespace

CsvReader::CsvReader(std::FILE *input) : m_input(input), m_buffer(kBlockBytes) {}

bool CsvReader::fill() {
    if (m_failed)
        return false;
    m_pos = 0;
    errno = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_input);
    m_filled += m_end;
    if (m_end == 0 && std::ferror(m_input)) {
        m_failed = true;
        m_errorNumber = errno != 0 ? errno : EIO;
    }
    if (m_atStart && m_end >= 3 && static_cast<unsigned char>(m_buffer[0]) == 0xEF &&
        static_cast<unsigned char>(m_buffer[1]) == 0xBB &&
        static_cast<unsigned char>(m_buffer[2]) == 0xBF)
        m_pos = 3;
    m_atStart = false;
    // An input of a byte-order mark alone holds nothing after it.
    return m_pos < m_end;
}

bool CsvReader::next(CsvRecord &record, std::size_t mostBytes) {
    m_mostBytes = mostBytes;
    const bool got = next(record);
    m_mostBytes = 0;
    if (m_stopped) {
        record.fields.clear();
        record.error = "the first " + std::to_string(mostBytes) + " bytes end no line";
        return true;
    }
    return got;
}

bool CsvReader::next(CsvRecord &record) {
    if (m_stopped)
        return false;
    for (;;) {
        record.error.clear();
        record.line = m_line;
        if (takeWholeLine(record))
            return true;
        CsvProgress progress(record);
        OpenField(progress);
        const char end = readRecord(progress);
        if (end == '\r')
            skipLfAfterCr();
        if (progress.state == State::Quoted)
            Fail(record, QT_TRANSLATE_NOOP("CliMessages",
                                           "a quoted field is not closed at the end of the input"));
        record.fields.resize(progress.fieldCount);
        if (record.fields.capacity() > kKeptFields)
            record.fields.shrink_to_fit();
        if (progress.anything)
            return true;
        if (end == 0)
            return false; // end of the input
        // A completely empty line: no record.
    }
}

char CsvReader::readRecord(CsvProgress &progress) {
    for (;;) {
        if (m_pos == m_end && !fill())
            return 0;
        if (m_mostBytes != 0 && ++progress.bytesRead > m_mostBytes) {
            m_stopped = true;
            return 0;
        }
        const bool quoted = progress.state == State::Quoted || progress.state == State::QuoteInside;
        if (!quoted && m_mostBytes == 0 && keepPlainRun(progress))
            continue;
        const char c = m_buffer[m_pos];
        ++m_pos;
        if (quoted && TakeQuoted(progress, c, m_line))
            continue;
        if (TakeUnquoted(progress, c, m_line))
            return c;
    }
}

// Outside quotes, the bytes up to the next comma, quote or line end are kept at once, as
// byte by byte, when they keep the field and the record within their limits (otherwise
// they go byte by byte, to the limit's refusal). False when there are none.
bool CsvReader::keepPlainRun(CsvProgress &progress) {
    if (progress.tooLong)
        return false;
    const char *const start = m_buffer.data() + m_pos;
    const char *const end = m_buffer.data() + m_end;
    const char *stop = start;
    while (stop != end && *stop != ',' && *stop != '"' && *stop != '\r' && *stop != '\n')
        ++stop;
    const auto run = static_cast<std::size_t>(stop - start);
    std::string &current = progress.record.fields[progress.fieldCount - 1];
    if (run == 0 || progress.recordBytes + run > kCsvRecordLimit ||
        current.size() + run > kCsvFieldLimit)
        return false;
    progress.recordBytes += run;
    progress.anything = true;
    progress.state = State::Unquoted;
    current.append(start, run);
    m_pos += run;
    return true;
}

// Most records are one line of plain fields, already whole in the buffer: such a line is
// split at its commas at once. It gives what the reading byte by byte gives: a line
// without quotes holds no field that could be malformed; it is shorter than the buffer, so
// no field or record reaches its limit (the field count is counted); and each field is
// emptied and kept as OpenField does. Anything else (a quote, an empty line, a line not
// yet whole in the buffer, a limit on the bytes read) is left to the reading byte by byte,
// which starts the record over: what was put into the fields here is emptied there.
bool CsvReader::takeWholeLine(CsvRecord &record) {
    static_assert(kBlockBytes <= kCsvFieldLimit && kBlockBytes <= kCsvRecordLimit);
    if (m_mostBytes != 0 || m_pos == m_end)
        return false;
    const char *const end = m_buffer.data() + m_end;
    const char *field = m_buffer.data() + m_pos;
    if (*field == '\r' || *field == '\n')
        return false;
    std::vector<std::string> &fields = record.fields;
    std::size_t count = 0;
    for (const char *at = field; at != end; ++at) {
        const char c = *at;
        if (c == '"')
            return false;
        if (c != ',' && c != '\r' && c != '\n')
            continue;
        if (count == kCsvFieldCountLimit)
            return false;
        if (count == fields.size())
            fields.emplace_back();
        std::string &kept = fields[count++];
        if (kept.capacity() > kKeptCapacity)
            std::string().swap(kept);
        kept.assign(field, static_cast<std::size_t>(at - field));
        field = at + 1;
        if (c == ',')
            continue;
        fields.resize(count);
        if (fields.capacity() > kKeptFields)
            fields.shrink_to_fit();
        m_pos = static_cast<std::size_t>(field - m_buffer.data());
        ++m_line;
        if (c == '\r')
            skipLfAfterCr();
        return true;
    }
    return false;
}

// A CR ended the record: an LF right after it belongs to the same line end.
void CsvReader::skipLfAfterCr() {
    if (m_pos == m_end)
        fill();
    if (m_pos < m_end && m_buffer[m_pos] == '\n')
        ++m_pos;
}

} // namespace starloom::cli
