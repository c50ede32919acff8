// CutEditDialog: the "Edit Cut" dialog: one cut's cutter, fence, height and face, lengths as text.
#pragma once

#include <QDialog>

#include "desktop/Choosers.h"
#include "model/Model.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kerf {

// Cutter height range, in hundredths of an inch (the Profile window's height slider).
inline constexpr int32_t HeightMinimum = -500;
inline constexpr int32_t HeightMaximum = 500;

class CutEditDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows cut number row of the model's cut list; lengths are shown in the model's unit.
  CutEditDialog(const Model& model, int row, QWidget* parent = nullptr);

  // OK: the fields are read; text that is not a length, or a length outside its slider's
  // range, is refused with a message naming it, and the dialog stays open.
  void accept() override;
  // The cut as the fields give it; valid once accept() has closed the dialog.
  const Cut& EditedCut() const { return edited_; }

  // Replaces the message box (tests need no modal dialog).
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }

 private:
  // Reads one length field into hundredths; false (after the message) when it cannot.
  bool ReadLength(const QLineEdit* field, const QString& shown, int32_t before, int32_t minimum,
                  int32_t maximum, const char* what, int32_t& hundredths);

  const Model& model_;
  Cut before_;
  Cut edited_;
  QString fenceShown_;
  QString heightShown_;
  MessageShower showMessage_;

  QComboBox* cutterBox_ = nullptr;
  QLineEdit* fenceEdit_ = nullptr;
  QLineEdit* heightEdit_ = nullptr;
  QSpinBox* faceBox_ = nullptr;
};

}  // namespace kerf
