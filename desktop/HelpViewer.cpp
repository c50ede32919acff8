// The help window: one topic at a time in a text browser.
#include "desktop/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace kerf {

HelpViewer::HelpViewer(std::string helpFilePath, QWidget* parent)
    // Above the panels and the Tips dialog that stay on top, so that F1 in any of them shows it.
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), path_(std::move(helpFilePath)) {
  setObjectName("HelpViewer");
  setWindowTitle("Kerfwright Help");
  resize(560, 620);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* buttons = new QHBoxLayout;
  backButton_ = new QPushButton("Back", this);
  backButton_->setObjectName("backButton");
  backButton_->setToolTip("The page shown before (Alt+Left)");
  backButton_->setEnabled(false);
  connect(backButton_, &QPushButton::clicked, this, &HelpViewer::Back);
  buttons->addWidget(backButton_);
  auto* contents = new QPushButton("Contents", this);
  contents->setObjectName("contentsButton");
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  buttons->addWidget(contents);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  auto* back = new QAction(this);
  QList<QKeySequence> backKeys = QKeySequence::keyBindings(QKeySequence::Back);
  if (!backKeys.contains(QKeySequence(Qt::ALT | Qt::Key_Left)))
    backKeys.append(QKeySequence(Qt::ALT | Qt::Key_Left));
  back->setShortcuts(backKeys);
  connect(back, &QAction::triggered, this, &HelpViewer::Back);
  addAction(back);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
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
  if (!isVisible())
    earlier_.clear();  // a window opened afresh starts a new trail
  else if (current_ >= 0 && current_ != context)
    earlier_.push_back(current_);
  Display(context);
  // Shown over a dialog that holds the program, the window would take no keys or clicks: it
  // holds the program itself until it is closed.
  const QWidget* modal = QApplication::activeModalWidget();
  const bool overDialog = modal != nullptr && modal != this;
  if (overDialog != (windowModality() == Qt::ApplicationModal)) {
    hide();
    setWindowModality(overDialog ? Qt::ApplicationModal : Qt::NonModal);
  }
  show();
  raise();
  activateWindow();
}

void HelpViewer::Back() {
  if (earlier_.empty()) return;
  const int context = earlier_.back();
  earlier_.pop_back();
  Display(context);
}

void HelpViewer::Display(int context) {
  Load();
  current_ = context;
  backButton_->setEnabled(!earlier_.empty());
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
  // A page opens at its top: the text's cursor would stay at the end of the text put in.
  browser_->moveCursor(QTextCursor::Start);
}

}  // namespace kerf
