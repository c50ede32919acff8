// ProfileWindow: the "Profile" tool window: the section on the table, the cutter, fence, Cut.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "desktop/SetupStep.h"
#include "model/FenceInterlock.h"
#include "model/Model.h"
#include "model/Raster.h"
#include "model/SectionPictures.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace kerf {

class CutPreviewPanel;
class LengthBox;

class ProfileWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int PictureSize = 250;
  static constexpr int FenceMaximum = ::kerf::FenceMaximum;
  // The height slider's range in hundredths of an inch.
  static constexpr int HeightMinimum = -500;
  static constexpr int HeightMaximum = 500;

  explicit ProfileWindow(Model& model, QWidget* parent = nullptr);

  // Fence position and cutter height in hundredths of an inch (the two sliders).
  int Fence() const;
  int CutterHeight() const;

  // Frame work: the section with the mounted cutter outlined, in the wood colour, at the
  // current zoom; and the two length boxes in the display unit. The picture is drawn only
  // when something it shows has changed since it was last drawn; returns whether it was.
  bool DrawSection();
  long long SectionsDrawn() const { return sectionsDrawn_; }
  void WriteLengthLabels();
  // "Face against table = n" for the model's FaceOnTable (after New, Open, turning).
  void UpdateFaceLabel();
  // After Open: the sliders take the fence and height of cut number row (the last cut for 0),
  // so that the verdict judges a cut someone meant; the picture zooms so the stock fills it.
  void SetToCut(int row);
  // The largest zoom at which the whole stock still shows in the picture.
  int FillingZoom() const;

  // Cut is enabled only when cutters are loaded and no rebuild or library load is running.
  void SetCuttersAvailable(bool available);
  void SetBusy(bool busy);
  // Points drawn in red over the picture, in pixels of the measured section (whose fence and
  // table faces lie at its right and bottom edge, as the picture's do): a target's outline.
  // An empty list takes them away.
  void SetOverlay(std::vector<std::pair<int, int>> points);
  // Cut and the turns of the stock are handed to recorder as undoable steps.
  void SetStepRecorder(StepRecorder recorder) { record_ = std::move(recorder); }

  QLabel* SectionPicture() const { return sectionPicture_; }
  QToolButton* ViewButton(int n) const { return viewButtons_[n - 1]; }  // 1..5
  QLabel* FaceLabel() const { return faceLabel_; }
  // "Face 1 on the table, face 2 against the fence", beside the state's number.
  QLabel* FaceWordsLabel() const { return faceWords_; }
  CutPreviewPanel* CutPreview() const { return cutPreview_; }
  QPushButton* CutButton() const { return cutButton_; }
  QCheckBox* InterlockCheck() const { return interlockCheck_; }
  // The boxes beside the sliders that show the fence position and the cutter height and take
  // typed lengths.
  LengthBox* FenceBox() const { return fenceBox_; }
  LengthBox* HeightBox() const { return heightBox_; }
  QSlider* FenceSlider() const { return fenceSlider_; }
  QSlider* HeightSlider() const { return heightSlider_; }
  bool DragActive() const { return dragActive_; }

 signals:
  // A cut was appended to the model's cut list; the section wants rebuilding.
  void cutMade();
  // A word for the main window's status bar about a typed length (clamped, or not readable).
  void lengthNote(const QString& text);

 public slots:
  void OnCut();
  void OnZoomIn();
  void OnZoomOut();
  void OnRotateAnticlockwise();
  void OnFlipEndOverEnd();
  void OnRotateClockwise();
  void OnFenceMoved();
  void OnHeightMoved();
  // Also run whenever another cutter is selected: re-applies the interlock's fence limit.
  void OnInterlock();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  // The verdict under the picture and the face words under the face label: each opens a row of the
  // layout at its place, moving the controls below it down.
  void BuildCutPreview();
  void OpenRow(int y, int height);
  // The verdict's row grows to hold the whole reason a cut cannot be made, and shrinks back to
  // its first height; the controls below it move with it and the picture stays where it is.
  void FitVerdictRow(int wanted);
  // The face words for the model's FaceOnTable; the verdict is worked out again.
  void UpdateFaceWords();
  LengthBox* MakeLengthBox(QSlider* slider, const char* name, const char* what, const char* hint);
  void SectionMouseDown(QPoint pos);
  void SectionMouseMove(QPoint pos);
  void SectionMouseUp();
  void UpdateCutEnabled();
  // Turns the stock with turn; back is the turn that undoes it.
  void Turn(const char* text, SetupChange (Model::*turn)(), SetupChange (Model::*back)());

  // Everything the picture is drawn from: the stock, its orientation, the zoom, the wood
  // colour, the mounted cutter, the two sliders and the settings of every cut.
  struct SectionKey {
    int32_t StockWidth, StockHeight, FaceOnTable, ProfileZoom;
    Colour Wood;
    const Tool* Cutter;
    int Fence, Height;
    std::vector<int32_t> Cuts;  // fence, height, face and cutter of each cut
    bool operator==(const SectionKey&) const = default;
  };
  void FillKey(SectionKey& key) const;

  Model& model_;
  StepRecorder record_;
  QLabel* sectionPicture_ = nullptr;
  QToolButton* viewButtons_[5] = {};
  QLabel* faceLabel_ = nullptr;
  QLabel* faceWords_ = nullptr;
  CutPreviewPanel* cutPreview_ = nullptr;
  QPushButton* cutButton_ = nullptr;
  QCheckBox* interlockCheck_ = nullptr;
  QLabel* fenceCaption_ = nullptr;
  LengthBox* fenceBox_ = nullptr;
  QSlider* fenceSlider_ = nullptr;
  QLabel* heightCaption_ = nullptr;
  LengthBox* heightBox_ = nullptr;
  QSlider* heightSlider_ = nullptr;

  bool dragActive_ = false;
  int dragLastX_ = 0;
  int dragLastY_ = 0;
  bool cuttersAvailable_ = true;
  int busy_ = 0;

  SectionKey shownKey_{};
  bool shown_ = false;                        // shownKey_ describes the picture in sectionPicture_
  SectionKey key_{};                          // this frame's key, kept to reuse its storage
  Raster section_{SectionSize, SectionSize};  // the picture's work surface, reused
  QImage image_;                              // reused from frame to frame
  long long sectionsDrawn_ = 0;
  std::vector<std::pair<int, int>> overlay_;
};

}  // namespace kerf
