// The system calls the checked writer (file_io.h) makes, kept in a table so that a test can
// make one of them fail the way a failing disk or a network file system does, and check
// that the failure is reported and nothing is left behind. The programs never change the
// table; it holds the real calls unless a test sets it.
#pragma once

#include <sys/types.h>

namespace starloom {

struct WriterCalls {
    int (*open)(const char *path, int flags, mode_t mode);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char *from, const char *to);
};

// The system's own calls.
WriterCalls SystemWriterCalls();

// Every write from now on uses `calls`. For tests only, and only while no write is running.
void SetWriterCalls(const WriterCalls &calls);

} // namespace starloom
