// TipsDialog: the tip texts and the dialog that shows them one at a time.
#include "desktop/TipsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTextEdit>

#include "desktop/HelpKey.h"

namespace kerf {

QString TipText(int number) {
  switch (number) {
    case 1:
      return "The display speed (Frames per Second) is displayed at the bottom of the screen. If "
             "this drops below about 10 then the PC is struggling. See the help file for ways to "
             "improve the speed.";
    case 2:
      return "The cutter and fence positions are displayed at the bottom of the screen.";
    case 3:
      return "Click the left mouse button down and drag in the main view to quickly move the 3D "
             "view around.";
    case 4:
      return "Click the left mouse button down and drag in the profile view to move the cutter "
             "around.";
    case 5:
      return "Use the sliders on the profile view to move the cutter in small increments.";
    case 6:
      return "Try changing the order of cuts in the tools window if dangerous cuts are detected "
             "(too little material against fence or table).";
    case 7:
      return "Either use common sense when aligning the cutter or enable the interlock on the "
             "profile window.";
    case 8:
      return "An online tutorial is now available at https://www.kerfwright.example/tutorial";
    case 9:
      return "Try adjusting the lighting to suit your monitor. (Ambient, Defused and Highlight in "
             "view control window)";
    case 10:
      return "Design your own cutter profiles. See help file for more information.";
    default:
      return {};
  }
}

TipsDialog::TipsDialog(QWidget* parent, int firstTip)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("TipsDialog");
  setWindowTitle("Tips");
  SetHelpTopic(this, HelpTopic::Tips);
  setFixedSize(313, 238);
  bevel_ = new QFrame(this);
  bevel_->setObjectName("tipFrame");
  bevel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel_->setGeometry(8, 8, 297, 161);
  tipView_ = new QTextEdit(this);
  tipView_->setObjectName("tipText");
  tipView_->setGeometry(16, 16, 281, 145);
  tipView_->setAcceptRichText(false);
  tipView_->setLineWrapMode(QTextEdit::WidgetWidth);
  // The tip can be read and copied but not typed into, so Enter reaches the OK button.
  tipView_->setReadOnly(true);
  tipView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  okButton_ = new QPushButton("OK", this);
  okButton_->setObjectName("okButton");
  okButton_->setGeometry(231, 204, 75, 25);
  okButton_->setDefault(true);
  nextButton_ = new QPushButton("Next", this);
  nextButton_->setObjectName("nextButton");
  nextButton_->setGeometry(143, 204, 75, 25);
  nextButton_->setAutoDefault(false);
  showAtStartup_ = new QCheckBox("&Show tips at start-up", this);
  showAtStartup_->setObjectName("showTipsBox");
  showAtStartup_->setGeometry(8, 176, 297, 22);
  showAtStartup_->setChecked(true);
  connect(okButton_, &QPushButton::clicked, this, &TipsDialog::OnOk);
  connect(nextButton_, &QPushButton::clicked, this, &TipsDialog::OnNextTip);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  tipNumber_ = (firstTip >= 1 && firstTip <= TipCount)
                   ? firstTip
                   : QRandomGenerator::global()->bounded(1, TipCount + 1);
  ShowTip();
}

void TipsDialog::ShowTip() {
  tipView_->clear();
  tipView_->setPlainText("Tip of the day:\n\n" + TipText(tipNumber_));
}

void TipsDialog::OnNextTip() {
  tipNumber_ = tipNumber_ >= TipCount ? 1 : tipNumber_ + 1;
  ShowTip();
}

void TipsDialog::OnOk() { accept(); }

bool TipsDialog::ShowAtStartup() const { return showAtStartup_->isChecked(); }

void TipsDialog::SetShowAtStartup(bool show) { showAtStartup_->setChecked(show); }

}  // namespace kerf
