// The commands of starloom-cli and what they share: the option reader, the birth details
// from options or from a reading file, and one reading run the program's way.
#pragma once

#include "cli/birth_options.h"
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
// False, with `error` set, on an unknown option, a missing value or an option given twice.
bool ParseArguments(const std::vector<std::string> &args, const std::vector<OptionRule> &rules,
                    Arguments &parsed, std::string &error);

// One reading as the program makes it: the values checked, then RunReading on a fresh state.
struct Reading {
    FormValues values;
    ReadingState state;
    ReadingOutcome outcome;
    TimeSource source; // the atlas place and zone behind it, if any
};

// The birth options of the reading, save, export and image commands into form values. False,
// with `error` set, when one is missing or malformed. `source`, when given, says what --place
// gave.
bool FormValuesFromOptions(const Arguments &args, FormValues &values, std::string &error,
                           TimeSource *source = nullptr);

// The form's values refilled from a reading file, on top of the form's start values. False,
// with `error` set, when the name does not end in "act", the file cannot be read or it is
// not a whole reading (the message then names the file and the line).
bool FormValuesFromReadingFile(const std::string &path, FormValues &values, std::string &error);

// Checks the values as the form does and runs the reading by the given method and houses. Null,
// with `error` set to the form's message, when the form refuses them.
std::unique_ptr<Reading> CalculateReading(const FormValues &values, std::string &error,
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
    std::function<bool(const FormValues &values, const std::string &path, std::string &error,
                       ChartChoice choice)>
        saveImage;
    // The printed reading written to a PDF file; `error` is the reason only.
    std::function<bool(const Reading &reading, const std::string &path, std::string &error)>
        writePdf;
    // The stats command's tables drawn as a bar chart into an SVG file.
    std::function<bool(const StatsResult &result, const std::string &path, std::string &error)>
        writeStatsPlot;
};

// The whole tool: `args` are the command-line arguments without the program's name.
// Returns the exit status; output goes to standard output, errors to standard error.
int RunCommand(const std::vector<std::string> &args, const Drawing &drawing = {});

// The program's entry: sets up the Qt application the command needs and runs it.
int Main(int argc, char *argv[], const Drawing &drawing = {});

} // namespace starloom::cli
