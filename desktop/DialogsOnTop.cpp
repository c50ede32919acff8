// Lifting dialogs into the tool windows' always-on-top layer as they are shown.
#include "desktop/DialogsOnTop.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace kerf {

DialogsOnTop::DialogsOnTop(QObject* parent) : QObject(parent) {}

bool DialogsOnTop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    // The flag goes on the native window, which exists by now and is not yet mapped: changing
    // the widget's own flags would hide it again. The window system puts it in the top layer
    // when it maps the window.
    if (widget->isWindow() && widget->windowType() == Qt::Dialog) {
      if (QWindow* window = widget->windowHandle()) window->setFlag(Qt::WindowStaysOnTopHint);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kerf
