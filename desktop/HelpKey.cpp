// F1 help: the window property that names a help topic and the filter that answers F1.
#include "desktop/HelpKey.h"

#include <QKeyEvent>
#include <QWidget>

namespace kerf {

namespace {
constexpr const char* HelpContextProperty = "kerfHelpContext";
}

void SetHelpTopic(QWidget* window, HelpTopic topic) {
  window->setProperty(HelpContextProperty, static_cast<int>(topic));
}

std::optional<HelpTopic> HelpTopicOf(const QWidget* widget) {
  // The nearest widget with a topic: a panel docked in the main window has one of its own, and
  // a window without one (a message box, a file dialog) answers with the topic of the window it
  // was opened from.
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    bool ok = false;
    const int context = w->property(HelpContextProperty).toInt(&ok);
    if (ok) return static_cast<HelpTopic>(context);
  }
  return std::nullopt;
}

HelpKeyFilter::HelpKeyFilter(std::function<void(HelpTopic)> showHelp, QObject* parent)
    : QObject(parent), showHelp_(std::move(showHelp)) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->type() != QEvent::ShortcutOverride) return false;
  if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  const std::optional<HelpTopic> topic = HelpTopicOf(widget);
  if (!topic) return false;
  // F1 is also Help > Contents' key: a window with a topic of its own keeps the key, which then
  // comes as a key press and opens that topic.
  event->accept();
  if (press && showHelp_) showHelp_(*topic);
  return true;
}

}  // namespace kerf
