// Drawing the moulding: tessellated end faces and the band of quadrilaterals along its length.
#include "render/Moulding.h"

#include <algorithm>
#include <deque>

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

// A vertex whose normal is its own position (not normalised), in single precision.
Vertex MakeVertex(float x, float y, float z, float s, float t) {
  return {{x, y, z}, {s, t}, {x, y, z}};
}

// What the tessellator's callbacks work with during one polygon.
struct TessPolygon {
  VertexSink* sink;
  std::deque<TessVertex> extra;  // vertices made at crossings, kept until the polygon ends
};

void TessBeginCallback(GLenum mode, void* polygon) {
  static_cast<TessPolygon*>(polygon)->sink->Begin(mode);
}

void TessEndCallback(void* polygon) { static_cast<TessPolygon*>(polygon)->sink->End(); }

// GLU calls the vertex callback with the record given to gluTessVertex.
void TessVertexCallback(void* data, void* polygon) {
  const auto* v = static_cast<const TessVertex*>(data);
  static_cast<TessPolygon*>(polygon)->sink->Emit(
      MakeVertex(static_cast<float>(v->x), static_cast<float>(v->y), static_cast<float>(v->z),
                 static_cast<float>(v->s), static_cast<float>(v->t)));
}

// Where the walked outline crosses itself the tessellator needs a vertex at the crossing; it
// is made here, blended from its neighbours. Without it the tessellator would give up on the
// whole end face.
void TessCombineCallback(GLdouble coords[3], void* neighbours[4], GLfloat weights[4],
                         void** result, void* polygon) {
  TessVertex v{coords[0], coords[1], coords[2], 0, 0};
  for (int k = 0; k < 4; ++k) {
    if (neighbours[k] == nullptr) continue;
    const auto* n = static_cast<const TessVertex*>(neighbours[k]);
    v.s += weights[k] * n->s;
    v.t += weights[k] * n->t;
  }
  auto& extra = static_cast<TessPolygon*>(polygon)->extra;
  extra.push_back(v);
  *result = &extra.back();
}

template <typename Function>
_GLUfuncptr Callback(Function function) {
  return reinterpret_cast<_GLUfuncptr>(function);
}

void TessellateFace(GLUtesselator* tess, TessVertex* records, int count, VertexSink& sink) {
  TessPolygon polygon{&sink, {}};
  gl::gluTessBeginPolygon(tess, &polygon);
  gl::gluTessBeginContour(tess);
  for (int k = 0; k < count; ++k) gl::gluTessVertex(tess, &records[k].x, &records[k]);
  gl::gluTessEndContour(tess);
  gl::gluTessEndPolygon(tess);
}

// The two end faces, filled by the tessellator with the positive winding rule.
void EmitEndFaces(const SectionOutline& o, float repeatV, float repeatH, VertexSink& sink) {
  const int count = o.Count;
  // Records 1..count hold the front face, count + 1 .. 2 count the back face; they stay in
  // place until their polygons have ended.
  std::vector<TessVertex> records(static_cast<size_t>(count) * 2);
  for (int i = 1; i <= count; ++i) {
    const double x = SceneX(o, i), y = SceneY(o, i);
    records[i - 1] = {x, y, MouldingHalfLength, x * repeatH, y * repeatV};
  }
  // The back face takes the points in reverse order.
  for (int i = count; i >= 1; --i) {
    const double x = SceneX(o, i), y = SceneY(o, i);
    records[count + i - 1] = {x, y, -MouldingHalfLength, x * repeatH, y * repeatV};
  }
  GLUtesselator* tess = gl::gluNewTess();
  if (tess == nullptr) return;
  gl::gluTessCallback(tess, GLU_TESS_BEGIN_DATA, Callback(&TessBeginCallback));
  gl::gluTessCallback(tess, GLU_TESS_END_DATA, Callback(&TessEndCallback));
  gl::gluTessCallback(tess, GLU_TESS_VERTEX_DATA, Callback(&TessVertexCallback));
  gl::gluTessCallback(tess, GLU_TESS_COMBINE_DATA, Callback(&TessCombineCallback));
  gl::gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_POSITIVE);
  TessellateFace(tess, records.data(), count, sink);
  TessellateFace(tess, records.data() + count, count, sink);
  gl::gluDeleteTess(tess);
}

