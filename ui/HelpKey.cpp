// F1 help: the window property that names a help topic and the filter that answers F1.
#include "ui/HelpKey.h"

#include <QKeyEvent>
#include <QWidget>

namespace kerf {

namespace {
constexpr const char* HelpContextProperty = "kerfHelpContext";
}

void SetHelpContext(QWidget* window, int context) {
  window->setProperty(HelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
  if (widget == nullptr) return -1;
  const QVariant value = widget->window()->property(HelpContextProperty);
  bool ok = false;
  const int context = value.toInt(&ok);
  return ok ? context : -1;
}

HelpKeyFilter::HelpKeyFilter(std::function<void(int)> showHelp, QObject* parent)
    : QObject(parent), showHelp_(std::move(showHelp)) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  const int context = HelpContextOf(widget);
  if (context < 0) return false;
  if (showHelp_) showHelp_(context);
  return true;
}

}  // namespace kerf
