// starloom-cli image: the result window of a reading saved as a JPEG image.
#pragma once

#include "engine/chart.h"
#include "reading/form_values.h"

#include <string>

namespace starloom::cli {

// Runs the program's own reading on `values` (already checked) with its birth-data form,
// chart window and report window on the offscreen platform, then the chart window's
// Save As JPEG with `path` as the name chosen in its dialog: the name is cut at its first
// dot and given ".jpg", and a free numbered name is taken when that file exists. Needs a
// QApplication. Refused, with the program's message on one line as its reason, when
// nothing was saved. The positions and houses are computed as `choice` says, whatever the
// user's settings choose.
Status SaveReadingImage(const FormValues &values, const std::string &path, ChartChoice choice = {});

} // namespace starloom::cli
