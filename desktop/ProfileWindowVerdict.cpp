// ProfileWindow's verdict under the picture and the face words under the face label.
#include <QLabel>
#include <QSlider>
#include <algorithm>

#include "desktop/CutPreviewPanel.h"
#include "desktop/ProfileWindow.h"
#include "model/StockFaces.h"

namespace kerf {

namespace {

constexpr int VerdictRowHeight = 64;  // the badge and three lines for why a cut cannot be made
constexpr int FaceWordsHeight = 34;   // two lines: the words break after their comma

}  // namespace

void ProfileWindow::OpenRow(int y, int height) {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->y() >= y) child->move(child->x(), child->y() + height);
  }
  setFixedSize(width(), this->height() + height);
}

void ProfileWindow::BuildCutPreview() {
  // The words first, so that the verdict's row, opened above them, moves them down too.
  const QRect face = faceLabel_->geometry();
  OpenRow(face.bottom() + 1, FaceWordsHeight);
  faceWords_ = new QLabel(this);
  faceWords_->setObjectName("faceWords");
  faceWords_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  faceWords_->setGeometry(face.left(), face.bottom() + 1, face.width(), FaceWordsHeight);
  faceWords_->setToolTip(
      "The faces are numbered as on the set-up sheet; the picture shows "
      "each face's number by its edge");

  const QRect picture = sectionPicture_->geometry();
  OpenRow(picture.bottom() + 1, VerdictRowHeight);
  cutPreview_ = new CutPreviewPanel(model_, *fenceSlider_, *heightSlider_, this);
  cutPreview_->setGeometry(picture.left(), picture.bottom() + 5, picture.width(),
                           VerdictRowHeight - 4);
  connect(fenceSlider_, &QSlider::valueChanged, cutPreview_, &CutPreviewPanel::Schedule);
  connect(heightSlider_, &QSlider::valueChanged, cutPreview_, &CutPreviewPanel::Schedule);
  connect(cutPreview_, &CutPreviewPanel::heightWanted, this, &ProfileWindow::FitVerdictRow);
  UpdateFaceWords();
}

void ProfileWindow::FitVerdictRow(int wanted) {
  const int height = std::max(wanted, VerdictRowHeight - 4);
  const int grow = height - cutPreview_->height();
  if (grow == 0) return;
  const int below = cutPreview_->geometry().bottom();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->y() > below) child->move(child->x(), child->y() + grow);
  }
  cutPreview_->resize(cutPreview_->width(), height);
  setFixedSize(width(), this->height() + grow);
}

void ProfileWindow::UpdateFaceWords() {
  // Whole on one line where the desktop's type lets it fit, else broken after the comma.
  QString words = QString::fromStdString(FaceWords(model_.FaceOnTable()));
  if (faceWords_->fontMetrics().horizontalAdvance(words) > faceWords_->width())
    words.replace(", ", ",\n");
  faceWords_->setText(words);
  cutPreview_->Schedule();
}

}  // namespace kerf
