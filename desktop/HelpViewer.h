// The help window: one topic of the help file at a time in a text browser.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "project/HelpFile.h"

class QPushButton;
class QTextBrowser;

namespace kerf {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(std::string helpFilePath, QWidget* parent = nullptr);

  // Shows the topic of a context number (reading the file on first use); a missing file or
  // topic shows a page saying so, and the contents topic's links still work. The page shown
  // before is kept for Back. Opened while a dialog holds the program, the window holds it in
  // turn until it is closed, so that it can be read and scrolled.
  void ShowTopic(int context);
  // The page shown before the present one (the Back button, Alt+Left); nothing when none was.
  void Back();
  int CurrentContext() const { return current_; }
  QTextBrowser* Browser() const { return browser_; }
  QPushButton* BackButton() const { return backButton_; }

 private:
  void Load();
  void Display(int context);

  std::string path_;
  HelpFile file_;
  std::string loadError_;  // why the help file could not be read, until it is
  bool loaded_ = false;
  int current_ = -1;
  std::vector<int> earlier_;  // the pages Back returns to, the last one last
  QPushButton* backButton_;
  QTextBrowser* browser_;
};

}  // namespace kerf
