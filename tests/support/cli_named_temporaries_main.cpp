// starloom-cli (the commands that do not draw) as it runs on a file system without unnamed
// temporary files (a network or FAT file system): every write goes through a named hidden
// temporary in the target's folder, which an interrupted run must not leave behind.
#include "cli/commands.h"
#include "shell/core/file_io_calls.h"

#include <cerrno>
#include <fcntl.h>

int main(int argc, char *argv[]) {
    starloom::WriterCalls calls = starloom::SystemWriterCalls();
    calls.open = [](const char *path, int flags, mode_t mode) {
        if ((flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return ::open(path, flags, mode);
    };
    starloom::SetWriterCalls(calls);
    return starloom::cli::Main(argc, argv);
}
