// The commands of starloom-cli that draw: the image of the result window, the printed
// reading as a PDF file and the bar chart of the statistics, with Qt's GUI modules on the
// offscreen platform.
#pragma once

#include "cli/commands.h"

namespace starloom::cli {

// Everything the drawing commands need, for the program to hand to Main.
Drawing GuiDrawing();

} // namespace starloom::cli
