// ProfileWindow: controls, the drag in the picture, zoom, turning, interlock and Cut.
#include "desktop/ProfileWindow.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "desktop/CutPreviewPanel.h"
#include "desktop/FaceNumbers.h"
#include "desktop/HelpKey.h"
#include "desktop/LengthBox.h"
#include "desktop/ProfileGlyphs.h"
#include "desktop/RasterImage.h"
#include "desktop/ToolWindowFrame.h"
#include "model/LengthText.h"
#include "model/MachineLines.h"
#include "model/SectionRenderer.h"
#include "model/StockFaces.h"

namespace kerf {

namespace {

QSlider* MakeSlider(QWidget* parent, const char* name, int minimum, int maximum, const char* hint) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(minimum, maximum);
  slider->setValue(0);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(100);  // one mark an inch; a mark every hundredth would be a smear
  slider->setToolTip(hint);
  return slider;
}

}  // namespace

ProfileWindow::ProfileWindow(Model& model, QWidget* parent)
    : QWidget(parent, ToolWindowFlags), model_(model) {
  setObjectName("ProfileWindow");
  SetUpToolWindow(*this);
  setWindowTitle("Profile");
  setFixedSize(273, 430);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  BuildControls();
  BuildCutPreview();
  SetHelpTopic(this, HelpTopic::Profile);
}

void ProfileWindow::BuildControls() {
  sectionPicture_ = new QLabel(this);
  sectionPicture_->setObjectName("sectionPicture");
  sectionPicture_->setGeometry(12, 10, PictureSize, PictureSize);
  sectionPicture_->setCursor(Qt::SizeAllCursor);
  sectionPicture_->installEventFilter(this);
  QImage blank(PictureSize, PictureSize, QImage::Format_RGB32);
  blank.fill(Qt::white);
  sectionPicture_->setPixmap(QPixmap::fromImage(blank));

  struct ButtonSpec {
    const char* name;
    ProfileGlyph glyph;
    const char* hint;
    int x;
    void (ProfileWindow::*handler)();
  };
  const ButtonSpec buttons[5] = {
      {"zoomInButton", ProfileGlyph::ZoomIn, "Zoom in", 12, &ProfileWindow::OnZoomIn},
      {"zoomOutButton", ProfileGlyph::ZoomOut, "Zoom out", 40, &ProfileWindow::OnZoomOut},
      {"rotateAnticlockwiseButton", ProfileGlyph::RotateAnticlockwise,
       "Click here to rotate anticlockwise", 80, &ProfileWindow::OnRotateAnticlockwise},
      {"flipEndOverEndButton", ProfileGlyph::FlipEndOverEnd, "Click here to flip end over end", 108,
       &ProfileWindow::OnFlipEndOverEnd},
      {"rotateClockwiseButton", ProfileGlyph::RotateClockwise, "Click here to rotate clockwise",
       136, &ProfileWindow::OnRotateClockwise},
  };
  for (int i = 0; i < 5; ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(buttons[i].name);
    button->setIcon(ProfileGlyphIcon(buttons[i].glyph));
    button->setIconSize(QSize(ProfileGlyphSize, ProfileGlyphSize));
    button->setGeometry(buttons[i].x, 266, 26, 26);
    button->setToolTip(buttons[i].hint);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, buttons[i].handler);
    viewButtons_[i] = button;
  }

  cutButton_ = new QPushButton("Cut", this);
  cutButton_->setObjectName("cutButton");
  cutButton_->setGeometry(187, 266, 75, 26);
  cutButton_->setToolTip("Click here to perform cut");
  cutButton_->setDefault(true);
  connect(cutButton_, &QPushButton::clicked, this, &ProfileWindow::OnCut);

  faceLabel_ = new QLabel("Face against table = 3", this);
  faceLabel_->setObjectName("faceLabel");
  faceLabel_->setGeometry(12, 298, 250, 18);

  interlockCheck_ = new QCheckBox("Inter-lock fence and Height", this);
  interlockCheck_->setObjectName("interlockCheck");
  interlockCheck_->setGeometry(12, 318, 250, 20);
  connect(interlockCheck_, &QCheckBox::toggled, this, &ProfileWindow::OnInterlock);

  fenceCaption_ = new QLabel("Fence Position", this);
  fenceCaption_->setObjectName("fenceCaption");
  fenceCaption_->setGeometry(12, 342, 110, 18);
  fenceSlider_ = MakeSlider(this, "fenceSlider", kerf::FenceMinimum, FenceMaximum,
                            "Use slider to move Fence in small increments");
  fenceSlider_->setGeometry(8, 360, 258, 24);
  connect(fenceSlider_, &QSlider::valueChanged, this, &ProfileWindow::OnFenceMoved);
  fenceBox_ = MakeLengthBox(fenceSlider_, "fenceBox", "Fence",
                            "Type the fence position, such as 3/8, 1-1/8\" or 10mm, and press "
                            "Enter; Escape puts back the position shown");
  fenceBox_->setGeometry(130, 339, 100, 20);

  heightCaption_ = new QLabel("Height", this);
  heightCaption_->setObjectName("heightCaption");
  heightCaption_->setGeometry(12, 386, 110, 18);
  heightSlider_ = MakeSlider(this, "heightSlider", HeightMinimum, HeightMaximum,
                             "Use slider to move tool in small increments");
  heightSlider_->setGeometry(8, 406, 258, 24);
  connect(heightSlider_, &QSlider::valueChanged, this, &ProfileWindow::OnHeightMoved);
  heightBox_ = MakeLengthBox(heightSlider_, "heightBox", "Height",
                             "Type the cutter height above the table, such as 3/4, 0.5 or 19mm, "
                             "and press Enter; Escape puts back the height shown");
  heightBox_->setGeometry(130, 385, 100, 20);
}

