// Panel1: GL set-up, projection, one frame of the scene, the moulding texture and the view drag.
#include "app/ViewPanel.h"

#include <QMouseEvent>
#include <QSlider>
#include <QSurfaceFormat>

#include "render/Scene.h"
#include "render/TextureImage.h"

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

ViewPanel::ViewPanel(const Model& model, bool glAvailable, QWidget* parent)
    : QOpenGLWidget(parent), model_(model), glAvailable_(glAvailable) {
  setObjectName("Panel1");
  setCursor(Qt::SizeAllCursor);
  setFocusPolicy(Qt::ClickFocus);
  connect(this, &QOpenGLWidget::frameSwapped, this, [this] { ++framesPresented_; });
}

ViewPanel::~ViewPanel() { ReleaseGL(); }

void ViewPanel::ReleaseGL() {
  // Texture names and display lists belong to this widget's context, which exists whenever the
  // scene does (initializeGL made both): free them with it current.
  if (!scene_ && !mouldingTexture_) return;
  makeCurrent();
  mouldingTexture_.reset();
  scene_.reset();
  doneCurrent();
}

void ViewPanel::SetSceneReady(bool ready) {
  sceneReady_ = ready;
  frameRequested_ = true;
  update();
}

void ViewPanel::SetRotationSliders(QSlider* trkX, QSlider* trkY) {
  trkX_ = trkX;
  trkY_ = trkY;
}

void ViewPanel::initializeGL() {
  if (!glAvailable_) return;
  scene_ = std::make_unique<Scene>();
  scene_->SetUpScene();
  glReady_ = true;
  if (pendingPicture_) MakeTextureNow();
}

void ViewPanel::resizeGL(int w, int h) {
  if (!glReady_) return;
  frameRequested_ = true;
  const qreal ratio = devicePixelRatioF();
  scene_->ResizeScene(static_cast<int>(w * ratio), static_cast<int>(h * ratio));
}

void ViewPanel::paintGL() {
  if (!glReady_ || !sceneReady_) return;
  if (pendingPicture_) MakeTextureNow();
  SceneParams params;
  if (fillScene_) fillScene_(params);
  TCGTexture* texture = mouldingTexture_ ? &mouldingTexture_->Texture() : nullptr;
  scene_->DrawScene(params, model_.Outline, params.TextureMap ? texture : nullptr);
  drawnParams_ = params;
  drawnOutline_ = model_.Outline.Generation;
  frameRequested_ = false;
  ++framesPainted_;
}

void ViewPanel::SetTexturePicture(const Raster& picture) {
  pendingPicture_ = picture;
  frameRequested_ = true;
  if (glReady_ && isValid()) {
    makeCurrent();
    MakeTextureNow();
    doneCurrent();
  }
  update();
}

// Needs this widget's context current.
void ViewPanel::MakeTextureNow() {
  if (!pendingPicture_) return;
  mouldingTexture_.reset();
  mouldingTexture_ = std::make_unique<TCGTextureObject>();
  mouldingTexture_->Texture().LoadFromBitmap(*pendingPicture_);
  mouldingTexture_->Upload();
  mouldingTexture_->Texture().Disable();
  pendingPicture_.reset();
}

bool ViewPanel::DrawFrame() {
  if (!glReady_ || !sceneReady_) return false;
  if (!frameRequested_ && drawnOutline_ == model_.Outline.Generation) {
    SceneParams params;
    if (fillScene_) fillScene_(params);
    if (params == drawnParams_) return false;
  }
  repaint();
  return true;
}

bool ViewPanel::MakeCurrent() {
  if (!glReady_ || !isValid()) return false;
  makeCurrent();
  return true;
}

// Qt composes the widget's framebuffer into the window after every paint; there is no buffer
// of our own to swap.
void ViewPanel::SwapBuffers() {}

int ViewPanel::Width() const { return static_cast<int>(width() * devicePixelRatioF()); }
int ViewPanel::Height() const { return static_cast<int>(height() * devicePixelRatioF()); }

void ViewPanel::mousePressEvent(QMouseEvent* event) {
  viewDragActive_ = true;
  viewDragLastX_ = event->position().toPoint().x();
  viewDragLastY_ = event->position().toPoint().y();
}

// Moving the mouse down turns the moulding about x, moving it right turns it about y.
void ViewPanel::mouseMoveEvent(QMouseEvent* event) {
  if (!viewDragActive_) return;
  const QPoint pos = event->position().toPoint();
  if (trkX_ != nullptr)
    trkX_->setValue(WrappedAngle(trkX_->value() + (pos.y() - viewDragLastY_), trkX_->maximum()));
  if (trkY_ != nullptr)
    trkY_->setValue(WrappedAngle(trkY_->value() + (pos.x() - viewDragLastX_), trkY_->maximum()));
  viewDragLastY_ = pos.y();
  viewDragLastX_ = pos.x();
}

void ViewPanel::mouseReleaseEvent(QMouseEvent*) { viewDragActive_ = false; }

}  // namespace kerf
