// libFuzzer target: a batch file as starloom-cli reads it. The bytes are read record by
// record by the CSV reader, and every record goes the batch's way: into form values,
// checked as the form checks them, calculated and written as its JSON line (or its error
// line), which must then parse.
#include "cli/csv_reader.h"
#include "cli/reading_output.h"
#include "cli/row_pipeline.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // fmemopen refuses an empty buffer; an empty batch is read from /dev/null instead.
    std::FILE *input = size == 0 ? std::fopen("/dev/null", "rb")
                                 : fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
    if (input == nullptr)
        return 0;
    starloom::cli::CsvReader reader(input);
    starloom::cli::CsvRecord record;
    static starloom::cli::RowCalculator calculator(starloom::ChartChoice{});
    static starloom::cli::ReadingJsonWriter writer;
    starloom::cli::ByteBuffer out;
    std::string reason;
    while (reader.next(record)) {
        out.clear();
        if (const starloom::cli::RowReading *row = calculator.calculate(record, reason))
            writer.appendLine(*row, out);
        else
            writer.appendError(record.line, reason, out);
        if (!nlohmann::json::accept(out.view()))
            std::abort();
    }
    std::fclose(input);
    return 0;
}
