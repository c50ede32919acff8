// ProgressWindow: label and bar of a long operation, shown only when the work takes a while.
#include "desktop/ProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "desktop/HelpKey.h"

namespace kerf {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setObjectName("ProgressWindow");
  setWindowTitle("Progress");
  resize(287, 100);
  progressLabel_ = new QLabel("Progress......", this);
  progressLabel_->setObjectName("progressLabel");
  progressLabel_->setGeometry(16, 16, 249, 20);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("progressBar");
  progressBar_->setGeometry(16, 40, 249, 16);
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  SetHelpTopic(this, HelpTopic::Progress);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void ProgressWindow::Begin(const std::string& label, int maximum) {
  if (depth_++ == 0) clock_.start();
  progressLabel_->setText(QString::fromStdString(label));
  progressBar_->setRange(0, maximum > 0 ? maximum : 0);
  progressBar_->setValue(0);
  LetEventsRun();
}

void ProgressWindow::Step(int position) {
  progressBar_->setValue(position);
  if (!isVisible() && clock_.isValid() && clock_.elapsed() >= ShowAfterMs) {
    show();
    raise();
  }
  LetEventsRun();
}

void ProgressWindow::End() {
  if (depth_ > 0) --depth_;
  if (depth_ == 0) {
    hide();
    clock_.invalidate();
  }
}

void ProgressWindow::LetEventsRun() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kerf
