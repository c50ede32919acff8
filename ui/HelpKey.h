// F1 help: each window names its help topic, one filter on the application shows it.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kerf {

// Marks a top-level window as answering F1 with the given help context number.
void SetHelpContext(QWidget* window, int context);
// The help context of the window that holds widget, or -1 when that window has none.
int HelpContextOf(const QWidget* widget);

// Installed on the application: F1 (with or without modifier keys) in any window that has a
// help context asks showHelp for that context; every other key passes on untouched.
class HelpKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit HelpKeyFilter(std::function<void(int)> showHelp, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(int)> showHelp_;
};

}  // namespace kerf
