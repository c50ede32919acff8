// The 3-D scene: GL state, light, projection and one frame of the moulding.
#include "render/Scene.h"

namespace kerf {

SceneParams MakeSceneParams(const ViewControlPositions& view, const Model& model) {
  SceneParams p;
  p.EyeDistance = static_cast<float>(view.Zoom / 10.0);
  p.RotateX = static_cast<float>(view.RotateX);
  p.RotateY = static_cast<float>(view.RotateY);
  p.RotateZ = static_cast<float>(view.RotateZ);
  p.ShiftX = static_cast<float>(view.ShiftX / 10.0);
  p.ShiftY = static_cast<float>(view.ShiftY / 10.0);
  p.Ambient = static_cast<float>(view.Ambient / 100.0);
  p.Diffuse = static_cast<float>(view.Diffuse / 100.0);
  p.Specular = static_cast<float>(view.Highlight / 100.0);
  p.Solid = view.Solid;
  p.TextureMap = model.TextureMap();
  p.RepeatV = model.TextureRepeatV();
  p.RepeatH = model.TextureRepeatH();
  p.Wood = {model.WoodColour()[0], model.WoodColour()[1], model.WoodColour()[2], 1.0f};
  const ColourRec clear = ColourRecFrom(model.BackgroundSwatch(), 1.0f);
  p.Clear = {clear.R, clear.G, clear.B, clear.A};
  return p;
}

void Scene::SetUpScene() {
  gl::glEnable(GL_DEPTH_TEST);
  gl::glEnable(GL_CULL_FACE);
  gl::glEnable(GL_COLOR_MATERIAL);
  gl::glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  gl::glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
  // The moulding's normals are unit length and the view only turns and shifts, so they need
  // no renormalising (a long normal would burn the highlight term (n.h)^80 to white).
  gl::glDisable(GL_NORMALIZE);

  // The light's position is given under the identity, so it stays fixed relative to the eye.
  gl::glMatrixMode(GL_MODELVIEW);
  gl::glLoadIdentity();
  light_.SetAmbient(ColourF(0.25f, 0.25f, 0.25f, 1.0f));
  light_.SetDiffuse(ColourF(0.5f, 0.5f, 0.5f, 1.0f));
  light_.SetSpecular(ColourF(0.5f, 0.5f, 0.5f, 1.0f));
  const std::array<float, 3> from = SceneParams{}.LightFrom;
  light_.SetPosition(VectorF(from[0], from[1], from[2]));
  light_.SetInfinite(true);
  light_.Enable();

  gl::glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

void Scene::ResizeScene(int width, int height) {
  if (height <= 0) height = 1;
  if (width < 0) width = 0;
  gl::glViewport(0, 0, width, height);
  gl::glMatrixMode(GL_PROJECTION);
  gl::glLoadIdentity();
  gl::gluPerspective(50.0, static_cast<double>(width) / height, 0.1, 2000.0);
  gl::glMatrixMode(GL_MODELVIEW);
}

void Scene::DrawScene(const SceneParams& params, const SectionOutline& outline, Texture* texture) {
  gl::glClearColor(params.Clear[0], params.Clear[1], params.Clear[2], params.Clear[3]);
  gl::glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl::glLoadIdentity();
  // A light moved since the last frame is sent under the identity, so it stays fixed to the eye.
  const std::array<float, 3>& from = params.LightFrom;
  if (const VectorRec& at = light_.Position();
      at.X != from[0] || at.Y != from[1] || at.Z != from[2]) {
    light_.SetPosition(VectorRec{from[0], from[1], from[2], 0.0f});
  }
  gl::gluLookAt(0, 0, params.EyeDistance, 0, 0, 0, 0, 1, 0);

  gl::glPolygonMode(GL_FRONT_AND_BACK, params.Solid ? GL_FILL : GL_LINE);

  // The shift works in eye space, after the turns.
  gl::glTranslatef(params.ShiftX, params.ShiftY, 0.0f);
  gl::glRotatef(params.RotateX, 1.0f, 0.0f, 0.0f);
  gl::glRotatef(params.RotateY, 0.0f, 1.0f, 0.0f);
  gl::glRotatef(params.RotateZ, 0.0f, 0.0f, 1.0f);

  // The highlight level drives both the material's and the light's specular colour; ambient
  // and diffuse material follow the current colour.
  const float s = params.Specular;
  const float materialSpecular[4] = {s, s, s, 1.0f};
  gl::glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialSpecular);
  gl::glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 80.0f);

  light_.SetAmbient(ColourF(params.Ambient, params.Ambient, params.Ambient, 1.0f));
  light_.SetDiffuse(ColourF(params.Diffuse, params.Diffuse, params.Diffuse, 1.0f));
  light_.SetSpecular(ColourF(s, s, s, 1.0f));

  if (!outline.Closed) return;
  MouldingParams moulding;
  moulding.Outline = &outline;
  moulding.WoodColour = {params.Wood[0], params.Wood[1], params.Wood[2], params.Wood[3]};
  moulding.TextureMap = params.TextureMap;
  moulding.RepeatV = static_cast<float>(params.RepeatV);
  moulding.RepeatH = static_cast<float>(params.RepeatH);
  moulding.Texture = texture;
  moulding.LengthSlices = lengthSlices_;
  moulding.MergeStraightRuns = mergeStraightRuns_;
  if (compiled_) {
    moulding_.Draw(moulding);
  } else {
    DrawMoulding(moulding);
  }
}

void Scene::SetMouldingDetail(int lengthSlices, bool mergeStraightRuns) {
  lengthSlices_ = lengthSlices;
  mergeStraightRuns_ = mergeStraightRuns;
}

void Scene::SetCompiledMoulding(bool compiled) {
  compiled_ = compiled;
  if (!compiled_) moulding_.Release();
}

}  // namespace kerf
