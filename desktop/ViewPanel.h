// ViewPanel: the OpenGL view of the moulding in the main window's client area, and its mouse drag.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "model/Model.h"
#include "model/SectionPictures.h"
#include "render/DeviceContext.h"
#include "render/SceneParams.h"

class QOpenGLContext;
class QWindow;
class QSlider;

namespace kerf {

class Scene;
class Texture;
class ViewSurface;

// The view draws into a native OpenGL window of its own, held in this widget, and shows each
// frame with one buffer swap made inside the frame. (An OpenGL widget would have the whole main
// window composed and presented again for every change of a status bar text as well.)
class ViewPanel : public QWidget, public DeviceContext {
  Q_OBJECT

 public:
  // glAvailable false (OpenGL or GLU could not be loaded): the panel never calls OpenGL and
  // the view stays empty.
  ViewPanel(const Model& model, const SectionOutline& outline, bool glAvailable,
            QWidget* parent = nullptr);
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
  // The View Controls window's Rotate X and Rotate Y sliders, turned by dragging on the view.
  void SetRotationSliders(QSlider* rotateX, QSlider* rotateY);

  // MouldingTexture from a picture: made at once when the GL context exists, otherwise when
  // it has been created. The old texture object is freed first.
  void SetTexturePicture(const Raster& picture);
  bool HasMouldingTexture() const { return mouldingTexture_ != nullptr; }

  // Draws one frame now (the frame loop's paint) and swaps it onto the screen; but only
  // when something the view shows has changed since the last frame drawn: the outline, the
  // parameters filled from the windows, the texture, the size, or an expose of the view.
  // Returns whether a frame was drawn.
  bool DrawFrame();
  // The next DrawFrame draws whatever has changed.
  void RequestFrame() { frameRequested_ = true; }
  long long FramesPainted() const { return framesPainted_; }
  // Of those, the frames drawn because the window system exposed the view.
  long long FramesOnExpose() const { return framesOnExpose_; }
  // Buffer swaps that put a frame on the screen.
  long long FramesPresented() const { return framesPresented_; }

  // DeviceContext. MakeCurrent leaves the last frame drawn in the buffer that glReadPixels
  // reads (photographs): after a swap that buffer's contents are undefined, so the same frame
  // is drawn into it again, unswapped.
  bool MakeCurrent() override;
  void SwapBuffers() override;
  int Width() const override;
  int Height() const override;
  // The last frame drawn, read back as an image (top row first).
  QImage GrabFrame();

  // The native window drawn into, which receives the mouse over the view.
  QWindow* Surface() const;

  // The native window's events, passed on by it.
  void SurfaceExposed();
  void SurfaceMousePress(QPoint pos);
  void SurfaceMouseMove(QPoint pos);
  void SurfaceMouseRelease();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool EnsureGL();  // the context made and current, the scene set up; false without OpenGL
  void Render(const SceneParams& params);
  void MakeTextureNow();
  void ReleaseGL();

  const Model& model_;
  const SectionOutline& outline_;  // traced by the owner of the model
  bool glAvailable_;
  ViewSurface* surface_ = nullptr;
  std::unique_ptr<QOpenGLContext> context_;
  bool glReady_ = false;  // the scene is set up in the context
  bool sceneReady_ = false;
  std::function<void(SceneParams&)> fillScene_;
  QSlider* rotateXSlider_ = nullptr;
  QSlider* rotateYSlider_ = nullptr;
  std::unique_ptr<Scene> scene_;
  std::unique_ptr<Texture> mouldingTexture_;
  std::optional<Raster> pendingPicture_;
  long long framesPainted_ = 0;
  long long framesPresented_ = 0;
  long long framesOnExpose_ = 0;

  // What the last frame drawn showed, and the size its projection was set for.
  bool frameRequested_ = true;
  bool drawnAny_ = false;
  SceneParams drawnParams_;
  unsigned drawnOutline_ = 0;
  int projectedWidth_ = -1;
  int projectedHeight_ = -1;
  bool backBufferHoldsFrame_ = false;

  bool viewDragActive_ = false;
  int viewDragLastX_ = 0;
  int viewDragLastY_ = 0;
};

}  // namespace kerf
