// A Status in the command-line tool's words: the line on standard error and the exit status.
#pragma once

#include "engine/status.h"

#include <string>

namespace starloom::cli {

// The text after "starloom-cli: ", e.g. "out/anna.act: No space left on device". Empty for
// success.
std::string StatusLine(const Status &status);

// kExitOk for success; kExitRefused (2) for every failure of the program or its input.
int ExitStatusOf(const Status &status);

// Writes "starloom-cli: " and StatusLine to standard error (nothing for success) and returns
// ExitStatusOf.
int Report(const Status &status);

} // namespace starloom::cli
