// F1 help: each window names its help topic, one filter on the application shows it.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace kerf {

// The topics of the help file; each value is the topic's context number in that file.
enum class HelpTopic : int {
  Contents = 0,
  MainWindow = 10,
  Tools = 20,
  EditCut = 25,
  ViewControls = 30,
  Texture = 40,
  Profile = 50,
  StockSize = 60,
  Report = 70,
  Match = 75,
  Progress = 80,
  Tips = 85,
  CutterDesigner = 135,
  Exports = 145,  // Photograph, Export 3-D, Export Template and the set-up sheet
};

// Marks a top-level window as answering F1 with the given help topic.
void SetHelpTopic(QWidget* window, HelpTopic topic);
// The help topic of the window that holds widget, or else of the nearest window it was opened
// from that has one.
std::optional<HelpTopic> HelpTopicOf(const QWidget* widget);

// Installed on the application: F1 (with or without modifier keys) in any window that has a
// help topic asks showHelp for that topic; every other key passes on untouched. This is the
// only F1 handling: the windows themselves do not look at the key.
class HelpKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit HelpKeyFilter(std::function<void(HelpTopic)> showHelp, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(HelpTopic)> showHelp_;
};

}  // namespace kerf
