// Many readings from a comma-separated file to JSON Lines, one object per row in input
// order, on several threads. Rows are read, worked and written in bounded chunks, so the
// memory used does not grow with the file.
#pragma once

#include "cli/birth_options.h"
#include "cli/csv_reader.h"
#include "cli/reading_output.h"
#include "reading/reading_state.h"

#include <string>

namespace starloom::cli {

struct BatchOptions {
    std::string input;  // a file, or "-" for standard input
    std::string output; // a file written whole or not at all; empty for standard output
    int threads = 1;    // worker threads, 1 or more
    ChartChoice chart;  // positions method and house system
};

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRowsFailed = 1; // a batch ran, but some rows were refused
inline constexpr int kExitRefused = 2;    // bad arguments or input, or a file not written

// Turns data rows into JSON lines; one per worker thread.
class BatchRowWriter {
public:
    explicit BatchRowWriter(ChartChoice choice = {});

    // Appends the JSON line (ended by LF) of one data row to `out`: the reading's object, or
    // {"line": N, "error": "..."} when the row is malformed or the form refuses it. False for
    // an error object.
    bool append(const CsvRecord &record, std::string &out);

private:
    RowTexts m_texts;
    ReadingJsonWriter m_json;
    ReadingState m_fresh; // as the program holds it before its first reading
    ReadingState m_state;
};

// Runs the batch. kExitRefused, with `error` set, when the input cannot be read, its first
// line is not the header or the output cannot be written; otherwise kExitOk, or
// kExitRowsFailed when any row gave an error object.
int RunBatch(const BatchOptions &options, std::string &error);

} // namespace starloom::cli
