// Drawing the moulding: tessellated end faces and one strip of quadrilaterals per side segment.
#include "render/Moulding.h"

#include <algorithm>
#include <deque>

#include "render/MouldingShape.h"

namespace kerf {

namespace {

using Vertex = CompiledMoulding::Vertex;

// Where the vertices of the moulding go: straight to OpenGL, or into arrays for later.
class VertexSink {
 public:
  virtual ~VertexSink() = default;
  virtual void Begin(GLenum mode) = 0;
  virtual void Emit(const Vertex& v) = 0;
  virtual void End() = 0;
};

class ImmediateSink final : public VertexSink {
 public:
  void Begin(GLenum mode) override { gl::glBegin(mode); }
  void Emit(const Vertex& v) override {
    gl::glNormal3f(v.Normal[0], v.Normal[1], v.Normal[2]);
    gl::glTexCoord2f(v.TexCoord[0], v.TexCoord[1]);
    gl::glVertex3f(v.Position[0], v.Position[1], v.Position[2]);
  }
  void End() override { gl::glEnd(); }
};

class RecordingSink final : public VertexSink {
 public:
  RecordingSink(std::vector<Vertex>& vertices, std::vector<CompiledMoulding::Primitive>& primitives)
      : vertices_(vertices), primitives_(primitives) {}
  void Begin(GLenum mode) override {
    primitives_.push_back({mode, static_cast<int>(vertices_.size()), 0});
  }
  void Emit(const Vertex& v) override { vertices_.push_back(v); }
  void End() override {
    if (primitives_.empty()) return;
    primitives_.back().Count = static_cast<int>(vertices_.size()) - primitives_.back().First;
  }

