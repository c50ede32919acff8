// ViewPanel: its OpenGL window and context, one frame of the scene, the texture and the view drag.
#include "desktop/ViewPanel.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSlider>
#include <QSurfaceFormat>
#include <QVBoxLayout>
#include <QWindow>

#include "render/GLApi.h"
#include "render/Scene.h"
#include "render/Texture.h"

namespace kerf {

namespace {

// One pixel of travel is one degree; the angle wraps into 0..maximum as the slider holds it.
int WrappedAngle(int value, int maximum) {
  if (value < 0) value += maximum;
  if (value > maximum) value -= maximum;
  return value;
}

}  // namespace

void ViewPanel::SetDefaultSurfaceFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  format.setSamples(0);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(format);
}

// The native OpenGL window the view draws into; its events go to the panel.
class ViewSurface final : public QWindow {
 public:
  // Without OpenGL the window stays a plain one that is never drawn into.
  ViewSurface(ViewPanel& panel, bool openGL) : panel_(panel) {
    setSurfaceType(openGL ? QSurface::OpenGLSurface : QSurface::RasterSurface);
    setFormat(QSurfaceFormat::defaultFormat());
    setFlag(Qt::WindowDoesNotAcceptFocus);  // keys stay with the widgets (F1, shortcuts)
    setCursor(Qt::SizeAllCursor);
  }

