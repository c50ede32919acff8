// The frame of the always-on-top tool windows: a title bar and no border icons.
#pragma once

#include <QWidget>

namespace kerf {

// Shown and hidden only through the main window's Window menu, so the frame offers no close,
// minimise or maximise button.
inline constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// What every tool window does besides its frame: the tool windows have no parent window, and
// Qt shows tooltips only in the active window and the windows it owns, so without this a tool
// window's tooltips would wait for a click into it. They show on hover like everywhere else.
inline void SetUpToolWindow(QWidget& window) { window.setAttribute(Qt::WA_AlwaysShowToolTips); }

}  // namespace kerf