 private:
  std::vector<Vertex>& vertices_;
  std::vector<CompiledMoulding::Primitive>& primitives_;
};

Vertex MakeVertex(float x, float y, float z, float s, float t, float nx, float ny, float nz) {
  return {{nx, ny, nz}, {s, t}, {x, y, z}};
}

// What the tessellator's callbacks work with during one polygon.
struct TessPolygon {
  VertexSink* Sink;
  float Normal[3];               // the face's own normal, along the moulding's axis
  std::deque<TessVertex> Extra;  // vertices made at crossings, kept until the polygon ends
};

void TessBeginCallback(GLenum mode, void* polygon) {
  static_cast<TessPolygon*>(polygon)->Sink->Begin(mode);
}

void TessEndCallback(void* polygon) { static_cast<TessPolygon*>(polygon)->Sink->End(); }

// GLU calls the vertex callback with the record given to gluTessVertex.
void TessVertexCallback(void* data, void* polygon) {
  const auto* v = static_cast<const TessVertex*>(data);
  const auto* face = static_cast<TessPolygon*>(polygon);
  face->Sink->Emit(MakeVertex(static_cast<float>(v->x), static_cast<float>(v->y),
                              static_cast<float>(v->z), static_cast<float>(v->s),
                              static_cast<float>(v->t), face->Normal[0], face->Normal[1],
                              face->Normal[2]));
}

// Where the walked outline crosses itself the tessellator needs a vertex at the crossing; it
// is made here, blended from its neighbours. Without it the tessellator would give up on the
// whole end face.
void TessCombineCallback(GLdouble coords[3], void* neighbours[4], GLfloat weights[4], void** result,
                         void* polygon) {
  TessVertex v{coords[0], coords[1], coords[2], 0, 0};
  for (int k = 0; k < 4; ++k) {
    if (neighbours[k] == nullptr) continue;
    const auto* n = static_cast<const TessVertex*>(neighbours[k]);
    v.s += weights[k] * n->s;
    v.t += weights[k] * n->t;
  }
  auto& extra = static_cast<TessPolygon*>(polygon)->Extra;
  extra.push_back(v);
  *result = &extra.back();
}

template <typename Function>
_GLUfuncptr Callback(Function function) {
  return reinterpret_cast<_GLUfuncptr>(function);
}

// One end face; its contour runs anticlockwise about direction (0, 0, facing), so that is the
// side the tessellator fills and the way the face looks.
void TessellateFace(GLUtesselator* tess, TessVertex* records, int count, float facing,
                    VertexSink& sink) {
  TessPolygon polygon{&sink, {0.0f, 0.0f, facing}, {}};
  gl::gluTessNormal(tess, 0.0, 0.0, -facing);
  gl::gluTessBeginPolygon(tess, &polygon);
  gl::gluTessBeginContour(tess);
  for (int k = 0; k < count; ++k) gl::gluTessVertex(tess, &records[k].x, &records[k]);
  gl::gluTessEndContour(tess);
  gl::gluTessEndPolygon(tess);
}

// The texture on the end faces: the grain is cut across there, so the picture is sampled along
// one line across its grain (the s coordinate fixed) and the lines of the sides' grain run on
// over the face as the edges of the growth layers, as on sawn end grain.
constexpr double EndGrainS = 0.0;

// The two end faces, filled by the tessellator with the positive winding rule, lit along the
// moulding's axis.
void EmitEndFaces(const MouldingShape& shape, float repeatV, VertexSink& sink) {
  const int count = static_cast<int>(shape.FaceX.size());
  if (count < 3) return;
  // Records 0..count - 1 hold the front face, count .. 2 count - 1 the back face; they stay in
  // place until their polygons have ended.
  std::vector<TessVertex> records(static_cast<size_t>(count) * 2);
  for (int k = 0; k < count; ++k) {
    const double x = shape.FaceX[k], y = shape.FaceY[k];
    records[k] = {x, y, MouldingHalfLength, EndGrainS, y * repeatV};
    // The back face takes the points in reverse order.
    records[2 * count - 1 - k] = {x, y, -MouldingHalfLength, EndGrainS, y * repeatV};
  }
  GLUtesselator* tess = gl::gluNewTess();
  if (tess == nullptr) return;
  gl::gluTessCallback(tess, GLU_TESS_BEGIN_DATA, Callback(&TessBeginCallback));
  gl::gluTessCallback(tess, GLU_TESS_END_DATA, Callback(&TessEndCallback));
  gl::gluTessCallback(tess, GLU_TESS_VERTEX_DATA, Callback(&TessVertexCallback));
  gl::gluTessCallback(tess, GLU_TESS_COMBINE_DATA, Callback(&TessCombineCallback));
  gl::gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_POSITIVE);
  TessellateFace(tess, records.data(), count, 1.0f, sink);
  TessellateFace(tess, records.data() + count, count, -1.0f, sink);
  gl::gluDeleteTess(tess);
}

// A vertex of the long sides: one end of a side segment at slice edge k (0..slices, z = -2.0 ..
// +2.0). The texture repeats H times along the length and V times around the outline.
Vertex SideVertex(const SideEnd& e, int k, int slices, float repeatV, float repeatH) {
  const double along = static_cast<double>(k) / slices;
  return MakeVertex(static_cast<float>(e.X), static_cast<float>(e.Y),
                    static_cast<float>(-MouldingHalfLength + 2 * MouldingHalfLength * along),
                    static_cast<float>(along * repeatH), static_cast<float>(e.T * repeatV),
                    static_cast<float>(e.Nx), static_cast<float>(e.Ny), 0.0f);
}

// The long sides: every side segment as quadrilaterals over the whole length (slices of them
// one after the other along z).
void EmitSides(const MouldingShape& shape, int slices, float repeatV, float repeatH,
               VertexSink& sink) {
  sink.Begin(GL_QUADS);
  for (const SideSegment& side : shape.Sides) {
    for (int k = 0; k < slices; ++k) {
      sink.Emit(SideVertex(side.A, k + 1, slices, repeatV, repeatH));
      sink.Emit(SideVertex(side.A, k, slices, repeatV, repeatH));
      sink.Emit(SideVertex(side.B, k, slices, repeatV, repeatH));
      sink.Emit(SideVertex(side.B, k + 1, slices, repeatV, repeatH));
    }
  }
  sink.End();
}

int SlicesOf(const MouldingParams& params) { return std::clamp(params.LengthSlices, 1, 400); }

MouldingShape ShapeOf(const MouldingParams& params) {
  return BuildMouldingShape(*params.Outline, params.MergeStraightRuns);
}

bool Drawable(const MouldingParams& params) {
  const SectionOutline* o = params.Outline;
  return o != nullptr && o->Closed && o->Count >= 2 && o->Count <= MaxOutlinePoints &&
         static_cast<int>(o->X.size()) > o->Count && static_cast<int>(o->Y.size()) > o->Count;
}

void SetFaceColour(const MouldingParams& params) {
  if (params.TextureMap) {
    gl::glColor3f(0.8f, 0.8f, 0.8f);
  } else {
    gl::glColor3f(params.WoodColour.R, params.WoodColour.G, params.WoodColour.B);
  }
}

// The quarter turn about z shows the section upright: seen from the eye on the +z axis, raster
// columns run to the right and raster rows downwards. The shape's outline runs clockwise.
void BeginMouldingSpace() {
  gl::glPushMatrix();
  gl::glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
  gl::glFrontFace(GL_CW);
}

void EnableTexture(const MouldingParams& params) {
  if (params.TextureMap && params.Texture != nullptr) params.Texture->Enable();
}

void DisableTexture(const MouldingParams& params) {
  if (params.Texture != nullptr) {
    params.Texture->Disable();
  } else {
    gl::glDisable(GL_TEXTURE_2D);
  }
}

}  // namespace

