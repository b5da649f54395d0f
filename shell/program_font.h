// The program's one typeface for its windows and dialogs.
#pragma once

#include <QFont>

namespace starloom {

// Verdana at the given size; where Verdana is not installed, DejaVu Sans, then the
// platform's sans-serif face.
QFont ProgramFont(qreal pointSize, bool bold = false);

} // namespace starloom
