// TextureWindow: the "Texture" tool window: the texture picture, texture mapping, repeat counts.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "model/Model.h"
#include "model/Raster.h"
#include "model/Result.h"
#include "render/SceneParams.h"
#include "ui/Choosers.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace kerf {

class TextureWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TextureWindow(Model& model, QWidget* parent = nullptr);

  // Makes a picture file the moulding texture: ".BMP" (any case) as a bitmap, anything else
  // as a JPEG. On success the window shows it, the model names it and textureChanged() is
  // emitted. A failure names the file; nothing changes then.
  Result<void> LoadTextureFile(const QString& path);

  // Goes back to the built-in wood grain, naming no texture file.
  void UseBuiltInTexture();

  // The picture the moulding texture is made from (the built-in wood grain until a file loads).
  const Raster& TexturePicture() const { return picture_; }

  // Shows the model's texture settings (after a project is opened).
  void SyncFromModel();

  // Start directory of the picture dialog ("textures" beside the program).
  void SetTextureDirectory(const QString& directory) { textureDirectory_ = directory; }
  // Replaces the picture dialog step (tests choose files without a modal dialog).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }

  // Clicking the picture: choose a picture file and load it; errors are shown in a message box.
  void OnChooseTexture();

 signals:
  // TexturePicture() holds a new picture: the owner rebuilds the moulding texture from it.
  void textureChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPicture();

  Model& model_;
  Raster picture_;
  bool builtIn_ = true;  // picture_ is the built-in wood grain
  QString textureDirectory_;
  FileChooser chooseFile_;
  MessageShower showMessage_;

  QLabel* textureLabel_ = nullptr;
  QLabel* pictureView_ = nullptr;
  QCheckBox* textureMapCheck_ = nullptr;
  QSpinBox* updVert = nullptr;
  QSpinBox* updHoriz = nullptr;
};

}  // namespace kerf
