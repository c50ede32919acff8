// The frame of the always-on-top tool windows: a title bar and no border icons.
#pragma once

#include <Qt>

namespace kerf {

// Shown and hidden only through the main window's Window menu, so the frame offers no close,
// minimise or maximise button.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

}  // namespace kerf
