// How a step that can fail says so, everywhere in the program: what kind of failure it was,
// which file or field it concerns and why. The engine, the reading core, the windows and
// the command-line tool pass the same value along; only at the very edge does each turn it
// into its own words (a message box in the windows, a line on standard error and an exit
// status in the command-line tool), so that a failure is never dropped on the way, shown
// twice, or worded differently depending on who noticed it.
//
// Standard C++ only, so that every layer can use it.
#pragma once

#include <string>
#include <utility>

namespace starloom {

enum class StatusCode {
    Ok,
    // Input the user gave is refused. `subject` names the field or option; `reason` is the
    // whole sentence the user is shown.
    Refused,
    // Input that is refused with a notice rather than an error (a day the month does not
    // have); as Refused otherwise.
    Notice,
    // A file could not be read. `subject` is its path; `reason` the system's words.
    ReadFailed,
    // A file was read but is not what it should be (not a reading this program wrote).
    // `subject` is the file's name; `reason` the first fault ("line 4: year ...").
    BadContents,
    // A file could not be written. `subject` is its path; `reason` the system's words.
    WriteFailed,
    // A new file was not made because its name is already in use (the caller may try the
    // next name). `subject` is its path.
    NameTaken,
    // Something built into the program is damaged. `subject` names it; `reason` says how.
    Damaged,
};

// The outcome of a step that can fail. A default Status is success.
struct [[nodiscard]] Status {
    StatusCode code = StatusCode::Ok;
    std::string subject; // the file (its path, or its name where noted) or field concerned
    std::string reason;  // why, in the words StatusCode describes

    bool ok() const { return code == StatusCode::Ok; }
    bool operator==(const Status &) const = default;
};

inline Status Success() {
    return {};
}

inline Status Failure(StatusCode code, std::string subject, std::string reason) {
    return Status{code, std::move(subject), std::move(reason)};
}

} // namespace starloom
