#include "emulator/glyph_outlines.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_ADVANCES_H

namespace emulator {

namespace {

// One Unicode code point from UTF-16 at position i, advancing i past it.
char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  const char16_t unit = text[i++];
  const bool pair =
      unit >= 0xD800 && unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF;
  if (!pair)
    return unit;
  return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i++] - 0xDC00);
}

// Collects a glyph's contours; quadratic pieces become the cubic curves they are.
class OutlineCollector {
 public:
  explicit OutlineCollector(GlyphOutline& outline) : outline_(outline) {}

  static int Move(const FT_Vector* to, void* self) {
    auto& collector = *static_cast<OutlineCollector*>(self);
    collector.CloseContour();
    collector.Add('m', {*to});
    collector.open_ = true;
    return 0;
  }
  static int Line(const FT_Vector* to, void* self) {
    static_cast<OutlineCollector*>(self)->Add('l', {*to});
    return 0;
  }
  static int Conic(const FT_Vector* control, const FT_Vector* to, void* self) {
    auto& collector = *static_cast<OutlineCollector*>(self);
    const double cx = static_cast<double>(control->x);
    const double cy = static_cast<double>(control->y);
    OutlineStep step{'c'};
    step.x[0] = collector.x_ + 2.0 / 3 * (cx - collector.x_);
    step.y[0] = collector.y_ + 2.0 / 3 * (cy - collector.y_);
    step.x[1] = to->x + 2.0 / 3 * (cx - to->x);
    step.y[1] = to->y + 2.0 / 3 * (cy - to->y);
    step.x[2] = static_cast<double>(to->x);
    step.y[2] = static_cast<double>(to->y);
    collector.Append(step);
    return 0;
  }
  static int Cubic(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to,
                   void* self) {
    static_cast<OutlineCollector*>(self)->Add('c', {*control1, *control2, *to});
    return 0;
  }

  void CloseContour() {
    if (open_)
      outline_.push_back({'h'});
    open_ = false;
  }

 private:
  void Add(char op, std::initializer_list<FT_Vector> points) {
    OutlineStep step{op};
    int i = 0;
    for (const FT_Vector& point : points) {
      step.x[i] = static_cast<double>(point.x);
      step.y[i] = static_cast<double>(point.y);
      ++i;
    }
    Append(step);
  }
  void Append(const OutlineStep& step) {
    const int last = step.op == 'c' ? 2 : 0;
    x_ = step.x[last];
    y_ = step.y[last];
    outline_.push_back(step);
  }

  GlyphOutline& outline_;
  double x_ = 0;  // the current point
  double y_ = 0;
  bool open_ = false;
};

// The glyph's contours in font units, unhinted; empty when it has none.
GlyphOutline Decompose(FT_Face face, FT_UInt index) {
  GlyphOutline outline;
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
      face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
    return outline;
  }
  OutlineCollector collector(outline);
  FT_Outline_Funcs funcs = {};
  funcs.move_to = &OutlineCollector::Move;
  funcs.line_to = &OutlineCollector::Line;
  funcs.conic_to = &OutlineCollector::Conic;
  funcs.cubic_to = &OutlineCollector::Cubic;
  FT_Outline_Decompose(&face->glyph->outline, &funcs, &collector);
  collector.CloseContour();
  return outline;
}

}  // namespace

struct GlyphOutlines::Impl {
  struct Glyph {
    GlyphOutline outline;
    FT_Pos advance = 0;  // font units
  };

  FT_Library library = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces;  // null where the file cannot be read
  std::map<std::pair<FT_Face, char32_t>, Glyph> glyphs;

  ~Impl() {
    for (const auto& [key, face] : faces) {
      if (face != nullptr)
        FT_Done_Face(face);
    }
    if (library != nullptr)
      FT_Done_FreeType(library);
  }

  FT_Face Face(const ResolvedFont& font) {
    const auto key = std::make_pair(font.file, font.index);
    const auto found = faces.find(key);
    if (found != faces.end())
      return found->second;
    FT_Face face = nullptr;
    if (library == nullptr || font.file.empty() ||
        FT_New_Face(library, font.file.c_str(), font.index, &face) != 0 ||
        face->units_per_EM == 0) {
      if (face != nullptr)
        FT_Done_Face(face);
      face = nullptr;
    }
    faces.emplace(key, face);
    return face;
  }

  const Glyph& GlyphOf(FT_Face face, char32_t codePoint) {
    const auto key = std::make_pair(face, codePoint);
    const auto found = glyphs.find(key);
    if (found != glyphs.end())
      return found->second;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    Glyph glyph;
    glyph.outline = Decompose(face, index);
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) == 0)
      glyph.advance = advance;
    return glyphs.emplace(key, std::move(glyph)).first->second;
  }
};

GlyphOutlines::GlyphOutlines() : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0)
    impl_->library = nullptr;
}

GlyphOutlines::~GlyphOutlines() = default;

std::optional<TextOutline> GlyphOutlines::Outline(const ResolvedFont& font,
                                                  std::u16string_view text, double size) {
  const FT_Face face = impl_->Face(font);
  if (face == nullptr)
    return std::nullopt;
  TextOutline line;
  line.scale = size / face->units_per_EM;
  double offset = 0;
  for (size_t i = 0; i < text.size();) {
    const Impl::Glyph& glyph = impl_->GlyphOf(face, NextCodePoint(text, i));
    line.glyphs.push_back({&glyph.outline, offset});
    offset += static_cast<double>(glyph.advance) * line.scale;
  }
  return line;
}

}  // namespace emulator
