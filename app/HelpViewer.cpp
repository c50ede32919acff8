// The help file reader and the help window: one topic at a time in a text browser.
#include "app/HelpViewer.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kerf {

namespace {

bool ParseTopicLine(const std::string& line, HelpPage& topic) {
  static const std::string marker = "@topic ";
  if (line.compare(0, marker.size(), marker) != 0) return false;
  std::istringstream in(line.substr(marker.size()));
  int context = 0;
  if (!(in >> context)) return false;
  std::string title;
  std::getline(in, title);
  const size_t start = title.find_first_not_of(' ');
  topic.Context = context;
  topic.Title = start == std::string::npos ? std::string() : title.substr(start);
  topic.Body.clear();
  return true;
}

}  // namespace

HelpFile ParseHelpText(const std::string& text) {
  HelpFile file;
  std::istringstream in(text);
  std::string line;
  HelpPage topic;
  bool inTopic = false;
  auto finish = [&] {
    if (inTopic) file.Topics[topic.Context] = topic;
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, 2, "@#") == 0) continue;
    HelpPage next;
    if (ParseTopicLine(line, next)) {
      finish();
      topic = next;
      inTopic = true;
      continue;
    }
    if (inTopic) topic.Body += line + "\n";
  }
  finish();
  return file;
}

HelpFile ReadHelpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    HelpFile file;
    file.Error = "The help file " + path + " cannot be read: " + std::strerror(errno) + ".";
    return file;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseHelpText(text.str());
}

HelpViewer::HelpViewer(std::string helpFilePath, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(helpFilePath)) {
  setObjectName("HelpViewer");
  setWindowTitle("Kerfwright Help");
  resize(560, 620);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* contents = new QPushButton("Contents", this);
  contents->setObjectName("btnContents");
  contents->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  layout->addWidget(contents);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpText");
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == "help") {
      bool ok = false;
      const int context = url.path().toInt(&ok);
      if (ok) ShowTopic(context);
    }
  });
  layout->addWidget(browser_);
}

void HelpViewer::Load() {
  if (loaded_) return;
  file_ = ReadHelpFile(path_);
  loaded_ = file_.Error.empty();
}

void HelpViewer::ShowTopic(int context) {
  Load();
  current_ = context;
  QString page;
  const auto it = file_.Topics.find(context);
  if (!file_.Error.empty()) {
    page = "# Help is not available\n\n" + QString::fromStdString(file_.Error) +
           "\n\nThe help file belongs beside the program.";
  } else if (it == file_.Topics.end()) {
    page = QString("# No help for this window\n\nThe help file has no topic %1. "
                   "See the [contents](help:0).")
               .arg(context);
  } else {
    page = "# " + QString::fromStdString(it->second.Title) + "\n\n" +
           QString::fromStdString(it->second.Body);
  }
  browser_->setMarkdown(page);
  show();
  raise();
  activateWindow();
}

}  // namespace kerf
