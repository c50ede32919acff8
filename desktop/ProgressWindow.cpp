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
  setObjectName("Form7");
  setWindowTitle("Progress");
  resize(287, 100);
  lblProgress_ = new QLabel("Progress......", this);
  lblProgress_->setObjectName("lblProgress");
  lblProgress_->setGeometry(16, 16, 249, 20);
  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setGeometry(16, 40, 249, 16);
  progressBar1_->setRange(0, 100);
  progressBar1_->setValue(0);
  progressBar1_->setTextVisible(false);
  SetHelpTopic(this, HelpTopic::Progress);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void ProgressWindow::Begin(const std::string& label, int maximum) {
  if (depth_++ == 0) clock_.start();
  lblProgress_->setText(QString::fromStdString(label));
  progressBar1_->setRange(0, maximum > 0 ? maximum : 0);
  progressBar1_->setValue(0);
  LetEventsRun();
}

void ProgressWindow::Step(int position) {
  progressBar1_->setValue(position);
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
