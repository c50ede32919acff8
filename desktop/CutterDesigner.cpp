// The cutter designer: a kind of bit, its catalogue sizes, a proposed name and a live picture;
// Save writes the bitmap into the user's cutter folder, asking first before it replaces a cutter.
#include "desktop/CutterDesigner.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "desktop/Choosers.h"
#include "desktop/HelpKey.h"
#include "desktop/RasterImage.h"
#include "model/CutterScan.h"
#include "model/match/MatchSearch.h"
#include "project/ProjectFile.h"
#include "project/UserCutters.h"

namespace kerf {

namespace {

constexpr int PictureHeight = 320;
constexpr int Gap = 16;

bool FileIn(const std::string& folder, const std::string& fileName) {
  std::error_code ec;
  return !folder.empty() &&
         std::filesystem::is_regular_file(std::filesystem::path(folder) / fileName, ec);
}

}  // namespace

CutterPicture::CutterPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("cutterPicture");
  setMinimumSize(sizeHint());
}

QSize CutterPicture::sizeHint() const { return {460, PictureHeight}; }

void CutterPicture::SetPixelsPerInch(double ppi) {
  ppi_ = ppi;
  update();
}

void CutterPicture::Show(const CutterDesign* design) {
  bitmap_ = QImage();
  edge_.clear();
  bearing_ = 0;
  if (design != nullptr) {
    if (const Result<Raster> raster = DrawCutter(*design); raster)
      bitmap_ = ImageFromRaster(raster.Value());
    const CutterProfile profile = ProfileOf(*design);
    const double height = design->Edge.Height();
    const int steps = std::max(2, static_cast<int>(height * 2));
    for (int i = 0; i <= steps; ++i) {
      const double z = height * i / steps;
      edge_.emplace_back(design->Edge.RadiusAt(std::min(z, height - 1e-9)) / PixelsPerInch,
                         z / PixelsPerInch);
    }
    bearing_ = profile.BearingWidth / PixelsPerInch;
  }
  update();
}

void CutterPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (edge_.empty()) return;

  // The bitmap at one screen pixel per bitmap pixel on the right, its bottom on the baseline.
  const int baseline = height() - 24;
  const int bitmapLeft = width() - bitmap_.width() - 8;
  if (!bitmap_.isNull()) painter.drawImage(bitmapLeft, baseline - bitmap_.height(), bitmap_);

  // The profile at true scale on the left: the whole bit as it stands in the table, cutting
  // edge black, bearing grey above it.
  const double ppi = ppi_ > 0 ? ppi_ : (screen() ? screen()->physicalDotsPerInchX() : 96.0);
  double widest = bearing_;
  for (const QPointF& p : edge_) widest = std::max(widest, p.x());
  const double axis = std::max(widest * ppi + 8, (bitmapLeft - Gap) / 2.0);
  const double shank = 16;  // screen pixels of the shank shown under the table
  QPainterPath path;
  path.moveTo(axis - edge_.front().x() * ppi, baseline - edge_.front().y() * ppi);
  for (const QPointF& p : edge_) path.lineTo(axis - p.x() * ppi, baseline - p.y() * ppi);
  for (auto p = edge_.rbegin(); p != edge_.rend(); ++p)
    path.lineTo(axis + p->x() * ppi, baseline - p->y() * ppi);
  path.closeSubpath();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(path, Qt::black);
  const double top = baseline - edge_.back().y() * ppi;
  if (bearing_ > 0) {
    const double thick = 0.1875 * ppi;
    painter.fillRect(QRectF(axis - bearing_ * ppi, top - thick, 2 * bearing_ * ppi, thick),
                     QColor(112, 116, 128));
  }
  painter.fillRect(QRectF(axis - 0.125 * ppi, baseline, 0.25 * ppi, shank), QColor(160, 160, 168));
  painter.setPen(palette().text().color());
  painter.drawLine(QPointF(0, baseline), QPointF(bitmapLeft - Gap, baseline));  // the table
  painter.drawText(QRectF(8, baseline + 4, bitmapLeft - Gap, 20), Qt::AlignLeft, "true size");
  painter.drawText(QRectF(bitmapLeft, baseline + 4, bitmap_.width(), 20), Qt::AlignCenter,
                   "bitmap");
}

