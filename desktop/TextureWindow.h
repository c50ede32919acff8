// TextureWindow: the "Texture" tool window: the texture picture, texture mapping, repeat counts.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "desktop/Choosers.h"
#include "desktop/SetupStep.h"
#include "model/Model.h"
#include "model/Raster.h"
#include "model/Result.h"
#include "render/SceneParams.h"

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
  // Makes the model name path as its texture and shows its picture: the built-in grain for an
  // empty path, and also for a file that can no longer be read (the name is kept, as when a
  // project names a missing texture). Reports Look changed when the name changed.
  SetupChange ShowTexture(const std::string& path);

  // The texture picture, mapping and repeat counts chosen here are handed to recorder as
  // undoable steps.
  void SetStepRecorder(StepRecorder recorder) { record_ = std::move(recorder); }

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
  void SetTextureMap(bool on);
  void SetRepeat(int vertical, int horizontal);

  Model& model_;
  Raster picture_;
  bool builtIn_ = true;  // picture_ is the built-in wood grain
  QString textureDirectory_;
  FileChooser chooseFile_;
  MessageShower showMessage_;
  StepRecorder record_;

  QLabel* textureLabel_ = nullptr;
  QLabel* pictureView_ = nullptr;
  QCheckBox* textureMapCheck_ = nullptr;
  QSpinBox* verticalRepeatBox_ = nullptr;
  QSpinBox* horizontalRepeatBox_ = nullptr;
};

}  // namespace kerf
