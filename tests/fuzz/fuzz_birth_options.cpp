// libFuzzer target: the command-line values of a birth. The input holds up to five lines,
// the texts of --date, --time, --zone, --lat and --lon in that order; each goes through its
// setter, and when all five are taken the birth is checked as the form checks it and, when
// it passes, its reading runs.
#include "cli/birth_options.h"
#include "reading/driver.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using Setter = bool (*)(std::string_view, starloom::FormValues &, std::string &);
constexpr Setter kSetters[] = {starloom::cli::SetDate, starloom::cli::SetTime,
                               starloom::cli::SetZone, starloom::cli::SetLatitude,
                               starloom::cli::SetLongitude};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    starloom::FormValues values;
    values.name = QStringLiteral("Anonymous");
    values.city = values.state = values.country = QStringLiteral("Unknown");
    int taken = 0;
    for (const Setter set : kSetters) {
        const std::size_t end = rest.find('\n');
        const std::string_view text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        std::string error;
        if (set(text, values, error))
            ++taken;
    }
    if (taken != static_cast<int>(std::size(kSetters)) || !starloom::CheckFormValues(values).ok())
        return 0;
    starloom::ReadingState state;
    starloom::RunReading(values, state);
    return 0;
}