void DrawMoulding(const MouldingParams& params) {
  if (!Drawable(params)) return;
  EnableTexture(params);
  SetFaceColour(params);
  BeginMouldingSpace();
  ImmediateSink sink;
  const MouldingShape shape = ShapeOf(params);
  EmitEndFaces(shape, params.RepeatV, sink);
  if (params.TextureMap) gl::glColor3f(1.0f, 1.0f, 1.0f);  // the sides brighter than the ends
  EmitSides(shape, SlicesOf(params), params.RepeatV, params.RepeatH, sink);
  DisableTexture(params);
  gl::glPopMatrix();
}

void CompiledMoulding::Release() {
  prepared_ = false;
  faceVertices_ = {};
  facePrimitives_ = {};
  sideVertices_ = {};
  sideTriangles_ = {};
}

size_t CompiledMoulding::Triangles() const {
  size_t triangles = sideTriangles_.size() / 3;
  for (const Primitive& p : facePrimitives_) {
    triangles += p.Mode == GL_TRIANGLES ? static_cast<size_t>(p.Count) / 3
                                        : static_cast<size_t>(std::max(p.Count - 2, 0));
  }
  return triangles;
}

CompiledMoulding::Key CompiledMoulding::KeyOf(const MouldingParams& params) {
  const SectionOutline& o = *params.Outline;
  Key key;
  key.X.assign(o.X.begin() + 1, o.X.begin() + 1 + o.Count);
  key.Y.assign(o.Y.begin() + 1, o.Y.begin() + 1 + o.Count);
  key.CentreX = o.CentreX;
  key.CentreY = o.CentreY;
  key.R = params.WoodColour.R;
  key.G = params.WoodColour.G;
  key.B = params.WoodColour.B;
  key.TextureMap = params.TextureMap;
  key.RepeatV = params.RepeatV;
  key.RepeatH = params.RepeatH;
  key.Slices = SlicesOf(params);
  key.MergeStraightRuns = params.MergeStraightRuns;
  return key;
}

bool CompiledMoulding::Matches(const MouldingParams& params) const {
  const SectionOutline& o = *params.Outline;
  return static_cast<int>(key_.X.size()) == o.Count &&
         std::equal(key_.X.begin(), key_.X.end(), o.X.begin() + 1) &&
         std::equal(key_.Y.begin(), key_.Y.end(), o.Y.begin() + 1) && key_.CentreX == o.CentreX &&
         key_.CentreY == o.CentreY && key_.R == params.WoodColour.R &&
         key_.G == params.WoodColour.G && key_.B == params.WoodColour.B &&
         key_.TextureMap == params.TextureMap && key_.RepeatV == params.RepeatV &&
         key_.RepeatH == params.RepeatH && key_.Slices == SlicesOf(params) &&
         key_.MergeStraightRuns == params.MergeStraightRuns;
}

