// Panel1: the OpenGL view of the moulding in the main window's client area, and its mouse drag.
#pragma once

#include <QOpenGLWidget>
#include <functional>
#include <memory>
#include <optional>

#include "model/Model.h"
#include "render/DeviceContext.h"
#include "render/SceneParams.h"

class QSlider;

namespace kerf {

class Scene;
class TCGTextureObject;

class ViewPanel : public QOpenGLWidget, public TCGDeviceContext {
  Q_OBJECT

 public:
  // glAvailable false (OpenGL or GLU could not be loaded): the panel never calls OpenGL and
  // the view stays empty.
  ViewPanel(const Model& model, bool glAvailable, QWidget* parent = nullptr);
  ~ViewPanel() override;

  // The surface every view is made with; set before the QApplication exists. OpenGL 2.1
  // compatibility for the fixed-function drawing, a 24-bit depth and 8-bit stencil buffer,
  // and no multisampling, so that glReadPixels reads the frame as drawn.
  static void SetDefaultSurfaceFormat();

  // SceneReady: nothing is drawn before the delayed start-up step sets it.
  void SetSceneReady(bool ready);
  bool SceneReady() const { return sceneReady_; }
  bool GLAvailable() const { return glAvailable_; }

  // Fills the parameters of a frame from the windows' controls.
  void SetSceneFiller(std::function<void(SceneParams&)> filler) { fillScene_ = std::move(filler); }
  // The View Controls window's rotation sliders (trkX, TrkY), turned by dragging on the view.
  void SetRotationSliders(QSlider* trkX, QSlider* trkY);

  // MouldingTexture from a picture: made at once when the GL context exists, otherwise when
  // it has been created. The old texture object is freed first.
  void SetTexturePicture(const Raster& picture);
  bool HasMouldingTexture() const { return mouldingTexture_ != nullptr; }

  // Draws one frame now (the frame loop's FormPaint), returning when it is on screen; but only
  // when something the view shows has changed since the last frame drawn: the outline, the
  // parameters filled from the windows, the texture, the size, or a paint asked of the view.
  // Returns whether a frame was drawn.
  bool DrawFrame();
  // The next DrawFrame draws whatever has changed.
  void RequestFrame() { frameRequested_ = true; }
  long long FramesPainted() const { return framesPainted_; }
  // Times the window was shown on screen after drawing.
  long long FramesPresented() const { return framesPresented_; }

  // TCGDeviceContext: the widget's framebuffer, which holds the last frame drawn; after
  // MakeCurrent, glReadPixels reads it (photographs).
  bool MakeCurrent() override;
  void SwapBuffers() override;
  int Width() const override;
  int Height() const override;

  bool ViewDragActive() const { return viewDragActive_; }

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void MakeTextureNow();
  void ReleaseGL();

  const Model& model_;
  bool glAvailable_;
  bool glReady_ = false;  // initializeGL has set up the scene
  bool sceneReady_ = false;
  std::function<void(SceneParams&)> fillScene_;
  QSlider* trkX_ = nullptr;
  QSlider* trkY_ = nullptr;
  std::unique_ptr<Scene> scene_;
  std::unique_ptr<TCGTextureObject> mouldingTexture_;
  std::optional<Raster> pendingPicture_;
  long long framesPainted_ = 0;
  long long framesPresented_ = 0;
  // What the last frame drawn showed.
  bool frameRequested_ = true;
  SceneParams drawnParams_;
  unsigned drawnOutline_ = 0;

  bool viewDragActive_ = false;
  int viewDragLastX_ = 0;
  int viewDragLastY_ = 0;
};

}  // namespace kerf
