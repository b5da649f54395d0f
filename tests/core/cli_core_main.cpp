// starloom-cli built from its core library alone: every command that does not draw.
#include "cli/commands.h"

int main(int argc, char *argv[]) {
    return starloom::cli::Main(argc, argv);
}
