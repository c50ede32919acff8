// The 3-D scene: GL set-up, projection and the drawing of one frame from a plain SceneParams.
#pragma once

#include "model/Model.h"
#include "model/SectionOutline.h"
#include "render/GLSupport.h"
#include "render/Moulding.h"
#include "render/SceneParams.h"
#include "render/Texture.h"

namespace kerf {

// The frame's parameters from the view controls and the model's wood colour, background and
// texture settings: the one way both the desktop's view and the photo verb make a frame.
SceneParams MakeSceneParams(const ViewControlPositions& view, const Model& model);

// The scene of one rendering context: its light and the compiled moulding. Every call needs
// that context current.
class Scene {
 public:
  Scene() = default;

  // Depth test, back-face culling, colour material, two-sided lighting, the light fixed to the
  // eye where SceneParams puts it by default, and a black background.
  void SetUpScene();
  // Viewport and a 50-degree perspective for a surface of width x height pixels; a height of
  // zero is taken as one.
  void ResizeScene(int width, int height);
  // Clears and draws one frame: camera, fill mode, turns and shifts, material, light levels
  // and direction and, for a closed outline, the moulding. texture may be null while mapping is
  // off.
  void DrawScene(const SceneParams& params, const SectionOutline& outline, Texture* texture);

  // Draw the moulding from geometry prepared once per change (the default) or directly.
  void SetCompiledMoulding(bool compiled);
  // Draw each side in this many pieces along the length, from every traced point or from the
  // straight runs merged (the default: one piece, merged). Only for comparing the drawings.
  void SetMouldingDetail(int lengthSlices, bool mergeStraightRuns);
  const CompiledMoulding& Compiled() const { return moulding_; }

 private:
  Light light_{GL_LIGHT0};
  CompiledMoulding moulding_;
  bool compiled_ = true;
  int lengthSlices_ = 1;
  bool mergeStraightRuns_ = true;
};

}  // namespace kerf
