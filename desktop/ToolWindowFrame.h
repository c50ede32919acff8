// What the panels docked around the 3-D view have in common besides their docks.
#pragma once

#include <QWidget>

namespace kerf {

// The panels are plain widgets: the main window puts each into a dock of its own, which shows
// it beside the view or floating as a window of its own.
inline constexpr Qt::WindowFlags ToolWindowFlags = Qt::Widget;

// What every panel does besides its dock: a floating dock is a window of its own, and Qt shows
// tooltips only in the active window and the windows it owns, so without this a floating
// panel's tooltips would wait for a click into it. They show on hover like everywhere else.
inline void SetUpToolWindow(QWidget& window) { window.setAttribute(Qt::WA_AlwaysShowToolTips); }

}  // namespace kerf
