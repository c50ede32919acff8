// SceneParams: everything one frame of the 3-D view needs, filled by the caller from its controls.
#pragma once

#include <array>

namespace kerf {

struct SceneParams {
  // Camera: the eye on the +z axis at EyeDistance (zoom slider / 10), looking at the origin.
  float EyeDistance = 7.0f;
  // Turns in degrees about x, y and z (the three rotate sliders), applied in that order.
  float RotateX = 0, RotateY = 0, RotateZ = 0;
  // Shift in scene units along the screen's x and y (shift slider positions / 10).
  float ShiftX = 0, ShiftY = 0;
  // Light levels 0..1 (ambient, diffuse and highlight sliders / 100); the specular level
  // drives both the light's and the material's highlight.
  float Ambient = 0.20f, Diffuse = 0.70f, Specular = 0.05f;
  // The direction the light comes from, fixed to the eye: right, up and towards the viewer.
  // The 3-D view's light stands above, right of and in front of the viewer.
  std::array<float, 3> LightFrom{200.0f, 200.0f, 250.0f};
  bool Solid = true;  // filled polygons; false draws the wire frame
  // Texture window: "Texture map" and the repeat counts (the two repeat boxes).
  bool TextureMap = false;
  int RepeatV = 2, RepeatH = 4;
  // Wood colour (RGBA 0..1) and the clear colour of the view (RGBA 0..1).
  std::array<float, 4> Wood{225 / 255.0f, 123 / 255.0f, 11 / 255.0f, 1.0f};
  std::array<float, 4> Clear{0, 0, 0, 0};

  bool operator==(const SceneParams&) const = default;
};

// The photo verb's light: above the eye and in front of the viewer, no further right. The 3-D
// view's light grazes the end face of a three-quarter view, which shows the section, and leaves
// it the darkest face; from here it is lit about as well as the worked edge, and the top
// stays the brightest face.
inline constexpr std::array<float, 3> PhotographLightFrom{0.0f, 100.0f, 200.0f};

// The ranges of the View Controls window's sliders, which the photo verb's options share.
struct ViewRange {
  int Min, Max;
};
inline constexpr ViewRange ZoomRange{1, 200};    // eye distance in tenths of a scene unit
inline constexpr ViewRange TurnRange{0, 359};    // degrees
inline constexpr ViewRange ShiftRange{-50, 50};  // tenths of a scene unit
inline constexpr ViewRange LightRange{0, 100};   // percent

// The positions of the View Controls window's sliders and its "Solid" switch; the defaults
// are the window's initial positions.
struct ViewControlPositions {
  int Zoom = 70;
  int RotateX = 0, RotateY = 0, RotateZ = 0;
  int ShiftX = 0, ShiftY = 0;
  int Ambient = 20, Diffuse = 70, Highlight = 5;
  bool Solid = true;
};

}  // namespace kerf
