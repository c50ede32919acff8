// kerfwright photo: draws the 3-D view of a project off-screen and writes it as a picture.
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "model/PrintableText.h"
#include "model/Progress.h"
#include "project/PictureFile.h"
#include "project/ProgramFiles.h"
#include "project/ProjectLoading.h"
#include "render/DefaultTexture.h"
#include "render/GLApi.h"
#include "render/HeadlessContext.h"
#include "render/PhotoFit.h"
#include "render/Photograph.h"
#include "render/Scene.h"
#include "render/Texture.h"

namespace kerf {

namespace {

constexpr int DefaultWidth = 800;
constexpr int DefaultHeight = 600;
constexpr int MaxPhotographHeight = 5000;

// "RRGGBB" (a leading '#' allowed) as a 0x00BBGGRR colour.
bool ParseBackground(const std::string& text, Colour& colour) {
  const std::string digits = !text.empty() && text[0] == '#' ? text.substr(1) : text;
  if (digits.size() != 6) return false;
  for (char c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  const unsigned long rgb = std::stoul(digits, nullptr, 16);
  colour = MakeColour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                      static_cast<int>(rgb & 0xFF));
  return true;
}

// The project names its texture by the full path it had where it was saved. Where that path
// is gone, the same name is looked for beside the project and in the textures directory.
std::string FindTextureFile(const std::string& stored, const std::string& projectPath) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  if (fs::is_regular_file(stored, ignored)) return stored;
  const std::string name = stored.substr(stored.find_last_of("/\\") + 1);
  if (name.empty()) return stored;
  const fs::path candidates[] = {fs::path(projectPath).parent_path() / name,
                                 fs::path(TexturesDir()) / name};
  for (const fs::path& candidate : candidates) {
    if (fs::is_regular_file(candidate, ignored)) return candidate.string();
  }
  return stored;
}

// The picture the moulding texture is made from: the project's texture file, or the built-in
// wood grain when it names none or cannot be read (with a warning).
Raster TexturePictureFor(const Model& model, const std::string& projectPath) {
  if (!model.TextureFile().empty()) {
    const std::string path = FindTextureFile(model.TextureFile(), projectPath);
    Result<Raster> picture = LoadTexturePicture(path);
    if (picture) return std::move(picture.Value());
    std::fprintf(stderr, "kerfwright photo: warning: %s; the built-in wood grain is used\n",
                 PrintableText(picture.Error()).c_str());
  }
  return DefaultTexturePicture();
}

}  // namespace

