// The commands of starloom-cli and what they share: the option reader, the birth details
// from options or from a reading file, and one reading run the program's way.
#pragma once

#include "cli/birth_options.h"
#include "engine/status.h"
#include "reading/driver.h"
#include "reading/form_values.h"
#include "reading/reading_state.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QCoreApplication;

namespace starloom::cli {

struct StatsResult;

// The options and plain arguments after the command's name.
struct Arguments {
    std::map<std::string, std::string> values; // option name (with "--") to value
    std::vector<std::string> flags;            // options without a value that were given
    std::vector<std::string> positionals;

    bool has(const std::string &name) const;
    std::string value(const std::string &name) const; // empty when not given
};

struct OptionRule {
    const char *name; // with "--"
    bool takesValue;
};

// Reads "--name value", "--name=value", flags and plain arguments ("--" ends the options).
// Refused, naming the option, on an unknown option, a missing value or an option given twice.
Status ParseArguments(const std::vector<std::string> &args, const std::vector<OptionRule> &rules,
                      Arguments &parsed);

// One reading as the program makes it: the values checked, then RunReading on a fresh state.
struct Reading {
    FormValues values;
    ReadingState state;
    ReadingOutcome outcome;
    TimeSource source; // the atlas place and zone behind it, if any
};

// The birth options of the reading, save, export and image commands into form values.
// Refused, naming the option, when one is missing or malformed. `source`, when given, says
// what --place gave.
Status FormValuesFromOptions(const Arguments &args, FormValues &values,
                             TimeSource *source = nullptr);

// The form's values refilled from a reading file (ReadReadingFile), on top of the form's
// start values; `values` is untouched when the file is refused.
Status FormValuesFromReadingFile(const std::string &path, FormValues &values);

// Checks the values as the form does and runs the reading by the given method and houses
// into `reading`. The form's refusal (CheckFormValues), `reading` untouched, when the form
// refuses them.
Status CalculateReading(const FormValues &values, std::unique_ptr<Reading> &reading,
                        ChartChoice choice = {});

// What the commands that draw need of Qt's GUI modules, which every other command does
// without. The program hands them in; a command whose part is missing refuses to run.
struct Drawing {
    // The GUI application the command in `args` draws with, or null when the core
    // application will do.
    std::function<std::unique_ptr<QCoreApplication>(int &argc, char **argv,
                                                    const std::vector<std::string> &args)>
        application;
    // The image command's reading saved as a JPEG image (values already checked).
    std::function<Status(const FormValues &values, const std::string &path, ChartChoice choice)>
        saveImage;
    // The printed reading written to a PDF file.
    std::function<Status(const Reading &reading, const std::string &path)> writePdf;
    // The stats command's tables drawn as a bar chart into an SVG file.
    std::function<Status(const StatsResult &result, const std::string &path)> writeStatsPlot;
};

// The whole tool: `args` are the command-line arguments without the program's name.
// Returns the exit status; output goes to standard output, errors to standard error.
int RunCommand(const std::vector<std::string> &args, const Drawing &drawing = {});

// The program's entry: sets up the Qt application the command needs and runs it.
int Main(int argc, char *argv[], const Drawing &drawing = {});

} // namespace starloom::cli
