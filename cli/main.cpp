// starloom-cli: QM Starloom readings from the command line. See `starloom-cli --help`.
#include "cli/commands.h"
#include "cli/drawing.h"

int main(int argc, char *argv[]) {
    return starloom::cli::Main(argc, argv, starloom::cli::GuiDrawing());
}
