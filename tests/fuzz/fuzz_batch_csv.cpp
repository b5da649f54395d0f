// libFuzzer target: a batch file as starloom-cli reads it. The bytes are read record by
// record by the CSV reader, and every record with the batch's number of columns is put
// into form values and checked as the form checks them; a row that passes is read.
#include "cli/birth_options.h"
#include "cli/csv_reader.h"
#include "reading/driver.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // fmemopen refuses an empty buffer; an empty batch is read from /dev/null instead.
    std::FILE *input = size == 0 ? std::fopen("/dev/null", "rb")
                                 : fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
    if (input == nullptr)
        return 0;
    starloom::cli::CsvReader reader(input);
    starloom::cli::RowTexts texts;
    starloom::cli::CsvRecord record;
    while (reader.next(record)) {
        if (!record.error.empty() ||
            record.fields.size() != static_cast<std::size_t>(starloom::cli::kBatchColumns))
            continue;
        starloom::FormValues values;
        std::string error;
        if (!starloom::cli::FormValuesFromRow(record.fields, values, error, texts) ||
            starloom::CheckFormValues(values))
            continue;
        starloom::ReadingState state;
        starloom::RunReading(values, state);
    }
    std::fclose(input);
    return 0;
}