CutterDesigner::CutterDesigner(const std::string& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
  setObjectName("CutterDesigner");
  setWindowTitle("New Cutter");
  SetHelpTopic(this, HelpTopic::CutterDesigner);
  askReplace_ = [this](const QString& text) {
    std::unique_ptr<QMessageBox> box(PlainMessageBox(this, QMessageBox::Question, text));
    box->setStandardButtons(QMessageBox::Cancel);
    QPushButton* replace = box->addButton("Replace", QMessageBox::AcceptRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->exec();
    return box->clickedButton() == replace;
  };

  kindBox_ = new QComboBox(this);
  kindBox_->setObjectName("kindBox");
  for (const CutterKindInfo& kind : CutterKinds())
    kindBox_->addItem(QString::fromStdString(kind.Title), QString::fromStdString(kind.Key));
  dimensions_ = new QFormLayout;
  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName("nameEdit");
  messageLabel_ = new QLabel(this);
  messageLabel_->setObjectName("messageLabel");
  messageLabel_->setTextFormat(Qt::PlainText);
  messageLabel_->setWordWrap(true);
  messageLabel_->setMinimumWidth(300);
  picture_ = new CutterPicture(this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  saveButton_ = buttons->button(QDialogButtonBox::Save);
  saveButton_->setObjectName("saveButton");

  auto* form = new QFormLayout;
  form->addRow("Kind of bit", kindBox_);
  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addLayout(dimensions_);
  auto* nameForm = new QFormLayout;
  nameForm->addRow("Name", nameEdit_);
  left->addLayout(nameForm);
  left->addWidget(messageLabel_);
  left->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(picture_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  connect(kindBox_, &QComboBox::currentIndexChanged, this, &CutterDesigner::OnKindChosen);
  connect(nameEdit_, &QLineEdit::textEdited, this, &CutterDesigner::OnNameEdited);
  connect(saveButton_, &QPushButton::clicked, this, &CutterDesigner::OnSave);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  const int roundover = kindBox_->findData(QStringLiteral("roundover"));
  kindBox_->setCurrentIndex(roundover >= 0 ? roundover : 0);
  if (edits_.empty()) OnKindChosen(kindBox_->currentIndex());
}

void CutterDesigner::OnKindChosen(int) {
  BuildDimensions();
  Redesign();
}

void CutterDesigner::BuildDimensions() {
  while (dimensions_->rowCount() > 0) dimensions_->removeRow(0);
  edits_.clear();
  const CutterKindInfo* kind = FindCutterKind(kindBox_->currentData().toString().toStdString());
  if (kind == nullptr) return;
  for (const CutterDimension& dim : kind->Dimensions) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(dim.Key + "Edit"));
    // A new design starts from a catalogue size of the kind: its default, or a common size.
    std::string start = dim.Default;
    if (start.empty() && !dim.Optional)
      start = dim.Key == "kerf" ? "1/4" : dim.Key == "diameter" ? "1" : "3/8";
    edit->setText(QString::fromStdString(start));
    edit->setPlaceholderText(dim.Angle ? "degrees" : "inches or mm");
    connect(edit, &QLineEdit::textChanged, this, &CutterDesigner::DimensionChange);
    dimensions_->addRow(QString::fromStdString(dim.Label), edit);
    edits_.push_back(edit);
  }
}

void CutterDesigner::DimensionChange() { Redesign(); }

void CutterDesigner::OnNameEdited() {
  nameTyped_ = !nameEdit_->text().isEmpty();
  Redesign();
}

bool CutterDesigner::Redesign() {
  const CutterKindInfo* kind = FindCutterKind(kindBox_->currentData().toString().toStdString());
  CutterDimensionTexts texts;
  for (size_t i = 0; kind != nullptr && i < edits_.size() && i < kind->Dimensions.size(); ++i)
    texts[kind->Dimensions[i].Key] = edits_[i]->text().toStdString();
  const Result<DesignedCutter> made =
      kind == nullptr ? Result<DesignedCutter>::Fail("no kind chosen") : DesignCutter(*kind, texts);
  if (!made) {
    picture_->Show(nullptr);
    messageLabel_->setText(
        QString::fromStdString(kind == nullptr ? "" : "Cannot make this bit: " + made.Error()));
    saveButton_->setEnabled(false);
    return false;
  }
  current_ = made.Value();
  if (!nameTyped_) nameEdit_->setText(QString::fromStdString(current_.Name));
  const std::string name = nameEdit_->text().toStdString();
  const Result<std::string> fileName = EncodeCutterFileName(name);
  const bool named = fileName.Ok();
  current_.Design.FileName = named ? fileName.Value() : std::string();
  picture_->Show(&current_.Design);
  const CutterProfile profile = ProfileOf(current_.Design);
  const int widest = *std::max_element(profile.Radii.begin(), profile.Radii.end());
  // The bitmap's pixels are hundredths of an inch; the message gives lengths.
  const auto length = [this](double hundredths) {
    return QString::fromStdString(match::ReducedLength(hundredths / 100.0, unit_));
  };
  QString text =
      QString("Cutting height %1, largest radius %2, %3.\n")
          .arg(length(static_cast<double>(profile.Radii.size())), length(widest),
               profile.BearingWidth > 0 ? "bearing radius " + length(profile.BearingWidth)
                                        : QString("no bearing"));
  if (!named) {
    text +=
        "The name cannot be used as a file name: " + QString::fromStdString(fileName.Error()) + ".";
  } else {
    const std::filesystem::path target = std::filesystem::path(folder_) / fileName.Value();
    text += "Save writes " + QString::fromStdString(target.string());
    if (const Replacing replaced = Replaced(fileName.Value()); replaced != Replacing::Nothing)
      text += replaced == Replacing::Own ? "; it replaces your own cutter of this name"
                                         : "; it replaces the supplied cutter of this name";
    text += ".";
  }
  messageLabel_->setText(text);
  saveButton_->setEnabled(named);
  return named;
}

void CutterDesigner::SetUnit(LengthUnit unit) {
  unit_ = unit;
  Redesign();
}

CutterDesigner::Replacing CutterDesigner::Replaced(const std::string& fileName) const {
  if (FileIn(folder_, fileName)) return Replacing::Own;
  if (FileIn(suppliedFolder_, fileName)) return Replacing::Supplied;
  return Replacing::Nothing;
}

QString CutterDesigner::ReplaceQuestion(Replacing replaced, const std::string& fileName) const {
  const bool own = replaced == Replacing::Own;
  QString text = QString(own ? "Replace your own cutter" : "Replace the supplied cutter") + " \"" +
                 nameEdit_->text() + "\"?\n\n";
  text += own ? "The new bitmap is written over it."
              : "The supplied bitmap stays as it is; yours is used in its place.";
  text += " Every cut made with it is cut with the new cutter.";
  QStringList users;
  for (const std::string& path : recentProjects_) {
    const ProjectReadResult read = ReadProjectFile(path);
    if (!read) continue;
    for (const ProjectCut& cut : read.Value().Cuts) {
      if (cut.CutterFileName == fileName) {
        users << QString::fromStdString(path);
        break;
      }
    }
  }
  text += users.isEmpty() ? "\n\nNone of your recent projects uses it."
                          : "\n\nRecent projects that use it:\n" + users.join("\n");
  return text;
}

void CutterDesigner::OnSave() {
  if (!Redesign()) return;
  const std::string& fileName = current_.Design.FileName;
  if (const Replacing replaced = Replaced(fileName); replaced != Replacing::Nothing) {
    if (askReplace_ && !askReplace_(ReplaceQuestion(replaced, fileName))) return;
  }
  const Result<std::string> saved = SaveCutterBitmap(current_.Design, folder_, true);
  if (!saved) {
    messageLabel_->setText("Cannot save the cutter: " + QString::fromStdString(saved.Error()));
    return;
  }
  savedFileName_ = fileName;
  savedPath_ = saved.Value();
  messageLabel_->setText("Saved as " + QString::fromStdString(savedPath_) + ".");
  accept();
}

}  // namespace kerf
