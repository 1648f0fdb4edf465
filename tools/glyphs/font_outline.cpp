#include "tools/glyphs/font_outline.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <stdexcept>

namespace glyphs {

struct Font::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  ~Handles() {
    if (face != nullptr)
      FT_Done_Face(face);
    if (library != nullptr)
      FT_Done_FreeType(library);
  }
};

namespace {

Point ToPoint(const FT_Vector* vector) {
  return {static_cast<double>(vector->x), static_cast<double>(vector->y)};
}

// Collects the contours while FreeType walks an outline.
struct OutlineBuilder {
  std::vector<Contour> contours;
  Point current;

  void Add(const Cubic& cubic) {
    if (!(cubic.p0 == cubic.p3) || !IsLine(cubic))
      contours.back().push_back(cubic);
    current = cubic.p3;
  }

  static OutlineBuilder& Of(void* user) { return *static_cast<OutlineBuilder*>(user); }

  static int MoveTo(const FT_Vector* to, void* user) {
    OutlineBuilder& builder = Of(user);
    builder.contours.emplace_back();
    builder.current = ToPoint(to);
    return 0;
  }
  static int LineTo(const FT_Vector* to, void* user) {
    OutlineBuilder& builder = Of(user);
    builder.Add(Line(builder.current, ToPoint(to)));
    return 0;
  }
  // A quadratic becomes the cubic that traces the same curve.
  static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    OutlineBuilder& builder = Of(user);
    const Point from = builder.current;
    const Point middle = ToPoint(control);
    const Point end = ToPoint(to);
    builder.Add({from, from + (middle - from) * (2.0 / 3), end + (middle - end) * (2.0 / 3), end});
    return 0;
  }
  static int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to,
                     void* user) {
    OutlineBuilder& builder = Of(user);
    builder.Add({builder.current, ToPoint(control1), ToPoint(control2), ToPoint(to)});
    return 0;
  }
};

// FreeType leaves a contour open when its last point is its first; close it with a line.
void CloseContours(std::vector<Contour>& contours) {
  for (Contour& contour : contours) {
    if (!contour.empty() && !(contour.back().p3 == contour.front().p0)) {
      contour.push_back(Line(contour.back().p3, contour.front().p0));
    }
  }
  std::erase_if(contours, [](const Contour& contour) { return contour.empty(); });
}

FT_GlyphSlot LoadSlot(FT_Face face, char character) {
  const FT_UInt index = FT_Get_Char_Index(face, static_cast<unsigned char>(character));
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) {
    throw std::runtime_error(std::string("the font has no glyph for '") + character + "'");
  }
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
    throw std::runtime_error(std::string("the glyph for '") + character + "' is not an outline");
  }
  return face->glyph;
}

}  // namespace

Font::Font(const std::string& path) : handles_(std::make_unique<Handles>()) {
  if (FT_Init_FreeType(&handles_->library) != 0)
    throw std::runtime_error("FreeType cannot start");
  if (FT_New_Face(handles_->library, path.c_str(), 0, &handles_->face) != 0) {
    throw std::runtime_error("cannot read the font " + path);
  }
}

Font::~Font() = default;

FontGlyph Font::Load(char character) const {
  FT_GlyphSlot slot = LoadSlot(handles_->face, character);
  FT_Outline_Funcs walker{};
  walker.move_to = &OutlineBuilder::MoveTo;
  walker.line_to = &OutlineBuilder::LineTo;
  walker.conic_to = &OutlineBuilder::ConicTo;
  walker.cubic_to = &OutlineBuilder::CubicTo;
  OutlineBuilder builder;
  if (FT_Outline_Decompose(&slot->outline, &walker, &builder) != 0) {
    throw std::runtime_error(std::string("cannot walk the outline of '") + character + "'");
  }
  CloseContours(builder.contours);
  return {std::move(builder.contours), static_cast<double>(slot->metrics.horiAdvance)};
}

Box Font::Bounds(char character) const {
  FT_GlyphSlot slot = LoadSlot(handles_->face, character);
  FT_BBox box;
  FT_Outline_Get_BBox(&slot->outline, &box);
  return {static_cast<double>(box.xMin), static_cast<double>(box.yMin),
          static_cast<double>(box.xMax), static_cast<double>(box.yMax)};
}

}  // namespace glyphs