 protected:
  void exposeEvent(QExposeEvent*) override { panel_.SurfaceExposed(); }
  void resizeEvent(QResizeEvent*) override { panel_.RequestFrame(); }
  void mousePressEvent(QMouseEvent* event) override {
    panel_.SurfaceMousePress(event->position().toPoint());
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    panel_.SurfaceMouseMove(event->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent*) override { panel_.SurfaceMouseRelease(); }

 private:
  ViewPanel& panel_;
};

ViewPanel::ViewPanel(const Model& model, const SectionOutline& outline, bool glAvailable,
                     QWidget* parent)
    : QWidget(parent), model_(model), outline_(outline), glAvailable_(glAvailable) {
  setObjectName("viewPanel");
  setCursor(Qt::SizeAllCursor);
  setFocusPolicy(Qt::ClickFocus);
  surface_ = new ViewSurface(*this, glAvailable_);
  QWidget* container = QWidget::createWindowContainer(surface_, this);
  container->setObjectName("viewSurface");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(container);
}

ViewPanel::~ViewPanel() { ReleaseGL(); }

void ViewPanel::ReleaseGL() {
  // Texture names and display lists belong to the view's context: free them with it current.
  if (context_ && (scene_ || mouldingTexture_) && surface_->handle() != nullptr &&
      context_->makeCurrent(surface_)) {
    mouldingTexture_.reset();
    scene_.reset();
    context_->doneCurrent();
  }
  mouldingTexture_.reset();
  scene_.reset();
  glReady_ = false;
  context_.reset();
}

void ViewPanel::SetSceneReady(bool ready) {
  sceneReady_ = ready;
  frameRequested_ = true;
}

void ViewPanel::SetRotationSliders(QSlider* rotateX, QSlider* rotateY) {
  rotateXSlider_ = rotateX;
  rotateYSlider_ = rotateY;
}

bool ViewPanel::EnsureGL() {
  if (!glAvailable_) return false;
  if (surface_->handle() == nullptr) surface_->create();
  if (!context_) {
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(surface_->requestedFormat());
    if (!context_->create()) {
      context_.reset();
      return false;
    }
  }
  if (!context_->makeCurrent(surface_)) return false;
  if (!glReady_) {
    scene_ = std::make_unique<Scene>();
    scene_->SetUpScene();
    glReady_ = true;
    projectedWidth_ = projectedHeight_ = -1;
  }
  return true;
}

// Needs the context current.
void ViewPanel::Render(const SceneParams& params) {
  const int w = Width();
  const int h = Height();
  if (w != projectedWidth_ || h != projectedHeight_) {
    scene_->ResizeScene(w, h);
    projectedWidth_ = w;
    projectedHeight_ = h;
  }
  if (pendingPicture_) MakeTextureNow();
  Texture* texture = mouldingTexture_.get();
  scene_->DrawScene(params, outline_, params.TextureMap ? texture : nullptr);
}

bool ViewPanel::DrawFrame() {
  if (!glAvailable_ || !sceneReady_) return false;
  SceneParams params;
  if (fillScene_) fillScene_(params);
  if (!frameRequested_ && drawnAny_ && drawnOutline_ == outline_.Generation &&
      params == drawnParams_)
    return false;
  // A hidden or minimised view draws nothing; its next expose asks for a frame.
  if (!surface_->isExposed() || !EnsureGL()) return false;
  Render(params);
  context_->swapBuffers(surface_);
  backBufferHoldsFrame_ = false;
  drawnParams_ = params;
  drawnOutline_ = outline_.Generation;
  drawnAny_ = true;
  frameRequested_ = false;
  ++framesPainted_;
  ++framesPresented_;
  return true;
}

// An exposed view needs its picture at once, not at the next frame.
void ViewPanel::SurfaceExposed() {
  frameRequested_ = true;
  if (!surface_->isExposed()) return;
  if (sceneReady_) {
    if (DrawFrame()) ++framesOnExpose_;
  } else if (EnsureGL()) {
    gl::glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    context_->swapBuffers(surface_);
    backBufferHoldsFrame_ = false;
  }
}

void ViewPanel::SetTexturePicture(const Raster& picture) {
  pendingPicture_ = picture;
  frameRequested_ = true;
  if (context_ && EnsureGL()) MakeTextureNow();
}

// Needs the view's context current.
void ViewPanel::MakeTextureNow() {
  if (!pendingPicture_) return;
  mouldingTexture_.reset();
  mouldingTexture_ = std::make_unique<Texture>();
  mouldingTexture_->SetImage(TextureImage::Upright(*pendingPicture_));
  mouldingTexture_->Upload();
  mouldingTexture_->Disable();
  pendingPicture_.reset();
}

bool ViewPanel::MakeCurrent() {
  if (!context_ || !EnsureGL()) return false;
  if (!backBufferHoldsFrame_) {
    SceneParams params = drawnParams_;
    if (!drawnAny_ && fillScene_) fillScene_(params);
    if (sceneReady_) {
      Render(params);
    } else {
      gl::glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    backBufferHoldsFrame_ = true;
  }
  return true;
}

void ViewPanel::SwapBuffers() {
  if (!context_ || !EnsureGL()) return;
  context_->swapBuffers(surface_);
  backBufferHoldsFrame_ = false;
  ++framesPresented_;
}

QImage ViewPanel::GrabFrame() {
  if (!MakeCurrent()) return {};
  const int w = Width();
  const int h = Height();
  QImage image(w, h, QImage::Format_RGBA8888);
  gl::glPixelStorei(GL_PACK_ALIGNMENT, 4);
  gl::glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  gl::glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  return image.mirrored(false, true);
}

QWindow* ViewPanel::Surface() const { return surface_; }

int ViewPanel::Width() const { return static_cast<int>(width() * devicePixelRatioF()); }
int ViewPanel::Height() const { return static_cast<int>(height() * devicePixelRatioF()); }

void ViewPanel::SurfaceMousePress(QPoint pos) {
  viewDragActive_ = true;
  viewDragLastX_ = pos.x();
  viewDragLastY_ = pos.y();
}

// Moving the mouse down turns the moulding about x, moving it right turns it about y.
void ViewPanel::SurfaceMouseMove(QPoint pos) {
  if (!viewDragActive_) return;
  if (rotateXSlider_ != nullptr)
    rotateXSlider_->setValue(WrappedAngle(rotateXSlider_->value() + (pos.y() - viewDragLastY_),
                                          rotateXSlider_->maximum()));
  if (rotateYSlider_ != nullptr)
    rotateYSlider_->setValue(WrappedAngle(rotateYSlider_->value() + (pos.x() - viewDragLastX_),
                                          rotateYSlider_->maximum()));
  viewDragLastY_ = pos.y();
  viewDragLastX_ = pos.x();
}

void ViewPanel::SurfaceMouseRelease() { viewDragActive_ = false; }

void ViewPanel::mousePressEvent(QMouseEvent* event) {
  SurfaceMousePress(event->position().toPoint());
}
void ViewPanel::mouseMoveEvent(QMouseEvent* event) {
  SurfaceMouseMove(event->position().toPoint());
}
void ViewPanel::mouseReleaseEvent(QMouseEvent*) { SurfaceMouseRelease(); }

}  // namespace kerf
