// The help window: one topic of the help file at a time in a text browser.
#pragma once

#include <QWidget>
#include <string>

#include "project/HelpFile.h"

class QTextBrowser;

namespace kerf {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(std::string helpFilePath, QWidget* parent = nullptr);

  // Shows the topic of a context number (reading the file on first use); a missing file or
  // topic shows a page saying so, and the contents topic's links still work.
  void ShowTopic(int context);
  int CurrentContext() const { return current_; }
  QTextBrowser* Browser() const { return browser_; }

 private:
  void Load();

  std::string path_;
  HelpFile file_;
  std::string loadError_;  // why the help file could not be read, until it is
  bool loaded_ = false;
  int current_ = -1;
  QTextBrowser* browser_;
};

}  // namespace kerf
