// The help window: one topic at a time in a text browser.
#include "desktop/HelpViewer.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace kerf {

HelpViewer::HelpViewer(std::string helpFilePath, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(helpFilePath)) {
  setObjectName("HelpViewer");
  setWindowTitle("Kerfwright Help");
  resize(560, 620);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* contents = new QPushButton("Contents", this);
  contents->setObjectName("contentsButton");
  contents->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  layout->addWidget(contents);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpText");
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
  Result<HelpFile> read = ReadHelpFile(path_);
  loaded_ = read.Ok();
  loadError_ = read.Error();
  file_ = loaded_ ? std::move(read.Value()) : HelpFile{};
}

void HelpViewer::ShowTopic(int context) {
  Load();
  current_ = context;
  const auto it = file_.Topics.find(context);
  if (!loaded_) {
    // The message names a file: shown as plain text, never as markup.
    browser_->setPlainText("Help is not available\n\n" + QString::fromStdString(loadError_) +
                           "\n\nThe help file belongs beside the program.");
  } else {
    QString page = it == file_.Topics.end()
                       ? QString(
                             "# No help for this window\n\nThe help file has no topic %1. "
                             "See the [contents](help:0).")
                             .arg(context)
                       : "# " + QString::fromStdString(it->second.Title) + "\n\n" +
                             QString::fromStdString(it->second.Body);
    // The help file's own text: Markdown without HTML and without pictures (an image becomes a
    // plain link), so that no page makes the window read a file it names: a FIFO or a device
    // would never end. The help needs neither.
    page.replace("![", "[");
    browser_->document()->setMarkdown(
        page, QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                              QTextDocument::MarkdownNoHTML));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace kerf
