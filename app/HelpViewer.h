// The help file "ROUTERHELP.HLP" (topics keyed by context number) and the window that shows them.
#pragma once

#include <QWidget>
#include <map>
#include <string>

class QTextBrowser;

namespace kerf {

// The file is UTF-8 text. A line "@topic N Title" starts the topic of context N; the lines up
// to the next such line are its body, written in Markdown. Links of the form "help:N" lead to
// other topics. Lines before the first topic and lines starting with "@#" are comments.
struct HelpPage {
  int Context = 0;
  std::string Title;
  std::string Body;  // Markdown
};

struct HelpFile {
  std::map<int, HelpPage> Topics;
  std::string Error;  // why the file could not be read; empty when it was
};

HelpFile ParseHelpText(const std::string& text);
HelpFile ReadHelpFile(const std::string& path);

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
  bool loaded_ = false;
  int current_ = -1;
  QTextBrowser* browser_;
};

}  // namespace kerf
