// libFuzzer target: the whole road of a reading file from its bytes to a reading. The
// bytes are decoded into lines, put into a fresh form's values and checked as the form
// checks them; when the check passes, the values are read into the record and the
// reading runs, as it does after Open Previously Saved Reading.
#include "reading/driver.h"
#include "reading/form_values.h"
#include "reading/reading_file.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    if (!device.open(QIODevice::ReadOnly))
        return 0;
    const QStringList lines = starloom::ReadReadingFileLines(device);
    starloom::FormValues values;
    starloom::ApplyReadingFile(lines, values);
    if (!starloom::CheckFormValues(values).ok())
        return 0;
    starloom::ReadingState state;
    starloom::ReadValuesIntoRecord(values, state);
    starloom::RunReading(values, state);
    return 0;
}
