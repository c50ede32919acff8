// Driving real widgets in the window tests: mouse and key events, waiting for the event loop.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace kerf::testing {

// Lets the event loop run until done() holds or timeoutMs passes; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Deletes what deleteLater() has left behind (the windows of a closed desktop, replaced menu
// items) now, so that nothing of one test outlives it into the next.
inline void DeleteLeftovers() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Press at from, move through to, release at to.
inline void Drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(widget, QEvent::MouseButtonPress, from, button);
  SendMouse(widget, QEvent::MouseMove, to, button);
  SendMouse(widget, QEvent::MouseButtonRelease, to, button);
}

inline void SendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(widget, &release);
}

}  // namespace kerf::testing
