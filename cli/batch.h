// Many readings from a comma-separated file to JSON Lines (one object per row) or to a CSV
// table (one record per row), in input order, on several threads (the row pipeline's).
#pragma once

#include "cli/row_pipeline.h"
#include "reading/reading_state.h"

#include <string>

namespace starloom::cli {

// What the batch writes: JSON Lines (the reading's object per row), or a CSV table.
enum class BatchFormat { JsonLines, Csv };

struct BatchOptions {
    std::string input;     // a file, or "-" for standard input
    std::string output;    // a file written whole or not at all; empty for standard output
    int threads = 1;       // worker threads, 1 or more
    ChartChoice chart;     // positions method and house system
    bool progress = false; // a progress line on standard error while the rows run
    BatchFormat format = BatchFormat::JsonLines;
};

// Runs the batch. A failure when the input cannot be read, its first line is not the header
// or the output cannot be written (WriteFailed, naming the output or "standard output");
// otherwise success, with `rowsFailed` true when any row gave an error object.
Status RunBatch(const BatchOptions &options, bool &rowsFailed);

} // namespace starloom::cli