// A vertex of the long sides: outline point i at slice edge k (0..40, z = -2.0 .. +2.0).
// Every quadrilateral that shares the corner computes it alike.
Vertex SideVertex(const SectionOutline& o, int i, int k, float repeatV, float repeatH) {
  const int half = MouldingSlices / 2;
  const double slices = MouldingSlices;
  return MakeVertex(static_cast<float>(SceneX(o, i)), static_cast<float>(SceneY(o, i)),
                    static_cast<float>((k - half) / 10.0),
                    static_cast<float>(k / slices * repeatH),
                    static_cast<float>(static_cast<double>(i) / o.Count * repeatV));
}

// The long sides: forty slices of 0.1 along z for every segment of the outline. The texture
// repeats H times along the length and V times around the outline.
void EmitSides(const SectionOutline& o, float repeatV, float repeatH, VertexSink& sink) {
  sink.Begin(GL_QUADS);
  for (int i = 1; i <= o.Count - 1; ++i) {
    for (int k = 0; k < MouldingSlices; ++k) {
      sink.Emit(SideVertex(o, i, k + 1, repeatV, repeatH));
      sink.Emit(SideVertex(o, i, k, repeatV, repeatH));
      sink.Emit(SideVertex(o, i + 1, k, repeatV, repeatH));
      sink.Emit(SideVertex(o, i + 1, k + 1, repeatV, repeatH));
    }
  }
  sink.End();
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
// columns run to the right and raster rows downwards. The walk of the stock is clockwise.
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
  const SectionOutline& o = *params.Outline;
  EnableTexture(params);
  SetFaceColour(params);
  BeginMouldingSpace();
  ImmediateSink sink;
  EmitEndFaces(o, params.RepeatV, params.RepeatH, sink);
  if (params.TextureMap) gl::glColor3f(1.0f, 1.0f, 1.0f);  // the sides brighter than the ends
  EmitSides(o, params.RepeatV, params.RepeatH, sink);
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
  return key;
}

bool CompiledMoulding::Matches(const MouldingParams& params) const {
  const SectionOutline& o = *params.Outline;
  return static_cast<int>(key_.X.size()) == o.Count &&
         std::equal(key_.X.begin(), key_.X.end(), o.X.begin() + 1) &&
         std::equal(key_.Y.begin(), key_.Y.end(), o.Y.begin() + 1) &&
         key_.CentreX == o.CentreX && key_.CentreY == o.CentreY &&
         key_.R == params.WoodColour.R && key_.G == params.WoodColour.G &&
         key_.B == params.WoodColour.B && key_.TextureMap == params.TextureMap &&
         key_.RepeatV == params.RepeatV && key_.RepeatH == params.RepeatH;
}

void CompiledMoulding::Prepare(const MouldingParams& params) {
  const SectionOutline& o = *params.Outline;
  faceVertices_.clear();
  facePrimitives_.clear();
  RecordingSink faces(faceVertices_, facePrimitives_);
  EmitEndFaces(o, params.RepeatV, params.RepeatH, faces);

  constexpr int edges = MouldingSlices + 1;
  sideVertices_.clear();
  sideVertices_.reserve(static_cast<size_t>(o.Count) * edges);
  for (int i = 1; i <= o.Count; ++i) {
    for (int k = 0; k < edges; ++k) {
      sideVertices_.push_back(SideVertex(o, i, k, params.RepeatV, params.RepeatH));
    }
  }
  sideTriangles_.clear();
  sideTriangles_.reserve(static_cast<size_t>(o.Count - 1) * MouldingSlices * 6);
  for (int i = 1; i <= o.Count - 1; ++i) {
    const auto here = static_cast<GLuint>((i - 1) * edges), next = here + edges;
    for (GLuint k = 0; k < MouldingSlices; ++k) {
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
    const int batches = static_cast<int>(
        std::clamp<size_t>(quads / QuadsPerSideBatch, 1, MaxSideBatches));
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
