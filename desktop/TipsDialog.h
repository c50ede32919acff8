// TipsDialog: the "Tips" dialog: ten tips of the day, a random one first, Next cycles on, and
// whether it comes up at start-up.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QPushButton;
class QTextEdit;

namespace kerf {

inline constexpr int TipCount = 10;

// The text of tip number 1..TipCount.
QString TipText(int number);

class TipsDialog : public QDialog {
  Q_OBJECT

 public:
  // firstTip 0 picks a random tip, each of the ten equally likely.
  explicit TipsDialog(QWidget* parent = nullptr, int firstTip = 0);

  int TipNumber() const { return tipNumber_; }
  void ShowTip();

  QTextEdit* TipView() const { return tipView_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* NextButton() const { return nextButton_; }
  // The "Show tips at start-up" box; the settings keep it between runs.
  QCheckBox* ShowAtStartupBox() const { return showAtStartup_; }
  bool ShowAtStartup() const;
  void SetShowAtStartup(bool show);

 public slots:
  void OnNextTip();
  void OnOk();

 private:
  QFrame* bevel_;
  QTextEdit* tipView_;
  QPushButton* okButton_;
  QPushButton* nextButton_;
  QCheckBox* showAtStartup_;
  int tipNumber_ = 1;
};

}  // namespace kerf
