// A streaming reader of comma-separated records (RFC 4180): fields separated by commas,
// records by CR LF (a lone LF or CR is taken as well), a field in double quotes may hold
// commas, line breaks and doubled quotes. The input is read in fixed blocks, so memory
// stays flat however long the file is.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace starloom::cli {

// Limits on one record, so that no input can make the reader hold much: a field or a
// record past its limit is returned with an error, its bytes not kept.
inline constexpr std::size_t kCsvFieldLimit = 64 * 1024;    // bytes of one field
inline constexpr std::size_t kCsvRecordLimit = 1024 * 1024; // bytes of one record
inline constexpr std::size_t kCsvFieldCountLimit = 1024;    // fields of one record

struct CsvRecord {
    std::vector<std::string> fields;
    long long line = 0; // line of the input on which the record starts, from 1
    std::string error;  // why the record is malformed, in English; empty when it is not
};

struct CsvProgress; // the record being read, and where the reading stands in it

class CsvReader {
public:
    // Reads from `input`, which stays open and owned by the caller.
    explicit CsvReader(std::FILE *input);

    // The next record, skipping lines that are completely empty. False at the end of the
    // input. A malformed record (a quote inside an unquoted field, text after a closing
    // quote, a quoted field still open at the end, a field, record or field count past its
    // limit) is returned with its error and reading goes on after it.
    bool next(CsvRecord &record);
    // The same, reading at most `mostBytes` bytes of the record: a longer one comes back
    // with an error at once, and the reader has stopped (for a first line that cannot be a
    // header, whatever follows it).
    bool next(CsvRecord &record, std::size_t mostBytes);

    // Whether reading stopped on an input error rather than at the end of the input, and
    // the system's error number then.
    bool failed() const { return m_failed; }
    int errorNumber() const { return m_errorNumber; }
    // Bytes of the input taken so far (a byte-order mark included).
    unsigned long long bytesRead() const { return m_filled - (m_end - m_pos); }

private:
    bool fill();
    // Reads the bytes of one record: the CR or LF that ended it, or 0 at the end of the
    // input.
    char readRecord(CsvProgress &progress);
    bool keepPlainRun(CsvProgress &progress);
    bool takeWholeLine(CsvRecord &record);
    void skipLfAfterCr();

    std::FILE *m_input;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    long long m_line = 1;
    bool m_atStart = true; // a byte-order mark may open the input
    bool m_failed = false;
    int m_errorNumber = 0;
    unsigned long long m_filled = 0; // bytes read into the buffer since the start
    std::size_t m_mostBytes = 0;     // bytes the record being read may take; 0 for no limit
    bool m_stopped = false;          // a record hit m_mostBytes
};

} // namespace starloom::cli
