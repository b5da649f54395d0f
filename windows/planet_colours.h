// The colour each planet is marked in on the wheel and named in by the report.
#pragma once

#include <QColor>

namespace starloom {

// Sun (0) to Pluto (9), dark enough to read on white; grey for any other index.
QColor PlanetColour(int body);

} // namespace starloom
