// TextureWindow: the "Texture" tool window: the texture picture, texture mapping, repeat counts.
#include "desktop/TextureWindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>

#include "desktop/HelpKey.h"
#include "desktop/ToolWindowFrame.h"
#include "project/JpegFile.h"
#include "project/PictureFile.h"
#include "render/DefaultTexture.h"
#include "render/TextureImage.h"

namespace kerf {
namespace {

constexpr int MinRepeat = MinTextureRepeat;
constexpr int MaxRepeat = MaxTextureRepeat;

const char* const PictureFilter =
    "All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|"
    "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp";

QImage ImageFromRaster(const Raster& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    const Colour* source = picture.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      target[x] = qRgb(ColourRed(source[x]), ColourGreen(source[x]), ColourBlue(source[x]));
    }
  }
  return image;
}

QSpinBox* RepeatCounter(QWidget* parent, const char* name, const char* editName, int value) {
  auto* counter = new QSpinBox(parent);
  counter->setObjectName(name);
  counter->setRange(MinRepeat, MaxRepeat);
  counter->setValue(value);
  counter->setWrapping(false);
  counter->setFixedWidth(48);
  if (auto* edit = counter->findChild<QLineEdit*>()) {
    edit->setObjectName(editName);
  }
  return counter;
}

}  // namespace

TextureWindow::TextureWindow(Model& model, QWidget* parent)
    : QWidget(parent, ToolWindowFlags),
      model_(model),
      picture_(DefaultTexturePicture()),
      chooseFile_(DialogFileChooser(this)),
      showMessage_(DialogMessageShower(this)) {
  setObjectName("TextureWindow");
  SetUpToolWindow(*this);
  setWindowTitle("Texture");
  SetHelpTopic(this, HelpTopic::Texture);

  textureLabel_ = new QLabel("Texture", this);
  textureLabel_->setObjectName("textureLabel");
  pictureView_ = new QLabel(this);
  pictureView_->setObjectName("texturePicture");
  pictureView_->setFixedSize(73, 64);
  pictureView_->setScaledContents(true);
  pictureView_->setCursor(Qt::PointingHandCursor);
  pictureView_->installEventFilter(this);

  textureMapCheck_ = new QCheckBox("Texture map", this);
  textureMapCheck_->setObjectName("textureMapCheck");
  textureMapCheck_->setToolTip("Enable/Disable texture mapping");
  textureMapCheck_->setChecked(model_.TextureMap());

  auto* vertLabel = new QLabel("Vert. Repeat", this);
  vertLabel->setObjectName("verticalRepeatLabel");
  verticalRepeatBox_ =
      RepeatCounter(this, "verticalRepeatBox", "verticalRepeatText", model_.TextureRepeatV());
  auto* horizLabel = new QLabel("Horiz. Repeat", this);
  horizLabel->setObjectName("horizontalRepeatLabel");
  horizontalRepeatBox_ =
      RepeatCounter(this, "horizontalRepeatBox", "horizontalRepeatText", model_.TextureRepeatH());

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(2);
  layout->addWidget(textureLabel_, 0, 0);
  layout->addWidget(pictureView_, 1, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(textureMapCheck_, 0, 1, 1, 2);
  layout->addWidget(vertLabel, 1, 1);
  layout->addWidget(verticalRepeatBox_, 1, 2);
  layout->addWidget(horizLabel, 2, 1);
  layout->addWidget(horizontalRepeatBox_, 2, 2);
  layout->setRowStretch(3, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(textureMapCheck_, &QCheckBox::toggled, this, &TextureWindow::SetTextureMap);
  connect(verticalRepeatBox_, &QSpinBox::valueChanged, this,
          [this](int v) { SetRepeat(v, model_.TextureRepeatH()); });
  connect(horizontalRepeatBox_, &QSpinBox::valueChanged, this,
          [this](int v) { SetRepeat(model_.TextureRepeatV(), v); });

  ShowPicture();
}

void TextureWindow::SetTextureMap(bool on) {
  if (!model_.SetTextureMap(on)) return;
  Model& model = model_;
  RecordStep(
      record_, "Texture Mapping", [&model, on] { return model.SetTextureMap(on); },
      [&model, on] { return model.SetTextureMap(!on); });
}

// Each change of a counter is a step of its own.
void TextureWindow::SetRepeat(int vertical, int horizontal) {
  const int oldVertical = model_.TextureRepeatV();
  const int oldHorizontal = model_.TextureRepeatH();
  if (!model_.SetTextureRepeat(vertical, horizontal)) return;
  Model& model = model_;
  RecordStep(
      record_, "Texture Repeat",
      [&model, vertical, horizontal] { return model.SetTextureRepeat(vertical, horizontal); },
      [&model, oldVertical, oldHorizontal] {
        return model.SetTextureRepeat(oldVertical, oldHorizontal);
      });
}

SetupChange TextureWindow::ShowTexture(const std::string& path) {
  const std::string before = model_.TextureFile();
  if (path.empty() || !LoadTextureFile(QString::fromStdString(path))) {
    UseBuiltInTexture();
    model_.SetTextureFile(path);
  }
  return before != path ? SetupChange{.Look = true} : SetupChange{};
}

void TextureWindow::ShowPicture() {
  pictureView_->setPixmap(QPixmap::fromImage(ImageFromRaster(picture_)));
}

Result<void> TextureWindow::LoadTextureFile(const QString& path) {
  const QFileInfo file(path);
  const std::string localPath = path.toStdString();
  // The same reader and size limit as a photograph's texture.
  Result<Raster> picture = LoadTexturePicture(localPath);
  if (!picture) return Result<void>::FailLike(picture);
  picture_ = std::move(picture.Value());
  builtIn_ = false;
  ShowPicture();
  pictureView_->setToolTip(PlainToolTip("Texture = " + file.fileName()));
  model_.SetTextureFile(localPath);
  emit textureChanged();
  return {};
}

void TextureWindow::UseBuiltInTexture() {
  model_.SetTextureFile({});
  if (builtIn_) return;
  picture_ = DefaultTexturePicture();
  builtIn_ = true;
  ShowPicture();
  pictureView_->setToolTip(QString());
  emit textureChanged();
}

void TextureWindow::OnChooseTexture() {
  FileRequest request;
  request.mode = FileRequest::Mode::Open;
  request.caption = "Open Picture";
  request.directory = textureDirectory_;
  request.proposedName = QString::fromStdString(model_.TextureFile());
  request.filter = QtFileFilter(PictureFilter);
  const QString path = chooseFile_(request);
  if (path.isEmpty()) {
    return;
  }
  const std::string before = model_.TextureFile();
  if (const Result<void> loaded = LoadTextureFile(path); !loaded) {
    showMessage_(QString::fromStdString(loaded.Error()));
    return;
  }
  if (const std::string after = model_.TextureFile(); after != before) {
    RecordStep(
        record_, "Texture Picture", [this, after] { return ShowTexture(after); },
        [this, before] { return ShowTexture(before); });
  }
}

void TextureWindow::SyncFromModel() {
  textureMapCheck_->setChecked(model_.TextureMap());
  verticalRepeatBox_->setValue(model_.TextureRepeatV());
  horizontalRepeatBox_->setValue(model_.TextureRepeatH());
  // A stored count outside the counters' range is held to it, and the model follows.
  model_.SetTextureRepeat(verticalRepeatBox_->value(), horizontalRepeatBox_->value());
}

bool TextureWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pictureView_ && event->type() == QEvent::MouseButtonPress) {
    OnChooseTexture();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kerf