int ProfileWindow::Fence() const { return fenceSlider_->value(); }
int ProfileWindow::CutterHeight() const { return heightSlider_->value(); }

void ProfileWindow::FillKey(SectionKey& key) const {
  key.StockWidth = model_.StockWidth();
  key.StockHeight = model_.StockHeight();
  key.FaceOnTable = model_.FaceOnTable();
  key.ProfileZoom = model_.ProfileZoom();
  key.Wood = model_.WoodSwatch();
  key.Cutter = model_.Cutter(model_.CurrentCutter());
  key.Fence = Fence();
  key.Height = CutterHeight();
  key.Cuts.clear();
  for (const Cut& cut : model_.Cuts()) {
    key.Cuts.insert(key.Cuts.end(), {cut.Fence, cut.Height, cut.Face, cut.Cutter});
  }
}

void ProfileWindow::SetOverlay(std::vector<std::pair<int, int>> points) {
  overlay_ = std::move(points);
  shown_ = false;  // drawn at the next frame
}

bool ProfileWindow::DrawSection() {
  FillKey(key_);
  if (shown_ && key_ == shownKey_) return false;
  SectionView view;
  view.W = PictureSize;
  view.H = PictureSize;
  view.Zoom = model_.ProfileZoom();
  view.Cutter = model_.Cutter(model_.CurrentCutter());
  view.Material = model_.WoodSwatch();
  view.Fence = Fence();
  view.CutterHeight = CutterHeight();
  view.MachineMargin = ProfileMachineMargin;
  RenderSection(model_, view, section_);
  CopyRasterToImage(section_, PictureSize, PictureSize, image_);
  const StockOnPicture stock = PlaceStock(model_, view);
  DrawFaceNumbers(
      image_, FacesInState(model_.FaceOnTable()),
      QRect(stock.Left, stock.Top, stock.FenceX - stock.Left, stock.TableY - stock.Top));
  DrawOverlay(overlay_, model_.ProfileZoom(), stock.FenceX, stock.TableY, image_);
  sectionPicture_->setPixmap(QPixmap::fromImage(image_));
  std::swap(shownKey_, key_);
  shown_ = true;
  ++sectionsDrawn_;
  return true;
}

void ProfileWindow::WriteLengthLabels() {
  heightBox_->ShowLength();
  fenceBox_->ShowLength();
}

LengthBox* ProfileWindow::MakeLengthBox(QSlider* slider, const char* name, const char* what,
                                        const char* hint) {
  auto* box = new LengthBox(slider, model_, what, this);
  box->setObjectName(name);
  box->setToolTip(hint);
  connect(box, &LengthBox::note, this, &ProfileWindow::lengthNote);
  return box;
}

void ProfileWindow::UpdateFaceLabel() {
  faceLabel_->setText(QString("Face against table = %1").arg(model_.FaceOnTable()));
  UpdateFaceWords();
}

void ProfileWindow::SetToCut(int row) {
  const int n = row >= 1 && row <= model_.CutCount() ? row : model_.CutCount();
  if (n >= 1) {
    const Cut& cut = model_.CutAt(n);
    fenceSlider_->setValue(cut.Fence);
    heightSlider_->setValue(cut.Height);
  }
  model_.SetProfileZoom(FillingZoom());
}