void CompiledMoulding::Prepare(const MouldingParams& params) {
  const MouldingShape shape = ShapeOf(params);
  faceVertices_.clear();
  facePrimitives_.clear();
  RecordingSink faces(faceVertices_, facePrimitives_);
  EmitEndFaces(shape, params.RepeatV, faces);

  // Each side segment has its own vertices (slice edges 0..slices at both ends), as its
  // normals are its own.
  const int slices = SlicesOf(params);
  const int edges = slices + 1;
  sideVertices_.clear();
  sideVertices_.reserve(shape.Sides.size() * 2 * edges);
  sideTriangles_.clear();
  sideTriangles_.reserve(shape.Sides.size() * slices * 6);
  for (const SideSegment& side : shape.Sides) {
    const auto here = static_cast<GLuint>(sideVertices_.size()), next = here + edges;
    for (int k = 0; k < edges; ++k)
      sideVertices_.push_back(SideVertex(side.A, k, slices, params.RepeatV, params.RepeatH));
    for (int k = 0; k < edges; ++k)
      sideVertices_.push_back(SideVertex(side.B, k, slices, params.RepeatV, params.RepeatH));
    for (GLuint k = 0; k < static_cast<GLuint>(slices); ++k) {
      // Corners a, b, c, d in the order of the direct drawing, as the two triangles (a, b, c)
      // and (a, c, d) into which OpenGL splits that quadrilateral.
      const GLuint a = here + k + 1, b = here + k, c = next + k, d = next + k + 1;
      sideTriangles_.insert(sideTriangles_.end(), {a, b, c, a, c, d});
    }
  }
  key_ = KeyOf(params);
  prepared_ = true;
  ++compilations_;
}

namespace {

// Long sides of many quadrilaterals go to OpenGL in up to eight draws with a flush between
// them; a flush costs the renderer a store and load of the frame's tiles, which a small
// section does not win back.
constexpr int MaxSideBatches = 8;
constexpr size_t QuadsPerSideBatch = 10000;

void PointArraysAt(const Vertex* vertices) {
  const GLsizei stride = sizeof(Vertex);
  gl::glVertexPointer(3, GL_FLOAT, stride, vertices->Position);
  gl::glNormalPointer(GL_FLOAT, stride, vertices->Normal);
  gl::glTexCoordPointer(2, GL_FLOAT, stride, vertices->TexCoord);
}

}  // namespace

void CompiledMoulding::Draw(const MouldingParams& params) {
  if (!Drawable(params)) return;
  // Outlined polygons show how the sides are split: the quadrilaterals of the direct drawing
  // draw their four edges only, the prepared triangles would add the diagonals. Wire frames go
  // the direct way; the prepared geometry stays for the next solid frame.
  GLint polygonModes[2] = {GL_FILL, GL_FILL};
  gl::glGetIntegerv(GL_POLYGON_MODE, polygonModes);
  if (polygonModes[0] != GL_FILL || polygonModes[1] != GL_FILL) {
    DrawMoulding(params);
    return;
  }
  if (!prepared_ || !Matches(params)) Prepare(params);
  EnableTexture(params);
  SetFaceColour(params);
  BeginMouldingSpace();
  gl::glEnableClientState(GL_VERTEX_ARRAY);
  gl::glEnableClientState(GL_NORMAL_ARRAY);
  gl::glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  if (!faceVertices_.empty()) {
    PointArraysAt(faceVertices_.data());
    for (const Primitive& p : facePrimitives_) gl::glDrawArrays(p.Mode, p.First, p.Count);
  }
  if (params.TextureMap) gl::glColor3f(1.0f, 1.0f, 1.0f);
  if (!sideTriangles_.empty()) {
    PointArraysAt(sideVertices_.data());
    // A software renderer sorts a frame's triangles into screen tiles on this thread and fills
    // the tiles on its own threads only when the frame is flushed. Flushing after the end faces
    // and after each batch of the sides lets the filling of one batch overlap the sorting of
    // the next. The triangles and their order stay the same, and so does every pixel.
    const size_t quads = sideTriangles_.size() / 6;
    const int batches =
        static_cast<int>(std::clamp<size_t>(quads / QuadsPerSideBatch, 1, MaxSideBatches));
    for (int batch = 0; batch < batches; ++batch) {
      const size_t first = quads * batch / batches * 6;
      const size_t end = quads * (batch + 1) / batches * 6;
      if (batches > 1) gl::glFlush();
      gl::glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(end - first), GL_UNSIGNED_INT,
                         sideTriangles_.data() + first);
    }
  }
  gl::glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  gl::glDisableClientState(GL_NORMAL_ARRAY);
  gl::glDisableClientState(GL_VERTEX_ARRAY);
  DisableTexture(params);
  gl::glPopMatrix();
}

}  // namespace kerf
