// The four toolbar pictures of the chart window, drawn by our own code as vector shapes at
// whatever size and device pixel ratio the toolbar asks for.
#pragma once

#include <QIcon>

namespace starloom {

enum class ToolbarPicture { New, Save, Print, Help };

constexpr int kToolbarIconWidth = 16;  // pixels at the design resolution
constexpr int kToolbarIconHeight = 15; // pixels at the design resolution

QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace starloom