int ProfileWindow::FillingZoom() const {
  SectionView view;
  view.W = PictureSize;
  view.H = PictureSize;
  view.MachineMargin = ProfileMachineMargin;
  for (const int zoom : {4, 2}) {
    view.Zoom = zoom;
    const StockOnPicture stock = PlaceStock(model_, view);
    if (stock.Left >= 0 && stock.Top >= 0) return zoom;
  }
  return 1;
}

void ProfileWindow::SetCuttersAvailable(bool available) {
  cuttersAvailable_ = available;
  UpdateCutEnabled();
}

void ProfileWindow::SetBusy(bool busy) {
  busy_ += busy ? 1 : -1;
  if (busy_ < 0) busy_ = 0;
  UpdateCutEnabled();
  if (busy_ == 0) cutPreview_->Schedule();  // a rebuild changed the cut list or the cutters
}

void ProfileWindow::UpdateCutEnabled() { cutButton_->setEnabled(cuttersAvailable_ && busy_ == 0); }

void ProfileWindow::OnCut() {
  if (!cutButton_->isEnabled()) return;
  if (!model_.AppendCut(Fence(), CutterHeight())) return;
  // Made again as it was, whatever cutter and face are chosen by then.
  const int n = model_.CutCount();
  Model& model = model_;
  RecordStep(
      record_, QString("Cut #%1").arg(n),
      [&model, n, cut = model_.CutAt(n)] { return model.InsertCut(n, cut); },
      [&model, n] { return model.DeleteCut(n).Changed; });
  emit cutMade();
}

void ProfileWindow::OnZoomIn() { model_.ZoomIn(); }
void ProfileWindow::OnZoomOut() { model_.ZoomOut(); }

void ProfileWindow::Turn(const char* text, SetupChange (Model::*turn)(),
                         SetupChange (Model::*back)()) {
  if ((model_.*turn)()) {
    Model& model = model_;
    RecordStep(
        record_, text, [&model, turn] { return (model.*turn)(); },
        [&model, back] { return (model.*back)(); });
  }
  UpdateFaceLabel();
}

void ProfileWindow::OnRotateAnticlockwise() {
  Turn("Rotate Anticlockwise", &Model::RotateStockAnticlockwise, &Model::RotateStockClockwise);
}

void ProfileWindow::OnFlipEndOverEnd() {
  Turn("Flip End over End", &Model::FlipStock, &Model::FlipStock);
}

void ProfileWindow::OnRotateClockwise() {
  Turn("Rotate Clockwise", &Model::RotateStockClockwise, &Model::RotateStockAnticlockwise);
}

void ProfileWindow::OnFenceMoved() {
  if (!interlockCheck_->isChecked()) return;
  const int height = InterlockedHeight(fenceSlider_->value(), heightSlider_->value());
  if (height != heightSlider_->value()) heightSlider_->setValue(height);
}

void ProfileWindow::OnHeightMoved() {
  if (!interlockCheck_->isChecked()) return;
  const int fence = InterlockedFence(fenceSlider_->value(), heightSlider_->value());
  if (fence != fenceSlider_->value()) fenceSlider_->setValue(fence);
}

void ProfileWindow::OnInterlock() {
  // A limit below the slider's minimum (a bearing row wider than 2 inches) is refused and
  // the fence keeps the limit it had.
  const int maximum = InterlockFenceLimit(
      interlockCheck_->isChecked(), model_.Cutter(model_.CurrentCutter()), fenceSlider_->maximum());
  fenceSlider_->setMaximum(maximum);  // a fence beyond it moves back, running OnFenceMoved
  cutPreview_->Schedule();            // another cutter may have been chosen
}

bool ProfileWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sectionPicture_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        SectionMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
      case QEvent::MouseMove:
        SectionMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
      case QEvent::MouseButtonRelease:
        SectionMouseUp();
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ProfileWindow::SectionMouseDown(QPoint pos) {
  dragActive_ = true;
  dragLastX_ = pos.x();
  dragLastY_ = pos.y();
}

// One pixel of travel is one hundredth of an inch at every zoom; the outline follows the mouse:
// left moves the cutter away from the fence, up raises it. Fence first, then height, so the
// interlock acts in that order.
void ProfileWindow::SectionMouseMove(QPoint pos) {
  if (!dragActive_) return;
  fenceSlider_->setValue(fenceSlider_->value() + (dragLastX_ - pos.x()));
  heightSlider_->setValue(heightSlider_->value() + (dragLastY_ - pos.y()));
  dragLastX_ = pos.x();
  dragLastY_ = pos.y();
}

void ProfileWindow::SectionMouseUp() { dragActive_ = false; }

void ProfileWindow::keyPressEvent(QKeyEvent* event) {
  // Cut is the window's default button: Enter presses it wherever the focus is.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (cutButton_->isEnabled()) cutButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kerf
