// The cutter designer: a kind of bit, its catalogue sizes, a proposed name and a live picture;
// Save writes the bitmap into the user's cutter folder, asking first before it replaces a cutter.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "model/CutterKinds.h"
#include "model/LengthText.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kerf {

// The profile at true scale (both halves of the bit, as it stands in the table) beside the
// bitmap's own pixels.
class CutterPicture : public QWidget {
  Q_OBJECT

 public:
  explicit CutterPicture(QWidget* parent = nullptr);
  // Shows the design; an empty optional clears the picture.
  void Show(const CutterDesign* design);
  // Pixels per inch used for the true-scale drawing (the screen's, unless a test sets it).
  void SetPixelsPerInch(double ppi);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage bitmap_;
  std::vector<QPointF> edge_;  // (radius, height) in inches, from the bottom up
  double bearing_ = 0;         // inches
  double ppi_ = 0;
};

class CutterDesigner : public QDialog {
  Q_OBJECT

 public:
  // folder: where Save writes the bitmap (the user's cutter folder).
  CutterDesigner(const std::string& folder, QWidget* parent = nullptr);

  // The file name and the path written by the last Save; empty before.
  const std::string& SavedFileName() const { return savedFileName_; }
  const std::string& SavedPath() const { return savedPath_; }

  // The unit the sizes in the message are given in.
  void SetUnit(LengthUnit unit);
  // The supplied cutters' folder: a cutter saved under one of their names takes its place.
  void SetSuppliedFolder(std::string folder) { suppliedFolder_ = std::move(folder); }
  // The projects that may use a cutter about to be replaced are looked for among these.
  void SetRecentProjects(std::vector<std::string> paths) { recentProjects_ = std::move(paths); }
  // Asks whether to replace a cutter (the text says which, and which projects use it); true
  // replaces. By default a question box.
  void SetReplaceQuestion(std::function<bool(const QString&)> ask) { askReplace_ = std::move(ask); }

  // Handlers of the dialog's controls.
  void OnKindChosen(int index);
  void DimensionChange();
  void OnNameEdited();
  void OnSave();

 private:
  void BuildDimensions();
  // Designs the bit from the controls, updates picture, name and message; true when it can be
  // saved.
  bool Redesign();
  // What Save would replace: nothing, one of the user's own cutters or a supplied one.
  enum class Replacing { Nothing, Own, Supplied };
  Replacing Replaced(const std::string& fileName) const;
  // The question asked before replacing: the cutter and the recent projects that name it.
  QString ReplaceQuestion(Replacing replaced, const std::string& fileName) const;

  std::string folder_;
  std::string suppliedFolder_;
  std::vector<std::string> recentProjects_;
  std::function<bool(const QString&)> askReplace_;
  LengthUnit unit_ = LengthUnit::Imperial;
  std::string savedFileName_;
  std::string savedPath_;
  DesignedCutter current_;
  bool nameTyped_ = false;  // the user typed a name: no longer proposed from the sizes

  QComboBox* kindBox_ = nullptr;
  QFormLayout* dimensions_ = nullptr;
  std::vector<QLineEdit*> edits_;  // one per dimension of the kind, in its order
  QLineEdit* nameEdit_ = nullptr;
  QLabel* messageLabel_ = nullptr;
  CutterPicture* picture_ = nullptr;
  QPushButton* saveButton_ = nullptr;
};

}  // namespace kerf