int PhotoCommand(const CommandArgs& args) {
  std::string project, output, tools, background;
  int width = DefaultWidth, height = DefaultHeight;
  ViewControlPositions view;  // the View Controls window's initial positions
  bool wire = false;
  bool fit = false;

  OptionParser parser("photo");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "IMAGE", output, true, "the picture to write");
  parser.Integer({"--width"}, "W", width, 1, MaxPhotographWidth,
                 "picture width in pixels (default 800; the OpenGL driver may allow fewer)");
  parser.Integer({"--height"}, "H", height, 1, MaxPhotographHeight,
                 "picture height in pixels (default 600)");
  parser.Integer({"--zoom"}, "N", view.Zoom, ZoomRange.Min, ZoomRange.Max,
                 "eye distance in tenths of a scene unit (default 70)");
  parser.Integer({"--rotate-x"}, "A", view.RotateX, TurnRange.Min, TurnRange.Max,
                 "turn about the X axis in degrees (default 0)");
  parser.Integer({"--rotate-y"}, "B", view.RotateY, TurnRange.Min, TurnRange.Max,
                 "turn about the Y axis in degrees (default 0)");
  parser.Integer({"--rotate-z"}, "C", view.RotateZ, TurnRange.Min, TurnRange.Max,
                 "turn about the Z axis in degrees (default 0)");
  parser.Integer({"--shift-x"}, "X", view.ShiftX, ShiftRange.Min, ShiftRange.Max,
                 "sideways shift in tenths (default 0)");
  parser.Integer({"--shift-y"}, "Y", view.ShiftY, ShiftRange.Min, ShiftRange.Max,
                 "upward shift in tenths (default 0)");
  parser.Integer({"--ambient"}, "A", view.Ambient, LightRange.Min, LightRange.Max,
                 "ambient light level (default 20)");
  parser.Integer({"--diffuse"}, "D", view.Diffuse, LightRange.Min, LightRange.Max,
                 "diffuse light level (default 70)");
  parser.Integer({"--specular"}, "S", view.Highlight, LightRange.Min, LightRange.Max,
                 "specular light level (default 5)");
  parser.Flag({"--wire"}, wire, "wire frame instead of solid faces");
  parser.Flag({"--fit"}, fit, "a three-quarter view with the moulding filling 80 % of the picture");
  parser.Text({"--background"}, "RRGGBB", background, false,
              "clear colour in hexadecimal (default black)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);
  Colour backgroundColour = Black;
  if (parser.Given("--background") && !ParseBackground(background, backgroundColour)) {
    std::fprintf(stderr, "kerfwright photo: --background must be six hex digits RRGGBB, not '%s'\n",
                 PrintableText(background).c_str());
    return ExitCannotRun;
  }
  view.Solid = !wire;
  if (fit) {
    // --fit chooses the turns, the eye distance and the shift itself.
    for (const char* option :
         {"--zoom", "--rotate-x", "--rotate-y", "--rotate-z", "--shift-x", "--shift-y"}) {
      if (!parser.Given(option)) continue;
      std::fprintf(stderr, "kerfwright photo: --fit sets the view itself; leave out %s\n", option);
      return ExitCannotRun;
    }
  }

  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  if (parser.Given("--background")) model.SetBackgroundSwatch(backgroundColour);
  NoProgress quiet;
  SectionPictures pictures;
  Section section;
  PlotOutline(model, pictures, section, quiet);
  if (!pictures.Outline.Closed) {
    std::fprintf(stderr,
                 "kerfwright photo: warning: the outline of the section does not close; the "
                 "picture shows no moulding\n");
  }

  for (const Result<void>& loaded : {gl::LoadOpenGL(), gl::LoadGLU()}) {
    if (!loaded) {
      std::fprintf(stderr, "kerfwright photo: no OpenGL to draw with: %s\n",
                   loaded.Error().c_str());
      return ExitCannotRun;
    }
  }
  const Result<std::unique_ptr<HeadlessContext>> made = HeadlessContext::Create(width, height);
  if (!made) {
    // The driver's own limit on an off-screen picture may be below the options' range.
    const bool tooLarge = made.Error().rfind("An off-screen OpenGL surface may be at most", 0) == 0;
    if (tooLarge) {
      std::string limit = made.Error();
      limit.pop_back();  // its full stop
      std::fprintf(stderr, "kerfwright photo: %s here; choose a smaller --width or --height\n",
                   limit.c_str());
    } else {
      std::fprintf(stderr, "kerfwright photo: no OpenGL to draw with: %s\n", made.Error().c_str());
    }
    return ExitCannotRun;
  }
  const std::unique_ptr<HeadlessContext>& context = made.Value();

  Raster picture(0, 0);
  {
    // The texture and the scene's geometry belong to the context and go before it.
    std::unique_ptr<Texture> texture;
    if (model.TextureMap()) {
      texture = std::make_unique<Texture>();
      texture->SetImage(TextureImage::Upright(TexturePictureFor(model, project)));
      texture->Upload();
    }
    Scene scene;
    scene.SetUpScene();
    scene.ResizeScene(width, height);
    SceneParams params = MakeSceneParams(view, model);
    params.LightFrom = PhotographLightFrom;
    if (fit) params = FitView(params, pictures.Outline, width, height);
    scene.DrawScene(params, pictures.Outline, texture ? texture.get() : nullptr);
    context->SwapBuffers();
    Result<Raster> taken = TakePhotograph(width, height, quiet);
    if (!taken) {
      std::fprintf(stderr, "kerfwright photo: %s\n", taken.Error().c_str());
      return ExitCannotRun;
    }
    picture = std::move(taken.Value());
  }
  if (const Result<void> saved = SavePicture(output, picture); !saved) {
    std::fprintf(stderr, "kerfwright photo: %s\n", PrintableText(saved.Error()).c_str());
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
