// The moulding: the traced section drawn as a length of stock with two end faces and long sides.
#pragma once

#include <vector>

#include "model/SectionOutline.h"
#include "render/GLSupport.h"
#include "render/Texture.h"

namespace kerf {

// One vertex handed to the tessellator: position in scene units and texture coordinates.
struct TessVertex {
  double x = 0, y = 0, z = 0;
  double s = 0, t = 0;
};

// Everything the moulding is drawn from.
struct MouldingParams {
  const SectionOutline* Outline = nullptr;
  ColourRec WoodColour{1, 1, 1, 1};  // the surface colour while texture mapping is off
  bool TextureMap = false;
  float RepeatV = 2;                 // texture repeats around the outline
  float RepeatH = 4;                 // texture repeats along the length
  kerf::Texture* Texture = nullptr;  // the moulding texture, used while TextureMap is on
  // Pieces each side is drawn in along the length. One suffices: a side's normals do not vary
  // along the length, so neither does its light. More only serve to compare with the drawing
  // of many slices.
  int LengthSlices = 1;
  // Consecutive outline points on one straight line become one segment (the shape is the same).
  bool MergeStraightRuns = true;
};

// Scene units per raster pixel and the half length of the moulding along z.
inline constexpr double PixelsPerSceneUnit = 100.0;
inline constexpr double MouldingHalfLength = 2.0;

// Outline point i (1-based) in scene coordinates: raster rows along x, columns along y, the
// outline's centre at the origin.
inline double SceneX(const SectionOutline& o, int i) {
  return (o.Y[i] - o.CentreY) / PixelsPerSceneUnit;
}
inline double SceneY(const SectionOutline& o, int i) {
  return (o.X[i] - o.CentreX) / PixelsPerSceneUnit;
}

// Draws the moulding of a closed outline (nothing for an open or empty one) as a closed solid
// whatever the direction of the trace (BuildMouldingShape): end faces filled by the GLU
// tessellator with the positive winding rule and lit along the moulding's axis, and one
// quadrilateral along the whole length per side segment with the outline's own normals.
// Needs lighting and colour material set up and the view transform on the modelview matrix;
// leaves the front face at GL_CW.
void DrawMoulding(const MouldingParams& params);

// The same picture from geometry prepared once: the tessellated end faces and the long sides as
// vertex arrays, made again only when the outline, the wood colour or the texture settings
// change. The quadrilaterals are given as the very triangles OpenGL makes of them, with the
// same vertex values, so the picture is the same to the pixel (a test compares). A display list was
// tried and is not: Mesa splits the quadrilaterals of a compiled list differently and the shading
// moves by a shade. While polygons are drawn as outlines the direct drawing is used, as the
// triangles would show their diagonals.
class CompiledMoulding {
 public:
  void Draw(const MouldingParams& params);
  // Forgets the prepared geometry; the next Draw prepares it again.
  void Release();
  int Compilations() const { return compilations_; }
  // Triangles of the prepared geometry (end faces and sides); 0 before the first Draw.
  size_t Triangles() const;

  struct Vertex {
    float Normal[3];
    float TexCoord[2];
    float Position[3];
  };
  struct Primitive {
    GLenum Mode;
    int First;
    int Count;
  };

 private:
  struct Key {
    std::vector<int> X, Y;  // points 1..Count
    int CentreX = 0, CentreY = 0;
    float R = 0, G = 0, B = 0;
    bool TextureMap = false;
    float RepeatV = 0, RepeatH = 0;
    int Slices = 1;
    bool MergeStraightRuns = true;
  };
  static Key KeyOf(const MouldingParams& params);
  bool Matches(const MouldingParams& params) const;
  void Prepare(const MouldingParams& params);

  bool prepared_ = false;
  Key key_;
  std::vector<Vertex> faceVertices_;
  std::vector<Primitive> facePrimitives_;  // as the tessellator made them
  std::vector<Vertex> sideVertices_;       // per side segment: its two ends at every slice edge
  std::vector<GLuint> sideTriangles_;      // two triangles per quadrilateral, in drawing order
  int compilations_ = 0;
};

}  // namespace kerf
